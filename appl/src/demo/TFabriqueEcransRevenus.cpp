#include "TFabriqueEcransRevenus.h"

#include "Revenus.h"
#include "TViewAccueil.h"
#include "TViewAdresse.h"
#include "TViewBiensLoues.h"
#include "TViewCharges.h"
#include "TViewControles.h"
#include "TViewDeclarant.h"
#include "TViewPersonnesACharge.h"
#include "TViewRecapitulatif.h"
#include "TViewRevenusFonciers.h"
#include "TViewSalaires.h"
#include "TViewSignature.h"
#include "TViewSituation.h"

#include "presenter/TPrEcranVCL.h"

using namespace revenus;

TFabriqueEcransRevenus::~TFabriqueEcransRevenus() = default;

bool TFabriqueEcransRevenus::CreeVue(int idScreen, TComponent* owner, TPrEcranVCL* presenter)
{
    TViewEcranVCL* vue = nullptr;
    switch (idScreen) {
    case kEcranAccueil:
        vue = new TViewAccueil(owner, presenter);
        break;
    case kEcranDeclarant:
        vue = new TViewDeclarant(owner, presenter);
        break;
    case kEcranAdresse:
        vue = new TViewAdresse(owner, presenter);
        break;
    case kEcranSituation:
        vue = new TViewSituation(owner, presenter);
        break;
    case kEcranPersonnes:
        vue = new TViewPersonnesACharge(owner, presenter);
        break;
    case kEcranSalaires:
        vue = new TViewSalaires(owner, presenter);
        break;
    case kEcranFoncier:
        vue = new TViewRevenusFonciers(owner, presenter);
        break;
    case kEcranBiens:
        vue = new TViewBiensLoues(owner, presenter);
        break;
    case kEcranCharges:
        vue = new TViewCharges(owner, presenter);
        break;
    case kEcranRecapitulatif:
        vue = new TViewRecapitulatif(owner, presenter);
        break;
    case kEcranControles:
        vue = new TViewControles(owner, presenter);
        break;
    case kEcranSignature:
        vue = new TViewSignature(owner, presenter);
        break;
    default:
        return false;
    }
    // The presenter completes the view (InitView) once it holds it.
    presenter->setView(vue);
    return true;
}
