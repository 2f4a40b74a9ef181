#include "presenter/TPrListManager.h"

#include "flow/TCinematicManagerAbstract.h"
#include "model/TCompteRendu.h"
#include "model/TModelAbstract.h"
#include "presenter/TCreeIHM.h"
#include "presenter/TMdListManager.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TPrComposite.h"
#include "presenter/TVisitorMajCinematique.h"

#include "MessageDlg.h"
#include "TAction.h"
#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include <string>

namespace {

// Windows-1252 text.
constexpr const char* kDeleteQuestion = "Confirmez-vous la suppression de cet \xE9l\xE9ment : ";

// The report's user action of an editor that the user closed without validating.
constexpr int kUserActionCancelled = 1;

bool HasFocusedNode(const TcxKelTreeList* tree)
{
    return tree && tree->GetFocusedNode();
}

// A focused top-level node, and not the first (or not the last) of its level.
bool CanMove(const TcxKelTreeList* tree, bool up)
{
    const TcxTreeListNode* node = tree ? tree->GetFocusedNode() : nullptr;
    if (!node || node->GetLevel() != 0)
        return false;
    return up ? !node->GetIsFirst() : !node->GetIsLast();
}

void Enable(TAction* action, bool enabled)
{
    if (action)
        action->SetEnabled(enabled);
}

} // namespace

TPrListManager::TPrListManager(TMdListManager* theMdListManager, TPrComposite* thePresenter,
                               TCreeIHM* theCreeIHM)
    : mdListManager(theMdListManager), presenter(thePresenter), creeIHM(theCreeIHM)
{}

TPrListManager& TPrListManager::operator=(const TPrListManager& other)
{
    if (this != &other) {
        mdListManager = other.mdListManager;
        presenter = other.presenter;
        creeIHM = other.creeIHM;
    }
    return *this;
}

TPrListManager::~TPrListManager() = default;

bool TPrListManager::operator==(const TPrListManager& other) const
{
    return mdListManager == other.mdListManager && presenter == other.presenter &&
           creeIHM == other.creeIHM;
}

TPrComposite* TPrListManager::Root() const
{
    if (!presenter)
        return nullptr;
    return presenter->getRoot() ? presenter->getRoot() : presenter;
}

void TPrListManager::RefreshTree()
{
    TPrComposite* root = Root();
    if (!root)
        return;
    // The steps a keystroke takes once the data changed, so that a list change shows
    // everywhere alike: the bar's flow state, the host's information (the caption), the
    // screens switched on and off, then every presenter and view.
    RefreshFlow();
    if (auto* form = dynamic_cast<TPrBaseForm*>(root))
        form->UpdateInfo();
    if (TCinematicManagerAbstract* flow = root->getCinematicManager()) {
        flow->Update();
        flow->Update();
    }
    root->Update();
}

void TPrListManager::RefreshFlow()
{
    if (TPrComposite* root = Root()) {
        TVisitorMajCinematique visitor;
        root->Accept(&visitor);
    }
}

bool TPrListManager::RunEditor()
{
    TCompteRendu report;
    TPrComposite* root = Root();
    creeIHM->CreeIHM(root ? root->getView() : nullptr, mdListManager->getModel(),
                     mdListManager->getInvoker(), report);
    if (presenter && presenter->getCompteRendu())
        presenter->getCompteRendu()->MiseAJour(report);
    return report.getUserAction() != kUserActionCancelled;
}

int TPrListManager::getNodeIndex(TcxKelTreeList* tree)
{
    const TcxTreeListNode* node = tree ? tree->GetFocusedNode() : nullptr;
    if (!node)
        return -1;
    for (int level = node->GetLevel(); level > 0 && node->GetParent(); --level)
        node = node->GetParent();
    return node->GetIndex();
}

void TPrListManager::focusNode(TcxKelTreeList* tree, int index)
{
    if (!tree || index < 0)
        return;
    if (TcxTreeListNode* node = tree->GetItem(index))
        tree->SetFocusedNode(node);
}

void TPrListManager::AjouteElementExecute(TcxKelTreeList* tree)
{
    if (!mdListManager)
        return;
    mdListManager->AjouteElement();
    if (creeIHM) {
        if (!RunEditor())
            mdListManager->SupprimeElement();
        RefreshTree();
    }
    focusNode(tree, mdListManager->getIndexElement());
}

void TPrListManager::AjouteElementUpdate(TAction* action)
{
    Enable(action, true);
}

void TPrListManager::DupliqueElementExecute(TcxKelTreeList* tree)
{
    if (!mdListManager)
        return;
    const int index = getNodeIndex(tree);
    if (index >= 0 && index < mdListManager->getNbElement()) {
        mdListManager->DupliqueElement();
        if (TModelAbstract* model = mdListManager->getModel())
            model->Calcul();
        RefreshTree();
    }
    focusNode(tree, mdListManager->getIndexElement());
}

void TPrListManager::DupliqueElementUpdate(TcxKelTreeList* tree, TAction* action)
{
    Enable(action, HasFocusedNode(tree));
}

void TPrListManager::ModifieElementExecute(TcxKelTreeList* tree)
{
    if (!mdListManager)
        return;
    const int index = getNodeIndex(tree);
    if (index >= 0 && index < mdListManager->getNbElement()) {
        mdListManager->setIndexElement(index);
        if (creeIHM) {
            RunEditor(); // a cancelled editor leaves the element as it was
            RefreshTree();
        }
    }
    focusNode(tree, mdListManager->getIndexElement());
}

void TPrListManager::ModifieElementUpdate(TcxKelTreeList* tree, TAction* action)
{
    Enable(action, HasFocusedNode(tree));
}

void TPrListManager::SupprimeElementExecute(TcxKelTreeList* tree)
{
    if (!mdListManager)
        return;
    const int index = getNodeIndex(tree);
    if (index >= 0 && index < mdListManager->getNbElement()) {
        mdListManager->setIndexElement(index);
        const std::string question =
            std::string(kDeleteQuestion) + mdListManager->getLibelleElement() + " ?";
        if (MessageDlg(question, mtInformation, mbOKCancel, 0) == mrOk) {
            mdListManager->SupprimeElement();
            RefreshTree();
        }
    }
    focusNode(tree, mdListManager->getIndexElement());
}

void TPrListManager::SupprimeElementUpdate(TcxKelTreeList* tree, TAction* action)
{
    Enable(action, HasFocusedNode(tree));
}

void TPrListManager::MoveUpElementExecute(TcxKelTreeList* tree)
{
    if (!mdListManager)
        return;
    // The tree shows the elements: the focused node's neighbour is the element moved past.
    if (!CanMove(tree, true))
        return;
    const int index = getNodeIndex(tree);
    mdListManager->DeplaceElement(index, index - 1);
    RefreshTree();
    focusNode(tree, index - 1);
}

void TPrListManager::MoveUpElementUpdate(TcxKelTreeList* tree, TAction* action)
{
    Enable(action, CanMove(tree, true));
}

void TPrListManager::MoveDownElementExecute(TcxKelTreeList* tree)
{
    if (!mdListManager)
        return;
    if (!CanMove(tree, false))
        return;
    const int index = getNodeIndex(tree);
    mdListManager->DeplaceElement(index, index + 1);
    RefreshTree();
    focusNode(tree, index + 1);
}

void TPrListManager::MoveDownElementUpdate(TcxKelTreeList* tree, TAction* action)
{
    Enable(action, CanMove(tree, false));
}
