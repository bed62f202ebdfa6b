#include "ui_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "dialog_driving.h"
#include "resources/resource.h"
#include "support/rc_strings.h"

namespace vorlant::uitest {

Shot::Shot(const RECT& r) : area(r), w(r.right - r.left), h(r.bottom - r.top), pixels(std::size_t(w) * h) {
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    ppi = static_cast<unsigned>(GetDeviceCaps(screen, LOGPIXELSX));
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    GetDIBits(memory, bitmap, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (std::uint32_t& p : pixels) p |= 0xFF000000;  // opaque: some readers take the fourth byte for alpha
}

void Shot::SaveBmp(const std::string& path) const {
    const DWORD size = 14 + sizeof header + 4 * pixels.size();
    const BITMAPFILEHEADER file{0x4D42, size, 0, 0, 14 + sizeof header};
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, 14, 1, out);  // packed as on disk
        std::fwrite(&header, sizeof header, 1, out);
        std::fwrite(pixels.data(), 4, pixels.size(), out);
        std::fclose(out);
    }
}

Files Snapshot(const test::TempFolder& folder, const std::string& except) {
    Files files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path())) {
        const std::string name = std::filesystem::relative(entry.path(), folder.Path()).generic_string();
        if (name == except) continue;
        files[entry.is_directory() ? name + '/' : name] = entry.is_directory() ? std::vector<std::uint8_t>{}
                                                                               : folder.Read(name);
    }
    return files;
}

bool Holds(const std::vector<std::uint8_t>& bytes, const std::string& text) {
    return std::search(bytes.begin(), bytes.end(), text.begin(), text.end()) != bytes.end();
}

std::string LayoutSlot(const std::vector<std::uint8_t>& layoutFile, std::size_t offset) {
    if (offset + 8 > layoutFile.size()) return "(a file of " + std::to_string(layoutFile.size()) + " bytes)";
    const auto slot = layoutFile.begin() + static_cast<std::ptrdiff_t>(offset);
    return {slot, std::find(slot, slot + 8, 0)};
}

void VorlantTest::SetUp() {
    // A run on a chosen day (tests/ui/CMakeLists.txt) must really see that day, or it proves nothing.
    if (const char* day = std::getenv("VORLANT_TEST_DAY")) {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        char today[16];
        std::snprintf(today, sizeof(today), "%04u-%02u-%02u", now.wYear, now.wMonth, now.wDay);
        ASSERT_STREQ(today, day) << "the clock was not set: is libfaketime installed (tools/setup.sh)?";
    }
    // So must a run on a Windows of another language (its ANSI code page).
    if (const char* codePage = std::getenv("VORLANT_TEST_CODE_PAGE")) {
        ASSERT_EQ(std::to_string(GetACP()), codePage) << "not the Windows asked for: is its wine prefix started?";
    }
    const std::string built = winauto::ModuleFolder() + "Vorlant.exe";
    ASSERT_TRUE(CopyFileW(winauto::Wide(built).c_str(), winauto::Wide(folder.File("Vorlant.exe")).c_str(), FALSE))
        << "cannot copy " << built;
}

void VorlantTest::WriteCongregation(gen::GeneratorOptions options) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    options.year = now.wYear;
    options.month = now.wMonth;
    options.day = now.wDay;
    congregation = gen::Generate(options);
    ASSERT_TRUE(gen::WriteCongregation(congregation, folder.Str()));
}

HWND VorlantTest::Start(const std::string& where) {
    program = std::make_unique<winauto::Program>(folder.File("Vorlant.exe"), where.empty() ? folder.Str() : where);
    mainWindow = program->WaitForWindow("Vorlant", kStartTimeoutMs);
    EXPECT_NE(mainWindow, nullptr) << "the main window did not appear";
    return mainWindow;
}

HWND VorlantTest::StartAtPassword(const std::string& password) {
    gen::GeneratorOptions options;
    options.password = password;
    WriteCongregation(options);
    program = std::make_unique<winauto::Program>(folder.File("Vorlant.exe"), folder.Str());
    HWND dialog = program->WaitForWindow("Wymagane hasło", kStartTimeoutMs);
    EXPECT_NE(dialog, nullptr) << "the password dialog did not appear";
    if (dialog == nullptr) return nullptr;
    EXPECT_EQ(winauto::ItemText(dialog, IDC_PASSWORD_MESSAGE), test::RcStringSource{}.Load(IDS_PASSWORD_PROMPT));
    EXPECT_TRUE(WaitForFocus(dialog, IDC_PASSWORD_EDIT));
    return dialog;
}

void VorlantTest::ExitWithButton() {
    ASSERT_NE(mainWindow, nullptr);
    winauto::Click(mainWindow, IDCANCEL);
    EXPECT_EQ(program->WaitForExit(kStartTimeoutMs), 0);
}

std::string ReadWholeFile(const std::string& unixPath) {
    std::ostringstream bytes;
    bytes << std::ifstream(winauto::WindowsPathOf(unixPath), std::ios::binary).rdbuf();
    return bytes.str();
}

bool RunUnixCommands(const std::string& commands, const std::string& status) {
    std::string line = "/bin/sh -c \"(" + commands + ") 2>/dev/null; echo $? > '" + status + ".part' && mv '" +
                       status + ".part' '" + status + "'\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::string exit;
    if (CreateProcessA("Z:\\bin\\sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        winauto::WaitUntil([&] { return !(exit = ReadWholeFile(status)).empty(); }, 30000);
    }
    return exit.starts_with("0");
}

}  // namespace vorlant::uitest
