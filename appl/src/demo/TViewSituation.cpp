#include "TViewSituation.h"

#include "Revenus.h"

#include "controls/TdCRadioButton.h"

#include "TLabel.h"
#include "TcxCheckBox.h"
#include "TcxRadioButton.h"

using namespace revenus;

TViewSituation::TViewSituation(TComponent* owner, TPrEcranVCL* presenter)
    : TViewRevenus(owner, presenter, kEcranSituation, 330)
{}

TViewSituation::~TViewSituation() = default;

void TViewSituation::ConstruitEcran()
{
    // Two ways of storing a check box: "1" / "0" here, the default "1" / "2" below.
    CheckACharge = Case(kACharge, 0, "Vous avez des personnes \xE0 &charge", '0');
    CheckFonciers = Case(kRevenusFonciers, 1, "Vous percevez des revenus &fonciers", '1');

    Libelle(2, "Votre r\xE9sidence principale :");
    auto radio = [this](int lettrage, int rang, const char* texte) {
        auto* bouton = new TcxRadioButton(this);
        bouton->SetText(texte);
        bouton->SetBounds(kMarge + 24, Y(rang), 400, 24);
        return Lie<TdCRadioButton>(bouton, lettrage);
    };
    RadioProprietaire = radio(kProprietaire, 3, "vous en \xEAtes pr&opri\xE9taire");
    RadioLocataire = radio(kLocataire, 4, "vous en \xEAtes &locataire");
    RadioHeberge = radio(kHeberge, 5,
                         "vous y \xEAtes &h\xE9"
                         "berg\xE9 gratuitement");

    // The caption's token becomes the product's name at each refresh.
    CheckRappel =
        Case(kRappel, 6, "Je souhaite que #PRODUIT# me rappelle la date limite de paiement", '1');
}
