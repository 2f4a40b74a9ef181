#include "TViewRecapitulatif.h"

#include "Revenus.h"

#include "controls/TdCLabel.h"
#include "controls/TdCPanel.h"
#include "controls/TdCcxKelLabel.h"

#include "TLabel.h"
#include "TPanel.h"
#include "TcxEditNum.h"
#include "TcxKelLabel.h"

using namespace revenus;

TViewRecapitulatif::TViewRecapitulatif(TComponent* owner, TPrEcranVCL* presenter)
    : TViewRevenus(owner, presenter, kEcranRecapitulatif, 430)
{}

TViewRecapitulatif::~TViewRecapitulatif() = default;

void TViewRecapitulatif::ConstruitEcran()
{
    Libelle(0, "Revenu brut global :");
    EditRevenu = Resultat(kRevenuBrutGlobal, 0);
    LabelParts = Libelle(1, std::string(), kMarge, kLargeur - 2 * kMarge);
    Lie<TdCLabel>(LabelParts, kNombreParts, Reaction::Aucune);
    Libelle(2, "Imp\xF4t brut :");
    EditImpotBrut = Resultat(kImpotBrut, 2);
    Libelle(3, "D\xE9"
               "cote :");
    EditDecote = Resultat(kDecote, 3);
    Libelle(4, "R\xE9"
               "ductions et cr\xE9"
               "dits d'imp\xF4t :");
    EditReductions = Resultat(kReductions, 4);
    Libelle(5, "Imp\xF4t net :");
    EditImpotNet = Resultat(kImpotNet, 5);

    Libelle(6, "Pr\xE9l\xE8vement \xE0 la source d\xE9j\xE0 pay\xE9 :");
    EditPrelevement = Montant(kPrelevement, 6);

    LabelSolde = new TcxKelLabel(this);
    LabelSolde->SetAutoSize(false);
    LabelSolde->SetBounds(kMarge, Y(7) + 3, 240, 20);
    Lie<TdCcxKelLabel>(LabelSolde, kSoldeLibelle, Reaction::Aucune);
    EditSolde = Resultat(kSolde, 7);
    // Its caption changes with the sign of the balance.
    EditSolde->setAccessibleName(QStringLiteral("Solde"));

    PanelTaux = new TPanel(this);
    PanelTaux->SetBevelOuter(bvLowered);
    PanelTaux->SetBounds(kMarge, Y(8) + 8, kLargeur - 2 * kMarge, 30);
    Lie<TdCPanel>(PanelTaux, kTauxMoyen, Reaction::Aucune);
}
