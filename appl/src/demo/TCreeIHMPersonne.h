#pragma once

// The element editor of the dependants' list: opens TDialoguePersonne on the list model's
// current dependant and writes it back when the user validates.

#include "presenter/TCreeIHM.h"

class TMdPersonnesACharge;

class TCreeIHMPersonne : public TCreeIHM
{
public:
    // `liste` (not owned) gives the current dependant.
    explicit TCreeIHMPersonne(TMdPersonnesACharge* liste = nullptr);
    TCreeIHMPersonne(const TCreeIHMPersonne&) = default;
    TCreeIHMPersonne& operator=(const TCreeIHMPersonne&) = default;
    ~TCreeIHMPersonne() override;
    bool operator==(const TCreeIHMPersonne& other) const { return m_liste == other.m_liste; }

    // Validated: the dependant takes the fields, the model computes again, and the report
    // says OK (user action 0) and modified. Cancelled: nothing changes.
    void CreeIHM(TView* parent, TModelAbstract* model, TMgtModelInvoker* invoker,
                 TCompteRendu& compteRendu) override;

private:
    TMdPersonnesACharge* m_liste = nullptr; // not owned
};
