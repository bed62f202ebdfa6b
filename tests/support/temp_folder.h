// A fresh folder for one test, removed with everything in it afterwards. Its names travel as UTF-8 on every platform.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vorlant::test {

// A path from UTF-8, and its UTF-8 (a narrow path is in the ANSI code page on Windows).
inline std::filesystem::path PathOf(std::string_view utf8) { return std::u8string(utf8.begin(), utf8.end()); }
inline std::string Utf8Of(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

class TempFolder {
public:
    // With `name`, the folder of that name inside a fresh one, so that its path holds letters of the test's choice.
    explicit TempFolder(std::string_view name = {}) {
        std::random_device random;
        for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
            auto candidate = std::filesystem::temp_directory_path() / ("vorlant-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate)) root_ = std::move(candidate);
        }
        if (root_.empty()) throw std::runtime_error("cannot create a temporary folder");
        path_ = name.empty() ? root_ : root_ / PathOf(name);
        if (path_ != root_) std::filesystem::create_directory(path_);
    }
    ~TempFolder() { std::error_code ignored; std::filesystem::remove_all(root_, ignored); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string Str() const { return Utf8Of(path_); }
    std::filesystem::path operator/(const std::string& name) const { return path_ / PathOf(name); }
    std::string File(const std::string& name) const { return Utf8Of(*this / name); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(*this / name); }

    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        std::ofstream out(*this / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + name);
    }
    void Write(const std::string& name, const std::string& text) const {
        Write(name, std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    // The file's bytes; empty when it cannot be read.
    std::vector<std::uint8_t> Read(const std::string& name) const {
        std::ifstream in(*this / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path root_, path_;
};

}  // namespace vorlant::test
