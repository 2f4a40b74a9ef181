#pragma once

// The node collection of a tree list, as the tree's Nodes: every node in absolute
// (depth-first) order, and the root. A light handle onto its tree; it owns nothing.

#include "wizard_toolkit_export.h"

class TcxKelTreeList;
class TcxTreeListNode;

class WIZARD_TOOLKIT_EXPORT TcxTreeListNodes
{
public:
    explicit TcxTreeListNodes(TcxKelTreeList* tree = nullptr) : m_tree(tree) {}
    TcxTreeListNodes(const TcxTreeListNodes&) = default;
    TcxTreeListNodes& operator=(const TcxTreeListNodes&) = default;
    virtual ~TcxTreeListNodes();

    bool operator==(const TcxTreeListNodes&) const = default;

    TcxKelTreeList* GetTreeList() const { return m_tree; }
    TcxTreeListNode* GetRoot() const;
    // Number of nodes of the tree (root excluded).
    int GetCount() const;
    // The node at `index` in absolute order, or null outside 0 .. GetCount() - 1.
    TcxTreeListNode* GetAbsoluteItem(int index) const;

private:
    TcxKelTreeList* m_tree;
};
