#include "TcxKelTreeList.h"

#include "Cp1252.h"
#include "TcxTreeListModel.h"
#include "TcxTreeListNode.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

#include <algorithm>

TcxKelTreeList::TcxKelTreeList(TComponent* owner)
    : QTreeView(OwnerWidget(owner)), TWinControl(clWindow),
      m_root(new TcxTreeListNode(this, nullptr, 0)),
      m_model(std::make_unique<TcxTreeListModel>(this)), m_nodes(this), m_hitTest(this)
{
    setModel(m_model.get());
    // Rows of one height, scrolled a whole row at a time: the scroll bar's value is then the
    // top visible row, and long lists lay out in linear time.
    setUniformRowHeights(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setAllColumnsShowFocus(true);
    setDragEnabled(false);
    header()->setStretchLastSection(true);
    header()->setSectionsMovable(false);

    connect(this, &QTreeView::expanded, this,
            [this](const QModelIndex& index) { OnViewExpanded(index, true); });
    connect(this, &QTreeView::collapsed, this,
            [this](const QModelIndex& index) { OnViewExpanded(index, false); });
}

TcxKelTreeList::~TcxKelTreeList()
{
    // The view lets go of the model before the nodes it shows are destroyed, and reports no
    // focus change on the way.
    m_destroying = true;
    setModel(nullptr);
}

std::string TcxKelTreeList::GetText() const
{
    return m_focusedNode ? m_focusedNode->GetValue(0) : std::string();
}

int TcxKelTreeList::GetCount() const
{
    return m_root->GetCount();
}

TcxTreeListNode* TcxKelTreeList::GetItem(int index) const
{
    return m_root->GetItem(index);
}

TcxTreeListNode* TcxKelTreeList::AddChild(TcxTreeListNode* parent)
{
    if (parent && parent->m_tree != this)
        return nullptr;
    return InsertChild(parent ? parent : m_root.get());
}

int TcxKelTreeList::GetAbsoluteCount() const
{
    EnsureAbsoluteOrder();
    return static_cast<int>(m_absolute.size());
}

TcxTreeListNode* TcxKelTreeList::GetAbsoluteItem(int index) const
{
    EnsureAbsoluteOrder();
    if (index < 0 || static_cast<std::size_t>(index) >= m_absolute.size())
        return nullptr;
    return m_absolute[static_cast<std::size_t>(index)];
}

void TcxKelTreeList::Clear()
{
    m_focusedNode = nullptr;
    if (m_updateCount == 0) {
        m_syncing = true;
        m_model->BeginReset();
        Recycle(m_root->m_children);
        m_model->EndReset();
        m_syncing = false;
    } else {
        Recycle(m_root->m_children);
    }
    m_absolute.clear();
    m_absoluteValid = true;
    InvalidateRows();
}

void TcxKelTreeList::BeginUpdate()
{
    if (m_updateCount++ > 0)
        return;
    // The view hears of the whole batch at once, through a reset, and paints nothing meanwhile.
    setUpdatesEnabled(false);
    m_syncing = true;
    m_model->BeginReset();
    m_syncing = false;
}

void TcxKelTreeList::EndUpdate()
{
    if (m_updateCount == 0 || --m_updateCount > 0)
        return;
    if (m_sortPending) {
        m_sortPending = false;
        if (m_sortedColumn >= 0 && !IsSorted(m_root.get(), true))
            SortNodes(m_root.get(), true);
    }
    m_syncing = true;
    m_model->EndReset();
    SyncView();
    m_syncing = false;
    setUpdatesEnabled(true);
}

void TcxKelTreeList::SetSortedColumn(int column)
{
    m_sortedColumn = std::max(-1, column);
    Sort(m_root.get(), true);
}

namespace {

bool IsNumber(const QString& text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Two texts of digits by the numbers they write, whatever their digit counts.
int CompareNumbers(QStringView a, QStringView b)
{
    const auto significant = [](QStringView digits) {
        while (digits.size() > 1 && digits.front() == u'0')
            digits = digits.mid(1);
        return digits;
    };
    a = significant(a);
    b = significant(b);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

// Ascending by the text of one column, codes of digits by their numbers and before the other
// texts, which follow the locale; equal texts keep their order (stable sort).
struct ByColumn
{
    int column;
    bool operator()(const std::unique_ptr<TcxTreeListNode>& a,
                    const std::unique_ptr<TcxTreeListNode>& b) const
    {
        const QString x = a->DisplayText(column);
        const QString y = b->DisplayText(column);
        const bool xNumber = IsNumber(x);
        const bool yNumber = IsNumber(y);
        if (xNumber != yNumber)
            return xNumber;
        if (xNumber) {
            if (const int order = CompareNumbers(x, y))
                return order < 0;
        }
        return x.localeAwareCompare(y) < 0;
    }
};

} // namespace

bool TcxKelTreeList::IsSorted(const TcxTreeListNode* parent, bool deep) const
{
    const auto& children = parent->m_children;
    if (!std::is_sorted(children.begin(), children.end(), ByColumn{m_sortedColumn}))
        return false;
    if (deep)
        for (const auto& child : children)
            if (!IsSorted(child.get(), true))
                return false;
    return true;
}

void TcxKelTreeList::SortNodes(TcxTreeListNode* parent, bool deep)
{
    auto& children = parent->m_children;
    std::stable_sort(children.begin(), children.end(), ByColumn{m_sortedColumn});
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->m_index = static_cast<int>(i);
        if (deep)
            SortNodes(children[i].get(), true);
    }
    InvalidateAbsoluteOrder();
    InvalidateRows();
}

void TcxKelTreeList::Sort(TcxTreeListNode* parent, bool deep)
{
    if (m_sortedColumn < 0 || IsSorted(parent, deep))
        return;
    if (m_updateCount > 0) {
        m_sortPending = true;
        return;
    }
    const QScopedValueRollback<bool> syncing(m_syncing, true);
    m_model->BeginReset();
    SortNodes(parent, deep);
    m_model->EndReset();
    SyncView();
}

void TcxKelTreeList::SortLater()
{
    m_sortPending = true;
    if (m_updateCount > 0 || m_sortPosted)
        return;
    m_sortPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_sortPosted = false;
            // During an update, EndUpdate sorts.
            if (!m_sortPending || m_updateCount > 0)
                return;
            m_sortPending = false;
            Sort(m_root.get(), true);
        },
        Qt::QueuedConnection);
}

