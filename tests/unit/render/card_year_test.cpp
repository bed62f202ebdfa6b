// The card's year for every month in which the program can be opened: what each row carries of a publisher.
#include "render/card_year.h"

#include <gtest/gtest.h>

#include <tuple>

#include "render_test_support.h"

namespace vorlant {
namespace {

TEST(CardYearTest, ReadsWhatThePublisherReportedInEachRowForEveryOpeningMonth) {
    int hiddenHours = 0, remarks = 0;
    for (const test::Opening& o : test::kOpenings2026) {
        SCOPED_TRACE(testing::Message() << "2026-" << o.month);
        const test::LoadedCongregation loaded(2026, o.month);
        for (const gen::PublisherInfo& p : loaded.generated.publishers) {
            const CardYear year = ReadCardYear(loaded.table, loaded.remarks, p.record, o.reportMonth, 2026);
            EXPECT_EQ(std::pair(year.serviceYear, year.limitRow), std::pair(o.serviceYear, o.limitRow));
            for (int row = 0; row < kCardRows; ++row) {
                const int month = MonthOfRow(row);
                const gen::MonthFigures& m = p.months[month][test::CalendarYearOfRow(o, 0, row) % 2];
                const CardMonth& cell = year.rows[static_cast<std::size_t>(row)];
                // Hours count for pioneers of the month and field missionaries only.
                const bool hoursShown = m.status != 0 || p.fieldMissionary;
                hiddenHours += !hoursShown && m.hours != 0;
                remarks += !m.remark.empty();
                const auto seen = [](const CardMonth& c) {
                    return std::tuple(c.shared, c.studies, c.auxiliaryPioneer, c.hours, c.remark);
                };
                const CardMonth expected{m.shared, m.studies, m.status == 1, hoursShown ? m.hours : std::uint16_t{0},
                                         m.remark.empty() ? "" : test::Cp1250(m.remark)};
                EXPECT_EQ(seen(cell), seen(expected)) << p.record << ':' << row;
            }
        }
    }
    EXPECT_GT(hiddenHours, 0) << "hours that the card leaves blank";
    EXPECT_GT(remarks, 0);

    // No publisher selected, an index past the table, a table never loaded: the year without figures.
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
    }
}

}  // namespace
}  // namespace vorlant
