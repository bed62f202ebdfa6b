// What Windows shows in Vorlant.exe's properties.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "winauto.h"

namespace {

std::string VersionString(const std::vector<char>& info, const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\041504E2\\") + name;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || length == 0) {
        return {};
    }
    return std::string(value, strnlen(value, length));
}

TEST(VersionResource, NamesTheProductAndItsVersion) {
    const std::string exe = vorlant::winauto::ModuleFolder() + "Vorlant.exe";
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, info.data()));
    EXPECT_EQ(VersionString(info, "ProductName"), "Vorlant");
    EXPECT_EQ(VersionString(info, "FileVersion"), "5b");
    EXPECT_EQ(VersionString(info, "ProductVersion"), "5b");
    EXPECT_FALSE(VersionString(info, "FileDescription").empty());
}

}  // namespace
