#include "TLabel.h"
#include "Mnemonic.h"
#include "TEdit.h"
#include "TPanel.h"
#include "TcxKelLabel.h"
#include "TcxLabelTitle.h"

#include "WidgetTest.h"

namespace {

TEST(MnemonicTest, QtSyntaxKeepsLoneAmpersandsVisibleAndStripShowsTheCaptionAsRead)
{
    const struct
    {
        const char* caption;
        const char* qt;
        const char* read;
    } cases[] = {
        {"&Suivant >", "&Suivant >", "Suivant >"},
        {"Pertes && profits", "Pertes && profits", "Pertes & profits"},
        {"Durand & Fils", "Durand && Fils", "Durand & Fils"},
        {"fin&", "fin&&", "fin&"},
        {"&\u00C9tat", "&\u00C9tat", "\u00C9tat"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Mnemonic::ToQt(QString::fromUtf8(c.caption)), QString::fromUtf8(c.qt));
        EXPECT_EQ(Mnemonic::Strip(QString::fromUtf8(c.caption)), QString::fromUtf8(c.read));
    }
}

using TLabelTest = WidgetTest;

TEST_F(TLabelTest, MnemonicMarksShowOnlyWithAFocusControl)
{
    TPanel panel;
    auto* label = new TLabel(&panel);
    label->SetCaption("&Nom du d\xE9"
                      "clarant");
    EXPECT_EQ(label->text(), QString::fromUtf8("Nom du déclarant"));
    EXPECT_EQ(label->GetCaption(), "&Nom du d\xE9"
                                   "clarant");
    auto* edit = new TEdit(&panel);
    label->SetCaption("&Nom");
    label->SetFocusControl(edit);
    EXPECT_EQ(label->buddy(), edit);
    EXPECT_EQ(label->text(), QStringLiteral("&Nom"));
    EXPECT_EQ(label->GetText(), "&Nom");
    EXPECT_TRUE(TcxLabelTitle(nullptr).font().bold());
}

TEST_F(TLabelTest, KelLabelFormatsItsTagsAndShowsEverythingElseAsTyped)
{
    TcxKelLabel label(nullptr);
    label.SetTextWithTag("<B>Total</b> : a < b & c \xE9");
    EXPECT_EQ(label.GetText(), "<B>Total</b> : a < b & c \xE9");
    EXPECT_TRUE(label.text().contains(QStringLiteral("<b>Total</b>")));
    EXPECT_TRUE(label.text().contains(QStringLiteral("a &lt; b &amp; c \u00E9")));
    EXPECT_EQ(label.textFormat(), Qt::RichText);
    EXPECT_EQ(TcxKelLabel::ToRichText(QStringLiteral("a<br/>b\nc")),
              QStringLiteral("<span style=\"white-space:pre-wrap\">a<br>b<br>c</span>"));
}

} // namespace
