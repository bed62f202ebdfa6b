// Resource texts with values put in: the messages that name one of the
// program's own files (a layout file, the INI file), and the notes that
// name a setting with its values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlant {

class StringSource;

// `pattern` with its first "%s" replaced by `text`; any other '%' stays as
// it is. A pattern without "%s" is returned as it is.
std::string FillIn(std::string_view pattern, std::string_view text);

// The message that `fileName` could not be written, so that the changes made
// to it in this run are lost.
std::string CannotSaveMessage(const StringSource& strings, std::string_view fileName);

// One message for all the files of `fileNames` that could not be written:
// the message of each, a paragraph each.
std::string CannotSaveMessage(const StringSource& strings, const std::vector<std::string>& fileNames);

}  // namespace vorlant
