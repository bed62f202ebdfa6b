// The INI file, through the platform's private-profile functions.
#pragma once

#include <string>

#include "layout/settings.h"

namespace vorlant::win {

// Sections and keys are ASCII; values are texts of the language's code page
// and reach the file as they are. `path` is UTF-8.
class Win32ProfileStore : public ProfileStore {
public:
    explicit Win32ProfileStore(const std::string& path);
    unsigned GetInt(const char* section, const char* key, int defaultValue) const override;
    std::string GetString(const char* section, const char* key, const char* defaultValue) const override;
    bool WriteString(const char* section, const char* key, const char* value) override;

private:
    std::wstring path_;
};

}  // namespace vorlant::win
