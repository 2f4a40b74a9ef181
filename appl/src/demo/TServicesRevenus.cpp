#include "TServicesRevenus.h"

#include "TDeclarationRevenus.h"
#include "TFichierDeclaration.h"
#include "TImpressionDeclaration.h"
#include "TModeleRevenus.h"

#include "flow/TCinematicManagerAbstract.h"
#include "flow/TScreenInformation.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TVisitorMajCinematique.h"

#include "Cp1252.h"
#include "MessageDlg.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QString>

#include <filesystem>

namespace {

std::string Quote(const std::string& chemin)
{
    return "\xAB\xA0" + TFichierDeclaration::CheminAffiche(chemin) + "\xA0\xBB";
}

bool Confirme(const std::string& question)
{
    return MessageDlg(question, mtConfirmation, mbOKCancel, 0) == mrOk;
}

} // namespace

TServicesRevenus::TServicesRevenus(TModeleRevenus* modele)
    : choixFichier(&TServicesRevenus::ChoixParDialogue), m_modele(modele)
{}

TServicesRevenus::~TServicesRevenus() = default;

bool TServicesRevenus::operator==(const TServicesRevenus& other) const
{
    return m_modele == other.m_modele && m_racine == other.m_racine &&
           dossierImpression == other.dossierImpression;
}

std::string TServicesRevenus::ChoixParDialogue(Operation operation, const std::string& proposition)
{
    const QString depart = QString::fromStdString(proposition);
    QWidget* fenetre = QApplication::activeWindow();
    QString choisi;
    switch (operation) {
    case Operation::Imprimer:
        choisi =
            QFileDialog::getSaveFileName(fenetre, QStringLiteral("Imprimer la d\u00e9claration"),
                                         depart, QStringLiteral("Documents PDF (*.pdf)"));
        break;
    case Operation::Importer:
        choisi = QFileDialog::getOpenFileName(
            fenetre, QStringLiteral("Importer une d\u00e9claration"), depart,
            QStringLiteral("D\u00e9clarations (*.txt);;Tous les fichiers (*)"));
        break;
    case Operation::Enregistrer:
        choisi = QFileDialog::getSaveFileName(
            fenetre, QStringLiteral("Enregistrer la d\u00e9claration"), depart,
            QStringLiteral("D\u00e9clarations (*.txt);;Tous les fichiers (*)"));
        break;
    }
    return choisi.toStdString();
}

bool TServicesRevenus::Imprime()
{
    if (!m_modele || !choixFichier)
        return false;
    const std::filesystem::path dossier =
        dossierImpression.empty() ? std::filesystem::path(QDir::currentPath().toStdString())
                                  : std::filesystem::path(dossierImpression);
    const std::string chemin =
        choixFichier(Operation::Imprimer, (dossier / "declaration-revenus-2024.pdf").string());
    if (chemin.empty())
        return false;
    if (!TImpressionDeclaration().Imprime(*m_modele, chemin)) {
        MessageDlg("Impossible d'imprimer la d\xE9"
                   "claration dans " +
                       Quote(chemin) +
                       " : le dossier n'existe pas ou n'est pas accessible en \xE9"
                       "criture.",
                   mtError, mbOK, 0);
        return false;
    }
    m_dernierPdf = chemin;
    MessageDlg("La d\xE9"
               "claration a \xE9t\xE9 imprim\xE9"
               "e dans " +
                   Quote(chemin) + ".",
               mtInformation, mbOK, 0);
    return true;
}

bool TServicesRevenus::Importe()
{
    if (!m_modele || !choixFichier)
        return false;
    const std::string chemin = choixFichier(Operation::Importer, dossierImpression);
    return !chemin.empty() && ImporteFichier(chemin);
}

bool TServicesRevenus::ImporteFichier(const std::string& chemin)
{
    if (!m_modele)
        return false;
    TFichierDeclaration fichier(chemin);
    TDeclarationRevenus lue = m_modele->Declaration();
    if (!fichier.Lit(lue)) {
        MessageDlg(fichier.MessageErreur() + "\n\nLa d\xE9"
                                             "claration affich\xE9"
                                             "e n'a pas \xE9t\xE9 modifi\xE9"
                                             "e.",
                   mtError, mbOK, 0);
        return false;
    }
    m_modele->SetDeclaration(lue);
    Rafraichit();
    MessageDlg("La d\xE9"
               "claration " +
                   Quote(chemin) +
                   " a \xE9t\xE9 import\xE9"
                   "e." +
                   (fichier.Remarque().empty() ? std::string() : "\n" + fichier.Remarque()),
               mtInformation, mbOK, 0);
    return true;
}

bool TServicesRevenus::ReinitialiseTotalement()
{
    if (!m_modele || !Confirme("Toutes les informations de la d\xE9"
                               "claration vont \xEAtre "
                               "effac\xE9"
                               "es.\nVoulez-vous continuer ?"))
        return false;
    m_modele->SetDeclaration(TDeclarationRevenus());
    Rafraichit();
    return true;
}

bool TServicesRevenus::ReinitialisePartiellement()
{
    if (!m_modele || !Confirme("Les montants saisis vont \xEAtre effac\xE9s et les salaires "
                               "reprendront les montants pr\xE9remplis.\nVoulez-vous "
                               "continuer ?"))
        return false;
    TDeclarationRevenus declaration = m_modele->Declaration();
    declaration.EffaceMontants();
    m_modele->SetDeclaration(declaration);
    Rafraichit();
    return true;
}

void TServicesRevenus::Rafraichit()
{
    if (m_modele)
        m_modele->Calcul();
    TCinematicManagerAbstract* flux = m_racine ? m_racine->getCinematicManager() : nullptr;
    if (!flux)
        return;
    flux->Update();
    flux->Update();
    const TScreenInformation* actif = flux->getScreenInformationEcranActif();
    TVisitorMajCinematique majCinematique;
    m_racine->Accept(&majCinematique);
    // The caption and whatever else the host shows of the data, as after a keystroke.
    m_racine->UpdateInfo();
    if (actif && actif->IsValid()) {
        m_racine->Update();
    } else {
        // The screen shown has left the flow: back to the first one.
        flux->FirstScreen();
        m_racine->ChangeScreen();
    }
}
