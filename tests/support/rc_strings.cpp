#include "support/rc_strings.h"

#include <fstream>
#include <iterator>
#include <regex>
#include <cctype>
#include <stdexcept>

namespace vorlant::test {

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

namespace {

// The body of a string literal of the script: "" is a quote, \n a line break, \t a tab.
std::string Unescape(const std::string& body) {
    std::string out;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const bool escape = body[i] == '\\' && i + 1 < body.size();
        if (body[i] == '"' || escape) ++i;  // quotes come in pairs: the regex lets none stand alone
        out += !escape ? body[i] : body[i] == 'n' ? '\n' : body[i] == 't' ? '\t' : body[i];
    }
    return out;
}

}  // namespace

RcStringSource::RcStringSource(const std::string& path) {
    std::map<std::string, unsigned> names;
    const std::string header = ReadTextFile(path.substr(0, path.find_last_of('/') + 1) + "resource.h");
    const std::regex define(R"(#define\s+(\w+)\s+(0x[0-9A-Fa-f]+|\d+))");
    for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it) {
        names[(*it)[1]] = static_cast<unsigned>(std::stoul((*it)[2], nullptr, 0));
    }
    const std::string script = ReadTextFile(path);
    const auto body = script.find("BEGIN", script.find("STRINGTABLE"));
    if (body == std::string::npos) throw std::runtime_error("no STRINGTABLE in " + path);
    const std::string table = script.substr(body + 5, script.find("\nEND", body) - body - 5);
    const std::regex entry(R"re((\w+)[ \t]+"((?:[^"\n]|"")*)")re");
    for (std::sregex_iterator it(table.begin(), table.end(), entry), end; it != end; ++it) {
        const std::string key = (*it)[1];
        const unsigned id = std::isdigit(static_cast<unsigned char>(key[0])) ? std::stoul(key) : names.at(key);
        if (!strings_.emplace(id, Unescape((*it)[2])).second) throw std::runtime_error("string " + key + " twice");
    }
}

std::string RcStringSource::Load(unsigned id) const { return strings_.contains(id) ? strings_.at(id) : std::string(); }

}  // namespace vorlant::test
