#include "flow/TCinematicManagerAbstract.h"

#include "StringTable.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using SI = TScreenInformation;

struct Screen
{
    int id;
    long ressource;
    SI::ENUM_STATE state;
};

// A host flow: Init lists the screens, Update switches screen 2 according to the "data".
class HostFlow : public TCinematicManagerAbstract
{
public:
    explicit HostFlow(std::vector<Screen> screens) : m_screens(std::move(screens)) {}

    void Init() override
    {
        for (const Screen& s : m_screens)
            InitScreen(s.id, s.ressource, "titre " + std::to_string(s.id), SI::SELECTION_OUI,
                       s.state, SI::FAMILLE_DEFAUT);
    }
    void Update() override
    {
        if (secondScreenWanted)
            SetON(2);
        else
            SetOFF(2);
    }

    bool secondScreenWanted = true;

private:
    std::vector<Screen> m_screens;
};

std::unique_ptr<TCinematicManagerAbstract> makeFlow(std::vector<Screen> screens)
{
    auto flow = std::make_unique<HostFlow>(std::move(screens));
    flow->Init(); // through the virtual table, as the host does
    return flow;
}

// S1 ON, S2 OFF, S3 ON.
std::unique_ptr<TCinematicManagerAbstract> threeScreens()
{
    return makeFlow({{1, 101, SI::ON}, {2, 102, SI::OFF}, {3, 103, SI::ON}});
}

} // namespace

TEST(TCinematicManagerAbstract, NewManagerIsEmptyWithNothingActive)
{
    const TCinematicManagerAbstract flow;
    EXPECT_EQ(flow.getNbScreen(), 0);
    EXPECT_EQ(flow.getEnumEcranActif(), -1);
    EXPECT_EQ(flow.getIndexEcranActif(), -1);
    EXPECT_EQ(flow.getScreenInformationEcranActif(), nullptr);
    EXPECT_EQ(flow.getScreenDllName(), "");
    EXPECT_EQ(flow.getScreenFromLettrage(1), -1);
}

TEST(TCinematicManagerAbstract, InitScreenAppendsADescriptorWithTheOtherFieldsAtDefault)
{
    TCinematicManagerAbstract flow;
    flow.InitScreen(8, 108, "Revenus", static_cast<SI::ENUM_SELECTION>(0), SI::ON,
                    static_cast<SI::ENUM_FAMILLE_ECRANS>(4));
    flow.InitScreen(8, -1, "", SI::SELECTION_OUI, SI::OFF, SI::FAMILLE_DEFAUT); // no check
    ASSERT_EQ(flow.getNbScreen(), 2);
    const SI* info = flow.GetInfoEcran(8);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->getIdRessource(), 108);
    EXPECT_EQ(info->getTitre(), "Revenus");
    EXPECT_EQ(info->getSelection(), 0);
    EXPECT_EQ(info->getState(), SI::ON);
    EXPECT_EQ(info->getFamilleEcrans(), 4);
    EXPECT_EQ(info->getNiveau(), 1);
    EXPECT_EQ(info->getTypeScreen(), 0);
    EXPECT_TRUE(info->getDefaultExpanded());
    EXPECT_EQ(info->getScreenName(), "");
}

TEST(TCinematicManagerAbstract, NextAndPreviousPassOverScreensThatAreOff)
{
    auto flow = threeScreens();
    flow->setEnumEcranActif(1);
    EXPECT_TRUE(flow->IsFirstScreen());
    EXPECT_FALSE(flow->IsLastScreen());

    flow->NextScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 3);
    EXPECT_EQ(flow->getIndexEcranActif(), 1);
    EXPECT_EQ(flow->getScreenInformationEcranActif(), flow->GetInfoEcran(3));
    EXPECT_TRUE(flow->IsLastScreen());
    EXPECT_FALSE(flow->IsFirstScreen());

    flow->PreviousScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 1);
    EXPECT_EQ(flow->getIndexEcranActif(), 0);
}

TEST(TCinematicManagerAbstract, MovementsStopAtTheEndsOfTheFlow)
{
    auto flow = threeScreens();
    flow->setEnumEcranActif(3);
    flow->NextScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 3);
    flow->setEnumEcranActif(1);
    flow->PreviousScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 1);
}

TEST(TCinematicManagerAbstract, ActiveScreenSwitchedOffIsStillFoundButNotDisplayed)
{
    auto flow = threeScreens();
    flow->setEnumEcranActif(2);
    EXPECT_EQ(flow->GetIndex(), 1);
    EXPECT_EQ(flow->GetDisplayIndex(), -1);
    EXPECT_EQ(flow->getIndexEcranActif(), -1);
    EXPECT_EQ(flow->getScreenInformationEcranActif(), flow->GetInfoEcran(2));
    flow->NextScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 3);

    flow->setEnumEcranActif(2);
    flow->PreviousScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 1);
}

