#pragma once

// Lets the model set the selection state (enterable or not) of each letter of a list.
// Built by the screen presenter for one call through the invoker; the model is not owned.

#include "wizard_framework_export.h"

#include "model/TMgtModelCmd.h"

struct structLettre;

class WIZARD_FRAMEWORK_EXPORT TMgtModelCmdSelect final : public TMgtModelCmd
{
public:
    // The list is kept by pointer, neither copied nor owned.
    TMgtModelCmdSelect(TMgtModel* model = nullptr, structLettre* lettres = nullptr);
    TMgtModelCmdSelect(const TMgtModelCmdSelect& other) = default;
    TMgtModelCmdSelect& operator=(const TMgtModelCmdSelect& other);
    ~TMgtModelCmdSelect() = default;

    bool operator==(const TMgtModelCmdSelect& other) const;

    void execute() override;

    structLettre* getLettres() const { return m_lettres; }

private:
    structLettre* m_lettres = nullptr;
};
