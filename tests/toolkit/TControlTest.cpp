#include "Mnemonic.h"
#include "TAction.h"
#include "TEdit.h"
#include "TForm.h"
#include "TKelActionList.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TcxKelButton.h"

#include "WidgetTest.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

using ::testing::ElementsAre;

using TControlTest = WidgetTest;

TEST_F(TControlTest, OwnerDeletesItsControlsTextCrossesAsWindows1252AndFlagsAreTheirOwn)
{
    auto* owner = new TPanel(nullptr);
    auto* label = new TLabel(owner);
    auto* inner = new TPanel(owner);
    auto* edit = new TEdit(inner);
    EXPECT_EQ(TComponent::FromQObject(edit->AsQObject()), edit);
    label->SetText("d\351clar\xE9 \x80");
    EXPECT_EQ(label->text(), QString::fromUtf8("déclaré €"));
    owner->SetText("\xE0 r\xE9gler");
    EXPECT_EQ(owner->GetText(), "\xE0 r\xE9gler");
    EXPECT_TRUE(edit->CanFocus()); // the enabled and visible flags of the parents count too
    owner->SetEnabled(false);
    EXPECT_TRUE(edit->GetEnabled() && !edit->isEnabled() && !edit->CanFocus());
    edit->SetEnabled(false);
    owner->SetEnabled(true);
    EXPECT_FALSE(edit->GetEnabled());
    EXPECT_TRUE(inner->GetVisible()); // a child of a window never shown shows with it
    EXPECT_FALSE(owner->GetVisible());
    inner->SetVisible(false);
    EXPECT_FALSE(inner->GetVisible());
    edit->SetEnabled(true);
    EXPECT_FALSE(edit->CanFocus());
    QPointer<QLabel> watch(label);
    delete static_cast<TComponent*>(edit); // through the mixin
    delete owner;
    EXPECT_TRUE(watch.isNull());
}

TEST(Mnemonic, LoneAmpersandsStayVisibleAndAFocusControlShowsTheMark)
{
    EXPECT_EQ(Mnemonic::ToQt(QStringLiteral("Durand & Fils && &Cie&")),
              QStringLiteral("Durand && Fils && &Cie&&"));
    EXPECT_EQ(Mnemonic::Strip(QStringLiteral("&\u00C9tat && Durand & Fils")),
              QStringLiteral("\u00C9tat & Durand & Fils"));
}

using TFormTest = WidgetTest;

TEST_F(TFormTest, ShowModalAnswersTheResultThatClosedItAndCloseActionsHideRefuseOrFree)
{
    QPointer<TForm> form = new TForm(nullptr);
    QTimer::singleShot(0, form, [&form] { form->Close(); });
    EXPECT_EQ(form->ShowModal(), mrCancel);
    int queries = 0;
    form->OnCloseQuery = [&queries](TObject*, bool& canClose) { canClose = ++queries > 1; };
    QTimer::singleShot(0, form, [&form] {
        form->SetModalResult(mrCancel); // refused
        EXPECT_EQ(form->GetModalResult(), mrNone);
        form->SetModalResult(mrOk);
    });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(queries, 2);
    EXPECT_FALSE(form->IsModal());
    for (TCloseAction action : {caNone, caHide, caFree}) {
        form->OnClose = [action](TObject*, TCloseAction& chosen) { chosen = action; };
        form->show();
        form->Close();
        EXPECT_EQ(form->isVisible(), action == caNone);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.isNull(); }));
}

using TActionTest = WidgetTest;

