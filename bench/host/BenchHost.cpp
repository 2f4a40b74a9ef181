#include "BenchHost.h"

#include "controls/TdCCheckBox.h"
#include "controls/TdCComboBox.h"
#include "controls/TdCTreeList.h"
#include "controls/TdCcxEditDate.h"
#include "controls/TdCcxEditNum.h"
#include "controls/TdCcxEditStr.h"
#include "flow/TScreenInformation.h"
#include "log/TFrameworkLogger.h"
#include "model/TLieManager.h"
#include "model/TMgtModelCmdCalcul.h"
#include "model/TMgtModelCmdDVL.h"
#include "model/TMgtModelCmdLVD.h"
#include "model/TMgtModelCmdSelect.h"
#include "model/TMgtModelInvoker.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TPrManagementButtons.h"
#include "presenter/TPrNavigateTree.h"
#include "view/TViewManagementButtons.h"
#include "view/TViewNavigateTree.h"

#include "TForm.h"
#include "TPanel.h"
#include "TSingletonCouleur.h"
#include "TcxCheckBox.h"
#include "TcxComboBox.h"
#include "TcxEditDate.h"
#include "TcxEditNum.h"
#include "TcxEditStr.h"
#include "TcxKelButton.h"
#include "TcxKelTreeList.h"
#include "qlettre.h"

#include <log4cxx/logger.h>
#include <log4cxx/patternlayout.h>
#include <log4cxx/rolling/rollingfileappender.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace bench {

namespace {

// The screen's grid.
constexpr int kColumns = 5;
constexpr int kColumnWidth = 150;
constexpr int kRowHeight = 26;
constexpr int kScreenWidth = kColumns * kColumnWidth + 20;
constexpr int kScreenHeight = 560;
constexpr int kTreeLines = 40;

// "<prefix><n>". Texts are built by construction and appending: GCC 12 at -O3 warns wrongly
// (-Wrestrict) about a literal inserted into, or assigned to, a string.
std::string Numbered(const char* prefix, long n)
{
    std::string text = prefix;
    text += std::to_string(n);
    return text;
}

int ControlIndex(Sizes sizes, int screenIndex, int control)
{
    return screenIndex * sizes.controls + control;
}

std::string InitialValue(int lettrage)
{
    switch (KindOf(lettrage)) {
    case Kind::Text:
        return Numbered("Texte ", lettrage);
    case Kind::Amount:
    case Kind::Amount2:
        return "100";
    case Kind::Date:
        return "01012024";
    case Kind::CheckBox:
        return "1";
    case Kind::ComboBox:
        return "2";
    }
    return {};
}

} // namespace

int LettrageOf(int control)
{
    return 1 + (control % kControlsPerWindow) * kLettersPerControl;
}

Kind KindOf(int lettrage)
{
    return static_cast<Kind>(((lettrage - 1) / kLettersPerControl) % kKinds);
}

Lines TreeLines(std::size_t count)
{
    auto lines = std::make_shared<std::vector<Line>>();
    lines->reserve(count);
    // Per group of ten lines: one on level 1, two on level 2, three on level 3, four on 4.
    static constexpr int kLevelOf[10] = {1, 2, 3, 4, 4, 3, 4, 2, 3, 4};
    for (std::size_t i = 0; i < count; ++i) {
        const int level = kLevelOf[i % 10];
        Line line;
        line.expand = std::string(1, level < 4 && i % 4 == 0 ? '1' : '0');
        line.id = std::to_string(i + 1);
        line.level = std::to_string(level);
        line.filter = std::to_string(1 + i % 3);
        line.text = Numbered("Ligne ", i + 1);
        lines->push_back(std::move(line));
    }
    return lines;
}

Lines ComboLines()
{
    auto lines = std::make_shared<std::vector<Line>>();
    for (int code = 1; code <= 5; ++code) {
        Line line;
        line.text = std::to_string(code);
        line.label = Numbered("Choix ", code);
        lines->push_back(std::move(line));
    }
    return lines;
}

bool ListData::BeginDonneeComp(int)
{
    m_cursor = 0;
    return m_cursor < m_lines->size();
}

bool ListData::NextDonneeComp(int)
{
    if (m_cursor < m_lines->size())
        ++m_cursor;
    return m_cursor < m_lines->size();
}

