#pragma once

// The presenter of the navigation column: the screens currently in the flow, where a click
// moves to another screen. Everything the user sees and does lives in its view; the presenter
// brings the view the flow manager and the root presenter.

#include "presenter/TPrComposite.h"

class TComponent;

class TPrNavigateTree : public TPrComposite
{
public:
    // `owner` is the wizard window's navigation panel, owner of the tree view.
    TPrNavigateTree(TComponent* owner, TPrComposite* parent, TModelAbstract* model,
                    TMgtModelInvoker* invoker, TCinematicManagerAbstract* manager);
    TPrNavigateTree(const TPrNavigateTree& other) = default;
    TPrNavigateTree& operator=(const TPrNavigateTree& other) = default;

    ~TPrNavigateTree() override;
    void Accept(TCompositeVisitor* visitor) override;
};
