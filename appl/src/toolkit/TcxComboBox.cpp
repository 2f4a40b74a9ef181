#include "TcxComboBox.h"

#include "Accessibility.h"
#include "Cp1252.h"

#include <QVariant>

namespace {
// Where a line keeps its code.
constexpr int kCodeRole = Qt::UserRole;
} // namespace

void TcxComboBox::TItems::Clear()
{
    if (!m_combo)
        return;
    const Silence silence(m_combo);
    m_combo->clear();
}

int TcxComboBox::TItems::GetCount() const
{
    return m_combo ? m_combo->count() : 0;
}

std::string TcxComboBox::TItems::GetString(int index) const
{
    if (!m_combo || index < 0 || index >= m_combo->count())
        return {};
    return Cp1252::fromQString(m_combo->itemText(index));
}

int TcxComboBox::TItems::Add(const std::string& label)
{
    if (!m_combo)
        return -1;
    m_combo->AddLine(label, 0);
    return m_combo->count() - 1;
}

int TcxComboBox::TItems::IndexOf(const std::string& label) const
{
    if (!m_combo)
        return -1;
    return m_combo->findText(Cp1252::toQString(label), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

int TcxComboBox::TProperties::GetDropDownRows() const
{
    return m_combo ? m_combo->maxVisibleItems() : 0;
}

void TcxComboBox::TProperties::SetDropDownRows(int rows)
{
    if (m_combo && rows > 0)
        m_combo->setMaxVisibleItems(rows);
}

TcxComboBox::TcxComboBox(TComponent* owner)
    : QComboBox(OwnerWidget(owner)), TWinControl(clWindow), m_properties(this)
{
    Accessibility::Install();
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int) {
        if (m_silent == 0 && OnChange)
            OnChange(this);
    });
}

TcxComboBox::~TcxComboBox() = default;

int TcxComboBox::GetItemIndex() const
{
    return currentIndex();
}

void TcxComboBox::SetItemIndex(int index)
{
    const Silence silence(this);
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

std::string TcxComboBox::GetText() const
{
    return Cp1252::fromQString(currentText());
}

void TcxComboBox::SetText(const std::string& text)
{
    SetItemIndex(m_properties.GetItems()->IndexOf(text));
}

void TcxComboBox::AddLine(const std::string& label, long code)
{
    const Silence silence(this);
    // Qt selects the first line added to an empty list; here filling selects nothing.
    const int selected = currentIndex();
    addItem(Cp1252::toQString(label), QVariant::fromValue<qlonglong>(code));
    if (selected < 0 && currentIndex() >= 0)
        setCurrentIndex(-1);
}

void ComboAdd(TcxComboBox* combo, const std::string& label, long code)
{
    if (combo)
        combo->AddLine(label, code);
}

bool ComboSelectCode(TcxComboBox* combo, long code)
{
    if (!combo)
        return false;
    const int index = combo->findData(QVariant::fromValue<qlonglong>(code), kCodeRole);
    if (index < 0)
        return false;
    const TcxComboBox::Silence silence(combo);
    combo->setCurrentIndex(index);
    return true;
}

bool ComboGetCurrentCode(TcxComboBox* combo, long& code)
{
    if (!combo || combo->currentIndex() < 0)
        return false;
    code = static_cast<long>(combo->currentData(kCodeRole).toLongLong());
    return true;
}
