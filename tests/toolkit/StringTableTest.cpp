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

std::string readString(HMODULE module, long id)
{
    char buffer[256];
    std::memset(buffer, 'Z', sizeof buffer);
    const int length = LoadStringA(module, id, buffer, 256);
    EXPECT_EQ(length, static_cast<int>(std::strlen(buffer)));
    return buffer;
}

} // namespace

TEST(StringTable, LoadedModuleReadsItsWindows1252StringsAndIsReleased)
{
    ASSERT_FALSE(loaderHolds(kModulePath));
    for (const std::string& name :
         {kModulePath, kModuleDir + "/wizardtitles", kModuleDir + "/wizardtitles.dll"}) {
        HMODULE module = LoadLibraryA(name.c_str());
        ASSERT_NE(module, nullptr) << name;
        EXPECT_EQ(readString(module, 100), "Identit\xE9 du d\xE9"
                                           "clarant");
        EXPECT_EQ(readString(module, -2), "Rubrique");
        EXPECT_EQ(readString(module, 101), "Revenus"); // the first entry of an identifier
        EXPECT_EQ(readString(module, 999), "");
        EXPECT_EQ(readString(module, 300), "");
        EXPECT_TRUE(FreeLibrary(module));
        EXPECT_FALSE(loaderHolds(kModulePath));
    }
    EXPECT_EQ(LoadLibraryA((kModuleDir + "/absent").c_str()), nullptr);
}

TEST(StringTable, LongStringIsCutToTheBufferAndTerminated)
{
    HMODULE module = LoadLibraryA(kModulePath.c_str());
    char buffer[256 + 8];
    std::memset(buffer, 'Z', sizeof buffer);
    EXPECT_EQ(LoadStringA(module, 200, buffer, 256), 255);
    EXPECT_EQ(std::string(buffer, 3), "ABC");
    EXPECT_EQ(std::string(buffer + 255, 9), std::string("\0ZZZZZZZZ", 9));
    char one[1] = {'Z'};
    EXPECT_EQ(LoadStringA(module, 100, one, 1), 0);
    EXPECT_EQ(one[0], '\0');
    EXPECT_EQ(LoadStringA(module, 100, nullptr, 10), 0);
    EXPECT_EQ(LoadStringA(module, 100, one, 0), 0);
    FreeLibrary(module);
}

TEST(StringTable, HandleOfAModuleIsFoundOnlyWhileTheProcessHoldsIt)
{
    EXPECT_EQ(GetModuleHandleA(kModulePath.c_str()), nullptr);
    void* held = dlopen(kModulePath.c_str(), RTLD_NOW);
    HMODULE module = GetModuleHandleA(kModulePath.c_str());
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(readString(module, 101), "Revenus");
    dlclose(held);
    EXPECT_FALSE(loaderHolds(kModulePath)); // looking up takes no reference of its own
    EXPECT_EQ(readString(GetModuleHandleA("libc.so.6"), 1), "");
    for (const char* bad : {static_cast<const char*>(nullptr), "", "wizard-no-such-module"}) {
        EXPECT_EQ(GetModuleHandleA(bad), nullptr);
        EXPECT_EQ(LoadLibraryA(bad), nullptr);
    }
    EXPECT_FALSE(FreeLibrary(nullptr));
    EXPECT_EQ(readString(nullptr, 1), "");
}

TEST(StringTable, RegisteredTableIsAModuleTheProcessHolds)
{
    static const WizardStringTableEntry titles[] = {
        {1, "Situation de famille"}, {2, "Charges"}, WIZARD_STRING_TABLE_END};
    static const WizardStringTableEntry otherTitles[] = {{1, "Autre"}, WIZARD_STRING_TABLE_END};
    RegisterStringTable("StringTableTest.Ecrans", titles);
    HMODULE held = GetModuleHandleA("StringTableTest.Ecrans");
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(readString(held, 2), "Charges");
    EXPECT_EQ(readString(held, 3), "");
    // Loading and freeing a registered module leaves it registered.
    EXPECT_EQ(LoadLibraryA("StringTableTest.Ecrans"), held);
    EXPECT_TRUE(FreeLibrary(held));
    EXPECT_EQ(readString(held, 1), "Situation de famille");
    RegisterStringTable("StringTableTest.Ecrans", otherTitles);
    EXPECT_EQ(readString(GetModuleHandleA("StringTableTest.Ecrans"), 1), "Autre");
    UnregisterStringTable("StringTableTest.Ecrans");
    EXPECT_EQ(GetModuleHandleA("StringTableTest.Ecrans"), nullptr);
    // A handle kept past the registration reads nothing, and freeing it is harmless.
    EXPECT_EQ(readString(held, 1), "");
    EXPECT_TRUE(FreeLibrary(held));
}
