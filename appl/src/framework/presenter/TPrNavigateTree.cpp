#include "presenter/TPrNavigateTree.h"

#include "presenter/TCompositeVisitor.h"

TPrNavigateTree::TPrNavigateTree(TComponent* /*owner*/, TPrComposite* parent,
                                 TModelAbstract* theModel, TMgtModelInvoker* theInvoker,
                                 TCinematicManagerAbstract* theManager)
    : TPrComposite(parent, theModel, theInvoker, theManager)
{
    // TODO: the tree view (TViewNavigateTree) in `owner`, as this presenter's view.
}

TPrNavigateTree::~TPrNavigateTree() = default;

void TPrNavigateTree::Accept(TCompositeVisitor* visitor)
{
    visitor->VisitNavigateTree(this);
    TPrComposite::Accept(visitor);
}
