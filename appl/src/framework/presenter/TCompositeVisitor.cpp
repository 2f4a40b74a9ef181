#include "presenter/TCompositeVisitor.h"

void TCompositeVisitor::VisitBaseForm(TPrBaseForm* /*presenter*/) {}

void TCompositeVisitor::VisitEcranVCL(TPrEcranVCL* /*presenter*/) {}

void TCompositeVisitor::VisitManagementButtons(TPrManagementButtons* /*presenter*/) {}

void TCompositeVisitor::VisitNavigateTree(TPrNavigateTree* /*presenter*/) {}
