// The soak over bad congregations: for each number K from 1 to N, bad
// congregation K of the generator goes into a fresh folder with a copy of
// Vorlant.exe, the real program is started there and driven through
// everything a user can do with it, and afterwards the data files must be
// byte for byte what was generated and the layout file whole.
//
//   vorlant-soak N
//
// The printed cards land in the PDF printer's folder named by
// VORLANT_PDF_DIR (a Unix path; tools/soak.sh sets it up); without it
// nothing is printed. Prints one line per congregation and a closing count;
// exit code 0 when every congregation passed, 1 otherwise, 2 on bad
// arguments.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/data_files.h"
#include "garbage.h"
#include "resources/resource.h"
#include "support/temp_folder.h"
#include "winauto.h"

namespace {

using namespace vorlant;
using namespace vorlant::winauto;

constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kStepTimeoutMs = 10000;
constexpr DWORD kPrintTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 20000;
// More steps than any group count can give the filter.
constexpr int kMaxFilterSteps = 200;
constexpr std::size_t kLayoutFileSize = 400;
constexpr const char* kMainCaptionPrefix = "Vorlant - ";
constexpr const char* kPasswordCaption = "Wymagane hasło";

// Why a congregation failed; empty while it passes.
using Failure = std::string;

// What the run of one congregation went through, for its line.
struct Walk {
    long publishers = 0;
    int filterSteps = 0;
    bool printed = false;
    bool passwordAsked = false;
    bool mainWindowShown = false;
};

// Clicks a button and returns once the program has handled the click.
bool ClickAndWait(HWND dialog, int id, DWORD timeoutMs = kStepTimeoutMs) {
    return SendAndWait(GetDlgItem(dialog, id), BM_CLICK, 0, 0, timeoutMs);
}

// What the program prints with its default settings ("First Last") is
// empty when both names are blank; the list shows the same publisher as
// "Last, First", so such an entry holds nothing but blanks and that comma.
bool PrintsAName(const std::string& listEntry) {
    const std::size_t comma = listEntry.find(", ");
    if (comma == std::string::npos) return true;
    const std::string names = listEntry.substr(0, comma) + listEntry.substr(comma + 2);
    return names.find_first_not_of(" \t\n\v\f\r") != std::string::npos;
}

Failure WalkThePublishers(HWND main, Walk& walk) {
    const LRESULT count = SendToItem(main, IDC_PUBLISHER_LIST, LB_GETCOUNT);
    walk.publishers = static_cast<long>(count);
    for (int i = 0; i < count; ++i) {
        if (!SelectListEntry(main, IDC_PUBLISHER_LIST, i, kStepTimeoutMs)) {
            return "no answer to selecting publisher " + std::to_string(i);
        }
        if (!WaitUntil([&] { return Painted(main, {IDC_HEADER_PANEL, IDC_CARD_PREVIEW}); }, kStepTimeoutMs, 1)) {
            return "panels not painted for publisher " + std::to_string(i);
        }
    }
    return {};
}

Failure RunTheFilterCycle(HWND main, Walk& walk) {
    const std::string first = ItemText(main, IDC_FILTER);
    for (int step = 1; step <= kMaxFilterSteps; ++step) {
        if (!ClickAndWait(main, IDC_FILTER)) return "no answer to filter step " + std::to_string(step);
        walk.filterSteps = step;
        if (ItemText(main, IDC_FILTER) == first) return {};
    }
    return "the filter did not come back to \"" + first + "\"";
}

Failure TickAllMonths(HWND main, Walk&) {
    for (int id = IDC_MONTH_FIRST; id <= IDC_MONTH_LAST; ++id) {
        if (!ClickAndWait(main, id) || !ItemChecked(main, id)) return "month box " + std::to_string(id) + " not ticked";
    }
    return ItemEnabled(main, IDC_PRINT) ? Failure{} : "print button disabled with every month ticked";
}

// Prints the card of the selected publisher, the list's first entry after
// the filter's full cycle.
Failure PrintOneCard(HWND main, const char* pdfFolder, Walk& walk) {
    if (pdfFolder == nullptr) return {};
    const std::vector<std::string> entries = ListItems(main, IDC_PUBLISHER_LIST);
    const int selected = ListSelection(main, IDC_PUBLISHER_LIST);
    const bool expected = selected >= 0 && selected < static_cast<int>(entries.size()) &&
                          PrintsAName(entries[static_cast<std::size_t>(selected)]);
    const std::set<std::string> before = PdfFiles(pdfFolder);
    // The click returns when the document has gone to the spooler; a
    // message box in its place would hold it up.
    if (!ClickAndWait(main, IDC_PRINT, kPrintTimeoutMs)) return "printing did not return";
    if (!expected) return {};
    walk.printed = !WaitForNewPdf(pdfFolder, before, kPrintTimeoutMs).empty();
    return walk.printed ? Failure{} : "no PDF printed";
}

Failure OpenAndCancelOptions(const Program& program, HWND main) {
    Click(main, IDC_OPTIONS);
    HWND options = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : program.Windows()) {
                if (window != main && GetDlgItem(window, IDC_OPT_RESTORE) != nullptr) options = window;
            }
            return options != nullptr;
        },
        kStepTimeoutMs);
    if (options == nullptr) return "the options dialog did not open";
    Click(options, IDCANCEL);
    return WaitUntil([&] { return !IsWindow(options); }, kStepTimeoutMs) ? Failure{} : "the options dialog stayed";
}

