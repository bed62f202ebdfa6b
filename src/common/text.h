// Text helpers shared by the readers, the formatting and the dialogs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlant {

// White space as the C locale sees it, for a byte taken as unsigned.
bool IsBlank(char c);

// The text without white space at both ends.
std::string_view Trim(std::string_view text);

// Removes white space at both ends of a NUL-terminated text held in a buffer
// of `capacity` bytes, in place. The buffer is read no further than its
// capacity; the result is always terminated inside it.
void TrimInPlace(char* text, std::size_t capacity);

void TrimInPlace(std::string& text);

// "<title> - <card version name>": the main window's and the detailed layout
// dialog's captions.
std::string ComposeTitle(std::string_view title, std::string_view versionName);

}  // namespace vorlant
