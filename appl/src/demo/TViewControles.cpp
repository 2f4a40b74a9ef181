#include "TViewControles.h"

#include "Revenus.h"
#include "TDonneesListe.h"
#include "TModeleRevenus.h"

#include "controls/TdCLabel.h"
#include "controls/TdCTreeList.h"
#include "presenter/TPrComposite.h"
#include "presenter/TPrEcranVCL.h"
#include "presenter/TPrManagementButtons.h"
#include "view/TViewManagementButtons.h"

#include "Cp1252.h"
#include "TLabel.h"
#include "TcxKelButton.h"
#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include <algorithm>

using namespace revenus;

namespace {

struct Groupe
{
    int categorie;
    const char* titre;
};

constexpr Groupe kGroupes[] = {
    {kAnomalie, "Anomalies"},
    {kAvertissement, "Avertissements"},
    {kConseil, "Conseils"},
    {kRemarque, "Remarques"},
    {kPieceJointe, "Pi\xE8"
                   "ces \xE0 joindre"},
};

// The audit filter in force on the buttons bar, -1 (all) without a bar.
int FiltreDeLaBarre(TPrComposite* racine)
{
    if (!racine)
        return -1;
    for (TPrComposite* fils : racine->getFils()) {
        if (auto* boutons = dynamic_cast<TPrManagementButtons*>(fils)) {
            if (auto* barre = qobject_cast<TViewManagementButtons*>(boutons->getView()))
                return barre->getFilter();
        }
    }
    return -1;
}

} // namespace

TViewControles::TViewControles(TComponent* owner, TPrEcranVCL* presenter)
    : TViewRevenus(owner, presenter, kEcranControles, 420),
      m_lettrages(std::make_shared<std::vector<short>>())
{}

TViewControles::~TViewControles() = default;

void TViewControles::ConstruitEcran()
{
    LabelNombre = new TLabel(this);
    LabelNombre->SetBounds(kMarge, Y(0), 400, 20);
    Lie<TdCLabel>(LabelNombre, kNombreMessages, Reaction::Aucune);

    ListeMessages = new TcxKelTreeList(this);
    ListeMessages->SetBounds(kMarge, Y(1), kLargeur - 2 * kMarge, 270);
    ListeMessages->SetHeaderVisible(false);
    ListeMessages->setAccessibleName(Cp1252::toQString("Messages de contr\xF4le"));
    Lie<TdCTreeList>(ListeMessages, kListeAudit, Reaction::Aucune);
    TdControl* controle = FindControl(ListeMessages);
    TModeleRevenus* modele = Modele();
    std::shared_ptr<std::vector<short>> lettrages = m_lettrages;
    controle->m_complexData = new TDonneesListe([modele, lettrages] {
        std::vector<TDonneesListe::Ligne> lignes;
        lettrages->clear();
        if (!modele)
            return lignes;
        const std::vector<TModeleRevenus::MessageAudit> audit = modele->Audit();
        for (const Groupe& groupe : kGroupes) {
            std::size_t nombre = 0;
            for (const TModeleRevenus::MessageAudit& message : audit)
                nombre += message.categorie == groupe.categorie ? 1 : 0;
            if (nombre == 0)
                continue;
            const std::string code = std::to_string(groupe.categorie);
            lignes.push_back(
                {{-4, "1"},
                 {-3, std::to_string(kIdGroupe + groupe.categorie)},
                 {-2, "1"},
                 {-1, code},
                 {0, std::string(groupe.titre) + " (" + std::to_string(nombre) + ")"}});
            for (const TModeleRevenus::MessageAudit& message : audit) {
                if (message.categorie != groupe.categorie)
                    continue;
                lettrages->push_back(message.lettrage);
                lignes.push_back({{-3, std::to_string(lettrages->size())},
                                  {-2, "2"},
                                  {-1, code},
                                  {0, message.texte}});
            }
        }
        return lignes;
    });
    // The filter chosen on the bar before this screen was shown stays in force.
    controle->setFilter(FiltreDeLaBarre(m_Presenter ? m_Presenter->getRoot() : nullptr));

    ButtonAller = new TcxKelButton(this);
    ButtonAller->SetText("Aller au c&hamp concern\xE9");
    ButtonAller->SetBounds(kLargeur - kMarge - 200, Y(1) + 280, 200, 30);
    ButtonAller->OnClick = [this](TObject*) { AllerAuChamp(); };
}

void TViewControles::LettrageVersEcran()
{
    TViewRevenus::LettrageVersEcran();
    const TModeleRevenus* modele = Modele();
    const int filtre = FiltreDeLaBarre(m_Presenter ? m_Presenter->getRoot() : nullptr);
    if (!LabelNombre || !modele || filtre < 0)
        return;
    const std::vector<TModeleRevenus::MessageAudit> audit = modele->Audit();
    const auto affiches = static_cast<std::size_t>(
        std::count_if(audit.begin(), audit.end(), [filtre](const TModeleRevenus::MessageAudit& m) {
            return m.categorie == filtre;
        }));
    const std::string total = " sur " + std::to_string(audit.size()) + ".";
    LabelNombre->SetText(affiches == 0 ? "Aucun message affich\xE9" + total
                         : affiches == 1
                             ? "1 message affich\xE9" + total
                             : std::to_string(affiches) + " messages affich\xE9s" + total);
}

void TViewControles::AllerAuChamp()
{
    const TcxTreeListNode* noeud = ListeMessages ? ListeMessages->GetFocusedNode() : nullptr;
    if (!noeud || !m_Presenter)
        return;
    const int id = noeud->GetData();
    if (id < 1 || id > static_cast<int>(m_lettrages->size()))
        return;
    const short lettrage = (*m_lettrages)[static_cast<std::size_t>(id - 1)];
    if (lettrage > 0)
        m_Presenter->AfficheEcran(lettrage);
}
