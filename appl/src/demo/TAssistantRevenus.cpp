#include "TAssistantRevenus.h"

#include "Revenus.h"
#include "TCinematiqueRevenus.h"
#include "TDonneesNavigation.h"
#include "TFichierDeclaration.h"
#include "TModeleRevenus.h"
#include "TPrAssistantRevenus.h"
#include "TPrBoutonsRevenus.h"
#include "TPrEcranRevenus.h"
#include "TServicesRevenus.h"

#include "model/TCompteRendu.h"
#include "model/TMgtModelInvoker.h"
#include "presenter/TPrNavigateTree.h"
#include "view/TViewManagementButtons.h"
#include "view/TViewNavigateTree.h"

#include "Cp1252.h"
#include "MessageDlg.h"
#include "TPanel.h"

#include <log4cxx/logger.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace {

// The sample's own trace. Its texts are Windows-1252: they go to log4cxx as wide text, which
// log4cxx converts whatever the process's locale.
void Journal(const log4cxx::LevelPtr& niveau, const std::string& texte)
{
    static const log4cxx::LoggerPtr logger = log4cxx::Logger::getLogger("fr.kelmar.demo");
    if (logger->isEnabledFor(niveau))
        logger->forcedLog(niveau, Cp1252::toWide(texte), LOG4CXX_LOCATION);
}

void Info(const std::string& texte)
{
    Journal(log4cxx::Level::getInfo(), texte);
}

void Avertissement(const std::string& texte)
{
    Journal(log4cxx::Level::getWarn(), texte);
}

// Light blue-grey, the background of the wizard's views.
constexpr TColor kCouleurFond = 0x00FAF4F0;

std::string Quote(const std::string& chemin)
{
    return "\xAB\xA0" + TFichierDeclaration::CheminAffiche(chemin) + "\xA0\xBB";
}

QString EnQString(const std::string& chemin)
{
    return QString::fromUtf8(chemin.data(), static_cast<qsizetype>(chemin.size()));
}

bool Existe(const std::string& chemin)
{
    std::error_code ec;
    return !chemin.empty() && std::filesystem::exists(std::filesystem::symlink_status(chemin, ec));
}

// The messages of the audit of one category, one per line.
std::string Liste(const std::vector<TModeleRevenus::MessageAudit>& audit, int categorie,
                  short& premier)
{
    std::string texte;
    premier = 0;
    for (const TModeleRevenus::MessageAudit& message : audit) {
        if (message.categorie != categorie)
            continue;
        if (texte.empty())
            premier = message.lettrage;
        texte += "\n- " + message.texte;
    }
    return texte;
}

} // namespace

TAssistantRevenus::TAssistantRevenus(Options options) : m_options(std::move(options))
{
    m_info.setApplicationName(kProduit);
    m_info.setCouleur(kCouleurFond);
    m_modele = std::make_unique<TModeleRevenus>(&m_info);
    m_invoker = std::make_unique<TMgtModelInvoker>();
    m_services = std::make_unique<TServicesRevenus>(m_modele.get());
    if (m_options.fichierDeclaration.size()) {
        const std::filesystem::path dossier =
            std::filesystem::path(m_options.fichierDeclaration).parent_path();
        m_services->dossierImpression = dossier.string();
    }
}

TAssistantRevenus::TAssistantRevenus(const TAssistantRevenus& other)
    : TAssistantRevenus(other.m_options)
{
    m_fichierIllisible = other.m_fichierIllisible;
    m_modele->SetDeclaration(other.m_modele->Declaration());
    m_modele->SauveEtatInitial();
}

TAssistantRevenus& TAssistantRevenus::operator=(const TAssistantRevenus& other)
{
    if (this != &other && !m_racine) {
        m_options = other.m_options;
        m_fichierIllisible = other.m_fichierIllisible;
        m_services->dossierImpression = other.m_services->dossierImpression;
        m_modele->SetDeclaration(other.m_modele->Declaration());
        m_modele->SauveEtatInitial();
    }
    return *this;
}

