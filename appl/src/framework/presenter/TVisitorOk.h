#pragma once

#include "presenter/TCompositeVisitor.h"

// Internal to the framework: the finish button reaches the wizard form presenter, which
// records the outcome and allows the window to close.
class TVisitorOk : public TCompositeVisitor
{
public:
    void VisitBaseForm(TPrBaseForm* presenter) override;
};
