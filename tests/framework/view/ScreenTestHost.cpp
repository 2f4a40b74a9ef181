#include "ScreenTestHost.h"

#include "flow/TScreenInformation.h"
#include "model/TMgtModelCmdCalcul.h"
#include "model/TMgtModelCmdDVL.h"
#include "model/TMgtModelCmdLVD.h"
#include "model/TMgtModelCmdSelect.h"
#include "model/TMgtModelInvoker.h"
#include "presenter/TPrComposite.h"

#include "TEdit.h"
#include "TPanel.h"
#include "qlettre.h"

#include "QtLeakCheck.h"

#include <QApplication>
#include <QEvent>
#include <QScrollArea>
#include <QTest>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace screentest {

void WarmUpWidgetsOnce()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    {
        TPanel panel;
        auto* edit = new TEdit(&panel);
        auto* other = new TEdit(&panel);
        panel.show();
        QApplication::setActiveWindow(&panel);
        edit->setFocus();
        QTest::keyClicks(edit, "a");
        other->setFocus();
        panel.hide();
    }
    flushQtEvents();
}

void FlushGestures()
{
    flushQtEvents();
    QScrollArea area;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(area.viewport(), &event);
}

std::size_t Journal::count(const std::string& entry) const
{
    return static_cast<std::size_t>(std::count(m_entries.begin(), m_entries.end(), entry));
}

std::vector<std::string> Journal::startingWith(const std::string& prefix) const
{
    std::vector<std::string> found;
    for (const std::string& entry : m_entries) {
        if (entry.rfind(prefix, 0) == 0)
            found.push_back(entry);
    }
    return found;
}

std::vector<int> Lettrages(structLettre* liste)
{
    std::vector<int> codes;
    for (structLettre* lettre = VaPremiereLettre(liste); !FinListeLettre(lettre);
         lettre = VaLettreSuivante(lettre))
        codes.push_back(lettre->lettrage);
    return codes;
}

std::string Valeur(structLettre* liste, int lettrage)
{
    structLettre* lettre = TrouveLettre(lettrage, liste);
    if (!lettre)
        return "<none>";
    return lettre->valeur ? lettre->valeur : "<null>";
}

structLettre* NouvelleListe(std::initializer_list<int> lettrages)
{
    structLettre* liste = nullptr;
    for (int lettrage : lettrages)
        AjouteLettre(&liste, static_cast<short>(lettrage), 0, 0, 0, 1, 0);
    return liste;
}

// --- RecordingControl ---

RecordingControl::RecordingControl(Journal& journal, int lettrage, TComponent* component)
    : m_journal(journal)
{
    m_lettrage = lettrage;
    m_component = component;
}

RecordingControl::~RecordingControl()
{
    record("~");
}

void RecordingControl::record(const std::string& operation)
{
    m_journal.add(operation + " " + std::to_string(m_lettrage));
}

void RecordingControl::SetIdValue()
{
    record("SetIdValue");
}

void RecordingControl::LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic)
{
    lastListe = listeLettre;
    lastListeStatic = listeLettreStatic;
    record(m_refreshEnabled ? "LettrageVersEcran" : "LettrageVersEcran(gated)");
}

void RecordingControl::EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic)
{
    lastListe = listeLettre;
    lastListeStatic = listeLettreStatic;
    record("EcranVersLettrage");
}

void RecordingControl::UpdateSelection(structLettre* listeLettre)
{
    lastListe = listeLettre;
    record("UpdateSelection");
}

void RecordingControl::Update(TControlDisplayInfo*& info)
{
    receivedInfo = info;
    record("Update");
    if (!info && createsDisplayInfo) {
        info = new TControlDisplayInfo();
        info->setCtrlId(m_lettrage);
        m_displayInfo = info;
    }
}

void RecordingControl::setFilter(int value)
{
    filter = value;
    record("setFilter");
}

void RecordingControl::SaveControlDisplay(TControlDisplayInfo* info)
{
    savedInfo = info;
    record("SaveControlDisplay");
}

void RecordingControl::SetHelpContext(int value)
{
    helpContext = value;
}

// --- RecordingController ---

RecordingController::RecordingController(Journal& journal, std::string name, TComponent* field,
                                         bool answer)
    : m_journal(journal), m_name(std::move(name)), m_field(field), m_answer(answer)
{}

RecordingController::~RecordingController()
{
    m_journal.add("~" + m_name);
}

bool RecordingController::isContain(TComponent* component)
{
    return component == m_field;
}

bool RecordingController::Control()
{
    m_journal.add("Control " + m_name);
    return m_answer;
}

// --- TestModel ---

TestModel::TestModel(TInfoGene* info) : TModelAbstract(info) {}

void TestModel::DonneesVersLettrage(structLettre* lettres, structLettre*)
{
    for (structLettre* lettre = VaPremiereLettre(lettres); !FinListeLettre(lettre);
         lettre = VaLettreSuivante(lettre)) {
        const auto found = donnees.find(lettre->lettrage);
        if (found != donnees.end())
            MetValeurLettre(lettre, found->second.c_str());
    }
}

