#pragma once

// Module string tables, the Linux form of GetModuleHandleA, LoadLibraryA, LoadStringA and
// FreeLibrary. The wizard reads its screen titles through these four calls only.
//
// A title module is either
//  - a shared library that exports a table named `wizard_string_table` (declare it with
//    WIZARD_STRING_TABLE below), found by the dynamic loader, or
//  - a table registered in the process under a module name (RegisterStringTable or a
//    WizardStringTableRegistration object), for hosts that link their titles statically.
//
// Module names: a registered name matches as given. Otherwise the name is tried as given
// (a file name searched the loader's way, or a path), then as "lib<name>.so" in the same
// folder, with a trailing ".dll" dropped first: "Ecrans", "Ecrans.dll" and "dir/Ecrans" find
// "libEcrans.so" and "dir/libEcrans.so".
//
// Texts are Windows-1252 bytes. All calls belong to the user-interface thread.

#include "wizard_toolkit_export.h"

#include <cstddef>

extern "C" {
// One entry of a string table. A table ends with an entry whose text is null.
struct WizardStringTableEntry
{
    long id;
    const char* text;
};
}

// The closing entry of every table.
#define WIZARD_STRING_TABLE_END                                                                    \
    {                                                                                              \
        0, nullptr                                                                                 \
    }

// Defines the table that a title module exports, at namespace scope, once per module:
//   WIZARD_STRING_TABLE({100, "Identit\xE9"}, {101, "Revenus"})
#define WIZARD_STRING_TABLE(...)                                                                   \
    extern "C" __attribute__((visibility("default")))                                              \
    const WizardStringTableEntry wizard_string_table[] = {__VA_ARGS__, WIZARD_STRING_TABLE_END};

// Name of the symbol that WIZARD_STRING_TABLE defines.
inline constexpr const char* kWizardStringTableSymbol = "wizard_string_table";

// A module handle; null when there is none. Opaque: either a loader handle or a registered
// table.
struct WizardModule;
using HMODULE = WizardModule*;

// The module of that name if the process already holds it (a registered table, or a library
// already loaded); null otherwise. Loads nothing and takes no reference, as on Windows.
WIZARD_TOOLKIT_EXPORT HMODULE GetModuleHandleA(const char* moduleName);

// The module of that name, loading the library when it is not registered. Each non-null
// answer is released with FreeLibrary.
WIZARD_TOOLKIT_EXPORT HMODULE LoadLibraryA(const char* moduleName);

// Releases a module returned by LoadLibraryA; a registered table stays registered.
WIZARD_TOOLKIT_EXPORT bool FreeLibrary(HMODULE module);

// Copies the string `id` of the module's table into `buffer`: at most bufferMax - 1 bytes,
// always NUL-terminated (a longer text is cut). Returns the number of bytes copied; 0, with
// an empty buffer, when the module has no such string (an empty entry reads the same way, as in
// a Windows string table) or when the module is null.
WIZARD_TOOLKIT_EXPORT int LoadStringA(HMODULE module, long id, char* buffer, int bufferMax);

// Registers `table` (ending with WIZARD_STRING_TABLE_END) under `moduleName`, replacing any
// table registered under that name. The table is not copied: it must outlive its registration.
WIZARD_TOOLKIT_EXPORT void RegisterStringTable(const char* moduleName,
                                               const WizardStringTableEntry* table);
// Removes the registration; handles obtained for it then read no string.
WIZARD_TOOLKIT_EXPORT void UnregisterStringTable(const char* moduleName);
