#pragma once

// Lets the model recompute its dependent data.

#include "model/TMgtModelCmd.h"

class TMgtModelCmdCalcul final : public TMgtModelCmd
{
public:
    explicit TMgtModelCmdCalcul(TMgtModel* model = nullptr);
    TMgtModelCmdCalcul(const TMgtModelCmdCalcul& other) = default;
    TMgtModelCmdCalcul& operator=(const TMgtModelCmdCalcul& other);
    ~TMgtModelCmdCalcul() = default;

    bool operator==(const TMgtModelCmdCalcul& other) const;

    void execute() override;
};
