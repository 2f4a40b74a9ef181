#include "qlettre.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <unordered_map>

namespace {

// A screen looks every one of its letters up at each refresh: walking the list for each would
// make a screen of a thousand fields quadratic. Lists from this length on get an index from
// lettrage to letter, kept beside the list and keyed by its head; shorter ones are walked.
//
// The screen view renumbers letters by writing their lettrage directly, so the index may be
// behind the list: a hit is used only when the letter still carries the lettrage looked up;
// anything else walks the list and, when the walk shows the index wrong, rebuilds it.
constexpr std::size_t kIndexFrom = 16;

struct LetterIndex
{
    std::unordered_map<short, structLettre*> first; // the first letter seen with each lettrage
    structLettre* last = nullptr;                   // a letter at or near the end of the list
};

// Letters are freed only with their whole list (LibereLettre), which drops the indexes of the
// list; so the letters an index points to stay valid as long as it exists.
std::unordered_map<const structLettre*, LetterIndex>& Indexes()
{
    static std::unordered_map<const structLettre*, LetterIndex> indexes;
    return indexes;
}

void Rebuild(LetterIndex& index, structLettre* tete)
{
    index.first.clear();
    structLettre* lettre = tete;
    for (; lettre->suivante; lettre = lettre->suivante)
        index.first.try_emplace(lettre->lettrage, lettre);
    index.first.try_emplace(lettre->lettrage, lettre);
    index.last = lettre;
}

structLettre* Walk(structLettre* tete, short lettrage, std::size_t& walked)
{
    walked = 0;
    for (structLettre* lettre = tete; lettre; lettre = lettre->suivante, ++walked) {
        if (lettre->lettrage == lettrage)
            return lettre;
    }
    return nullptr;
}

// Walks to the last link of a list so that new records are appended.
template <typename Record, typename Next>
Record** lastLink(Record** tete, Next next)
{
    Record** link = tete;
    while (*link)
        link = &((*link)->*next);
    return link;
}

// A malloc'd copy; `ok` is false only when memory ran out (a null text copies to null).
char* copyText(const char* texte, bool& ok)
{
    ok = true;
    if (!texte)
        return nullptr;
    const std::size_t size = std::strlen(texte) + 1;
    char* copy = static_cast<char*>(std::malloc(size));
    if (!copy) {
        ok = false;
        return nullptr;
    }
    std::memcpy(copy, texte, size);
    return copy;
}

} // namespace

extern "C" {

structLettre* AjouteLettre(structLettre** tete, short lettrage, short format, short occurrence,
                           short groupe, short selection, short options)
{
    if (!tete)
        return nullptr;
    auto* lettre = static_cast<structLettre*>(std::calloc(1, sizeof(structLettre)));
    if (!lettre)
        return nullptr;
    lettre->select = selection;
    lettre->lettrage = lettrage;
    lettre->valeur = nullptr;
    lettre->format = format;
    lettre->occurrence = occurrence;
    lettre->groupe = groupe;
    lettre->options = options;
    lettre->suivante = nullptr;
    if (!*tete) {
        *tete = lettre;
        return lettre;
    }
    auto& indexes = Indexes();
    const auto found = indexes.find(*tete);
    if (found != indexes.end()) {
        LetterIndex& index = found->second;
        structLettre* last = index.last; // another head of the same list may have added after
        while (last->suivante)
            last = last->suivante;
        last->suivante = lettre;
        index.last = lettre;
        index.first.try_emplace(lettrage, lettre);
        return lettre;
    }
    std::size_t length = 1;
    structLettre* last = *tete;
    for (; last->suivante; last = last->suivante)
        ++length;
    last->suivante = lettre;
    if (length + 1 >= kIndexFrom)
        Rebuild(indexes[*tete], *tete);
    return lettre;
}

structLettre* TrouveLettre(int lettrage, structLettre* tete)
{
    if (!tete || lettrage < std::numeric_limits<short>::min() ||
        lettrage > std::numeric_limits<short>::max())
        return nullptr;
    const auto code = static_cast<short>(lettrage);
    auto& indexes = Indexes();
    const auto found = indexes.find(tete);
    if (found == indexes.end()) {
        std::size_t walked = 0;
        structLettre* lettre = Walk(tete, code, walked);
        if (walked >= kIndexFrom)
            Rebuild(indexes[tete], tete);
        return lettre;
    }
    LetterIndex& index = found->second;
    const auto hit = index.first.find(code);
    if (hit != index.first.end() && hit->second->lettrage == code)
        return hit->second;
    // Not in the index, or renumbered since: only the list knows.
    std::size_t walked = 0;
    structLettre* lettre = Walk(tete, code, walked);
    if (lettre || hit != index.first.end())
        Rebuild(index, tete);
    return lettre;
}

void LibereLettre(structLettre** tete)
{
    if (!tete)
        return;
    auto& indexes = Indexes();
    structLettre* lettre = *tete;
    while (lettre) {
        structLettre* suivante = lettre->suivante;
        if (!indexes.empty())
            indexes.erase(lettre);
        std::free(lettre->valeur);
        std::free(lettre);
        lettre = suivante;
    }
    *tete = nullptr;
}

structLettre* VaPremiereLettre(structLettre* tete)
{
    return tete;
}

structLettre* VaLettreSuivante(structLettre* lettre)
{
    return lettre ? lettre->suivante : nullptr;
}

short FinListeLettre(structLettre* lettre)
{
    return lettre == nullptr ? 1 : 0;
}

int MetValeurLettre(structLettre* lettre, const char* valeur)
{
    if (!lettre)
        return 0;
    bool ok = true;
    char* copy = copyText(valeur, ok);
    if (!ok)
        return 0;
    std::free(lettre->valeur);
    lettre->valeur = copy;
    return 1;
}

const char* LitValeurLettre(const structLettre* lettre)
{
    return lettre ? lettre->valeur : nullptr;
}

void MetSelectionLettre(structLettre* lettre, short select)
{
    if (lettre)
        lettre->select = select;
}

structMessage* AjouteMessage(structMessage** tete, short lettrage, short type, const char* texte)
{
    if (!tete)
        return nullptr;
    bool ok = true;
    char* copy = copyText(texte, ok);
    if (!ok)
        return nullptr;
    auto* message = static_cast<structMessage*>(std::calloc(1, sizeof(structMessage)));
    if (!message) {
        std::free(copy);
        return nullptr;
    }
    message->lettrage = lettrage;
    message->type = type;
    message->texte = copy;
    message->suivant = nullptr;
    *lastLink(tete, &structMessage::suivant) = message;
    return message;
}

const char* LitTexteMessage(const structMessage* message)
{
    return message ? message->texte : nullptr;
}

structMessage* VaPremierMessage(structMessage* tete)
{
    return tete;
}

structMessage* VaMessageSuivant(structMessage* message)
{
    return message ? message->suivant : nullptr;
}

short FinListeMessage(structMessage* message)
{
    return message == nullptr ? 1 : 0;
}

void LibereListeMessage(structMessage** tete)
{
    if (!tete)
        return;
    structMessage* message = *tete;
    while (message) {
        structMessage* suivant = message->suivant;
        std::free(message->texte);
        std::free(message);
        message = suivant;
    }
    *tete = nullptr;
}

char* DupliqueTexte(const char* texte)
{
    bool ok = true;
    return copyText(texte, ok);
}

void LibereTexteMessage(char** texte)
{
    if (!texte)
        return;
    std::free(*texte);
    *texte = nullptr;
}

} // extern "C"