Failure ExpectCleanExit(const Program& program) {
    const long code = program.WaitForExit(kExitTimeoutMs);
    if (code == -1) return "did not end (hang)";
    if (code != 0) {
        char text[32];
        std::snprintf(text, sizeof(text), "exit code 0x%08lX", static_cast<unsigned long>(code));
        return text;
    }
    return {};
}

Failure DriveMainWindow(const Program& program, HWND main, const char* pdfFolder, Walk& walk) {
    for (Failure (*step)(HWND, Walk&) : {&WalkThePublishers, &RunTheFilterCycle, &TickAllMonths}) {
        if (Failure failure = step(main, walk); !failure.empty()) return failure;
    }
    if (Failure failure = PrintOneCard(main, pdfFolder, walk); !failure.empty()) return failure;
    if (Failure failure = OpenAndCancelOptions(program, main); !failure.empty()) return failure;
    Click(main, IDC_EXIT);
    return ExpectCleanExit(program);
}

// Escape refuses the password: the program must end without ever showing
// its main window.
Failure RefuseThePassword(const Program& program, HWND gate) {
    PressKey(gate, VK_ESCAPE);
    bool mainShown = false;
    WaitUntil(
        [&] {
            mainShown = mainShown || FindTopLevelWindow(kMainCaptionPrefix, program.ProcessId()) != nullptr;
            return !program.Running();
        },
        kExitTimeoutMs);
    if (mainShown) return "main window shown after the password was refused";
    return ExpectCleanExit(program);
}

// Every data file as it was generated (a file that was not generated must
// not appear), and the layout file whole when the main window ran.
Failure CheckFiles(const test::TempFolder& folder, const gen::Congregation& congregation, bool mainWindowShown) {
    const std::pair<const char*, const std::vector<std::uint8_t>*> files[] = {
        {kPublisherFileName, &congregation.publisherFile},
        {kGroupFileName, &congregation.groupFile},
        {kDetailsFileName, &congregation.detailsFile},
        {kRemarkFileName, &congregation.remarkFile}};
    for (const auto& [name, bytes] : files) {
        if (bytes->empty() ? folder.Exists(name) : folder.Read(name) != *bytes) {
            return std::string(name) + " changed";
        }
    }
    if (mainWindowShown) {
        if (folder.Read("cplot.dat").size() != kLayoutFileSize) return "cplot.dat not 400 bytes";
    } else if (folder.Exists("cplot.dat")) {
        return "cplot.dat written after a refused password";
    }
    if (folder.Exists("Vorlant.INI")) return "settings written without a change";
    return {};
}

Failure SoakOne(const gen::GarbageCongregation& bad, const char* pdfFolder, Walk& walk) {
    const test::TempFolder folder;
    const std::string exe = folder.File("Vorlant.exe");
    if (!CopyFileW(Wide(ModuleFolder() + "Vorlant.exe").c_str(), Wide(exe).c_str(), FALSE)) return "cannot copy Vorlant.exe";
    if (!gen::WriteCongregation(bad.congregation, folder.Str())) return "cannot write the congregation";

    Failure failure;
    {
        const Program program(exe, folder.Str());
        if (!program.Started()) return "cannot start Vorlant.exe";
        HWND main = nullptr, gate = nullptr;
        const std::string gateCaption = kPasswordCaption;
        WaitUntil(
            [&] {
                main = FindTopLevelWindow(kMainCaptionPrefix, program.ProcessId());
                gate = FindTopLevelWindow(gateCaption, program.ProcessId());
                return main != nullptr || gate != nullptr || !program.Running();
            },
            kStartTimeoutMs);
        if (main != nullptr) {
            walk.mainWindowShown = true;
            failure = DriveMainWindow(program, main, pdfFolder, walk);
        } else if (gate != nullptr) {
            walk.passwordAsked = true;
            failure = RefuseThePassword(program, gate);
        } else {
            failure = program.Running() ? "no window (hang)" : ExpectCleanExit(program);
            if (failure.empty()) failure = "ended without showing a window";
        }
    }  // a program still running here is ended
    if (!failure.empty()) return failure;
    return CheckFiles(folder, bad.congregation, walk.mainWindowShown);
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc == 2 ? std::atoi(argv[1]) : 0;
    if (count < 1) {
        std::fputs("usage: vorlant-soak N\n", stderr);
        return 2;
    }
    const char* pdfFolder = std::getenv("VORLANT_PDF_DIR");
    if (pdfFolder == nullptr) std::puts("no PDF printer (VORLANT_PDF_DIR): nothing is printed");
    int failed = 0;
    for (int k = 1; k <= count; ++k) {
        const gen::GarbageCongregation bad = gen::GenerateGarbage(static_cast<unsigned>(k));
        Walk walk;
        const double start = NowMs();
        const Failure failure = SoakOne(bad, pdfFolder, walk);
        if (!failure.empty()) ++failed;
        const std::string what = walk.passwordAsked     ? "password refused"
                                 : !walk.mainWindowShown ? "no window"
                                                         : std::to_string(walk.publishers) + " publishers, " +
                                                               std::to_string(walk.filterSteps) + " filter steps, " +
                                                               (walk.printed ? "printed" : "nothing to print");
        std::printf("%4d  %s (%s; %.1f s): %s\n", k, bad.damage.c_str(), what.c_str(), (NowMs() - start) / 1000,
                    failure.empty() ? "passed" : ("FAILED, " + failure).c_str());
        std::fflush(stdout);
    }
    std::printf("%d passed, %d failed\n", count - failed, failed);
    return failed == 0 ? 0 : 1;
}
