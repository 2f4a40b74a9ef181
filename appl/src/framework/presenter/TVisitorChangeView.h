#pragma once

#include "wizard_framework_export.h"

#include "presenter/TCompositeVisitor.h"

// Sent by the wizard form presenter when the active screen changed: every screen presenter
// rebuilds its view for the new active screen.
class WIZARD_FRAMEWORK_EXPORT TVisitorChangeView : public TCompositeVisitor
{
public:
    void VisitEcranVCL(TPrEcranVCL* presenter) override;
};
