#pragma once

#include "presenter/TCompositeVisitor.h"

// Sent by the wizard form presenter when the active screen changed: every screen presenter
// rebuilds its view for the new active screen.
class TVisitorChangeView : public TCompositeVisitor
{
public:
    void VisitEcranVCL(TPrEcranVCL* presenter) override;
};
