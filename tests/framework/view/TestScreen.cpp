// The real-widget screen of the test host and its factory.

#include "ScreenTestHost.h"

#include "controls/TDateController.h"
#include "controls/TdCCheckBox.h"
#include "controls/TdCEdit.h"
#include "controls/TdCcxEditNum.h"

#include "TEdit.h"
#include "TSingletonCouleur.h"
#include "TcxCheckBox.h"
#include "TcxEditNum.h"
#include "qlettre.h"

namespace screentest {

namespace {

template <class Control>
Control* Bind(TViewEcranVCL& screen, int lettrage, TComponent* widget)
{
    auto* control = new Control();
    control->m_lettrage = lettrage;
    control->m_component = widget;
    screen.AjouteControl(control);
    return control;
}

} // namespace

TestScreen::TestScreen(TComponent* owner, TPrEcranVCL* presenter, int clientHeight,
                       Journal* journal)
    : TViewEcranVCL(owner, presenter), m_journal(journal)
{
    SetClientWidth(400);
    SetClientHeight(clientHeight);
}

TestScreen::~TestScreen()
{
    if (m_journal)
        m_journal->add("~screen");
}

void TestScreen::SaveControlDisplay()
{
    if (m_journal)
        m_journal->add("save");
    TViewEcranVCL::SaveControlDisplay();
}

void TestScreen::Show()
{
    if (m_journal)
        m_journal->add("show");
    TViewEcranVCL::Show();
}

void TestScreen::SetControlHelpContext(long idRessource)
{
    if (m_journal)
        m_journal->add("help " + std::to_string(idRessource));
    TViewEcranVCL::SetControlHelpContext(idRessource);
}

void TestScreen::InitCouleurs()
{
    SetColor(*m_Couleurs->getColors(couleurFondAssistant));
}

void TestScreen::InitControls()
{
    nom = new TEdit(this);
    nom->SetBounds(10, 10, 200, 22);
    Bind<TdCEdit>(*this, kNom, nom);

    coche = new TcxCheckBox(this);
    coche->SetBounds(10, 40, 200, 22);
    coche->SetText("&Client de #PRODUIT#");
    Bind<TdCCheckBox>(*this, kCoche, coche);

    montant = new TcxEditNum(this);
    montant->SetBounds(10, 70, 120, 22);
    Bind<TdCcxEditNum>(*this, kMontant, montant);

    jour = new TEdit(this);
    jour->SetBounds(10, 100, 30, 22);
    mois = new TEdit(this);
    mois->SetBounds(50, 100, 30, 22);
    annee = new TEdit(this);
    annee->SetBounds(90, 100, 50, 22);
    Bind<TdCEdit>(*this, kJour, jour);
    Bind<TdCEdit>(*this, kMois, mois);
    Bind<TdCEdit>(*this, kAnnee, annee);
    AjouteControlController(new TDateController(Handle(), jour, mois, annee, 2005));

    total = new TcxEditNum(this);
    total->SetBounds(10, 130, 120, 22);
    Bind<TdCcxEditNum>(*this, kTotal, total);
    ApplyResultStyle(total);

    setListeLettre(NouvelleListe({kNom, kCoche, kMontant, kJour, kMois, kAnnee, kTotal}));
}

bool TestFactory::CreeVue(int idScreen, TComponent* owner, TPrEcranVCL* presenter)
{
    m_journal.add(m_name + ".CreeVue " + std::to_string(idScreen));
    if (std::find(m_ecrans.begin(), m_ecrans.end(), idScreen) == m_ecrans.end())
        return false;
    presenter->setView(new TestScreen(owner, presenter, m_clientHeight, &m_journal));
    return true;
}

} // namespace screentest
