#include "presenter/TVisitorFixClientHeight.h"

#include "presenter/TPrBaseForm.h"
#include "view/TView.h"

void TVisitorFixClientHeight::VisitBaseForm(TPrBaseForm* presenter)
{
    // The form presenter has its window from construction; a window already closed and freed
    // by the toolkit has nothing left to fit.
    if (TView* window = presenter->getView())
        window->FixClientHeight(height);
}
