#include "ui_support.h"

#include <cstdio>
#include <cstdlib>

namespace vorlant::uitest {

void VorlantTest::SetUp() {
    // A run on a chosen day (tests/ui/CMakeLists.txt) must really see that day, or it proves nothing.
    if (const char* day = std::getenv("VORLANT_TEST_DAY")) {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        char today[16];
        std::snprintf(today, sizeof(today), "%04u-%02u-%02u", now.wYear, now.wMonth, now.wDay);
        ASSERT_STREQ(today, day) << "the clock was not set: is libfaketime installed (tools/setup.sh)?";
    }
    const std::string built = winauto::ModuleFolder() + "Vorlant.exe";
    ASSERT_TRUE(CopyFileA(built.c_str(), folder.File("Vorlant.exe").c_str(), FALSE)) << "cannot copy " << built;
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

void VorlantTest::ExitWithButton() {
    ASSERT_NE(mainWindow, nullptr);
    winauto::Click(mainWindow, IDCANCEL);
    EXPECT_EQ(program->WaitForExit(kStartTimeoutMs), 0);
}

}  // namespace vorlant::uitest
