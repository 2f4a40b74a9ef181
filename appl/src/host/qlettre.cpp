#include "qlettre.h"

#include <cstdlib>
#include <cstring>

namespace {

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
    *lastLink(tete, &structLettre::suivante) = lettre;
    return lettre;
}

structLettre* TrouveLettre(int lettrage, structLettre* tete)
{
    for (structLettre* lettre = tete; lettre; lettre = lettre->suivante) {
        if (lettre->lettrage == lettrage)
            return lettre;
    }
    return nullptr;
}

void LibereLettre(structLettre** tete)
{
    if (!tete)
        return;
    structLettre* lettre = *tete;
    while (lettre) {
        structLettre* suivante = lettre->suivante;
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
