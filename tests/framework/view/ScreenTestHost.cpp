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

namespace {

// A display record that notes "~info <lettrage>" when it is destroyed.
struct NotedInfo : TControlDisplayInfo
{
    explicit NotedInfo(Journal& journal) : journal(journal) {}
    ~NotedInfo() override { journal.add("~info " + std::to_string(getCtrlId())); }
    Journal& journal;
};

} // namespace

void RecordingControl::Update(TControlDisplayInfo*& info)
{
    receivedInfo = info;
    record("Update");
    if (!info && createsDisplayInfo) {
        info = new NotedInfo(m_journal);
        info->setCtrlId(m_lettrage);
        m_displayInfo = info;
    }
}

// --- TestModel ---

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

bool TestScreenPresenter::OuvreDeclaration(int enumEcran, int lettrage)
{
    m_journal.add("OuvreDeclaration " + std::to_string(enumEcran) + " " + std::to_string(lettrage));
    return ouvreDeclaration;
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
