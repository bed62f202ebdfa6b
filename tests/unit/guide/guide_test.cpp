// The secretary's guide names the program's own texts (<span class="ui">) and files (<span class="file">); each must
// be one that the program really shows or uses, so that a renamed button or file cannot leave the guide behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "common/file.h"
#include "common/text.h"
#include "data/data_files.h"
#include "data/scramble.h"
#include "dialogs/calibration_readings.h"
#include "dialogs/length_value.h"
#include "dialogs/password_gate.h"
#include "layout/card_layout.h"
#include "layout/settings.h"
#include "mainwin/filter.h"
#include "mainwin/print_record.h"
#include "mainwin/startup.h"
#include "render/calibration_page.h"
#include "resources/resource.h"
#include "support/fake_profile.h"
#include "support/rc_strings.h"

namespace vorlant {
namespace {

using test::ReadTextFile;

// White space runs as one blank, none at the ends; no "&" of a mnemonic.
std::string Normalized(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != '&' && (!IsBlank(c) || (!out.empty() && out.back() != ' '))) out += IsBlank(c) ? ' ' : c;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// The texts inside <span class="NAME"> ... </span> of the guide.
std::vector<std::string> Marked(const std::string& page, const std::string& name) {
    std::vector<std::string> texts;
    const std::regex span("<span class=\"" + name + "\">([^<]*)</span>");
    for (std::sregex_iterator it(page.begin(), page.end(), span), end; it != end; ++it) {
        texts.push_back(Normalized((*it)[1].str()));
    }
    return texts;
}

// Every quoted text of the resource script (string table and dialog templates), and each of its lines.
std::vector<std::string> ScriptTexts() {
    std::vector<std::string> texts;
    const std::string script = ReadTextFile(VORLANT_RESOURCE_SCRIPT);
    const std::regex literal(R"re("((?:[^"\n]|"")*)")re");
    for (std::sregex_iterator it(script.begin(), script.end(), literal), end; it != end; ++it) {
        std::string text = std::regex_replace((*it)[1].str(), std::regex("\"\""), "\"");
        text = std::regex_replace(text, std::regex(R"(\\n)"), "\n");
        texts.push_back(Normalized(text));
        for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
            end = text.find('\n', start);
            texts.push_back(Normalized(text.substr(start, end - start)));
        }
    }
    return texts;
}

// A text with "%s" stands for every text that fills it in.
bool Matches(const std::string& pattern, const std::string& text) {
    const std::size_t hole = pattern.find("%s");
    if (hole == std::string::npos) return pattern == text;
    const std::string head = pattern.substr(0, hole), tail = pattern.substr(hole + 2);
    return text.size() >= head.size() + tail.size() && text.starts_with(head) && text.ends_with(tail);
}

TEST(GuideTest, NamesOnlyTextsThatTheProgramShows) {
    const test::RcStringSource strings;
    std::vector<std::string> known = ScriptTexts();
    // Composed texts: the captions "<title> - <card version>" and the filter button's group steps.
    const int versions = VersionsOffered(strings);
    for (const auto& [id, text] : strings.All()) {
        for (int v = 0; v < versions; ++v) {
            known.push_back(Normalized(ComposeTitle(text, strings.Load(IDS_VERSION_NAME_BASE + v))));
        }
    }
    for (int group = 1; group <= 9; ++group) {
        known.push_back(Normalized(FilterButtonText(group + 1, static_cast<std::uint8_t>(group), strings)));
    }
    // The fixed English messages that the program's code shows itself (the printing tests see them come).
    known.insert(known.end(), {"No Printer", "no hdc"});

    const std::vector<std::string> named = Marked(ReadTextFile(VORLANT_GUIDE_SOURCE), "ui");
    EXPECT_GT(named.size(), 20u);
    for (const std::string& text : named) {
        const bool found = std::any_of(known.begin(), known.end(),
                                       [&](const std::string& pattern) { return Matches(pattern, text); });
        EXPECT_TRUE(found) << "the guide names \"" << text << "\", which the program does not show";
    }
}

TEST(GuideTest, NamesOnlyFilesThatTheProgramReadsOrWrites) {
    const test::RcStringSource strings;
    std::set<std::string> files = {kPublisherFileName, kGroupFileName, kDetailsFileName, kRemarkFileName,
                                   kPrintRecordFileName, std::string(FileNameOf(IniPathFor("C:\\Zbor\\Vorlant.exe")))};
    for (int v = 0; v < VersionsOffered(strings); ++v) files.insert(LayoutFileName(v));

    const std::vector<std::string> named = Marked(ReadTextFile(VORLANT_GUIDE_SOURCE), "file");
    EXPECT_FALSE(named.empty());
    for (const std::string& name : named) EXPECT_TRUE(files.contains(name)) << "the guide names the file " << name;
}

// Each length in <code> is one that the fields keep as it stands ("0.12", never "0,12" or "12"), but in the table of
// typed forms, which says what the rule makes of them; a form it shows changed may be named again as a warning.
TEST(GuideTest, LengthsAreWrittenAsTheFieldsKeepThem) {
    const std::string page = ReadTextFile(VORLANT_GUIDE_SOURCE);
    const std::regex numeric(R"re(<code>(-?[0-9]+(?:[.,][0-9]+)?)</code>)re");

    // The table's rows: the typed forms in the first cell, the kept length in the second, none when it is refused.
    std::set<std::string> explained;
    std::vector<std::string> inTable;
    const std::regex row(R"re(<tr><td>([\s\S]*?)</td><td>([\s\S]*?)</td></tr>)re");
    const std::size_t tableStart = page.find("<th>Wpisane</th>");
    ASSERT_NE(tableStart, std::string::npos);
    const std::string table = page.substr(tableStart, page.find("</table>", tableStart) - tableStart);
    for (std::sregex_iterator it(table.begin(), table.end(), row), end; it != end; ++it) {
        const std::string typed = (*it)[1].str(), kept = (*it)[2].str();
        std::smatch keptCode;
        const bool accepted = std::regex_search(kept, keptCode, numeric);
        for (std::sregex_iterator form(typed.begin(), typed.end(), numeric); form != end; ++form) {
            std::string text = (*form)[1].str();
            inTable.push_back(text);
            if (accepted) explained.insert(text);
            const bool normalized = NormalizeLength(text);
            EXPECT_EQ(normalized, accepted) << "the guide says whether \"" << (*form)[1].str() << "\" is accepted";
            if (normalized && accepted) { EXPECT_EQ(text, keptCode[1].str()) << (*form)[1].str(); }
        }
    }

    int written = 0;
    for (std::sregex_iterator it(page.begin(), page.end(), numeric), end; it != end; ++it) {
        const std::string shown = (*it)[1].str();
        if (explained.contains(shown)) continue;
        // The table's own cells, each once.
        if (const auto cell = std::ranges::find(inTable, shown); cell != inTable.end()) {
            inTable.erase(cell);
            continue;
        }
        std::string kept = shown;
        EXPECT_TRUE(NormalizeLength(kept) && kept == shown)
            << "the guide writes \"" << shown << "\", which a length field does not keep as it stands";
        ++written;
    }
    EXPECT_GT(written, 0);

    // The test page's readings as their dialog takes them: whole hundredths with their sign, none beyond a scale's end.
    const std::regex reading(R"re(<code class="reading">([^<]*)</code>)re");
    int readings = 0;
    for (std::sregex_iterator it(page.begin(), page.end(), reading), end; it != end; ++it, ++readings) {
        const std::optional<int> value = ParseReading((*it)[1].str());
        EXPECT_TRUE(value.has_value() && WithinReach(*value))
            << "the guide writes the reading \"" << (*it)[1].str() << "\", which the readings dialog refuses";
    }
    EXPECT_GT(readings, 0);
}

// The files of the ZIP in tools/package.sh's order, and sums that the command the guide gives can check.
TEST(GuideTest, DescribesThePackageThatIsMade) {
    const std::string page = ReadTextFile(VORLANT_GUIDE_SOURCE);
    // The guide's table of the ZIP's files, with Windows' backslashes.
    const std::size_t tableStart = page.find("<th>Co to jest</th>");
    ASSERT_NE(tableStart, std::string::npos);
    const std::string table = page.substr(tableStart, page.find("</table>", tableStart) - tableStart);
    std::string entries = "entries=(";
    const std::regex file(R"re(<code>([^<]*)</code>)re");
    for (std::sregex_iterator it(table.begin(), table.end(), file), end; it != end; ++it) entries += it->str(1) + ' ';
    std::ranges::replace(entries, '\\', '/');
    entries.back() = ')';
    EXPECT_NE(ReadTextFile(VORLANT_PACKAGE_SCRIPT).find(entries), std::string::npos) << entries << " not packed";

    // SHA256SUMS holds SHA-256 sums, which certutil computes with SHA256.
    const std::regex command(R"re(<pre>certutil -hashfile "[^"]*\\(32|64)-bit\\Vorlant\.exe" SHA256</pre>)re");
    EXPECT_TRUE(std::regex_search(page, command)) << "the guide gives no certutil -hashfile ... SHA256 command";
}

// The password's length, the scramble key, a first run's left margin and the INI lines to write.
TEST(GuideTest, NumbersAndLinesToTypeAreThoseOfTheProgram) {
    const std::string page = ReadTextFile(VORLANT_GUIDE_SOURCE);
    std::smatch found;

    ASSERT_TRUE(std::regex_search(page, found, std::regex(R"(więcej niż (\d+) znaków)")));
    EXPECT_EQ(std::stoul(found[1].str()), PasswordGate::kLongestAttempt);

    ASSERT_TRUE(std::regex_search(page, found, std::regex(R"(kluczem, zwykle liczbą (\d+))")));
    EXPECT_EQ(std::stoi(found[1].str()), ScrambleBase);
    ASSERT_TRUE(std::regex_search(page, found, std::regex(R"(zwykłego klucza\s+(\d+))")));
    EXPECT_EQ(std::stoi(found[1].str()), ScrambleBase);

    // The two lines to write: the section, then the key with its value.
    const std::regex lines(R"(dla klucza (\d+):\s*<pre>\[([^\]\n]*)\]\n([^=\n]*)=([^<\n]*)</pre>)");
    ASSERT_TRUE(std::regex_search(page, found, lines));
    const int key = std::stoi(found[1].str());
    ASSERT_NE(key, ScrambleBase);
    test::FakeProfile ini;
    ini.values[found[2].str() + '/' + found[3].str()] = found[4].str();
    EXPECT_EQ(LoadScrambleBase(ini, ScrambleBase), key);

    ASSERT_TRUE(std::regex_search(page, found, std::regex(R"(margines <code>([0-9.]+)</code> zmieniasz)")));
    Settings firstRun;
    LoadSettings(test::FakeProfile(), 1, firstRun);
    EXPECT_EQ(found[1].str(), firstRun.leftMargin) << "the left margin a first run has";
}

// The numbers the calibration chapter gives are the test page's: the scales' end values and a row's height.
TEST(GuideTest, CalibrationGivesTheTestPagesNumbers) {
    const std::string guide = ReadTextFile(VORLANT_GUIDE_SOURCE);
    const std::size_t begin = guide.find("<h2 id=\"dopasowanie\">"), end = guide.find("<h2", begin + 1);
    ASSERT_NE(begin, std::string::npos);
    const std::string chapter = guide.substr(begin, end - begin);
    for (const std::string& end : {"-" + std::to_string(kCalibrationReach), "+" + std::to_string(kCalibrationReach)}) {
        EXPECT_NE(chapter.find("<code class=\"reading\">" + end + "</code>"), std::string::npos) << end;
    }
    const test::RcStringSource strings;
    CardLayout layout;
    layout.LoadDefaults(0, strings);
    const int row = (LayoutValueHundredths(layout.MonthlyHeight()) + 6) / 12;
    EXPECT_NE(chapter.find("<code>0." + std::to_string(row) + "</code>"), std::string::npos) << row;
}

}  // namespace
}  // namespace vorlant
