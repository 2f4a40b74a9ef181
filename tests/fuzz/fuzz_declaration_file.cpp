// The sample's declaration file reader on any file content: it reads a declaration or refuses
// the file with a message, never more; what it reads is written back and read again unchanged.

#include "TDeclarationRevenus.h"
#include "TFichierDeclaration.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

const std::string& Path(const char* name)
{
    static const std::string folder = [] {
        std::string pattern = "/tmp/fuzz_declaration_XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        return pattern;
    }();
    static std::string path;
    path = folder + "/" + name;
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = Path("lue.decl");
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    TFichierDeclaration fichier(path);
    TDeclarationRevenus declaration;
    const TDeclarationRevenus blank = declaration;
    if (!fichier.Lit(declaration)) {
        if (fichier.MessageErreur().empty() || !(declaration == blank))
            std::abort();
        return 0;
    }
    TFichierDeclaration copie(Path("ecrite.decl"));
    TDeclarationRevenus relue;
    if (!copie.Ecrit(declaration) || !copie.Lit(relue) || !(relue == declaration))
        std::abort();
    return 0;
}
