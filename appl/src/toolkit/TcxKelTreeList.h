#pragma once

// The in-house tree list: a read-only tree of nodes with one text per column, up to any depth,
// fast enough for screens of hundreds of lines. It is a QTreeView over a model of our own whose
// nodes (TcxTreeListNode) hold every state a caller sets (values, data, expansion, visibility,
// focus); the view only shows them.
//
// Between BeginUpdate and EndUpdate the view is not told of each change: nodes can be added,
// valued, expanded and hidden in bulk and the view catches up once at EndUpdate.

#include "wizard_toolkit_export.h"

#include "TWinControl.h"
#include "TcxStyle.h"
#include "TcxTreeListHitTest.h"
#include "TcxTreeListNodes.h"

#include <QIcon>
#include <QList>
#include <QTreeView>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TcxTreeListModel;
class TcxTreeListNode;

// A node was expanded or collapsed (by the user or by code).
using TcxTreeListNodeChangedEvent = std::function<void(TObject* Sender, TcxTreeListNode* Node)>;
// The focus moved from `PrevFocusedNode` to `FocusedNode` (either may be null).
using TcxTreeListFocusedNodeChangedEvent = std::function<void(
    TObject* Sender, TcxTreeListNode* PrevFocusedNode, TcxTreeListNode* FocusedNode)>;
// Asked for each cell drawn: `AStyle` holds the style the tree would use (null: the plain
// look); the handler may point it at another style, which must outlive the call.
using TcxTreeListGetContentStyleEvent = std::function<void(
    TObject* Sender, int Column, TcxTreeListNode* Node, const TcxStyle*& AStyle)>;

class WIZARD_TOOLKIT_EXPORT TcxKelTreeList : public QTreeView, public TWinControl
{
    Q_OBJECT

public:
    explicit TcxKelTreeList(TComponent* owner = nullptr);
    ~TcxKelTreeList() override;

    // Text of the focused node's first column.
    std::string GetText() const override;
    void SetText(const std::string&) override {}

    // Nodes. The root is the invisible parent of the top-level nodes.
    TcxTreeListNodes* GetNodes() { return &m_nodes; }
    TcxTreeListNode* GetRoot() const { return m_root.get(); }
    // Top-level nodes: their number and the one at `index` (null out of range).
    int GetCount() const;
    TcxTreeListNode* GetItem(int index) const;
    // Appends a last child to `parent` (the root when null) and returns it.
    TcxTreeListNode* AddChild(TcxTreeListNode* parent = nullptr);
    // Every node in absolute (depth-first) order; null out of range.
    int GetAbsoluteCount() const;
    TcxTreeListNode* GetAbsoluteItem(int index) const;
    // Removes every node; raises no expand, collapse or focus event.
    void Clear();

    void BeginUpdate();
    void EndUpdate();
    bool IsUpdateLocked() const { return m_updateCount > 0; }

    // The column whose texts order the children of every node, ascending, codes of digits by
    // their numbers (-1: the order in which they were added). Nodes whose text in that column
    // is set take their places all at once: at EndUpdate during an update, otherwise once the
    // events posted meanwhile are processed (so that a loop setting the texts of the nodes it
    // walks sees them stay in place).
    int GetSortedColumn() const { return m_sortedColumn; }
    void SetSortedColumn(int column);

    // Columns: one value per column in every node. One column to start with.
    int GetColumnCount() const { return m_columnCount; }
    void SetColumnCount(int count);
    std::string GetColumnCaption(int column) const;
    void SetColumnCaption(int column, const std::string& caption);
    bool GetHeaderVisible() const;
    void SetHeaderVisible(bool visible);

    TcxTreeListNode* GetFocusedNode() const { return m_focusedNode; }
    // Focuses and selects `node` (null: no focused node); a node of another tree is ignored.
    void SetFocusedNode(TcxTreeListNode* node);

    // The first row shown at the top, counted over the rows that have a place on screen
    // (visible nodes under expanded parents); setting it scrolls as far as the list allows.
    int GetTopVisibleIndex() const;
    void SetTopVisibleIndex(int index);
    // Nodes that have a row, in display order.
    int GetVisibleCount() const;

    // The hit test of the last mouse position over the tree (see ReCalculate).
    TcxTreeListHitTest* GetHitTest() { return &m_hitTest; }
    // The node whose row is at `point` (viewport coordinates), or null.
    TcxTreeListNode* NodeAt(const QPoint& point) const;
    // Scrolls `node`'s row into view (expanding nothing).
    void MakeVisible(TcxTreeListNode* node);

