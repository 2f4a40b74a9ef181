#pragma once

// The welcome screen: a greeting with the product's name and a presentation of the wizard,
// both labels fed by static letters (a title label and a tagged label).

#include "TViewRevenus.h"

class TcxKelLabel;

class TViewAccueil : public TViewRevenus
{
    Q_OBJECT

public:
    TViewAccueil(TComponent* owner, TPrEcranVCL* presenter);
    ~TViewAccueil() override;

    TcxKelLabel* LabelPresentation = nullptr;

protected:
    void ConstruitEcran() override;
};
