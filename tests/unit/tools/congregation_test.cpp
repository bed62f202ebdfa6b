// The generated congregation read back by the program's own readers: every
// publisher, group count, long name and remark comes out as the generator
// says it wrote it, scrambled or plain, small or at the limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "congregation.h"
#include "data/extended_details.h"
#include "data/group_file.h"
#include "data/publisher_table.h"
#include "data/remark_table.h"
#include "support/temp_folder.h"

namespace vorlant::gen {
namespace {

std::string Cp(const std::string& utf8) { return Utf8ToCp1250(utf8).value(); }

struct ReadBack {
    PublisherTable table;
    GroupFile groups;
    ExtendedDetails details;
    RemarkTable remarks;
};

std::unique_ptr<ReadBack> WriteAndRead(const Congregation& congregation) {
    const test::TempFolder folder;
    EXPECT_TRUE(WriteCongregation(congregation, folder.Str()));
    auto data = std::make_unique<ReadBack>();
    EXPECT_TRUE(data->table.Allocate());
    data->table.Load(data->groups, folder.Str());
    data->details.CountRecords(folder.Str());
    data->remarks.Load(data->table, folder.Str());
    // Lookups open the details file again: check them while it exists.
    for (const PublisherInfo& p : congregation.publishers) {
        const unsigned flags = data->details.Lookup(data->table, p.record);
        SCOPED_TRACE(p.record);
        if (p.details == DetailsCase::LongName) {
            EXPECT_NE(flags & ExtendedDetails::kLongNameHasLetter, 0u);
            EXPECT_EQ(data->details.LongName(), Cp(p.longName));
        } else {
            EXPECT_EQ(flags, 0u);
        }
    }
    return data;
}

struct Variant {
    bool scrambled;
    bool maximum;
    unsigned seed;
    int month;
};

class RoundTrip : public ::testing::TestWithParam<Variant> {};

TEST_P(RoundTrip, ReadersFindWhatTheGeneratorWrote) {
    GeneratorOptions options;
    options.scrambled = GetParam().scrambled;
    options.maximum = GetParam().maximum;
    options.seed = GetParam().seed;
    options.month = GetParam().month;
    const Congregation g = Generate(options);
    const auto data = WriteAndRead(g);
    const PublisherTable& table = data->table;

    ASSERT_EQ(table.Count(), static_cast<int>(g.publishers.size()) + 1);
    EXPECT_EQ(table.Password(), " ");
    EXPECT_EQ(data->groups.Count(), static_cast<int>(g.groupTexts.size()));
    EXPECT_EQ(data->details.Count(), std::min(g.detailsRecords, 601));
    EXPECT_EQ(data->remarks.Count(), g.usableRemarks + 1);

    for (const PublisherInfo& p : g.publishers) {
        SCOPED_TRACE(p.firstName + " " + p.lastName);
        const int r = p.record;
        EXPECT_EQ(table.FirstName(r), Cp(p.firstName));
        EXPECT_EQ(table.LastName(r), Cp(p.lastName));
        EXPECT_EQ(table.BirthDate(r), p.birthDate);
        EXPECT_EQ(table.BaptismDate(r), p.baptismDate);
        EXPECT_EQ(table.PublisherId(r), p.id);
        EXPECT_EQ(table.GroupNumber(r), p.group);
        EXPECT_EQ(table.OmitFromList(r), p.omitted);
        EXPECT_EQ(table.IsFieldMissionary(r), p.fieldMissionary);
        EXPECT_EQ(table.Hope(r) == 'A', p.anointed);
        EXPECT_EQ((table.PersonFlags(r) & 0x20) != 0, p.male);
        EXPECT_EQ(table.PersonFlags(r) & 0x03, static_cast<int>(p.appointment));
        EXPECT_EQ(table.FindById(p.id), r);
        for (int month = 0; month < 12; ++month) {
            for (int slot = 0; slot < 2; ++slot) {
                const MonthFigures& f = p.months[month][slot];
                EXPECT_EQ(static_cast<int>(table.MonthStatus(r, month, slot)), f.status);
                EXPECT_EQ(table.MonthlyFigure(r, month, 2, slot), f.hours);
                EXPECT_EQ(table.MonthlyFigure(r, month, 4, slot), f.studies);
                EXPECT_EQ(table.SharedInMinistry(r, month, slot), f.shared);
                char remark[RemarkTable::kTextBufferSize];
                EXPECT_EQ(data->remarks.Text(table, r, month, 2000 + slot, remark), !f.remark.empty());
                EXPECT_EQ(std::string(remark), Cp(f.remark));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Congregations, RoundTrip,
                         ::testing::Values(Variant{true, false, 1, 3}, Variant{false, false, 1, 3},
                                           Variant{true, false, 7, 1}, Variant{true, false, 11, 9},
                                           Variant{false, false, 5, 12}, Variant{true, true, 1, 3},
                                           Variant{false, true, 2, 10}));

TEST(CongregationGenerator, HoldsTheCasesTheProgramMustHandle) {
    const Congregation g = Generate(GeneratorOptions{});
    const auto any = [&](auto predicate) {
        return std::any_of(g.publishers.begin(), g.publishers.end(), predicate);
    };
    const int report = g.reportMonth, slot = g.reportYear % 2;
    EXPECT_TRUE(any([&](const PublisherInfo& p) { return p.months[report][slot].status == 2 && p.group != 0; }));
    EXPECT_TRUE(any([&](const PublisherInfo& p) { return p.months[report][slot].status == 3; }));
    EXPECT_TRUE(any([&](const PublisherInfo& p) {
        return !p.omitted && p.group == 0 && p.months[report][slot].status < 2;
    }));
    EXPECT_TRUE(any([](const PublisherInfo& p) { return p.fieldMissionary; }));
    EXPECT_TRUE(any([](const PublisherInfo& p) { return p.omitted; }));
    EXPECT_TRUE(any([](const PublisherInfo& p) { return p.baptismDate.empty(); }));
    for (const DetailsCase c : {DetailsCase::LongName, DetailsCase::DigitsOnly, DetailsCase::WrongId,
                                DetailsCase::BeyondEnd}) {
        EXPECT_TRUE(any([c](const PublisherInfo& p) { return p.details == c; }));
    }
    // Remarks the reader skips or keeps for nobody: more records than usable remarks.
    EXPECT_GT(g.remarkFile.size() / 48 - 1, static_cast<std::size_t>(g.usableRemarks));
}

TEST(CongregationGenerator, PutsAFixedPublisherFirstWithExactlyItsFigures) {
    GeneratorOptions options;
    options.month = 10;  // the service year 2026 begins: its September lies in 2025
    FixedPublisher fixed;
    fixed.firstName = "Józef";
    fixed.lastName = "Wiśniewski";
    fixed.fieldMissionary = true;
    for (int row = 0; row < 12; ++row) {
        fixed.rows[static_cast<std::size_t>(row)] = {row % 4, static_cast<std::uint16_t>(300 + row),
                                                     static_cast<std::uint16_t>(row == 3 ? 0 : 900 + row), row == 3,
                                                     row % 5 == 0 ? "Uwaga " + std::to_string(row) : ""};
    }
    options.firstPublisher = fixed;
    const Congregation g = Generate(options);
    const auto data = WriteAndRead(g);

    const PublisherInfo& p = g.publishers.front();
    EXPECT_EQ(p.firstName, "Józef");
    EXPECT_TRUE(data->table.IsFieldMissionary(1));
    for (int row = 0; row < 12; ++row) {
        SCOPED_TRACE(row);
        const FixedRow& f = fixed.rows[static_cast<std::size_t>(row)];
        const int month = (8 + row) % 12, slot = row < 4 ? 2025 % 2 : 2026 % 2;
        EXPECT_EQ(CardYearSlot(g.serviceYear, month), slot);
        EXPECT_EQ(static_cast<int>(data->table.MonthStatus(1, month, slot)), f.status);
        EXPECT_EQ(data->table.MonthlyFigure(1, month, 2, slot), f.hours);
        EXPECT_EQ(data->table.MonthlyFigure(1, month, 4, slot), f.studies);
        EXPECT_TRUE(data->table.SharedInMinistry(1, month, slot));
        EXPECT_EQ(p.months[static_cast<std::size_t>(month)][static_cast<std::size_t>(slot)].remark, f.remark);
    }
    // None of the generated remarks of the first publisher is left, in either year.
    int remarks = 0;
    for (const auto& month : p.months) {
        for (const MonthFigures& figures : month) remarks += figures.remark.empty() ? 0 : 1;
    }
    EXPECT_EQ(remarks, 3);

    for (const auto& spoil : std::vector<void (*)(FixedPublisher&)>{
             [](FixedPublisher& f) { f.rows[0].status = 4; },
             [](FixedPublisher& f) { f.rows[1].studies = 1024; },
             [](FixedPublisher& f) { f.rows[2].remark = std::string(44, 'x'); },
             [](FixedPublisher& f) { f.lastName.clear(); }}) {
        GeneratorOptions bad = options;
        spoil(*bad.firstPublisher);
        EXPECT_FALSE(CheckOptions(bad).empty());
    }
}

TEST(CongregationGenerator, IsDeterministicPerSeed) {
    GeneratorOptions options;
    const Congregation a = Generate(options);
    EXPECT_EQ(Generate(options).publisherFile, a.publisherFile);
    options.seed = 2;
    EXPECT_NE(Generate(options).publisherFile, a.publisherFile);
}

}  // namespace
}  // namespace vorlant::gen
