#include "StringTable.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <list>
#include <string>
#include <vector>

// A registered table. Records are never erased, so a handle given out for one stays a valid
// address after UnregisterStringTable (it then reads nothing).
struct WizardModule
{
    std::string name;
    const WizardStringTableEntry* table;
};

namespace {

std::list<WizardModule>& registry()
{
    static std::list<WizardModule> modules;
    return modules;
}

WizardModule* findRegistered(const std::string& name)
{
    for (WizardModule& module : registry()) {
        if (module.name == name)
            return &module;
    }
    return nullptr;
}

bool isRegistered(HMODULE handle)
{
    return std::any_of(registry().begin(), registry().end(),
                       [handle](const WizardModule& module) { return &module == handle; });
}

bool endsWithNoCase(const std::string& text, const char* suffix)
{
    const std::size_t length = std::strlen(suffix);
    if (text.size() < length)
        return false;
    for (std::size_t i = 0; i < length; ++i) {
        if (std::tolower(static_cast<unsigned char>(text[text.size() - length + i])) !=
            std::tolower(static_cast<unsigned char>(suffix[i])))
            return false;
    }
    return true;
}

// The file names tried for a module name, in order: the name itself, then "lib<name>.so".
std::vector<std::string> candidateNames(const char* moduleName)
{
    std::vector<std::string> names;
    if (moduleName == nullptr || *moduleName == '\0')
        return names; // dlopen would answer the main program for an empty name
    const std::string given(moduleName);
    names.push_back(given);

    const std::size_t slash = given.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : given.substr(0, slash + 1);
    std::string base = slash == std::string::npos ? given : given.substr(slash + 1);
    if (endsWithNoCase(base, ".dll"))
        base.resize(base.size() - 4);
    if (!base.empty() && !endsWithNoCase(base, ".so"))
        names.push_back(folder + "lib" + base + ".so");
    return names;
}

HMODULE fromLoader(void* handle)
{
    return static_cast<HMODULE>(handle);
}
void* toLoader(HMODULE module)
{
    return static_cast<void*>(module);
}

HMODULE registeredModule(const std::vector<std::string>& names)
{
    for (const std::string& name : names) {
        WizardModule* module = findRegistered(name);
        if (module != nullptr && module->table != nullptr)
            return module;
    }
    return nullptr;
}

HMODULE openLibrary(const std::vector<std::string>& names, int flags)
{
    for (const std::string& name : names) {
        if (void* handle = dlopen(name.c_str(), flags))
            return fromLoader(handle);
    }
    dlerror(); // leave no stale loader error behind for the host
    return nullptr;
}

} // namespace

HMODULE GetModuleHandleA(const char* moduleName)
{
    const std::vector<std::string> names = candidateNames(moduleName);
    if (HMODULE module = registeredModule(names))
        return module;
    HMODULE module = openLibrary(names, RTLD_LAZY | RTLD_NOLOAD);
    // RTLD_NOLOAD still counts a reference; give it back so that the handle, as on Windows,
    // lives only as long as its other holders keep the library.
    if (module != nullptr)
        dlclose(toLoader(module));
    return module;
}

HMODULE LoadLibraryA(const char* moduleName)
{
    const std::vector<std::string> names = candidateNames(moduleName);
    if (HMODULE module = registeredModule(names))
        return module;
    return openLibrary(names, RTLD_NOW | RTLD_LOCAL);
}

bool FreeLibrary(HMODULE module)
{
    if (module == nullptr)
        return false;
    if (isRegistered(module))
        return true;
    return dlclose(toLoader(module)) == 0;
}

int LoadStringA(HMODULE module, long id, char* buffer, int bufferMax)
{
    if (buffer == nullptr || bufferMax <= 0)
        return 0;
    buffer[0] = '\0';
    if (module == nullptr)
        return 0;

    const WizardStringTableEntry* table = nullptr;
    if (isRegistered(module)) {
        table = module->table;
    } else {
        table = static_cast<const WizardStringTableEntry*>(
            dlsym(toLoader(module), kWizardStringTableSymbol));
        if (table == nullptr)
            dlerror();
    }
    if (table == nullptr)
        return 0;

    for (const WizardStringTableEntry* entry = table; entry->text != nullptr; ++entry) {
        if (entry->id == id) {
            const std::size_t length =
                strnlen(entry->text, static_cast<std::size_t>(bufferMax) - 1);
            std::memcpy(buffer, entry->text, length);
            buffer[length] = '\0';
            return static_cast<int>(length);
        }
    }
    return 0;
}

void RegisterStringTable(const char* moduleName, const WizardStringTableEntry* table)
{
    if (moduleName == nullptr || *moduleName == '\0')
        return;
    if (WizardModule* module = findRegistered(moduleName))
        module->table = table;
    else
        registry().push_back({moduleName, table});
}

void UnregisterStringTable(const char* moduleName)
{
    if (moduleName == nullptr)
        return;
    if (WizardModule* module = findRegistered(moduleName))
        module->table = nullptr;
}
