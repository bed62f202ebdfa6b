// Access to the executable's own string resources and to message boxes.
#pragma once

#include <windows.h>

#include <string>

#include "common/string_source.h"

namespace vorlant::win {

// Strings of the running executable, in the ANSI code page.
class Win32StringSource : public StringSource {
public:
    std::string Load(unsigned id) const override;
};

// Loads one string of the running executable.
std::string LoadResourceString(unsigned id);

// A message box with one OK button and a fixed text.
void ShowMessage(HWND owner, const std::string& text, UINT icon = MB_ICONEXCLAMATION);

}  // namespace vorlant::win
