#pragma once

// What the sample's tests share: the options of a sample run in a folder, the real wizard
// window driven from inside its modal loop, and the widgets of the screen it shows.

#include "TAssistantRevenus.h"

#include "QtLeakCheck.h"

#include <QTemporaryDir>

#include <functional>
#include <string>

class TDialoguePersonne;
class TViewManagementButtons;
class TViewRevenus;

namespace demotest {

// The options of a run whose declaration file is `fichier`, with the sample's title module.
TAssistantRevenus::Options Options(const std::string& fichier);

// Runs the wizard of `assistant`; `pendant` runs from inside its modal loop and must close it.
// A watchdog abandons a wizard that would never close, failing the test instead of hanging.
TAssistantRevenus::Issue Execute(TAssistantRevenus& assistant,
                                 const std::function<void()>& pendant);

// The running wizard's buttons bar, active screen and screen view (null when none).
TViewManagementButtons* Barre(TAssistantRevenus& assistant);
int EcranActif(TAssistantRevenus& assistant);
TViewRevenus* Ecran(TAssistantRevenus& assistant);
template <class Vue>
Vue* EcranDe(TAssistantRevenus& assistant)
{
    return qobject_cast<Vue*>(Ecran(assistant));
}

// Clicks "Suivant >" / "Annuler" of the running wizard; "Suivant >" until `ecran` is shown.
void Suivant(TAssistantRevenus& assistant);
void Annule(TAssistantRevenus& assistant);
bool VaA(TAssistantRevenus& assistant, int ecran);

// Types `texte` into `champ` with key events, as a user does.
void Tape(QWidget* champ, const QString& texte);

// Runs `action` on the dependant's editor that the next modal step opens.
void SurEditeur(const std::function<void(TDialoguePersonne*)>& action);

// A Windows-1252 text, written here in UTF-8 to be read; "~" stands for a no-break space.
std::string Fr(std::string_view utf8);

// Runs once per process what Qt builds lazily the first time (a modal wizard, a print, the
// element editor), so that the leak checks count only the tests' own objects.
void PrepareQtUneFois();

// `declaration` with `valeurs` typed into its letters.
TDeclarationRevenus With(TDeclarationRevenus declaration,
                         const std::vector<std::pair<int, std::string>>& valeurs);

// A path as the sample's messages quote it, between French quotes.
std::string Cite(const std::string& chemin);

// What a file holds, byte for byte.
std::string Contenu(const std::string& chemin);

// A folder of the test's own, and files written in it.
class Dossier
{
protected:
    std::string Chemin(const std::string& nom) const;
    std::string Ecrit(const std::string& nom, const std::string& contenu) const;

    QTemporaryDir m_dossier;
};

// A fixture with a desktop of a fixed size and a folder of its own.
class DemoTest : public QtLeakCheckedTest, protected Dossier
{
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace demotest
