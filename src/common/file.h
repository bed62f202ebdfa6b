// Byte-stream access to the files that the program opens by bare name.
//
// Files are opened for reading or writing with bytes untranslated, read or
// written in whole blocks and closed at once. A missing file is not an error
// for any caller: it simply yields no bytes.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace vorlant {

struct FileCloser {
    void operator()(std::FILE* f) const noexcept {
        if (f != nullptr) std::fclose(f);
    }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// `name` inside `folder`; an empty folder means the current directory, so the
// program itself always passes an empty folder and opens bare names.
std::string PathIn(std::string_view folder, std::string_view name);

// The part of `path` after its last folder separator ('/' or '\\'): the name
// a user knows the file by.
std::string_view FileNameOf(std::string_view path);

UniqueFile OpenForReading(const std::string& path);

// Reads until `size` bytes are in or the stream ends or fails; returns how
// many bytes were read.
std::size_t ReadUpTo(std::FILE* file, void* buffer, std::size_t size);

// Writes `size` bytes to `path` so that the file is either replaced as a
// whole or left as it was: the bytes go to a temporary file in the same
// folder, "<path>.new", which reaches the disk and then replaces the old
// file. Returns false, leaving any old file untouched and no temporary
// behind, when any step fails.
bool WriteWholeFile(const std::string& path, const void* data, std::size_t size);

// Adds `size` bytes to the end of `path` (made when missing) and hands them
// to the disk before it returns. False when any step failed.
bool AppendToFile(const std::string& path, const void* data, std::size_t size);

// The platform's side, implemented once per platform. Paths are UTF-8;
// on Windows they reach the wide file functions.
std::FILE* OpenFile(const std::string& path, const char* mode);
bool RemoveFile(const std::string& path);

// Hands the stream's bytes to the C library and then to the disk, so that a
// power cut after a later rename cannot leave the new name on an empty file.
bool FlushToDisk(std::FILE* file);

// Replaces `target` by `source` (both in one folder), overwriting an existing
// target.
bool ReplaceFileWith(const std::string& source, const std::string& target);

}  // namespace vorlant
