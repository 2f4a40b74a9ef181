#pragma once

// The message entry of a window: what a posted window message reaches when it is delivered.
// A window class that wants posted messages derives from TMessageTarget as well as from its
// widget class, and overrides Dispatch to route the numbers it knows; everything else goes on
// to the inherited Dispatch, which ends in DefaultHandler.
// A base of the window itself; the message queue never owns a target.

#include "wizard_toolkit_export.h"

#include "WinTypes.h"

// One window message as the message entry receives it. Result is the answer of the handler
// (0 unless a handler sets it); a posted message's answer is not read by anybody.
// A value handed to the handler.
struct WIZARD_TOOLKIT_EXPORT TMessage
{
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;

    bool operator==(const TMessage&) const = default;
};

class WIZARD_TOOLKIT_EXPORT TMessageTarget
{
public:
    TMessageTarget() = default;
    TMessageTarget(const TMessageTarget&) = default;
    TMessageTarget& operator=(const TMessageTarget&) = default;
    virtual ~TMessageTarget();

    // A stateless entry: any two compare equal; windows compare by their own state.
    bool operator==(const TMessageTarget&) const = default;

    // `message` points at a TMessage. The base routes nothing: it hands the message to
    // DefaultHandler. A null message is ignored.
    virtual void Dispatch(void* message);

    // The handling of a message that no override routed. The base answers 0.
    virtual void DefaultHandler(void* message);
};
