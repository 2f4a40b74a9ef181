#pragma once

// A named set of tree-list styles that several tree lists share: the background, the content,
// the even and odd rows, and one style per level (the last one serving every deeper level).

#include "TcxStyle.h"

#include <vector>

class TcxKelTreeList;

class TcxTreeListStyleSheet
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
