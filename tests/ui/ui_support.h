// A fresh folder with a copy of Vorlant.exe (so that its INI file lands
// there too), generated congregation data, and the started program.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "congregation.h"
#include "support/temp_folder.h"
#include "winauto.h"

namespace vorlant::uitest {

inline constexpr DWORD kStartTimeoutMs = 20000;  // also for the program's end
inline constexpr const char* kMainCaption = "Vorlant - S-21-P  11/23";

class VorlantTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Data whose "today" is the real date, as the program sees it; kept in `congregation`.
    void WriteCongregation(gen::GeneratorOptions options = {});
    // Starts the program in the folder `where` (default: the test's) and waits for its main window.
    HWND Start(const std::string& where = {});
    // Ends the program with its exit button and waits for it to end.
    void ExitWithButton();

    test::TempFolder folder;
    gen::Congregation congregation;
    std::unique_ptr<winauto::Program> program;
    HWND mainWindow = nullptr;
};

}  // namespace vorlant::uitest
