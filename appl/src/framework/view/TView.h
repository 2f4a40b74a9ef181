#pragma once

// The base of every view: a skinned form that its presenter drives only through the operations
// below. A view is created with an owner component, which deletes it unless its presenter does
// first; TView frees nothing of its own.

#include "wizard_framework_export.h"

#include "TcxKelForm.h"

class WIZARD_FRAMEWORK_EXPORT TView : public TcxKelForm
{
    Q_OBJECT

public:
    explicit TView(TComponent* owner = nullptr);
    // A view is a window, which cannot be duplicated.
    TView(const TView&) = delete;
    ~TView() override;

    // Views take over no state from one another: assignment changes nothing.
    TView& operator=(const TView&) { return *this; }
    // Any two views compare equal.
    bool operator==(const TView&) const { return true; }

    virtual void SaveControlDisplay() {}
    // Only the visibility changes: no re-parenting, no resizing.
    virtual void Show();
    virtual void Hide();
    virtual void Reduce() {}
    // `height`: height of the screen area in pixels.
    virtual void FixClientHeight(int /*height*/) {}
    virtual void InitCouleurs() {}
    // `idRessource`: resource id of the active screen.
    virtual void SetControlHelpContext(long /*idRessource*/) {}

    // Brings the view up to date with its presenter and the model; each view says how. Not
    // the toolkit's repaint.
    void Update() override {}
};
