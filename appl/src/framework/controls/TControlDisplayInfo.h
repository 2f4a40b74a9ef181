#pragma once

// The saved display state of one tree control, so that its nodes open again as the user left
// them when a screen is rebuilt: the control's lettrage and, per node, whether it was expanded.
// The wizard form presenter owns the records; a control working on one does not.

#include <cstddef>
#include <unordered_set>

#include "wizard_framework_export.h"

#include <vector>

namespace Framework {

// One node of a saved tree: its id and whether it was expanded; a value of its record.
class WIZARD_FRAMEWORK_EXPORT TNodeInfo
{
public:
    TNodeInfo() = default;
    TNodeInfo(int nodeId, bool expanded) : m_nodeId(nodeId), m_expanded(expanded) {}
    TNodeInfo(const TNodeInfo& other) = default;
    TNodeInfo& operator=(const TNodeInfo& other) = default;
    virtual ~TNodeInfo() = default;

    bool operator==(const TNodeInfo& other) const
    {
        return m_nodeId == other.m_nodeId && m_expanded == other.m_expanded;
    }

    // The identifier the tree node carries (list data column -3).
    int getNodeId() const { return m_nodeId; }
    void setNodeId(int nodeId) { m_nodeId = nodeId; }
    bool getExpanded() const { return m_expanded; }
    void setExpanded(bool expanded) { m_expanded = expanded; }

private:
    int m_nodeId = -1;
    bool m_expanded = false;
};

} // namespace Framework

// Each record owns the entries of its list and deletes them when destroyed. To keep one owner
// per entry, a copy duplicates the entries: it never shares them with the original.
class WIZARD_FRAMEWORK_EXPORT TControlDisplayInfo
{
public:
    TControlDisplayInfo() = default;
    TControlDisplayInfo(const TControlDisplayInfo& other);
    TControlDisplayInfo& operator=(const TControlDisplayInfo& other);
    virtual ~TControlDisplayInfo();

    // Same control identifier and the very same entries in the same order. Entries are
    // compared by identity: a copy, which holds entries of its own, is not equal to its
    // original, and neither are two records that built equal entries separately.
    bool operator==(const TControlDisplayInfo& other) const;

    // The record takes ownership of `info`. Null, or an entry the record already holds, is
    // ignored.
    void AddNodeInfo(Framework::TNodeInfo* info);

    int getCtrlId() const { return m_ctrlId; }
    void setCtrlId(int ctrlId) { m_ctrlId = ctrlId; }

    // The entries, in tree order. The pointers stay the record's: do not delete them, except
    // to replace the whole list through setNodeInfoList (see there).
    std::vector<Framework::TNodeInfo*> getNodeInfoList() const { return m_nodeInfoList; }
    // Replaces the list; the record takes ownership of the given entries (null entries and
    // repeats are dropped). The entries held before are NOT deleted: those that are not in the
    // new list go back to the caller, who deletes them (typically after reading them through
    // getNodeInfoList). To empty the list and free its entries, use ClearNodeInfoList.
    void setNodeInfoList(const std::vector<Framework::TNodeInfo*>& nodeInfoList);
    // Deletes every entry and empties the list, before saving a tree afresh.
    void ClearNodeInfoList();
    // Makes the list `count` entries long: the first entries stay, for the caller to rewrite
    // in place; those beyond are deleted; default entries are appended. Saving a tree again
    // thus allocates nothing when its number of nodes has not changed.
    void ResizeNodeInfoList(std::size_t count);

private:
    std::vector<Framework::TNodeInfo*> m_nodeInfoList; // owned
    // The same entries, so that a tree of many nodes is recorded in linear time.
    std::unordered_set<const Framework::TNodeInfo*> m_held;
    int m_ctrlId = 0;
};
