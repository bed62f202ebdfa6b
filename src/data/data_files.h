// Names of the companion program's data files. They are opened by these bare
// names in the current directory; tests pass a folder instead.
#pragma once

namespace vorlant {

inline constexpr const char* kPublisherFileName = "tdat9.bin";
inline constexpr const char* kGroupFileName = "bkstudy.dat";
inline constexpr const char* kDetailsFileName = "xten7.dat";
inline constexpr const char* kRemarkFileName = "remark9.dat";

}  // namespace vorlant
