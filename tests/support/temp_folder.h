// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vorlant::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string Str() const { return path_.string(); }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // The path of the file `name` in the folder, as text.
    std::string File(const std::string& name) const { return (path_ / name).string(); }

    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    void Write(const std::string& name, const std::string& text) const;
    // The file's bytes; empty when it cannot be read.
    std::vector<std::uint8_t> Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

private:
    std::filesystem::path path_;
};

}  // namespace vorlant::test
