#pragma once

#include "wizard_framework_export.h"

#include "presenter/TCompositeVisitor.h"

// Internal to the framework: the finish button reaches the wizard form presenter, which
// records the outcome and allows the window to close.
// Made by its sender for one walk of the presenter tree; the presenters only visit it.
class WIZARD_FRAMEWORK_EXPORT TVisitorOk : public TCompositeVisitor
{
public:
    void VisitBaseForm(TPrBaseForm* presenter) override;
};