void TcxKelTreeList::SetColumnCount(int count)
{
    count = std::max(0, count);
    if (count == m_columnCount)
        return;
    if (m_updateCount > 0) {
        m_columnCount = count;
        return;
    }
    m_syncing = true;
    m_model->BeginReset();
    m_columnCount = count;
    m_model->EndReset();
    SyncView();
    m_syncing = false;
}

std::string TcxKelTreeList::GetColumnCaption(int column) const
{
    if (column < 0 || static_cast<std::size_t>(column) >= m_columnCaptions.size())
        return {};
    return Cp1252::fromQString(m_columnCaptions[static_cast<std::size_t>(column)]);
}

void TcxKelTreeList::SetColumnCaption(int column, const std::string& caption)
{
    if (column < 0)
        return;
    const auto slot = static_cast<std::size_t>(column);
    if (slot >= m_columnCaptions.size())
        m_columnCaptions.resize(slot + 1);
    m_columnCaptions[slot] = Cp1252::toQString(caption);
    if (m_updateCount == 0)
        m_model->HeaderChanged();
}

bool TcxKelTreeList::GetHeaderVisible() const
{
    return !isHeaderHidden();
}

void TcxKelTreeList::SetHeaderVisible(bool visible)
{
    setHeaderHidden(!visible);
}

