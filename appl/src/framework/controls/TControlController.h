#pragma once

// A checker of several fields that belong together (a date in three fields, for example).
// A screen keeps one controller per group, asks it whether a widget belongs to the group and
// lets it check the whole group when the user leaves one of its fields.

#include "wizard_framework_export.h"

class TComponent;

class WIZARD_FRAMEWORK_EXPORT TControlController
{
public:
    TControlController() = default;
    TControlController(const TControlController&) = default;
    TControlController& operator=(const TControlController&) = default;
    virtual ~TControlController();

    // Whether `component` is one of the fields this controller checks.
    virtual bool isContain(TComponent* component) = 0;
    // Checks the group; what the answer means is the subclass's.
    virtual bool Control() = 0;

    // The base holds nothing: every two controllers are equal as far as it knows.
    bool operator==(const TControlController&) const = default;
};
