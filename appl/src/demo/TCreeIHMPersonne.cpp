#include "TCreeIHMPersonne.h"

#include "TDialoguePersonne.h"
#include "TMdPersonnesACharge.h"

#include "model/TCompteRendu.h"
#include "model/TModelAbstract.h"
#include "view/TView.h"

#include <memory>

TCreeIHMPersonne::TCreeIHMPersonne(TMdPersonnesACharge* liste) : m_liste(liste) {}

TCreeIHMPersonne::~TCreeIHMPersonne() = default;

void TCreeIHMPersonne::CreeIHM(TView* parent, TModelAbstract* model, TMgtModelInvoker* /*invoker*/,
                               TCompteRendu& compteRendu)
{
    TDeclarationRevenus::Personne* personne = m_liste ? m_liste->Courante() : nullptr;
    if (!personne)
        return;
    // Deleted here once closed, whatever its owner.
    auto dialogue = std::make_unique<TDialoguePersonne>(parent, model ? model->getApplicationName()
                                                                      : std::string());
    dialogue->Affiche(*personne);
    if (dialogue->ShowModal() != mrOk)
        return;
    // The list may have been asked for its current element meanwhile: take it again.
    personne = m_liste->Courante();
    if (!personne)
        return;
    *personne = dialogue->Saisie();
    if (model)
        model->Calcul();
    compteRendu.setUserAction(0);
    compteRendu.setModified(true);
}
