#pragma once

// The flow of a wizard: its screens in order, which are in the flow, which is active, moving
// forward and backward over the displayable ones, screen titles, and the screen that shows a
// given letter. A host derives from it: its Init fills the screens (InitScreen) and the
// lettrage table (addScreenFromLettrageEntry); its Update switches screens ON and OFF.
//
// Two counts must not be confused: the list index counts every screen, the display index
// only the displayable ones (TScreenInformation::IsValid()).
// Owned by the wizard form presenter once the host hands it over (setCinematicManager); the other
// presenters only point to it.

#include "wizard_framework_export.h"

#include "flow/TScreenInformation.h"

#include <map>
#include <string>
#include <vector>

class WIZARD_FRAMEWORK_EXPORT TCinematicManagerAbstract
{
public:
    using ENUM_STATE = TScreenInformation::ENUM_STATE;
    using ENUM_SELECTION = TScreenInformation::ENUM_SELECTION;
    using ENUM_FAMILLE_ECRANS = TScreenInformation::ENUM_FAMILLE_ECRANS;

    TCinematicManagerAbstract();
    // A copy owns copies of the descriptors; its active descriptor is the copy of the original's.
    TCinematicManagerAbstract(const TCinematicManagerAbstract& other);
    TCinematicManagerAbstract& operator=(const TCinematicManagerAbstract& other);
    // Deletes every descriptor.
    virtual ~TCinematicManagerAbstract();

    // Same screens (by value), same active screen, title module and lettrage table.
    bool operator==(const TCinematicManagerAbstract& other) const;

    // Host hooks: fill the flow, switch screens according to the data.
    virtual void Init() {}
    virtual void Update() {}

    // Movements over the displayable screens; each leaves the active screen as it is when it
    // finds no target.
    virtual void NextScreen();
    virtual void PreviousScreen();
    // The first / last listed screen, displayable or not; nothing on an empty list.
    virtual void FirstScreen();
    virtual void LastScreen();

    // Appends a descriptor (owned by the manager); no check, duplicates are kept.
    virtual void InitScreen(const int idScreen, const long idRessource, const std::string& titre,
                            const ENUM_SELECTION selection, const ENUM_STATE state,
                            const ENUM_FAMILLE_ECRANS famille);
    // Empties the lettrage table.
    virtual void InitLettrageToScreens();

    // The first screen with that enumerator is switched; an absent one is ignored. The active
    // screen is not recomputed.
    void SetON(int idScreen);
    void SetOFF(int idScreen);

    void addScreenFromLettrageEntry(int lettrage, int idScreen);
    void setScreenDllName(const std::string& screenDllName);
    std::string getScreenDllName() const;

    int getNbScreen() const;
    // The first descriptor with that enumerator, whatever its state; null when none. The
    // descriptor stays the manager's.
    TScreenInformation* GetInfoEcran(int idScreen) const;
    bool ExistScreen(int idScreen) const;
    // IsValid() of the descriptor at that list index; throws std::out_of_range outside the list.
    bool IsValid(int index) const;
    // True when there are more than displayIndex displayable screens (so always for a
    // negative index).
    bool ExistDisplayScreen(int displayIndex) const;
    TScreenInformation* GetDisplayScreenInfo(int displayIndex) const;
    // -1 when there are not more than displayIndex displayable screens.
    int GetDisplayScreenEnum(int displayIndex) const;
    // Leaves `titre` untouched when there is no such screen.
    void GetDisplayScreenTitle(int displayIndex, std::string& titre) const;
    // Reads the title from the title module (at most 255 characters). An empty module name
    // leaves `titre` untouched; otherwise a module or string that cannot be found gives an
    // empty title, so that a caller reusing one string never shows another screen's title.
    void GetTitleScreen(long idRessource, std::string& titre) const;

    int GetIndex() const;
    int GetDisplayIndex() const;
    TScreenInformation* GetInfoEcranActif() const;
    // 0 no error, 1 empty list, 2 index outside the list (the empty list is tested first).
    unsigned char GetError(int index) const;
    bool IsFirstScreen() const;
    bool IsLastScreen() const;
    // The first displayable screen found from the lettrage's first entry on; -1 when none.
    int getScreenFromLettrage(int lettrage) const;

    // Stores the enumerator, then recomputes the display index and the active descriptor.
    void setEnumEcranActif(int idScreen);
    int getEnumEcranActif() const { return m_enumEcranActif; }
    int getIndexEcranActif() const { return m_indexEcranActif; }
    TScreenInformation* getScreenInformationEcranActif() const
    {
        return m_screenInformationEcranActif;
    }
    // Plain stores: nothing is recomputed. The descriptor is not taken over.
    void setIndexEcranActif(int index) { m_indexEcranActif = index; }
    void setScreenInformationEcranActif(TScreenInformation* info)
    {
        m_screenInformationEcranActif = info;
    }

private:
    void deleteScreens();
    void copyFrom(const TCinematicManagerAbstract& other);
    // List index of a descriptor of this manager; -1 for null, -2 for one not in the list.
    int positionOf(const TScreenInformation* info) const;

    std::vector<TScreenInformation*> m_screens; // owned
    int m_enumEcranActif = -1;
    int m_indexEcranActif = -1;
    TScreenInformation* m_screenInformationEcranActif = nullptr; // not owned
    std::string m_screenDllName;
    std::multimap<int, int> m_lettrageToScreens; // lettrage -> screen enumerator
};
