#pragma once

// For a host's tests: the Alt letters that each screen of a running wizard shares with the
// rest of its window (the buttons bar and its menus). Such a letter only moves the focus
// between the two captions, and what the user types next is lost.
//
//     EXPECT_THAT(MnemonicClashesOfEveryScreen(form, screens), IsEmpty());

#include "flow/TCinematicManagerAbstract.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TPrEcranVCL.h"

#include <string>
#include <vector>

// Shows every displayable screen in turn (the active one again at the end) and lists its
// clashes as "<screen enumerator>: Alt+P : ...".
inline std::vector<std::string> MnemonicClashesOfEveryScreen(TPrBaseForm& form,
                                                             const TPrEcranVCL& screens)
{
    std::vector<std::string> clashes;
    TCinematicManagerAbstract* flow = form.getCinematicManager();
    if (!flow)
        return clashes;
    const int active = flow->getEnumEcranActif();
    for (int index = 0; flow->ExistDisplayScreen(index); ++index) {
        const int screen = flow->GetDisplayScreenEnum(index);
        flow->setEnumEcranActif(screen);
        form.ChangeScreen();
        for (const std::string& clash : screens.MnemonicClashes())
            clashes.push_back(std::to_string(screen) + ": " + clash);
    }
    flow->setEnumEcranActif(active);
    form.ChangeScreen();
    return clashes;
}
