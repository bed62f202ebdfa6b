// A fresh folder with a copy of Vorlant.exe (so that its INI file lands there too), generated congregation data,
// and the started program. Texts and paths are UTF-8.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "congregation.h"
#include "support/temp_folder.h"
#include "winauto.h"

namespace vorlant::uitest {

inline constexpr DWORD kStartTimeoutMs = 20000;  // also for the program's end
inline constexpr const char* kMainCaption = "Vorlant - S-21-P  11/23";
// The folder of every test's copy of the program, in letters that many ANSI code pages lack.
inline constexpr const char* kHomeFolder = "Zbór Łódź – Północ";

// The screen's pixels in `area`, 0xRRGGBB, as a 32-bit top-down bitmap.
struct Shot {
    explicit Shot(const RECT& r);

    std::uint32_t At(int x, int y) const {
        const bool inside = x >= area.left && y >= area.top && x < area.right && y < area.bottom;
        return inside ? pixels[std::size_t(y - area.top) * w + std::size_t(x - area.left)] & 0xFFFFFF : 0;
    }
    // Dark pixels in [left, right) x [top, bottom), screen coordinates.
    int InkIn(int left, int top, int right, int bottom) const {
        int ink = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) ink += (At(x, y) & 0x808080) == 0;  // every channel below half
        }
        return ink;
    }
    // Kept beside the test program, for a look.
    void SaveBmp(const std::string& path) const;

    RECT area;
    int w, h;
    std::vector<std::uint32_t> pixels;
    unsigned ppi = 96;
    BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
};

// Every file under `folder` but `except` with its bytes, every folder with a slash and no bytes.
using Files = std::map<std::string, std::vector<std::uint8_t>>;
Files Snapshot(const test::TempFolder& folder, const std::string& except = {});
bool Holds(const std::vector<std::uint8_t>& bytes, const std::string& text);
// The text of the layout file's slot at `offset` (320: the monthly block's top, 336: the first column).
std::string LayoutSlot(const std::vector<std::uint8_t>& layoutFile, std::size_t offset);

// The bytes of a file by its Unix path; empty when it cannot be read.
std::string ReadWholeFile(const std::string& unixPath);
// Runs Unix commands (wine starts Unix programs natively); their exit status lands in `status` last.
bool RunUnixCommands(const std::string& commands, const std::string& status);

class VorlantTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Data whose "today" is the real date, as the program sees it; kept in `congregation`.
    void WriteCongregation(gen::GeneratorOptions options = {});
    // Starts the program in the folder `where` (default: the test's) and waits for its main window.
    HWND Start(const std::string& where = {});
    HWND StartWith(const gen::GeneratorOptions& options) { return WriteCongregation(options), Start(); }
    // Starts on data with `password`: the password dialog, its field in the focus; null when it does not appear.
    HWND StartAtPassword(const std::string& password);
    void ExitWithButton();

    test::TempFolder folder{kHomeFolder};
    gen::Congregation congregation;
    std::unique_ptr<winauto::Program> program;
    HWND mainWindow = nullptr;
};

}  // namespace vorlant::uitest
