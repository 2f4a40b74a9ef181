#pragma once

// A timer that runs OnTimer every Interval milliseconds while it is enabled. As in the
// toolkit it stands for, a new timer is enabled with an interval of one second; an interval of
// 0 keeps it silent.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TComponent.h"

#include <QTimer>

class WIZARD_TOOLKIT_EXPORT TTimer : public QTimer, public TComponent
{
    Q_OBJECT

public:
    explicit TTimer(TComponent* owner = nullptr);
    // A timer is a Qt object: it is never copied.
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;
    ~TTimer() override;

    bool operator==(const TTimer& other) const { return this == &other; }

    bool GetEnabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    int GetInterval() const { return interval(); }
    // A negative interval counts as 0.
    void SetInterval(int milliseconds);

    TNotifyEvent OnTimer;

private:
    void Restart();
    void Tick();

    bool m_enabled = true;
};
