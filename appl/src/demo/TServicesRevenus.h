#pragma once

// The services of the buttons bar: print the declaration to a PDF file, import a declaration
// file, re-initialise the declaration totally or partially. Each one that changes the
// declaration brings the whole wizard up to date: the flow (screens on and off), then every
// presenter and view.
//
// Files are chosen through one replaceable function (choixFichier): the desktop's file
// dialogs by default, a scripted answer in tests and in the guided tour. Messages go through
// the toolkit's dialog seam.

#include <functional>
#include <string>

class TModeleRevenus;
class TPrBaseForm;

class TServicesRevenus
{
public:
    enum class Operation
    {
        Imprimer,   // choose the PDF file to write
        Importer,   // choose the declaration file to read
        Enregistrer // choose where to save the declaration
    };
    // Answers the chosen file (UTF-8), or an empty text when the user cancelled. `proposition`
    // is the file offered first.
    using ChoixFichier =
        std::function<std::string(Operation operation, const std::string& proposition)>;

    // `modele` (not owned) is the declaration the services work on.
    explicit TServicesRevenus(TModeleRevenus* modele = nullptr);
    TServicesRevenus(const TServicesRevenus&) = default;
    TServicesRevenus& operator=(const TServicesRevenus&) = default;
    virtual ~TServicesRevenus();
    // Same model and same wizard (the choosers cannot be compared).
    bool operator==(const TServicesRevenus& other) const;

    // The wizard to bring up to date after a change; null outside a running wizard.
    void SetRacine(TPrBaseForm* racine) { m_racine = racine; }
    TPrBaseForm* GetRacine() const { return m_racine; }

    // Asks for a PDF file and prints the declaration into it; says where, or why not.
    bool Imprime();
    // Asks for a declaration file and reads it. A file that cannot be read is explained and
    // leaves the declaration as it was.
    bool Importe();
    // Reads `chemin` as Importe does, without asking.
    bool ImporteFichier(const std::string& chemin);
    // After confirmation, a blank declaration / the amounts back to blank.
    bool ReinitialiseTotalement();
    bool ReinitialisePartiellement();
    // The flow and every presenter follow the declaration.
    void Rafraichit();

    ChoixFichier choixFichier;
    // Folder offered for the printed declaration (UTF-8); the working folder when empty.
    std::string dossierImpression;
    // The last PDF file printed.
    const std::string& GetDernierPdf() const { return m_dernierPdf; }

    // The desktop's file dialogs.
    static std::string ChoixParDialogue(Operation operation, const std::string& proposition);

private:
    TModeleRevenus* m_modele = nullptr; // not owned
    TPrBaseForm* m_racine = nullptr;    // not owned
    std::string m_dernierPdf;
};
