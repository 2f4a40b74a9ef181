#include "AccessibilityEvents.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

AccessibilityEvents* g_recorder = nullptr;

QPlatformAccessibility* Platform()
{
    QPlatformIntegration* integration = QGuiApplicationPrivate::platformIntegration();
    return integration ? integration->accessibility() : nullptr;
}

} // namespace

AccessibilityEvents::AccessibilityEvents()
{
    g_recorder = this;
    m_previousHandler = QAccessible::installUpdateHandler(&AccessibilityEvents::Handler);
    m_wasActive = QAccessible::isActive();
    if (QPlatformAccessibility* platform = Platform())
        platform->setActive(true);
}

AccessibilityEvents::~AccessibilityEvents()
{
    if (QPlatformAccessibility* platform = Platform())
        platform->setActive(m_wasActive);
    QAccessible::installUpdateHandler(m_previousHandler);
    g_recorder = nullptr;
}

std::vector<AccessibilityEvents::Event>
AccessibilityEvents::Of(QAccessible::Event type,
                        const std::function<bool(const Event&)>& keep) const
{
    std::vector<Event> found;
    for (const Event& event : m_events) {
        if (event.type == type && (!keep || keep(event)))
            found.push_back(event);
    }
    return found;
}

void AccessibilityEvents::Handler(QAccessibleEvent* event)
{
    if (!g_recorder)
        return;
    Event recorded{event->type(), event->object(), event->child(), {}};
    if (QAccessibleInterface* iface = event->accessibleInterface())
        recorded.name = iface->text(QAccessible::Name);
    g_recorder->m_events.push_back(recorded);
}
