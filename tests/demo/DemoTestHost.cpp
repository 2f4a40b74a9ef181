#include "DemoTestHost.h"

#include "Revenus.h"
#include "TDialoguePersonne.h"
#include "TImpressionDeclaration.h"
#include "TModeleRevenus.h"
#include "TPrAssistantRevenus.h"
#include "TViewPersonnesACharge.h"
#include "TViewRevenus.h"
#include "TcxKelTreeList.h"

#include "flow/TCinematicManagerAbstract.h"
#include "presenter/TPrEcranVCL.h"
#include "presenter/TPrManagementButtons.h"
#include "view/TViewManagementButtons.h"

#include "DesktopMetrics.h"
#include "QtLeakCheck.h"
#include "ScriptedDialogs.h"
#include "TAction.h"
#include "TEdit.h"
#include "TcxKelButton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace demotest {

TAssistantRevenus::Options Options(const std::string& fichier)
{
    TAssistantRevenus::Options options;
    options.fichierDeclaration = fichier;
    options.moduleTitres = WIZARD_DEMO_TITLES;
    return options;
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

TViewManagementButtons* Barre(TAssistantRevenus& assistant)
{
    TPrAssistantRevenus* racine = assistant.getRacine();
    if (!racine)
        return nullptr;
    for (TPrComposite* fils : racine->getFils()) {
        if (auto* boutons = dynamic_cast<TPrManagementButtons*>(fils))
            return qobject_cast<TViewManagementButtons*>(boutons->getView());
    }
    return nullptr;
}

int EcranActif(TAssistantRevenus& assistant)
{
    TPrAssistantRevenus* racine = assistant.getRacine();
    return racine ? racine->getCinematicManager()->getEnumEcranActif() : -1;
}

TViewRevenus* Ecran(TAssistantRevenus& assistant)
{
    TPrAssistantRevenus* racine = assistant.getRacine();
    if (!racine)
        return nullptr;
    for (TPrComposite* fils : racine->getFils()) {
        if (auto* ecran = dynamic_cast<TPrEcranVCL*>(fils))
            return qobject_cast<TViewRevenus*>(ecran->getViewEcran());
    }
    return nullptr;
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

void Tape(QWidget* champ, const QString& texte)
{
    if (!champ)
        return;
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

void PrepareQtUneFois()
{
    static bool fait = false;
    if (fait)
        return;
    fait = true;
    SetDesktopSizeOverride(1280, 1024);
    QTemporaryDir dossier;
    {
        ScriptedDialogs dialogues;
        TAssistantRevenus assistant(Options((dossier.path() + "/d.txt").toStdString()));
        Execute(assistant, [&assistant] {
            Suivant(assistant);
            Suivant(assistant); // the declarant has no name: a message box
            if (auto* ecran = Ecran(assistant)) {
                Tape(ecran->focusWidget(), QStringLiteral("a")); // the first key typed
                QTest::keyClick(ecran, Qt::Key_F12);             // and one through the shortcut map
            }
            Annule(assistant);
        });
        // Finishing a blank declaration is refused (its errors): then abandoned.
        Execute(assistant, [&assistant] {
            Barre(assistant)->IDOK_->Click();
            Annule(assistant);
        });

        // The list of dependants and its element editor.
        TDeclarationRevenus declaration;
        declaration.SetValeur(revenus::kNom, "Martin");
        declaration.SetValeur(revenus::kSituationFamille, "1");
        declaration.SetValeur(revenus::kACharge, "1");
        assistant.getModele().SetDeclaration(declaration);
        Execute(assistant, [&assistant] {
            for (int i = 0; i < 6 && EcranActif(assistant) != revenus::kEcranPersonnes; ++i)
                Suivant(assistant);
            auto* vue = EcranDe<TViewPersonnesACharge>(assistant);
            if (vue) {
                QTimer::singleShot(0, [] {
                    for (QWidget* fenetre : QApplication::topLevelWidgets()) {
                        if (auto* dialogue = qobject_cast<TDialoguePersonne*>(fenetre)) {
                            Tape(dialogue->EditPrenom, QStringLiteral("Hugo"));
                            Tape(dialogue->EditAnnee, QStringLiteral("2019"));
                            dialogue->ButtonOk->Click();
                        }
                    }
                });
                vue->ACT_Ajouter->Execute();
                // The first key in a shown window makes Qt build its key mapper.
                QKeyEvent suppr(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
                QApplication::sendEvent(vue->ListePersonnes, &suppr);
            }
            Annule(assistant);
        });
        TImpressionDeclaration().Imprime(assistant.getModele(),
                                         (dossier.path() + "/d.pdf").toStdString());
    }
    flushQtEvents();
    SetDesktopSizeOverride(0, 0);
}

} // namespace demotest
