#include "presenter/TVisitorPerform.h"

#include "presenter/TPrEcranVCL.h"
#include "view/TViewEcranVCL.h"

void TVisitorPerform::VisitEcranVCL(TPrEcranVCL* presenter)
{
    // A screen presenter left without a view (no factory knew its screen) has nothing to do.
    if (auto* screen = dynamic_cast<TViewEcranVCL*>(presenter->getView()))
        screen->Perform();
}