bool ListData::GetDonneeComp(int, int colonne, std::string& texte)
{
    if (m_cursor >= m_lines->size())
        return false;
    const Line& line = (*m_lines)[m_cursor];
    const std::string* column = nullptr;
    switch (colonne) {
    case kColumnExpand:
        column = &line.expand;
        break;
    case kColumnId:
        column = &line.id;
        break;
    case kColumnNiveau:
        column = &line.level;
        break;
    case kColumnFilter:
        column = &line.filter;
        break;
    case kColumnText:
        column = &line.text;
        break;
    case kColumnText + 1:
        column = &line.label;
        break;
    default:
        return false;
    }
    if (column->empty())
        return false;
    texte = *column;
    return true;
}

// --- Model ---

Model::Model(TInfoGene* info, Sizes sizes)
    : TModelAbstract(info), m_sizes(sizes), m_values(32768), m_amounts(32768, 0)
{
    const int controls = std::min(sizes.screens * sizes.controls, kControlsPerWindow);
    for (int control = 0; control < controls; ++control) {
        const int lettrage = LettrageOf(control);
        m_values[static_cast<std::size_t>(lettrage)] = InitialValue(lettrage);
        m_values[static_cast<std::size_t>(lettrage + 1)].clear();
        m_values[static_cast<std::size_t>(lettrage + 2)] = std::string(1, '1');
        const Kind kind = KindOf(lettrage);
        if (kind == Kind::Amount || kind == Kind::Amount2)
            m_amounts[static_cast<std::size_t>(lettrage)] = 100;
        getLieManager()->LierElements(static_cast<short>(lettrage),
                                      static_cast<short>(lettrage + 1),
                                      static_cast<short>(lettrage + 2));
    }
    Calcul();
}

void Model::DonneesVersLettrage(structLettre* lettres, structLettre*)
{
    for (structLettre* lettre = VaPremiereLettre(lettres); !FinListeLettre(lettre);
         lettre = VaLettreSuivante(lettre)) {
        if (lettre->lettrage > 0)
            MetValeurLettre(lettre, m_values[static_cast<std::size_t>(lettre->lettrage)].c_str());
    }
}

void Model::LettrageVersDonnees(structLettre* lettres, structLettre*)
{
    for (structLettre* lettre = VaPremiereLettre(lettres); !FinListeLettre(lettre);
         lettre = VaLettreSuivante(lettre)) {
        if (lettre->lettrage <= 0 || !lettre->valeur)
            continue;
        const auto index = static_cast<std::size_t>(lettre->lettrage);
        m_values[index] = lettre->valeur;
        const Kind kind = KindOf(lettre->lettrage);
        if ((kind == Kind::Amount || kind == Kind::Amount2) &&
            (lettre->lettrage - 1) % kLettersPerControl == 0)
            m_amounts[index] = std::atoll(lettre->valeur);
    }
}

void Model::Calcul()
{
    long long total = 0;
    for (long long amount : m_amounts)
        total += amount;
    m_total = total;
}

void Model::Select(structLettre* lettres)
{
    for (structLettre* lettre = VaPremiereLettre(lettres); !FinListeLettre(lettre);
         lettre = VaLettreSuivante(lettre))
        lettre->select = 1;
}

char* Model::TexteDuMessage(structMessage*, char** texte)
{
    *texte = DupliqueTexte("");
    return *texte;
}

char* Model::LibelleDeLaLettre(short, char** libelle)
{
    *libelle = DupliqueTexte("");
    return *libelle;
}

// --- Flow ---

void Flow::Init()
{
    for (int i = 0; i < m_model->sizes().screens; ++i) {
        const int id = kFirstScreen + i;
        InitScreen(id, 1000 + i, Numbered("Ecran ", i + 1), TScreenInformation::SELECTION_OUI,
                   TScreenInformation::ON, TScreenInformation::FAMILLE_DEFAUT);
        TScreenInformation* info = GetInfoEcran(id);
        info->setNiveau(1);
        info->setScreenName(Numbered("Ecran", i + 1));
    }
    Update();
}

void Flow::Update()
{
    if (m_model->sizes().screens < 3)
        return;
    if (m_model->secondScreenOn())
        SetON(kFirstScreen + 1);
    else
        SetOFF(kFirstScreen + 1);
}

bool Navigation::GetLibelleTreeData(std::string& texte)
{
    const TCinematicManagerAbstract* flow = getCinematicManager();
    const TScreenInformation* info = flow ? flow->GetDisplayScreenInfo(getCursor()) : nullptr;
    if (!info)
        return false;
    texte = info->getTitre();
    return true;
}

// --- Presenter, screens, factory ---

