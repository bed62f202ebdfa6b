// The string table of the resource script, read by the unit tests so that
// they check the very texts that go into Vorlant.exe.
#pragma once

#include <map>
#include <string>

#include "common/string_source.h"

namespace vorlant::test {

class RcStringSource : public StringSource {
public:
    // Parses the STRINGTABLE of `path`, resolving the IDS_ names of
    // resource.h beside it. Texts stay UTF-8.
    explicit RcStringSource(const std::string& path = VORLANT_RESOURCE_SCRIPT);
    std::string Load(unsigned id) const override;
    const std::map<unsigned, std::string>& All() const { return strings_; }

private:
    std::map<unsigned, std::string> strings_;
};

// Strings set by hand, for tests of other resource sets.
class MapStringSource : public StringSource {
public:
    std::map<unsigned, std::string> strings;
    std::string Load(unsigned id) const override {
        const auto it = strings.find(id);
        return it == strings.end() ? std::string() : it->second;
    }
};

}  // namespace vorlant::test
