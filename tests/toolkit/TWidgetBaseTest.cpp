#include "TColor.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TWinControl.h"

#include "WidgetTest.h"

#include <QApplication>
#include <QColor>
#include <QPointer>

#include <memory>

namespace {

class TComponentTest : public WidgetTest
{};

TEST_F(TComponentTest, OwnerBecomesQtParentAndDeletesTheComponent)
{
    auto* owner = new TPanel(nullptr);
    auto* label = new TLabel(owner);
    QPointer<QLabel> watch(label);
    EXPECT_EQ(label->parentWidget(), owner);
    EXPECT_EQ(label->GetParent(), owner);
    delete owner;
    EXPECT_TRUE(watch.isNull());
}

TEST_F(TComponentTest, DeletingThroughTheMixinDestroysTheWidget)
{
    TComponent* component = new TEdit(nullptr);
    QPointer<QObject> watch(component->AsQObject());
    ASSERT_FALSE(watch.isNull());
    delete component;
    EXPECT_TRUE(watch.isNull());
}

TEST_F(TComponentTest, RunTimeTypeTestsWorkOnTheMixin)
{
    TPanel panel;
    auto* edit = new TEdit(&panel);
    TComponent* component = edit;
    EXPECT_EQ(dynamic_cast<TEdit*>(component), edit);
    EXPECT_EQ(dynamic_cast<TLabel*>(component), nullptr);
    EXPECT_EQ(component->AsWidget(), static_cast<QWidget*>(edit));
    EXPECT_EQ(TComponent::FromQObject(edit), component);
    EXPECT_EQ(TComponent::OwnerWidget(nullptr), nullptr);
    EXPECT_EQ(TComponent::OwnerWidget(&panel), &panel);
}

TEST_F(TComponentTest, ComponentsCompareByIdentity)
{
    TPanel first;
    TPanel second;
    EXPECT_TRUE(static_cast<TComponent&>(first) == static_cast<TComponent&>(first));
    EXPECT_FALSE(static_cast<TComponent&>(first) == static_cast<TComponent&>(second));
}

class TControlTest : public WidgetTest
{};

TEST_F(TControlTest, TextCrossesToQtAsWindows1252)
{
    TPanel panel;
    auto* label = new TLabel(&panel);
    label->SetText("Montant d\xE9"
                   "clar\xE9");
    EXPECT_EQ(label->text(), QString::fromUtf8("Montant déclaré"));
    EXPECT_EQ(label->GetText(), "Montant d\xE9"
                                "clar\xE9");
    panel.SetText("\x80 \xE0 r\xE9gler");
    EXPECT_EQ(panel.GetText(), "\x80 \xE0 r\xE9gler");
}

TEST_F(TControlTest, EnabledAndVisibleAreTheControlsOwnFlags)
{
    TPanel parent;
    auto* edit = new TEdit(&parent);
    parent.SetEnabled(false);
    EXPECT_TRUE(edit->GetEnabled());
    EXPECT_FALSE(edit->isEnabled());
    edit->SetEnabled(false);
    parent.SetEnabled(true);
    EXPECT_FALSE(edit->GetEnabled());

    // A child of a window never shown is still Visible: it shows with its parent.
    EXPECT_TRUE(edit->GetVisible());
    edit->SetVisible(false);
    EXPECT_FALSE(edit->GetVisible());
    EXPECT_FALSE(parent.GetVisible());
}

TEST_F(TControlTest, ColourPaintsTheBackgroundRoleOfTheWidget)
{
    TPanel panel;
    auto* edit = new TEdit(&panel);
    EXPECT_EQ(edit->GetColor(), clWindow);
    EXPECT_EQ(panel.GetColor(), clBtnFace);

    panel.SetColor(0x00336699);
    EXPECT_EQ(panel.GetColor(), 0x00336699);
    EXPECT_EQ(panel.palette().color(QPalette::Window), QColor(0x99, 0x66, 0x33));
    EXPECT_TRUE(panel.autoFillBackground());

    edit->SetColor(clBtnFace);
    EXPECT_EQ(edit->palette().color(QPalette::Disabled, QPalette::Base),
              QApplication::palette().color(QPalette::Button));
}

TEST_F(TControlTest, GeometryAndHelpContext)
{
    TPanel panel;
    panel.SetBounds(10, 20, 300, 40);
    EXPECT_EQ(panel.GetLeft(), 10);
    EXPECT_EQ(panel.GetTop(), 20);
    EXPECT_EQ(panel.GetWidth(), 300);
    EXPECT_EQ(panel.GetHeight(), 40);
    panel.SetHelpContext(4012);
    EXPECT_EQ(panel.GetHelpContext(), 4012);
}

TEST_F(TControlTest, AnchoredControlsKeepTheirDistancesToTheAnchoredSides)
{
    struct Case
    {
        TAnchors anchors;
        QRect after; // once the parent grew by 30 x 20
    };
    const Case cases[] = {
        {akLeft | akTop, QRect(10, 10, 50, 20)},
        {akTop | akRight, QRect(40, 10, 50, 20)},
        {akLeft | akRight, QRect(10, 10, 80, 20)},
        {akRight | akBottom, QRect(40, 30, 50, 20)},
        {akLeft | akTop | akRight | akBottom, QRect(10, 10, 80, 40)},
    };
    for (const Case& c : cases) {
        TPanel parent;
        parent.SetBounds(0, 0, 200, 100);
        auto* child = new TPanel(&parent);
        child->SetBounds(10, 10, 50, 20);
        child->SetAnchors(c.anchors);
        parent.SetWidth(230);
        parent.SetHeight(120);
        EXPECT_EQ(child->geometry(), c.after) << c.anchors;
        parent.SetBounds(0, 0, 200, 100); // and back
        EXPECT_EQ(child->geometry(), QRect(10, 10, 50, 20)) << c.anchors;
    }
}

class TWinControlTest : public WidgetTest
{};

TEST_F(TWinControlTest, WindowIdentifierIsKeptOnTheWindow)
{
    TEdit edit(nullptr);
    EXPECT_EQ(edit.Handle(), &edit);
    EXPECT_EQ(GetWindowLongA(edit.Handle(), GWL_ID), 0);
    EXPECT_EQ(SetWindowLongA(edit.Handle(), GWL_ID, 512), 0);
    EXPECT_EQ(SetWindowLongA(edit.Handle(), GWL_ID, -7), 512);
    EXPECT_EQ(GetWindowLongA(edit.Handle(), GWL_ID), -7);
}

TEST_F(TWinControlTest, OtherIndicesAndNullWindowsAnswerZero)
{
    TEdit edit(nullptr);
    EXPECT_EQ(SetWindowLongA(edit.Handle(), -16, 3), 0);
    EXPECT_EQ(GetWindowLongA(edit.Handle(), -16), 0);
    EXPECT_EQ(SetWindowLongA(nullptr, GWL_ID, 3), 0);
    EXPECT_EQ(GetWindowLongA(nullptr, GWL_ID), 0);
}

TEST_F(TWinControlTest, CanFocusFollowsEnabledAndVisibleUpToTheWindow)
{
    TPanel window;
    auto* inner = new TPanel(&window);
    auto* edit = new TEdit(inner);
    EXPECT_TRUE(edit->CanFocus());
    inner->SetEnabled(false);
    EXPECT_FALSE(edit->CanFocus());
    inner->SetEnabled(true);
    inner->SetVisible(false);
    EXPECT_FALSE(edit->CanFocus());
    inner->SetVisible(true);
    edit->SetTabStop(false);
    EXPECT_FALSE(edit->GetTabStop());
    edit->SetTabStop(true);
    EXPECT_TRUE(edit->GetTabStop());
}

TEST(TColorTest, ExplicitColoursAreBlueGreenRed)
{
    EXPECT_EQ(TColorToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(TColorToQColor(clNavy), QColor(0, 0, 128));
    EXPECT_EQ(TColorToQColor(12250361), QColor(249, 236, 186));
    EXPECT_EQ(QColorToTColor(QColor(249, 236, 186)), 12250361);
    EXPECT_EQ(QColorToTColor(TColorToQColor(0x00123456)), 0x00123456);
}

TEST(TColorTest, SystemColoursComeFromThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Button, QColor(4, 5, 6));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(7, 8, 9));
    EXPECT_EQ(TColorToQColor(clWindow, palette), QColor(1, 2, 3));
    EXPECT_EQ(TColorToQColor(clBtnFace, palette), QColor(4, 5, 6));
    EXPECT_EQ(TColorToQColor(clGrayText, palette), QColor(7, 8, 9));
    EXPECT_EQ(TColorToQColor(clNone, palette).alpha(), 0);
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(clWhite));
}

} // namespace
