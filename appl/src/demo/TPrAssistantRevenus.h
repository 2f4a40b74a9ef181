#pragma once

// The wizard form presenter of the sample: its window caption names the declaration, the
// screen shown and the tax as computed so far, brought up to date at each screen change and
// after each change of a control.

#include "presenter/TPrBaseForm.h"

#include <string>

class TModeleRevenus;

class TPrAssistantRevenus : public TPrBaseForm
{
public:
    TPrAssistantRevenus(TComponent* owner, TModeleRevenus* modele, TMgtModelInvoker* invoker);
    TPrAssistantRevenus(const TPrAssistantRevenus& other);
    TPrAssistantRevenus& operator=(const TPrAssistantRevenus& other);
    ~TPrAssistantRevenus() override;
    bool operator==(const TPrAssistantRevenus& other) const;

    void ChangeScreen() override;
    void UpdateInfo() override;

    // "Déclaration des revenus 2024 - <screen> - impôt net estimé : <tax>".
    std::string Titre() const;

private:
    void MajTitre();

    TModeleRevenus* m_modele = nullptr; // not owned
};
