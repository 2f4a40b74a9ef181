#pragma once

// The dependants: a tree list of the declaration's dependants and the actions of the list
// manager on it (add and modify through the element editor, duplicate, delete with
// confirmation, move up and down). The actions' states follow the focused line.
//
// Ownership: the view owns its list model, its element editor and its list manager, which
// live exactly as long as the screen.

#include "TViewRevenus.h"

#include <memory>

class TAction;
class TCreeIHMPersonne;
class TKelActionList;
class TLabel;
class TMdPersonnesACharge;
class TPrListManager;
class TcxKelButton;
class TcxKelTreeList;

class TViewPersonnesACharge : public TViewRevenus
{
    Q_OBJECT

public:
    TViewPersonnesACharge(TComponent* owner, TPrEcranVCL* presenter);
    ~TViewPersonnesACharge() override;

    // The letters and lines, then the actions' states.
    void Update() override;

    TLabel* LabelNombre = nullptr;
    TcxKelTreeList* ListePersonnes = nullptr;
    TKelActionList* Actions = nullptr;
    TAction* ACT_Ajouter = nullptr;
    TAction* ACT_Dupliquer = nullptr;
    TAction* ACT_Modifier = nullptr;
    TAction* ACT_Supprimer = nullptr;
    TAction* ACT_Monter = nullptr;
    TAction* ACT_Descendre = nullptr;

    TPrListManager* getListManager() const { return m_listManager.get(); }
    TMdPersonnesACharge* getListe() const { return m_liste.get(); }

protected:
    void ConstruitEcran() override;
    // The Delete key on the list deletes the focused dependant, as the action does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<TMdPersonnesACharge> m_liste;
    std::unique_ptr<TCreeIHMPersonne> m_editeur;
    std::unique_ptr<TPrListManager> m_listManager;
};
