#include "flow/TCinematicManagerAbstract.h"

#include "StringTable.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using SI = TScreenInformation;
using Screen = std::tuple<int, long, SI::ENUM_STATE>; // enumerator, title resource, state

std::unique_ptr<TCinematicManagerAbstract> makeFlow(const std::vector<Screen>& screens)
{
    auto flow = std::make_unique<TCinematicManagerAbstract>();
    for (const auto& [id, ressource, state] : screens)
        flow->InitScreen(id, ressource, "titre", SI::SELECTION_OUI, state, SI::FAMILLE_DEFAUT);
    return flow;
}

} // namespace

TEST(TScreenInformation, DisplayableNeedsAResourceTheOnStateAndAnEnumerator)
{
    const std::tuple<int, long, SI::ENUM_STATE, bool> cases[] = {
        {0, 0, SI::ON, true},   // 0 is an ordinary enumerator and resource
        {3, -2, SI::ON, true},  // a heading is displayable
        {3, -1, SI::ON, false}, // only -1 means no resource
        {3, 5, SI::OFF, false}, {-1, 5, SI::ON, false},
    };
    for (const auto& [id, ressource, state, valid] : cases) {
        const SI info("T", "E", id, ressource, 2, 5, false, state, SI::FAMILLE_DEFAUT);
        EXPECT_EQ(info.IsValid(), valid) << id << " " << ressource;
    }
    EXPECT_FALSE(SI().IsValid());
}

TEST(TCinematicManagerAbstract, MovesGoToTheNextDisplayableScreenAndStopAtTheEnds)
{
    using Move = void (TCinematicManagerAbstract::*)();
    const Move next = &TCinematicManagerAbstract::NextScreen;
    const Move previous = &TCinematicManagerAbstract::PreviousScreen;
    const Move first = &TCinematicManagerAbstract::FirstScreen;
    const Move last = &TCinematicManagerAbstract::LastScreen;
    const std::vector<Screen> onOffOn = {{1, 101, SI::ON}, {2, 102, SI::OFF}, {3, 103, SI::ON}};
    const std::vector<Screen> offOnOff = {{1, 101, SI::OFF}, {2, 102, SI::ON}, {3, 103, SI::OFF}};
    const std::vector<Screen> noResource = {{1, 101, SI::ON}, {2, -1, SI::ON}, {3, -2, SI::ON}};
    // Screens, active screen, move: active screen, its display index, first?, last?
    const std::tuple<std::vector<Screen>, int, Move, int, int, bool, bool> cases[] = {
        {onOffOn, 1, next, 3, 1, false, true},     {onOffOn, 3, next, 3, 1, false, true},
        {onOffOn, 3, previous, 1, 0, true, false}, {onOffOn, 1, previous, 1, 0, true, false},
        {onOffOn, 2, next, 3, 1, false, true},     {onOffOn, 2, previous, 1, 0, true, false},
        {onOffOn, 42, next, 42, -1, true, true},   {onOffOn, 42, previous, 42, -1, true, true},
        {offOnOff, 2, first, 1, -1, true, false},  {offOnOff, 2, last, 3, -1, false, true},
        {noResource, 1, next, 3, 1, false, true},  {{}, 5, first, 5, -1, true, true},
        {{}, 5, last, 5, -1, true, true},          {{}, 5, next, 5, -1, true, true},
    };
    for (const auto& [screens, from, move, to, index, isFirst, isLast] : cases) {
        SCOPED_TRACE(std::to_string(from) + " to " + std::to_string(to));
        auto flow = makeFlow(screens);
        flow->setEnumEcranActif(from);
        ((*flow).*move)();
        EXPECT_EQ(flow->getEnumEcranActif(), to);
        EXPECT_EQ(flow->getIndexEcranActif(), index);
        EXPECT_EQ(flow->getScreenInformationEcranActif(), flow->GetInfoEcran(to));
        EXPECT_EQ(flow->IsFirstScreen(), isFirst);
        EXPECT_EQ(flow->IsLastScreen(), isLast);
    }
}

TEST(TCinematicManagerAbstract, ActiveScreenSwitchedOffIsFoundButNotDisplayed)
{
    auto flow = makeFlow({{1, 101, SI::ON}, {2, 102, SI::ON}, {3, 103, SI::ON}});
    flow->setEnumEcranActif(2);
    flow->SetOFF(2);
    flow->SetOFF(9); // absent: nothing happens
    EXPECT_FALSE(flow->ExistScreen(2));
    EXPECT_EQ(flow->getEnumEcranActif(), 2);
    EXPECT_EQ(flow->GetDisplayIndex(), -1);
}

