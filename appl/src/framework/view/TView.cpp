#include "view/TView.h"

TView::TView(TComponent* owner) : TcxKelForm(owner) {}

TView::~TView() = default;

void TView::Show()
{
    SetVisible(true);
}

void TView::Hide()
{
    SetVisible(false);
}
