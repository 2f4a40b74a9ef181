#pragma once

// The lines of the navigation tree and of the buttons bar's navigation menu: one per screen in
// the flow, with its title from the title module and its level, so that the headings hold
// their screens.

#include "model/TComplexDataNavigateTree.h"

class TDonneesNavigation : public TComplexDataNavigateTree
{
public:
    using TComplexDataNavigateTree::TComplexDataNavigateTree;
    TDonneesNavigation(const TDonneesNavigation&) = default;
    TDonneesNavigation& operator=(const TDonneesNavigation&) = default;
    ~TDonneesNavigation() override;
    bool operator==(const TDonneesNavigation& other) const
    {
        return TComplexDataNavigateTree::operator==(other);
    }

    // The screen's title.
    bool GetLibelleTreeData(std::string& texte) override;
    // The screen's level in the flow (1 for a heading and the welcome screen).
    bool GetNiveauTreeData(std::string& texte) override;
};
