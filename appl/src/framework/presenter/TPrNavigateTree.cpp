#include "presenter/TPrNavigateTree.h"

#include "presenter/TCompositeVisitor.h"
#include "view/TViewNavigateTree.h"

TPrNavigateTree::TPrNavigateTree(TComponent* owner, TPrComposite* parent, TModelAbstract* theModel,
                                 TMgtModelInvoker* theInvoker,
                                 TCinematicManagerAbstract* theManager)
    : TPrComposite(parent, theModel, theInvoker, theManager)
{
    setView(new TViewNavigateTree(owner, this));
}

TPrNavigateTree::~TPrNavigateTree() = default;

void TPrNavigateTree::Accept(TCompositeVisitor* visitor)
{
    if (visitor)
        visitor->VisitNavigateTree(this);
    TPrComposite::Accept(visitor);
}

TViewNavigateTree* TPrNavigateTree::getViewNavigateTree() const
{
    return qobject_cast<TViewNavigateTree*>(getView());
}
