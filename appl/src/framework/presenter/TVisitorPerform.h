#pragma once

#include "presenter/TCompositeVisitor.h"

// Sent by the buttons bar's "modify the declaration" action: every screen view does its own
// Perform.
class TVisitorPerform : public TCompositeVisitor
{
public:
    void VisitEcranVCL(TPrEcranVCL* presenter) override;
};
