#pragma once

// A named set of tree-list styles that several tree lists share: the background, the content,
// the even and odd rows, and one style per level (the last one serving every deeper level).
// Shared: the host keeps it (usually for the whole run); tree lists only point to it.

#include "wizard_toolkit_export.h"

#include "TcxStyle.h"

#include <vector>

class TcxKelTreeList;

class WIZARD_TOOLKIT_EXPORT TcxTreeListStyleSheet
{
public:
    TcxTreeListStyleSheet() = default;
    TcxTreeListStyleSheet(const TcxTreeListStyleSheet&) = default;
    TcxTreeListStyleSheet& operator=(const TcxTreeListStyleSheet&) = default;
    virtual ~TcxTreeListStyleSheet();

    bool operator==(const TcxTreeListStyleSheet&) const = default;

    // Gives `tree` the background, the content, the alternating-row and the level styles.
    void ApplyTo(TcxKelTreeList* tree) const;

    TcxStyle Background;
    TcxStyle Content;
    TcxStyle ContentEven;
    TcxStyle ContentOdd;
    std::vector<TcxStyle> Levels;
};
