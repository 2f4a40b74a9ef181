#pragma once

// The checks of the whole declaration: the audit messages in a tree list, grouped by kind
// (anomalies, warnings, advice, remarks, documents to join), filtered by the audit filters of
// the buttons bar; a button shows the field a message is about.

#include "TViewRevenus.h"

#include <memory>
#include <vector>

class TLabel;
class TcxKelButton;
class TcxKelTreeList;

class TViewControles : public TViewRevenus
{
    Q_OBJECT

public:
    // Node identifiers of the group lines: kIdGroupe + the message kind.
    static constexpr int kIdGroupe = 1000;

    TViewControles(TComponent* owner, TPrEcranVCL* presenter);
    ~TViewControles() override;

    // Goes to the screen and the field of the focused message (through the relay window).
    void AllerAuChamp();
    // The count line says what the audit filter of the bar lets through: "2 messages
    // affich\xE9s sur 4".
    void LettrageVersEcran() override;

    TLabel* LabelNombre = nullptr;
    TcxKelTreeList* ListeMessages = nullptr;
    TcxKelButton* ButtonAller = nullptr;

protected:
    void ConstruitEcran() override;

private:
    // The lettrage of each message line, by node identifier - 1; shared with the list data,
    // which fills it at each refresh.
    std::shared_ptr<std::vector<short>> m_lettrages;
};
