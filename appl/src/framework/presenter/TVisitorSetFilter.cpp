#include "presenter/TVisitorSetFilter.h"

#include "presenter/TPrEcranVCL.h"
#include "view/TViewEcranVCL.h"

void TVisitorSetFilter::VisitEcranVCL(TPrEcranVCL* presenter)
{
    // A screen presenter left without a view (no factory knew its screen) has nothing to filter.
    if (auto* screen = dynamic_cast<TViewEcranVCL*>(presenter->getView()))
        screen->setFilter(filter);
}
