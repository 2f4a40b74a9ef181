#include "TcxTreeListStyleSheet.h"

#include "TcxKelTreeList.h"

TcxTreeListStyleSheet::~TcxTreeListStyleSheet() = default;

void TcxTreeListStyleSheet::ApplyTo(TcxKelTreeList* tree) const
{
    if (!tree)
        return;
    tree->SetBackgroundStyle(Background);
    tree->SetContentStyle(Content);
    tree->SetContentEvenStyle(ContentEven);
    tree->SetContentOddStyle(ContentOdd);
    tree->SetLevelStyles(Levels);
}
