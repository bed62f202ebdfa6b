// Access to the executable's own string resources and to message boxes.
#pragma once

#include <windows.h>

#include <string>

#include "common/string_source.h"

namespace vorlant::win {

// Strings of the running executable, in the language's code page, for the
// core.
class Win32StringSource : public StringSource {
public:
    std::string Load(unsigned id) const override;
};

// One string of the running executable as it stands in the resources, for
// the windows that show it.
std::wstring LoadResourceText(unsigned id);

// The same in the language's code page.
std::string LoadResourceString(unsigned id);

// A message box with one OK button and a fixed text: the core's bytes, or
// a text straight from the resources.
void ShowMessage(HWND owner, const std::string& text, UINT icon = MB_ICONEXCLAMATION);
void ShowMessage(HWND owner, const std::wstring& text, UINT icon = MB_ICONEXCLAMATION);

}  // namespace vorlant::win
