#include "flow/TScreenInformation.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using SI = TScreenInformation;

SI fullDescriptor()
{
    return SI("Titre", "Ecran", 4, 12, 2, 5, false, SI::ON,
              static_cast<SI::ENUM_FAMILLE_ECRANS>(3));
}

} // namespace

TEST(TScreenInformation, DefaultDescriptorHasTheDefaultsAndIsNotValid)
{
    const SI info;
    EXPECT_EQ(info.getIdScreen(), -1);
    EXPECT_EQ(info.getState(), SI::OFF);
    EXPECT_EQ(info.getSelection(), 0);
    EXPECT_EQ(info.getFamilleEcrans(), 1);
    EXPECT_EQ(info.getIdRessource(), -1);
    EXPECT_EQ(info.getTitre(), "");
    EXPECT_EQ(info.getScreenName(), "");
    EXPECT_EQ(info.getNiveau(), 1);
    EXPECT_EQ(info.getTypeScreen(), 0);
    EXPECT_TRUE(info.getDefaultExpanded());
    EXPECT_FALSE(info.IsValid());
}

TEST(TScreenInformation, FullConstructorSetsEveryFieldAndMarksTheSelection)
{
    const SI info = fullDescriptor();
    EXPECT_EQ(info.getTitre(), "Titre");
    EXPECT_EQ(info.getScreenName(), "Ecran");
    EXPECT_EQ(info.getIdScreen(), 4);
    EXPECT_EQ(info.getIdRessource(), 12);
    EXPECT_EQ(info.getNiveau(), 2);
    EXPECT_EQ(info.getTypeScreen(), 5);
    EXPECT_FALSE(info.getDefaultExpanded());
    EXPECT_EQ(info.getState(), SI::ON);
    EXPECT_EQ(info.getFamilleEcrans(), 3);
    EXPECT_EQ(info.getSelection(), 1);
}

TEST(TScreenInformation, OnlyMinusOneMeansNoResource)
{
    SI info;
    info.setIdScreen(0);
    info.setIdRessource(0);
    info.setState(SI::ON);
    EXPECT_TRUE(info.IsValid()) << "0 is an ordinary enumerator and resource";

    info.setIdScreen(3);
    info.setIdRessource(-2);
    EXPECT_TRUE(info.IsValid()) << "a heading is displayable";

    info.setIdRessource(-1);
    EXPECT_FALSE(info.IsValid());
    info.setIdRessource(5);
    info.setState(SI::OFF);
    EXPECT_FALSE(info.IsValid());
    info.setState(SI::ON);
    info.setIdScreen(-1);
    EXPECT_FALSE(info.IsValid());
}

TEST(TScreenInformation, EveryFieldTakesPartInEquality)
{
    const std::vector<std::function<void(SI&)>> changes = {
        [](SI& i) { i.setIdScreen(5); },
        [](SI& i) { i.setState(SI::OFF); },
        [](SI& i) { i.setSelection(SI::SELECTION_NON); },
        [](SI& i) { i.setFamilleEcrans(SI::FAMILLE_DEFAUT); },
        [](SI& i) { i.setIdRessource(13); },
        [](SI& i) { i.setTitre("Titre "); },
        [](SI& i) { i.setScreenName(std::string("Ecran\0", 6)); },
        [](SI& i) { i.setNiveau(3); },
        [](SI& i) { i.setTypeScreen(6); },
        [](SI& i) { i.setDefaultExpanded(true); },
    };
    const SI original = fullDescriptor();
    for (std::size_t n = 0; n < changes.size(); ++n) {
        SI changed = original;
        ASSERT_TRUE(changed == original);
        changes[n](changed);
        EXPECT_FALSE(changed == original) << "field " << n;
    }
}

TEST(TScreenInformation, SettersOfStateSelectionAndExpansionChangeNothingElse)
{
    const SI original = fullDescriptor();
    SI info = original;
    info.setState(SI::OFF);
    info.setSelection(static_cast<SI::ENUM_SELECTION>(7)); // a host's own value is kept
    info.setDefaultExpanded(true);
    EXPECT_EQ(info.getSelection(), 7);
    info.setState(original.getState());
    info.setSelection(original.getSelection());
    info.setDefaultExpanded(original.getDefaultExpanded());
    EXPECT_TRUE(info == original);
}

TEST(TScreenInformation, CopiesAreEqualAndSelfAssignmentKeepsTheFields)
{
    const SI original = fullDescriptor();
    SI copy(original);
    EXPECT_TRUE(copy == original);
    SI assigned;
    assigned = original;
    EXPECT_TRUE(assigned == original);
    SI& alias = assigned;
    assigned = alias;
    EXPECT_TRUE(assigned == original);
    EXPECT_EQ(assigned.getTitre(), "Titre");
}
