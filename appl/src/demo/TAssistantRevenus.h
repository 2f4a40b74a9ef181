#pragma once

// The sample host application: it owns the declaration's model, the command invoker, the
// general information and the services; it opens the declaration file at start, builds the
// wizard's presenter tree as any host does, runs it and reads the outcome from the root's
// report once Execute has returned.
//
// Nothing typed is lost: when the user finishes, the whole declaration is checked and saved
// while the window is still open; a failed save says why and offers to try again, to save
// elsewhere or to go back to the wizard. After each screen change a recovery copy of a changed
// declaration is kept; the next start offers it when it is newer than the declaration.
//
// Each Execute builds a new wizard (a wizard window frees itself when it closes); the
// declaration lives across runs.

#include "TInfoGene.h"

#include "TDeclarationRevenus.h"

#include <memory>
#include <optional>
#include <string>

class TMgtModelInvoker;
class TModeleRevenus;
class TPrAssistantRevenus;
class TServicesRevenus;

class TAssistantRevenus
{
public:
    struct Options
    {
        // Where the declaration is kept between runs (UTF-8).
        std::string fichierDeclaration;
        // The title module (see StringTable.h for how the name is found).
        std::string moduleTitres;
        // The recovery copy (UTF-8); none when empty.
        std::string fichierReprise;
        // The user named the declaration file: a missing one is announced as new.
        bool fichierDemande = false;

        bool operator==(const Options&) const = default;
    };

    // How the last run ended, read from the root's report.
    struct Issue
    {
        bool termine = false;    // finished (user action 0), otherwise abandoned
        bool modifie = false;    // the user changed the declaration
        bool enregistre = false; // the declaration was saved
        std::string message;     // what happened, in French (Windows-1252)

        bool operator==(const Issue&) const = default;
    };

    // The product's name, caption of every message box.
    static constexpr const char* kProduit = "Kelmar Revenus";

    explicit TAssistantRevenus(Options options);
    // A copy is another host over the same options and a copy of the declaration; it runs its
    // own wizards (a running wizard is never shared).
    TAssistantRevenus(const TAssistantRevenus& other);
    TAssistantRevenus& operator=(const TAssistantRevenus& other);
    ~TAssistantRevenus();
    // Same options and same declaration.
    bool operator==(const TAssistantRevenus& other) const;

    // Opens the declaration file of the options. No file yet is a first run: a blank
    // declaration, silently unless the user named the file. A file that cannot be read is
    // explained; the wizard then starts on a blank declaration, and a regular file is kept
    // aside (".illisible") before the next save. Then offers a recovery copy newer than the
    // declaration.
    bool OuvreAuDemarrage();
    // Opens `chemin`; a file that cannot be read is explained and changes nothing.
    bool OuvreDeclaration(const std::string& chemin);
    // Saves the declaration to the file of the options; a failure is explained.
    bool EnregistreDeclaration();
    // What finishing does, the window still open: checks the whole declaration (errors
    // block and offer to go to the field, warnings ask), saves it, on failure offers to try
    // again, to save elsewhere or to go back; says where it was saved. False: back to the
    // wizard.
    bool Termine();
    // Keeps the declaration in the recovery copy when it differs from the one found at start.
    void SauveReprise();

    // Builds the wizard, runs it until its window closes, reads the outcome and saves the
    // declaration when the user finished.
    Issue Execute();

    // The running wizard; null outside Execute.
    TPrAssistantRevenus* getRacine() const { return m_racine.get(); }
    TModeleRevenus& getModele() { return *m_modele; }
    const TModeleRevenus& getModele() const { return *m_modele; }
    TServicesRevenus& getServices() { return *m_services; }
    TInfoGene& getInfoGene() { return m_info; }
    const Options& getOptions() const { return m_options; }

private:
    Options m_options;
    TInfoGene m_info;
    std::unique_ptr<TModeleRevenus> m_modele;
    std::unique_ptr<TMgtModelInvoker> m_invoker;
    std::unique_ptr<TServicesRevenus> m_services;
    std::unique_ptr<TPrAssistantRevenus> m_racine;
    bool Enregistre(std::string& erreur);
    bool ControleAvantFin();
    void OffreReprise();

    bool m_fichierIllisible = false; // the file found at start could not be read
    bool m_enregistre = false;       // Termine saved the declaration
    // The declaration on disk when a recovery copy was taken up at start.
    std::optional<TDeclarationRevenus> m_initialeReprise;
};
