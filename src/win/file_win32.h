// The file layer's own part on Windows (file_win32.cpp), beside the
// operations of common/file.h that it implements.
#pragma once

#include <string>
#include <string_view>

namespace vorlant::win {

// A path of the core for the file functions: full, behind "\\?\" ("\\?\UNC\"
// for a share), a form they take up to 32767 characters long. The program
// opens bare names in its working folder; in a folder of some 250 characters
// the full path of a name, or of the temporary "cplot.dat.new" beside it,
// passes the 260 that the plain form allows. A path the system cannot
// complete stays as it is.
std::wstring LongPath(std::string_view utf8);

}  // namespace vorlant::win
