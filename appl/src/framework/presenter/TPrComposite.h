#pragma once

// The base of every presenter and the node of the presenter tree. A node forwards the
// tree-wide operations (save, load, show, hide, validate, update, report) to its children in
// the order they were added, doing its own part first; concrete presenters override what
// concerns them.
//
// Ownership: a node owns its children, its view and its report, and destroys them in that
// order. The model, the invoker and the flow manager are only linked (the host owns the first
// two, the wizard form presenter the third). A node knows the root of its tree, never its
// parent.

#include "wizard_framework_export.h"

#include <QPointer>

#include <vector>

class TCinematicManagerAbstract;
class TCompositeVisitor;
class TCompteRendu;
class TMgtModelInvoker;
class TModelAbstract;
class TView;

class WIZARD_FRAMEWORK_EXPORT TPrComposite
{
public:
    // Takes the root of `parent`'s tree (if any) but does not add itself to `parent`: whoever
    // creates a child calls the parent's Add.
    TPrComposite(TPrComposite* parent, TModelAbstract* model, TMgtModelInvoker* invoker,
                 TCinematicManagerAbstract* cinematicManager);
    // A copy shares the links (root, model, invoker, flow manager) and starts with a report of
    // its own holding the same values; it takes neither the view nor the children, which keep
    // their single owner.
    TPrComposite(const TPrComposite& other);
    // Copies the links and the report's values; this node keeps its own view and children.
    TPrComposite& operator=(const TPrComposite& other);
    // Pointer identity of every link, child, view and report, plus the layout flag.
    bool operator==(const TPrComposite& other) const;

    virtual ~TPrComposite();
    virtual void Add(TPrComposite* child);
    virtual void Remove(TPrComposite* child);
    virtual void SaveData();
    virtual void LoadData();
    virtual void Accept(TCompositeVisitor* visitor);
    virtual void Show();
    virtual void Hide();
    virtual void SauveDataInit();
    virtual void RestaureDataInit();
    virtual void CheckIsModified();
    virtual void SetControlHelpContext();
    virtual void Update();
    virtual void MiseAJourCompteRendu();
    virtual bool EcranValide(bool afficher);
    virtual bool DonneesValide(bool afficher);
    virtual void FocusControl(int lettrage);

    bool isEnable(TPrComposite* child) const;
    void SaveControlDisplay();
    void MoveLeft();
    void setHelpContext(long helpContext);

    // The view, or null when there is none or when the toolkit has already destroyed it.
    TView* getView() const;
    // Takes ownership of `newView`. The previous view is neither destroyed nor released.
    void setView(TView* newView);
    TPrComposite* getRoot() const { return root; }
    void setRoot(TPrComposite* newRoot) { root = newRoot; }
    std::vector<TPrComposite*> getFils() const { return fils; }
    // Replaces the children list; the previous children are not destroyed and go back to the
    // caller, the given ones are owned from now on.
    void setFils(const std::vector<TPrComposite*>& newFils) { fils = newFils; }
    TModelAbstract* getModel() const { return model; }
    void setModel(TModelAbstract* newModel) { model = newModel; }
    TMgtModelInvoker* getInvoker() const { return invoker; }
    void setInvoker(TMgtModelInvoker* newInvoker) { invoker = newInvoker; }
    TCinematicManagerAbstract* getCinematicManager() const { return cinematicManager; }
    void setCinematicManager(TCinematicManagerAbstract* manager) { cinematicManager = manager; }
    TCompteRendu* getCompteRendu() const { return compteRendu; }
    // Takes ownership of `report`; the previous report goes back to the caller undestroyed.
    void setCompteRendu(TCompteRendu* report) { compteRendu = report; }
    bool isLeftComposite() const { return leftComposite; }
    void setLeftComposite(bool left) { leftComposite = left; }

protected:
    // Destroys every child (whole subtrees) and empties the list.
    void DestroyFils();
    // Destroys the view unless the toolkit already did, and forgets it.
    void DestroyView();

private:
    TView* view = nullptr;
    TPrComposite* root = nullptr;
    std::vector<TPrComposite*> fils;
    TModelAbstract* model = nullptr;
    TMgtModelInvoker* invoker = nullptr;
    TCinematicManagerAbstract* cinematicManager = nullptr;
    TCompteRendu* compteRendu = nullptr;
    bool leftComposite = false;
    // Follows the view's widget: a view destroyed by its Qt parent (its panel, or the window
    // closing itself) is never used or deleted again.
    QPointer<QObject> viewGuard;
};