TAssistantRevenus::~TAssistantRevenus() = default;

bool TAssistantRevenus::operator==(const TAssistantRevenus& other) const
{
    return m_options == other.m_options && m_modele->Declaration() == other.m_modele->Declaration();
}

bool TAssistantRevenus::OuvreAuDemarrage()
{
    bool lu = true;
    const std::string& chemin = m_options.fichierDeclaration;
    if (!Existe(chemin)) {
        const std::string nouvelle = "Nouvelle d\xE9"
                                     "claration : le fichier " +
                                     Quote(chemin) + " sera cr\xE9\xE9 quand vous terminerez.";
        Info(nouvelle);
        if (m_options.fichierDemande)
            MessageDlg(nouvelle, mtInformation, mbOK, 0);
    } else {
        TFichierDeclaration fichier(chemin);
        TDeclarationRevenus lue;
        if (fichier.Lit(lue)) {
            m_modele->SetDeclaration(lue);
            m_modele->SauveEtatInitial();
            Info("D\xE9"
                 "claration ouverte : " +
                 TFichierDeclaration::CheminAffiche(chemin));
            if (!fichier.Remarque().empty())
                MessageDlg(fichier.Remarque(), mtInformation, mbOK, 0);
        } else {
            lu = false;
            Avertissement(fichier.MessageErreur());
            const TFichierDeclaration::Erreur erreur = fichier.GetErreur();
            // A folder or a device is no file of ours to keep aside.
            m_fichierIllisible = erreur != TFichierDeclaration::Erreur::Dossier &&
                                 erreur != TFichierDeclaration::Erreur::PasUnFichier;
            MessageDlg(fichier.MessageErreur() +
                           "\n\nL'assistant s'ouvre sur une d\xE9"
                           "claration vierge. " +
                           (m_fichierIllisible
                                ? "Le fichier sera conserv\xE9 sous le nom " +
                                      Quote(chemin + ".illisible") + " quand vous terminerez."
                                : std::string("Vous choisirez o\xF9 l'enregistrer quand vous "
                                              "terminerez.")),
                       mtWarning, mbOK, 0);
        }
    }
    OffreReprise();
    return lu;
}

void TAssistantRevenus::OffreReprise()
{
    const std::string& reprise = m_options.fichierReprise;
    const QFileInfo copie(EnQString(reprise));
    if (reprise.empty() || !copie.isFile())
        return;
    const QFileInfo declaration(EnQString(m_options.fichierDeclaration));
    if (declaration.exists() && declaration.lastModified() >= copie.lastModified()) {
        // Older than the declaration saved since: nothing to recover.
        QFile::remove(copie.filePath());
        return;
    }
    TFichierDeclaration fichier(reprise);
    TDeclarationRevenus lue;
    if (!fichier.Lit(lue)) {
        Avertissement(fichier.MessageErreur());
        return;
    }
    const std::string quand = Cp1252::fromQString(
        copie.lastModified().toString(QStringLiteral("dd/MM/yyyy '\u00e0' HH:mm")));
    if (MessageDlg("Une saisie n'a pas \xE9t\xE9 termin\xE9"
                   "e.\nReprendre la saisie interrompue du " +
                       quand + " ?",
                   mtConfirmation, mbYesNo, 0) == mrYes) {
        // What is on disk stays the declaration found at start: the recovered entry counts as
        // a change, saved when the user finishes and asked about when he leaves.
        m_initialeReprise = m_modele->Declaration();
        m_modele->SetDeclaration(lue);
        Info("Saisie interrompue reprise du " + quand);
    } else {
        QFile::remove(copie.filePath());
    }
}

void TAssistantRevenus::SauveReprise()
{
    if (m_options.fichierReprise.empty())
        return;
    if (!m_modele->EstModifie()) {
        // Nothing is left to recover: an old copy would be offered again at the next start.
        QFile::remove(EnQString(m_options.fichierReprise));
        return;
    }
    TFichierDeclaration fichier(m_options.fichierReprise);
    if (!fichier.Ecrit(m_modele->Declaration()))
        Avertissement(fichier.MessageErreur());
}

