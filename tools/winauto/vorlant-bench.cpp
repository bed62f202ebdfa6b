// Speed of the real Vorlant.exe under wine, each figure beside a baseline
// measured in the same run (medians of several runs; only the ratios
// compare across machines):
//  - start-up, from process start to the main window shown with its list
//    filled and both panels painted: the maximum congregation against an
//    empty folder;
//  - printing, from the click on "&Drukuj" to the PDF on disk: against
//    print-one-line, which prints one line on one page through the same
//    spooler (timed from the start of its print job);
//  - the whole card on plain paper: a page of the whole list's document
//    (from the answer to its question to the PDF on disk, per page) against
//    the job of one publisher's complete card;
//  - moving the selection through every publisher of the maximum
//    congregation, each move waiting for both panels to be painted: the
//    time per move against a frame of 16 ms.
//
//   vorlant-bench [RUNS]      (default 5)
//
// Printing needs the PDF printer's folder in VORLANT_PDF_DIR (a Unix path;
// tools/bench.sh sets it up); without it that figure is left out.
// Exit code 0 when every figure was measured, 1 otherwise.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "congregation.h"
#include "resources/resource.h"
#include "support/temp_folder.h"
#include "winauto.h"

namespace {

using namespace vorlant;
using namespace vorlant::winauto;

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kStepTimeoutMs = 10000;
constexpr DWORD kPrintTimeoutMs = 60000;
constexpr double kFrameMs = 16.0;
const std::vector<int> kPanels = {IDC_HEADER_PANEL, IDC_CARD_PREVIEW};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Report(const char* figure, double value, const char* baselineName, double baseline, double target) {
    std::printf("%-34s %9.2f ms   %-26s %9.2f ms   ratio %5.2f (target %.2f)\n", figure, value, baselineName,
                baseline, value / baseline, target);
    std::fflush(stdout);
}

// A folder with a copy of Vorlant.exe and, unless empty, the maximum
// congregation.
struct BenchFolder {
    explicit BenchFolder(bool maximum) {
        CopyFileW(Wide(ModuleFolder() + "Vorlant.exe").c_str(), Wide(folder.File("Vorlant.exe")).c_str(), FALSE);
        if (!maximum) return;
        gen::GeneratorOptions options;
        options.maximum = true;
        SYSTEMTIME now{};
        GetLocalTime(&now);
        options.year = now.wYear;
        options.month = now.wMonth;
        options.day = now.wDay;
        const gen::Congregation congregation = gen::Generate(options);
        gen::WriteCongregation(congregation, folder.Str());
        listed = std::count_if(congregation.publishers.begin(), congregation.publishers.end(),
                               [](const gen::PublisherInfo& p) { return !p.omitted; });
    }
    test::TempFolder folder;
    long listed = 0;  // entries of the list at start
};

// The started program's main dialog once it is visible, its list holds
// every entry and both panels are painted.
HWND WaitUntilShown(const Program& program, long listed) {
    HWND main = nullptr;
    const bool shown = WaitUntil(
        [&] {
            if (main == nullptr) {
                for (HWND window : program.Windows()) {
                    if (GetDlgItem(window, IDC_PUBLISHER_LIST) != nullptr) main = window;
                }
                if (main == nullptr) return false;
            }
            return Painted(main, kPanels) && SendToItem(main, IDC_PUBLISHER_LIST, LB_GETCOUNT) == listed;
        },
        kStartTimeoutMs, 1);
    return shown ? main : nullptr;
}

bool ExitProgram(const Program& program, HWND main) {
    Click(main, IDC_EXIT);
    return program.WaitForExit(kStepTimeoutMs) == 0;
}

// Milliseconds from process start to the main window shown and painted.
std::optional<double> StartUp(const BenchFolder& bench) {
    const double start = NowMs();
    const Program program(bench.folder.File("Vorlant.exe"), bench.folder.Str());
    HWND main = WaitUntilShown(program, bench.listed);
    const double shown = NowMs();
    if (main == nullptr || !ExitProgram(program, main)) return std::nullopt;
    return shown - start;
}

// Milliseconds per move through every entry of the list, each move waiting
// for both panels to be painted.
std::optional<double> WalkTheList(HWND main) {
    const LRESULT count = SendToItem(main, IDC_PUBLISHER_LIST, LB_GETCOUNT);
    if (count <= 0) return std::nullopt;
    const double start = NowMs();
    for (int i = 0; i < count; ++i) {
        if (!SelectListEntry(main, IDC_PUBLISHER_LIST, i, kStepTimeoutMs) ||
            !WaitUntil([&] { return Painted(main, kPanels); }, kStepTimeoutMs, 0)) {
            return std::nullopt;
        }
    }
    return (NowMs() - start) / static_cast<double>(count);
}

// Milliseconds from the click on "&Drukuj" to the card's PDF on disk, for
// list entry `entry`: each run another card, since the program asks before
// it prints the same months onto a card a second time.
std::optional<double> PrintCard(HWND main, const std::string& pdfFolder, int entry) {
    if (!SelectListEntry(main, IDC_PUBLISHER_LIST, entry, kStepTimeoutMs)) return std::nullopt;
    const std::set<std::string> before = PdfFiles(pdfFolder);
    const double start = NowMs();
    Click(main, IDC_PRINT);
    if (WaitForNewPdf(pdfFolder, before, kPrintTimeoutMs, 1).empty()) return std::nullopt;
    return NowMs() - start;
}

// Milliseconds from the start of print-one-line's print job to its PDF on
// disk; the program reports when its job started.
std::optional<double> PrintOneLine(const std::string& pdfFolder) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return std::nullopt;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    const std::string exe = ModuleFolder() + "print-one-line.exe";
    std::string commandLine = "\"" + exe + "\"";
    const std::set<std::string> before = PdfFiles(pdfFolder);
    const bool started = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process) != 0;
    CloseHandle(writeEnd);
    std::optional<double> result;
    if (started) {
        const bool printed = !WaitForNewPdf(pdfFolder, before, kPrintTimeoutMs, 1).empty();
        const double done = NowMs();
        char output[64] = {};
        DWORD read = 0;
        ReadFile(readEnd, output, sizeof(output) - 1, &read, nullptr);
        WaitForSingleObject(process.hProcess, kStepTimeoutMs);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        const double jobStart = std::atof(output);
        if (printed && jobStart > 0) result = done - jobStart;
    }
    CloseHandle(readEnd);
    return result;
}

