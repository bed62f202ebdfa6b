#include "common/text.h"

#include <cstring>

namespace vorlant {

bool IsBlank(char c) {
    switch (c) {
        case ' ': case '\t': case '\n': case '\v': case '\f': case '\r':
            return true;
        default:
            return false;
    }
}

std::string_view Trim(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first])) ++first;
    std::size_t last = text.size();
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

void TrimInPlace(char* text, std::size_t capacity) {
    if (text == nullptr || capacity == 0) return;
    std::size_t length = 0;
    while (length < capacity - 1 && text[length] != '\0') ++length;
    const std::string_view trimmed = Trim(std::string_view(text, length));
    std::memmove(text, trimmed.data(), trimmed.size());
    // Clear what the text occupied beyond its new end, terminator included;
    // length < capacity, so this stays inside the buffer.
    std::memset(text + trimmed.size(), 0, length + 1 - trimmed.size());
}

void TrimInPlace(std::string& text) {
    const std::string_view trimmed = Trim(text);
    text = std::string(trimmed);
}

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string filled;
    const std::string_view* next = values.begin();
    std::size_t from = 0;
    for (std::size_t at = pattern.find("%s"); at != std::string_view::npos && next != values.end();
         at = pattern.find("%s", from)) {
        filled.append(pattern.substr(from, at - from));
        filled.append(*next++);
        from = at + 2;
    }
    filled.append(pattern.substr(from));
    return filled;
}

std::string ComposeTitle(std::string_view title, std::string_view versionName) {
    std::string composed(title);
    composed += " - ";
    composed += versionName;
    return composed;
}

}  // namespace vorlant
