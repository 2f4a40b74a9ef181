#include "presenter/TPrBaseForm.h"

#include "controls/TControlDisplayInfo.h"
#include "flow/TCinematicManagerAbstract.h"
#include "log/TFrameworkLogger.h"
#include "model/TCompteRendu.h"
#include "model/TModelAbstract.h"
#include "presenter/TCompositeVisitor.h"
#include "presenter/THostGuard.h"
#include "presenter/TPrEcranVCL.h"
#include "presenter/TVisitorChangeView.h"
#include "view/TMessageManager.h"
#include "view/TViewBaseForm.h"

#include "MessageDlg.h"
#include "TInfoGene.h"

#include <log4cxx/level.h>

#include <algorithm>
#include <utility>

namespace {

// Windows-1252 text; a literal is split where a hex digit follows an escape.
constexpr const char* kAbandonQuestion =
    "Attention, en quittant l'assistant, les informations renseign\xE9"
    "es pr\xE9"
    "c\xE9"
    "demment ne seront pas enregistr\xE9"
    "es.\nAppuyez sur OK pour confirmer l'abandon.";

constexpr const char* kMissingScreenWarning = "TPrBaseForm::Execute()  l'enum de l'\xE9"
                                              "cran \xE0 afficher n'est pas disponible";

// How the user left the wizard (the report's user action).
constexpr int kUserActionFinished = 0;
constexpr int kUserActionAbandoned = 1;

} // namespace

TPrBaseForm::TPrBaseForm(TComponent* owner, TModelAbstract* theModel, TMgtModelInvoker* theInvoker)
    : TPrComposite(this, theModel, theInvoker, nullptr)
{
    setRoot(this);
    setView(new TViewBaseForm(owner, this));
    setMessageManager(new TMessageManager(owner, this));
}

TPrBaseForm::TPrBaseForm(const TPrBaseForm& other)
    : TPrComposite(other), closeAllowed(other.closeAllowed), closed(other.closed)
{
    // A copy of a root is the root of its own tree.
    if (other.getRoot() == &other)
        setRoot(this);
}

TPrBaseForm& TPrBaseForm::operator=(const TPrBaseForm& other)
{
    if (this == &other)
        return *this;
    TPrComposite::operator=(other);
    if (other.getRoot() == &other)
        setRoot(this);
    closeAllowed = other.closeAllowed;
    closed = other.closed;
    return *this;
}

bool TPrBaseForm::operator==(const TPrBaseForm& other) const
{
    return TPrComposite::operator==(other) &&
           controlDisplayInfoList == other.controlDisplayInfoList &&
           closeAllowed == other.closeAllowed && closed == other.closed &&
           getMessageManager() == other.getMessageManager();
}

TPrBaseForm::~TPrBaseForm()
{
    delete getCinematicManager();
    setCinematicManager(nullptr);

    TMessageManager* relay = getMessageManager();
    messageManager = nullptr;
    messageManagerGuard = nullptr;
    delete relay;

    for (TControlDisplayInfo* info : controlDisplayInfoList)
        delete info;
    controlDisplayInfoList.clear();
}

void TPrBaseForm::Accept(TCompositeVisitor* visitor)
{
    visitor->VisitBaseForm(this);
    TPrComposite::Accept(visitor);
}

void TPrBaseForm::Execute()
{
    FrameworkLog(log4cxx::Level::getInfo(), "TPrBaseForm::Execute()", "");
    if (const char* error = WiringError()) {
        FrameworkLog(log4cxx::Level::getError(), error, "");
        if (TCompteRendu* report = getCompteRendu())
            report->setUserAction(kUserActionNotRun);
        return;
    }
    THostGuard::Run("TPrBaseForm::Execute()", this, [this] { Start(*getCinematicManager()); });

    // The roads into the wizard stop the host's exceptions themselves; what still comes out
    // of the loop was thrown by a handler outside the framework. The window then ends here,
    // its outcome in the report as the user left it.
    try {
        if (auto* window = qobject_cast<TViewBaseForm*>(getView()))
            window->ShowModal();
    } catch (const std::exception& error) {
        THostGuard::Report("TPrBaseForm::Execute()", error.what(), this);
    } catch (...) {
        THostGuard::Report("TPrBaseForm::Execute()", nullptr, this);
    }
}

const char* TPrBaseForm::WiringError() const
{
    if (!getCinematicManager())
        return "TPrBaseForm::Execute() sans gestionnaire de cin\xE9matique";
    // A window freed by a previous run cannot be shown again.
    if (!qobject_cast<TViewBaseForm*>(getView()))
        return "TPrBaseForm::Execute() sans fen\xEAtre (d\xE9j\xE0 lib\xE9r\xE9"
               "e)";
    if (!getModel())
        return "TPrBaseForm::Execute() sans mod\xE8le";
    std::vector<TPrComposite*> pending = getFils();
    while (!pending.empty()) {
        TPrComposite* node = pending.back();
        pending.pop_back();
        if (!node)
            continue;
        if (dynamic_cast<TPrEcranVCL*>(node) && !node->getModel())
            return "TPrBaseForm::Execute() pr\xE9sentateur d'\xE9"
                   "cran sans mod\xE8le";
        const std::vector<TPrComposite*> children = node->getFils();
        pending.insert(pending.end(), children.begin(), children.end());
    }
    return nullptr;
}

