#include "presenter/TVisitorMajCinematique.h"

#include "presenter/TPrManagementButtons.h"

void TVisitorMajCinematique::VisitManagementButtons(TPrManagementButtons* presenter)
{
    presenter->MajCinematique();
}