TEST(TCinematicManagerAbstract, HostUpdateSwitchesScreensWithoutMovingTheActiveOne)
{
    auto flow = makeFlow({{1, 101, SI::ON}, {2, 102, SI::ON}, {3, 103, SI::ON}});
    auto* host = static_cast<HostFlow*>(flow.get());
    flow->setEnumEcranActif(2);
    host->secondScreenWanted = false;
    flow->Update();
    EXPECT_FALSE(flow->ExistScreen(2));
    EXPECT_EQ(flow->getEnumEcranActif(), 2);
    EXPECT_EQ(flow->getIndexEcranActif(), 1) << "not recomputed by SetOFF";
    EXPECT_EQ(flow->GetDisplayIndex(), -1);
    host->secondScreenWanted = true;
    flow->Update();
    EXPECT_TRUE(flow->ExistScreen(2));
}

TEST(TCinematicManagerAbstract, ScreenWithoutResourceIsNeverDisplayedEvenWhenOn)
{
    auto flow = makeFlow({{1, 101, SI::ON}, {2, -1, SI::ON}, {3, -2, SI::ON}});
    EXPECT_FALSE(flow->ExistScreen(2));
    EXPECT_TRUE(flow->ExistScreen(3)) << "a heading is displayable";
    flow->setEnumEcranActif(1);
    flow->NextScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 3);
}

TEST(TCinematicManagerAbstract, FirstAndLastTakeTheListedEndsWhateverTheirState)
{
    auto flow = makeFlow({{1, 101, SI::OFF}, {2, 102, SI::ON}, {3, 103, SI::OFF}});
    flow->FirstScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 1);
    EXPECT_EQ(flow->GetDisplayIndex(), -1);
    EXPECT_EQ(flow->getIndexEcranActif(), -1);
    EXPECT_TRUE(flow->IsFirstScreen());
    EXPECT_FALSE(flow->IsLastScreen());
    flow->LastScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 3);
    EXPECT_TRUE(flow->IsLastScreen());
    EXPECT_FALSE(flow->IsFirstScreen());
}

TEST(TCinematicManagerAbstract, EmptyListOrUnknownActiveScreenMovesNothing)
{
    TCinematicManagerAbstract empty;
    empty.FirstScreen();
    empty.LastScreen();
    empty.NextScreen();
    empty.PreviousScreen();
    EXPECT_EQ(empty.getEnumEcranActif(), -1);
    EXPECT_EQ(empty.getScreenInformationEcranActif(), nullptr);
    EXPECT_TRUE(empty.IsFirstScreen());
    EXPECT_TRUE(empty.IsLastScreen());

    auto flow = threeScreens();
    EXPECT_TRUE(flow->IsFirstScreen()) << "nothing active yet";
    EXPECT_TRUE(flow->IsLastScreen());
    flow->setEnumEcranActif(42);
    flow->NextScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 42);
    flow->PreviousScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 42);
    EXPECT_EQ(flow->GetIndex(), -1);
    EXPECT_EQ(flow->getScreenInformationEcranActif(), nullptr);
    EXPECT_EQ(flow->GetInfoEcranActif(), nullptr);
}

TEST(TCinematicManagerAbstract, GetErrorTestsTheEmptyListFirst)
{
    TCinematicManagerAbstract empty;
    EXPECT_EQ(empty.GetError(-1), 1);
    EXPECT_EQ(empty.GetError(0), 1);
    auto flow = threeScreens();
    EXPECT_EQ(flow->GetError(-1), 2);
    EXPECT_EQ(flow->GetError(3), 2);
    EXPECT_EQ(flow->GetError(0), 0);
    EXPECT_EQ(flow->GetError(2), 0);
}

TEST(TCinematicManagerAbstract, IsValidOutsideTheListThrowsOutOfRange)
{
    TCinematicManagerAbstract empty;
    EXPECT_THROW(empty.IsValid(0), std::out_of_range);
    auto flow = threeScreens();
    EXPECT_THROW(flow->IsValid(-1), std::out_of_range);
    EXPECT_THROW(flow->IsValid(3), std::out_of_range);
    EXPECT_TRUE(flow->IsValid(0));
    EXPECT_FALSE(flow->IsValid(1));
}

