// The generator's congregations, good and bad, through the program's own readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <tuple>

#include "garbage.h"
#include "support/loaded_data.h"

namespace vorlant::gen {
namespace {

using test::Cp1250;

GeneratorOptions Options(int month, bool scrambled, unsigned seed, bool maximum) {
    GeneratorOptions options;
    options.month = month;
    options.scrambled = scrambled;
    options.seed = seed;
    options.maximum = options.oldCurrentMonth = maximum;
    return options;
}

TEST(RoundTrip, ReadersFindWhatTheGeneratorWrote) {
    for (const GeneratorOptions& options : {Options(12, false, 5, false), Options(3, true, 1, true)}) {
        SCOPED_TRACE(testing::Message() << "seed " << options.seed);
        const Congregation g = Generate(options);
        const test::TempFolder folder;
        ASSERT_TRUE(WriteCongregation(g, folder.Str()));
        const auto data = std::make_unique<test::LoadedFolder>(folder.Str());
        PublisherTable& table = data->table;
        ASSERT_EQ(table.Count(), static_cast<int>(g.publishers.size()) + 1);
        EXPECT_EQ(table.Password(), " ");
        EXPECT_EQ(data->groups.Count(), static_cast<int>(g.groupTexts.size()));
        EXPECT_EQ(data->details.Count(), std::min(g.detailsRecords, 601));
        EXPECT_EQ(data->remarks.Count(), g.usableRemarks + 1);

        // This month's slot holds hours only where it was left with those of two years before.
        const int today = options.month - 1, todaySlot = options.year % 2;
        const bool oldHours = std::ranges::any_of(
            g.publishers, [&](const PublisherInfo& p) { return p.months[today][todaySlot].hours != 0; });
        EXPECT_EQ(oldHours, options.oldCurrentMonth);

        for (const PublisherInfo& p : g.publishers) {
            SCOPED_TRACE(p.firstName + " " + p.lastName);
            const int r = p.record;
            EXPECT_EQ(std::tuple(table.FirstName(r), table.LastName(r), table.BirthDate(r), table.BaptismDate(r)),
                      std::tuple(Cp1250(p.firstName), Cp1250(p.lastName), p.birthDate, p.baptismDate));
            EXPECT_EQ(std::tuple(table.GroupNumber(r), table.OmitFromList(r), table.IsFieldMissionary(r),
                                 table.Hope(r) == 'A', (table.PersonFlags(r) & 0x20) != 0, table.PersonFlags(r) & 0x03,
                                 table.FindById(p.id)),
                      std::tuple(p.group, p.omitted, p.fieldMissionary, p.anointed, p.male,
                                 static_cast<int>(p.appointment), r));
            const bool longName = p.details == DetailsCase::LongName;
            EXPECT_EQ(data->details.Lookup(table, r) & ExtendedDetails::kLongNameHasLetter, longName ? 1u : 0u);
            if (longName) { EXPECT_EQ(data->details.LongName(), Cp1250(p.longName)); }
            for (int month = 0; month < 12; ++month) {
                for (int slot = 0; slot < 2; ++slot) {
                    const MonthFigures& f = p.months[month][slot];
                    EXPECT_EQ(std::tuple(static_cast<int>(table.MonthStatus(r, month, slot)),
                                         table.MonthlyFigure(r, month, 2, slot), table.MonthlyFigure(r, month, 4, slot),
                                         table.SharedInMinistry(r, month, slot)),
                              std::tuple(f.status, f.hours, f.studies, f.shared)) << month << '/' << slot;
                    char remark[RemarkTable::kTextBufferSize];
                    EXPECT_EQ(data->remarks.Text(table, r, month, 2000 + slot, remark), !f.remark.empty());
                    EXPECT_EQ(std::string(remark), Cp1250(f.remark));
                }
            }
        }
    }
}

TEST(GarbageCongregation, EveryRecordReadsWithinItsBoundsAndNoFileChanges) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const GarbageCongregation bad = GenerateGarbage(seed);
        SCOPED_TRACE(testing::Message() << "seed " << seed << ": " << bad.damage);
        const test::TempFolder folder;
        ASSERT_TRUE(WriteCongregation(bad.congregation, folder.Str()));
        const auto data = std::make_unique<test::LoadedFolder>(folder.Str());
        ASSERT_GE(data->table.Count(), 1);
        ASSERT_LE(data->table.Count(), PublisherTable::kMaxRecords);
        std::array<char, RemarkTable::kTextBufferSize> remark{};
        for (int i = 0; i <= data->table.Count(); ++i) {
            data->details.Lookup(data->table, i);
            EXPECT_LE(data->table.FirstName(i).size(), 20u);
            EXPECT_LE(data->table.LastName(i).size(), 20u);
            EXPECT_LE(data->details.LongName().size(), 64u);
            for (int month = -1; month <= 12; ++month) {
                for (int year = 0; year < 2; ++year) {
                    data->remarks.Text(data->table, i, month, year, remark);
                    EXPECT_EQ(remark.back(), '\0');
                    static_cast<void>(data->table.MonthStatus(i, month, year));
                    static_cast<void>(data->table.MonthlyFigure(i, month, 2, year));
                }
            }
        }
        const Congregation& c = bad.congregation;
        for (const auto& [name, file] : {std::pair{kPublisherFileName, &c.publisherFile},
                                         {kGroupFileName, &c.groupFile}, {kDetailsFileName, &c.detailsFile},
                                         {kRemarkFileName, &c.remarkFile}}) {
            EXPECT_EQ(folder.Read(name), *file) << name;
        }
    }
}

}  // namespace
}  // namespace vorlant::gen
