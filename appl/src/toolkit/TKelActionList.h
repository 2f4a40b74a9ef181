#pragma once

// A list of actions: it owns them, gives them their images and runs their updates. The
// toolkit updates actions when asked (UpdateActions), not on idle time, so that the state a
// user sees is the one computed at the last refresh of the form.

#include "wizard_toolkit_export.h"

#include "TComponent.h"

#include <QObject>
#include <QPointer>

#include <vector>

class TAction;
class TImageList;

class WIZARD_TOOLKIT_EXPORT TKelActionList : public QObject, public TComponent
{
    Q_OBJECT

public:
    explicit TKelActionList(TComponent* owner = nullptr);
    // A list is a Qt object holding its actions: it is never copied.
    TKelActionList(const TKelActionList&) = delete;
    TKelActionList& operator=(const TKelActionList&) = delete;
    // Destroys the actions still in the list.
    ~TKelActionList() override;

    bool operator==(const TKelActionList& other) const { return this == &other; }

    // The actions, in the order they joined the list.
    int GetActionCount() const { return static_cast<int>(m_actions.size()); }
    // Null outside the list.
    TAction* GetAction(int index) const;
    int IndexOf(const TAction* action) const;

    // The images the actions show by index; not owned.
    TImageList* GetImages() const;
    void SetImages(TImageList* images);

    // Runs the update of every action, in order. An action destroyed by another's update is
    // skipped.
    void UpdateActions();

private:
    friend class TAction;
    void AddAction(TAction* action);
    void RemoveAction(TAction* action);
    void RefreshImages();

    std::vector<TAction*> m_actions;
    QPointer<TImageList> m_images;
    QMetaObject::Connection m_imagesChanged;
};
