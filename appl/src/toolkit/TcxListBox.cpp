#include "TcxListBox.h"

#include "Cp1252.h"

#include <QVariant>

#include <algorithm>
#include <vector>

namespace {
constexpr int kObjectRole = Qt::UserRole;

// Changes made by code raise no OnClick.
class Silence
{
public:
    explicit Silence(int& counter) : m_counter(counter) { ++m_counter; }
    ~Silence() { --m_counter; }
    Silence(const Silence&) = delete;
    Silence& operator=(const Silence&) = delete;

private:
    int& m_counter;
};
} // namespace

TcxListBox::TcxListBox(TComponent* owner) : QListWidget(OwnerWidget(owner)), TWinControl(clWindow)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int) {
        if (m_silent == 0 && OnClick)
            OnClick(this);
    });
}

TcxListBox::~TcxListBox() = default;

void TcxListBox::Clear()
{
    const Silence silence(m_silent);
    clear();
}

void TcxListBox::AddItem(const std::string& text, TObject* object)
{
    const Silence silence(m_silent);
    auto* item = new QListWidgetItem(Cp1252::toQString(text)); // the list takes it below
    item->setData(kObjectRole, QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(object)));
    addItem(item);
}

void TcxListBox::DeleteSelected()
{
    const Silence silence(m_silent);
    std::vector<int> rows;
    for (const QListWidgetItem* item : selectedItems())
        rows.push_back(row(item));
    // From the bottom up, so that the rows still to delete keep their numbers.
    std::sort(rows.rbegin(), rows.rend());
    for (int selectedRow : rows)
        delete takeItem(selectedRow);
}

int TcxListBox::GetCount() const
{
    return count();
}

std::string TcxListBox::GetItem(int index) const
{
    const QListWidgetItem* line = item(index);
    return line ? Cp1252::fromQString(line->text()) : std::string();
}

TObject* TcxListBox::GetObject(int index) const
{
    const QListWidgetItem* line = item(index);
    return line ? reinterpret_cast<TObject*>(line->data(kObjectRole).value<quintptr>()) : nullptr;
}

int TcxListBox::GetItemIndex() const
{
    return currentRow();
}

void TcxListBox::SetItemIndex(int index)
{
    const Silence silence(m_silent);
    if (index >= 0 && index < count()) {
        setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    } else {
        clearSelection();
        setCurrentRow(-1);
    }
}

bool TcxListBox::GetMultiSelect() const
{
    return selectionMode() == QAbstractItemView::ExtendedSelection;
}

void TcxListBox::SetMultiSelect(bool multiSelect)
{
    setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                 : QAbstractItemView::SingleSelection);
}

bool TcxListBox::GetSelected(int index) const
{
    const QListWidgetItem* line = item(index);
    return line && line->isSelected();
}

void TcxListBox::SetSelected(int index, bool selected)
{
    QListWidgetItem* line = item(index);
    if (!line)
        return;
    const Silence silence(m_silent);
    if (selected && !GetMultiSelect())
        setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    else
        line->setSelected(selected);
}

int TcxListBox::GetSelCount() const
{
    return static_cast<int>(selectedItems().size());
}

std::string TcxListBox::GetText() const
{
    return GetItem(currentRow());
}

void TcxListBox::SetText(const std::string& text)
{
    const QList<QListWidgetItem*> found =
        findItems(Cp1252::toQString(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    SetItemIndex(found.isEmpty() ? -1 : row(found.first()));
}
