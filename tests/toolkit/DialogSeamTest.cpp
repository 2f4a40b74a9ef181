#include "DialogSeam.h"
#include "QtTranslations.h"

#include "QtLeakCheck.h"
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <QWidget>

#include <memory>

using DialogSeam::Answer;
using DialogSeam::Buttons;
using DialogSeam::Icon;
using DialogSeam::Request;

namespace {

Request request(Buttons buttons, std::optional<Answer> defaultButton = std::nullopt)
{
    Request r;
    r.caption = QStringLiteral("Caption");
    r.text = QStringLiteral("Text");
    r.buttons = buttons;
    r.defaultButton = defaultButton;
    return r;
}

} // namespace

TEST(DialogSeam, ButtonSetsListTheirButtonsInDisplayOrder)
{
    EXPECT_EQ(DialogSeam::answersOf(Buttons::OK), std::vector<Answer>{Answer::OK});
    EXPECT_EQ(DialogSeam::answersOf(Buttons::OKCancel),
              (std::vector<Answer>{Answer::OK, Answer::Cancel}));
    EXPECT_EQ(DialogSeam::answersOf(Buttons::YesNo),
              (std::vector<Answer>{Answer::Yes, Answer::No}));
    EXPECT_EQ(DialogSeam::answersOf(Buttons::YesNoCancel),
              (std::vector<Answer>{Answer::Yes, Answer::No, Answer::Cancel}));
    EXPECT_EQ(DialogSeam::answersOf(Buttons::RetryCancel),
              (std::vector<Answer>{Answer::Retry, Answer::Cancel}));
    EXPECT_EQ(DialogSeam::answersOf(Buttons::AbortRetryIgnore),
              (std::vector<Answer>{Answer::Abort, Answer::Retry, Answer::Ignore}));
}

TEST(DialogSeam, DefaultButtonOutsideTheSetFallsBackToTheFirstButton)
{
    EXPECT_EQ(DialogSeam::effectiveDefault(request(Buttons::YesNo, Answer::No)), Answer::No);
    EXPECT_EQ(DialogSeam::effectiveDefault(request(Buttons::YesNo)), Answer::Yes);
    EXPECT_EQ(DialogSeam::effectiveDefault(request(Buttons::YesNo, Answer::Cancel)), Answer::Yes);
}

TEST(DialogSeam, ScopedHandlersNestAndRestoreThePreviousHandler)
{
    int outerCalls = 0;
    int innerCalls = 0;
    DialogSeam::ScopedHandler outer([&](const Request&) {
        ++outerCalls;
        return Answer::Yes;
    });
    {
        DialogSeam::ScopedHandler inner([&](const Request&) {
            ++innerCalls;
            return Answer::No;
        });
        EXPECT_EQ(DialogSeam::show(request(Buttons::YesNo)), Answer::No);
    }
    EXPECT_EQ(DialogSeam::show(request(Buttons::YesNo)), Answer::Yes);
    EXPECT_EQ(innerCalls, 1);
    EXPECT_EQ(outerCalls, 1);
}

TEST(DialogSeam, ScriptedDialogsRecordRequestsAndAnswerInTurnThenByDefault)
{
    ScriptedDialogs dialogs;
    dialogs.answer({Answer::No, Answer::Cancel});
    EXPECT_EQ(DialogSeam::show(request(Buttons::YesNo)), Answer::No);
    EXPECT_EQ(DialogSeam::show(request(Buttons::OKCancel)), Answer::Cancel);
    EXPECT_EQ(dialogs.unscripted(), 0u);
    EXPECT_EQ(DialogSeam::show(request(Buttons::YesNo, Answer::No)), Answer::No);
    EXPECT_EQ(dialogs.unscripted(), 1u);
    ASSERT_EQ(dialogs.count(), 3u);
    EXPECT_EQ(dialogs.requests()[1].buttons, Buttons::OKCancel);
    EXPECT_EQ(dialogs.captionOf(0), "Caption");
}

class DialogSeamMessageBox : public QtLeakCheckedTest
{
protected:
    // Qt builds the style's message icons and its button box helpers once, on first use;
    // they are not leaks of a box.
    static void SetUpTestSuite()
    {
        QWidget owner;
        Request r = request(Buttons::YesNoCancel);
        r.owner = &owner;
        for (Icon icon : {Icon::Stop, Icon::Exclamation, Icon::Information, Icon::Question}) {
            r.icon = icon;
            DialogSeam::createMessageBox(r)->ensurePolished();
        }
    }
};

TEST_F(DialogSeamMessageBox, BoxHasFrenchButtonsTheDefaultAndTheEscapeButton)
{
    QWidget owner;
    Request r = request(Buttons::YesNo, Answer::No);
    r.owner = &owner;
    r.icon = Icon::Exclamation;
    r.text = QStringLiteral("Voulez-vous modifier votre saisie ?");
    const std::unique_ptr<QMessageBox> box = DialogSeam::createMessageBox(r);

    EXPECT_EQ(box->parent(), &owner);
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->windowTitle(), "Caption");
    EXPECT_EQ(box->text(), "Voulez-vous modifier votre saisie ?");
    const auto buttons = box->buttons();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), "&Oui");
    EXPECT_EQ(box->button(QMessageBox::No)->text(), "&Non");
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));
}

TEST_F(DialogSeamMessageBox, IconsMapToTheirQtIcons)
{
    Request r = request(Buttons::OK);
    const std::pair<Icon, QMessageBox::Icon> icons[] = {
        {Icon::None, QMessageBox::NoIcon},
        {Icon::Stop, QMessageBox::Critical},
        {Icon::Exclamation, QMessageBox::Warning},
        {Icon::Information, QMessageBox::Information},
        {Icon::Question, QMessageBox::Question}};
    for (const auto& [icon, qtIcon] : icons) {
        r.icon = icon;
        EXPECT_EQ(DialogSeam::createMessageBox(r)->icon(), qtIcon);
    }
}

TEST_F(DialogSeamMessageBox, AnswerIsTheClickedButtonOrTheEscapeButtonWhenClosed)
{
    const Request r = request(Buttons::OKCancel);
    {
        const auto box = DialogSeam::createMessageBox(r);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal); // no owner
        box->button(QMessageBox::Ok)->click();
        EXPECT_EQ(DialogSeam::answerOfMessageBox(*box, r), Answer::OK);
    }
    {
        const auto box = DialogSeam::createMessageBox(r);
        EXPECT_EQ(DialogSeam::answerOfMessageBox(*box, r), Answer::Cancel);
    }
    const Request abort = request(Buttons::AbortRetryIgnore, Answer::Retry);
    const auto box = DialogSeam::createMessageBox(abort);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Retry));
    EXPECT_EQ(DialogSeam::answerOfMessageBox(*box, abort), Answer::Retry);
    box->button(QMessageBox::Ignore)->click();
    EXPECT_EQ(DialogSeam::answerOfMessageBox(*box, abort), Answer::Ignore);
}

TEST(QtTranslations, QtsOwnTextsSpeakFrenchUnderAFrenchLocale)
{
    // English needs no translation; French comes from qt6-translations-l10n.
    EXPECT_FALSE(InstallQtTranslations(QLocale(QLocale::English, QLocale::UnitedStates)));
    ASSERT_TRUE(InstallQtTranslations(QLocale(QLocale::French, QLocale::France)));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    // A deleted translator leaves the application.
    qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}
