#pragma once

// Saves a screen: its letter list and static letter list into the model's data.
// Built by the screen presenter for one call through the invoker; the model is not owned.

#include "wizard_framework_export.h"

#include "model/TMgtModelCmd.h"

struct structLettre;

class WIZARD_FRAMEWORK_EXPORT TMgtModelCmdLVD final : public TMgtModelCmd
{
public:
    // The lists are kept by pointer, neither copied nor owned.
    TMgtModelCmdLVD(TMgtModel* model = nullptr, structLettre* lettres = nullptr,
                    structLettre* lettresStatic = nullptr);
    TMgtModelCmdLVD(const TMgtModelCmdLVD& other) = default;
    TMgtModelCmdLVD& operator=(const TMgtModelCmdLVD& other);
    ~TMgtModelCmdLVD() = default;

    bool operator==(const TMgtModelCmdLVD& other) const;

    void execute() override;

    structLettre* getLettres() const { return m_lettres; }
    structLettre* getLettresStatic() const { return m_lettresStatic; }

private:
    structLettre* m_lettres = nullptr;
    structLettre* m_lettresStatic = nullptr;
};
