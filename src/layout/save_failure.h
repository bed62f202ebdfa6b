// The message that one of the program's own files (a layout file, the INI
// file) could not be written, so that the user's changes were lost.
#pragma once

#include <string>
#include <string_view>

namespace vorlant {

// `pattern` (the resource text) with its first "%s" replaced by `fileName`;
// any other '%' stays as it is. A pattern without "%s" is returned as it is.
std::string SaveFailedMessage(std::string_view pattern, std::string_view fileName);

}  // namespace vorlant
