#pragma once

// One node (line) of a TcxKelTreeList: a text per column, an integer of user data, image
// indexes, and its expanded, visible and focused states. Nodes belong to their tree: they are
// made by AddChild and taken out by Delete or by the tree's Clear, never by the caller. A node
// taken out is dead to the caller: the tree keeps its memory to make the next nodes it adds.
//
// Absolute order is the depth-first order of every node of the tree (collapsed or hidden ones
// included); the tree's invisible root node is not part of it and has level -1, so top-level
// nodes have level 0.

#include "wizard_toolkit_export.h"

#include "TObject.h"

#include <QString>

#include <array>
#include <memory>
#include <string>
#include <vector>

class TcxKelTreeList;

// The image slots of a node; the state image shows beside the node's first column.
enum TcxTreeListImageIndexType
{
    tlitImageIndex = 0,
    tlitSelectedIndex = 1,
    tlitStateIndex = 2,
    tlitOverlayIndex = 3
};

class WIZARD_TOOLKIT_EXPORT TcxTreeListNode : public TObject
{
public:
    // A node is a place in one tree: copies would have no tree to live in, so there are none;
    // nodes compare by identity.
    TcxTreeListNode(const TcxTreeListNode&) = delete;
    TcxTreeListNode& operator=(const TcxTreeListNode&) = delete;
    ~TcxTreeListNode() override;

    bool operator==(const TcxTreeListNode& other) const { return this == &other; }

    TcxKelTreeList* GetTreeList() const { return m_tree; }
    bool GetIsRoot() const { return m_parent == nullptr; }

    // Structure. GetParent of a top-level node is the tree's root node; of the root, null.
    TcxTreeListNode* GetParent() const { return m_parent; }
    int GetLevel() const;
    // Position among the parent's children.
    int GetIndex() const { return m_index; }
    int GetCount() const { return static_cast<int>(m_children.size()); }
    // The child at `index`, or null outside 0 .. GetCount() - 1.
    TcxTreeListNode* GetItem(int index) const;
    bool GetHasChildren() const { return !m_children.empty(); }
    TcxTreeListNode* GetFirstChild() const;
    TcxTreeListNode* GetLastChild() const;
    TcxTreeListNode* GetNextSibling() const;
    TcxTreeListNode* GetPrevSibling() const;
    bool GetIsFirst() const { return m_index == 0; }
    bool GetIsLast() const;

    // Appends a new last child and returns it (owned by the tree).
    TcxTreeListNode* AddChild();
    // Removes this node and its subtree from the tree and destroys them; the pointer is dead
    // afterwards. On the root node it removes the children only.
    void Delete();
    void DeleteChildren();

    // Absolute order: the next node (its first child, else the next sibling of it or of its
    // nearest ancestor that has one), or null after the last.
    TcxTreeListNode* GetNext() const;
    TcxTreeListNode* GetPrev() const;
    // Position in absolute order; -1 for the root.
    int GetAbsoluteIndex() const;

    // A node keeps its expanded state even without children; expanding or collapsing raises
    // the tree's OnExpanded / OnCollapsed when the state changes.
    bool GetExpanded() const { return m_expanded; }
    void SetExpanded(bool expanded);
    // Hidden nodes (for filtering) keep their place but show no row, nor do their children.
    bool GetVisible() const { return m_visible; }
    void SetVisible(bool visible);
    // True when the node has a row on screen: it and its ancestors are visible and its
    // ancestors are expanded (scrolling aside).
    bool GetIsVisible() const;

    bool GetFocused() const;
    // Focusing a node moves the tree's focus (and selection) to it; unfocusing the focused
    // node leaves the tree without a focused node.
    void SetFocused(bool focused);

    // One value per column of the tree.
    int GetValueCount() const;
    // Windows-1252 text; empty for a column without value or out of range.
    std::string GetValue(int column) const;
    std::string GetTexts(int column) const { return GetValue(column); }
    // Ignored for a column out of range.
    void SetValue(int column, const std::string& text);
    // Qt's text of a column, as the tree displays it.
    QString DisplayText(int column) const;

    // The integer of user data (an identifier); 0 until set.
    int GetData() const { return m_data; }
    void SetData(int data) { m_data = data; }

    // -1 (no image) until set.
    int GetNodeImageIndex(TcxTreeListImageIndexType kind) const;
    void SetNodeImageIndex(TcxTreeListImageIndexType kind, int index);
    int GetStateIndex() const { return GetNodeImageIndex(tlitStateIndex); }

private:
    friend class TcxKelTreeList;

    TcxTreeListNode(TcxKelTreeList* tree, TcxTreeListNode* parent, int index);
    // Back to the state of a new node, with no place in the tree; its vectors keep their
    // capacity for its next use.
    void Reset();

    TcxKelTreeList* m_tree;
    TcxTreeListNode* m_parent;
    std::vector<std::unique_ptr<TcxTreeListNode>> m_children;
    int m_index;
    int m_absoluteIndex = -1;      // valid while the tree's absolute order is
    int m_row = -1;                // valid while the tree's rows are
    std::vector<QString> m_values; // grows to the columns that have been set
    int m_data = 0;
    std::array<int, 4> m_imageIndexes{-1, -1, -1, -1};
    bool m_expanded = false;
    bool m_visible = true;
};
