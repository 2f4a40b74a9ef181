#include "Accessibility.h"

#include "Mnemonic.h"
#include "TForm.h"
#include "TcxComboBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// A combo box: the name comes from the label, never from the current line.
class ComboBoxInterface : public QAccessibleWidget
{
public:
    explicit ComboBoxInterface(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return Combo()->currentText();
        return QAccessibleWidget::text(t); // the name: accessible name, else the buddy label
    }

    // The list the combo box opens, as Qt's own combo box interface offers it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(Combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == Combo()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList(showMenuAction()) << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            Combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* Combo() const { return static_cast<QComboBox*>(object()); }
};

// A form: a dialog or a window on its own, a pane inside a panel.
class FormInterface : public QAccessibleWidget
{
public:
    explicit FormInterface(TForm* form) : QAccessibleWidget(form, QAccessible::Window) {}

    QAccessible::Role role() const override
    {
        const auto* form = static_cast<const TForm*>(object());
        if (!form->isWindow())
            return QAccessible::Pane;
        return form->IsModal() || form->isModal() ? QAccessible::Dialog : QAccessible::Window;
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TcxComboBox"))
        return new ComboBoxInterface(static_cast<TcxComboBox*>(object));
    if (className == QLatin1String("TForm"))
        return new FormInterface(static_cast<TForm*>(object));
    return nullptr;
}

} // namespace

namespace Accessibility {

void Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

QString NameFromCaption(const QString& caption)
{
    QString name = Mnemonic::Strip(caption).trimmed();
    while (name.endsWith(QLatin1Char(':')))
        name = name.chopped(1).trimmed();
    return name;
}

void SetName(QWidget* widget, const QString& name)
{
    if (!widget || widget->accessibleName() == name)
        return;
    // QWidget raises the name change itself.
    widget->setAccessibleName(name);
}

QString FocusMarkStyleSheet()
{
    // A border drawn only while the widget has the focus; everything else keeps the style's
    // own look.
    const QString mark = QStringLiteral("border: %1px solid %2;")
                             .arg(kFocusMarkWidth)
                             .arg(QLatin1String(kFocusMarkColor));
    return QStringLiteral("QLineEdit:focus, QTextEdit:focus, QPlainTextEdit:focus, "
                          "QComboBox:focus, QTreeView:focus, QListView:focus, "
                          "QPushButton:focus { %1 }\n"
                          "QCheckBox:focus, QRadioButton:focus { %1 }")
        .arg(mark);
}

} // namespace Accessibility