ScreenPresenter::ScreenPresenter(TComponent* owner, TPrComposite* parent, Model* model,
                                 TMgtModelInvoker* invoker, TCinematicManagerAbstract* flow)
    : TPrEcranVCL(owner, parent, model, invoker, flow)
{
    listeFactory.push_back(new Factory(model->sizes()));
}

void ScreenPresenter::DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic)
{
    TMgtModelCmdDVL command(getModel(), lettres, lettresStatic);
    getInvoker()->executeCommand(&command);
}

void ScreenPresenter::LettrageVersDonnees(structLettre* lettres, structLettre* lettresStatic)
{
    TMgtModelCmdLVD command(getModel(), lettres, lettresStatic);
    getInvoker()->executeCommand(&command);
}

void ScreenPresenter::Calcul()
{
    TMgtModelCmdCalcul command(getModel());
    getInvoker()->executeCommand(&command);
}

void ScreenPresenter::Select(structLettre* lettres)
{
    TMgtModelCmdSelect command(getModel(), lettres);
    getInvoker()->executeCommand(&command);
}

Screen::Screen(TComponent* owner, TPrEcranVCL* presenter, Sizes sizes, int screenIndex)
    : TViewEcranVCL(owner, presenter), m_sizes(sizes), m_screenIndex(screenIndex)
{
    SetClientWidth(kScreenWidth);
    SetClientHeight(kScreenHeight);
}

void Screen::InitCouleurs()
{
    SetColor(*m_Couleurs->getColors(couleurFondAssistant));
}

void Screen::InitControls()
{
    structLettre* lettres = nullptr;
    for (int c = 0; c < m_sizes.controls; ++c) {
        const int lettrage = LettrageOf(ControlIndex(m_sizes, m_screenIndex, c));
        const int x = 10 + (c % kColumns) * kColumnWidth;
        const int y = 10 + (c / kColumns) * kRowHeight;
        TdControl* control = nullptr;
        TComponent* widget = nullptr;
        if (c == m_sizes.controls - 1) {
            auto* tree = new TcxKelTreeList(this);
            tree->SetBounds(x, y, kColumnWidth - 10, 4 * kRowHeight);
            tree->SetHeaderVisible(false);
            control = new TdCTreeList();
            control->m_complexData = new ListData(TreeLines(kTreeLines));
            widget = tree;
        } else {
            switch (KindOf(lettrage)) {
            case Kind::Text: {
                auto* edit = new TcxEditStr(this);
                control = new TdCcxEditStr();
                widget = edit;
                break;
            }
            case Kind::Amount:
            case Kind::Amount2: {
                auto* edit = new TcxEditNum(this);
                edit->SetDecimalPlaces(0);
                if (!m_firstAmount)
                    m_firstAmount = edit;
                control = new TdCcxEditNum();
                widget = edit;
                break;
            }
            case Kind::Date: {
                auto* edit = new TcxEditDate(this);
                control = new TdCcxEditDate();
                widget = edit;
                break;
            }
            case Kind::CheckBox: {
                auto* box = new TcxCheckBox(this);
                box->SetText(Numbered("Case ", lettrage));
                control = new TdCCheckBox();
                widget = box;
                break;
            }
            case Kind::ComboBox: {
                auto* combo = new TcxComboBox(this);
                control = new TdCComboBox();
                control->m_complexData = new ListData(ComboLines());
                widget = combo;
                break;
            }
            }
            if (auto* sized = dynamic_cast<TControl*>(widget))
                sized->SetBounds(x, y, kColumnWidth - 10, kRowHeight - 2);
        }
        control->m_lettrage = lettrage;
        control->m_component = widget;
        AjouteControl(control);
        AjouteLettre(&lettres, static_cast<short>(lettrage), 0, 0, 0, 1, 0);
    }
    setListeLettre(lettres);
}

void Screen::SetOnChangeControl()
{
    AttachOnChangeControls();
}

bool Factory::CreeVue(int idScreen, TComponent* owner, TPrEcranVCL* presenter)
{
    const int index = idScreen - kFirstScreen;
    if (index < 0 || index >= m_sizes.screens)
        return false;
    presenter->setView(new Screen(owner, presenter, m_sizes, index));
    return true;
}

// --- The host ---

Wizard::Wizard(Sizes sizes)
    : m_sizes(sizes), m_model(std::make_unique<Model>(&m_info, sizes)),
      m_invoker(std::make_unique<TMgtModelInvoker>())
{}

Wizard::~Wizard() = default;

