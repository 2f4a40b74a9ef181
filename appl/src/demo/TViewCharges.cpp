#include "TViewCharges.h"

#include "Revenus.h"
#include "TDonneesListe.h"
#include "TModeleRevenus.h"

#include "controls/TdCListBox.h"
#include "controls/TdCcxEditStr.h"

#include "Cp1252.h"
#include "TLabel.h"
#include "TcxEditNum.h"
#include "TcxEditStr.h"
#include "TcxListBox.h"

using namespace revenus;

TViewCharges::TViewCharges(TComponent* owner, TPrEcranVCL* presenter)
    : TViewRevenus(owner, presenter, kEcranCharges, 330)
{}

TViewCharges::~TViewCharges() = default;

void TViewCharges::ConstruitEcran()
{
    Libelle(0, "Dons aux associations :");
    EditDons = Montant(kDons, 0);
    Libelle(1, "Emploi d'un salari\xE9 \xE0 domicile :");
    EditEmploi = Montant(kEmploiDomicile, 1);

    EditAvantages = new TcxEditStr(this);
    EditAvantages->SetBounds(kMarge, Y(2), kLargeur - 2 * kMarge, 24);
    Lie<TdCcxEditStr>(EditAvantages, kAvantages, Reaction::Aucune);
    ApplyResultStyle(EditAvantages);
    EditAvantages->setAccessibleName(Cp1252::toQString("R\xE9"
                                                       "ductions et cr\xE9"
                                                       "dits"));

    TLabel* legende = Libelle(3, "Justificatifs \xE0 conserver :");
    ListeJustificatifs = new TcxListBox(this);
    AssocieLibelle(legende, ListeJustificatifs);
    ListeJustificatifs->SetBounds(kMarge, Y(4), kLargeur - 2 * kMarge, 110);
    Lie<TdCListBox>(ListeJustificatifs, kJustificatifs, Reaction::Aucune);
    TModeleRevenus* modele = Modele();
    FindControl(ListeJustificatifs)->m_complexData = new TDonneesListe([modele] {
        std::vector<TDonneesListe::Ligne> lignes;
        if (!modele)
            return lignes;
        for (const TModeleRevenus::MessageAudit& message : modele->Audit()) {
            if (message.categorie == kPieceJointe)
                lignes.push_back({{0, message.texte}});
        }
        if (lignes.empty())
            lignes.push_back({{0, "Aucun justificatif n'est demand\xE9."}});
        return lignes;
    });
}