TEST(TCinematicManagerAbstract, DisplayIndexCountsDisplayableScreensOnly)
{
    auto flow = makeFlow(
        {{10, 1, SI::OFF}, {11, 2, SI::ON}, {12, -1, SI::ON}, {13, 3, SI::ON}, {14, 4, SI::ON}});
    EXPECT_TRUE(flow->ExistDisplayScreen(2));
    EXPECT_FALSE(flow->ExistDisplayScreen(3)) << "exactly three displayable screens";
    EXPECT_TRUE(flow->ExistDisplayScreen(-1)) << "more than -1 displayable screens";
    EXPECT_TRUE(TCinematicManagerAbstract().ExistDisplayScreen(-1));
    EXPECT_EQ(flow->GetDisplayScreenInfo(1), flow->GetInfoEcran(13));
    EXPECT_EQ(flow->GetDisplayScreenInfo(3), nullptr);
    EXPECT_EQ(flow->GetDisplayScreenInfo(-1), nullptr);
    EXPECT_EQ(flow->GetDisplayScreenEnum(0), 11);
    EXPECT_EQ(flow->GetDisplayScreenEnum(2), 14);
    EXPECT_EQ(flow->GetDisplayScreenEnum(3), -1);
    EXPECT_EQ(flow->GetDisplayScreenEnum(-1), -1);

    flow->setEnumEcranActif(14);
    EXPECT_EQ(flow->GetIndex(), 4);
    EXPECT_EQ(flow->GetDisplayIndex(), 2);
}

TEST(TCinematicManagerAbstract, DuplicateEnumeratorsActOnTheFirstDescriptor)
{
    auto flow = makeFlow({{1, 101, SI::ON}, {5, 102, SI::OFF}, {5, 103, SI::ON}});
    const SI* first = flow->GetInfoEcran(5);
    EXPECT_EQ(first->getIdRessource(), 102);
    flow->setEnumEcranActif(5);
    EXPECT_EQ(flow->GetIndex(), 1);
    // The display index follows the first displayable one.
    EXPECT_EQ(flow->GetDisplayIndex(), 1);
    flow->SetON(5);
    EXPECT_EQ(first->getState(), SI::ON);
    flow->SetOFF(5);
    EXPECT_EQ(first->getState(), SI::OFF);
    EXPECT_EQ(flow->GetDisplayScreenInfo(1)->getIdRessource(), 103);
}

TEST(TCinematicManagerAbstract, SwitchingAnAbsentScreenChangesNothing)
{
    auto flow = threeScreens();
    const TCinematicManagerAbstract before(*flow);
    flow->SetON(9);
    flow->SetOFF(9);
    EXPECT_TRUE(*flow == before);
}

TEST(TCinematicManagerAbstract, PlainStoresOfTheActiveTripleRecomputeNothing)
{
    auto flow = threeScreens();
    flow->setEnumEcranActif(3);
    SI outside;
    flow->setIndexEcranActif(7);
    flow->setScreenInformationEcranActif(&outside);
    EXPECT_EQ(flow->getEnumEcranActif(), 3);
    EXPECT_EQ(flow->getIndexEcranActif(), 7);
    EXPECT_EQ(flow->getScreenInformationEcranActif(), &outside);
    flow->setScreenInformationEcranActif(nullptr); // never deleted by the manager anyway
}

TEST(TCinematicManagerAbstract, LettrageGivesTheFirstDisplayableScreenFromItsEntriesOn)
{
    auto flow = makeFlow({{5, 105, SI::OFF}, {7, 107, SI::ON}, {8, 108, SI::ON}});
    flow->addScreenFromLettrageEntry(100, 5);
    flow->addScreenFromLettrageEntry(100, 7);
    EXPECT_EQ(flow->getScreenFromLettrage(100), 7);
    EXPECT_EQ(flow->getScreenFromLettrage(99), -1);

    // Equal keys keep their insertion order.
    flow->addScreenFromLettrageEntry(200, 8);
    flow->addScreenFromLettrageEntry(200, 7);
    EXPECT_EQ(flow->getScreenFromLettrage(200), 8);

    // The walk goes on into the following lettrages, in key order.
    flow->addScreenFromLettrageEntry(150, 5);
    EXPECT_EQ(flow->getScreenFromLettrage(150), 8);
    flow->addScreenFromLettrageEntry(300, 5);
    EXPECT_EQ(flow->getScreenFromLettrage(300), -1);

    flow->InitLettrageToScreens();
    EXPECT_EQ(flow->getScreenFromLettrage(100), -1);
}

TEST(TCinematicManagerAbstract, CopyOwnsItsOwnDescriptorsAndFollowsTheActiveOne)
{
    auto original = std::make_unique<TCinematicManagerAbstract>(*threeScreens());
    original->setEnumEcranActif(3);
    std::string name = "Ecrans";
    original->setScreenDllName(name);
    original->addScreenFromLettrageEntry(10, 3);

    TCinematicManagerAbstract copy(*original);
    EXPECT_TRUE(copy == *original);
    EXPECT_NE(copy.GetInfoEcran(1), original->GetInfoEcran(1));
    EXPECT_EQ(copy.getScreenInformationEcranActif(), copy.GetInfoEcran(3));

    copy.GetInfoEcran(1)->setTitre("changed");
    EXPECT_FALSE(copy == *original);
    EXPECT_EQ(original->GetInfoEcran(1)->getTitre(), "titre 1");

    TCinematicManagerAbstract assigned;
    assigned = *original;
    TCinematicManagerAbstract& alias = assigned;
    assigned = alias;
    original.reset(); // the copies must not lean on the original's descriptors
    EXPECT_EQ(assigned.getScreenInformationEcranActif()->getIdScreen(), 3);
    EXPECT_EQ(assigned.getScreenFromLettrage(10), 3);
    EXPECT_EQ(assigned.getScreenDllName(), "Ecrans");
    assigned.NextScreen();
    assigned.PreviousScreen();
    EXPECT_EQ(assigned.getEnumEcranActif(), 1);
}