void Wizard::Run(const std::function<void()>& inside)
{
    m_root = std::make_unique<TPrBaseForm>(nullptr, m_model.get(), m_invoker.get());
    TPrBaseForm* root = m_root.get();
    m_flow = new Flow(m_model.get());
    m_flow->Init();
    root->setCinematicManager(m_flow);

    auto* tree = new TPrNavigateTree(root->getPanelNavigateTree(), root, m_model.get(),
                                     m_invoker.get(), m_flow);
    root->Add(tree);
    if (TViewNavigateTree* view = tree->getViewNavigateTree())
        view->SetComplexData(new Navigation(m_model.get(), m_flow));
    root->Add(new ScreenPresenter(root->getPanelEcranVCL(), root, m_model.get(), m_invoker.get(),
                                  m_flow));
    auto* buttons = new TPrManagementButtons(root->getPanelManagementButtons(), root, m_model.get(),
                                             m_invoker.get(), m_flow);
    root->Add(buttons);
    if (auto* bar = qobject_cast<TViewManagementButtons*>(buttons->getView()))
        bar->SetComplexData(new Navigation(m_model.get(), m_flow));
    root->SauveDataInit();

    QTimer::singleShot(0, [this, &inside] {
        Settle();
        inside();
        // "Terminer": the wizard finishes and its window closes.
        m_root->Ok();
        if (auto* window = dynamic_cast<TForm*>(m_root->getView()))
            window->Close();
    });
    root->Execute();
    m_flow = nullptr;
    m_root.reset();
    Settle();
}

Screen* Wizard::screen() const
{
    if (!m_root)
        return nullptr;
    for (TPrComposite* child : m_root->getFils()) {
        if (auto* presenter = dynamic_cast<TPrEcranVCL*>(child))
            return qobject_cast<Screen*>(presenter->getViewEcran());
    }
    return nullptr;
}

int Wizard::activeScreen() const
{
    return m_flow ? m_flow->getEnumEcranActif() : -1;
}

bool Wizard::atLastScreen() const
{
    return activeScreen() == kFirstScreen + m_sizes.screens - 1;
}

void Wizard::Next()
{
    for (TPrComposite* child : m_root->getFils()) {
        if (auto* buttons = dynamic_cast<TPrManagementButtons*>(child)) {
            if (auto* bar = qobject_cast<TViewManagementButtons*>(buttons->getView()))
                bar->PB_SUIVANT->Click();
        }
    }
    Settle();
}

void Wizard::First()
{
    m_flow->FirstScreen();
    m_root->ChangeScreen();
    Settle();
}

void Wizard::Keystroke()
{
    Screen* view = screen();
    TcxEditNum* field = view ? view->firstAmount() : nullptr;
    if (!field)
        return;
    field->setFocus(Qt::OtherFocusReason);
    field->end(false);
    const int key = m_digit ? Qt::Key_7 : Qt::Key_Backspace;
    const QString text = m_digit ? QStringLiteral("7") : QString();
    m_digit = !m_digit;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
    Settle();
}

void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void TraceToFile(const std::string& folder)
{
    using namespace log4cxx;
    auto appender = std::make_shared<rolling::RollingFileAppender>();
    appender->setLayout(std::make_shared<PatternLayout>(LOG4CXX_STR("%d %-5p %c - %m%n")));
    LOG4CXX_DECODE_CHAR(file, folder + "/wizard_bench.log");
    appender->setFile(file);
    appender->setAppend(false);
    // A host keeps its trace within bounds; so does the benchmark, which writes gigabytes.
    appender->setMaximumFileSize(32 * 1024 * 1024);
    appender->setMaxBackupIndex(1);
    helpers::Pool pool;
    appender->activateOptions(pool);
    LoggerPtr logger = Logger::getLogger(FrameworkLogger::kLoggerName);
    logger->removeAllAppenders();
    logger->addAppender(appender);
    logger->setAdditivity(false);
    SetTrace(true);
}

void SetTrace(bool on)
{
    log4cxx::Logger::getLogger(FrameworkLogger::kLoggerName)
        ->setLevel(on ? log4cxx::Level::getInfo() : log4cxx::Level::getOff());
}

Memory MemoryNow()
{
    Memory memory;
    long pages = 0;
    long resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    memory.residentMB = static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
                        (1024.0 * 1024.0);
    const struct mallinfo2 info = mallinfo2();
    memory.heapMB = static_cast<double>(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
    return memory;
}

double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

Memory MemoryBaseline()
{
    malloc_trim(0);
    return MemoryNow();
}

} // namespace bench
