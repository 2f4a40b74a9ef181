#pragma once

// Lets the model recompute its dependent data.

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