void TestModel::LettrageVersDonnees(structLettre* lettres, structLettre*)
{
    for (structLettre* lettre = VaPremiereLettre(lettres); !FinListeLettre(lettre);
         lettre = VaLettreSuivante(lettre)) {
        if (lettre->valeur)
            donnees[lettre->lettrage] = lettre->valeur;
    }
}

void TestModel::Calcul()
{
    ++calculs;
    const auto found = donnees.find(kMontant);
    const double montant = found == donnees.end() ? 0.0 : std::atof(found->second.c_str());
    char total[64];
    std::snprintf(total, sizeof total, "%f", montant * 2);
    donnees[kTotal] = total;
    if (majuscules) {
        std::string& nom = donnees[kNom];
        std::transform(nom.begin(), nom.end(), nom.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    }
}

void TestModel::Select(structLettre* lettres)
{
    for (structLettre* lettre = VaPremiereLettre(lettres); !FinListeLettre(lettre);
         lettre = VaLettreSuivante(lettre))
        lettre->select = lettre->lettrage == kTotal ? 2 : 1;
}

structMessage* TestModel::ControleLettres(structLettre*)
{
    ++controles;
    if (controleNull)
        return nullptr;
    structMessage* liste = nullptr;
    for (const Message& message : messages)
        AjouteMessage(&liste, message.lettrage, message.type, message.texte.c_str());
    return liste;
}

char* TestModel::TexteDuMessage(structMessage* message, char** texte)
{
    *texte = DupliqueTexte(LitTexteMessage(message));
    return *texte;
}

char* TestModel::LibelleDeLaLettre(short, char** libelle)
{
    *libelle = DupliqueTexte("Lettre");
    return *libelle;
}

// --- TestScreenPresenter ---

TestScreenPresenter::TestScreenPresenter(Journal& journal, TComponent* owner, TPrComposite* parent,
                                         TModelAbstract* model, TMgtModelInvoker* invoker,
                                         TCinematicManagerAbstract* cinematicManager)
    : TPrEcranVCL(owner, parent, model, invoker, cinematicManager), m_journal(journal)
{}

void TestScreenPresenter::DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic)
{
    m_journal.add("DonneesVersLettrage");
    if (loadHook)
        loadHook();
    TMgtModelCmdDVL command(getModel(), lettres, lettresStatic);
    getInvoker()->executeCommand(&command);
}

void TestScreenPresenter::LettrageVersDonnees(structLettre* lettres, structLettre* lettresStatic)
{
    m_journal.add("LettrageVersDonnees");
    TMgtModelCmdLVD command(getModel(), lettres, lettresStatic);
    getInvoker()->executeCommand(&command);
}

void TestScreenPresenter::Calcul()
{
    m_journal.add("Calcul");
    TMgtModelCmdCalcul command(getModel());
    getInvoker()->executeCommand(&command);
}

void TestScreenPresenter::Select(structLettre* lettres)
{
    m_journal.add("Select");
    TMgtModelCmdSelect command(getModel(), lettres);
    getInvoker()->executeCommand(&command);
}

void TestScreenPresenter::OnChange()
{
    m_journal.add("OnChange");
    if (onChangeHook)
        onChangeHook();
    TPrEcranVCL::OnChange();
}

void TestScreenPresenter::SaveData()
{
    m_journal.add("SaveData");
    TPrEcranVCL::SaveData();
}

bool TestScreenPresenter::OuvreDeclaration(int enumEcran, int lettrage)
{
    m_journal.add("OuvreDeclaration " + std::to_string(enumEcran) + " " + std::to_string(lettrage));
    return ouvreDeclaration;
}

int TestScreenPresenter::SelectEcran(int lettrage)
{
    const auto found = ecranDeLettrage.find(lettrage);
    return found == ecranDeLettrage.end() ? -1 : found->second;
}

// --- RecordingScreen ---

RecordingScreen::RecordingScreen(Journal& journal, TComponent* owner, TPrEcranVCL* presenter)
    : TViewEcranVCL(owner, presenter), m_journal(journal)
{}

RecordingScreen::~RecordingScreen()
{
    m_journal.add("~RecordingScreen");
}

void RecordingScreen::InitControls()
{
    m_journal.add("InitControls");
    if (controls)
        controls(*this);
}

void RecordingScreen::UpdateControl()
{
    m_journal.add("view.UpdateControl");
    TViewEcranVCL::UpdateControl();
}

void RecordingScreen::LettrageVersEcran()
{
    m_journal.add("view.LettrageVersEcran");
    TViewEcranVCL::LettrageVersEcran();
}

void RecordingScreen::UpdateSelection()
{
    m_journal.add("view.UpdateSelection");
    TViewEcranVCL::UpdateSelection();
}

// --- Flow ---

void RemplitFlux(TCinematicManagerAbstract& flux, int count)
{
    for (int ecran = 1; ecran <= count; ++ecran)
        flux.InitScreen(ecran, 100 + ecran, "Ecran " + std::to_string(ecran),
                        TScreenInformation::SELECTION_OUI, TScreenInformation::ON,
                        TScreenInformation::FAMILLE_DEFAUT);
    if (count > 0)
        flux.setEnumEcranActif(1);
}

TCinematicManagerAbstract* NouveauFlux(int count)
{
    auto* flux = new TCinematicManagerAbstract();
    RemplitFlux(*flux, count);
    return flux;
}

} // namespace screentest