void TcxKelTreeList::SetFocusedNode(TcxTreeListNode* node)
{
    if (node && (node->m_tree != this || node->GetIsRoot()))
        return;
    if (node == m_focusedNode)
        return;
    TcxTreeListNode* previous = m_focusedNode;
    m_focusedNode = node;
    if (m_updateCount == 0) {
        m_syncing = true;
        if (node) {
            selectionModel()->setCurrentIndex(m_model->IndexOf(node),
                                              QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
        } else {
            selectionModel()->clear();
        }
        m_syncing = false;
    }
    if (OnFocusedNodeChanged)
        OnFocusedNodeChanged(this, previous, node);
}

int TcxKelTreeList::GetTopVisibleIndex() const
{
    auto* self = const_cast<TcxKelTreeList*>(this);
    if (m_updateCount == 0)
        self->executeDelayedItemsLayout();
    return verticalScrollBar()->value();
}

void TcxKelTreeList::SetTopVisibleIndex(int index)
{
    if (m_updateCount > 0)
        return;
    executeDelayedItemsLayout();
    updateGeometries();
    verticalScrollBar()->setValue(std::max(0, index));
}

int TcxKelTreeList::GetVisibleCount() const
{
    int count = 0;
    // Walk the rows: a hidden or collapsed node's subtree has none.
    for (TcxTreeListNode* node = m_root->GetFirstChild(); node;) {
        if (node->m_visible)
            ++count;
        if (node->m_visible && node->m_expanded && node->GetHasChildren()) {
            node = node->GetFirstChild();
            continue;
        }
        TcxTreeListNode* next = nullptr;
        for (TcxTreeListNode* up = node; up && !up->GetIsRoot() && !next; up = up->m_parent)
            next = up->GetNextSibling();
        node = next;
    }
    return count;
}

TcxTreeListNode* TcxKelTreeList::NodeAt(const QPoint& point) const
{
    if (m_updateCount > 0)
        return nullptr;
    const QModelIndex index = indexAt(point);
    return index.isValid() ? m_model->NodeOf(index) : nullptr;
}

void TcxKelTreeList::MakeVisible(TcxTreeListNode* node)
{
    if (m_updateCount == 0 && node && node->m_tree == this && !node->GetIsRoot())
        scrollTo(m_model->IndexOf(node));
}

void TcxKelTreeList::SetContentStyle(const TcxStyle& style)
{
    m_contentStyle = style;
    viewport()->update();
}

void TcxKelTreeList::SetLevelStyles(const std::vector<TcxStyle>& styles)
{
    m_levelStyles = styles;
    viewport()->update();
}

void TcxKelTreeList::SetContentEvenStyle(const TcxStyle& style)
{
    m_contentEvenStyle = style;
    viewport()->update();
}

void TcxKelTreeList::SetContentOddStyle(const TcxStyle& style)
{
    m_contentOddStyle = style;
    viewport()->update();
}

void TcxKelTreeList::SetBackgroundStyle(const TcxStyle& style)
{
    if (style.HasColor())
        SetColor(style.GetColor());
}

TcxStyle TcxKelTreeList::ContentStyleFor(TcxTreeListNode* node, int column) const
{
    TcxStyle style = m_contentStyle;
    if (node && (m_contentEvenStyle != TcxStyle() || m_contentOddStyle != TcxStyle())) {
        if (const int row = RowOf(node); row >= 0)
            style.Merge(row % 2 == 0 ? m_contentEvenStyle : m_contentOddStyle);
    }
    if (!m_levelStyles.empty() && node) {
        const auto level = static_cast<std::size_t>(std::max(0, node->GetLevel()));
        style.Merge(m_levelStyles[std::min(level, m_levelStyles.size() - 1)]);
    }
    if (!OnGetContentStyle)
        return style;
    const TcxStyle* chosen = &style;
    OnGetContentStyle(const_cast<TcxKelTreeList*>(this), column, node, chosen);
    if (chosen == &style)
        return style;
    return chosen ? *chosen : TcxStyle();
}

void TcxKelTreeList::SetStateImages(const QList<QIcon>& images)
{
    m_stateImages = images;
    viewport()->update();
}

QIcon TcxKelTreeList::StateImage(int index) const
{
    return index >= 0 && index < m_stateImages.size() ? m_stateImages.at(index) : QIcon();
}

void TcxKelTreeList::mousePressEvent(QMouseEvent* event)
{
    m_hitTest.ReCalculate(event->position().toPoint());
    m_pressed = event->button() == Qt::LeftButton;
    QTreeView::mousePressEvent(event);
}

void TcxKelTreeList::mouseMoveEvent(QMouseEvent* event)
{
    m_hitTest.ReCalculate(event->position().toPoint());
    QTreeView::mouseMoveEvent(event);
}

void TcxKelTreeList::mouseReleaseEvent(QMouseEvent* event)
{
    m_hitTest.ReCalculate(event->position().toPoint());
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       viewport()->rect().contains(event->position().toPoint());
    m_pressed = false;
    QTreeView::mouseReleaseEvent(event);
    // Last: the handler may change screens, and with them this widget's surroundings.
    if (click && OnClick)
        OnClick(this);
}

void TcxKelTreeList::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // QTreeView tells assistive technologies that the new current line has the focus, even
    // while the keyboard is elsewhere: a line made current by a refresh would then be read
    // out at every key typed in a field. Only a tree that has the focus says so.
    if (hasFocus()) {
        QTreeView::currentChanged(current, previous);
    } else {
        QAbstractItemView::currentChanged(current, previous);
        viewport()->update(); // whole lines: every column shows the focus
    }
    if (m_syncing || m_destroying || (current.isValid() && current.model() != m_model.get()))
        return;
    FocusChanged(current.isValid() ? m_model->NodeOf(current) : nullptr);
}

