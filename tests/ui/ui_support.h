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

inline constexpr DWORD kStartTimeoutMs = 20000;
inline constexpr DWORD kExitTimeoutMs = 20000;
inline constexpr const char* kMainCaption = "Vorlant - S-21-P  11/23";

class VorlantTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Writes a generated congregation into the folder and keeps it in
    // `congregation`: `publishers` of them, or the usual number with a
    // password (an empty one is stored as none).
    void WriteCongregation(int publishers = gen::GeneratorOptions{}.publishers);
    void WriteCongregation(const std::string& password);
    void WriteCongregation(gen::GeneratorOptions options);

    // Starts the program and waits for its main window; fails the test when
    // it does not appear.
    HWND Start();
    // Ends the program with its exit button and waits for it to end.
    void ExitWithButton();

    test::TempFolder folder;
    gen::Congregation congregation;
    std::unique_ptr<winauto::Program> program;
    HWND mainWindow = nullptr;
};

}  // namespace vorlant::uitest