bool TAssistantRevenus::OuvreDeclaration(const std::string& chemin)
{
    TFichierDeclaration fichier(chemin);
    TDeclarationRevenus lue = m_modele->Declaration();
    if (!fichier.Lit(lue)) {
        Avertissement(fichier.MessageErreur());
        MessageDlg(fichier.MessageErreur() + "\n\nLa d\xE9"
                                             "claration affich\xE9"
                                             "e n'a pas \xE9t\xE9 modifi\xE9"
                                             "e.",
                   mtError, mbOK, 0);
        return false;
    }
    m_modele->SetDeclaration(lue);
    Info("D\xE9"
         "claration ouverte : " +
         TFichierDeclaration::CheminAffiche(chemin));
    return true;
}

bool TAssistantRevenus::Enregistre(std::string& erreur)
{
    const std::string& chemin = m_options.fichierDeclaration;
    if (m_fichierIllisible && Existe(chemin)) {
        // The unreadable file is not overwritten: it may hold what the user wants back.
        TFichierDeclaration illisible(chemin);
        if (!illisible.MetDeCote()) {
            erreur = illisible.MessageErreur();
            return false;
        }
        Info("Fichier illisible conserv\xE9 sous le nom " +
             TFichierDeclaration::CheminAffiche(illisible.GetCheminDeCote()));
    }
    m_fichierIllisible = false;
    TFichierDeclaration fichier(chemin);
    if (!fichier.Ecrit(m_modele->Declaration())) {
        erreur = fichier.MessageErreur();
        return false;
    }
    Info("D\xE9"
         "claration enregistr\xE9"
         "e : " +
         TFichierDeclaration::CheminAffiche(chemin));
    return true;
}

bool TAssistantRevenus::EnregistreDeclaration()
{
    std::string erreur;
    if (Enregistre(erreur))
        return true;
    Avertissement(erreur);
    MessageDlg(erreur, mtError, mbOK, 0);
    return false;
}

bool TAssistantRevenus::ControleAvantFin()
{
    const std::vector<TModeleRevenus::MessageAudit> audit = m_modele->Audit();
    short champ = 0;
    const std::string erreurs = Liste(audit, revenus::kAnomalie, champ);
    if (!erreurs.empty()) {
        if (MessageDlg("La d\xE9"
                       "claration ne peut pas \xEAtre termin\xE9"
                       "e :" +
                           erreurs + "\n\nVoulez-vous aller au champ concern\xE9 ?",
                       mtError, mbYesNo, 0) == mrYes &&
            m_racine && champ > 0)
            m_racine->AfficheChamp(champ);
        return false;
    }
    const std::string avertissements = Liste(audit, revenus::kAvertissement, champ);
    if (!avertissements.empty() &&
        MessageDlg("Avant de terminer, v\xE9rifiez :" + avertissements +
                       "\n\nTerminer quand m\xEAme ? (Non : aller au champ concern\xE9)",
                   mtWarning, mbYesNo, 0) != mrYes) {
        if (m_racine && champ > 0)
            m_racine->AfficheChamp(champ);
        return false;
    }
    return true;
}

