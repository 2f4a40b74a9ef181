#pragma once

// The services the buttons bar offers (print, import, re-initialisations, audit filters...),
// as the bar's actions, in the order they were added, each at most once. The bar walks them
// with BeginServiceData, then GetServiceData and NextServiceData while the answers are true.
//
// Ownership: the actions belong to the bar's action list; the manager destroys those still in
// its list when it is destroyed (each then leaves its action list). An action that the
// toolkit destroyed first (with the bar) is simply forgotten.

#include "wizard_framework_export.h"

#include <QPointer>

#include <vector>

class TAction;

class WIZARD_FRAMEWORK_EXPORT TServiceManager
{
public:
    TServiceManager();
    // A copy lists the same actions, and destroys them too when it goes: copies are for
    // inspection, and only one of them may outlive the bar.
    TServiceManager(const TServiceManager& other);
    TServiceManager& operator=(const TServiceManager& other);
    virtual ~TServiceManager();

    // Same actions in the same order, same cursor.
    bool operator==(const TServiceManager& other) const;

    // Appends `action` unless it is already listed; null is ignored.
    void Add(TAction* action);
    // Takes `action` out of the list, keeping the order of the others, without destroying it.
    void Remove(TAction* action);
    int getNbService() const;
    bool contains(const TAction* action) const;

    // Cursor over the list: Begin puts it on the first action and answers whether there is
    // one; Next moves on and answers whether it is still on an action.
    bool BeginServiceData();
    bool NextServiceData();
    // The action under the cursor (null for one the toolkit has destroyed); throws
    // std::out_of_range when the cursor is outside the list.
    TAction* GetServiceData() const;
    int getCursor() const { return cursor; }

private:
    std::vector<QPointer<TAction>> services;
    int cursor = -1;
};
