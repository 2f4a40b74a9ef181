#pragma once

// A small host for the screen view and the screen presenter: a model with data, a computed
// total, checks and their messages; a screen presenter that runs the model's commands; screen
// views that record what the framework asks of them; and controls and controllers that record
// every call. Shared by the view and presenter tests.

#include "controls/TControlController.h"
#include "controls/TControlDisplayInfo.h"
#include "controls/TdControl.h"
#include "flow/TCinematicManagerAbstract.h"
#include "model/TFactoryAbstract.h"
#include "model/TModelAbstract.h"
#include "presenter/TPrEcranVCL.h"
#include "view/TViewEcranVCL.h"

#include "TInfoGene.h"
#include "TMessageTarget.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TEdit;
class TMgtModelInvoker;
class TPanel;
class TPrBaseForm;
class TcxCheckBox;
class TcxEditNum;

namespace screentest {

// Lettrages of the test screen.
inline constexpr int kNom = 10;          // an edit
inline constexpr int kCoche = 20;        // a check box ("1" / "2")
inline constexpr int kMontant = 30;      // an amount ...
inline constexpr int kMontantSaisi = 31; // ... and its entered-value letter
inline constexpr int kJour = 41;         // a date in three edits
inline constexpr int kMois = 42;
inline constexpr int kAnnee = 43;
inline constexpr int kTotal = 50; // computed: montant * 2, shown as a result

// Builds once per process what Qt keeps for good after the first edit, key press and focus
// change (input method, clipboard...), so that the leak checks count only the test's objects.
void WarmUpWidgetsOnce();
// Qt deletes the gesture states of destroyed scroll areas only when it next filters an event
// for gestures. Runs that filtering, so that every test starts and ends with one such state
// pending, whatever ran before.
void FlushGestures();

// Calls in order, shared by the test doubles.
class Journal
{
public:
    void add(std::string entry) { m_entries.push_back(std::move(entry)); }
    const std::vector<std::string>& entries() const { return m_entries; }
    std::size_t count(const std::string& entry) const
    {
        return static_cast<std::size_t>(std::count(m_entries.begin(), m_entries.end(), entry));
    }
    void clear() { m_entries.clear(); }

private:
    std::vector<std::string> m_entries;
};

// The lettrages of a letter list, in list order.
std::vector<int> Lettrages(structLettre* liste);
// The value of a letter ("<none>" without letter, "<null>" without value).
std::string Valeur(structLettre* liste, int lettrage);
// A list with one letter per lettrage, in that order, enterable and without value.
structLettre* NouvelleListe(std::initializer_list<int> lettrages);

// A control that records its calls as "<operation> <lettrage>".
class RecordingControl : public TdControl
{
public:
    RecordingControl(Journal& journal, int lettrage, TComponent* component = nullptr)
        : m_journal(journal)
    {
        m_lettrage = lettrage;
        m_component = component;
    }
    ~RecordingControl() override { record("~"); }

    void SetIdValue() override { record("SetIdValue"); }
    void LettrageVersEcran(structLettre*, structLettre*) override
    {
        record(m_refreshEnabled ? "LettrageVersEcran" : "LettrageVersEcran(gated)");
    }
    void EcranVersLettrage(structLettre*, structLettre*) override { record("EcranVersLettrage"); }
    void UpdateSelection(structLettre*) override { record("UpdateSelection"); }
    void Update(TControlDisplayInfo*& info) override;
    void setFilter(int value) override
    {
        filter = value;
        record("setFilter");
    }
    void SaveControlDisplay(TControlDisplayInfo* info) override
    {
        savedInfo = info;
        record("SaveControlDisplay");
    }

    // Update creates a display record when it receives none (noted "~info <lettrage>" when
    // destroyed).
    bool createsDisplayInfo = false;
    TControlDisplayInfo* receivedInfo = nullptr;
    TControlDisplayInfo* savedInfo = nullptr;
    int filter = -100;

private:
    void record(const std::string& operation)
    {
        m_journal.add(operation + " " + std::to_string(m_lettrage));
    }

    Journal& m_journal;
};

// A cross-field checker over one component that answers as told.
class RecordingController : public TControlController
{
public:
    RecordingController(Journal& journal, std::string name, TComponent* field, bool answer)
        : m_journal(journal), m_name(std::move(name)), m_field(field), m_answer(answer)
    {}
    ~RecordingController() override { m_journal.add("~" + m_name); }

    bool isContain(TComponent* component) override { return component == m_field; }
    bool Control() override
    {
        m_journal.add("Control " + m_name);
        return m_answer;
    }

private:
    Journal& m_journal;
    std::string m_name;
    TComponent* m_field;
    bool m_answer;
};

// A model over a map of values: total = montant * 2 (and the name in capitals when
// `majuscules`); letters are enterable except the total; the checks answer the messages queued
// in `messages`.
class TestModel : public TModelAbstract
{
public:
    struct Message
    {
        short lettrage;
        short type;
        std::string texte;
    };

    explicit TestModel(TInfoGene* info) : TModelAbstract(info) {}

    void DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic) override;
    void LettrageVersDonnees(structLettre* lettres, structLettre* lettresStatic) override;
    void Calcul() override;
    void Select(structLettre* lettres) override;
    structMessage* ControleLettres(structLettre* lettres) override;
    structMessage* ControleDeclaration() override { return nullptr; }
    char* TexteDuMessage(structMessage* message, char** texte) override;
    char* LibelleDeLaLettre(short lettrage, char** libelle) override;

