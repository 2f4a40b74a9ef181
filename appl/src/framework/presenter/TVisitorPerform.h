#pragma once

#include "wizard_framework_export.h"

#include "presenter/TCompositeVisitor.h"

// Sent by the buttons bar's "modify the declaration" action: every screen view does its own
// Perform.
class WIZARD_FRAMEWORK_EXPORT TVisitorPerform : public TCompositeVisitor
{
public:
    void VisitEcranVCL(TPrEcranVCL* presenter) override;
};
