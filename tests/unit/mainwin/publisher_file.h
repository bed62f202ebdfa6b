// Publisher tables for the tests of the list and the formatting, loaded from
// a plain publisher file (no password) built record by record.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "data/data_files.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "support/temp_folder.h"

namespace vorlant::test {

// One publisher record. Texts are stored as given, cut at the field's width
// and without a terminator of their own, so a text as wide as its field
// runs into the next one.
struct PublisherBytes {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(publisher_record::kSize, 0);

    PublisherBytes& Text(std::size_t offset, std::size_t width, std::string_view text) {
        for (std::size_t i = 0; i < text.size() && i < width; ++i) bytes[offset + i] = static_cast<std::uint8_t>(text[i]);
        return *this;
    }
    PublisherBytes& Name(std::string_view first, std::string_view last) {
        return Text(publisher_record::kFirstName, 21, first).Text(publisher_record::kLastName, 21, last);
    }
    PublisherBytes& Dates(std::string_view baptism, std::string_view birth) {
        return Text(publisher_record::kBaptismDate, 9, baptism).Text(publisher_record::kBirthDate, 9, birth);
    }
    PublisherBytes& Set(std::size_t offset, std::uint8_t value) {
        bytes[offset] = value;
        return *this;
    }
    PublisherBytes& Id(std::uint16_t id) { return Set(publisher_record::kPublisherId, id & 0xFF).Set(publisher_record::kPublisherId + 1, id >> 8); }
    PublisherBytes& Group(int group) { return Set(publisher_record::kGroupNumber, static_cast<std::uint8_t>(group)); }
    PublisherBytes& Omitted() { return Set(publisher_record::kOmitFromList, 1); }
    PublisherBytes& Status(int month, int slot, int status) {
        return Set(publisher_record::kMonthStatus + 3 * static_cast<std::size_t>(month) + static_cast<std::size_t>(slot),
                   static_cast<std::uint8_t>(status));
    }
};

class LoadedPublishers {
public:
    explicit LoadedPublishers(const std::vector<PublisherBytes>& publishers) {
        std::vector<std::uint8_t> file = PublisherBytes().Set(publisher_record::kFirstName, ' ')
                                             .Set(publisher_record::kLastName, publisher_record::kPlainMarker).bytes;
        for (const PublisherBytes& p : publishers) file.insert(file.end(), p.bytes.begin(), p.bytes.end());
        folder_.Write(kPublisherFileName, file);
        if (table.Allocate()) table.Load(groups_, folder_.Str());
    }

    PublisherTable table;

private:
    TempFolder folder_;
    GroupFile groups_;
};

}  // namespace vorlant::test
