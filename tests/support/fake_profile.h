// An INI file as the platform reads it: an integer from leading digits, an empty value missing.
#pragma once

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "layout/settings.h"

namespace vorlant::test {

struct FakeProfile : ProfileStore {
    unsigned GetInt(const char* section, const char* key, int defaultValue) const override {
        const std::string text = GetString(section, key, "");
        return static_cast<unsigned>(text.empty() ? defaultValue : std::strtoll(text.c_str(), nullptr, 10));
    }
    std::string GetString(const char* section, const char* key, const char* defaultValue) const override {
        const auto it = values.find(std::string(section) + '/' + key);
        return it == values.end() ? defaultValue : it->second;
    }
    // Every attempt is recorded; those numbered in `failing` (from 1) fail.
    bool WriteString(const char* section, const char* key, const char* value) override {
        written.push_back(std::string(section) + '/' + key + '=' + value);
        return !failing.contains(written.size());
    }
    std::map<std::string, std::string> values;  // "section/key" -> value
    std::vector<std::string> written;
    std::set<std::size_t> failing;
};

}  // namespace vorlant::test
