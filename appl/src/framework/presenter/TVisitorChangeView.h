#pragma once

#include "wizard_framework_export.h"

#include "presenter/TCompositeVisitor.h"

// Sent by the wizard form presenter when the active screen changed: every screen presenter
// rebuilds its view for the new active screen.
// Made by its sender for one walk of the presenter tree; the presenters only visit it.
class WIZARD_FRAMEWORK_EXPORT TVisitorChangeView : public TCompositeVisitor
{
public:
    void VisitEcranVCL(TPrEcranVCL* presenter) override;
};