    std::map<int, std::string> donnees;
    bool majuscules = false;
    // What ControleLettres answers: null when `controleNull`, else the list of these (an
    // empty list is a null head in the letter store).
    std::vector<Message> messages;
    bool controleNull = true;
    int controles = 0;
    int calculs = 0;
};

// A screen presenter that runs the model through the invoker's commands, as a host does,
// and records its hooks.
class TestScreenPresenter : public TPrEcranVCL
{
public:
    TestScreenPresenter(Journal& journal, TComponent* owner, TPrComposite* parent,
                        TModelAbstract* model, TMgtModelInvoker* invoker,
                        TCinematicManagerAbstract* cinematicManager)
        : TPrEcranVCL(owner, parent, model, invoker, cinematicManager), m_journal(journal)
    {}

    void SauveDataInit() override { m_journal.add("SauveDataInit"); }
    void RestaureDataInit() override { m_journal.add("RestaureDataInit"); }
    void CheckIsModified() override { m_journal.add("CheckIsModified"); }
    void InitDonnees() override {}
    void DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic) override;
    void LettrageVersDonnees(structLettre* lettres, structLettre* lettresStatic) override;
    void Calcul() override;
    void Select(structLettre* lettres) override;
    void OnChange() override;
    void SaveData() override
    {
        m_journal.add("SaveData");
        TPrEcranVCL::SaveData();
    }
    bool OuvreDeclaration(int enumEcran, int lettrage) override;
    int SelectEcran(int lettrage) override
    {
        const auto found = ecranDeLettrage.find(lettrage);
        return found == ecranDeLettrage.end() ? -1 : found->second;
    }

    void addFactory(TFactoryAbstract* factory) { listeFactory.push_back(factory); }

    // Runs inside OnChange, before the framework's reaction.
    std::function<void()> onChangeHook;
    // Runs inside DonneesVersLettrage, before the model's transfer.
    std::function<void()> loadHook;
    // What SelectEcran and OuvreDeclaration answer.
    std::map<int, int> ecranDeLettrage;
    bool ouvreDeclaration = false;

private:
    Journal& m_journal;
};

// A screen view whose host part is given by the test: `controls` runs in InitControls.
class RecordingScreen : public TViewEcranVCL
{
public:
    RecordingScreen(Journal& journal, TComponent* owner, TPrEcranVCL* presenter)
        : TViewEcranVCL(owner, presenter), m_journal(journal)
    {}
    ~RecordingScreen() override { m_journal.add("~RecordingScreen"); }

    void InitCouleurs() override { m_journal.add("InitCouleurs"); }
    void InitControls() override
    {
        m_journal.add("InitControls");
        if (controls)
            controls(*this);
    }
    void InitComplexData() override { m_journal.add("InitComplexData"); }
    void SetOnChangeControl() override { m_journal.add("SetOnChangeControl"); }
    void UpdateControl() override
    {
        m_journal.add("view.UpdateControl");
        TViewEcranVCL::UpdateControl();
    }
    void LettrageVersEcran() override
    {
        m_journal.add("view.LettrageVersEcran");
        TViewEcranVCL::LettrageVersEcran();
    }
    void UpdateSelection() override
    {
        m_journal.add("view.UpdateSelection");
        TViewEcranVCL::UpdateSelection();
    }

    std::function<void(RecordingScreen&)> controls;

private:
    Journal& m_journal;
};

// The data-entry screen of the tests, on real widgets: a name, a check box, an amount with its
// entered value, a date in three fields with its controller, a computed total.
class TestScreen : public TViewEcranVCL
{
public:
    TestScreen(TComponent* owner, TPrEcranVCL* presenter, int clientHeight = 240,
               Journal* journal = nullptr);
    ~TestScreen() override;

    void InitCouleurs() override;
    void SaveControlDisplay() override;
    void Show() override;
    void SetControlHelpContext(long idRessource) override;
    void InitControls() override;
    void SetOnChangeControl() override { AttachOnChangeControls(); }

    TEdit* nom = nullptr;
    TcxCheckBox* coche = nullptr;
    TcxEditNum* montant = nullptr;
    TEdit* jour = nullptr;
    TEdit* mois = nullptr;
    TEdit* annee = nullptr;
    TcxEditNum* total = nullptr;

private:
    Journal* m_journal; // records "save", "show", "help <id>" and "~screen" when given
};

// Makes a TestScreen for the screens it knows; records every request.
class TestFactory : public TFactoryAbstract
{
public:
    TestFactory(Journal& journal, std::string name, std::vector<int> ecrans, int clientHeight = 240)
        : m_journal(journal), m_name(std::move(name)), m_ecrans(std::move(ecrans)),
          m_clientHeight(clientHeight)
    {}
    ~TestFactory() override { m_journal.add("~" + m_name); }

    bool CreeVue(int idScreen, TComponent* owner, TPrEcranVCL* presenter) override;

private:
    Journal& m_journal;
    std::string m_name;
    std::vector<int> m_ecrans;
    int m_clientHeight;
};

// Fills `flux` with `count` displayable screens 1..count (resource ids 101..) and makes the
// first one active.
void RemplitFlux(TCinematicManagerAbstract& flux, int count);
TCinematicManagerAbstract* NouveauFlux(int count);

} // namespace screentest
