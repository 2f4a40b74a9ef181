#include "presenter/TVisitorOk.h"

#include "presenter/TPrBaseForm.h"

void TVisitorOk::VisitBaseForm(TPrBaseForm* presenter)
{
    presenter->Ok();
}
