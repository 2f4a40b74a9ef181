#pragma once

// The actions of a screen's list of repeated elements shown in a tree list: add, duplicate,
// modify, delete, move up and move down, each with its enabler. The operations have the shape
// of the toolkit's action events (execute with the tree list, update with the tree list and
// the action); the host's screen connects them. Elements are addressed by the position of
// their top-level node in the tree list, which must match their position in the list model.
//
// After a change the whole presenter tree is refreshed (the root's Update), which rebuilds
// the tree list; the element the operation worked on is then focused again.
//
// Nothing is owned: the list model, the screen presenter and the editor are the host's and
// outlive the list manager.

#include "wizard_framework_export.h"

class TAction;
class TCreeIHM;
class TMdListManager;
class TPrComposite;
class TcxKelTreeList;

class WIZARD_FRAMEWORK_EXPORT TPrListManager
{
public:
    // `presenter` is the screen presenter that shows the list: its root is refreshed and its
    // report receives the editor's. Without `creeIHM`, add and modify open no editor.
    TPrListManager(TMdListManager* mdListManager = nullptr, TPrComposite* presenter = nullptr,
                   TCreeIHM* creeIHM = nullptr);
    TPrListManager(const TPrListManager& other) = default;
    TPrListManager& operator=(const TPrListManager& other);
    virtual ~TPrListManager();

    // Same three links (by identity).
    bool operator==(const TPrListManager& other) const;

    // Appends an element and opens the editor on it; a cancelled editor removes it again.
    virtual void AjouteElementExecute(TcxKelTreeList* tree);
    // Always enabled.
    virtual void AjouteElementUpdate(TAction* action);
    // Duplicates the list model's current element, then computes.
    virtual void DupliqueElementExecute(TcxKelTreeList* tree);
    virtual void DupliqueElementUpdate(TcxKelTreeList* tree, TAction* action);
    // Opens the editor on the focused element; a cancelled editor changes nothing.
    virtual void ModifieElementExecute(TcxKelTreeList* tree);
    virtual void ModifieElementUpdate(TcxKelTreeList* tree, TAction* action);
    // Asks for confirmation (dialog seam), then deletes the focused element.
    virtual void SupprimeElementExecute(TcxKelTreeList* tree);
    virtual void SupprimeElementUpdate(TcxKelTreeList* tree, TAction* action);
    // Swap the focused element with its neighbour, which keeps the focus. The first element
    // does not move up, the last one does not move down, and without a focused node nothing
    // moves: the model is not asked and nothing is refreshed.
    virtual void MoveUpElementExecute(TcxKelTreeList* tree);
    virtual void MoveUpElementUpdate(TcxKelTreeList* tree, TAction* action);
    virtual void MoveDownElementExecute(TcxKelTreeList* tree);
    virtual void MoveDownElementUpdate(TcxKelTreeList* tree, TAction* action);

    // Position among the top-level nodes of the focused node's top-level ancestor (the node
    // itself at level 0); -1 without a tree or a focused node.
    int getNodeIndex(TcxKelTreeList* tree);
    // Focuses the top-level node at `index`; a negative index or one without a node (the list
    // not refreshed yet) does nothing.
    void focusNode(TcxKelTreeList* tree, int index);

    TMdListManager* getMdListManager() const { return mdListManager; }
    TPrComposite* getPresenter() const { return presenter; }
    TCreeIHM* getCreeIHM() const { return creeIHM; }

private:
    // The presenter tree's root, or the presenter itself when it has none; null without one.
    TPrComposite* Root() const;
    // What follows a keystroke: the flow state, the form's UpdateInfo, the flow's Update
    // (twice, as after a keystroke), then the root's Update.
    void RefreshTree();
    // The flow state of the buttons bar (TVisitorMajCinematique over the root).
    void RefreshFlow();
    // Runs the editor on the current element and folds its report into the presenter's;
    // answers whether the user validated it.
    bool RunEditor();

    TMdListManager* mdListManager = nullptr; // not owned
    TPrComposite* presenter = nullptr;       // not owned
    TCreeIHM* creeIHM = nullptr;             // not owned
};
