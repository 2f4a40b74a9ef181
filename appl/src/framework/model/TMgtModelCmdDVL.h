#pragma once

// Loads a screen: the model's data into its letter list and static letter list.
// Built by the screen presenter for one call through the invoker; the model is not owned.

#include "wizard_framework_export.h"

#include "model/TMgtModelCmd.h"

struct structLettre;

class WIZARD_FRAMEWORK_EXPORT TMgtModelCmdDVL final : public TMgtModelCmd
{
public:
    // The lists are kept by pointer, neither copied nor owned.
    TMgtModelCmdDVL(TMgtModel* model = nullptr, structLettre* lettres = nullptr,
                    structLettre* lettresStatic = nullptr);
    TMgtModelCmdDVL(const TMgtModelCmdDVL& other) = default;
    TMgtModelCmdDVL& operator=(const TMgtModelCmdDVL& other);
    ~TMgtModelCmdDVL() = default;

    bool operator==(const TMgtModelCmdDVL& other) const;

    void execute() override;

    structLettre* getLettres() const { return m_lettres; }
    structLettre* getLettresStatic() const { return m_lettresStatic; }

private:
    structLettre* m_lettres = nullptr;
    structLettre* m_lettresStatic = nullptr;
};
