#pragma once

// What lies under a point of a tree list: the node whose row it is and which part of the row.
// The tree recalculates it at every mouse press, move and release, so that a click handler
// reads where the click happened. The result is worked out when asked, so it never refers to
// a node that has been deleted since.

#include "wizard_toolkit_export.h"

#include <QPoint>

class TcxKelTreeList;
class TcxTreeListNode;

// Hit codes, tested with GetState. Several hold at once (a node's expand button is also on
// the node's row).
enum TcxTreeListHitCode
{
    tlhc_HitAtNowhere = 0,    // outside the rows' area
    tlhc_HitAtBackground = 1, // the empty area below the last row
    tlhc_HitAtColumn = 2,     // a column header
    tlhc_HitAtIndent = 3,     // the indentation left of a node (button excluded)
    tlhc_HitAtStateImage = 4, // a node's state image
    tlhc_HitAtCell = 5,       // a node's values
    tlhc_HitAtNode = 6,       // anywhere on a node's row
    tlhc_HitAtButton = 7,     // the expand/collapse button of a node with children
};

class WIZARD_TOOLKIT_EXPORT TcxTreeListHitTest
{
public:
    explicit TcxTreeListHitTest(TcxKelTreeList* tree = nullptr) : m_tree(tree) {}
    TcxTreeListHitTest(const TcxTreeListHitTest&) = default;
    TcxTreeListHitTest& operator=(const TcxTreeListHitTest&) = default;
    virtual ~TcxTreeListHitTest();

    bool operator==(const TcxTreeListHitTest&) const = default;

    // Moves the test to `point`, in the coordinates of the tree's viewport.
    void ReCalculate(const QPoint& point)
    {
        m_point = point;
        m_valid = true;
    }
    QPoint GetHitPoint() const { return m_point; }

    // The node under the point, or null.
    TcxTreeListNode* GetHitNode() const;
    bool GetHitAtNode() const { return GetState(tlhc_HitAtNode); }
    bool GetHitAtButton() const { return GetState(tlhc_HitAtButton); }
    // Whether the point is on the part named by `code` (a TcxTreeListHitCode).
    bool GetState(int code) const;

private:
    TcxKelTreeList* m_tree;
    QPoint m_point;
    bool m_valid = false; // no mouse position yet: nothing is hit
};
