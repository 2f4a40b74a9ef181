#pragma once

// General information about the open declaration (the host's qrtdonnee library): a plain
// record the host fills before opening a wizard. The model holds it; nobody in the framework
// owns it.

#include "wizard_host_export.h"

#include "TColor.h"

#include <string>

class WIZARD_HOST_EXPORT TInfoGene
{
public:
    TInfoGene() = default;
    virtual ~TInfoGene() = default;

    // Product name: caption of every message box and value of the token "#PRODUIT#".
    std::string getApplicationName() const { return m_applicationName; }
    void setApplicationName(const std::string& name) { m_applicationName = name; }

    // Background colour of the wizard's views.
    TColor getCouleur() const { return m_couleur; }
    void setCouleur(TColor couleur) { m_couleur = couleur; }

    // Open the wizard on the screen that shows a given control (by its lettrage).
    bool isScreenToFind() const { return m_screenToFind; }
    void setScreenToFind(bool screenToFind) { m_screenToFind = screenToFind; }
    int getIdControl() const { return m_idControl; }
    void setIdControl(int idControl) { m_idControl = idControl; }

    // Open the wizard on a given screen enumerator.
    bool isDisplayedScreen() const { return m_displayedScreen; }
    void setDisplayedScreen(bool displayedScreen) { m_displayedScreen = displayedScreen; }
    int getIdScreen() const { return m_idScreen; }
    void setIdScreen(const int idScreen) { m_idScreen = idScreen; }

    bool operator==(const TInfoGene&) const = default;

private:
    std::string m_applicationName;
    TColor m_couleur = clBtnFace;
    bool m_screenToFind = false;
    int m_idControl = -1;
    bool m_displayedScreen = false;
    int m_idScreen = -1;
};
