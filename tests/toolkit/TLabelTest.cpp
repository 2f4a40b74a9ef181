#include "TLabel.h"
#include "Mnemonic.h"
#include "TEdit.h"
#include "TPanel.h"
#include "TcxKelLabel.h"
#include "TcxLabelTitle.h"

#include "WidgetTest.h"

namespace {

TEST(MnemonicTest, QtSyntaxKeepsLoneAmpersandsVisible)
{
    EXPECT_EQ(Mnemonic::ToQt(QStringLiteral("&Suivant >")), QStringLiteral("&Suivant >"));
    EXPECT_EQ(Mnemonic::ToQt(QStringLiteral("Pertes && profits")),
              QStringLiteral("Pertes && profits"));
    EXPECT_EQ(Mnemonic::ToQt(QStringLiteral("Durand & Fils")), QStringLiteral("Durand && Fils"));
    EXPECT_EQ(Mnemonic::ToQt(QStringLiteral("fin&")), QStringLiteral("fin&&"));
}

TEST(MnemonicTest, StripShowsTheCaptionAsRead)
{
    EXPECT_EQ(Mnemonic::Strip(QStringLiteral("< &Pr\u00E9c\u00E9dent")),
              QStringLiteral("< Pr\u00E9c\u00E9dent"));
    EXPECT_EQ(Mnemonic::Strip(QStringLiteral("Pertes && profits")),
              QStringLiteral("Pertes & profits"));
    EXPECT_EQ(Mnemonic::Strip(QStringLiteral("Durand & Fils")), QStringLiteral("Durand & Fils"));
    EXPECT_EQ(Mnemonic::Strip(QStringLiteral("&\u00C9tat")), QStringLiteral("\u00C9tat"));
}

class TLabelTest : public WidgetTest
{};

TEST_F(TLabelTest, MnemonicMarksAreHiddenWithoutAFocusControl)
{
    TPanel panel;
    auto* label = new TLabel(&panel);
    label->SetCaption("&Nom du d\xE9"
                      "clarant");
    EXPECT_EQ(label->text(), QString::fromUtf8("Nom du déclarant"));
    EXPECT_EQ(label->GetCaption(), "&Nom du d\xE9"
                                   "clarant");
}

TEST_F(TLabelTest, FocusControlGetsTheMnemonic)
{
    TPanel panel;
    auto* label = new TLabel(&panel);
    auto* edit = new TEdit(&panel);
    label->SetCaption("&Nom");
    label->SetFocusControl(edit);
    EXPECT_EQ(label->buddy(), edit);
    EXPECT_EQ(label->GetFocusControl(), edit);
    EXPECT_EQ(label->text(), QStringLiteral("&Nom"));
    EXPECT_EQ(label->GetText(), "&Nom");
}

TEST_F(TLabelTest, TitleIsBold)
{
    TcxLabelTitle title(nullptr);
    EXPECT_TRUE(title.font().bold());
    title.SetText("Revenus fonciers");
    EXPECT_EQ(title.GetText(), "Revenus fonciers");
}

class TcxKelLabelTest : public WidgetTest
{};

TEST_F(TcxKelLabelTest, TagsFormatAndEverythingElseShowsAsTyped)
{
    TcxKelLabel label(nullptr);
    label.SetTextWithTag("<B>Total</b> : a < b & c \xE9");
    EXPECT_EQ(label.m_text, "<B>Total</b> : a < b & c \xE9");
    EXPECT_EQ(label.GetText(), label.m_text);
    const QString html = label.text();
    EXPECT_TRUE(html.contains(QStringLiteral("<b>Total</b>")));
    EXPECT_TRUE(html.contains(QStringLiteral("a &lt; b &amp; c \u00E9")));
    EXPECT_EQ(label.textFormat(), Qt::RichText);
}

TEST_F(TcxKelLabelTest, LineBreaksAndBrTagsBreakTheLine)
{
    EXPECT_EQ(TcxKelLabel::ToRichText(QStringLiteral("a<br/>b\nc")),
              QStringLiteral("<span style=\"white-space:pre-wrap\">a<br>b<br>c</span>"));
}

} // namespace
