#include "MessageQueue.h"
#include "DesktopMetrics.h"
#include "TMessageTarget.h"

#include "WidgetTest.h"

#include <QPainter>
#include <QWidget>

#include <functional>
#include <limits>
#include <memory>

namespace {

// A window with a message entry that logs every message it receives.
struct RecordingWindow : QWidget, TMessageTarget
{
    RecordingWindow(std::vector<TMessage>& log) : log(log) {}
    void Dispatch(void* message) override
    {
        log.push_back(*static_cast<TMessage*>(message));
        if (onMessage)
            onMessage();
    }
    std::vector<TMessage>& log;
    std::function<void()> onMessage;
};

std::vector<UINT> numbers(const std::vector<TMessage>& log)
{
    std::vector<UINT> result;
    for (const TMessage& m : log)
        result.push_back(m.Msg);
    return result;
}

using PostedMessages = WidgetTest;

TEST_F(PostedMessages, AreDeliveredInPostingOrderOnceTheEventLoopRunsAndCarriedUnchanged)
{
    std::vector<TMessage> log, other;
    RecordingWindow first(log);
    RecordingWindow second(other);
    QWidget plain; // no message entry: accepts and ignores
    auto doomed = std::make_unique<RecordingWindow>(log);
    EXPECT_TRUE(::PostMessageA(&first, 11225, std::numeric_limits<WPARAM>::max(),
                               std::numeric_limits<LPARAM>::min()));
    ::PostMessageA(doomed.get(), 3, 0, 0);
    EXPECT_TRUE(::PostMessageA(&plain, 4, 0, 0));
    ::PostMessageA(&second, 2, 0, 0);
    ::PostMessageA(&first, 5, 0, 0);
    doomed.reset();
    second.onMessage = [&] { EXPECT_EQ(numbers(log), std::vector<UINT>{11225}); };
    ::Sleep(5); // holds them back too
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(PendingPostedMessages(), 5);
    flushQtEvents();
    EXPECT_EQ(numbers(log), (std::vector<UINT>{11225, 5}));
    EXPECT_EQ(numbers(other), std::vector<UINT>{2});
    EXPECT_EQ(log[0].WParam, std::numeric_limits<WPARAM>::max());
    EXPECT_EQ(log[0].LParam, std::numeric_limits<LPARAM>::min());
    EXPECT_EQ(PendingPostedMessages(), 0);
    EXPECT_FALSE(::PostMessageA(nullptr, 1, 0, 0));
    EXPECT_FALSE(::PostMessageA(GetDesktopWindow(), 1, 0, 0));
    EXPECT_EQ(PendingPostedMessages(), 0);

    TMessage message{42, 1, 2, 99};
    TMessageTarget().Dispatch(&message); // the base entry answers zero
    EXPECT_EQ(message.Result, 0);
}

// A handler posting, then sleeping, sees nothing delivered meanwhile: the new message comes
// after those already queued, once back in the loop.
TEST_F(PostedMessages, AHandlerThatPostsOrSleepsIsNeverReentered)
{
    std::vector<TMessage> log;
    RecordingWindow window(log);
    std::vector<std::size_t> seenAfterSleep;
    window.onMessage = [&] {
        if (log.size() == 1) {
            ::PostMessageA(&window, 3, 0, 0);
            ::Sleep(5);
            ::Sleep(0);
            seenAfterSleep.push_back(log.size());
        }
    };
    ::PostMessageA(&window, 1, 0, 0);
    ::PostMessageA(&window, 2, 0, 0);
    flushQtEvents();
    EXPECT_EQ(seenAfterSleep, (std::vector<std::size_t>{1}));
    EXPECT_EQ(numbers(log), (std::vector<UINT>{1, 2, 3}));
}

TEST_F(PostedMessages, SleepKeepsWindowsPainted)
{
    struct PaintCountingWindow : QWidget
    {
        int paints = 0;
        void paintEvent(QPaintEvent*) override
        {
            QPainter(this).fillRect(rect(), Qt::white);
            ++paints;
        }
    } window;
    window.resize(50, 50);
    window.show();
    flushQtEvents();
    window.paints = 0;
    window.update();
    ::Sleep(50);
    EXPECT_GE(window.paints, 1);
}

} // namespace
