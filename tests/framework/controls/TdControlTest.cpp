#include "controls/TdControl.h"

#include "ControlTest.h"

#include <cstring>

namespace {

// Opens the protected helpers of the base.
class OpenControl : public TdControl
{
public:
    using TdControl::LogTransfer;
    using TdControl::StoreValue;
    void LettrageVersEcran(structLettre*, structLettre*) override {}
    void EcranVersLettrage(structLettre*, structLettre*) override {}
    void UpdateSelection(structLettre*) override {}
};

class TdControlTest : public ControlTest
{};

TEST_F(TdControlTest, StoreValueResizesTheStoresBlockAndAcceptsTheLettersOwnText)
{
    structLettre* lettre = Add(1, nullptr);
    EXPECT_TRUE(OpenControl::StoreValue(lettre, "court"));
    EXPECT_STREQ(lettre->valeur, "court");
    const std::string longer(5000, 'y');
    EXPECT_TRUE(OpenControl::StoreValue(lettre, longer.c_str()));
    EXPECT_EQ(Value(lettre), longer);
    EXPECT_TRUE(OpenControl::StoreValue(lettre, ""));
    EXPECT_STREQ(lettre->valeur, "");
    EXPECT_FALSE(OpenControl::StoreValue(nullptr, "x"));
    MetValeurLettre(lettre, "0123456789");
    EXPECT_TRUE(OpenControl::StoreValue(lettre, lettre->valeur + 4)) << "the letter's own text";
    EXPECT_STREQ(lettre->valeur, "456789");
}

TEST_F(TdControlTest, TraceLinesAreCutAtTheirBufferNeverBeyond)
{
    const std::string huge(3000, 'v');
    structLettre* lettre = Add(-2, huge.c_str());
    OpenControl::LogTransfer("----X lettrage: %d valeur: %s", lettre);
    OpenControl::LogTransfer("----X lettrage: %d valeur: %s", lettre, 1024);
    OpenControl::LogTransfer("----X lettrage: %d valeur: %s", Add(3, nullptr));
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 511u);
    EXPECT_EQ(lines[0].rfind("----X lettrage: -2 valeur: vvv", 0), 0u);
    EXPECT_EQ(lines[1].size(), 1023u);
    EXPECT_EQ(lines[2], "----X lettrage: 3 valeur: (null)");
}

} // namespace
