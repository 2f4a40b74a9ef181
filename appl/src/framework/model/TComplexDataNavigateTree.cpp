#include "model/TComplexDataNavigateTree.h"

#include "flow/TCinematicManagerAbstract.h"
#include "flow/TScreenInformation.h"

#include <limits>

TComplexDataNavigateTree::TComplexDataNavigateTree(TModelAbstract* model,
                                                   TCinematicManagerAbstract* cinematicManager)
    : m_model(model), m_cinematicManager(cinematicManager)
{}

TComplexDataNavigateTree& TComplexDataNavigateTree::operator=(const TComplexDataNavigateTree& other)
{
    if (this != &other) {
        m_cursor = other.m_cursor;
        m_model = other.m_model;
        m_cinematicManager = other.m_cinematicManager;
    }
    return *this;
}

bool TComplexDataNavigateTree::operator==(const TComplexDataNavigateTree& other) const
{
    return m_cursor == other.m_cursor && m_model == other.m_model &&
           m_cinematicManager == other.m_cinematicManager;
}

bool TComplexDataNavigateTree::BeginDonneeComp(int)
{
    m_cursor = 0;
    return m_cinematicManager != nullptr && m_cinematicManager->ExistDisplayScreen(m_cursor);
}

bool TComplexDataNavigateTree::NextDonneeComp(int)
{
    if (m_cursor < std::numeric_limits<int>::max())
        ++m_cursor;
    return m_cinematicManager != nullptr && m_cinematicManager->ExistDisplayScreen(m_cursor);
}

bool TComplexDataNavigateTree::hasCurrentLine() const
{
    return m_cinematicManager != nullptr &&
           m_cinematicManager->GetDisplayScreenInfo(m_cursor) != nullptr;
}

bool TComplexDataNavigateTree::GetDonneeComp(int, int colonne, std::string& texte)
{
    switch (colonne) {
    case kColumnExpand:
        return GetExpandTreeData(texte);
    case kColumnId:
        return GetIdTreeData(texte);
    case kColumnNiveau:
        return GetNiveauTreeData(texte);
    case kColumnText:
        // The host's text would describe no screen past the last line.
        return hasCurrentLine() && GetLibelleTreeData(texte);
    default:
        // Column -1 included: the navigation tree is never filtered.
        return false;
    }
}

bool TComplexDataNavigateTree::GetExpandTreeData(std::string& texte)
{
    if (!hasCurrentLine())
        return false;
    texte = m_cinematicManager->GetDisplayScreenInfo(m_cursor)->getDefaultExpanded() ? "1" : "0";
    return true;
}

bool TComplexDataNavigateTree::GetNiveauTreeData(std::string& texte)
{
    texte = "1";
    return true;
}

bool TComplexDataNavigateTree::GetIdTreeData(std::string& texte)
{
    if (!hasCurrentLine())
        return false;
    texte = std::to_string(m_cinematicManager->GetDisplayScreenInfo(m_cursor)->getIdScreen());
    return true;
}
