// The card's year for every month in which the program can be opened: the report month and its year, the
// service year, which calendar year each row reads and which rows count as this year's.
#include "render/service_year.h"

#include <gtest/gtest.h>

#include <tuple>

#include "mainwin/startup.h"
#include "render_test_support.h"

namespace vorlant {
namespace {

TEST(ServiceYearTest, EveryOpeningMonthReadsEachRowFromItsCalendarYear) {
    // An even and an odd year, so that every row's slot flips between them.
    for (const int shift : {0, 1}) {
        for (const test::Opening& o : test::kOpenings2026) {
            SCOPED_TRACE(testing::Message() << 2026 + shift << '-' << o.month);
            const ReportDate date = ComputeReportDate(2026 + shift, o.month);
            EXPECT_EQ(std::tuple(date.reportMonth, int{date.reportYearByte}, date.currentYear),
                      std::tuple(o.reportMonth, o.reportYearByte + shift, 2026 + shift));
            const int serviceYear = ServiceYear(date.reportMonth, date.currentYear);
            EXPECT_EQ(serviceYear, o.serviceYear + shift);
            EXPECT_EQ(LimitRow(date.reportMonth), o.limitRow);
            // The report month's row is the last of this year's; its calendar year is the report year byte's.
            EXPECT_EQ(MonthOfRow(o.limitRow - 1), date.reportMonth);
            EXPECT_EQ((test::CalendarYearOfRow(o, shift, o.limitRow - 1) + 48) % 256, date.reportYearByte);
            for (int row = 0; row < kCardRows; ++row) {
                EXPECT_EQ(YearSlot(row, serviceYear), test::CalendarYearOfRow(o, shift, row) % 2) << "row " << row;
            }
        }
    }
}

}  // namespace
}  // namespace vorlant
