#pragma once

// A change that concerns several kinds of presenters is spread over the presenter tree by a
// visitor handed to the root's Accept. The walk is pre-order (a presenter before its children,
// siblings in insertion order) and calls, on every presenter, the visit of its kind. Each
// concrete visitor acts on one kind and ignores the others; visits cannot stop the walk.
//
// Visitors are short-lived: made on the caller's stack for one walk, holding no pointer to the
// tree.
// Made by its sender for one walk of the presenter tree; the presenters only visit it.

#include "wizard_framework_export.h"

class TPrBaseForm;
class TPrEcranVCL;
class TPrManagementButtons;
class TPrNavigateTree;

class WIZARD_FRAMEWORK_EXPORT TCompositeVisitor
{
public:
    TCompositeVisitor() = default;
    TCompositeVisitor(const TCompositeVisitor&) = default;
    TCompositeVisitor& operator=(const TCompositeVisitor&) = default;
    // Visitors without data of their own are all alike.
    bool operator==(const TCompositeVisitor&) const { return true; }

    virtual ~TCompositeVisitor() = default;
    virtual void VisitBaseForm(TPrBaseForm* presenter);
    virtual void VisitEcranVCL(TPrEcranVCL* presenter);
    virtual void VisitManagementButtons(TPrManagementButtons* presenter);
    virtual void VisitNavigateTree(TPrNavigateTree* presenter);
};
