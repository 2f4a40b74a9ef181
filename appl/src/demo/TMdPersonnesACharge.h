#pragma once

// The list model of the dependants' screen: the declaration's dependants, in order, with a
// current one. Each change computes the declaration again, since the dependants give parts.

#include "TDeclarationRevenus.h"

#include "presenter/TMdListManager.h"

#include <string>

class TModeleRevenus;

class TMdPersonnesACharge : public TMdListManager
{
public:
    // Neither the model nor the invoker is owned.
    TMdPersonnesACharge(TModeleRevenus* modele, TMgtModelInvoker* invoker);
    TMdPersonnesACharge(const TMdPersonnesACharge&) = default;
    TMdPersonnesACharge& operator=(const TMdPersonnesACharge& other);
    ~TMdPersonnesACharge() override;
    bool operator==(const TMdPersonnesACharge& other) const;

    void AjouteElement() override;
    void SupprimeElement() override;
    void DupliqueElement() override;
    void DeplaceElement(int from, int to) override;
    // "first name (year of birth)".
    std::string getLibelleElement() override;
    int getNbElement() override;
    int getIndexElement() override { return m_courant; }
    void setIndexElement(int index) override;

    // The current dependant; null when there is none.
    TDeclarationRevenus::Personne* Courante();

private:
    std::vector<TDeclarationRevenus::Personne>* Personnes() const;
    void Recalcule();

    TModeleRevenus* m_modele = nullptr; // not owned
    int m_courant = -1;
};
