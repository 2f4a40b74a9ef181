#pragma once

// The Qt item model behind a TcxKelTreeList: it shows the tree's nodes and forwards to the view
// the changes the tree reports. The nodes stay the tree's; the model holds no state of its own.

#include "wizard_toolkit_export.h"

#include <QAbstractItemModel>

class TcxKelTreeList;
class TcxTreeListNode;

class WIZARD_TOOLKIT_EXPORT TcxTreeListModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    // `tree` outlives the model (it owns it).
    explicit TcxTreeListModel(TcxKelTreeList* tree);
    ~TcxTreeListModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The index of `node` in `column`; invalid for the root or null.
    QModelIndex IndexOf(const TcxTreeListNode* node, int column = 0) const;
    // The node of `index`; the root for an invalid index.
    TcxTreeListNode* NodeOf(const QModelIndex& index) const;

    // The tree's reports of change.
    void BeginInsert(TcxTreeListNode* parent, int row);
    void EndInsert() { endInsertRows(); }
    void BeginRemove(TcxTreeListNode* parent, int first, int last);
    void EndRemove() { endRemoveRows(); }
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }
    void CellChanged(TcxTreeListNode* node, int column);
    void HeaderChanged();

private:
    TcxKelTreeList* m_tree;
};
