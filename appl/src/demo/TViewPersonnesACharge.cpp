#include "TViewPersonnesACharge.h"

#include "Revenus.h"
#include "TCreeIHMPersonne.h"
#include "TDonneesListe.h"
#include "TMdPersonnesACharge.h"
#include "TModeleRevenus.h"

#include "controls/TdCLabel.h"
#include "controls/TdCTreeList.h"
#include "presenter/TPrEcranVCL.h"
#include "presenter/TPrListManager.h"

#include "Cp1252.h"
#include "TAction.h"
#include "TKelActionList.h"
#include "TLabel.h"
#include "TcxKelButton.h"
#include "TcxKelTreeList.h"

#include <QEvent>
#include <QKeyEvent>

using namespace revenus;

TViewPersonnesACharge::TViewPersonnesACharge(TComponent* owner, TPrEcranVCL* presenter)
    : TViewRevenus(owner, presenter, kEcranPersonnes, 340)
{}

TViewPersonnesACharge::~TViewPersonnesACharge()
{
    // The widgets outlive the list manager (Qt deletes them with the view, later): their
    // handlers must not reach it any more.
    if (ListePersonnes)
        ListePersonnes->OnFocusedNodeChanged = nullptr;
    for (TAction* action :
         {ACT_Ajouter, ACT_Dupliquer, ACT_Modifier, ACT_Supprimer, ACT_Monter, ACT_Descendre}) {
        if (action) {
            action->OnExecute = nullptr;
            action->OnUpdate = nullptr;
        }
    }
}

void TViewPersonnesACharge::ConstruitEcran()
{
    LabelNombre = new TLabel(this);
    LabelNombre->SetBounds(kMarge, Y(0), 400, 20);
    Lie<TdCLabel>(LabelNombre, kNombrePersonnes, Reaction::Aucune);

    ListePersonnes = new TcxKelTreeList(this);
    ListePersonnes->SetBounds(kMarge, Y(1), 440, 200);
    ListePersonnes->SetColumnCount(3);
    ListePersonnes->SetColumnCaption(0, "Pr\xE9nom");
    ListePersonnes->SetColumnCaption(1, "N\xE9(e) en");
    ListePersonnes->SetColumnCaption(2, "R\xE9sidence");
    ListePersonnes->SetHeaderVisible(true);
    ListePersonnes->setAccessibleName(Cp1252::toQString("Personnes \xE0 charge"));
    Lie<TdCTreeList>(ListePersonnes, kListePersonnes, Reaction::Aucune);
    TModeleRevenus* modele = Modele();
    FindControl(ListePersonnes)->m_complexData = new TDonneesListe([modele] {
        std::vector<TDonneesListe::Ligne> lignes;
        if (!modele)
            return lignes;
        int id = 0;
        for (const TDeclarationRevenus::Personne& personne : modele->Declaration().Personnes())
            lignes.push_back({{-3, std::to_string(++id)},
                              {-2, "1"},
                              {0, personne.prenom},
                              {1, personne.anneeNaissance},
                              {2, personne.gardeAlternee ? "altern\xE9"
                                                           "e"
                                                         : "principale"}});
        return lignes;
    });

    m_liste = std::make_unique<TMdPersonnesACharge>(modele, m_Presenter->getInvoker());
    m_editeur = std::make_unique<TCreeIHMPersonne>(m_liste.get());
    m_listManager = std::make_unique<TPrListManager>(m_liste.get(), m_Presenter, m_editeur.get());

    Actions = new TKelActionList(this);
    auto action = [this](TAction*& membre, const char* legende, int rang,
                         std::function<void()> execute, std::function<void(TAction*)> maj) {
        membre = new TAction(Actions);
        membre->SetCaption(legende);
        membre->OnExecute = [execute](TObject*) { execute(); };
        TAction* cible = membre;
        membre->OnUpdate = [maj, cible](TObject*) { maj(cible); };
        auto* bouton = new TcxKelButton(this);
        bouton->SetBounds(kMarge + 456, Y(1) + rang * 34, 130, 28);
        bouton->SetAction(membre);
    };
    TPrListManager* lm = m_listManager.get();
    TcxKelTreeList* arbre = ListePersonnes;
    action(
        ACT_Ajouter, "A&jouter...", 0, [lm, arbre] { lm->AjouteElementExecute(arbre); },
        [lm](TAction* a) { lm->AjouteElementUpdate(a); });
    action(
        ACT_Modifier, "&Modifier...", 1, [lm, arbre] { lm->ModifieElementExecute(arbre); },
        [lm, arbre](TAction* a) { lm->ModifieElementUpdate(arbre, a); });
    action(
        ACT_Dupliquer, "D&upliquer", 2, [lm, arbre] { lm->DupliqueElementExecute(arbre); },
        [lm, arbre](TAction* a) { lm->DupliqueElementUpdate(arbre, a); });
    action(
        ACT_Supprimer, "Suppr&imer", 3, [lm, arbre] { lm->SupprimeElementExecute(arbre); },
        [lm, arbre](TAction* a) { lm->SupprimeElementUpdate(arbre, a); });
    action(
        ACT_Monter, "M&onter", 4, [lm, arbre] { lm->MoveUpElementExecute(arbre); },
        [lm, arbre](TAction* a) { lm->MoveUpElementUpdate(arbre, a); });
    action(
        ACT_Descendre, "D&escendre", 5, [lm, arbre] { lm->MoveDownElementExecute(arbre); },
        [lm, arbre](TAction* a) { lm->MoveDownElementUpdate(arbre, a); });

    ListePersonnes->OnFocusedNodeChanged = [this](TObject*, TcxTreeListNode*, TcxTreeListNode*) {
        Actions->UpdateActions();
    };
    // The list's own gestures run the same actions, enabled or not alike: a double click
    // modifies the dependant, the Delete key deletes it (after the confirmation).
    QObject::connect(ListePersonnes, &QAbstractItemView::doubleClicked, this,
                     [this] { ACT_Modifier->Execute(); });
    ListePersonnes->installEventFilter(this);
}

bool TViewPersonnesACharge::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListePersonnes && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        ACT_Supprimer->Execute();
        return true;
    }
    return TViewRevenus::eventFilter(watched, event);
}

void TViewPersonnesACharge::Update()
{
    TViewRevenus::Update();
    if (Actions)
        Actions->UpdateActions();
}
