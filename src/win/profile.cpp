#include "win/profile.h"

#include <windows.h>

#include <vector>

#include "win/text_codec.h"

namespace vorlant::win {

Win32ProfileStore::Win32ProfileStore(const std::string& path) : path_(WidePath(path)) {}

unsigned Win32ProfileStore::GetInt(const char* section, const char* key, int defaultValue) const {
    return GetPrivateProfileIntW(Widen(section).c_str(), Widen(key).c_str(), defaultValue, path_.c_str());
}

std::string Win32ProfileStore::GetString(const char* section, const char* key,
                                         const char* defaultValue) const {
    const std::wstring wideSection = Widen(section), wideKey = Widen(key), wideDefault = Widen(defaultValue);
    // The function cuts a value that does not fit; grow until it fits.
    std::vector<wchar_t> buffer(256);
    for (;;) {
        const DWORD length = GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideDefault.c_str(),
                                                      buffer.data(), static_cast<DWORD>(buffer.size()), path_.c_str());
        if (length + 1 < buffer.size() || buffer.size() >= 65536) return Narrow({buffer.data(), length});
        buffer.resize(buffer.size() * 4);
    }
}

bool Win32ProfileStore::WriteString(const char* section, const char* key, const char* value) {
    return WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                                      path_.c_str()) != FALSE;
}

}  // namespace vorlant::win
