#include "StringTable.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstring>
#include <string>

namespace {

const char* const kModulePath = WIZARD_TEST_TITLES_MODULE; // .../libwizardtitles.so
const char* const kModuleDir = WIZARD_TEST_TITLES_DIR;

bool loaderHolds(const std::string& path)
{
    void* handle = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle == nullptr)
        return false;
    dlclose(handle);
    return true;
}

std::string readString(HMODULE module, long id)
{
    char buffer[256];
    std::memset(buffer, 'Z', sizeof buffer);
    const int length = LoadStringA(module, id, buffer, static_cast<int>(sizeof buffer));
    EXPECT_EQ(length, static_cast<int>(std::strlen(buffer)));
    return buffer;
}

const WizardStringTableEntry kTitles[] = {{1, "Situation de famille"},
                                          {2, "Charges d\xE9"
                                              "ductibles"},
                                          WIZARD_STRING_TABLE_END};
const WizardStringTableEntry kOtherTitles[] = {{1, "Autre"}, WIZARD_STRING_TABLE_END};

} // namespace

TEST(StringTable, LoadedModuleReadsItsWindows1252StringsAndIsReleased)
{
    ASSERT_FALSE(loaderHolds(kModulePath));
    HMODULE module = LoadLibraryA(kModulePath);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(readString(module, 100), "Identit\xE9 du d\xE9"
                                       "clarant");
    EXPECT_EQ(readString(module, -2), "Rubrique");
    // Only the first entry of an identifier counts.
    EXPECT_EQ(readString(module, 101), "Revenus");
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_FALSE(loaderHolds(kModulePath));
}

TEST(StringTable, AbsentOrEmptyStringReadsAsNothing)
{
    HMODULE module = LoadLibraryA(kModulePath);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(readString(module, 999), "");
    EXPECT_EQ(readString(module, 300), "");
    FreeLibrary(module);
}

TEST(StringTable, LongStringIsCutToTheBufferAndTerminated)
{
    HMODULE module = LoadLibraryA(kModulePath);
    ASSERT_NE(module, nullptr);
    char buffer[256 + 8];
    std::memset(buffer, 'Z', sizeof buffer);
    EXPECT_EQ(LoadStringA(module, 200, buffer, 256), 255);
    EXPECT_EQ(buffer[255], '\0');
    EXPECT_EQ(std::string(buffer, 3), "ABC");
    for (std::size_t i = 256; i < sizeof buffer; ++i)
        EXPECT_EQ(buffer[i], 'Z');

    char one[1] = {'Z'};
    EXPECT_EQ(LoadStringA(module, 100, one, 1), 0);
    EXPECT_EQ(one[0], '\0');
    EXPECT_EQ(LoadStringA(module, 100, nullptr, 10), 0);
    EXPECT_EQ(LoadStringA(module, 100, one, 0), 0);
    FreeLibrary(module);
}

TEST(StringTable, ModuleNameResolvesToLibNameDotSo)
{
    const std::string dir = kModuleDir;
    for (const std::string& name : {dir + "/wizardtitles", dir + "/wizardtitles.dll"}) {
        HMODULE module = LoadLibraryA(name.c_str());
        ASSERT_NE(module, nullptr) << name;
        EXPECT_EQ(readString(module, 101), "Revenus");
        FreeLibrary(module);
    }
    EXPECT_EQ(LoadLibraryA((dir + "/absent").c_str()), nullptr);
}

TEST(StringTable, HandleOfAModuleIsFoundOnlyWhileTheProcessHoldsIt)
{
    EXPECT_EQ(GetModuleHandleA(kModulePath), nullptr);

    void* held = dlopen(kModulePath, RTLD_NOW);
    ASSERT_NE(held, nullptr);
    HMODULE module = GetModuleHandleA(kModulePath);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(readString(module, 101), "Revenus");
    dlclose(held);
    // Looking a module up takes no reference of its own.
    EXPECT_FALSE(loaderHolds(kModulePath));
}

TEST(StringTable, LibraryWithoutTableReadsNoString)
{
    HMODULE libc = GetModuleHandleA("libc.so.6");
    ASSERT_NE(libc, nullptr);
    EXPECT_EQ(readString(libc, 1), "");
}

TEST(StringTable, BadNamesAndNullHandlesGiveNothing)
{
    EXPECT_EQ(GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(GetModuleHandleA(""), nullptr);
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
    EXPECT_EQ(LoadLibraryA(""), nullptr);
    EXPECT_EQ(LoadLibraryA("wizard-no-such-module"), nullptr);
    EXPECT_FALSE(FreeLibrary(nullptr));
    EXPECT_EQ(readString(nullptr, 1), "");
}

TEST(StringTable, RegisteredTableIsAModuleTheProcessHolds)
{
    RegisterStringTable("StringTableTest.Ecrans", kTitles);
    HMODULE held = GetModuleHandleA("StringTableTest.Ecrans");
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(readString(held, 2), "Charges d\xE9"
                                   "ductibles");
    EXPECT_EQ(readString(held, 3), "");
    // Loading and freeing a registered module leaves it registered.
    HMODULE loaded = LoadLibraryA("StringTableTest.Ecrans");
    EXPECT_EQ(loaded, held);
    EXPECT_TRUE(FreeLibrary(loaded));
    EXPECT_EQ(readString(held, 1), "Situation de famille");

    RegisterStringTable("StringTableTest.Ecrans", kOtherTitles);
    EXPECT_EQ(readString(GetModuleHandleA("StringTableTest.Ecrans"), 1), "Autre");

    UnregisterStringTable("StringTableTest.Ecrans");
    EXPECT_EQ(GetModuleHandleA("StringTableTest.Ecrans"), nullptr);
    // A handle kept past the registration reads nothing, and freeing it is harmless.
    EXPECT_EQ(readString(held, 1), "");
    EXPECT_TRUE(FreeLibrary(held));
}
