#pragma once

// The wizard form presenter of the sample: its window caption names the declaration, the
// screen shown and the tax as computed so far, brought up to date at each screen change and
// after each change of a control. The host hooks in what it does when the user finishes
// (checking and saving the declaration while the window is still open) and after each screen
// change (keeping a recovery copy).

#include "presenter/TPrBaseForm.h"

#include <functional>
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
    // A finish the framework accepts runs the host's finish hook; when that answers false the
    // window stays open, the wizard not finished.
    void OnCloseQuery(bool& canClose) override;

    // Runs when the user finishes, the window still open; false keeps the wizard running.
    void SetFinition(std::function<bool()> finition) { m_finition = std::move(finition); }
    // Runs after each screen change.
    void SetApresChangement(std::function<void()> apres) { m_apresChangement = std::move(apres); }

    // "Déclaration des revenus 2024 - <screen> - impôt net estimé : <tax>", or
    // "remboursement estimé : <amount>" when the State pays back.
    std::string Titre() const;
    // Brings the caption up to date with the declaration.
    void MajTitre();
    // Shows the screen of `lettrage` and puts the focus on its field.
    void AfficheChamp(short lettrage);

private:
    TModeleRevenus* m_modele = nullptr; // not owned
    std::function<bool()> m_finition;
    std::function<void()> m_apresChangement;
};
