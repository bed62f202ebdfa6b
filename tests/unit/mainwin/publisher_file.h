// Publisher tables for the tests of the list and the formatting, loaded from
// a publisher file that is built record by record.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "data/data_files.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "support/temp_folder.h"

namespace vorlant::test {

// One publisher record. Texts are stored as given, up to the field's width
// and without a terminator of their own, so a text as wide as its field
// runs into the next one.
class PublisherBytes {
public:
    PublisherBytes() : bytes_(publisher_record::kSize, 0) {}

    PublisherBytes& Text(std::size_t offset, std::size_t width, std::string_view text) {
        for (std::size_t i = 0; i < text.size() && i < width; ++i) {
            bytes_[offset + i] = static_cast<std::uint8_t>(text[i]);
        }
        return *this;
    }
    PublisherBytes& Name(std::string_view first, std::string_view last) {
        using namespace publisher_record;
        return Text(kFirstName, kFirstNameWidth, first).Text(kLastName, kLastNameWidth, last);
    }
    PublisherBytes& Dates(std::string_view baptism, std::string_view birth) {
        using namespace publisher_record;
        return Text(kBaptismDate, kDateWidth, baptism).Text(kBirthDate, kDateWidth, birth);
    }
    PublisherBytes& Id(std::uint16_t id) {
        bytes_[publisher_record::kPublisherId] = static_cast<std::uint8_t>(id);
        bytes_[publisher_record::kPublisherId + 1] = static_cast<std::uint8_t>(id >> 8);
        return *this;
    }
    PublisherBytes& Group(int group) {
        bytes_[publisher_record::kGroupNumber] = static_cast<std::uint8_t>(group);
        return *this;
    }
    PublisherBytes& Omitted() {
        bytes_[publisher_record::kOmitFromList] = 1;
        return *this;
    }
    PublisherBytes& Status(int month, int slot, int status) {
        bytes_[publisher_record::kMonthStatus + 3 * static_cast<std::size_t>(month) + static_cast<std::size_t>(slot)] =
            static_cast<std::uint8_t>(status);
        return *this;
    }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// A plain file without password: the header record, then the publishers.
class LoadedPublishers {
public:
    explicit LoadedPublishers(const std::vector<PublisherBytes>& publishers) {
        std::vector<std::uint8_t> file(publisher_record::kSize, 0);
        file[publisher_record::kFirstName] = ' ';
        file[publisher_record::kLastName] = publisher_record::kPlainMarker;
        for (const PublisherBytes& publisher : publishers) {
            file.insert(file.end(), publisher.Bytes().begin(), publisher.Bytes().end());
        }
        folder_.Write(kPublisherFileName, file);
        if (table.Allocate()) table.Load(groups_, folder_.Str());
    }

    PublisherTable table;

private:
    TempFolder folder_;
    GroupFile groups_;
};

}  // namespace vorlant::test
