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

using DialogSeamMessageBox = WidgetTest;

TEST_F(DialogSeamMessageBox, BoxHasFrenchButtonsTheDefaultAndAnswersTheClickedOrEscapeButton)
{
    const std::pair<Buttons, std::vector<Answer>> sets[] = {
        {Buttons::OK, {Answer::OK}},
        {Buttons::OKCancel, {Answer::OK, Answer::Cancel}},
        {Buttons::YesNoCancel, {Answer::Yes, Answer::No, Answer::Cancel}},
        {Buttons::RetryCancel, {Answer::Retry, Answer::Cancel}},
        {Buttons::AbortRetryIgnore, {Answer::Abort, Answer::Retry, Answer::Ignore}}};
    for (const auto& [buttons, answers] : sets)
        EXPECT_EQ(DialogSeam::answersOf(buttons), answers);
    QWidget owner;
    DialogSeam::Request r;
    r.owner = &owner;
    r.caption = QStringLiteral("Caption");
    r.buttons = Buttons::YesNo;
    r.defaultButton = Answer::Cancel; // not in the set: the first button
    EXPECT_EQ(DialogSeam::effectiveDefault(r), Answer::Yes);
    r.defaultButton = Answer::No;
    std::unique_ptr<QMessageBox> box = DialogSeam::createMessageBox(r);
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    EXPECT_EQ(box->windowTitle(), "Caption");
    ASSERT_EQ(box->buttons().size(), 2);
    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), "&Oui");
    EXPECT_EQ(box->button(QMessageBox::No)->text(), "&Non");
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
    EXPECT_EQ(DialogSeam::answerOfMessageBox(*box, r), Answer::No); // closed: the escape button
    box->button(QMessageBox::Yes)->click();
    EXPECT_EQ(DialogSeam::answerOfMessageBox(*box, r), Answer::Yes);
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
    ScriptedDialogs outer; // scripted handlers nest
    outer.answer(Answer::Yes);
    {
        ScriptedDialogs inner;
        EXPECT_EQ(DialogSeam::show(r), Answer::No);
    }
    EXPECT_EQ(DialogSeam::show(r), Answer::Yes);
}

TEST(QtTranslations, QtsOwnTextsSpeakFrenchUnderAFrenchLocale)
{
    EXPECT_FALSE(InstallQtTranslations(QLocale(QLocale::English, QLocale::UnitedStates)));
    ASSERT_TRUE(InstallQtTranslations(QLocale(QLocale::French, QLocale::France)));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
}
