#include "TImageList.h"

TImageList::TImageList(TComponent* owner) : QObject(OwnerObject(owner)) {}

TImageList::~TImageList() = default;

int TImageList::Add(const QIcon& icon)
{
    m_icons.append(icon);
    emit Changed();
    return GetCount() - 1;
}

QIcon TImageList::GetIcon(int index) const
{
    if (index < 0 || index >= GetCount())
        return QIcon();
    return m_icons.at(index);
}

void TImageList::Clear()
{
    if (m_icons.isEmpty())
        return;
    m_icons.clear();
    emit Changed();
}

void TImageList::SetWidth(int width)
{
    if (width > 0)
        m_width = width;
}

void TImageList::SetHeight(int height)
{
    if (height > 0)
        m_height = height;
}
