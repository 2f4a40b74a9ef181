#include "TLabel.h"
#include "Mnemonic.h"
#include "TEdit.h"
#include "TcxKelLabel.h"

#include "WidgetTest.h"

namespace {

using TLabelTest = WidgetTest;

TEST_F(TLabelTest, MnemonicMarksShowOnlyWithAFocusControlAndLoneAmpersandsStayVisible)
{
    EXPECT_EQ(Mnemonic::ToQt(QStringLiteral("Durand & Fils && &Cie&")),
              QStringLiteral("Durand && Fils && &Cie&&"));
    EXPECT_EQ(Mnemonic::Strip(QStringLiteral("&\u00C9tat && Durand & Fils")),
              QStringLiteral("\u00C9tat & Durand & Fils"));
    TLabel label(nullptr);
    label.SetCaption("&Nom du d\xE9"
                     "clarant");
    EXPECT_EQ(label.text(), QString::fromUtf8("Nom du déclarant"));
    auto* edit = new TEdit(&label);
    label.SetFocusControl(edit);
    EXPECT_EQ(label.buddy(), edit);
    EXPECT_EQ(label.text(), QString::fromUtf8("&Nom du déclarant"));
}

TEST_F(TLabelTest, KelLabelFormatsItsTagsAndShowsEverythingElseAsTyped)
{
    TcxKelLabel label(nullptr);
    label.SetTextWithTag("<B>Total</b> : a < b & c \xE9");
    EXPECT_EQ(label.GetText(), "<B>Total</b> : a < b & c \xE9");
    EXPECT_TRUE(label.text().contains(QStringLiteral("<b>Total</b> : a &lt; b &amp; c \u00E9")));
    EXPECT_EQ(label.textFormat(), Qt::RichText);
    EXPECT_EQ(TcxKelLabel::ToRichText(QStringLiteral("a<br/>b\nc")),
              QStringLiteral("<span style=\"white-space:pre-wrap\">a<br>b<br>c</span>"));
}

} // namespace