// A figure and its baseline.
struct Pair {
    double value = 0;
    double baseline = 0;
};

// The medians of `runs` measurements of a figure and of its baseline, taken
// in turns after one of each to warm up, so that the machine's changing
// load falls on both alike. Nothing when a measurement fails.
template <typename Measure, typename MeasureBaseline>
std::optional<Pair> MediansInTurn(int runs, Measure measure, MeasureBaseline measureBaseline) {
    std::vector<double> values, baselines;
    for (int i = 0; i <= runs; ++i) {
        const std::optional<double> value = measure();
        const std::optional<double> baseline = measureBaseline();
        if (!value || !baseline) return std::nullopt;
        if (i == 0) continue;
        values.push_back(*value);
        baselines.push_back(*baseline);
    }
    return Pair{Median(values), Median(baselines)};
}

// Milliseconds per page of the whole list's complete cards, from the answer
// to the question to the PDF on disk.
std::optional<double> PrintWholeList(HWND main, const std::string& pdfFolder, int pages) {
    constexpr DWORD kListTimeoutMs = 30 * 60 * 1000;
    const std::set<std::string> before = PdfFiles(pdfFolder);
    PostMessageA(main, WM_SYSCOMMAND, IDM_FULL_CARDS, 0);
    HWND question = WaitForQuestion(main, kStepTimeoutMs);
    if (question == nullptr || pages <= 0) return std::nullopt;
    const double start = NowMs();
    PostMessageA(question, WM_COMMAND, IDYES, 0);
    if (WaitForNewPdf(pdfFolder, before, kListTimeoutMs, 50).empty()) return std::nullopt;
    return (NowMs() - start) / pages;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    if (runs < 1) {
        std::fputs("usage: vorlant-bench [RUNS]\n", stderr);
        return 2;
    }
    std::printf("medians of %d runs after one to warm up\n", runs);
    const BenchFolder empty(false), maximum(true);
    bool complete = true;

    const std::optional<Pair> start =
        MediansInTurn(runs, [&] { return StartUp(maximum); }, [&] { return StartUp(empty); });
    if (start) {
        Report("start-up, maximum congregation", start->value, "empty folder", start->baseline, 1.10);
    } else {
        std::puts("start-up: the main window was not shown in time");
        complete = false;
    }

    const Program program(maximum.folder.File("Vorlant.exe"), maximum.folder.Str());
    HWND main = WaitUntilShown(program, maximum.listed);
    if (main == nullptr) {
        std::puts("the program did not start");
        return 1;
    }
    // The frame is a fixed baseline; only the walks are measured.
    const std::optional<Pair> move =
        MediansInTurn(runs, [&] { return WalkTheList(main); }, [] { return std::optional<double>(kFrameMs); });
    if (move) {
        const std::string figure = "selection move (" + std::to_string(maximum.listed) + " publishers)";
        Report(figure.c_str(), move->value, "one frame", move->baseline, 1.0);
    } else {
        std::puts("selection move: the panels were not painted in time");
        complete = false;
    }

    const char* pdfFolder = std::getenv("VORLANT_PDF_DIR");
    if (pdfFolder == nullptr) {
        std::puts("printing: no PDF printer (VORLANT_PDF_DIR), not measured");
        complete = false;
    } else {
        for (int id = IDC_MONTH_FIRST; id <= IDC_MONTH_LAST; ++id) {
            SendAndWait(GetDlgItem(main, id), BM_CLICK, 0, 0, kStepTimeoutMs);
        }
        int entry = 0;
        const std::optional<Pair> print = MediansInTurn(
            runs, [&] { return PrintCard(main, pdfFolder, entry++); }, [&] { return PrintOneLine(pdfFolder); });
        if (print) {
            Report("printing a card (12 months)", print->value, "print-one-line", print->baseline, 1.20);
        } else {
            std::puts("printing: no PDF appeared in time");
            complete = false;
        }
        // The same card complete on plain paper, alone and as a page of the whole list's document.
        SendAndWait(GetDlgItem(main, IDC_PRINT_FULL_CARD), BM_CLICK, 0, 0, kStepTimeoutMs);
        const std::optional<Pair> one = MediansInTurn(
            runs, [&] { return PrintCard(main, pdfFolder, entry++); }, [] { return std::optional<double>(1.0); });
        const std::optional<double> page = PrintWholeList(main, pdfFolder, static_cast<int>(maximum.listed));
        if (one && page) {
            const std::string figure = "page of the whole list (" + std::to_string(maximum.listed) + ")";
            Report(figure.c_str(), *page, "one complete card's job", one->value, 0.50);
        } else {
            std::puts("complete cards: no PDF appeared in time");
            complete = false;
        }
    }
    if (!ExitProgram(program, main)) complete = false;
    return complete ? 0 : 1;
}
