#pragma once

#include "wizard_framework_export.h"

#include "presenter/TCompositeVisitor.h"

// Internal to the framework: the finish button reaches the wizard form presenter, which
// records the outcome and allows the window to close.
class WIZARD_FRAMEWORK_EXPORT TVisitorOk : public TCompositeVisitor
{
public:
    void VisitBaseForm(TPrBaseForm* presenter) override;
};
