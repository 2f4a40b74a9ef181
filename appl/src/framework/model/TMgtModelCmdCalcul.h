#pragma once

// Lets the model recompute its dependent data.
// Built by the screen presenter for one call through the invoker; the model is not owned.

#include "wizard_framework_export.h"

#include "model/TMgtModelCmd.h"

class WIZARD_FRAMEWORK_EXPORT TMgtModelCmdCalcul final : public TMgtModelCmd
{
public:
    explicit TMgtModelCmdCalcul(TMgtModel* model = nullptr);
    TMgtModelCmdCalcul(const TMgtModelCmdCalcul& other) = default;
    TMgtModelCmdCalcul& operator=(const TMgtModelCmdCalcul& other);
    ~TMgtModelCmdCalcul() = default;

    bool operator==(const TMgtModelCmdCalcul& other) const;

    void execute() override;
};
