#include "TKelActionList.h"

#include "TAction.h"
#include "TImageList.h"

#include <algorithm>

TKelActionList::TKelActionList(TComponent* owner) : QObject(OwnerObject(owner)) {}

TKelActionList::~TKelActionList()
{
    // Each action leaves the list as it goes, while the list is still whole.
    while (!m_actions.empty())
        delete m_actions.back();
}

TAction* TKelActionList::GetAction(int index) const
{
    if (index < 0 || index >= GetActionCount())
        return nullptr;
    return m_actions[static_cast<std::size_t>(index)];
}

int TKelActionList::IndexOf(const TAction* action) const
{
    const auto found = std::find(m_actions.begin(), m_actions.end(), action);
    return found == m_actions.end() ? -1 : static_cast<int>(found - m_actions.begin());
}

TImageList* TKelActionList::GetImages() const
{
    return m_images;
}

void TKelActionList::SetImages(TImageList* images)
{
    if (images == m_images)
        return;
    disconnect(m_imagesChanged);
    m_images = images;
    if (images)
        m_imagesChanged =
            connect(images, &TImageList::Changed, this, &TKelActionList::RefreshImages);
    RefreshImages();
}

void TKelActionList::RefreshImages()
{
    for (TAction* action : m_actions)
        action->RefreshImage();
}

void TKelActionList::UpdateActions()
{
    std::vector<QPointer<TAction>> actions(m_actions.begin(), m_actions.end());
    for (const QPointer<TAction>& action : actions)
        if (action)
            action->Update();
}

void TKelActionList::AddAction(TAction* action)
{
    if (action && IndexOf(action) < 0)
        m_actions.push_back(action);
}

void TKelActionList::RemoveAction(TAction* action)
{
    const auto found = std::find(m_actions.begin(), m_actions.end(), action);
    if (found != m_actions.end())
        m_actions.erase(found);
}