void TcxKelTreeList::FocusChanged(TcxTreeListNode* node)
{
    if (node == m_focusedNode)
        return;
    TcxTreeListNode* previous = m_focusedNode;
    m_focusedNode = node;
    if (OnFocusedNodeChanged)
        OnFocusedNodeChanged(this, previous, node);
}

TcxTreeListNode* TcxKelTreeList::InsertChild(TcxTreeListNode* parent)
{
    InvalidateRows();
    const int row = parent->GetCount();
    if (m_updateCount == 0)
        m_model->BeginInsert(parent, row);
    parent->m_children.push_back(MakeNode(parent, row));
    TcxTreeListNode* child = parent->m_children.back().get();
    if (m_updateCount == 0)
        m_model->EndInsert();

    // A node added at the very end of the absolute order (the usual case while filling) is
    // appended to it; anywhere else the order is rebuilt when next asked for.
    if (m_absoluteValid) {
        bool atEnd = true;
        for (const TcxTreeListNode* node = parent; node && !node->GetIsRoot();
             node = node->m_parent)
            atEnd = atEnd && node->GetIsLast();
        if (atEnd) {
            child->m_absoluteIndex = static_cast<int>(m_absolute.size());
            m_absolute.push_back(child);
        } else {
            InvalidateAbsoluteOrder();
        }
    }
    return child;
}

void TcxKelTreeList::RemoveNode(TcxTreeListNode* node)
{
    ForgetFocusWithin(node);
    TcxTreeListNode* parent = node->m_parent;
    const int row = node->m_index;
    if (m_updateCount == 0)
        m_model->BeginRemove(parent, row, row);
    auto& siblings = parent->m_children;
    std::vector<std::unique_ptr<TcxTreeListNode>> removed;
    removed.push_back(std::move(siblings[static_cast<std::size_t>(row)]));
    siblings.erase(siblings.begin() + row);
    Recycle(removed);
    for (std::size_t i = static_cast<std::size_t>(row); i < siblings.size(); ++i)
        siblings[i]->m_index = static_cast<int>(i);
    if (m_updateCount == 0)
        m_model->EndRemove();
    InvalidateAbsoluteOrder();
    InvalidateRows();
}

void TcxKelTreeList::RemoveChildren(TcxTreeListNode* parent)
{
    if (!parent->GetHasChildren())
        return;
    if (parent->GetIsRoot()) {
        if (m_focusedNode)
            SetFocusedNode(nullptr);
        Clear();
        return;
    }
    for (const auto& child : parent->m_children)
        ForgetFocusWithin(child.get());
    if (m_updateCount == 0)
        m_model->BeginRemove(parent, 0, parent->GetCount() - 1);
    Recycle(parent->m_children);
    if (m_updateCount == 0)
        m_model->EndRemove();
    InvalidateAbsoluteOrder();
    InvalidateRows();
}

void TcxKelTreeList::NodeValueChanged(TcxTreeListNode* node, int column)
{
    if (m_updateCount == 0)
        m_model->CellChanged(node, column);
    if (column == m_sortedColumn)
        SortLater();
}

void TcxKelTreeList::NodeExpandedChanged(TcxTreeListNode* node)
{
    InvalidateRows();
    if (m_updateCount == 0) {
        m_syncing = true;
        setExpanded(m_model->IndexOf(node), node->m_expanded);
        m_syncing = false;
    }
    if (node->m_expanded) {
        if (OnExpanded)
            OnExpanded(this, node);
    } else if (OnCollapsed) {
        OnCollapsed(this, node);
    }
}

