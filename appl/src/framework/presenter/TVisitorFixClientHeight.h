#pragma once

#include "wizard_framework_export.h"

#include "presenter/TCompositeVisitor.h"

// Sent when a screen view was built: the wizard window fits its screen area to that view's
// client height.
// Made by its sender for one walk of the presenter tree; the presenters only visit it.
class WIZARD_FRAMEWORK_EXPORT TVisitorFixClientHeight : public TCompositeVisitor
{
public:
    explicit TVisitorFixClientHeight(int theHeight) : height(theHeight) {}
    TVisitorFixClientHeight(const TVisitorFixClientHeight&) = default;
    TVisitorFixClientHeight& operator=(const TVisitorFixClientHeight&) = default;
    bool operator==(const TVisitorFixClientHeight& other) const { return height == other.height; }

    void VisitBaseForm(TPrBaseForm* presenter) override;

    int getHeight() const { return height; }

private:
    int height;
};
