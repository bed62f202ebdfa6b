// The About box: the program's name and version, a short notice, and the
// folder from which the program reads and writes its files.
#pragma once

#include <windows.h>

#include <string>

#include "win/dialog.h"

namespace vorlant {

// The current working directory, or an empty text when it cannot be had in
// 300 characters.
std::wstring CurrentFolder();

class CAboutDlg : public win::CDialog {
public:
    explicit CAboutDlg(std::wstring location);

private:
    BOOL OnInitDialog() override;

    std::wstring location;
};

}  // namespace vorlant
