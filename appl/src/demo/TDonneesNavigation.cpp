#include "TDonneesNavigation.h"

#include "flow/TCinematicManagerAbstract.h"
#include "flow/TScreenInformation.h"

#include <string>

TDonneesNavigation::~TDonneesNavigation() = default;

bool TDonneesNavigation::GetLibelleTreeData(std::string& texte)
{
    const TCinematicManagerAbstract* flux = getCinematicManager();
    if (!flux || !flux->GetDisplayScreenInfo(getCursor()))
        return false;
    flux->GetDisplayScreenTitle(getCursor(), texte);
    return true;
}

bool TDonneesNavigation::GetNiveauTreeData(std::string& texte)
{
    const TCinematicManagerAbstract* flux = getCinematicManager();
    const TScreenInformation* info = flux ? flux->GetDisplayScreenInfo(getCursor()) : nullptr;
    if (!info)
        return false;
    texte = std::to_string(info->getNiveau());
    return true;
}
