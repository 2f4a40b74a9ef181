#pragma once

// The colour configuration (the host's qrtconfiguration library): one table of colours
// shared by the whole process. The wizard window takes its background from entry 1 and the
// management buttons their default-state colour from entry 7; a host may set any entry.
// One instance for the process (GetInstance), which owns it.

#include "wizard_host_export.h"

#include "TColor.h"

#include <array>

enum enumCouleurs
{
    couleurTexte = 0,             // text of the forms
    couleurFondAssistant = 1,     // background of the wizard window
    couleurFondSaisie = 2,        // background of the entry fields
    couleurSaisieObligatoire = 3, // background of the fields that must be entered
    couleurValeurCalculee = 4,    // text of computed values
    couleurErreur = 5,            // text of errors
    couleurAvertissement = 6,     // text of warnings
    couleurBoutons = 7,           // default state of the management buttons
    couleurTitre = 8,             // screen titles
    nbCouleurs
};

class WIZARD_HOST_EXPORT TSingletonCouleur
{
public:
    // The process-wide table, never null.
    static TSingletonCouleur* GetInstance();

    // An independent table with the default colours, e.g. to save and restore the shared one.
    TSingletonCouleur();
    TSingletonCouleur(const TSingletonCouleur& other);
    TSingletonCouleur& operator=(const TSingletonCouleur& other);
    bool operator==(const TSingletonCouleur& other) const;

    // The colour of an entry. An entry outside the table answers a spare slot holding
    // clBtnFace, so the pointer is always valid; writing through it changes no entry.
    TColor* getColors(enumCouleurs couleur);
    void setColors(enumCouleurs couleur, TColor valeur);

    // Back to the default colours.
    void resetColors();

    bool isInitialised() const { return m_initialised; }

private:
    friend void InitConfigcolors(TSingletonCouleur& couleurs);

    std::array<TColor, nbCouleurs> m_couleurs{};
    TColor m_horsTable = clBtnFace;
    bool m_initialised = false;
};

// Prepares the table before use. Called before each use; only the first call fills the
// defaults, so colours set by the host are kept.
WIZARD_HOST_EXPORT void InitConfigcolors(TSingletonCouleur& couleurs);
