#pragma once

// A screen view factory: asked by the screen presenter, in registration order, for the view
// of the active screen. A factory that knows the screen creates its view with the given
// owner and presenter, sets it on the presenter (setView) and answers true; otherwise it
// creates nothing and answers false.

#include "wizard_framework_export.h"

class TComponent;
class TPrEcranVCL;

class WIZARD_FRAMEWORK_EXPORT TFactoryAbstract
{
public:
    TFactoryAbstract() = default;
    TFactoryAbstract(const TFactoryAbstract& other) = default;
    TFactoryAbstract& operator=(const TFactoryAbstract& other) = default;
    // Factories are deleted through this interface by the screen presenter that owns them.
    virtual ~TFactoryAbstract() = default;

    // A factory holds no state of its own: any two compare equal at this level.
    bool operator==(const TFactoryAbstract&) const { return true; }

    virtual bool CreeVue(int idScreen, TComponent* owner, TPrEcranVCL* presenter) = 0;
};
