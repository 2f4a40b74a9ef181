#include "MessageQueue.h"
#include "DesktopMetrics.h"
#include "TMessageTarget.h"

#include "WidgetTest.h"

#include <QWidget>

#include <functional>
#include <limits>

namespace {

// A window with a message entry that logs the numbers of the messages it receives.
struct RecordingWindow : QWidget, TMessageTarget
{
    void Dispatch(void* message) override
    {
        log.push_back(*static_cast<TMessage*>(message));
        numbers.push_back(log.back().Msg);
        if (onMessage)
            onMessage();
    }
    std::vector<TMessage> log;
    std::vector<UINT> numbers;
    std::function<void()> onMessage;
};

} // namespace

using PostedMessages = WidgetTest;

TEST_F(PostedMessages, AreDeliveredInPostingOrderOnceTheEventLoopRunsAndCarriedUnchanged)
{
    RecordingWindow first, second;
    QWidget plain; // no message entry: accepts and ignores
    auto doomed = std::make_unique<RecordingWindow>();
    EXPECT_TRUE(::PostMessageA(&first, 11225, std::numeric_limits<WPARAM>::max(),
                               std::numeric_limits<LPARAM>::min()));
    ::PostMessageA(doomed.get(), 3, 0, 0);
    EXPECT_TRUE(::PostMessageA(&plain, 4, 0, 0));
    ::PostMessageA(&second, 2, 0, 0);
    ::PostMessageA(&first, 5, 0, 0);
    doomed.reset();
    second.onMessage = [&] { EXPECT_EQ(first.numbers, std::vector<UINT>{11225}); };
    ::Sleep(5); // holds them back too
    EXPECT_EQ(PendingPostedMessages(), 5);
    flushQtEvents();
    EXPECT_EQ(first.numbers, (std::vector<UINT>{11225, 5}));
    EXPECT_EQ(second.numbers, std::vector<UINT>{2});
    EXPECT_EQ(first.log[0].WParam, std::numeric_limits<WPARAM>::max());
    EXPECT_EQ(first.log[0].LParam, std::numeric_limits<LPARAM>::min());
    EXPECT_FALSE(::PostMessageA(nullptr, 1, 0, 0));
    EXPECT_FALSE(::PostMessageA(GetDesktopWindow(), 1, 0, 0));
    EXPECT_EQ(PendingPostedMessages(), 0);
}

// A handler posting, then sleeping, sees nothing delivered meanwhile: the new message comes
// after those already queued, once back in the loop.
TEST_F(PostedMessages, AHandlerThatPostsOrSleepsIsNeverReentered)
{
    RecordingWindow window;
    std::vector<std::size_t> seenAfterSleep;
    window.onMessage = [&] {
        if (window.log.size() == 1) {
            ::PostMessageA(&window, 3, 0, 0);
            ::Sleep(5);
            ::Sleep(0);
            seenAfterSleep.push_back(window.log.size());
        }
    };
    ::PostMessageA(&window, 1, 0, 0);
    ::PostMessageA(&window, 2, 0, 0);
    flushQtEvents();
    EXPECT_EQ(seenAfterSleep, (std::vector<std::size_t>{1}));
    EXPECT_EQ(window.numbers, (std::vector<UINT>{1, 2, 3}));
}
