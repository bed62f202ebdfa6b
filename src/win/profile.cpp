#include "win/profile.h"

#include <windows.h>

#include <vector>

namespace vorlant::win {

unsigned Win32ProfileStore::GetInt(const char* section, const char* key, int defaultValue) const {
    return GetPrivateProfileIntA(section, key, defaultValue, path_.c_str());
}

std::string Win32ProfileStore::GetString(const char* section, const char* key,
                                         const char* defaultValue) const {
    // The function cuts a value that does not fit; grow until it fits.
    std::vector<char> buffer(256);
    for (;;) {
        const DWORD length = GetPrivateProfileStringA(section, key, defaultValue, buffer.data(),
                                                      static_cast<DWORD>(buffer.size()), path_.c_str());
        if (length + 1 < buffer.size() || buffer.size() >= 65536) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 4);
    }
}

bool Win32ProfileStore::WriteString(const char* section, const char* key, const char* value) {
    return WritePrivateProfileStringA(section, key, value, path_.c_str()) != FALSE;
}

}  // namespace vorlant::win
