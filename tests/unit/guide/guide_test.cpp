// The secretary's guide names the program's own texts and files; each must be
// one that the program really shows or uses, so that a renamed button or
// file cannot leave the guide behind. The guide marks a text of the program
// <span class="ui">, a file of the program <span class="file">; Windows' own
// texts, keys and the package's files have markup of their own and are not
// checked here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "common/file.h"
#include "common/text.h"
#include "data/data_files.h"
#include "layout/card_layout.h"
#include "layout/settings.h"
#include "mainwin/filter.h"
#include "mainwin/startup.h"
#include "render/calibration_page.h"
#include "resources/resource.h"
#include "support/rc_strings.h"

namespace vorlant {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// White space runs as one blank, none at the ends; no "&" of a mnemonic.
std::string Normalized(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '&') continue;
        if (IsBlank(c)) {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
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

// Every quoted text of the resource script (string table and dialog
// templates), and each of its lines.
std::vector<std::string> ScriptTexts() {
    std::vector<std::string> texts;
    const std::string script = ReadAll(VORLANT_RESOURCE_SCRIPT);
    const std::regex literal(R"re("((?:[^"\n]|"")*)")re");
    for (std::sregex_iterator it(script.begin(), script.end(), literal), end; it != end; ++it) {
        std::string text = std::regex_replace((*it)[1].str(), std::regex("\"\""), "\"");
        text = std::regex_replace(text, std::regex(R"(\\n)"), "\n");
        texts.push_back(Normalized(text));
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
            texts.push_back(Normalized(text.substr(start, end - start)));
        }
        if (start > 0) texts.push_back(Normalized(text.substr(start)));
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

// The fixed English messages that the program's code shows itself.
const std::vector<std::string> kCodeMessages = {"No Printer", "no hdc", "Couldn't allocate memory"};

TEST(GuideTest, NamesOnlyTextsThatTheProgramShows) {
    const test::RcStringSource strings;
    std::vector<std::string> known = ScriptTexts();
    // Composed texts: the captions "<title> - <card version>" and the filter
    // button's group steps.
    const int versions = VersionsOffered(strings);
    for (const auto& [id, text] : strings.All()) {
        for (int v = 0; v < versions; ++v) {
            known.push_back(Normalized(ComposeTitle(text, strings.Load(IDS_VERSION_NAME_BASE + v))));
        }
    }
    for (int group = 1; group <= 9; ++group) {
        known.push_back(Normalized(FilterButtonText(group + 1, static_cast<std::uint8_t>(group), strings)));
    }
    std::string code;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(VORLANT_SOURCE_DIR)) {
        if (entry.path().extension() == ".cpp") code += ReadAll(entry.path().string());
    }
    for (const std::string& message : kCodeMessages) {
        ASSERT_NE(code.find('"' + message + '"'), std::string::npos) << message << " is no longer in the code";
        known.push_back(message);
    }

    const std::vector<std::string> named = Marked(ReadAll(VORLANT_GUIDE_SOURCE), "ui");
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
                                   std::string(FileNameOf(IniPathFor("C:\\Zbor\\Vorlant.exe")))};
    for (int v = 0; v < VersionsOffered(strings); ++v) files.insert(LayoutFileName(v));

    const std::vector<std::string> named = Marked(ReadAll(VORLANT_GUIDE_SOURCE), "file");
    EXPECT_FALSE(named.empty());
    for (const std::string& name : named) {
        EXPECT_TRUE(files.contains(name)) << "the guide names the file \"" << name
                                          << "\", which the program neither reads nor writes";
    }
}

// The calibration chapter opens with what it achieves, and the numbers it
// gives are the test page's: the scales' end values and a row's height.
TEST(GuideTest, TheCalibrationChapterGivesTheTestPagesOwnNumbers) {
    const std::string guide = ReadAll(VORLANT_GUIDE_SOURCE);
    const std::size_t begin = guide.find("<h2 id=\"dopasowanie\">"), end = guide.find("<h2", begin + 1);
    ASSERT_NE(begin, std::string::npos);
    const std::string chapter = guide.substr(begin, end - begin);
    const std::size_t opening = chapter.find("<p>");
    EXPECT_TRUE(chapter.substr(opening).starts_with("<p><strong>Po tym rozdziale</strong>"));
    for (const std::string& end : {"-" + std::to_string(kCalibrationReach), "+" + std::to_string(kCalibrationReach)}) {
        EXPECT_NE(chapter.find("<code>" + end + "</code>"), std::string::npos) << end;
    }
    const test::RcStringSource strings;
    CardLayout layout;
    layout.LoadDefaults(0, strings);
    const int row = (LayoutValueHundredths(layout.MonthlyHeight()) + 6) / 12;
    EXPECT_NE(chapter.find("<code>0." + std::to_string(row) + "</code>"), std::string::npos) << row;
}

}  // namespace
}  // namespace vorlant
