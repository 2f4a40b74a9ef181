#include "controls/TdControl.h"

#include "ControlTest.h"

namespace {

// Opens the protected helpers of the base.
class OpenControl : public TdControl
{
public:
    using TdControl::LogTransfer;
    using TdControl::StoreValue;
};

using TdControlTest = ControlTest;

TEST_F(TdControlTest, StoreValueResizesTheStoresBlockAndAcceptsTheLettersOwnText)
{
    structLettre* lettre = Add(1, nullptr);
    const std::string longer(5000, 'y');
    for (const std::string& text : {std::string("court"), longer, std::string()}) {
        EXPECT_TRUE(OpenControl::StoreValue(lettre, text.c_str()));
        EXPECT_EQ(Value(lettre), text);
    }
    EXPECT_FALSE(OpenControl::StoreValue(nullptr, "x"));
    MetValeurLettre(lettre, "0123456789");
    EXPECT_TRUE(OpenControl::StoreValue(lettre, lettre->valeur + 4)) << "the letter's own text";
    EXPECT_STREQ(lettre->valeur, "456789");
}

TEST_F(TdControlTest, TraceLinesAreCutAtTheirBufferNeverBeyond)
{
    structLettre* lettre = Add(-2, std::string(3000, 'v').c_str());
    OpenControl::LogTransfer("----X lettrage: %d valeur: %s", lettre);
    OpenControl::LogTransfer("----X lettrage: %d valeur: %s", lettre, 1024);
    OpenControl::LogTransfer("----X lettrage: %d valeur: %s", Add(3, nullptr));
    ASSERT_EQ(Lines().size(), 3u);
    EXPECT_EQ(Lines()[0].size(), 511u);
    EXPECT_EQ(Lines()[0].rfind("----X lettrage: -2 valeur: vvv", 0), 0u);
    EXPECT_EQ(Lines()[1].size(), 1023u);
    EXPECT_EQ(Lines()[2], "----X lettrage: 3 valeur: (null)");
}

} // namespace
