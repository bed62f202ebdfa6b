// Text helpers shared by the readers, the formatting and the dialogs.
#pragma once

#include <cstddef>
#include <initializer_list>
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

// `pattern` with each "%s" replaced by the next of `values`, in one pass
// over the pattern: a "%s" inside a value put in is never filled, and a
// "%s" left over when the values run out stays as it is, as does any other
// '%'. The resource texts (messages, notes) take their values so.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);
inline std::string FillIn(std::string_view pattern, std::string_view value) { return FillIn(pattern, {value}); }

// "<title> - <card version name>": the main window's and the detailed layout
// dialog's captions.
std::string ComposeTitle(std::string_view title, std::string_view versionName);

}  // namespace vorlant
