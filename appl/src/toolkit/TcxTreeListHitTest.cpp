#include "TcxTreeListHitTest.h"

#include "TcxKelTreeList.h"
#include "TcxTreeListModel.h"
#include "TcxTreeListNode.h"

#include <QHeaderView>
#include <QStyle>

TcxTreeListHitTest::~TcxTreeListHitTest() = default;

TcxTreeListNode* TcxTreeListHitTest::GetHitNode() const
{
    return m_valid && m_tree ? m_tree->NodeAt(m_point) : nullptr;
}

bool TcxTreeListHitTest::GetState(int code) const
{
    if (!m_valid || !m_tree || m_tree->IsUpdateLocked())
        return code == tlhc_HitAtNowhere;

    const QRect area = m_tree->viewport()->rect();
    if (!area.contains(m_point)) {
        // Above the rows' area, within the header's height, is the column header.
        const bool onHeader = m_tree->GetHeaderVisible() && m_point.y() < 0 &&
                              m_point.y() >= -m_tree->header()->height() && m_point.x() >= 0 &&
                              m_point.x() < area.width();
        if (code == tlhc_HitAtColumn)
            return onHeader;
        return code == tlhc_HitAtNowhere && !onHeader;
    }

    const QModelIndex index = m_tree->indexAt(m_point);
    if (!index.isValid())
        return code == tlhc_HitAtBackground;
    if (code == tlhc_HitAtNode)
        return true;

    // Column 0 starts after the indentation; its last step is where the expand button sits.
    TcxTreeListNode* node = m_tree->m_model->NodeOf(index);
    const QRect first = m_tree->visualRect(index.siblingAtColumn(0));
    const int contentLeft = first.left();
    const int buttonLeft = contentLeft - m_tree->indentation();
    const int x = m_point.x();
    const bool inFirstColumn = index.column() == 0;
    const bool onButton = inFirstColumn && node->GetHasChildren() && x >= buttonLeft &&
                          x < contentLeft && m_tree->rootIsDecorated();
    const bool onIndent = inFirstColumn && x < contentLeft && !onButton;
    const bool hasStateImage = !m_tree->StateImage(node->GetStateIndex()).isNull();
    const int iconWidth =
        m_tree->iconSize().isValid()
            ? m_tree->iconSize().width()
            : m_tree->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, m_tree);
    const bool onStateImage =
        inFirstColumn && hasStateImage && x >= contentLeft && x < contentLeft + iconWidth;

    switch (code) {
    case tlhc_HitAtButton:
        return onButton;
    case tlhc_HitAtIndent:
        return onIndent;
    case tlhc_HitAtStateImage:
        return onStateImage;
    case tlhc_HitAtCell:
        return !onButton && !onIndent && !onStateImage;
    default:
        return false;
    }
}