void TPrBaseForm::Start(TCinematicManagerAbstract& flow)
{
    TInfoGene* info = getModel() ? getModel()->getInfoGene() : nullptr;
    if (info && info->isScreenToFind())
        info->setIdScreen(flow.getScreenFromLettrage(info->getIdControl()));

    if (info && info->isDisplayedScreen()) {
        if (flow.ExistScreen(info->getIdScreen())) {
            flow.setEnumEcranActif(info->getIdScreen());
        } else {
            FrameworkLog(log4cxx::Level::getWarn(), kMissingScreenWarning, "");
            flow.FirstScreen();
        }
        ChangeScreen();
        CenterWindow();
    } else {
        flow.FirstScreen();
        ChangeScreen();
    }

    for (TPrComposite* child : getFils())
        child->Show();
}

void TPrBaseForm::LeaveHandler()
{
    if (--handlerDepth > 0)
        return;
    handlerDepth = 0;
    if (TMessageManager* relay = getMessageManager())
        relay->ReleaseHeld();
}

TPrBaseForm::HandlerScope::HandlerScope(TPrComposite* presenter)
    : m_form(presenter ? dynamic_cast<TPrBaseForm*>(presenter->getRoot() ? presenter->getRoot()
                                                                         : presenter)
                       : nullptr)
{
    if (m_form)
        m_form->EnterHandler();
}

TPrBaseForm::HandlerScope::~HandlerScope()
{
    if (m_form)
        m_form->LeaveHandler();
}

void TPrBaseForm::ChangeScreen()
{
    TVisitorChangeView visitor;
    (getRoot() ? getRoot() : this)->Accept(&visitor);
}

void TPrBaseForm::Cancel()
{
    TCompteRendu* report = getCompteRendu();
    if (MessageDlg(kAbandonQuestion, mtInformation, mbOKCancel, 0) == mrOk) {
        RestaureDataInit();
        if (report)
            report->setUserAction(kUserActionAbandoned);
        closeAllowed = true;
    } else if (report) {
        report->setModified(false);
    }
}

void TPrBaseForm::Ok()
{
    if (TCompteRendu* report = getCompteRendu())
        report->setUserAction(kUserActionFinished);
    closeAllowed = true;
}

void TPrBaseForm::OnClose(TObject* /*sender*/, TCloseAction& action)
{
    FrameworkLog(log4cxx::Level::getInfo(), "TPrBaseForm::OnClose()", "");
    const TCompteRendu* report = getCompteRendu();
    if (closeAllowed || !report || !report->isModified()) {
        action = caFree;
    } else {
        Cancel();
        action = closeAllowed ? caFree : caNone;
    }
    if (action == caFree)
        closed = true;
}

void TPrBaseForm::OnCloseQuery(bool& canClose)
{
    FrameworkLog(log4cxx::Level::getInfo(), "TPrBaseForm::OnCloseQuery()", "");
    TPrComposite* tree = getRoot() ? getRoot() : this;
    tree->MiseAJourCompteRendu();
    // Until the user finishes, leaving needs no valid data: OnClose asks about the changes.
    const TCompteRendu* report = getCompteRendu();
    if (!report || report->getUserAction() == kUserActionAbandoned) {
        canClose = true;
        return;
    }
    // Refused until the screens accept their data, also when a check throws.
    const bool allowed = std::exchange(closeAllowed, false);
    canClose = false;
    if (tree->EcranValide(true)) {
        closeAllowed = allowed;
        canClose = true;
    }
}

void TPrBaseForm::LanceDeclaration(int /*message*/) {}

void TPrBaseForm::UpdateInfo() {}

TPanel* TPrBaseForm::getPanelEcranVCL() const
{
    const auto* window = qobject_cast<const TViewBaseForm*>(getView());
    return window ? window->PanelEcranVCL : nullptr;
}

TPanel* TPrBaseForm::getPanelNavigateTree() const
{
    const auto* window = qobject_cast<const TViewBaseForm*>(getView());
    return window ? window->PanelNavigateTree : nullptr;
}

TPanel* TPrBaseForm::getPanelManagementButtons() const
{
    const auto* window = qobject_cast<const TViewBaseForm*>(getView());
    return window ? window->PanelManagementButtons : nullptr;
}

void TPrBaseForm::CascadeWindow()
{
    if (auto* window = qobject_cast<TViewBaseForm*>(getView()))
        window->Cascade();
}

void TPrBaseForm::CenterWindow()
{
    if (auto* window = qobject_cast<TViewBaseForm*>(getView()))
        window->Center();
}

TMessageManager* TPrBaseForm::getMessageManager() const
{
    return messageManagerGuard ? messageManager : nullptr;
}

void TPrBaseForm::setMessageManager(TMessageManager* manager)
{
    messageManager = manager;
    messageManagerGuard = manager;
}

void TPrBaseForm::AddControlDisplayInfo(TControlDisplayInfo* info)
{
    // A record held twice would be deleted twice.
    if (!info || std::find(controlDisplayInfoList.begin(), controlDisplayInfoList.end(), info) !=
                     controlDisplayInfoList.end())
        return;
    controlDisplayInfoList.push_back(info);
}

TPrBaseForm::DisplayInfoList::iterator TPrBaseForm::getControlDisplayInfo(int ctrlId)
{
    return std::find_if(
        controlDisplayInfoList.begin(), controlDisplayInfoList.end(),
        [ctrlId](const TControlDisplayInfo* info) { return info && info->getCtrlId() == ctrlId; });
}

TPrBaseForm::DisplayInfoList::iterator TPrBaseForm::getControlDisplayInfoEnd()
{
    return controlDisplayInfoList.end();
}