TEST(TCinematicManagerAbstract, EqualityLooksAtTheActiveScreenAndTheLettrageTable)
{
    auto a = threeScreens();
    auto b = threeScreens();
    EXPECT_TRUE(*a == *b);
    a->setEnumEcranActif(1);
    EXPECT_FALSE(*a == *b);
    b->setEnumEcranActif(1);
    EXPECT_TRUE(*a == *b);
    a->addScreenFromLettrageEntry(4, 1);
    EXPECT_FALSE(*a == *b);
}

// Titles from a string table: registered in the process, or a real module on disk.
class TCinematicManagerTitles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterStringTable(kModule, kTitles);
        m_flow =
            makeFlow({{1, 101, SI::ON}, {2, 102, SI::OFF}, {3, 103, SI::ON}, {4, 999, SI::ON}});
        m_flow->setScreenDllName(m_moduleName);
    }
    void TearDown() override { UnregisterStringTable(kModule); }

    static constexpr const char* kModule = "TCinematicManagerTitles.Ecrans";
    static constexpr WizardStringTableEntry kTitles[] = {
        {101, "Identit\xE9"}, {102, "Enfants"}, {103, "Revenus"}, WIZARD_STRING_TABLE_END};
    std::string m_moduleName = kModule;
    std::unique_ptr<TCinematicManagerAbstract> m_flow;
};

TEST_F(TCinematicManagerTitles, DisplayTitleIsTheResourceOfTheDisplayedScreen)
{
    std::string titre = "old";
    m_flow->GetDisplayScreenTitle(0, titre);
    EXPECT_EQ(titre, "Identit\xE9");
    m_flow->GetDisplayScreenTitle(1, titre);
    EXPECT_EQ(titre, "Revenus") << "screen 2 is off";
    titre = "old";
    m_flow->GetDisplayScreenTitle(3, titre);
    EXPECT_EQ(titre, "old") << "no fourth displayable screen";
}

TEST_F(TCinematicManagerTitles, EmptyModuleNameLeavesTheTitleUntouched)
{
    std::string empty;
    m_flow->setScreenDllName(empty);
    std::string titre = "old";
    m_flow->GetTitleScreen(101, titre);
    EXPECT_EQ(titre, "old");
}

TEST_F(TCinematicManagerTitles, AbsentStringOrModuleGivesAnEmptyTitle)
{
    std::string titre = "previous screen's title";
    m_flow->GetDisplayScreenTitle(2, titre); // screen 4, resource 999 absent
    EXPECT_EQ(titre, "");

    std::string absent = "wizard-no-such-title-module";
    m_flow->setScreenDllName(absent);
    titre = "previous screen's title";
    m_flow->GetTitleScreen(101, titre);
    EXPECT_EQ(titre, "");
}

TEST_F(TCinematicManagerTitles, TitleModuleOnDiskIsLoadedReadAndReleased)
{
    const std::string path = WIZARD_TEST_TITLES_MODULE;
    std::string name = path;
    m_flow->setScreenDllName(name);
    std::string titre;
    m_flow->GetTitleScreen(100, titre);
    EXPECT_EQ(titre, "Identit\xE9 du d\xE9"
                     "clarant");
    EXPECT_EQ(dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD), nullptr) << "released after reading";

    m_flow->GetTitleScreen(200, titre);
    EXPECT_EQ(titre.size(), 255u) << "bounded to the 256-byte buffer";
    EXPECT_EQ(titre.substr(0, 3), "ABC");
}

TEST_F(TCinematicManagerTitles, TitleModuleTheProcessHoldsStaysLoaded)
{
    const std::string path = WIZARD_TEST_TITLES_MODULE;
    void* held = dlopen(path.c_str(), RTLD_NOW);
    ASSERT_NE(held, nullptr);
    std::string name = path;
    m_flow->setScreenDllName(name);
    std::string titre;
    m_flow->GetTitleScreen(-2, titre);
    EXPECT_EQ(titre, "Rubrique");
    void* still = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    EXPECT_EQ(still, held) << "a module the process holds is not released by a title read";
    if (still != nullptr)
        dlclose(still);
    dlclose(held);
}
