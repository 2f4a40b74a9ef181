#pragma once

// The base of the menu items: a Qt action shown in a menu, with the toolkit's caption,
// tag, click handler and action link, and the items it contains. An item shows its children
// only when it has a menu to show them in (a submenu item, or the root of a pop-up menu).
//
// Ownership: an item added to a container belongs to it and is destroyed with it; Remove
// hands it back to the caller. Items taken out of a container while a menu click is being
// handled are destroyed once control returns to the event loop, so that a click handler may
// rebuild the very menu it was called from.

#include "wizard_toolkit_export.h"

#include "TComponent.h"

#include <QAction>
#include <QMetaObject>
#include <QPointer>

#include <string>
#include <vector>

class QMenu;
class TAction;
class TImageList;

class WIZARD_TOOLKIT_EXPORT TTBCustomItem : public QAction, public TComponent
{
    Q_OBJECT

public:
    explicit TTBCustomItem(TComponent* owner = nullptr);
    // An item is an identity held by its menu: it is never copied.
    TTBCustomItem(const TTBCustomItem&) = delete;
    TTBCustomItem& operator=(const TTBCustomItem&) = delete;
    // Destroys the children, then leaves the container.
    ~TTBCustomItem() override;

    bool operator==(const TTBCustomItem& other) const { return this == &other; }

    // Windows-1252, '&' marking the mnemonic (see Mnemonic.h); given back exactly as set.
    std::string GetCaption() const { return m_caption; }
    virtual void SetCaption(const std::string& caption);
    std::string GetHint() const;
    void SetHint(const std::string& hint);
    // The item's own flag: Qt also disables an item while it is hidden.
    bool GetEnabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool GetVisible() const { return isVisible(); }
    void SetVisible(bool visible) { setVisible(visible); }
    bool GetChecked() const { return isChecked(); }
    void SetChecked(bool checked);
    int GetTag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }
    // The item's caption in bold (the toolkit's FontSettings.Bold).
    bool GetBold() const;
    void SetBold(bool bold);
    // Index in the images of the menu that shows the item; -1 for none.
    int GetImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);

    // The linked action (not owned): the item shows its caption, hint, image and state and
    // runs it when clicked. Null unlinks; an action destroyed first unlinks itself.
    TAction* GetAction() const;
    void SetAction(TAction* action);

    // What a click does: OnClick when set, otherwise the linked action's Execute.
    virtual void Click();
    TNotifyEvent OnClick;

    // Children, in menu order.
    int GetCount() const { return static_cast<int>(m_items.size()); }
    // Null outside the list.
    TTBCustomItem* GetItem(int index) const;
    int IndexOf(const TTBCustomItem* item) const;
    // Adds `item` at the end / at `index` (clamped to the list), taking it out of its previous
    // container. Null, the item itself or one of its ancestors is ignored.
    void Add(TTBCustomItem* item);
    void Insert(int index, TTBCustomItem* item);
    // Takes `item` out of the list without destroying it; the caller owns it from then on.
    void Remove(TTBCustomItem* item);
    // Destroys the child at `index` / every child.
    void Delete(int index);
    void Clear();
    // The container holding this item, or null.
    TTBCustomItem* GetParentItem() const { return m_parent; }

    // The menu showing the children, or null.
    QMenu* GetDisplayMenu() const { return m_menu; }

    // True while a menu item's click is being handled.
    static bool InClick() { return s_clickDepth > 0; }

protected:
    // Gives the item the menu that shows its children (`owned`: destroyed with the item).
    void SetDisplayMenu(QMenu* menu, bool owned);
    // The images the item and its children show by index (a pop-up menu gives its own to
    // its root item); an item without them takes its container's.
    void SetImages(TImageList* images);
    TImageList* Images() const;
    // Takes the image again, for the item and its children (after a move or a change of
    // images).
    void RefreshImage();

private:
    void Triggered();
    void SyncFromAction();
    void Dispose(TTBCustomItem* item);
    void Detach(TTBCustomItem* item);
    bool IsAncestorOrSelf(const TTBCustomItem* item) const;

    std::string m_caption;
    int m_tag = 0;
    int m_imageIndex = -1;
    bool m_enabled = true;
    QPointer<TAction> m_action;
    QMetaObject::Connection m_actionChanged;
    std::vector<TTBCustomItem*> m_items;
    TTBCustomItem* m_parent = nullptr;
    QMenu* m_menu = nullptr;
    bool m_menuOwned = false;
    QPointer<TImageList> m_images;

    static int s_clickDepth;
};
