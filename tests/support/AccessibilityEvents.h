#pragma once

// Records the accessibility events that Qt raises in this process, as a screen reader would
// hear them. Qt's offscreen platform has no accessibility bridge: the recorder switches Qt's
// accessibility on itself for as long as it lives (one recorder at a time).

#include <QAccessible>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class AccessibilityEvents
{
public:
    struct Event
    {
        QAccessible::Event type;
        QPointer<QObject> object;
        int child = -1;
        QString name; // the object's (or child's) name when the event was raised
    };

    AccessibilityEvents();
    ~AccessibilityEvents();
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    void Clear() { m_events.clear(); }
    const std::vector<Event>& Events() const { return m_events; }
    // The events of `type` for which `keep` (when given) answers true.
    std::vector<Event> Of(QAccessible::Event type,
                          const std::function<bool(const Event&)>& keep = {}) const;

private:
    static void Handler(QAccessibleEvent* event);

    std::vector<Event> m_events;
    QAccessible::UpdateHandler m_previousHandler = nullptr;
    bool m_wasActive = false;
};
