// The card's year for every month in which the program can be opened.
#include "render/card_year.h"

#include <gtest/gtest.h>

#include <tuple>

#include "mainwin/startup.h"
#include "render/header_panel.h"
#include "render/service_year.h"
#include "render_test_support.h"

namespace vorlant {
namespace {

// Opened in `month` of 2026: the month before it (0 = January), its year as the header's byte, the year in which
// the card's service year ends, the row limit and the calendar year of the card's September.
struct Opening { int month, reportMonth, reportYearByte, serviceYear, limitRow, septemberYear; };
constexpr Opening kOpenings2026[] = {
    {1, 11, 25, 2026, 4, 2025},  {2, 0, 26, 2026, 5, 2025},  {3, 1, 26, 2026, 6, 2025},  {4, 2, 26, 2026, 7, 2025},
    {5, 3, 26, 2026, 8, 2025},   {6, 4, 26, 2026, 9, 2025},  {7, 5, 26, 2026, 10, 2025}, {8, 6, 26, 2026, 11, 2025},
    {9, 7, 26, 2026, 12, 2025},  {10, 8, 26, 2027, 1, 2026}, {11, 9, 26, 2027, 2, 2026}, {12, 10, 26, 2027, 3, 2026},
};

// The calendar year of card row `row`: September to December in the first year, January to August in the next.
int CalendarYearOfRow(const Opening& o, int yearShift, int row) { return o.septemberYear + yearShift + (row >= 4); }

TEST(ServiceYearTest, EveryOpeningMonthReadsEachRowFromItsCalendarYear) {
    // An even and an odd year, so that every row's slot flips between them; and the year byte's ends, 2000 and 2256.
    for (const int shift : {0, 1, -26, 229, 230}) {
        for (const Opening& o : kOpenings2026) {
            SCOPED_TRACE(testing::Message() << 2026 + shift << '-' << o.month);
            const ReportDate date = ComputeReportDate(2026 + shift, o.month);
            EXPECT_EQ(std::tuple(date.reportMonth, int{date.reportYearByte}, date.currentYear),
                      std::tuple(o.reportMonth, (o.reportYearByte + shift + 256) % 256, 2026 + shift));
            const int serviceYear = ServiceYear(date.reportMonth, date.currentYear);
            EXPECT_EQ(serviceYear, o.serviceYear + shift);
            EXPECT_EQ(LimitRow(date.reportMonth), o.limitRow);
            // The report month's row is the last of this year's; its calendar year is the report year byte's.
            EXPECT_EQ(MonthOfRow(o.limitRow - 1), date.reportMonth);
            EXPECT_EQ((CalendarYearOfRow(o, shift, o.limitRow - 1) + 48) % 256, date.reportYearByte);
            for (int row = 0; row < kCardRows; ++row) {
                EXPECT_EQ(YearSlot(row, serviceYear), CalendarYearOfRow(o, shift, row) % 2) << "row " << row;
            }
        }
    }
}

auto Seen(const CardMonth& c) { return std::tuple(c.shared, c.studies, c.auxiliaryPioneer, c.hours, c.remark); }

TEST(CardYearTest, ReadsWhatThePublisherReportedInEachRowForEveryOpeningMonth) {
    int hiddenHours = 0, remarks = 0;
    for (const Opening& o : kOpenings2026) {
        SCOPED_TRACE(testing::Message() << "2026-" << o.month);
        const test::LoadedCongregation loaded(2026, o.month);
        for (const gen::PublisherInfo& p : loaded.generated.publishers) {
            const CardYear year = ReadCardYear(loaded.table, loaded.remarks, p.record, o.reportMonth, 2026);
            EXPECT_EQ(std::pair(year.serviceYear, year.limitRow), std::pair(o.serviceYear, o.limitRow));
            for (int row = 0; row < kCardRows; ++row) {
                const gen::MonthFigures& m = p.months[MonthOfRow(row)][CalendarYearOfRow(o, 0, row) % 2];
                // Hours count for pioneers of the month and field missionaries only.
                const bool hoursShown = m.status != 0 || p.fieldMissionary;
                hiddenHours += !hoursShown && m.hours != 0;
                remarks += !m.remark.empty();
                const CardMonth expected{m.shared, m.studies, m.status == 1, hoursShown ? m.hours : std::uint16_t{0},
                                         m.remark.empty() ? "" : test::Cp1250(m.remark)};
                EXPECT_EQ(Seen(year.rows[static_cast<std::size_t>(row)]), Seen(expected)) << p.record << ':' << row;
            }
        }
    }
    EXPECT_GT(hiddenHours, 0) << "hours that the card leaves blank";
    EXPECT_GT(remarks, 0);
}

// No publisher selected, an index past the table, a table never loaded.
TEST(CardYearTest, NoPublisherReadsAsNothing) {
    const test::LoadedCongregation loaded(2026, 3);
    PublisherTable empty;
    for (const auto& [table, record] : {std::pair{&loaded.table, 0}, {&loaded.table, loaded.table.Count()},
                                        {&loaded.table, -1}, {&empty, 1}}) {
        const CardYear year = ReadCardYear(*table, loaded.remarks, record, 1, 2026);
        EXPECT_EQ(std::pair(year.serviceYear, year.limitRow), std::pair(2026, 6));
        for (const CardMonth& cell : year.rows) {
            EXPECT_TRUE(!cell.shared && cell.studies == 0 && !cell.auxiliaryPioneer && cell.hours == 0 &&
                        cell.remark.empty()) << record;
        }
        const HeaderPanelData flags = ReadHeaderPanelFlags(*table, record, 1, 26);
        EXPECT_EQ(std::tuple(flags.personFlags, flags.hope, flags.fieldMissionary), std::tuple(0, 0, false)) << record;
    }
}

}  // namespace
}  // namespace vorlant
