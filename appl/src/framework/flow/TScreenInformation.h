#pragma once

// The descriptor of one screen of a wizard: its enumerator, its title resource, whether it
// takes part in the current flow, and what the navigation tree needs to show it.
// Owned by the flow manager that lists it.

#include "wizard_framework_export.h"

#include <string>
#include <utility>

class WIZARD_FRAMEWORK_EXPORT TScreenInformation
{
public:
    // Only ON lets a screen be displayed.
    enum ENUM_STATE : unsigned char
    {
        OFF = 0,
        ON = 1
    };
    // A mark kept for the host; values other than these two are the host's own.
    enum ENUM_SELECTION : unsigned char
    {
        SELECTION_NON = 0,
        SELECTION_OUI = 1
    };
    // The screen family, kept for the host; values other than the default are the host's own.
    enum ENUM_FAMILLE_ECRANS : unsigned char
    {
        FAMILLE_DEFAUT = 1
    };

    TScreenInformation() = default;
    TScreenInformation(std::string titre, std::string screenName, int idScreen, int idRessource,
                       int niveau, int typeScreen, bool defaultExpanded, ENUM_STATE state,
                       const ENUM_FAMILLE_ECRANS famille);
    TScreenInformation(const TScreenInformation& other) = default;
    TScreenInformation& operator=(const TScreenInformation& other);
    virtual ~TScreenInformation() = default;

    bool operator==(const TScreenInformation& other) const;

    // A displayable screen: it has a title resource, it is ON and it names a screen.
    bool IsValid() const;

    int getIdScreen() const { return m_idScreen; }
    void setIdScreen(int idScreen) { m_idScreen = idScreen; }
    ENUM_STATE getState() const { return m_state; }
    void setState(ENUM_STATE state) { m_state = state; }
    ENUM_SELECTION getSelection() const { return m_selection; }
    void setSelection(ENUM_SELECTION selection) { m_selection = selection; }
    ENUM_FAMILLE_ECRANS getFamilleEcrans() const { return m_familleEcrans; }
    void setFamilleEcrans(ENUM_FAMILLE_ECRANS famille) { m_familleEcrans = famille; }
    // -1: no title resource; 0 or below on a displayable screen: a heading.
    long getIdRessource() const { return m_idRessource; }
    void setIdRessource(long idRessource) { m_idRessource = idRessource; }
    std::string getTitre() const { return m_titre; }
    void setTitre(std::string titre) { m_titre = std::move(titre); }
    std::string getScreenName() const { return m_screenName; }
    void setScreenName(std::string screenName) { m_screenName = std::move(screenName); }
    int getNiveau() const { return m_niveau; }
    void setNiveau(int niveau) { m_niveau = niveau; }
    int getTypeScreen() const { return m_typeScreen; }
    void setTypeScreen(int typeScreen) { m_typeScreen = typeScreen; }
    bool getDefaultExpanded() const { return m_defaultExpanded; }
    void setDefaultExpanded(bool defaultExpanded) { m_defaultExpanded = defaultExpanded; }

private:
    int m_idScreen = -1;
    ENUM_STATE m_state = OFF;
    ENUM_SELECTION m_selection = SELECTION_NON;
    ENUM_FAMILLE_ECRANS m_familleEcrans = FAMILLE_DEFAUT;
    long m_idRessource = -1;
    std::string m_titre;
    std::string m_screenName;
    int m_niveau = 1;
    int m_typeScreen = 0;
    bool m_defaultExpanded = true;
};
