#include "flow/TScreenInformation.h"

TScreenInformation::TScreenInformation(std::string titre, std::string screenName, int idScreen,
                                       int idRessource, int niveau, int typeScreen,
                                       bool defaultExpanded, ENUM_STATE state,
                                       const ENUM_FAMILLE_ECRANS famille)
    : m_idScreen(idScreen), m_state(state), m_selection(SELECTION_OUI), m_familleEcrans(famille),
      m_idRessource(idRessource), m_titre(std::move(titre)), m_screenName(std::move(screenName)),
      m_niveau(niveau), m_typeScreen(typeScreen), m_defaultExpanded(defaultExpanded)
{}

TScreenInformation& TScreenInformation::operator=(const TScreenInformation& other)
{
    if (this != &other) {
        m_idScreen = other.m_idScreen;
        m_state = other.m_state;
        m_selection = other.m_selection;
        m_familleEcrans = other.m_familleEcrans;
        m_idRessource = other.m_idRessource;
        m_titre = other.m_titre;
        m_screenName = other.m_screenName;
        m_niveau = other.m_niveau;
        m_typeScreen = other.m_typeScreen;
        m_defaultExpanded = other.m_defaultExpanded;
    }
    return *this;
}

bool TScreenInformation::operator==(const TScreenInformation& other) const
{
    return m_idScreen == other.m_idScreen && m_state == other.m_state &&
           m_selection == other.m_selection && m_familleEcrans == other.m_familleEcrans &&
           m_idRessource == other.m_idRessource && m_titre == other.m_titre &&
           m_screenName == other.m_screenName && m_niveau == other.m_niveau &&
           m_typeScreen == other.m_typeScreen && m_defaultExpanded == other.m_defaultExpanded;
}

bool TScreenInformation::IsValid() const
{
    return m_idRessource != -1 && m_state == ON && m_idScreen >= 0;
}
