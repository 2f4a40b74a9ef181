#include "model/TLieElement.h"

TLieElement::TLieElement(short lettrage, short idValeurSaisie, short idEtatEdit)
    : m_lettrage(lettrage), m_idValeurSaisie(idValeurSaisie), m_idEtatEdit(idEtatEdit)
{}

TLieElement& TLieElement::operator=(const TLieElement& other)
{
    if (this != &other) {
        m_lettrage = other.m_lettrage;
        m_idValeurSaisie = other.m_idValeurSaisie;
        m_idEtatEdit = other.m_idEtatEdit;
    }
    return *this;
}

bool TLieElement::operator==(const TLieElement& other) const
{
    return m_lettrage == other.m_lettrage && m_idValeurSaisie == other.m_idValeurSaisie &&
           m_idEtatEdit == other.m_idEtatEdit;
}
