#include "TcxTreeListNode.h"

#include "Cp1252.h"
#include "TcxKelTreeList.h"

TcxTreeListNode::TcxTreeListNode(TcxKelTreeList* tree, TcxTreeListNode* parent, int index)
    : m_tree(tree), m_parent(parent), m_index(index)
{}

TcxTreeListNode::~TcxTreeListNode() = default;

void TcxTreeListNode::Reset()
{
    m_parent = nullptr;
    m_children.clear();
    m_index = 0;
    m_absoluteIndex = -1;
    m_row = -1;
    // Emptied, not freed: the next SetValue writes into the same buffer.
    for (QString& value : m_values)
        value.resize(0);
    m_data = 0;
    m_imageIndexes = {-1, -1, -1, -1};
    m_expanded = false;
    m_visible = true;
}

int TcxTreeListNode::GetLevel() const
{
    int level = -1;
    for (const TcxTreeListNode* node = m_parent; node; node = node->m_parent)
        ++level;
    return level;
}

TcxTreeListNode* TcxTreeListNode::GetItem(int index) const
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return m_children[static_cast<std::size_t>(index)].get();
}

TcxTreeListNode* TcxTreeListNode::GetFirstChild() const
{
    return m_children.empty() ? nullptr : m_children.front().get();
}

TcxTreeListNode* TcxTreeListNode::GetLastChild() const
{
    return m_children.empty() ? nullptr : m_children.back().get();
}

TcxTreeListNode* TcxTreeListNode::GetNextSibling() const
{
    return m_parent ? m_parent->GetItem(m_index + 1) : nullptr;
}

TcxTreeListNode* TcxTreeListNode::GetPrevSibling() const
{
    return m_parent ? m_parent->GetItem(m_index - 1) : nullptr;
}

bool TcxTreeListNode::GetIsLast() const
{
    return !m_parent || m_index == m_parent->GetCount() - 1;
}

TcxTreeListNode* TcxTreeListNode::AddChild()
{
    return m_tree->InsertChild(this);
}

void TcxTreeListNode::Delete()
{
    if (GetIsRoot())
        m_tree->RemoveChildren(this);
    else
        m_tree->RemoveNode(this);
}

void TcxTreeListNode::DeleteChildren()
{
    m_tree->RemoveChildren(this);
}

TcxTreeListNode* TcxTreeListNode::GetNext() const
{
    // While the tree's absolute order holds, the next node is its next entry: walks of long
    // trees then read one array instead of every parent's children.
    if (m_tree->m_absoluteValid && !GetIsRoot()) {
        const auto next = static_cast<std::size_t>(m_absoluteIndex) + 1;
        return next < m_tree->m_absolute.size() ? m_tree->m_absolute[next] : nullptr;
    }
    if (!m_children.empty())
        return m_children.front().get();
    for (const TcxTreeListNode* node = this; node->m_parent; node = node->m_parent) {
        if (TcxTreeListNode* sibling = node->GetNextSibling())
            return sibling;
    }
    return nullptr;
}

TcxTreeListNode* TcxTreeListNode::GetPrev() const
{
    if (!m_parent)
        return nullptr;
    TcxTreeListNode* node = GetPrevSibling();
    if (!node)
        return m_parent->GetIsRoot() ? nullptr : m_parent;
    while (!node->m_children.empty())
        node = node->m_children.back().get();
    return node;
}

int TcxTreeListNode::GetAbsoluteIndex() const
{
    if (GetIsRoot())
        return -1;
    m_tree->EnsureAbsoluteOrder();
    return m_absoluteIndex;
}

void TcxTreeListNode::SetExpanded(bool expanded)
{
    if (GetIsRoot() || expanded == m_expanded)
        return;
    m_expanded = expanded;
    m_tree->NodeExpandedChanged(this);
}

void TcxTreeListNode::SetVisible(bool visible)
{
    if (GetIsRoot() || visible == m_visible)
        return;
    m_visible = visible;
    m_tree->NodeVisibleChanged(this);
}

bool TcxTreeListNode::GetIsVisible() const
{
    if (GetIsRoot() || !m_visible)
        return false;
    for (const TcxTreeListNode* node = m_parent; node && !node->GetIsRoot();
         node = node->m_parent) {
        if (!node->m_visible || !node->m_expanded)
            return false;
    }
    return true;
}

bool TcxTreeListNode::GetFocused() const
{
    return m_tree->GetFocusedNode() == this;
}

void TcxTreeListNode::SetFocused(bool focused)
{
    if (focused)
        m_tree->SetFocusedNode(this);
    else if (GetFocused())
        m_tree->SetFocusedNode(nullptr);
}

int TcxTreeListNode::GetValueCount() const
{
    return m_tree->GetColumnCount();
}

std::string TcxTreeListNode::GetValue(int column) const
{
    if (column < 0 || column >= GetValueCount())
        return {};
    return Cp1252::fromQString(DisplayText(column));
}

void TcxTreeListNode::SetValue(int column, const std::string& text)
{
    if (GetIsRoot() || column < 0 || column >= GetValueCount())
        return;
    const auto slot = static_cast<std::size_t>(column);
    if (slot >= m_values.size())
        m_values.resize(slot + 1);
    // Converted in place: a node reused by a refill keeps the buffer of its former text.
    QString& value = m_values[slot];
    value.resize(static_cast<qsizetype>(text.size()));
    QChar* out = value.data();
    for (char c : text)
        *out++ = QChar(static_cast<char16_t>(Cp1252::toUnicode(static_cast<unsigned char>(c))));
    m_tree->NodeValueChanged(this, column);
}

QString TcxTreeListNode::DisplayText(int column) const
{
    if (column < 0 || static_cast<std::size_t>(column) >= m_values.size())
        return {};
    const QString& value = m_values[static_cast<std::size_t>(column)];
    return value.isEmpty() ? QString() : value;
}

int TcxTreeListNode::GetNodeImageIndex(TcxTreeListImageIndexType kind) const
{
    if (kind < tlitImageIndex || kind > tlitOverlayIndex)
        return -1;
    return m_imageIndexes[static_cast<std::size_t>(kind)];
}

void TcxTreeListNode::SetNodeImageIndex(TcxTreeListImageIndexType kind, int index)
{
    if (kind < tlitImageIndex || kind > tlitOverlayIndex)
        return;
    m_imageIndexes[static_cast<std::size_t>(kind)] = index;
    if (kind == tlitStateIndex && !GetIsRoot())
        m_tree->NodeValueChanged(this, 0);
}
