#pragma once

// The letter store (the host's qlettre library): the declaration's data fields, or letters,
// and the messages of the checks, each held as a singly linked list walked only by the
// functions below. Plain C records and unmangled C functions, all called from the
// user-interface thread.
//
// Letter values and message texts are NUL-terminated Windows-1252 texts allocated with
// malloc: a caller may enlarge a value with realloc and overwrite it with strcpy, and must
// free what it replaces with free.

#include "wizard_host_export.h"

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct structLettre structLettre;
typedef struct structMessage structMessage;

// One letter of a list: a data field of the declaration as a screen shows it. The list owns
// its letters (LibereLettre frees them).
struct structLettre
{
    short select;   // 1: the letter may be entered (its control is enabled); other: may not
    short lettrage; // the letter's identifier
    char* valeur;   // the value, or null when the letter has none
    // The store's own fields.
    short format;     // as given to AjouteLettre, kept for the host
    short occurrence; // as given to AjouteLettre, kept for the host
    short groupe;     // as given to AjouteLettre, kept for the host
    short options;    // as given to AjouteLettre, kept for the host
    structLettre* suivante;
};

// One check message of a list made by the model. The list owns its messages
// (LibereListeMessage frees them).
struct structMessage
{
    short lettrage; // the letter concerned (the control to focus)
    short type;     // 1 error, 4 warning asking whether to modify the entry; others not shown
    // The store's own fields.
    char* texte; // the message text, or null
    structMessage* suivant;
};

// --- Letters ---

// Appends a letter at the end of the list whose head is at `tete` (so the list keeps the
// order in which a screen registers its controls) and returns it, with no value. The head
// is set when the list was empty. `selection` is the initial selection state (the framework
// passes 1); `format`, `occurrence`, `groupe` and `options` (the framework passes 0) are kept
// in the letter for the host. Returns null, adding nothing, when `tete` is null or memory
// runs out.
WIZARD_HOST_EXPORT structLettre* AjouteLettre(structLettre** tete, short lettrage, short format,
                                              short occurrence, short groupe, short selection,
                                              short options);

// The first letter of the list with that lettrage, or null (also for a lettrage that no
// 16-bit letter can carry). A long list is looked up through an index the store keeps beside
// it, in constant time; a lettrage the list lacks costs a walk. Letters whose lettrage was
// written directly (renumbered) are found under their new lettrage; should a renumbering give
// two letters the same lettrage, the one found may be either.
WIZARD_HOST_EXPORT structLettre* TrouveLettre(int lettrage, structLettre* tete);

// Frees every letter of the list and its value, and sets the head to null.
WIZARD_HOST_EXPORT void LibereLettre(structLettre** tete);

WIZARD_HOST_EXPORT structLettre* VaPremiereLettre(structLettre* tete);
// The letter after `lettre`; null after the last one (and for null).
WIZARD_HOST_EXPORT structLettre* VaLettreSuivante(structLettre* lettre);
// Non-zero when `lettre` is past the end of the list (null).
WIZARD_HOST_EXPORT short FinListeLettre(structLettre* lettre);

// Replaces the letter's value by a copy of `valeur` (null clears the value). Returns 0
// when memory runs out, the value being then left as it was; non-zero otherwise.
WIZARD_HOST_EXPORT int MetValeurLettre(structLettre* lettre, const char* valeur);
// The letter's value (null when it has none, or for a null letter).
WIZARD_HOST_EXPORT const char* LitValeurLettre(const structLettre* lettre);
// Sets the letter's selection state (1: may be entered).
WIZARD_HOST_EXPORT void MetSelectionLettre(structLettre* lettre, short select);

// --- Messages ---

// Appends a message with a copy of `texte` (null allowed) at the end of the list whose head
// is at `tete`, and returns it; null when `tete` is null or memory runs out.
WIZARD_HOST_EXPORT structMessage* AjouteMessage(structMessage** tete, short lettrage, short type,
                                                const char* texte);
// The message's text (null when it has none, or for a null message).
WIZARD_HOST_EXPORT const char* LitTexteMessage(const structMessage* message);

WIZARD_HOST_EXPORT structMessage* VaPremierMessage(structMessage* tete);
// The message after `message`; null after the last one (and for null).
WIZARD_HOST_EXPORT structMessage* VaMessageSuivant(structMessage* message);
// Non-zero when `message` is past the end of the list (null).
WIZARD_HOST_EXPORT short FinListeMessage(structMessage* message);

// Frees every message of the list and its text, and sets the head to null.
WIZARD_HOST_EXPORT void LibereListeMessage(structMessage** tete);

// A malloc'd copy of `texte` (null for null or when memory runs out), for instance the text
// a model hands out for display; freed with LibereTexteMessage.
WIZARD_HOST_EXPORT char* DupliqueTexte(const char* texte);
// Frees a text produced for display and sets the pointer to null.
WIZARD_HOST_EXPORT void LibereTexteMessage(char** texte);

#ifdef __cplusplus
} // extern "C"

static_assert(offsetof(structLettre, select) == 0);
static_assert(offsetof(structLettre, lettrage) == 2);
// The value pointer follows at its own alignment: offset 8 on 64-bit Linux, 4 on 32-bit.
static_assert(offsetof(structLettre, valeur) == alignof(char*));
static_assert(offsetof(structMessage, lettrage) == 0);
static_assert(offsetof(structMessage, type) == 2);
#endif
