#pragma once

// The data-bound control of a flat list (TcxListBox): Update fills it with the first text
// column of its list data; it moves no letter.
// Owned by the screen view that registers it (AjouteControl); the widget is its form's.

#include "wizard_framework_export.h"

#include "controls/TdControl.h"

class WIZARD_FRAMEWORK_EXPORT TdCListBox : public TdControl
{
public:
    TdCListBox() = default;
    // Like every control, a copy never takes the list data (it stays with the original).
    TdCListBox(const TdCListBox& other) = default;
    // Takes the lettrage and the widget only.
    TdCListBox& operator=(const TdCListBox& other);
    ~TdCListBox() override;

    bool operator==(const TdCListBox& other) const { return TdControl::operator==(other); }

    void LettrageVersEcran(structLettre*, structLettre*) override {}
    void EcranVersLettrage(structLettre*, structLettre*) override {}
    void UpdateSelection(structLettre*) override {}
    // Refills the list from the data source; the display state is not used.
    void Update(TControlDisplayInfo*& info) override;
    // Removes the selected lines.
    void Delete() override;
    // The widget's current line (-1 for none); 0 when the widget is not a list box.
    int GetItemIndex() override;
    void SetItemIndex(int index) override;
    void SetHelpContext(int helpContext) override;
};
