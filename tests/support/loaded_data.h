// Data files built byte by byte or by the generator, and a folder read as the program reads it at start-up.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "congregation.h"
#include "data/data_files.h"
#include "data/extended_details.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "data/remark_table.h"
#include "support/temp_folder.h"

namespace vorlant::test {

using Bytes = std::vector<std::uint8_t>;

// A zero-filled record set byte by byte; a text scrambled with base b has byte i as plain + i + b.
struct Record {
    explicit Record(std::size_t size = publisher_record::kSize) : bytes(size, 0) {}
    Record& Text(std::size_t at, std::string_view text, std::uint8_t base = 0) {
        for (std::size_t i = 0; i < text.size(); ++i) U8(at + i, text[i] + (base != 0 ? i + base : 0));
        return *this;
    }
    Record& U8(std::size_t at, std::size_t value) { bytes.at(at) = static_cast<std::uint8_t>(value); return *this; }
    Record& U16(std::size_t at, std::size_t value) { return U8(at, value & 0xFF).U8(at + 1, value >> 8); }
    operator const Bytes&() const { return bytes; }
    Bytes bytes;
};

inline Bytes Concat(const std::vector<Bytes>& parts) {
    Bytes out;
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

// The header record of a plain publisher file, with its password.
inline Record Header(std::string_view password = " ") {
    return Record().Text(publisher_record::kFirstName, password).U8(publisher_record::kLastName,
                                                                    publisher_record::kPlainMarker);
}

// The files of `folder`, read as the program reads them at start-up.
struct LoadedFolder {
    explicit LoadedFolder(const std::string& folder, std::uint8_t base = ScrambleBase) {
        EXPECT_TRUE(table.Allocate());
        table.Load(groups, folder, base);
        details.CountRecords(folder, base);
        remarks.Load(table, folder);
    }
    PublisherTable table;
    GroupFile groups;
    ExtendedDetails details;
    RemarkTable remarks;
};

// A folder of its own whose publisher file holds a plain header and `records`.
struct RecordsFolder {
    explicit RecordsFolder(std::vector<Bytes> records) {
        records.insert(records.begin(), Header());
        folder.Write(kPublisherFileName, Concat(records));
    }
    TempFolder folder;
};

// ... read back.
struct LoadedRecords : RecordsFolder, LoadedFolder {
    explicit LoadedRecords(std::vector<Bytes> records)
        : RecordsFolder(std::move(records)), LoadedFolder(folder.Str()) {}
};

inline std::string Cp1250(const std::string& utf8) { return gen::Utf8ToCp1250(utf8).value(); }

// The generator's congregation as of `year`-`month`, written to a folder of its own.
struct GeneratedFolder {
    GeneratedFolder(int year, int month, std::optional<gen::FixedPublisher> first) {
        gen::GeneratorOptions options;
        options.year = year;
        options.month = month;
        options.firstPublisher = std::move(first);
        generated = gen::Generate(options);
        EXPECT_TRUE(gen::WriteCongregation(generated, folder.Str()));
    }
    TempFolder folder;  // kept: every lookup reads the details file again
    gen::Congregation generated;
};

// ... and read back.
struct LoadedCongregation : GeneratedFolder, LoadedFolder {
    LoadedCongregation(int year, int month, std::optional<gen::FixedPublisher> first = {})
        : GeneratedFolder(year, month, std::move(first)), LoadedFolder(folder.Str()) {}
};

}  // namespace vorlant::test
