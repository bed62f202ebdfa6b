// The application: fixes the settings file's path, applies the language's
// locale and runs the main dialog; the program ends when the dialog closes.
#include <windows.h>
#include <commctrl.h>

#include <clocale>
#include <memory>
#include <string>

#include "common/language.h"
#include "mainwin/main_dlg.h"
#include "mainwin/startup.h"
#include "resources/resource.h"
#include "win/resources.h"
#include "win/text_codec.h"

namespace vorlant {
namespace {

// UTF-8, as every path of the core.
std::string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return win::Utf8Path(path);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

class CRecordApp {
public:
    int Run() {
        // The options dialog uses up-down controls. Dialog controls have the
        // three-dimensional look by themselves on every supported Windows.
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&controls);

        iniPath = IniPathFor(ExecutablePath());

        const std::string_view locale = LocaleForLanguage(win::LoadResourceString(IDS_LANGUAGE_CODE));
        if (!locale.empty()) std::setlocale(LC_ALL, std::string(locale).c_str());

        // The dialog holds the remark table and the other images inline: it
        // lives on the heap for the whole run.
        auto mainDialog = std::make_unique<CMainDlg>(iniPath);
        mainDialog->DoModal(nullptr);
        return 0;
    }

private:
    std::string iniPath;
};

}  // namespace vorlant

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    vorlant::CRecordApp app;
    return app.Run();
}
