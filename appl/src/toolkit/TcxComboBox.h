#pragma once

// A drop-down list of lines, each line a label with an integer code beside it (ComboAdd,
// ComboSelectCode, ComboGetCurrentCode below). The list is picked from, not typed into. As on
// the desktop toolkits this stands for, filling the list selects nothing: a line is selected
// only by the user or by code.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TWinControl.h"

#include <QComboBox>

#include <string>

class WIZARD_TOOLKIT_EXPORT TcxComboBox : public QComboBox, public TWinControl
{
    Q_OBJECT

public:
    // The lines of the list (the combo's Properties->Items); a handle onto the combo.
    class TItems
    {
    public:
        explicit TItems(TcxComboBox* combo = nullptr) : m_combo(combo) {}
        TItems(const TItems&) = default;
        TItems& operator=(const TItems&) = default;
        virtual ~TItems() = default;
        bool operator==(const TItems&) const = default;

        // Removes every line; the combo then has no selected line.
        void Clear();
        int GetCount() const;
        // The label of line `index` (Windows-1252); empty out of range.
        std::string GetString(int index) const;
        // Appends a line with code 0 and returns its index.
        int Add(const std::string& label);
        // The first line with that label, or -1.
        int IndexOf(const std::string& label) const;

    private:
        TcxComboBox* m_combo;
    };

    // The editor's settings (the combo's Properties).
    class TProperties
    {
    public:
        explicit TProperties(TcxComboBox* combo = nullptr) : m_combo(combo), m_items(combo) {}
        TProperties(const TProperties&) = default;
        TProperties& operator=(const TProperties&) = default;
        virtual ~TProperties() = default;
        bool operator==(const TProperties&) const = default;

        TItems* GetItems() { return &m_items; }
        // How many lines the open list shows before scrolling.
        int GetDropDownRows() const;
        void SetDropDownRows(int rows);

    private:
        TcxComboBox* m_combo;
        TItems m_items;
    };

    explicit TcxComboBox(TComponent* owner = nullptr);
    ~TcxComboBox() override;

    TProperties* GetProperties() { return &m_properties; }

    // The selected line, -1 for none. Setting an index out of range selects nothing.
    int GetItemIndex() const;
    void SetItemIndex(int index);

    // The selected line's label; setting it selects the first line with that label (none when
    // no line has it).
    std::string GetText() const override;
    void SetText(const std::string& text) override;

    // The identifier the host gives the editor (the lettrage of the letter it shows).
    int GetIdValue() const { return m_idValue; }
    void SetIdValue(int idValue) { m_idValue = idValue; }

    // Raised when the user selects another line (not when code does).
    TNotifyEvent OnChange;

protected:
    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }
    bool FillsBackground() const override { return false; }

private:
    friend bool ComboSelectCode(TcxComboBox* combo, long code);
    friend void ComboAdd(TcxComboBox* combo, const std::string& label, long code);

    // Changes made by code raise no OnChange.
    class Silence
    {
    public:
        explicit Silence(TcxComboBox* combo) : m_combo(combo) { ++m_combo->m_silent; }
        ~Silence() { --m_combo->m_silent; }
        Silence(const Silence&) = delete;
        Silence& operator=(const Silence&) = delete;

    private:
        TcxComboBox* m_combo;
    };
    void AddLine(const std::string& label, long code);

    TProperties m_properties;
    int m_idValue = 0;
    int m_silent = 0;
};

// Appends a line with `label` (Windows-1252) and `code`. A null combo is ignored.
WIZARD_TOOLKIT_EXPORT void ComboAdd(TcxComboBox* combo, const std::string& label, long code);
// Selects the first line whose code is `code`; false, the selection unchanged, when no line
// has it (or the combo is null).
WIZARD_TOOLKIT_EXPORT bool ComboSelectCode(TcxComboBox* combo, long code);
// The code of the selected line; false, `code` unchanged, when no line is selected (or the
// combo is null).
WIZARD_TOOLKIT_EXPORT bool ComboGetCurrentCode(TcxComboBox* combo, long& code);
