#include "presenter/TPrBaseForm.h"

#include "controls/TControlDisplayInfo.h"
#include "flow/TCinematicManagerAbstract.h"
#include "log/TFrameworkLogger.h"
#include "model/TCompteRendu.h"
#include "presenter/TCompositeVisitor.h"
#include "presenter/TVisitorChangeView.h"
#include "view/TMessageManager.h"

#include <log4cxx/level.h>

#include <algorithm>

TPrBaseForm::TPrBaseForm(TComponent* owner, TModelAbstract* theModel, TMgtModelInvoker* theInvoker)
    : TPrComposite(this, theModel, theInvoker, nullptr)
{
    setRoot(this);
    // TODO: the wizard window (TViewBaseForm) as this presenter's view.
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
    // TODO: choose the first screen, build it and run the window modally.
}

void TPrBaseForm::ChangeScreen()
{
    TVisitorChangeView visitor;
    (getRoot() ? getRoot() : this)->Accept(&visitor);
}

void TPrBaseForm::Cancel()
{
    // TODO: the abandon question, then restore the initial data or keep the window open.
}

void TPrBaseForm::Ok()
{
    if (TCompteRendu* report = getCompteRendu())
        report->setUserAction(0);
    closeAllowed = true;
}

void TPrBaseForm::OnClose(TObject* /*sender*/, TCloseAction& /*action*/)
{
    FrameworkLog(log4cxx::Level::getInfo(), "TPrBaseForm::OnClose()", "");
    // TODO: free the window once closing is allowed or confirmed.
}

void TPrBaseForm::OnCloseQuery(bool& /*canClose*/)
{
    FrameworkLog(log4cxx::Level::getInfo(), "TPrBaseForm::OnCloseQuery()", "");
    // TODO: gather the reports and validate the screens unless the wizard is abandoned.
}

void TPrBaseForm::LanceDeclaration(int /*message*/) {}

void TPrBaseForm::UpdateInfo() {}

TPanel* TPrBaseForm::getPanelEcranVCL() const
{
    return nullptr; // TODO: the window's PanelEcranVCL.
}

TPanel* TPrBaseForm::getPanelNavigateTree() const
{
    return nullptr; // TODO: the window's PanelNavigateTree.
}

TPanel* TPrBaseForm::getPanelManagementButtons() const
{
    return nullptr; // TODO: the window's PanelManagementButtons.
}

void TPrBaseForm::CascadeWindow()
{
    // TODO: the window's Cascade.
}

void TPrBaseForm::CenterWindow()
{
    // TODO: the window's Center.
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
