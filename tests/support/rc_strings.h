// The string table of the resource script, so that tests check the very texts of Vorlant.exe.
#pragma once

#include <map>
#include <string>

#include "common/string_source.h"

namespace vorlant::test {

// The bytes of a text file; throws when it cannot be read.
std::string ReadTextFile(const std::string& path);

class RcStringSource : public StringSource {
public:
    // Parses the STRINGTABLE of `path` with the IDS_ names of resource.h beside it; texts stay UTF-8.
    explicit RcStringSource(const std::string& path = VORLANT_RESOURCE_SCRIPT);
    std::string Load(unsigned id) const override;
    const std::map<unsigned, std::string>& All() const { return strings_; }

private:
    std::map<unsigned, std::string> strings_;
};

}  // namespace vorlant::test
