#include "TcxKelButton.h"
#include "TAction.h"
#include "TForm.h"
#include "TImageList.h"
#include "TTBXPopupMenu.h"

#include "WidgetTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include <string>
#include <utility>
#include <vector>

using ::testing::ElementsAre;

namespace {

class TcxKelButtonTest : public WidgetTest
{
protected:
    // The first key that reaches a window's shortcuts builds Qt objects that live as long as
    // the application.
    static void SetUpTestSuite()
    {
        {
            TForm form;
            auto* edit = new QLineEdit(&form);
            auto* button = new TcxKelButton(&form);
            button->SetDefault(true);
            form.show();
            QApplication::setActiveWindow(&form);
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Return);
            form.hide();
            // Painting a button's image and caption starts Qt's pixmap cache and worker
            // threads for good.
            QPixmap pixmap(16, 16);
            pixmap.fill(Qt::red);
            button->setIcon(QIcon(pixmap));
            button->SetCaption("Aller");
            button->SetBounds(0, 0, 100, 60);
            for (const TButtonLayout layout : {blGlyphLeft, blGlyphBottom}) {
                button->SetLayout(layout);
                QImage picture(button->size(), QImage::Format_RGB32);
                picture.fill(Qt::white);
                button->render(&picture);
            }
        }
        flushQtEvents();
    }
};

TEST_F(TcxKelButtonTest, CaptionIsKeptAsGivenAndShownWithItsMnemonic)
{
    TForm form;
    auto* button = new TcxKelButton(&form);
    button->SetCaption("< &Pr\xE9"
                       "c\xE9"
                       "dent");
    EXPECT_EQ(button->GetCaption(), "< &Pr\xE9"
                                    "c\xE9"
                                    "dent");
    EXPECT_EQ(button->text(), QString::fromUtf8("< &Précédent"));
}

TEST_F(TcxKelButtonTest, ClickRunsOnClickRatherThanTheActionAndNothingWhenDisabled)
{
    TForm form;
    auto* button = new TcxKelButton(&form);
    TAction action;
    std::vector<std::string> calls;
    action.OnExecute = [&](TObject*) { calls.push_back("action"); };
    button->SetAction(&action);

    button->Click();
    button->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, button);
        calls.push_back("click");
    };
    QTest::mouseClick(button, Qt::LeftButton); // the real mouse road, too
    button->SetEnabled(false);
    button->Click();
    EXPECT_THAT(calls, ElementsAre("action", "click"));
}

TEST_F(TcxKelButtonTest, ALinkedButtonFollowsItsActionUntilTheActionGoes)
{
    TForm form;
    auto* button = new TcxKelButton(&form);
    auto* action = new TAction();
    action->SetCaption("&Imprimer");
    button->SetAction(action);
    EXPECT_EQ(button->GetCaption(), "&Imprimer");

    action->SetEnabled(false);
    action->SetVisible(false);
    action->SetCaption("Import");
    EXPECT_FALSE(button->GetEnabled());
    EXPECT_FALSE(button->GetVisible());
    EXPECT_EQ(button->GetCaption(), "Import");

    delete action;
    EXPECT_EQ(button->GetAction(), nullptr);
    button->Click(); // no action to run any more
    EXPECT_EQ(button->GetCaption(), "Import");
}

TEST_F(TcxKelButtonTest, UnlinkingKeepsTheCaptionAndStopsFollowing)
{
    TForm form;
    auto* button = new TcxKelButton(&form);
    TAction action;
    action.SetCaption("A");
    button->SetAction(&action);
    button->SetAction(nullptr);
    action.SetCaption("B");
    action.SetVisible(false);
    EXPECT_EQ(button->GetCaption(), "A");
    EXPECT_TRUE(button->GetVisible());
}

