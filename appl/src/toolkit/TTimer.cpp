#include "TTimer.h"

TTimer::TTimer(TComponent* owner) : QTimer(OwnerObject(owner))
{
    setInterval(1000);
    connect(this, &QTimer::timeout, this, &TTimer::Tick);
    Restart();
}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    Restart();
}

void TTimer::SetInterval(int milliseconds)
{
    setInterval(milliseconds < 0 ? 0 : milliseconds);
    Restart();
}

void TTimer::Restart()
{
    // Changing the interval or switching on starts a full period again.
    if (m_enabled && interval() > 0)
        start();
    else
        stop();
}

void TTimer::Tick()
{
    if (OnTimer) {
        const TNotifyEvent handler = OnTimer;
        handler(this);
    }
}
