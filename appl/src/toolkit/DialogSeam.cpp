#include "DialogSeam.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace DialogSeam {

namespace {

// Room the title bar needs besides its text: its buttons, margins and some slack for a bold
// title font.
constexpr int kTitleBarButtonsWidth = 160;

// The answer each button of a box stands for.
constexpr const char* kAnswerProperty = "dialogSeamAnswer";

Handler& currentHandler()
{
    static Handler handler;
    return handler;
}

QMessageBox::StandardButton standardButtonOf(Answer answer)
{
    switch (answer) {
    case Answer::OK:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Abort:
        return QMessageBox::Abort;
    case Answer::Retry:
        return QMessageBox::Retry;
    case Answer::Ignore:
        return QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

// The captions a French Windows gives these buttons.
QString frenchCaptionOf(Answer answer)
{
    switch (answer) {
    case Answer::OK:
        return QStringLiteral("OK");
    case Answer::Cancel:
        return QStringLiteral("Annuler");
    case Answer::Yes:
        return QStringLiteral("&Oui");
    case Answer::No:
        return QStringLiteral("&Non");
    case Answer::Abort:
        return QStringLiteral("&Abandonner");
    case Answer::Retry:
        return QStringLiteral("&R\u00E9essayer");
    case Answer::Ignore:
        return QStringLiteral("&Ignorer");
    }
    return {};
}

QMessageBox::Icon messageBoxIconOf(Icon icon)
{
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Stop:
        return QMessageBox::Critical;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The button Escape and the title bar's close button stand for, as Windows does it.
Answer escapeAnswerOf(const Request& request)
{
    const auto answers = answersOf(request.buttons);
    for (Answer candidate : {Answer::Cancel, Answer::No}) {
        if (std::find(answers.begin(), answers.end(), candidate) != answers.end())
            return candidate;
    }
    return answers.size() == 1 ? answers.front() : effectiveDefault(request);
}

} // namespace

std::vector<Answer> answersOf(Buttons buttons)
{
    switch (buttons) {
    case Buttons::OK:
        return {Answer::OK};
    case Buttons::OKCancel:
        return {Answer::OK, Answer::Cancel};
    case Buttons::YesNo:
        return {Answer::Yes, Answer::No};
    case Buttons::YesNoCancel:
        return {Answer::Yes, Answer::No, Answer::Cancel};
    case Buttons::RetryCancel:
        return {Answer::Retry, Answer::Cancel};
    case Buttons::AbortRetryIgnore:
        return {Answer::Abort, Answer::Retry, Answer::Ignore};
    }
    return {Answer::OK};
}

Answer effectiveDefault(const Request& request)
{
    const auto answers = answersOf(request.buttons);
    if (request.defaultButton &&
        std::find(answers.begin(), answers.end(), *request.defaultButton) != answers.end())
        return *request.defaultButton;
    return answers.front();
}

Answer show(const Request& request)
{
    // Copied so that a handler may replace itself while it runs.
    const Handler handler = currentHandler();
    return handler ? handler(request) : showMessageBox(request);
}

Handler setHandler(Handler handler)
{
    return std::exchange(currentHandler(), std::move(handler));
}

Answer showMessageBox(const Request& request)
{
    const std::unique_ptr<QMessageBox> box = createMessageBox(request);
    box->exec();
    return answerOfMessageBox(*box, request);
}

std::unique_ptr<QMessageBox> createMessageBox(const Request& request)
{
    auto box = std::make_unique<QMessageBox>(messageBoxIconOf(request.icon), request.caption,
                                             request.text, QMessageBox::NoButton, request.owner);
    if (request.owner)
        box->setWindowModality(Qt::WindowModal);
    // A box as narrow as a short text would have the window manager cut its title; its
    // layout, not its minimum width (which QMessageBox resets), keeps room for the title.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        const int title = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
                              .horizontalAdvance(request.caption);
        grid->addItem(new QSpacerItem(title + kTitleBarButtonsWidth, 0, QSizePolicy::Minimum,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }

    const Answer defaultAnswer = effectiveDefault(request);
    const Answer escapeAnswer = escapeAnswerOf(request);
    for (Answer answer : answersOf(request.buttons)) {
        QPushButton* button = box->addButton(standardButtonOf(answer));
        button->setText(frenchCaptionOf(answer));
        button->setProperty(kAnswerProperty, static_cast<int>(answer));
        if (answer == defaultAnswer)
            box->setDefaultButton(button);
        if (answer == escapeAnswer)
            box->setEscapeButton(button);
    }
    return box;
}

Answer answerOfMessageBox(const QMessageBox& box, const Request& request)
{
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked) {
        const QVariant answer = clicked->property(kAnswerProperty);
        if (answer.isValid())
            return static_cast<Answer>(answer.toInt());
    }
    return escapeAnswerOf(request);
}

ScopedHandler::ScopedHandler(Handler handler) : m_previous(setHandler(std::move(handler))) {}

ScopedHandler::~ScopedHandler()
{
    setHandler(std::move(m_previous));
}

} // namespace DialogSeam
