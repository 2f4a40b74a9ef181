#include "DialogSeam.h"
#include "QtTranslations.h"

#include "ScriptedDialogs.h"
#include "WidgetTest.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

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

TEST(DialogSeam, ButtonSetsListTheirButtonsInOrderAndTheDefaultIsInTheSet)
{
    const std::pair<Buttons, std::vector<Answer>> sets[] = {
        {Buttons::OK, {Answer::OK}},
        {Buttons::OKCancel, {Answer::OK, Answer::Cancel}},
        {Buttons::YesNo, {Answer::Yes, Answer::No}},
        {Buttons::YesNoCancel, {Answer::Yes, Answer::No, Answer::Cancel}},
        {Buttons::RetryCancel, {Answer::Retry, Answer::Cancel}},
        {Buttons::AbortRetryIgnore, {Answer::Abort, Answer::Retry, Answer::Ignore}}};
    for (const auto& [buttons, answers] : sets)
        EXPECT_EQ(DialogSeam::answersOf(buttons), answers);
    EXPECT_EQ(DialogSeam::effectiveDefault(request(Buttons::YesNo, Answer::No)), Answer::No);
    EXPECT_EQ(DialogSeam::effectiveDefault(request(Buttons::YesNo)), Answer::Yes);
    EXPECT_EQ(DialogSeam::effectiveDefault(request(Buttons::YesNo, Answer::Cancel)), Answer::Yes);
}

TEST(DialogSeam, ScopedHandlersNestAndRestoreThePreviousHandler)
{
    ScriptedDialogs outer;
    outer.answer(Answer::Yes);
    {
        ScriptedDialogs inner;
        inner.answer(Answer::No);
        EXPECT_EQ(DialogSeam::show(request(Buttons::YesNo)), Answer::No);
    }
    EXPECT_EQ(DialogSeam::show(request(Buttons::YesNo)), Answer::Yes);
    EXPECT_EQ(outer.count(), 1u);
}

using DialogSeamMessageBox = WidgetTest;

TEST_F(DialogSeamMessageBox, BoxHasFrenchButtonsTheDefaultAndAnswersTheClickedOrEscapeButton)
{
    QWidget owner;
    Request r = request(Buttons::YesNo, Answer::No);
    r.owner = &owner;
    std::unique_ptr<QMessageBox> box = DialogSeam::createMessageBox(r);
    EXPECT_EQ(box->parent(), &owner);
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    EXPECT_EQ(box->windowTitle(), "Caption");
    EXPECT_EQ(box->text(), "Text");
    ASSERT_EQ(box->buttons().size(), 2);
    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), "&Oui");
    EXPECT_EQ(box->button(QMessageBox::No)->text(), "&Non");
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));
    EXPECT_EQ(DialogSeam::answerOfMessageBox(*box, r), Answer::No); // closed
    box->button(QMessageBox::Yes)->click();
    EXPECT_EQ(DialogSeam::answerOfMessageBox(*box, r), Answer::Yes);
    const Request three = request(Buttons::AbortRetryIgnore, Answer::Retry);
    box = DialogSeam::createMessageBox(three);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal); // no owner
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Retry));
    box->button(QMessageBox::Ignore)->click();
    EXPECT_EQ(DialogSeam::answerOfMessageBox(*box, three), Answer::Ignore);
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

TEST(QtTranslations, QtsOwnTextsSpeakFrenchUnderAFrenchLocale)
{
    EXPECT_FALSE(InstallQtTranslations(QLocale(QLocale::English, QLocale::UnitedStates)));
    ASSERT_TRUE(InstallQtTranslations(QLocale(QLocale::French, QLocale::France)));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
}
