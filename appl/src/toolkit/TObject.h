#pragma once

// The root of the toolkit's class tree, as event handlers name their sender (`TObject* Sender`).
// It carries no state; components are compared by identity.
// A base of every toolkit object; it owns nothing.

#include "wizard_toolkit_export.h"

#include <functional>

class WIZARD_TOOLKIT_EXPORT TObject
{
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
    virtual ~TObject();

    bool operator==(const TObject& other) const { return this == &other; }
};

// The one event convention of the toolkit: a plain callable that receives the widget that
// raised the event. An empty handler means "nobody listens".
using TNotifyEvent = std::function<void(TObject* Sender)>;
