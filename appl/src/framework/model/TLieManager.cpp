#include "model/TLieManager.h"

TLieManager& TLieManager::operator=(const TLieManager& other)
{
    if (this != &other)
        m_elements = other.m_elements;
    return *this;
}

TLieManager::~TLieManager()
{
    m_elements.clear();
}

bool TLieManager::operator==(const TLieManager& other) const
{
    return m_elements == other.m_elements;
}

void TLieManager::LierElements(short lettrage, short idValeurSaisie, short idEtatEdit)
{
    m_elements.emplace_back(lettrage, idValeurSaisie, idEtatEdit);
}

const TLieElement* TLieManager::find(short lettrage) const
{
    for (const TLieElement& element : m_elements) {
        if (element.getLettrage() == lettrage)
            return &element;
    }
    return nullptr;
}

short TLieManager::getIdValeurSaisie(short lettrage) const
{
    const TLieElement* element = find(lettrage);
    return element ? element->getIdValeurSaisie() : -1;
}

short TLieManager::getIdEtatEdit(short lettrage) const
{
    const TLieElement* element = find(lettrage);
    return element ? element->getIdEtatEdit() : -1;
}