TEST_F(TcxKelButtonTest, ModalResultClosesTheModalWindowAfterTheClickHandler)
{
    TForm form;
    auto* button = new TcxKelButton(&form);
    button->SetModalResult(mrOk);
    std::vector<std::string> calls;
    button->OnClick = [&](TObject*) {
        calls.push_back(form.IsModal() ? "click while modal" : "click");
    };
    form.OnCloseQuery = [&](TObject*, bool& canClose) {
        calls.push_back("close query");
        canClose = true;
    };
    QTimer::singleShot(0, button, [button] { button->Click(); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_THAT(calls, ElementsAre("click while modal", "close query"));
}

TEST_F(TcxKelButtonTest, ModalResultGoesToTheWindowOfAnEmbeddedForm)
{
    TForm window;
    auto* bar = new TForm(&window);
    bar->SetParent(&window);
    auto* button = new TcxKelButton(bar);
    button->SetModalResult(mrCancel);
    button->Click();
    EXPECT_EQ(window.GetModalResult(), mrCancel);
    EXPECT_EQ(bar->GetModalResult(), mrNone);
}

TEST_F(TcxKelButtonTest, DropDownKindCarriesItsMenuAndStandardKindNone)
{
    TForm form;
    auto* button = new TcxKelButton(&form);
    auto* menu = new TTBXPopupMenu(&form);
    button->SetDropDownMenu(menu);
    EXPECT_EQ(button->menu(), nullptr);
    button->SetKind(cxbkDropDown);
    EXPECT_EQ(button->menu(), menu);
    button->SetKind(cxbkStandard);
    EXPECT_EQ(button->menu(), nullptr);
    EXPECT_EQ(button->GetDropDownMenu(), menu);
}

TEST_F(TcxKelButtonTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton)
{
    TForm form;
    auto* edit = new QLineEdit(&form);
    auto* ok = new TcxKelButton(&form);
    auto* cancel = new TcxKelButton(&form);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    std::vector<std::string> calls;
    ok->OnClick = [&](TObject*) { calls.push_back("ok"); };
    cancel->OnClick = [&](TObject*) { calls.push_back("cancel"); };
    form.show();
    QApplication::setActiveWindow(&form);
    edit->setFocus();

    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    ok->SetEnabled(false);
    QTest::keyClick(edit, Qt::Key_Return); // a disabled default button takes no key
    EXPECT_THAT(calls, ElementsAre("ok", "cancel"));
    form.hide();
}

TEST_F(TcxKelButtonTest, EnterPressesTheFocusedButtonRatherThanTheDefaultOne)
{
    TForm form;
    auto* ok = new TcxKelButton(&form);
    auto* other = new TcxKelButton(&form);
    ok->SetDefault(true);
    std::vector<std::string> calls;
    ok->OnClick = [&](TObject*) { calls.push_back("ok"); };
    other->OnClick = [&](TObject*) { calls.push_back("other"); };
    form.show();
    QApplication::setActiveWindow(&form);
    other->setFocus();

    QTest::keyClick(other, Qt::Key_Return);
    EXPECT_THAT(calls, ElementsAre("other"));
    form.hide();
}

TEST_F(TcxKelButtonTest, ImageComesFromTheImageList)
{
    TForm form;
    TImageList images;
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    images.Add(QIcon(pixmap));
    auto* button = new TcxKelButton(&form);
    button->SetImageIndex(0);
    EXPECT_TRUE(button->icon().isNull());
    button->SetImages(&images);
    EXPECT_FALSE(button->icon().isNull());
    button->SetImageIndex(1);
    EXPECT_TRUE(button->icon().isNull());
}

TEST_F(TcxKelButtonTest, TheImageGoesAboveOrBelowTheCaption)
{
    // Where the image's middle lies against the button's: a caption's height away, up or
    // down (beside the caption, it would be level with it).
    for (const auto& [layout, direction] :
         {std::pair{blGlyphBottom, 1}, std::pair{blGlyphTop, -1}}) {
        TForm form;
        TImageList images;
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::red);
        images.Add(QIcon(pixmap));
        auto* button = new TcxKelButton(&form);
        button->SetBounds(0, 0, 100, 60);
        button->SetCaption("Aller");
        button->SetImages(&images);
        button->SetImageIndex(0);
        button->SetLayout(layout);

        QImage picture(button->size(), QImage::Format_RGB32);
        picture.fill(Qt::white);
        button->render(&picture);
        int reds = 0;
        long rows = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixelColor(x, y) == QColor(Qt::red)) {
                    ++reds;
                    rows += y;
                }
        ASSERT_GT(reds, 100) << layout;
        const double shift = static_cast<double>(rows) / reds - picture.height() / 2.0;
        EXPECT_GT(shift * direction, 4.0) << layout;
    }
}

TEST_F(TcxKelButtonTest, DefaultColourPaintsTheButtonFace)
{
    TForm form;
    auto* button = new TcxKelButton(&form);
    button->SetColorsDefault(0x00336699);
    EXPECT_EQ(button->GetColorsDefault(), 0x00336699);
    EXPECT_EQ(button->palette().color(QPalette::Button), QColor(0x99, 0x66, 0x33));
}

} // namespace
