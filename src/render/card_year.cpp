#include "render/card_year.h"

#include "common/string_source.h"
#include "data/publisher_table.h"
#include "data/remark_table.h"
#include "resources/resource.h"

namespace vorlant {

std::string FigureText(std::uint16_t value) { return value == 0 ? std::string() : std::to_string(value); }

CardYear ReadCardYear(const PublisherTable& table, const RemarkTable& remarks, int record, int reportMonth,
                      int currentYear) {
    CardYear year;
    year.serviceYear = ServiceYear(reportMonth, currentYear);
    year.limitRow = LimitRow(reportMonth);
    if (!table.IsPublisher(record)) return year;

    const bool fieldMissionary = table.IsFieldMissionary(record);
    for (int row = 0; row < kCardRows; ++row) {
        const int month = MonthOfRow(row);
        const int slot = YearSlot(row, year.serviceYear);
        CardMonth& cell = year.rows[static_cast<std::size_t>(row)];
        const PioneerStatus status = table.MonthStatus(record, month, slot);
        cell.shared = table.SharedInMinistry(record, month, slot);
        cell.studies = table.MonthlyFigure(record, month, publisher_record::kStudiesKind, slot);
        cell.auxiliaryPioneer = status == PioneerStatus::Auxiliary;
        if (fieldMissionary || status != PioneerStatus::Publisher) {
            cell.hours = table.MonthlyFigure(record, month, publisher_record::kHoursKind, slot);
        }
        std::array<char, RemarkTable::kTextBufferSize> remark{};
        if (remarks.Text(table, record, month, slot, remark)) cell.remark = remark.data();
    }
    return year;
}

CardYear CalibrationCardYear(const StringSource& strings) {
    CardYear year;
    year.limitRow = kCardRows;
    for (int row = 0; row < kCardRows; ++row) {
        const int month = MonthOfRow(row);
        const auto number = static_cast<std::uint16_t>(month + 1);
        year.rows[static_cast<std::size_t>(row)] = {
            true, number, true, static_cast<std::uint16_t>(10 * number),
            strings.Load(IDS_PREVIEW_MONTH_BASE + static_cast<unsigned>(month))};
    }
    return year;
}

}  // namespace vorlant
