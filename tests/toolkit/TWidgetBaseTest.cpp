#include "TColor.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TWinControl.h"

#include "WidgetTest.h"

#include <QApplication>
#include <QPointer>

namespace {

using TControlTest = WidgetTest;

TEST_F(TControlTest, OwnerDeletesItsControlsAndTextCrossesToQtAsWindows1252)
{
    auto* owner = new TPanel(nullptr);
    auto* label = new TLabel(owner);
    TComponent* edit = new TEdit(owner);
    EXPECT_EQ(TComponent::FromQObject(edit->AsQObject()), edit);
    EXPECT_EQ(TComponent::OwnerWidget(owner), owner);
    label->SetText("d\xE9"
                   "clar\xE9 \x80");
    EXPECT_EQ(label->text(), QString::fromUtf8("déclaré €"));
    owner->SetText("\xE0 r\xE9gler");
    EXPECT_EQ(owner->GetText(), "\xE0 r\xE9gler");
    owner->SetColor(0x00336699);
    EXPECT_EQ(owner->palette().color(QPalette::Window), QColor(0x99, 0x66, 0x33));
    EXPECT_TRUE(owner->autoFillBackground());
    dynamic_cast<TEdit*>(edit)->SetColor(clBtnFace);
    EXPECT_EQ(edit->AsWidget()->palette().color(QPalette::Disabled, QPalette::Base),
              QApplication::palette().color(QPalette::Button));
    QPointer<QLabel> watch(label);
    delete edit; // through the mixin
    delete owner;
    EXPECT_TRUE(watch.isNull());
}

TEST_F(TControlTest, EnabledAndVisibleAreTheControlsOwnFlagsAndCanFocusFollowsThemUpward)
{
    TPanel parent;
    auto* inner = new TPanel(&parent);
    auto* edit = new TEdit(inner);
    EXPECT_TRUE(edit->CanFocus());
    parent.SetEnabled(false);
    EXPECT_TRUE(edit->GetEnabled());
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_FALSE(edit->CanFocus());
    edit->SetEnabled(false);
    parent.SetEnabled(true);
    EXPECT_FALSE(edit->GetEnabled());
    EXPECT_TRUE(inner->GetVisible()); // a child of a window never shown shows with it
    EXPECT_FALSE(parent.GetVisible());
    inner->SetVisible(false);
    EXPECT_FALSE(inner->GetVisible());
    edit->SetEnabled(true);
    EXPECT_FALSE(edit->CanFocus());
}

TEST_F(TControlTest, AnchoredControlsKeepTheirDistancesToTheAnchoredSides)
{
    const std::pair<TAnchors, QRect> cases[] = {
        // where the child lies once the parent grew by 30 x 20
        {akLeft | akTop, QRect(10, 10, 50, 20)},
        {akTop | akRight, QRect(40, 10, 50, 20)},
        {akLeft | akRight, QRect(10, 10, 80, 20)},
        {akRight | akBottom, QRect(40, 30, 50, 20)},
        {akLeft | akTop | akRight | akBottom, QRect(10, 10, 80, 40)},
    };
    for (const auto& [anchors, after] : cases) {
        TPanel parent;
        parent.SetBounds(0, 0, 200, 100);
        auto* child = new TPanel(&parent);
        child->SetBounds(10, 10, 50, 20);
        child->SetAnchors(anchors);
        parent.SetWidth(230);
        parent.SetHeight(120);
        EXPECT_EQ(child->geometry(), after) << anchors;
        parent.SetBounds(0, 0, 200, 100); // and back
        EXPECT_EQ(child->geometry(), QRect(10, 10, 50, 20)) << anchors;
    }
}

TEST(TColorTest, ExplicitColoursAreBlueGreenRedAndSystemOnesComeFromThePalette)
{
    EXPECT_EQ(TColorToQColor(12250361), QColor(249, 236, 186));
    EXPECT_EQ(QColorToTColor(QColor(249, 236, 186)), 12250361);
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Button, QColor(4, 5, 6));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(7, 8, 9));
    EXPECT_EQ(TColorToQColor(clWindow, palette), QColor(1, 2, 3));
    EXPECT_EQ(TColorToQColor(clBtnFace, palette), QColor(4, 5, 6));
    EXPECT_EQ(TColorToQColor(clGrayText, palette), QColor(7, 8, 9));
    EXPECT_EQ(TColorToQColor(clNone, palette).alpha(), 0);
}

} // namespace
