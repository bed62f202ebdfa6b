// The messages that name one of the program's own files (a layout file, the
// INI file) that could not be written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlant {

class StringSource;

// The message that `fileName` could not be written, so that the changes made
// to it in this run are lost.
std::string CannotSaveMessage(const StringSource& strings, std::string_view fileName);

// One message for all the files of `fileNames` that could not be written:
// the message of each, a paragraph each.
std::string CannotSaveMessage(const StringSource& strings, const std::vector<std::string>& fileNames);

}  // namespace vorlant
