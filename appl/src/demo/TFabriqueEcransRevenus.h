#pragma once

// The view factory of the sample: makes the screen view of each of its screens. The headings
// have no view (the navigation never stops on them).

#include "model/TFactoryAbstract.h"

class TFabriqueEcransRevenus : public TFactoryAbstract
{
public:
    TFabriqueEcransRevenus() = default;
    TFabriqueEcransRevenus(const TFabriqueEcransRevenus&) = default;
    TFabriqueEcransRevenus& operator=(const TFabriqueEcransRevenus&) = default;
    ~TFabriqueEcransRevenus() override;
    bool operator==(const TFabriqueEcransRevenus&) const { return true; }

    bool CreeVue(int idScreen, TComponent* owner, TPrEcranVCL* presenter) override;
};
