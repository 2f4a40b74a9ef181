#include "model/TLieManager.h"

TLieManager::TLieManager(const TLieManager& other) : m_elements(other.m_elements)
{
    Reindex();
}

TLieManager& TLieManager::operator=(const TLieManager& other)
{
    if (this != &other) {
        m_elements = other.m_elements;
        Reindex();
    }
    return *this;
}

void TLieManager::Reindex()
{
    m_first.clear();
    for (const TLieElement& element : m_elements)
        m_first.try_emplace(element.getLettrage(), &element);
}

TLieManager::~TLieManager()
{
    m_elements.clear();
    m_first.clear();
}

bool TLieManager::operator==(const TLieManager& other) const
{
    return m_elements == other.m_elements;
}

void TLieManager::LierElements(short lettrage, short idValeurSaisie, short idEtatEdit)
{
    m_elements.emplace_back(lettrage, idValeurSaisie, idEtatEdit);
    m_first.try_emplace(lettrage, &m_elements.back());
}

const TLieElement* TLieManager::find(short lettrage) const
{
    const auto found = m_first.find(lettrage);
    return found == m_first.end() ? nullptr : found->second;
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
