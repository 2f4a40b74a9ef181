#include "TcxKelButton.h"
#include "TAction.h"
#include "TForm.h"

#include "WidgetTest.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using ::testing::ElementsAre;

namespace {

class TcxKelButtonTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        form = std::make_unique<TForm>();
        button = new TcxKelButton(form.get());
    }
    void TearDown() override
    {
        form.reset();
        WidgetTest::TearDown();
    }
    std::unique_ptr<TForm> form;
    TcxKelButton* button = nullptr;
    std::vector<std::string> calls;
    std::function<void(TObject*)> Record(const char* call)
    {
        return [this, call](TObject*) { calls.push_back(call); };
    }
};

TEST_F(TcxKelButtonTest, ClickRunsOnClickRatherThanTheActionAndNothingWhenDisabled)
{
    TAction action;
    action.OnExecute = Record("action");
    button->SetAction(&action);
    button->SetColorsDefault(0x00336699);
    EXPECT_EQ(button->palette().color(QPalette::Button), QColor(0x99, 0x66, 0x33));
    button->Click();
    button->OnClick = [&](TObject* sender) { calls.push_back(sender == button ? "click" : "?"); };
    QTest::mouseClick(button, Qt::LeftButton); // the real mouse road, too
    button->SetEnabled(false);
    button->Click();
    EXPECT_THAT(calls, ElementsAre("action", "click"));
}

TEST_F(TcxKelButtonTest, ALinkedButtonFollowsItsActionUntilTheActionGoesOrIsUnlinked)
{
    auto* action = new TAction();
    action->SetCaption("&Imprimer \xE9");
    button->SetAction(action);
    EXPECT_EQ(button->text(), QString::fromUtf8("&Imprimer é"));
    action->SetEnabled(false);
    action->SetVisible(false);
    action->SetCaption("Import");
    EXPECT_FALSE(button->GetEnabled());
    EXPECT_FALSE(button->GetVisible());
    EXPECT_EQ(button->GetCaption(), "Import");
    delete action;
    button->Click(); // no action to run any more

    TAction other;
    other.SetCaption("A");
    button->SetAction(&other);
    button->SetAction(nullptr);
    other.SetCaption("B");
    other.SetVisible(false);
    EXPECT_EQ(button->GetCaption(), "A");
    EXPECT_TRUE(button->GetVisible());
}

TEST_F(TcxKelButtonTest, ModalResultClosesTheModalWindowAfterTheClickHandler)
{
    button->SetModalResult(mrOk);
    button->OnClick = [&](TObject*) { calls.push_back(form->IsModal() ? "modal click" : "click"); };
    form->OnCloseQuery = [&](TObject*, bool& canClose) {
        calls.push_back("query"), canClose = true;
    };
    QTimer::singleShot(0, button, [this] { button->Click(); });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_THAT(calls, ElementsAre("modal click", "query"));

    auto* bar = new TForm(form.get()); // embedded: the result goes to its window
    bar->SetParent(form.get());
    auto* inBar = new TcxKelButton(bar);
    inBar->SetModalResult(mrCancel);
    inBar->Click();
    EXPECT_EQ(form->GetModalResult(), mrCancel);
    EXPECT_EQ(bar->GetModalResult(), mrNone);
}

TEST_F(TcxKelButtonTest, EnterPressesTheFocusedOrTheDefaultButtonAndEscapeTheCancelButton)
{
    auto* edit = new QLineEdit(form.get());
    auto* cancel = new TcxKelButton(form.get());
    auto* other = new TcxKelButton(form.get());
    button->SetDefault(true);
    cancel->SetCancel(true);
    button->OnClick = Record("ok");
    cancel->OnClick = Record("cancel");
    other->OnClick = Record("other");
    form->show();
    QApplication::setActiveWindow(form.get());
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Return);
    button->SetEnabled(false);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return); // a disabled default button takes no key
    EXPECT_THAT(calls, ElementsAre("ok", "cancel", "other"));
    form->hide();
}

} // namespace
