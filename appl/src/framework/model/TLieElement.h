#pragma once

// One linked letter: the lettrage shown by a control and its two companion letters, the one
// holding the value the user really entered and the one holding the field's edit state.
// -1 stands for "no such companion".
// A value held by the model's TLieManager.

#include "wizard_framework_export.h"

class WIZARD_FRAMEWORK_EXPORT TLieElement
{
public:
    TLieElement() = default;
    TLieElement(short lettrage, short idValeurSaisie, short idEtatEdit);
    TLieElement(const TLieElement& other) = default;
    TLieElement& operator=(const TLieElement& other);
    ~TLieElement() = default;

    bool operator==(const TLieElement& other) const;

    short getLettrage() const { return m_lettrage; }
    void setLettrage(short lettrage) { m_lettrage = lettrage; }
    short getIdValeurSaisie() const { return m_idValeurSaisie; }
    void setIdValeurSaisie(short idValeurSaisie) { m_idValeurSaisie = idValeurSaisie; }
    short getIdEtatEdit() const { return m_idEtatEdit; }
    void setIdEtatEdit(short idEtatEdit) { m_idEtatEdit = idEtatEdit; }

private:
    short m_lettrage = -1;
    short m_idValeurSaisie = -1;
    short m_idEtatEdit = -1;
};
