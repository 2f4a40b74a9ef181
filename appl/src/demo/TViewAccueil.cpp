#include "TViewAccueil.h"

#include "Revenus.h"

#include "controls/TdCcxKelLabel.h"
#include "controls/TdCcxLabelTitle.h"

#include "TcxKelLabel.h"
#include "TcxLabelTitle.h"

using namespace revenus;

TViewAccueil::TViewAccueil(TComponent* owner, TPrEcranVCL* presenter)
    : TViewRevenus(owner, presenter, kEcranAccueil, 300)
{}

TViewAccueil::~TViewAccueil() = default;

void TViewAccueil::ConstruitEcran()
{
    // The greeting replaces the module's title.
    Lie<TdCcxLabelTitle>(LabelTitre, kBienvenue, Reaction::Aucune);
    LabelPresentation = new TcxKelLabel(this);
    LabelPresentation->SetAutoSize(false);
    LabelPresentation->setWordWrap(true);
    LabelPresentation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelPresentation->SetBounds(kMarge, Y(0), kLargeur - 2 * kMarge, 200);
    Lie<TdCcxKelLabel>(LabelPresentation, kPresentation, Reaction::Aucune);
}
