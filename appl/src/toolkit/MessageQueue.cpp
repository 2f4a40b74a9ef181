#include "MessageQueue.h"

#include "DesktopMetrics.h"
#include "TMessageTarget.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <deque>
#include <thread>

namespace {

struct PostedMessage
{
    QPointer<QWidget> target;
    TMessage message;
};

// Our own FIFO keeps the posting order whatever happens to the Qt events that drive it: each
// post queues one "deliver the oldest" call, so calls that were held back by Sleep and queued
// again later still deliver the messages in the order they were posted.
std::deque<PostedMessage>& queue()
{
    static std::deque<PostedMessage> messages;
    return messages;
}

int g_holdDepth = 0;      // Sleep calls in progress
int g_heldDeliveries = 0; // delivery calls that arrived during a Sleep

void scheduleDelivery();

void deliverOldest()
{
    if (g_holdDepth > 0) {
        ++g_heldDeliveries;
        return;
    }
    auto& messages = queue();
    if (messages.empty())
        return;
    PostedMessage posted = std::move(messages.front());
    messages.pop_front();
    QWidget* window = posted.target.data();
    if (!window)
        return; // destroyed since it was posted to
    if (auto* target = dynamic_cast<TMessageTarget*>(window))
        target->Dispatch(&posted.message);
}

void scheduleDelivery()
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), &deliverOldest, Qt::QueuedConnection);
}

// Holds deliveries back for the duration of a Sleep, and schedules the held ones again when
// the outermost Sleep ends.
class DeliveryHold
{
public:
    DeliveryHold() { ++g_holdDepth; }
    ~DeliveryHold()
    {
        if (--g_holdDepth > 0)
            return;
        const int held = g_heldDeliveries;
        g_heldDeliveries = 0;
        if (QCoreApplication::instance()) {
            for (int i = 0; i < held; ++i)
                scheduleDelivery();
        }
    }
    DeliveryHold(const DeliveryHold&) = delete;
    DeliveryHold& operator=(const DeliveryHold&) = delete;
};

} // namespace

bool PostMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!window || window == GetDesktopWindow() || !QCoreApplication::instance())
        return false;
    TMessage message;
    message.Msg = msg;
    message.WParam = wParam;
    message.LParam = lParam;
    queue().push_back(PostedMessage{QPointer<QWidget>(window), message});
    scheduleDelivery();
    return true;
}

int PendingPostedMessages()
{
    return static_cast<int>(queue().size());
}

void Sleep(unsigned long milliseconds)
{
    if (!QCoreApplication::instance()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        return;
    }
    DeliveryHold hold;
    constexpr auto flags = QEventLoop::ExcludeUserInputEvents;
    if (milliseconds == 0) {
        QCoreApplication::processEvents(flags);
        return;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(std::min<unsigned long>(milliseconds, 0x7FFFFFFF)));
    loop.exec(flags);
}
