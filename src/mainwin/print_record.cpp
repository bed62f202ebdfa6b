#include "mainwin/print_record.h"

#include <charconv>
#include <cstdio>

#include "common/file.h"
#include "common/string_source.h"
#include "resources/resource.h"

namespace vorlant {
namespace {

constexpr char kSeparator = '\t';
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";  // an editor may put it before the first line

// A text as one field: no line breaks, tabs or other control characters.
std::string Field(std::string_view text) {
    std::string field(text);
    for (char& c : field) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    }
    return field;
}

// The field up to the next separator, taken off the front of `rest`.
std::optional<std::string_view> TakeField(std::string_view& rest) {
    const std::size_t end = rest.find(kSeparator);
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view field = rest.substr(0, end);
    rest.remove_prefix(end + 1);
    return field;
}

// A decimal number of digits only within [low, high].
std::optional<int> Number(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.front() == '-') return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

// The row of the card that a month fills: September is row 0.
int RowOfMonth(int month) { return (month - 1 + 4) % 12; }

bool EndsWithoutLineBreak(const std::string& path) {
    const UniqueFile file = OpenForReading(path);
    if (!file || std::fseek(file.get(), -1, SEEK_END) != 0) return false;
    return std::fgetc(file.get()) != '\n';
}

}  // namespace

std::string RecordLine(const PrintedRow& row) {
    std::string line = Field(row.printedAt);
    for (const int number : {row.cardYear, row.month, int{row.person.publisherId}}) {
        line += kSeparator;
        line += std::to_string(number);
    }
    line += kSeparator;
    line += Field(row.person.name);
    line += "\r\n";
    return line;
}

std::optional<PrintedRow> ParseRecordLine(std::string_view line) {
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string_view rest = line;
    const auto printedAt = TakeField(rest);
    const auto cardYear = TakeField(rest);
    const auto month = TakeField(rest);
    const auto id = TakeField(rest);
    if (!id || Field(rest) != rest) return std::nullopt;
    const auto year = Number(*cardYear, 1, 9999);
    const auto monthNumber = Number(*month, 1, 12);
    const auto publisherId = Number(*id, 0, 0xFFFF);
    if (!year || !monthNumber || !publisherId || printedAt->find_first_not_of(' ') == std::string_view::npos) {
        return std::nullopt;
    }
    return PrintedRow{std::string(*printedAt), *year, *monthNumber,
                      {static_cast<std::uint16_t>(*publisherId), std::string(rest)}};
}

PrintRecord ParsePrintRecord(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
    PrintRecord record;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.empty() || line == "\r") continue;
        if (auto row = ParseRecordLine(line)) {
            record.rows.push_back(std::move(*row));
        } else {
            ++record.unreadableLines;
        }
    }
    return record;
}

PrintRecord ReadPrintRecord(const std::string& path) {
    const UniqueFile file = OpenForReading(path);
    if (!file) return {};
    std::string bytes;
    char block[4096];
    for (std::size_t got; (got = ReadUpTo(file.get(), block, sizeof(block))) != 0;) bytes.append(block, got);
    return ParsePrintRecord(bytes);
}

bool AppendToPrintRecord(const std::string& path, const std::vector<PrintedRow>& rows) {
    std::string lines = EndsWithoutLineBreak(path) ? "\r\n" : "";
    for (const PrintedRow& row : rows) lines += RecordLine(row);
    return AppendToFile(path, lines.data(), lines.size());
}

PrintedRows PrintedRowsOf(const PrintRecord& record, const RecordedPerson& person, int cardYear) {
    PrintedRows printed;
    for (const PrintedRow& row : record.rows) {
        const bool same = row.person.publisherId == person.publisherId && row.person.name == person.name;
        if (!same || row.cardYear != cardYear) continue;
        // Later lines are later prints: the last one is said.
        printed[static_cast<std::size_t>(RowOfMonth(row.month))] = row.printedAt;
    }
    return printed;
}

std::vector<int> TickedAndPrinted(const TickedRows& ticked, const PrintedRows& printed) {
    std::vector<int> rows;
    for (int row = 0; row < kCardRows; ++row) {
        const auto at = static_cast<std::size_t>(row);
        if (ticked[at] && !printed[at].empty()) rows.push_back(row);
    }
    return rows;
}

bool AllTickedPrinted(const TickedRows& ticked, const PrintedRows& printed) {
    bool any = false;
    for (std::size_t row = 0; row < ticked.size(); ++row) {
        if (ticked[row] && printed[row].empty()) return false;
        any = any || ticked[row];
    }
    return any;
}

std::vector<PrintedRow> RowsOfCard(const RecordedPerson& person, int cardYear, const TickedRows& ticked,
                                   const std::string& printedAt) {
    std::vector<PrintedRow> rows;
    for (int row = 0; row < kCardRows; ++row) {
        if (ticked[static_cast<std::size_t>(row)]) rows.push_back({printedAt, cardYear, MonthOfRow(row) + 1, person});
    }
    return rows;
}

std::string PrintedMonthsText(const std::vector<int>& rows, const PrintedRows& printed, const StringSource& strings,
                              bool withDates) {
    std::string text;
    for (const int row : rows) {
        if (!text.empty()) text += withDates ? "\n" : ", ";
        text += strings.Load(IDS_MONTH_FULL_BASE + static_cast<unsigned>(MonthOfRow(row)));
        if (withDates) text += " (" + printed[static_cast<std::size_t>(row)] + ")";
    }
    return text;
}

}  // namespace vorlant
