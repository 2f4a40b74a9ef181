#pragma once

#include "wizard_framework_export.h"

#include "presenter/TCompositeVisitor.h"

// Sent by the buttons bar's audit filter actions: every screen view shows only the lines of
// the chosen kind. -1 shows everything.
// Made by its sender for one walk of the presenter tree; the presenters only visit it.
class WIZARD_FRAMEWORK_EXPORT TVisitorSetFilter : public TCompositeVisitor
{
public:
    TVisitorSetFilter() = default;
    TVisitorSetFilter(const TVisitorSetFilter&) = default;
    TVisitorSetFilter& operator=(const TVisitorSetFilter&) = default;
    bool operator==(const TVisitorSetFilter& other) const { return filter == other.filter; }

    void VisitEcranVCL(TPrEcranVCL* presenter) override;

    int getFilter() const { return filter; }
    void setFilter(int newFilter) { filter = newFilter; }

private:
    int filter = -1;
};
