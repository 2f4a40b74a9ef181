#pragma once

// The benchmarks' host application. It builds a wizard as any host does (model, invoker, flow,
// screens, factory, navigation tree, buttons bar, then Execute), from a table of sizes instead
// of hand-written screens: a flow of `screens` screens, each with `controls` data-bound controls
// cycling over the kinds a declaration uses (text, amount with its entered-value letter, date,
// check box, combo box) and one tree list; every control has three letters (its own, its
// entered value and its edit state). The model's Calcul sums the amounts and switches the
// second screen on or off with the parity of the sum, so a keystroke in an amount changes the
// flow, the navigation tree and the buttons bar.

#include "controls/TControlDisplayInfo.h"
#include "flow/TCinematicManagerAbstract.h"
#include "model/TComplexData.h"
#include "model/TComplexDataNavigateTree.h"
#include "model/TFactoryAbstract.h"
#include "model/TModelAbstract.h"
#include "presenter/TPrEcranVCL.h"
#include "view/TViewEcranVCL.h"

#include "TInfoGene.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class TMgtModelInvoker;
class TPrBaseForm;
class TcxEditNum;

namespace bench {

struct Sizes
{
    int screens = 12;
    int controls = 200;
};

// What a control shows; the kinds cycle over the controls of a flow.
enum class Kind
{
    Text,
    Amount,
    Date,
    CheckBox,
    ComboBox,
    Amount2
};
inline constexpr int kKinds = 6;
inline constexpr int kLettersPerControl = 3;
// Lettrages are 16-bit: the controls of a big flow share them, a window of 9,996 controls
// (a multiple of kKinds, so a lettrage always has the same kind) being reused.
inline constexpr int kControlsPerWindow = 9996;
inline constexpr int kFirstScreen = 1;

// The letter of control `control` (0-based over the whole flow), then its entered-value letter
// (+1) and its edit-state letter (+2).
int LettrageOf(int control);
Kind KindOf(int lettrage);

// One line of list data. An empty text is a column the line does not have.
struct Line
{
    std::string expand, id, level, filter, text, label;
};
using Lines = std::shared_ptr<const std::vector<Line>>;

// `count` lines on four levels (1 of 10 on level 1, then 2, 3 and 4 below), every fourth
// node of the first three levels expanded, filter codes 1 to 3.
Lines TreeLines(std::size_t count);
// The five lines of a combo box: codes 1 to 5 with their labels.
Lines ComboLines();

// A list data source over shared lines.
class ListData : public TComplexData
{
public:
    explicit ListData(Lines lines) : m_lines(std::move(lines)) {}
    bool BeginDonneeComp(int numListe) override;
    bool NextDonneeComp(int numListe) override;
    bool GetDonneeComp(int numListe, int colonne, std::string& texte) override;

private:
    Lines m_lines;
    std::size_t m_cursor = 0;
};

class Model : public TModelAbstract
{
public:
    Model(TInfoGene* info, Sizes sizes);

    void DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic) override;
    void LettrageVersDonnees(structLettre* lettres, structLettre* lettresStatic) override;
    void Calcul() override;
    void Select(structLettre* lettres) override;
    structMessage* ControleLettres(structLettre*) override { return nullptr; }
    structMessage* ControleDeclaration() override { return nullptr; }
    char* TexteDuMessage(structMessage* message, char** texte) override;
    char* LibelleDeLaLettre(short lettrage, char** libelle) override;

    Sizes sizes() const { return m_sizes; }
    long long total() const { return m_total; }
    bool secondScreenOn() const { return m_total % 2 == 0; }

private:
    Sizes m_sizes;
    std::vector<std::string> m_values; // by lettrage
    std::vector<long long> m_amounts;  // by lettrage, 0 for other kinds
    long long m_total = 0;
};

class Flow : public TCinematicManagerAbstract
{
public:
    explicit Flow(Model* model) : m_model(model) {}
    void Init() override;
    void Update() override;

private:
    Model* m_model; // not owned
};

class Navigation : public TComplexDataNavigateTree
{
public:
    using TComplexDataNavigateTree::TComplexDataNavigateTree;
    bool GetLibelleTreeData(std::string& texte) override;
};

class ScreenPresenter : public TPrEcranVCL
{
public:
    ScreenPresenter(TComponent* owner, TPrComposite* parent, Model* model,
                    TMgtModelInvoker* invoker, TCinematicManagerAbstract* flow);
    void SauveDataInit() override {}
    void RestaureDataInit() override {}
    void CheckIsModified() override {}
    void InitDonnees() override {}
    void DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic) override;
    void LettrageVersDonnees(structLettre* lettres, structLettre* lettresStatic) override;
    void Calcul() override;
    void Select(structLettre* lettres) override;
};

// One screen of the flow: its controls laid out on a grid; those beyond the screen's height
// are clipped, as in a screen taller than the window.
class Screen : public TViewEcranVCL
{
    Q_OBJECT

public:
    Screen(TComponent* owner, TPrEcranVCL* presenter, Sizes sizes, int screenIndex);
    void InitCouleurs() override;
    void InitControls() override;
    void SetOnChangeControl() override;

    // The first amount field, where the keystrokes go.
    TcxEditNum* firstAmount() const { return m_firstAmount; }

private:
    Sizes m_sizes;
    int m_screenIndex;
    TcxEditNum* m_firstAmount = nullptr;
};

class Factory : public TFactoryAbstract
{
public:
    explicit Factory(Sizes sizes) : m_sizes(sizes) {}
    bool CreeVue(int idScreen, TComponent* owner, TPrEcranVCL* presenter) override;

private:
    Sizes m_sizes;
};

// The host: owns the model, the invoker and the general information; each Run builds the
// presenter tree and runs it.
class Wizard
{
public:
    explicit Wizard(Sizes sizes);
    ~Wizard();
    Wizard(const Wizard&) = delete;
    Wizard& operator=(const Wizard&) = delete;

    // Builds the presenter tree and runs Execute; `inside` runs from the wizard's modal loop
    // once the first screen is shown. The wizard is then finished and its tree freed.
    void Run(const std::function<void()>& inside);

    // While running.
    TPrBaseForm* root() const { return m_root.get(); }
    Flow* flow() const { return m_flow; }
    Screen* screen() const;
    int activeScreen() const;
    bool atLastScreen() const;
    // Clicks "Suivant >" and lets the window settle.
    void Next();
    // Back to the first screen, as the navigation tree does.
    void First();
    // One key typed into the first amount of the screen: alternately a digit and a backspace,
    // so that the sum changes at every keystroke.
    void Keystroke();

    Model& model() { return *m_model; }

private:
    Sizes m_sizes;
    TInfoGene m_info;
    std::unique_ptr<Model> m_model;
    std::unique_ptr<TMgtModelInvoker> m_invoker;
    std::unique_ptr<TPrBaseForm> m_root;
    Flow* m_flow = nullptr; // owned by the root
    bool m_digit = true;
};

// Lets Qt's pending events run (paints, deferred deletes, posted messages).
void Settle();

// The framework's trace at INFO into a size-capped log4cxx file appender in `folder`.
void TraceToFile(const std::string& folder);
void SetTrace(bool on);

// Memory of the process: resident set, and bytes handed out by malloc. MemoryBaseline gives
// freed memory back to the system first, so that what follows counts what it adds.
struct Memory
{
    double residentMB = 0;
    double heapMB = 0;
};
Memory MemoryNow();
Memory MemoryBaseline();

// CPU time of the calling thread, in seconds: on a shared machine, the part of the wall time
// the program really worked.
double CpuSeconds();

} // namespace bench
