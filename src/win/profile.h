// The INI file, through the platform's private-profile functions.
#pragma once

#include <string>

#include "layout/settings.h"

namespace vorlant::win {

class Win32ProfileStore : public ProfileStore {
public:
    explicit Win32ProfileStore(std::string path) : path_(std::move(path)) {}
    unsigned GetInt(const char* section, const char* key, int defaultValue) const override;
    std::string GetString(const char* section, const char* key, const char* defaultValue) const override;
    bool WriteString(const char* section, const char* key, const char* value) override;

private:
    std::string path_;
};

}  // namespace vorlant::win
