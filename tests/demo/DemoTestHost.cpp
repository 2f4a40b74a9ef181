#include "DemoTestHost.h"

#include "TDialoguePersonne.h"
#include "TFichierDeclaration.h"
#include "TPrAssistantRevenus.h"
#include "TViewRevenus.h"
#include "TVisiteGuidee.h"

#include "flow/TCinematicManagerAbstract.h"
#include "presenter/TPrEcranVCL.h"
#include "presenter/TPrManagementButtons.h"
#include "view/TViewManagementButtons.h"

#include "DesktopMetrics.h"
#include "TcxKelButton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace demotest {

TAssistantRevenus::Options Options(const std::string& fichier)
{
    return {.fichierDeclaration = fichier,
            .moduleTitres = WIZARD_DEMO_TITLES,
            .fichierReprise = {},
            .fichierDemande = false};
}

TAssistantRevenus::Issue Execute(TAssistantRevenus& assistant, const std::function<void()>& pendant)
{
    QTimer garde;
    garde.setSingleShot(true);
    QObject::connect(&garde, &QTimer::timeout, [&assistant] {
        ADD_FAILURE() << "the wizard did not close";
        if (TViewManagementButtons* barre = Barre(assistant)) {
            barre->getPresenter()->Cancel();
            barre->window()->close();
        }
    });
    garde.start(60000);
    QTimer::singleShot(0, [&assistant, pendant] {
        // The wizard's window takes the focus first, as on a desktop.
        if (TPrAssistantRevenus* racine = assistant.getRacine()) {
            QApplication::setActiveWindow(racine->getView());
            QApplication::processEvents();
        }
        pendant();
    });
    return assistant.Execute();
}

namespace {

template <class Fils>
Fils* FilsDe(TAssistantRevenus& assistant)
{
    if (TPrAssistantRevenus* racine = assistant.getRacine()) {
        for (TPrComposite* fils : racine->getFils()) {
            if (auto* trouve = dynamic_cast<Fils*>(fils))
                return trouve;
        }
    }
    return nullptr;
}

} // namespace

TViewManagementButtons* Barre(TAssistantRevenus& assistant)
{
    auto* boutons = FilsDe<TPrManagementButtons>(assistant);
    return boutons ? qobject_cast<TViewManagementButtons*>(boutons->getView()) : nullptr;
}

int EcranActif(TAssistantRevenus& assistant)
{
    TPrAssistantRevenus* racine = assistant.getRacine();
    return racine ? racine->getCinematicManager()->getEnumEcranActif() : -1;
}

TViewRevenus* Ecran(TAssistantRevenus& assistant)
{
    auto* ecran = FilsDe<TPrEcranVCL>(assistant);
    return ecran ? qobject_cast<TViewRevenus*>(ecran->getViewEcran()) : nullptr;
}

void Suivant(TAssistantRevenus& assistant)
{
    if (TViewManagementButtons* barre = Barre(assistant))
        barre->PB_SUIVANT->Click();
}

void Annule(TAssistantRevenus& assistant)
{
    if (TViewManagementButtons* barre = Barre(assistant))
        barre->IDCANCEL_->Click();
}

bool VaA(TAssistantRevenus& assistant, int ecran)
{
    for (int i = 0; i < 10 && EcranActif(assistant) != ecran; ++i)
        Suivant(assistant);
    return EcranActif(assistant) == ecran;
}

void Tape(QWidget* champ, const QString& texte)
{
    // After what the field holds, as a click at its end would put it.
    champ->setFocus(Qt::MouseFocusReason);
    if (auto* ligne = qobject_cast<QLineEdit*>(champ))
        ligne->end(false);
    for (const QChar c : texte) {
        const int touche = c.unicode() < 0x7F ? c.toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, QString(c));
        QApplication::sendEvent(champ, &appui);
        QKeyEvent relache(QEvent::KeyRelease, touche, Qt::NoModifier, QString(c));
        QApplication::sendEvent(champ, &relache);
    }
}

void SurEditeur(const std::function<void(TDialoguePersonne*)>& action)
{
    QTimer::singleShot(0, [action] {
        for (QWidget* fenetre : QApplication::topLevelWidgets()) {
            auto* dialogue = qobject_cast<TDialoguePersonne*>(fenetre);
            if (dialogue && dialogue->isVisible())
                action(dialogue);
        }
    });
}

std::string Fr(std::string_view utf8)
{
    std::string texte;
    for (const QChar c : QString::fromUtf8(utf8.data(), qsizetype(utf8.size())))
        texte += c == u'~' ? '\xA0' : c == QChar(0x20AC) ? '\x80' : char(c.unicode());
    return texte;
}

void PrepareQtUneFois()
{
    static bool fait = false;
    if (fait)
        return;
    fait = true;
    // The sample's own tour meets everything the tests meet: message boxes, the element
    // editor, keys through the shortcut map, a print.
    QTemporaryDir dossier;
    std::ostringstream rapport;
    TVisiteGuidee(dossier.path().toStdString(), rapport).Execute(Options(std::string()));
    flushQtEvents();
}

void DemoTest::SetUp()
{
    PrepareQtUneFois();
    SetDesktopSizeOverride(1280, 1024);
    QtLeakCheckedTest::SetUp();
}

void DemoTest::TearDown()
{
    QtLeakCheckedTest::TearDown();
    SetDesktopSizeOverride(0, 0);
}

TDeclarationRevenus With(TDeclarationRevenus declaration,
                         const std::vector<std::pair<int, std::string>>& valeurs)
{
    for (const auto& [lettrage, valeur] : valeurs)
        declaration.SetValeur(lettrage, valeur);
    return declaration;
}

std::string Cite(const std::string& chemin)
{
    return Fr("«~") + TFichierDeclaration::CheminAffiche(chemin) + Fr("~»");
}

std::string Contenu(const std::string& chemin)
{
    std::ifstream fichier(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(fichier), {});
}

std::string Dossier::Chemin(const std::string& nom) const
{
    return (std::filesystem::path(m_dossier.path().toStdString()) / nom).string();
}

std::string Dossier::Ecrit(const std::string& nom, const std::string& contenu) const
{
    std::ofstream(Chemin(nom), std::ios::binary) << contenu;
    return Chemin(nom);
}

} // namespace demotest
