#include "StringTable.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstring>
#include <string>

namespace {

const std::string kModulePath = WIZARD_TEST_TITLES_MODULE; // .../libwizardtitles.so
const std::string kModuleDir = WIZARD_TEST_TITLES_DIR;

bool loaderHolds(const std::string& path)
{
    void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    return handle && dlclose(handle) == 0;
}

std::string readString(HMODULE module, long id, int size = 256)
{
    char buffer[256 + 8];
    std::memset(buffer, 'Z', sizeof buffer);
    const int length = LoadStringA(module, id, buffer, size);
    EXPECT_EQ(length, static_cast<int>(std::strlen(buffer)));
    EXPECT_EQ(std::string(buffer + size, 8), "ZZZZZZZZ"); // nothing written past the buffer
    return buffer;
}

} // namespace

TEST(StringTable, ModuleReadsItsWindows1252StringsCutToTheBufferAndIsReleased)
{
    ASSERT_FALSE(loaderHolds(kModulePath));
    for (const std::string& name : {kModulePath, kModuleDir + "/wizardtitles.dll"}) {
        HMODULE module = LoadLibraryA(name.c_str());
        EXPECT_EQ(readString(module, 100), "Identit\xE9 du d\351clarant");
        EXPECT_EQ(readString(module, -2), "Rubrique");
        EXPECT_EQ(readString(module, 101), "Revenus"); // the first entry of an identifier
        EXPECT_EQ(readString(module, 999), "");
        EXPECT_EQ(readString(module, 200).substr(250), "QRSTU"); // 255 characters and the nul
        EXPECT_EQ(readString(module, 100, 1), "");
        EXPECT_EQ(LoadStringA(module, 100, nullptr, 10), 0);
        EXPECT_TRUE(FreeLibrary(module));
        EXPECT_FALSE(loaderHolds(kModulePath));
    }
    EXPECT_EQ(LoadLibraryA((kModuleDir + "/absent").c_str()), nullptr);
    EXPECT_FALSE(FreeLibrary(nullptr));
    EXPECT_EQ(readString(nullptr, 1), "");
    // A module the process holds is found without taking a reference of its own.
    EXPECT_EQ(GetModuleHandleA(kModulePath.c_str()), nullptr);
    void* held = dlopen(kModulePath.c_str(), RTLD_NOW);
    EXPECT_EQ(readString(GetModuleHandleA(kModulePath.c_str()), 101), "Revenus");
    dlclose(held);
    EXPECT_FALSE(loaderHolds(kModulePath));
}
