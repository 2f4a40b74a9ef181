#pragma once

// The scripted tour of the sample: with no one at the keyboard, it runs the real wizard window
// on a fresh declaration, types into every screen, meets a blocking error and a warning that
// asks, adds two dependants through the element editor, filters the audit messages, prints
// the declaration to a PDF file, finishes, and saves a PNG picture of every screen. It then
// tells the outcome as the host reads it from the report.
//
// Its second run, at the keyboard, completes the same declaration with keys alone (Tab, arrows,
// Space, Return, Alt letters, F2), as a user who cannot use a mouse would, and checks that the
// focused field shows its focus mark.
//
// Everything goes into the tour's folder: the pictures (01-accueil.png...), the declaration
// file, the PDF and the trace. Dialogs are answered by the tour itself (through the toolkit's
// dialog seam), so that it never waits for anyone.

#include "TAssistantRevenus.h"
#include "TDeclarationRevenus.h"

#include <Qt>

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class QObject;
class QString;
class QWidget;
class TViewManagementButtons;
class TViewRevenus;

namespace DialogSeam {
enum class Answer;
struct Request;
} // namespace DialogSeam

class TVisiteGuidee
{
public:
    // What the tour did.
    struct Bilan
    {
        std::vector<std::string> captures; // the pictures written (UTF-8 paths), in order
        std::vector<std::string> messages; // the dialogs met (Windows-1252 texts), in order
        int erreurs = 0;                   // blocking errors met
        int avertissements = 0;            // warnings that asked
        std::vector<std::string> echecs;   // what did not go as the script expects
        TAssistantRevenus::Issue issue;
        TDeclarationRevenus declaration; // as the tour left it
        std::string fichierDeclaration;
        std::string fichierPdf;

        // The tour went to its end as expected and the declaration was saved.
        bool Reussi() const { return echecs.empty() && issue.termine && issue.enregistre; }
        bool operator==(const Bilan&) const = default;
    };

    // `dossier` (UTF-8) receives everything the tour makes; `sortie` the report (UTF-8).
    TVisiteGuidee(std::string dossier, std::ostream& sortie);
    // A copy takes the folder, the report's stream and what the tour did; it is not running.
    TVisiteGuidee(const TVisiteGuidee& other);
    // Takes the folder and what the tour did (the stream stays); nothing while running.
    TVisiteGuidee& operator=(const TVisiteGuidee& other);
    ~TVisiteGuidee();
    // Same folder and same outcome.
    bool operator==(const TVisiteGuidee& other) const;

    enum class Mode
    {
        Souris, // widgets clicked and typed into directly
        Clavier // keys alone, to whatever widget has the focus
    };

    // Runs the tour with `options` (its declaration file is the folder's, started afresh) and
    // prints its report. True when it succeeded.
    bool Execute(TAssistantRevenus::Options options, Mode mode = Mode::Souris);

    const Bilan& GetBilan() const { return m_bilan; }

private:
    using Etape = std::function<void()>;

    void Programme();
    void ProgrammeClavier();
    void Prochaine();
    DialogSeam::Answer Repond(const DialogSeam::Request& demande);

    // The wizard as the user sees it.
    int EcranActif() const;
    TViewRevenus* Ecran() const;
    template <class Vue>
    Vue* EcranDe(int ecran);
    TViewManagementButtons* Barre() const;
    QWidget* Fenetre() const;

    void Attendu(bool condition, const std::string& quoi);
    void Suivant();
    void Capture(const std::string& nom);
    static void Tape(QWidget* champ, const QString& texte);
    static void Remplace(QWidget* champ, const QString& texte);
    // At the keyboard: one key to the focused widget; Tab until `champ` has the focus; the
    // text typed key by key into the focused widget.
    static void Touche(int touche, Qt::KeyboardModifiers modificateurs = Qt::NoModifier);
    void TabVers(QWidget* champ);
    // Alt + `touche`, then what the button it presses does.
    void Mnemonique(int touche);
    // Runs `action`, then waits for what it does to the wizard (see Mnemonique).
    void AttendEffet(const std::function<void()>& action);
    static void Frappe(const QString& texte);
    // Whether the focused widget shows its focus mark in the window's picture.
    bool MarqueDuFocusVisible() const;
    // Arms the filling of the element editor that the next action opens.
    void RemplitDialogue(const QString& prenom, const QString& annee, bool gardeAlternee);
    void Rapport() const;

    std::string m_dossier;
    std::ostream& m_sortie;
    std::unique_ptr<TAssistantRevenus> m_assistant;
    std::unique_ptr<QObject> m_contexte; // owns the tour's timers
    std::vector<Etape> m_etapes;
    std::size_t m_etape = 0;
    Mode m_mode = Mode::Souris;
    std::vector<DialogSeam::Answer> m_reponsesOuiNon; // answers to the next questions
    Bilan m_bilan;
};
