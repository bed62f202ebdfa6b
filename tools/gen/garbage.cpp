#include "garbage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "data/scramble.h"
#include "random.h"

namespace vorlant::gen {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kPublisherRecord = 816;
constexpr std::size_t kDetailsRecord = 192;
constexpr std::size_t kRemarkRecord = 48;

Bytes RandomBytes(Random& random, std::size_t size) {
    Bytes bytes(size);
    for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(random.Below(256));
    return bytes;
}

// A value that sits at an edge of what its field can hold.
std::uint8_t ExtremeByte(Random& random) {
    static constexpr std::array<std::uint8_t, 8> kValues{0, 1, 2, 3, 0x7F, 0x80, 0xCC, 0xFF};
    return random.Pick(std::span<const std::uint8_t>(kValues));
}

std::uint16_t ExtremeWord(Random& random) {
    static constexpr std::array<std::uint16_t, 10> kValues{0, 1, 9, 10, 11, 0x3FF, 0x800, 0x7FFF, 0x8000, 0xFFFF};
    return random.Pick(std::span<const std::uint16_t>(kValues));
}

void PutWord(Bytes& bytes, std::size_t offset, std::uint16_t value) {
    if (offset + 1 >= bytes.size()) return;
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

// Every record of a file, `size` bytes each, handed to `change`.
void ForEachRecord(Bytes& file, std::size_t size, const std::function<void(std::size_t)>& change) {
    for (std::size_t offset = 0; offset + size <= file.size(); offset += size) change(offset);
}

void FlipBytes(Random& random, Bytes& file, int percent) {
    for (std::uint8_t& b : file) {
        if (random.Percent(percent)) b = static_cast<std::uint8_t>(random.Below(256));
    }
}

void Truncate(Random& random, Bytes& file) {
    if (!file.empty()) file.resize(static_cast<std::size_t>(random.Below(static_cast<int>(file.size()))));
}

void Oversize(Random& random, Bytes& file, std::size_t extra) {
    const Bytes tail = RandomBytes(random, extra);
    file.insert(file.end(), tail.begin(), tail.end());
}

// Texts without terminators, figures, months, groups and indexes at their
// edges, in the publisher records (the header record included).
void ExtremePublishers(Random& random, Bytes& file) {
    ForEachRecord(file, kPublisherRecord, [&](std::size_t r) {
        for (std::size_t i = 2; i < 170; ++i) {
            if (random.Percent(30)) file[r + i] = static_cast<std::uint8_t>(random.Between(1, 255));
        }
        file[r + 181] = ExtremeByte(random);             // group number
        PutWord(file, r + 182, ExtremeWord(random));     // identifier
        PutWord(file, r + 184, ExtremeWord(random));     // extended details index
        PutWord(file, r + 194, ExtremeWord(random));     // service flags
        file[r + 200] = random.Percent(20) ? ExtremeByte(random) : 0;  // left out of the list
        for (std::size_t i = 202; i < 238; ++i) file[r + i] = ExtremeByte(random);  // pioneer statuses
        file[r + 239] = ExtremeByte(random);             // person flags
        for (std::size_t i = 240; i < 672; i += 2) PutWord(file, r + i, ExtremeWord(random));
    });
}

void ExtremeRemarks(Random& random, Bytes& file) {
    ForEachRecord(file, kRemarkRecord, [&](std::size_t r) {
        for (std::size_t i = 0; i < 44; ++i) file[r + i] = static_cast<std::uint8_t>(random.Between(1, 255));
        file[r + 44] = ExtremeByte(random);
        file[r + 45] = ExtremeByte(random);
        PutWord(file, r + 46, ExtremeWord(random));
    });
}

void ExtremeDetails(Random& random, Bytes& file) {
    ForEachRecord(file, kDetailsRecord, [&](std::size_t r) {
        PutWord(file, r, ExtremeWord(random));
        for (std::size_t i = 2; i < kDetailsRecord; ++i) file[r + i] = static_cast<std::uint8_t>(random.Between(1, 255));
    });
}

// Most bad congregations keep the header's "no password" so that the soak
// reaches the main window; some carry whatever the damage left there.
void KeepNoPassword(Bytes& file) {
    if (file.size() < kPublisherRecord) return;
    const bool plain = file[23] == 'A';
    file[2] = static_cast<std::uint8_t>(' ' + (plain ? 0 : ScrambleBase));
    file[3] = 0;
}

}  // namespace

GarbageCongregation GenerateGarbage(unsigned seed) {
    Random random(MixSeed(seed, 0x6A7B));
    GeneratorOptions options;
    options.seed = seed;
    options.year = random.Between(2020, 2030);
    options.month = random.Between(1, 12);
    options.maximum = random.Percent(20);
    options.publishers = random.Between(0, 60);
    options.groups = random.Between(0, kMaxGroups);
    options.scrambled = random.Percent(50);
    GarbageCongregation result{Generate(options), {}};
    Congregation& c = result.congregation;
    std::array<Bytes*, 4> files{&c.publisherFile, &c.groupFile, &c.detailsFile, &c.remarkFile};
    static constexpr std::array<const char*, 4> kNames{"publishers", "groups", "details", "remarks"};

    switch (random.Below(7)) {
        case 0:
            result.damage = "random bytes in every file";
            c.publisherFile = RandomBytes(random, static_cast<std::size_t>(random.Below(910 * 816 + 2000)));
            c.groupFile = RandomBytes(random, static_cast<std::size_t>(random.Below(4000)));
            c.detailsFile = RandomBytes(random, static_cast<std::size_t>(random.Below(700 * 192)));
            c.remarkFile = RandomBytes(random, static_cast<std::size_t>(random.Below(1000 * 48)));
            break;
        case 1:
            result.damage = "every file truncated";
            for (Bytes* file : files) Truncate(random, *file);
            break;
        case 2:
            result.damage = "every file oversized";
            Oversize(random, c.publisherFile, 920 * kPublisherRecord);
            Oversize(random, c.groupFile, 5000);
            Oversize(random, c.detailsFile, 700 * kDetailsRecord + 17);
            Oversize(random, c.remarkFile, 1200 * kRemarkRecord + 5);
            break;
        case 3: {
            const int missing = random.Below(4);
            result.damage = std::string("file missing: ") + kNames[static_cast<std::size_t>(missing)];
            files[static_cast<std::size_t>(missing)]->clear();
            break;
        }
        case 4:
            result.damage = "extreme counts, identifiers, months, figures and texts without terminators";
            ExtremePublishers(random, c.publisherFile);
            ExtremeRemarks(random, c.remarkFile);
            ExtremeDetails(random, c.detailsFile);
            if (!c.groupFile.empty()) c.groupFile[0] = ExtremeByte(random);
            break;
        case 5:
            result.damage = "bytes flipped in every file";
            for (Bytes* file : files) FlipBytes(random, *file, 5);
            break;
        default:
            result.damage = "empty files";
            for (Bytes* file : files) {
                if (random.Percent(60)) file->clear();
                else file->assign(static_cast<std::size_t>(random.Below(3)), 0);
            }
            break;
    }
    if (random.Percent(90)) KeepNoPassword(c.publisherFile);
    else result.damage += ", header as damaged";
    return result;
}

}  // namespace vorlant::gen