    // Styles: the content style for every cell, then per level (the last one given serving
    // every deeper level), then what OnGetContentStyle chooses.
    const TcxStyle& GetContentStyle() const { return m_contentStyle; }
    void SetContentStyle(const TcxStyle& style);
    void SetLevelStyles(const std::vector<TcxStyle>& styles);
    // Alternating rows: applied over the content style, below the level styles, by the row's
    // place among the rows shown (the first row is even).
    void SetContentEvenStyle(const TcxStyle& style);
    void SetContentOddStyle(const TcxStyle& style);
    // The colour of the area around and below the rows.
    void SetBackgroundStyle(const TcxStyle& style);
    // The style a cell is drawn with, after OnGetContentStyle (an empty style: the plain look).
    TcxStyle ContentStyleFor(TcxTreeListNode* node, int column) const;

    // Images for the nodes' state index (tlitStateIndex), shown before the first column.
    void SetStateImages(const QList<QIcon>& images);
    QIcon StateImage(int index) const;

    // Events; an empty handler means nobody listens.
    TNotifyEvent OnClick;
    TcxTreeListNodeChangedEvent OnExpanded;
    TcxTreeListNodeChangedEvent OnCollapsed;
    TcxTreeListFocusedNodeChangedEvent OnFocusedNodeChanged;
    TcxTreeListGetContentStyleEvent OnGetContentStyle;

protected:
    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }
    bool FillsBackground() const override { return false; }

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    friend class TcxTreeListNode;
    friend class TcxTreeListModel;
    friend class TcxTreeListHitTest;

    // Called by the nodes.
    TcxTreeListNode* InsertChild(TcxTreeListNode* parent);
    void RemoveNode(TcxTreeListNode* node);
    void RemoveChildren(TcxTreeListNode* parent);
    void NodeValueChanged(TcxTreeListNode* node, int column);
    void NodeExpandedChanged(TcxTreeListNode* node);
    void NodeVisibleChanged(TcxTreeListNode* node);

    // Nodes taken out of the tree are kept, emptied, and made again by InsertChild: a tree
    // refilled with as many lines allocates no node. `nodes` (siblings, with their subtrees)
    // are moved to m_spare so that they are taken back in the order they had in the tree.
    void Recycle(std::vector<std::unique_ptr<TcxTreeListNode>>& nodes);
    std::unique_ptr<TcxTreeListNode> MakeNode(TcxTreeListNode* parent, int index);

    // Absolute order, rebuilt on demand after a change of structure.
    void InvalidateAbsoluteOrder() { m_absoluteValid = false; }
    void EnsureAbsoluteOrder() const;

    // Sorting by m_sortedColumn: whether the children of `parent` (and, when `deep`, of every
    // node below) are in order; putting them in order (the model must be in a reset).
    bool IsSorted(const TcxTreeListNode* parent, bool deep) const;
    void SortNodes(TcxTreeListNode* parent, bool deep);
    // Puts them in order and tells the view, or waits for EndUpdate during an update.
    void Sort(TcxTreeListNode* parent, bool deep);
    // Sorts every node once the current batch of changes is over.
    void SortLater();

    // The row of a node among the rows shown (-1 without a row), rebuilt on demand.
    int RowOf(const TcxTreeListNode* node) const;
    void InvalidateRows() { m_rowsValid = false; }

    // Gives the view every state the nodes hold (after a reset of the model).
    void SyncView();
    void OnViewExpanded(const QModelIndex& index, bool expanded);
    void ForgetFocusWithin(TcxTreeListNode* node);
    void FocusChanged(TcxTreeListNode* node);

    std::unique_ptr<TcxTreeListNode> m_root;
    // Spare nodes, the next to be used last. At most as many nodes as the tree ever held at
    // once, freed with the tree.
    std::vector<std::unique_ptr<TcxTreeListNode>> m_spare;
    std::unique_ptr<TcxTreeListModel> m_model;
    TcxTreeListNodes m_nodes;
    TcxTreeListHitTest m_hitTest;
    TcxTreeListNode* m_focusedNode = nullptr;
    int m_updateCount = 0;
    int m_columnCount = 1;
    std::vector<QString> m_columnCaptions;
    mutable std::vector<TcxTreeListNode*> m_absolute;
    mutable bool m_absoluteValid = true;
    mutable bool m_rowsValid = false;
    int m_sortedColumn = -1;
    bool m_sortPending = false; // a sorted text changed since the nodes were last sorted
    bool m_sortPosted = false;  // a sort is posted to the event loop
    bool m_syncing = false;     // the view is being given the nodes' states
    bool m_pressed = false;
    bool m_destroying = false;

    TcxStyle m_contentStyle;
    std::vector<TcxStyle> m_levelStyles;
    TcxStyle m_contentEvenStyle;
    TcxStyle m_contentOddStyle;
    QList<QIcon> m_stateImages;
};
