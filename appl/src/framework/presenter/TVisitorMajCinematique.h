#pragma once

#include "wizard_framework_export.h"

#include "presenter/TCompositeVisitor.h"

// Sent after every change of the data: the management buttons presenter refreshes what the
// buttons bar knows of the screen flow.
// Made by its sender for one walk of the presenter tree; the presenters only visit it.
class WIZARD_FRAMEWORK_EXPORT TVisitorMajCinematique : public TCompositeVisitor
{
public:
    void VisitManagementButtons(TPrManagementButtons* presenter) override;
};
