#pragma once

// A data-bound control: the object that moves one letter's value between the letter store and
// the widget that shows it. The application fills the public members after construction; the
// screen view drives the virtual operations and deletes the control with the view.

#include "wizard_framework_export.h"

#include <cstddef>

struct structLettre;
class TComponent;
class TComplexData;
class TControlDisplayInfo;
class TcxStaticOrEdit;

class WIZARD_FRAMEWORK_EXPORT TdControl
{
public:
    TdControl() = default;
    // A copy takes every member but the list data: m_complexData has one owner, the original,
    // so the copy starts without list data (a list control of its own must be given one).
    TdControl(const TdControl& other);
    // Same rule: the target keeps its own list data and takes every other member.
    TdControl& operator=(const TdControl& other);
    virtual ~TdControl();

    // Same members; list data compared by identity.
    bool operator==(const TdControl& other) const;

    virtual void SetIdValue() {}
    // Letter to widget: shows the letter's value.
    virtual void LettrageVersEcran(structLettre* listeLettre, structLettre* listeLettreStatic) = 0;
    // Widget to letter: stores the widget's value in the letter.
    virtual void EcranVersLettrage(structLettre* listeLettre, structLettre* listeLettreStatic) = 0;
    // Enables the widget when its letter may be entered.
    virtual void UpdateSelection(structLettre* listeLettre) = 0;
    // Fills list controls; may create a display state and hand it back through `info`.
    virtual void Update(TControlDisplayInfo*& /*info*/) {}
    virtual void setFilter(int /*filter*/) {}
    virtual void SaveControlDisplay(TControlDisplayInfo* /*info*/) {}
    virtual void Delete() {}
    virtual int GetItemIndex() { return 0; }
    virtual void SetItemIndex(int /*index*/) {}
    virtual void SetFocus() {}
    virtual void SetHelpContext(int /*helpContext*/) {}

    int m_lettrage = -1;
    int m_lettrageCalcul = -1;                    // entered-value letter linked by the screen view
    int m_lettrageActivation = -1;                // edit-state letter linked by the screen view
    TComponent* m_component = nullptr;            // the widget; not owned (it belongs to its form)
    TComplexData* m_complexData = nullptr;        // owned: deleted with the control
    TControlDisplayInfo* m_displayInfo = nullptr; // not owned
    bool m_refreshEnabled = true;                 // false: gated controls ignore LettrageVersEcran

protected:
    // The widget as a W; null when it is missing or of another kind.
    template <class W>
    W* widgetAs() const
    {
        return dynamic_cast<W*>(m_component);
    }
    // Enables the W widget exactly when its letter's select flag is 1; a letter without a value
    // leaves the widget as it is. Returns the widget, or null when the letter or the widget is
    // missing.
    template <class W>
    W* EnableFromLetter(structLettre* listeLettre) const
    {
        const LetterSelection selection = SelectionFromLetter(listeLettre);
        if (selection == LetterSelection::Missing)
            return nullptr;
        W* widget = widgetAs<W>();
        if (widget && selection != LetterSelection::Keep)
            widget->SetEnabled(selection == LetterSelection::Enable);
        return widget;
    }
    // A disabled widget cannot take the focus.
    template <class W>
    void FocusIfEnabled() const
    {
        W* widget = widgetAs<W>();
        if (widget && widget->GetEnabled())
            widget->SetFocus();
    }
    template <class W>
    void GiveHelpContext(int helpContext) const
    {
        if (W* widget = widgetAs<W>())
            widget->SetHelpContext(helpContext);
    }

    // Replaces the letter's value by `text` (a null text stores ""), enlarging the store's
    // heap block with realloc. Returns false, leaving the value as it was, when memory runs
    // out or the letter is null.
    static bool StoreValue(structLettre* lettre, const char* text);

    // Logs a transfer line built from `format` (its %d takes the letter's lettrage, its %s
    // the value, "(null)" for none) in a buffer of `bufferSize` bytes (at most kMemoLineSize);
    // a longer line is cut.
    static void LogTransfer(const char* format, const structLettre* lettre,
                            std::size_t bufferSize = kLineSize);
    // Same, with the value given apart from the letter.
    static void LogTransfer(const char* format, const structLettre* lettre, const char* value,
                            std::size_t bufferSize = kLineSize);

    // The static-or-edit fields that take part in the edit-state handling (Switchable): the
    // widget is activated exactly when the edit-state letter (m_lettrageActivation) reads as
    // the integer 2; a missing letter or value counts as not activated.
    void SyncActivation(TcxStaticOrEdit* widget, structLettre* listeLettre) const;
    // Writes "2" (activated) or "1" into the edit-state letter, when it exists with a value.
    void StoreActivation(TcxStaticOrEdit* widget, structLettre* listeLettre) const;

    static constexpr std::size_t kLineSize = 512;
    static constexpr std::size_t kMemoLineSize = 1024;

private:
    // What the control's letter says of its widget's enabled state.
    enum class LetterSelection
    {
        Missing,
        Keep,
        Enable,
        Disable
    };
    LetterSelection SelectionFromLetter(structLettre* listeLettre) const;
};
