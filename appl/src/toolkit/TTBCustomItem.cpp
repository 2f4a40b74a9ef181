#include "TTBCustomItem.h"

#include "Cp1252.h"
#include "Mnemonic.h"
#include "TAction.h"
#include "TImageList.h"

#include <QMenu>
#include <QScopedValueRollback>

#include <algorithm>

int TTBCustomItem::s_clickDepth = 0;

TTBCustomItem::TTBCustomItem(TComponent* owner) : QAction(OwnerObject(owner))
{
    connect(this, &QAction::triggered, this, &TTBCustomItem::Triggered);
}

TTBCustomItem::~TTBCustomItem()
{
    disconnect(m_actionChanged);
    // Children go first, while this item (and the menu showing them) is still whole.
    while (!m_items.empty())
        delete m_items.back();
    if (m_menuOwned)
        delete m_menu;
    m_menu = nullptr;
    if (m_parent)
        m_parent->Detach(this);
}

void TTBCustomItem::SetCaption(const std::string& caption)
{
    m_caption = caption;
    setText(Mnemonic::ToQt(Cp1252::toQString(caption)));
    if (m_menu && m_menuOwned)
        m_menu->setTitle(text());
}

std::string TTBCustomItem::GetHint() const
{
    return Cp1252::fromQString(toolTip());
}

void TTBCustomItem::SetHint(const std::string& hint)
{
    setToolTip(Cp1252::toQString(hint));
}

void TTBCustomItem::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    setEnabled(enabled);
}

void TTBCustomItem::SetChecked(bool checked)
{
    setCheckable(checked || isCheckable());
    setChecked(checked);
}

bool TTBCustomItem::GetBold() const
{
    return font().bold();
}

void TTBCustomItem::SetBold(bool bold)
{
    QFont bolder = font();
    bolder.setBold(bold);
    setFont(bolder);
}

void TTBCustomItem::SetImageIndex(int index)
{
    m_imageIndex = index < 0 ? -1 : index;
    RefreshImage();
}

void TTBCustomItem::SetImages(TImageList* images)
{
    m_images = images;
    RefreshImage();
}

TImageList* TTBCustomItem::Images() const
{
    if (m_images)
        return m_images;
    return m_parent ? m_parent->Images() : nullptr;
}

void TTBCustomItem::RefreshImage()
{
    if (m_action)
        setIcon(m_action->icon());
    else if (TImageList* images = Images())
        setIcon(images->GetIcon(m_imageIndex));
    else
        setIcon(QIcon());
    for (TTBCustomItem* item : m_items)
        item->RefreshImage();
}

TAction* TTBCustomItem::GetAction() const
{
    return m_action;
}

void TTBCustomItem::SetAction(TAction* action)
{
    if (action == m_action)
        return;
    disconnect(m_actionChanged);
    m_action = action;
    if (action) {
        m_actionChanged = connect(action, &QAction::changed, this, &TTBCustomItem::SyncFromAction);
        SyncFromAction();
    } else {
        RefreshImage();
    }
}

void TTBCustomItem::SyncFromAction()
{
    if (!m_action)
        return;
    m_caption = m_action->GetCaption();
    setText(m_action->QtCaption());
    setToolTip(m_action->toolTip());
    SetEnabled(m_action->GetEnabled());
    setVisible(m_action->isVisible());
    setCheckable(m_action->isCheckable());
    setChecked(m_action->GetChecked());
    setIcon(m_action->icon());
}

void TTBCustomItem::Click()
{
    if (OnClick) {
        const TNotifyEvent handler = OnClick; // the handler may replace itself
        handler(this);
    } else if (m_action) {
        m_action->Execute();
    }
}

void TTBCustomItem::Triggered()
{
    // Qt toggled the check mark; the item shows what its action (or its owner) says.
    if (m_action)
        setChecked(m_action->GetChecked());
    const QScopedValueRollback<int> depth(s_clickDepth, s_clickDepth + 1);
    Click();
}

TTBCustomItem* TTBCustomItem::GetItem(int index) const
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return m_items[static_cast<std::size_t>(index)];
}

int TTBCustomItem::IndexOf(const TTBCustomItem* item) const
{
    const auto found = std::find(m_items.begin(), m_items.end(), item);
    return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

bool TTBCustomItem::IsAncestorOrSelf(const TTBCustomItem* item) const
{
    for (const TTBCustomItem* node = this; node; node = node->m_parent)
        if (node == item)
            return true;
    return false;
}

void TTBCustomItem::Add(TTBCustomItem* item)
{
    Insert(GetCount(), item);
}

void TTBCustomItem::Insert(int index, TTBCustomItem* item)
{
    if (!item || IsAncestorOrSelf(item))
        return;
    if (item->m_parent)
        item->m_parent->Remove(item);
    index = std::clamp(index, 0, GetCount());
    QAction* before = index < GetCount() ? m_items[static_cast<std::size_t>(index)] : nullptr;
    m_items.insert(m_items.begin() + index, item);
    item->m_parent = this;
    item->setParent(this);
    if (m_menu)
        m_menu->insertAction(before, item);
    item->RefreshImage();
}

void TTBCustomItem::Remove(TTBCustomItem* item)
{
    if (!item || item->m_parent != this)
        return;
    Detach(item);
    item->setParent(nullptr);
}

void TTBCustomItem::Detach(TTBCustomItem* item)
{
    const auto found = std::find(m_items.begin(), m_items.end(), item);
    if (found == m_items.end())
        return;
    m_items.erase(found);
    item->m_parent = nullptr;
    if (m_menu)
        m_menu->removeAction(item);
}

void TTBCustomItem::Delete(int index)
{
    if (TTBCustomItem* item = GetItem(index))
        Dispose(item);
}

void TTBCustomItem::Clear()
{
    while (!m_items.empty())
        Dispose(m_items.back());
}

void TTBCustomItem::Dispose(TTBCustomItem* item)
{
    Detach(item);
    if (InClick()) {
        // The clicked item, or the menu it sits in, may be among those going: Qt is still
        // inside their event handlers.
        item->setVisible(false);
        item->deleteLater();
    } else {
        delete item;
    }
}

void TTBCustomItem::SetDisplayMenu(QMenu* menu, bool owned)
{
    if (m_menu && m_menuOwned && m_menu != menu)
        delete m_menu;
    m_menu = menu;
    m_menuOwned = owned && menu;
    if (m_menu)
        for (TTBCustomItem* item : m_items)
            m_menu->addAction(item);
}
