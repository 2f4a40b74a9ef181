#pragma once

// A flat list of text lines, each line may carry an object pointer (not owned). One line is
// selected at a time unless MultiSelect is set.

#include "wizard_toolkit_export.h"

#include "TWinControl.h"

#include <QListWidget>

#include <string>

class WIZARD_TOOLKIT_EXPORT TcxListBox : public QListWidget, public TWinControl
{
    Q_OBJECT

public:
    explicit TcxListBox(TComponent* owner = nullptr);
    ~TcxListBox() override;

    // Removes every line.
    void Clear();
    // Appends a line (Windows-1252) carrying `object`, which the list does not own.
    void AddItem(const std::string& text, TObject* object);
    // Removes the selected lines.
    void DeleteSelected();

    int GetCount() const;
    // Line `index`'s text and object; empty / null out of range.
    std::string GetItem(int index) const;
    TObject* GetObject(int index) const;

    // The current line, -1 for none. Setting an index out of range leaves no line selected.
    int GetItemIndex() const;
    void SetItemIndex(int index);

    bool GetMultiSelect() const;
    void SetMultiSelect(bool multiSelect);
    bool GetSelected(int index) const;
    void SetSelected(int index, bool selected);
    int GetSelCount() const;

    // The current line's text; setting it makes the first line with that text current.
    std::string GetText() const override;
    void SetText(const std::string& text) override;

    // Raised when the user makes another line current (mouse or keyboard), not when code does.
    TNotifyEvent OnClick;

protected:
    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }
    bool FillsBackground() const override { return false; }

private:
    int m_silent = 0;
};
