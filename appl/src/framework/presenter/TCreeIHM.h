#pragma once

// The editor of one element of a screen's list, supplied by the host to the list manager
// (TPrListManager), which opens it to fill a new element or to modify the current one.
// The host owns its editor; the list manager only points to it.

#include "wizard_framework_export.h"

class TCompteRendu;
class TMgtModelInvoker;
class TModelAbstract;
class TView;

class WIZARD_FRAMEWORK_EXPORT TCreeIHM
{
public:
    TCreeIHM() = default;
    TCreeIHM(const TCreeIHM&) = default;
    TCreeIHM& operator=(const TCreeIHM&) = default;
    virtual ~TCreeIHM();

    // An editor has no state of its own here: any two compare equal.
    bool operator==(const TCreeIHM&) const { return true; }

    // Opens the editor of the list model's current element, modally over `parent` (may be
    // null), and reports the outcome in `compteRendu`: it arrives with user action 1, which
    // an editor the user validates sets to 0; still 1 afterwards means cancelled. The base
    // opens nothing, so its answer is "cancelled".
    virtual void CreeIHM(TView* /*parent*/, TModelAbstract* /*model*/,
                         TMgtModelInvoker* /*invoker*/, TCompteRendu& /*compteRendu*/)
    {}
};