TEST(TCinematicManagerAbstract, IndexOutsideTheListIsAnError)
{
    TCinematicManagerAbstract empty;
    EXPECT_EQ(empty.GetError(-1), 1);
    EXPECT_EQ(empty.GetError(0), 1);
    EXPECT_THROW(empty.IsValid(0), std::out_of_range);
    auto flow = makeFlow({{1, 101, SI::ON}, {2, 102, SI::OFF}, {3, 103, SI::ON}});
    const int errors[][2] = {{-1, 2}, {3, 2}, {0, 0}, {2, 0}};
    for (const auto& e : errors)
        EXPECT_EQ(flow->GetError(e[0]), e[1]) << e[0];
    EXPECT_THROW(flow->IsValid(3), std::out_of_range);
}

TEST(TCinematicManagerAbstract, DisplayIndexCountsDisplayableScreensOnly)
{
    auto flow = makeFlow(
        {{10, 1, SI::OFF}, {11, 2, SI::ON}, {12, -1, SI::ON}, {13, 3, SI::ON}, {14, 4, SI::ON}});
    EXPECT_TRUE(flow->ExistDisplayScreen(2));
    EXPECT_FALSE(flow->ExistDisplayScreen(3)) << "exactly three displayable screens";
    EXPECT_TRUE(flow->ExistDisplayScreen(-1)) << "more than -1 displayable screens";
    EXPECT_EQ(flow->GetDisplayScreenInfo(1), flow->GetInfoEcran(13));
    const int enums[][2] = {{0, 11}, {2, 14}, {3, -1}, {-1, -1}};
    for (const auto& e : enums)
        EXPECT_EQ(flow->GetDisplayScreenEnum(e[0]), e[1]) << e[0];
    flow->setEnumEcranActif(14);
    EXPECT_EQ(flow->GetIndex(), 4);
    EXPECT_EQ(flow->GetDisplayIndex(), 2);
}

TEST(TCinematicManagerAbstract, LettrageGivesTheFirstDisplayableScreenFromItsEntriesOn)
{
    auto flow = makeFlow({{5, 105, SI::OFF}, {7, 107, SI::ON}, {8, 108, SI::ON}});
    flow->addScreenFromLettrageEntry(100, 5);
    flow->addScreenFromLettrageEntry(100, 7);
    flow->addScreenFromLettrageEntry(200, 8); // equal keys keep their insertion order
    flow->addScreenFromLettrageEntry(200, 7);
    flow->addScreenFromLettrageEntry(150, 5); // the walk goes on into the following keys
    flow->addScreenFromLettrageEntry(300, 5);
    const int cases[][2] = {{100, 7}, {99, -1}, {200, 8}, {150, 8}, {300, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(flow->getScreenFromLettrage(c[0]), c[1]) << c[0];
    flow->InitLettrageToScreens();
    EXPECT_EQ(flow->getScreenFromLettrage(100), -1);
}

TEST(TCinematicManagerAbstract, TitlesComeFromTheScreenModuleLoadedOnlyForTheRead)
{
    const char* registered = "TCinematicManagerTitles.Ecrans";
    static constexpr WizardStringTableEntry kTitles[] = {
        {101, "Identit\xE9"}, {102, "Enfants"}, {103, "Revenus"}, WIZARD_STRING_TABLE_END};
    RegisterStringTable(registered, kTitles);
    auto flow = makeFlow({{1, 101, SI::ON}, {2, 102, SI::OFF}, {3, 103, SI::ON}, {4, 999, SI::ON}});
    flow->setScreenDllName(registered);
    const std::pair<int, std::string> cases[] = {
        {0, "Identit\xE9"}, {1, "Revenus"}, {2, ""}, {3, "old"}}; // 2: resource 999 absent
    for (const auto& [index, expected] : cases) {
        std::string titre = "old";
        flow->GetDisplayScreenTitle(index, titre);
        EXPECT_EQ(titre, expected) << index;
    }
    UnregisterStringTable(registered);
    const auto title = [&flow](long ressource) {
        std::string titre = "old";
        flow->GetTitleScreen(ressource, titre);
        return titre;
    };
    flow->setScreenDllName("");
    EXPECT_EQ(title(101), "old");
    flow->setScreenDllName("wizard-no-such-title-module");
    EXPECT_EQ(title(101), "");

    const std::string path = WIZARD_TEST_TITLES_MODULE;
    flow->setScreenDllName(path);
    EXPECT_EQ(title(100), "Identit\xE9 du d\xE9"
                          "clarant");
    EXPECT_EQ(dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD), nullptr) << "released after reading";
}
