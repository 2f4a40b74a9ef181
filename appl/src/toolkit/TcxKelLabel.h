#pragma once

// The in-house label whose text may carry simple formatting tags: `<b>`, `<i>`, `<u>` (with their
// closing tags) and `<br>`, in any case. Anything else, '<' and '&' included, shows as typed.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TCustomLabel.h"

#include <string>

class WIZARD_TOOLKIT_EXPORT TcxKelLabel : public TCustomLabel
{
    Q_OBJECT

public:
    explicit TcxKelLabel(TComponent* owner = nullptr);
    ~TcxKelLabel() override;

    // Shows `text` (Windows-1252) with its tags applied, and keeps it in m_text.
    void SetTextWithTag(const std::string& text);

    // The label's text is its tagged text.
    std::string GetText() const override { return m_text; }
    void SetText(const std::string& text) override { SetTextWithTag(text); }

    // The tagged text as last given, tags included; read directly by the data-bound control.
    std::string m_text;

    // The rich text that Qt shows for a tagged text.
    static QString ToRichText(const QString& tagged);

protected:
    void Refresh() override;
};
