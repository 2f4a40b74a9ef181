#include "presenter/TVisitorChangeView.h"

#include "presenter/TPrEcranVCL.h"

void TVisitorChangeView::VisitEcranVCL(TPrEcranVCL* presenter)
{
    presenter->ChangeView();
}
