#include "TTBXPopupMenu.h"

#include "TImageList.h"
#include "TTBCustomItem.h"

#include <QPoint>

namespace {

// The root of a pop-up menu's items: it shows them in the pop-up menu itself.
class TTBRootItem : public TTBCustomItem
{
public:
    TTBRootItem(QMenu* menu) : TTBCustomItem(nullptr)
    {
        setParent(menu);
        SetDisplayMenu(menu, false);
    }
    using TTBCustomItem::Images;
    using TTBCustomItem::SetImages;
};

} // namespace

TTBXPopupMenu::TTBXPopupMenu(TComponent* owner)
    : QMenu(OwnerWidget(owner)), m_items(new TTBRootItem(this))
{}

TTBXPopupMenu::~TTBXPopupMenu()
{
    delete m_items;
}

TImageList* TTBXPopupMenu::GetImages() const
{
    return static_cast<TTBRootItem*>(m_items)->Images();
}

void TTBXPopupMenu::SetImages(TImageList* images)
{
    static_cast<TTBRootItem*>(m_items)->SetImages(images);
}

void TTBXPopupMenu::Popup(int x, int y)
{
    popup(QPoint(x, y));
}