bool TAssistantRevenus::Termine()
{
    if (!ControleAvantFin())
        return false;
    for (;;) {
        std::string erreur;
        if (Enregistre(erreur)) {
            m_enregistre = true;
            if (!m_options.fichierReprise.empty())
                QFile::remove(EnQString(m_options.fichierReprise));
            MessageDlg("La d\xE9"
                       "claration a \xE9t\xE9 enregistr\xE9"
                       "e dans " +
                           Quote(m_options.fichierDeclaration) + ".",
                       mtInformation, mbOK, 0);
            return true;
        }
        Avertissement(erreur);
        if (MessageDlg(erreur + "\n\nRien de ce que vous avez saisi n'est perdu : l'assistant "
                                "reste ouvert.\nR\xE9"
                                "essayer : enregistrer \xE0 nouveau.\nAnnuler : enregistrer "
                                "ailleurs ou revenir \xE0 l'assistant.",
                       mtError, TMsgDlgButtons(mbRetry) << mbCancel, 0) == mrRetry)
            continue;
        SauveReprise();
        if (MessageDlg("Voulez-vous enregistrer la d\xE9"
                       "claration dans un autre fichier ?\n\nNon : revenir \xE0 l'assistant.",
                       mtConfirmation, mbYesNo, 0) != mrYes)
            return false;
        const std::string autre =
            m_services->choixFichier
                ? m_services->choixFichier(TServicesRevenus::Operation::Enregistrer,
                                           m_options.fichierDeclaration)
                : std::string();
        if (autre.empty())
            return false;
        m_options.fichierDeclaration = autre;
        m_fichierIllisible = false;
    }
}

TAssistantRevenus::Issue TAssistantRevenus::Execute()
{
    TModeleRevenus* modele = m_modele.get();
    TMgtModelInvoker* invoker = m_invoker.get();
    m_racine = std::make_unique<TPrAssistantRevenus>(nullptr, modele, invoker);
    TPrAssistantRevenus* racine = m_racine.get();

    auto* flux = new TCinematiqueRevenus(modele, m_options.moduleTitres);
    flux->Init();
    racine->setCinematicManager(flux);

    auto* arbre =
        new TPrNavigateTree(racine->getPanelNavigateTree(), racine, modele, invoker, flux);
    racine->Add(arbre);
    if (TViewNavigateTree* vue = arbre->getViewNavigateTree())
        vue->SetComplexData(new TDonneesNavigation(modele, flux));

    racine->Add(new TPrEcranRevenus(racine->getPanelEcranVCL(), racine, modele, invoker, flux));

    auto* boutons = new TPrBoutonsRevenus(racine->getPanelManagementButtons(), racine, modele,
                                          invoker, flux, m_services.get());
    racine->Add(boutons);
    if (auto* barre = qobject_cast<TViewManagementButtons*>(boutons->getView()))
        barre->SetComplexData(new TDonneesNavigation(modele, flux));

    m_services->SetRacine(racine);
    racine->SauveDataInit();
    if (m_initialeReprise) {
        m_modele->SauveEtatInitial(*m_initialeReprise);
        m_initialeReprise.reset();
    }
    m_enregistre = false;
    racine->SetFinition([this] { return Termine(); });
    racine->SetApresChangement([this] { SauveReprise(); });
    Info("Assistant ouvert");
    racine->Execute();

    Issue issue;
    const TCompteRendu* compteRendu = racine->getCompteRendu();
    issue.termine = compteRendu->getUserAction() == 0;
    issue.modifie = compteRendu->isModified();
    m_services->SetRacine(nullptr);
    m_racine.reset();

    if (!issue.termine) {
        // The user chose to leave without saving: the recovery copy goes too.
        if (issue.modifie && !m_options.fichierReprise.empty())
            QFile::remove(EnQString(m_options.fichierReprise));
        issue.message = issue.modifie ? "Assistant abandonn\xE9 : les modifications n'ont pas "
                                        "\xE9t\xE9 enregistr\xE9"
                                        "es."
                                      : "Assistant ferm\xE9 sans modification.";
    } else {
        issue.enregistre = m_enregistre;
        issue.message = issue.enregistre ? "D\xE9"
                                           "claration termin\xE9"
                                           "e et enregistr\xE9"
                                           "e "
                                           "dans " +
                                               Quote(m_options.fichierDeclaration) + "."
                                         : "D\xE9"
                                           "claration termin\xE9"
                                           "e mais non "
                                           "enregistr\xE9"
                                           "e.";
    }
    Info(issue.message);
    return issue;
}
