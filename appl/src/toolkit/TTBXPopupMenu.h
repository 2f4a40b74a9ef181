#pragma once

// A pop-up menu: the items of GetItems(), shown where Popup asks or under the button whose
// drop-down menu it is.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TComponent.h"

#include <QMenu>

class TImageList;
class TTBCustomItem;

class WIZARD_TOOLKIT_EXPORT TTBXPopupMenu : public QMenu, public TComponent
{
    Q_OBJECT

public:
    explicit TTBXPopupMenu(TComponent* owner = nullptr);
    // A menu is a window: it is never copied.
    TTBXPopupMenu(const TTBXPopupMenu&) = delete;
    TTBXPopupMenu& operator=(const TTBXPopupMenu&) = delete;
    // Destroys the items first.
    ~TTBXPopupMenu() override;

    bool operator==(const TTBXPopupMenu& other) const { return this == &other; }

    // The root of the items (owned by the menu): Add, Insert, Remove, Delete, Clear.
    TTBCustomItem* GetItems() const { return m_items; }

    // The images the items show by index; not owned.
    TImageList* GetImages() const;
    void SetImages(TImageList* images);

    // Opens the menu at (x, y) in screen coordinates and returns at once.
    void Popup(int x, int y);

private:
    TTBCustomItem* m_items = nullptr;
};