void TcxKelTreeList::NodeVisibleChanged(TcxTreeListNode* node)
{
    InvalidateRows();
    if (m_updateCount == 0)
        setRowHidden(node->m_index, m_model->IndexOf(node->m_parent), !node->m_visible);
}

void TcxKelTreeList::Recycle(std::vector<std::unique_ptr<TcxTreeListNode>>& nodes)
{
    // Depth-first, as the tree was filled; reversed below since m_spare is used from its end.
    const auto first = static_cast<std::ptrdiff_t>(m_spare.size());
    std::vector<std::unique_ptr<TcxTreeListNode>> pending;
    for (auto it = nodes.rbegin(); it != nodes.rend(); ++it)
        pending.push_back(std::move(*it));
    nodes.clear();
    while (!pending.empty()) {
        std::unique_ptr<TcxTreeListNode> node = std::move(pending.back());
        pending.pop_back();
        auto& children = node->m_children;
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            pending.push_back(std::move(*it));
        node->Reset();
        m_spare.push_back(std::move(node));
    }
    std::reverse(m_spare.begin() + first, m_spare.end());
}

std::unique_ptr<TcxTreeListNode> TcxKelTreeList::MakeNode(TcxTreeListNode* parent, int index)
{
    if (m_spare.empty())
        return std::unique_ptr<TcxTreeListNode>(new TcxTreeListNode(this, parent, index));
    std::unique_ptr<TcxTreeListNode> node = std::move(m_spare.back());
    m_spare.pop_back();
    node->m_parent = parent;
    node->m_index = index;
    return node;
}

void TcxKelTreeList::EnsureAbsoluteOrder() const
{
    if (m_absoluteValid)
        return;
    m_absolute.clear();
    for (TcxTreeListNode* node = m_root->GetNext(); node; node = node->GetNext()) {
        node->m_absoluteIndex = static_cast<int>(m_absolute.size());
        m_absolute.push_back(node);
    }
    m_absoluteValid = true;
}

int TcxKelTreeList::RowOf(const TcxTreeListNode* node) const
{
    if (!m_rowsValid) {
        for (TcxTreeListNode* each = m_root->GetNext(); each; each = each->GetNext())
            each->m_row = -1;
        int row = 0;
        // The rows shown, as GetVisibleCount walks them.
        for (TcxTreeListNode* each = m_root->GetFirstChild(); each;) {
            if (each->m_visible)
                each->m_row = row++;
            if (each->m_visible && each->m_expanded && each->GetHasChildren()) {
                each = each->GetFirstChild();
                continue;
            }
            TcxTreeListNode* next = nullptr;
            for (TcxTreeListNode* up = each; up && !up->GetIsRoot() && !next; up = up->m_parent)
                next = up->GetNextSibling();
            each = next;
        }
        m_rowsValid = true;
    }
    return node->m_tree == this ? node->m_row : -1;
}

void TcxKelTreeList::SyncView()
{
    for (TcxTreeListNode* node = m_root->GetNext(); node; node = node->GetNext()) {
        if (node->m_expanded)
            setExpanded(m_model->IndexOf(node), true);
        if (!node->m_visible)
            setRowHidden(node->m_index, m_model->IndexOf(node->m_parent), true);
    }
    if (m_focusedNode) {
        selectionModel()->setCurrentIndex(m_model->IndexOf(m_focusedNode),
                                          QItemSelectionModel::ClearAndSelect |
                                              QItemSelectionModel::Rows);
    }
}

void TcxKelTreeList::OnViewExpanded(const QModelIndex& index, bool expanded)
{
    if (m_syncing || m_destroying || !index.isValid())
        return;
    TcxTreeListNode* node = m_model->NodeOf(index);
    if (!node || node->GetIsRoot() || node->m_expanded == expanded)
        return;
    node->m_expanded = expanded;
    InvalidateRows();
    if (expanded) {
        if (OnExpanded)
            OnExpanded(this, node);
    } else if (OnCollapsed) {
        OnCollapsed(this, node);
    }
}

void TcxKelTreeList::ForgetFocusWithin(TcxTreeListNode* node)
{
    for (const TcxTreeListNode* up = m_focusedNode; up; up = up->m_parent) {
        if (up == node) {
            SetFocusedNode(nullptr);
            return;
        }
    }
}