TEST_F(TActionTest, ExecuteUpdatesFirstAndAListUpdatesInOrderSkippingThoseDestroyed)
{
    QPointer<TAction> survivor;
    std::vector<std::string> calls;
    {
        TKelActionList list;
        auto* action = new TAction(&list);
        auto* second = new TAction(&list);
        survivor = new TAction(&list);
        bool enabled = false;
        action->OnUpdate = [&](TObject* sender) {
            calls.push_back(sender == action ? "update" : "?");
            action->SetEnabled(enabled);
        };
        action->OnExecute = [&](TObject*) { calls.push_back("execute"); };
        EXPECT_FALSE(action->Execute());
        enabled = true;
        EXPECT_TRUE(action->Execute());
        action->trigger();
        EXPECT_THAT(calls, ElementsAre("update", "update", "execute", "update", "execute"));
        action->SetVisible(false);
        EXPECT_TRUE(action->GetEnabled()); // Qt answers false for a hidden action
        calls.clear();
        action->OnUpdate = [&](TObject*) { calls.push_back("1"), delete second; };
        second->OnUpdate = [&](TObject*) { calls.push_back("2"); };
        survivor->OnUpdate = [&](TObject*) { calls.push_back("3"); };
        list.UpdateActions();
        EXPECT_EQ(list.GetActionCount(), 2);
        EXPECT_EQ(list.GetAction(1), survivor.data());
    }
    EXPECT_THAT(calls, ElementsAre("1", "3"));
    EXPECT_TRUE(survivor.isNull()); // owned by the list
}

// Each button test runs in a window of its own and logs the handlers called.
class TcxKelButtonTest : public WidgetTest
{
protected:
    std::function<void(TObject*)> Record(const char* call)
    {
        return [this, call](TObject*) { calls.push_back(call); };
    }
    std::vector<std::string> calls;
};

TEST_F(TcxKelButtonTest, ClickRunsOnClickRatherThanTheActionAndFollowsTheLinkedAction)
{
    TForm form;
    auto* button = new TcxKelButton(&form);
    auto* action = new TAction();
    action->SetCaption("&Imprimer \xE9");
    action->OnExecute = Record("action");
    button->SetAction(action);
    EXPECT_EQ(button->text(), QString::fromUtf8("&Imprimer é"));
    button->Click();
    button->OnClick = [&](TObject* sender) { calls.push_back(sender == button ? "click" : "?"); };
    QTest::mouseClick(button, Qt::LeftButton); // the real mouse road, too
    action->SetEnabled(false);
    action->SetVisible(false);
    action->SetCaption("Import");
    EXPECT_FALSE(button->GetEnabled() || button->GetVisible());
    EXPECT_EQ(button->GetCaption(), "Import");
    button->Click();
    delete action;
    button->Click();
    EXPECT_THAT(calls, ElementsAre("action", "click"));
}

TEST_F(TcxKelButtonTest, ModalResultClosesTheModalWindowAfterTheClickHandler)
{
    TForm form;
    auto* button = new TcxKelButton(&form);
    button->SetModalResult(mrOk);
    button->OnClick = [&](TObject*) { calls.push_back(form.IsModal() ? "modal click" : "click"); };
    form.OnCloseQuery = [&](TObject*, bool& canClose) {
        calls.push_back("query"), canClose = true;
    };
    QTimer::singleShot(0, button, [button] { button->Click(); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_THAT(calls, ElementsAre("modal click", "query"));
}

TEST_F(TcxKelButtonTest, EnterPressesTheFocusedOrTheDefaultButtonAndEscapeTheCancelButton)
{
    TForm form;
    auto* edit = new QLineEdit(&form);
    auto* button = new TcxKelButton(&form);
    auto* cancel = new TcxKelButton(&form);
    auto* other = new TcxKelButton(&form);
    button->SetDefault(true);
    cancel->SetCancel(true);
    button->OnClick = Record("ok");
    cancel->OnClick = Record("cancel");
    other->OnClick = Record("other");
    form.show();
    QApplication::setActiveWindow(&form);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Return);
    auto* combo = new QComboBox(&form);
    combo->addItems({"un", "deux"});
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) { // an open list's own keys
        combo->showPopup();
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget(); }));
        QWidget* list = QApplication::activePopupWidget()->focusWidget();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, key);
    }
    EXPECT_EQ(combo->currentIndex(), 1);
    button->SetEnabled(false);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return); // a disabled default button takes no key
    EXPECT_THAT(calls, ElementsAre("ok", "cancel", "other"));
}
