#include "winauto.h"

#include "win/text_codec.h"

namespace vorlant::winauto {

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(pollMs);
    }
}

double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

std::string ModuleFolder() {
    wchar_t path[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    const std::string folder = Utf8(std::wstring_view(path, length));
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::wstring Wide(std::string_view utf8) { return win::WidePath(utf8); }
std::string Utf8(std::wstring_view wide) { return win::Utf8Path(wide); }

Program::Program(const std::string& exePath, const std::string& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + Wide(exePath) + L"\"";
    if (!CreateProcessW(Wide(exePath).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        Wide(folder).c_str(), &startup, &process_)) {
        process_ = {};
    }
}

Program::~Program() {
    if (process_.hProcess == nullptr) return;
    if (Running()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

namespace {

struct WindowSearch {
    DWORD processId = 0;   // 0: any process
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((search->processId == 0 || owner == search->processId) && IsWindowVisible(window)) {
        search->found.push_back(window);
    }
    return TRUE;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    WindowSearch search;
    search.processId = processId;
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> Program::Windows() const { return TopLevelWindows(process_.dwProcessId); }

HWND Program::WaitForWindow(const std::string& captionPrefix, DWORD timeoutMs) const {
    HWND result = nullptr;
    WaitUntil(
        [&] {
            result = FindTopLevelWindow(captionPrefix, process_.dwProcessId);
            return result != nullptr || !Running();
        },
        timeoutMs);
    return result;
}

long Program::WaitForExit(DWORD timeoutMs) const {
    if (process_.hProcess == nullptr) return -1;
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<long>(code);
}

bool Program::Running() const {
    return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND FindTopLevelWindow(const std::string& captionPrefix, DWORD processId) {
    for (HWND window : TopLevelWindows(processId)) {
        if (StartsWith(WindowText(window), captionPrefix)) return window;
    }
    return nullptr;
}

HWND WaitForQuestion(HWND window, DWORD timeoutMs) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HWND question = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : TopLevelWindows(process)) {
                if (w != window && GetDlgItem(w, IDYES) != nullptr && IsWindowVisible(w)) question = w;
            }
            return question != nullptr;
        },
        timeoutMs);
    return question;
}

std::string WindowText(HWND window) {
    wchar_t text[1024] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                             &length)) {
        return {};
    }
    return Utf8(std::wstring_view(text, length));
}

std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

bool ItemEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

bool ItemVisible(HWND dialog, int id) {
    return (GetWindowLongPtrA(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool ItemChecked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool SendAndWait(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

bool SelectListEntry(HWND dialog, int id, int index, DWORD timeoutMs) {
    HWND list = GetDlgItem(dialog, id);
    return SendAndWait(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0, timeoutMs) &&
           SendAndWait(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list), timeoutMs);
}

LRESULT SendToItem(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(GetDlgItem(dialog, id), message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) {
        return -1;
    }
    return static_cast<LRESULT>(result);
}

std::vector<std::string> ListItems(HWND dialog, int id) {
    std::vector<std::string> items;
    const LRESULT count = SendToItem(dialog, id, LB_GETCOUNT);
    HWND list = GetDlgItem(dialog, id);
    for (LRESULT i = 0; i < count; ++i) {
        // Across processes the text is only marshalled reliably in UTF-16.
        wchar_t text[512] = {};
        DWORD_PTR length = 0;
        if (SendToItem(dialog, id, LB_GETTEXTLEN, static_cast<WPARAM>(i)) >= 512 ||
            !SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text),
                                 SMTO_ABORTIFHUNG, 5000, &length) ||
            static_cast<LRESULT>(length) < 0) {
            length = 0;
        }
        items.push_back(Utf8(std::wstring_view(text, length)));
    }
    return items;
}

int ListSelection(HWND dialog, int id) {
    const LRESULT selection = SendToItem(dialog, id, LB_GETCURSEL);
    return selection < 0 ? -1 : static_cast<int>(selection);
}

void TypeCharacter(HWND dialog, int id, wchar_t c) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, id), WM_CHAR, c, 1, SMTO_ABORTIFHUNG, 5000, &ignored);
}

HWND FocusedWindow(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void PressKey(HWND window, WORD virtualKey) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    HWND target = GetGUIThreadInfo(thread, &info) && info.hwndFocus != nullptr ? info.hwndFocus : window;
    const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageA(target, WM_KEYUP, virtualKey, 1 | (scan << 16) | (1u << 30) | (1u << 31));
}

std::vector<MenuItem> SystemMenuItems(HWND window) {
    std::vector<MenuItem> items;
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu == nullptr) return items;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 256;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        items.push_back({info.wID, (info.fType & MFT_SEPARATOR) != 0, Utf8(text)});
    }
    return items;
}

bool Painted(HWND dialog, const std::vector<int>& ids) {
    for (const int id : ids) {
        RECT pending{};
        if (GetUpdateRect(GetDlgItem(dialog, id), &pending, FALSE)) return false;
    }
    return true;
}

std::string WindowsPathOf(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

std::set<std::string> PdfFiles(const std::string& unixFolder) {
    std::set<std::string> files;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(Wide(WindowsPathOf(unixFolder) + "\\*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do files.insert(unixFolder + "/" + Utf8(found.cFileName));
    while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

namespace {

// The PDF writer puts the end-of-file marker last, when the document is whole.
bool FinishedPdf(const std::string& unixPath) {
    HANDLE file = CreateFileW(Wide(WindowsPathOf(unixPath)).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char tail[32] = {};
    DWORD read = 0;
    LARGE_INTEGER back{};
    back.QuadPart = -static_cast<LONGLONG>(sizeof(tail));
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) && size.QuadPart >= static_cast<LONGLONG>(sizeof(tail)) &&
        SetFilePointerEx(file, back, nullptr, FILE_END)) {
        ReadFile(file, tail, sizeof(tail), &read, nullptr);
    }
    CloseHandle(file);
    return std::string(tail, read).find("%%EOF") != std::string::npos;
}

}  // namespace

std::string WaitForNewPdf(const std::string& unixFolder, const std::set<std::string>& before, DWORD timeoutMs,
                          DWORD pollMs) {
    std::string finished;
    WaitUntil(
        [&] {
            for (const std::string& file : PdfFiles(unixFolder)) {
                if (before.count(file) == 0 && FinishedPdf(file)) finished = file;
            }
            return !finished.empty();
        },
        timeoutMs, pollMs);
    return finished;
}

std::uint64_t LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

}  // namespace vorlant::winauto
