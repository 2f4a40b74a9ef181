#include "TcxTreeListModel.h"

#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include <QBrush>
#include <QFont>

TcxTreeListModel::TcxTreeListModel(TcxKelTreeList* tree) : m_tree(tree) {}

TcxTreeListModel::~TcxTreeListModel() = default;

QModelIndex TcxTreeListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column < 0 || column >= m_tree->GetColumnCount())
        return {};
    const TcxTreeListNode* parentNode = NodeOf(parent);
    TcxTreeListNode* node = parentNode ? parentNode->GetItem(row) : nullptr;
    return node ? createIndex(row, column, node) : QModelIndex();
}

QModelIndex TcxTreeListModel::parent(const QModelIndex& child) const
{
    const TcxTreeListNode* node = child.isValid() ? NodeOf(child) : nullptr;
    if (!node || !node->GetParent())
        return {};
    return IndexOf(node->GetParent());
}

int TcxTreeListModel::rowCount(const QModelIndex& parent) const
{
    // Only the first column has children, as Qt's tree views expect.
    if (parent.isValid() && parent.column() != 0)
        return 0;
    const TcxTreeListNode* node = NodeOf(parent);
    return node ? node->GetCount() : 0;
}

int TcxTreeListModel::columnCount(const QModelIndex&) const
{
    return m_tree->GetColumnCount();
}

QVariant TcxTreeListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    TcxTreeListNode* node = NodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return node->DisplayText(index.column());
    case Qt::DecorationRole:
        if (index.column() == 0 && node->GetStateIndex() >= 0) {
            const QIcon icon = m_tree->StateImage(node->GetStateIndex());
            if (!icon.isNull())
                return icon;
        }
        return {};
    case Qt::BackgroundRole: {
        const TcxStyle style = m_tree->ContentStyleFor(node, index.column());
        if (style.HasColor() && style.GetColor() != clDefault)
            return QBrush(TColorToQColor(style.GetColor(), m_tree->palette()));
        return {};
    }
    case Qt::ForegroundRole: {
        const TcxStyle style = m_tree->ContentStyleFor(node, index.column());
        if (style.HasTextColor() && style.GetTextColor() != clDefault)
            return QBrush(TColorToQColor(style.GetTextColor(), m_tree->palette()));
        return {};
    }
    case Qt::FontRole: {
        const TcxStyle style = m_tree->ContentStyleFor(node, index.column());
        if (style.HasFont())
            return style.ApplyFont(m_tree->font());
        return {};
    }
    default:
        return {};
    }
}

QVariant TcxTreeListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section < 0 || static_cast<std::size_t>(section) >= m_tree->m_columnCaptions.size())
        return {};
    return m_tree->m_columnCaptions[static_cast<std::size_t>(section)];
}

Qt::ItemFlags TcxTreeListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Read-only: the tree list shows its lines, the caller changes them.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QModelIndex TcxTreeListModel::IndexOf(const TcxTreeListNode* node, int column) const
{
    if (!node || node->GetIsRoot() || column < 0 || column >= m_tree->GetColumnCount())
        return {};
    return createIndex(node->GetIndex(), column, const_cast<TcxTreeListNode*>(node));
}

TcxTreeListNode* TcxTreeListModel::NodeOf(const QModelIndex& index) const
{
    if (!index.isValid())
        return m_tree->GetRoot();
    return static_cast<TcxTreeListNode*>(index.internalPointer());
}

void TcxTreeListModel::BeginInsert(TcxTreeListNode* parent, int row)
{
    beginInsertRows(IndexOf(parent), row, row);
}

void TcxTreeListModel::BeginRemove(TcxTreeListNode* parent, int first, int last)
{
    beginRemoveRows(IndexOf(parent), first, last);
}

void TcxTreeListModel::CellChanged(TcxTreeListNode* node, int column)
{
    const QModelIndex cell = IndexOf(node, column);
    if (cell.isValid())
        emit dataChanged(cell, cell);
}

void TcxTreeListModel::HeaderChanged()
{
    if (m_tree->GetColumnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, m_tree->GetColumnCount() - 1);
}
