#include "TcxTreeListNodes.h"

#include "TcxKelTreeList.h"

TcxTreeListNodes::~TcxTreeListNodes() = default;

TcxTreeListNode* TcxTreeListNodes::GetRoot() const
{
    return m_tree ? m_tree->GetRoot() : nullptr;
}

int TcxTreeListNodes::GetCount() const
{
    return m_tree ? m_tree->GetAbsoluteCount() : 0;
}

TcxTreeListNode* TcxTreeListNodes::GetAbsoluteItem(int index) const
{
    return m_tree ? m_tree->GetAbsoluteItem(index) : nullptr;
}
