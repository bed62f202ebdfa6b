#include "data/extended_details.h"

#include <algorithm>
#include <cctype>

#include "common/file.h"
#include "data/data_files.h"
#include "data/publisher_table.h"
#include "data/scramble.h"

namespace vorlant {

using namespace details_record;

namespace {

using DetailsBytes = std::array<std::uint8_t, kSize>;

struct DetailsText {
    std::size_t offset;
    std::size_t width;
};

// The scrambled texts, in the order in which they are descrambled.
constexpr std::array<DetailsText, 3> kTexts{{
    {kLongName, kLongNameWidth},
    {kDetailText1, kDetailText1Width},
    {kDetailText2, kDetailText2Width},
}};

// The text ends at the first NUL as it stands after each byte, so a byte
// that comes out as NUL ends the text and the bytes after it stay as read.
void DescrambleText(DetailsBytes& record, const DetailsText& text, std::uint8_t base) {
    for (std::size_t i = 0; i < text.width && record[text.offset + i] != 0; ++i) {
        std::uint8_t& byte = record[text.offset + i];
        byte = static_cast<std::uint8_t>(byte - (i + base));
        if (byte == 0) break;
    }
}

void Descramble(DetailsBytes& record, std::uint8_t base) {
    for (const DetailsText& text : kTexts) record[text.offset + text.width - 1] = 0;
    for (const DetailsText& text : kTexts) DescrambleText(record, text, base);
}

bool HasLetter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
}

// Reads record `number` of the file at `path` into `record` and checks that
// it belongs to publisher `id`.
bool FetchRecord(const std::string& path, int number, std::uint16_t id, DetailsBytes& record) {
    const UniqueFile file = OpenForReading(path);
    if (!file) return false;
    if (std::fseek(file.get(), static_cast<long>(number) * static_cast<long>(kSize), SEEK_SET) != 0) {
        return false;
    }
    if (ReadUpTo(file.get(), record.data(), kSize) < kSize) return false;
    return ReadU16(record, kPublisherId) == id;
}

}  // namespace

void ExtendedDetails::CountRecords(std::string_view folder, std::uint8_t scrambleBase) {
    path_ = PathIn(folder, kDetailsFileName);
    scrambleBase_ = scrambleBase;
    detailsCount_ = 0;
    const UniqueFile file = OpenForReading(path_);
    if (!file) return;
    DetailsBytes scratch{};
    while (detailsCount_ < kMaxCount && ReadUpTo(file.get(), scratch.data(), kSize) == kSize) {
        ++detailsCount_;
    }
}

unsigned ExtendedDetails::Lookup(PublisherTable& table, int index) {
    if (table.Record(index).empty()) return 0;
    if (table.DetailsIndex(index) > detailsCount_) table.SetDetailsIndex(index, 0);
    const int number = table.DetailsIndex(index);
    if (number == 0) return 0;

    currentDetails_.fill(0);
    DetailsBytes scratch{};
    if (number >= detailsCount_ || !FetchRecord(path_, number, table.PublisherId(index), scratch)) {
        table.SetDetailsIndex(index, 0);
        return 0;
    }
    Descramble(scratch, scrambleBase_);
    currentDetails_ = scratch;

    unsigned flags = 0;
    if (HasLetter(LongName())) flags |= kLongNameHasLetter;
    if (HasLetter(TextField(currentDetails_, kDetailText1, kDetailText1Width))) flags |= kDetailTextHasLetter;
    return flags;
}

std::string_view ExtendedDetails::LongName() const {
    return TextField(currentDetails_, kLongName, kLongNameWidth);
}

}  // namespace vorlant
