// Our own congregation data generator.
//
// Writes the four files that the companion records program keeps (publisher,
// group, extended details and remarks file) with realistic Polish data, so
// that the tests and the demo have something to read. The generator knows
// the formats on its own and shares no code with the readers in src/data:
// it is an independent check of them.
//
// The data are deterministic for a given seed and "today". Besides the
// files, a Congregation carries what a reader of them should find, so that
// tests can compare without decoding the files themselves.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlant::gen {

inline constexpr int kMaxPublishers = 909;   // the publisher file holds at most 910 records
inline constexpr int kMaxGroups = 20;
inline constexpr int kMaxDetailsRecords = 600;  // usable records after the unused record 0
inline constexpr int kMaxRemarks = 898;

// One card row (row 0 = September) of a publisher whose figures the caller
// chooses.
struct FixedRow {
    int status = 0;             // pioneer status 0..3
    std::uint16_t hours = 0;
    std::uint16_t studies = 0;  // 0..1023
    bool sharedBit = false;     // the shared-in-the-ministry bit beside the studies
    std::string remark;         // UTF-8, at most 43 characters; empty: none
};

// A publisher chosen by the caller in place of the generated first one
// (record 1): a test then knows every figure of its card for the service
// year of "today"'s report month, and all of its remarks.
struct FixedPublisher {
    std::string firstName;  // UTF-8, at most 20 characters, as the last name
    std::string lastName;
    bool fieldMissionary = false;
    std::array<FixedRow, 12> rows{};
};

struct GeneratorOptions {
    int year = 2025;   // "today", from which the monthly figures are derived
    int month = 3;     // 1..12
    int day = 14;
    int publishers = 30;  // 0..kMaxPublishers
    int groups = 4;       // 0..kMaxGroups
    bool scrambled = true;
    std::string password;  // UTF-8; empty: no password (stored as " ")
    unsigned seed = 1;
    // The largest congregation the files can describe: kMaxPublishers
    // publishers, kMaxGroups groups, kMaxDetailsRecords extended details and
    // kMaxRemarks usable remarks. Overrides `publishers` and `groups`.
    bool maximum = false;
    // Replaces the first publisher when there is one.
    std::optional<FixedPublisher> firstPublisher;
    // The year slot of "today"'s month still holds the figures reported for
    // that month two years before, as the companion program leaves them until
    // the month's report replaces them; without it, that slot holds none.
    bool oldCurrentMonth = false;
};

enum class Appointment : std::uint8_t { None = 0, Servant = 1, Elder = 2 };

// What a publisher's record points at in the extended details file.
enum class DetailsCase : std::uint8_t {
    None,        // detailsIndex 0
    LongName,    // a record of the publisher's own, with a long name
    DigitsOnly,  // a record of the publisher's own whose long name and first
                 // detail text hold digits and blanks only
    WrongId,     // a record that carries another identifier
    BeyondEnd,   // the first record number past the end of the file
};

// One month of a publisher as the readers should see it.
struct MonthFigures {
    int status = 0;            // pioneer status, 0..3
    std::uint16_t hours = 0;
    std::uint16_t studies = 0; // 0..1023
    bool shared = false;       // shared in the ministry (hours or the shared bit)
    std::string remark;        // UTF-8, trimmed; empty: no remark
};

struct PublisherInfo {
    int record = 0;            // index in the publisher file, 1..
    std::uint16_t id = 0;
    std::string firstName;     // UTF-8
    std::string lastName;      // UTF-8
    int group = 0;             // 1..groups, 0 = none
    bool male = false;
    Appointment appointment = Appointment::None;
    bool anointed = false;
    bool fieldMissionary = false;
    bool omitted = false;      // left out of the publisher list
    std::string birthDate;     // "MMDDYYYY", empty when unknown
    std::string baptismDate;   // "MMDDYYYY", empty when not baptised
    DetailsCase details = DetailsCase::None;
    std::uint16_t detailsIndex = 0;
    std::string longName;      // UTF-8; set for LongName and DigitsOnly
    // [month 0..11][year slot]: the year slot is the calendar year modulo 2.
    // Figures run from the start of the previous service year to the month
    // before "today" (with `oldCurrentMonth`, "today"'s month holds those of
    // two years before); pioneer statuses up to "today"'s month.
    std::array<std::array<MonthFigures, 2>, 12> months{};
};

struct Congregation {
    // The file contents; an empty vector is a file that is not written.
    std::vector<std::uint8_t> publisherFile;
    std::vector<std::uint8_t> groupFile;
    std::vector<std::uint8_t> detailsFile;
    std::vector<std::uint8_t> remarkFile;

    std::vector<PublisherInfo> publishers;  // publishers[i].record == i + 1
    // Per group 1..G: overseer, assistant, meeting place, telephone, meeting
    // time (UTF-8), in the order of the group file's five text tables.
    std::vector<std::array<std::string, 5>> groupTexts;
    int detailsRecords = 0;   // records in the details file, unused record 0 included
    int usableRemarks = 0;    // remarks that a reader keeps
    // The calendar of "today": the month before it (0 = January) and its
    // year, and the calendar year in which that month's service year ends.
    int reportMonth = 0;
    int reportYear = 0;
    int serviceYear = 0;
};

// Empty when the options can be generated, otherwise what is wrong with them.
std::string CheckOptions(const GeneratorOptions& options);

// Throws std::invalid_argument when CheckOptions objects.
Congregation Generate(const GeneratorOptions& options);

// Writes the non-empty files into `folder` (UTF-8; created when missing) under the
// companion program's file names; a file whose vector is empty is removed
// from the folder instead, so that the folder holds exactly the congregation.
bool WriteCongregation(const Congregation& congregation, const std::string& folder);

// The year slot that the card uses for `month` (0..11) of the service year
// ending in `serviceYear`: September to December lie in the year before.
int CardYearSlot(int serviceYear, int month);

// --- Texts as the companion program stores them ---

// The UTF-8 text in code page 1250; nothing when the text is not valid UTF-8
// or holds a NUL or a character that the code page lacks.
std::optional<std::string> Utf8ToCp1250(std::string_view utf8);

// Where a reader of the publisher file leaves a stored byte of 204 as it is:
// in the names, in the first 30 characters of the first extra text, or in
// no text at all.
enum class Kept204 : std::uint8_t { Nowhere, First30, Everywhere };

// Additive scrambling of the publisher and extended details files: the byte
// at position i is stored as (plain + i + ScrambleBase) modulo 256. Nothing
// when a reader could not get the text back: a stored byte would be 0 (and
// end the text), or 204 where the reader keeps 204.
std::optional<std::string> ScrambleText(std::string_view plain, Kept204 kept);

// Scrambling of the group file: each byte is XORed with the group key
// character at its position, cyclically; a byte equal to its key character is
// stored unchanged. Every text without NUL comes back.
std::string ScrambleGroupText(std::string_view plain);

}  // namespace vorlant::gen
