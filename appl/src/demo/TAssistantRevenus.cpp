#include "TAssistantRevenus.h"

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
    std::error_code ec;
    if (m_options.fichierDeclaration.empty() ||
        !std::filesystem::exists(m_options.fichierDeclaration, ec)) {
        Info("Nouvelle d\xE9"
             "claration : " +
             TFichierDeclaration::CheminAffiche(m_options.fichierDeclaration));
        return true;
    }
    TFichierDeclaration fichier(m_options.fichierDeclaration);
    TDeclarationRevenus lue;
    if (fichier.Lit(lue)) {
        m_modele->SetDeclaration(lue);
        m_modele->SauveEtatInitial();
        Info("D\xE9"
             "claration ouverte : " +
             TFichierDeclaration::CheminAffiche(m_options.fichierDeclaration));
        return true;
    }
    m_fichierIllisible = true;
    Avertissement(fichier.MessageErreur());
    MessageDlg(fichier.MessageErreur() +
                   "\n\nL'assistant s'ouvre sur une d\xE9"
                   "claration vierge. Le fichier sera "
                   "conserv\xE9 sous le nom " +
                   Quote(m_options.fichierDeclaration + ".illisible") + " quand vous terminerez.",
               mtWarning, mbOK, 0);
    return false;
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

bool TAssistantRevenus::EnregistreDeclaration()
{
    std::error_code ec;
    const std::string& chemin = m_options.fichierDeclaration;
    if (m_fichierIllisible && std::filesystem::exists(chemin, ec)) {
        // The unreadable file is not overwritten: it may hold what the user wants back.
        std::filesystem::rename(chemin, chemin + ".illisible", ec);
        if (!ec)
            m_fichierIllisible = false;
    }
    TFichierDeclaration fichier(chemin);
    if (!fichier.Ecrit(m_modele->Declaration())) {
        Avertissement(fichier.MessageErreur());
        MessageDlg(fichier.MessageErreur(), mtError, mbOK, 0);
        return false;
    }
    Info("D\xE9"
         "claration enregistr\xE9"
         "e : " +
         TFichierDeclaration::CheminAffiche(chemin));
    return true;
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
    Info("Assistant ouvert");
    racine->Execute();

    Issue issue;
    const TCompteRendu* compteRendu = racine->getCompteRendu();
    issue.termine = compteRendu->getUserAction() == 0;
    issue.modifie = compteRendu->isModified();
    m_services->SetRacine(nullptr);
    m_racine.reset();

    if (!issue.termine) {
        issue.message = issue.modifie ? "Assistant abandonn\xE9 : les modifications n'ont pas "
                                        "\xE9t\xE9 enregistr\xE9"
                                        "es."
                                      : "Assistant ferm\xE9 sans modification.";
    } else {
        issue.enregistre = EnregistreDeclaration();
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
