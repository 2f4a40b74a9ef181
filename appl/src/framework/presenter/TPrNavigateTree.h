#pragma once

// The presenter of the navigation column: the screens currently in the flow, where a click
// moves to another screen. Everything the user sees and does lives in its view
// (TViewNavigateTree); the presenter brings the view the flow manager and the root presenter,
// and is visited as the navigation tree kind.
// Owned by its parent presenter once added (Add); it owns its view and report.

#include "wizard_framework_export.h"

#include "presenter/TPrComposite.h"

class TComponent;
class TViewNavigateTree;

class WIZARD_FRAMEWORK_EXPORT TPrNavigateTree : public TPrComposite
{
public:
    // Makes the tree view in `owner` (the wizard window's navigation panel) as this presenter's
    // view, which it owns. Like every presenter it is not added to `parent`: the host calls
    // the parent's Add.
    TPrNavigateTree(TComponent* owner, TPrComposite* parent, TModelAbstract* model,
                    TMgtModelInvoker* invoker, TCinematicManagerAbstract* manager);
    // The composite's copy: the links, not the view (which keeps its single owner).
    TPrNavigateTree(const TPrNavigateTree& other) = default;
    TPrNavigateTree& operator=(const TPrNavigateTree& other) = default;

    // The composite's destruction: children, view, report.
    ~TPrNavigateTree() override;
    // VisitNavigateTree with this presenter, then the children in order.
    void Accept(TCompositeVisitor* visitor) override;

    // The view as a tree view; null when there is none (a copy) or the toolkit destroyed it.
    TViewNavigateTree* getViewNavigateTree() const;
};
