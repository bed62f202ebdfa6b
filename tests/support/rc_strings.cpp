#include "support/rc_strings.h"

#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace vorlant::test {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A resource-script string literal body: "" is a quote, \n a line break.
std::string Unescape(const std::string& body) {
    std::string out;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '"' && i + 1 < body.size() && body[i + 1] == '"') {
            out += '"';
            ++i;
        } else if (body[i] == '\\' && i + 1 < body.size()) {
            const char next = body[++i];
            out += next == 'n' ? '\n' : next == 't' ? '\t' : next;
        } else {
            out += body[i];
        }
    }
    return out;
}

}  // namespace

RcStringSource::RcStringSource(const std::string& path) {
    std::map<std::string, unsigned> names;
    const std::string header = ReadAll(path.substr(0, path.find_last_of('/') + 1) + "resource.h");
    const std::regex define(R"(#define\s+(\w+)\s+(0x[0-9A-Fa-f]+|\d+))");
    for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it) {
        names[(*it)[1]] = static_cast<unsigned>(std::stoul((*it)[2], nullptr, 0));
    }

    const std::string script = ReadAll(path);
    const auto begin = script.find("STRINGTABLE");
    if (begin == std::string::npos) throw std::runtime_error("no STRINGTABLE in " + path);
    const auto body = script.find("BEGIN", begin);
    const auto finish = script.find("\nEND", body);
    std::istringstream lines(script.substr(body + 5, finish - body - 5));
    const std::regex entry(R"(^\s*(\w+)\s+\"((?:[^\"]|\"\")*)\"\s*$)");
    std::string line;
    while (std::getline(lines, line)) {
        std::smatch m;
        if (!std::regex_match(line, m, entry)) continue;
        const std::string key = m[1];
        const unsigned id = std::isdigit(static_cast<unsigned char>(key[0]))
                                ? static_cast<unsigned>(std::stoul(key))
                                : names.at(key);
        if (!strings_.emplace(id, Unescape(m[2])).second) {
            throw std::runtime_error("string " + std::to_string(id) + " defined twice");
        }
    }
}

std::string RcStringSource::Load(unsigned id) const {
    const auto it = strings_.find(id);
    return it == strings_.end() ? std::string() : it->second;
}

}  // namespace vorlant::test
