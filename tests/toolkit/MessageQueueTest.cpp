#include "MessageQueue.h"
#include "DesktopMetrics.h"
#include "TMessageTarget.h"

#include "QtLeakCheck.h"

#include <QPainter>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Delivery
{
    std::string window;
    TMessage message;
};

// A window with a message entry that writes every message it receives into a shared log.
class RecordingWindow : public QWidget, public TMessageTarget
{
public:
    RecordingWindow(std::string name, std::vector<Delivery>& log)
        : m_name(std::move(name)), m_log(log)
    {}

    void Dispatch(void* message) override
    {
        m_log.push_back({m_name, *static_cast<TMessage*>(message)});
        if (onMessage)
            onMessage();
    }

    std::function<void()> onMessage;

private:
    std::string m_name;
    std::vector<Delivery>& m_log;
};

class PaintCountingWindow : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::white);
    }
};

std::vector<UINT> numbers(const std::vector<Delivery>& log)
{
    std::vector<UINT> result;
    for (const Delivery& d : log)
        result.push_back(d.message.Msg);
    return result;
}

class PostedMessages : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        // The first window shown makes Qt build the platform objects it keeps for the rest of
        // the process; build them before the leak check starts counting.
        static const bool warmedUp = [] {
            PaintCountingWindow window;
            window.show();
            flushQtEvents();
            return true;
        }();
        (void)warmedUp;
        QtLeakCheckedTest::SetUp();
    }

    std::vector<Delivery> log;
};

} // namespace

TEST_F(PostedMessages, DeliversNothingUntilTheEventLoopRuns)
{
    RecordingWindow window("w", log);
    EXPECT_TRUE(::PostMessageA(&window, 11225, 7, 0));

    EXPECT_TRUE(log.empty());
    EXPECT_EQ(PendingPostedMessages(), 1);

    flushQtEvents();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].message.Msg, 11225u);
    EXPECT_EQ(log[0].message.WParam, 7u);
    EXPECT_EQ(log[0].message.Result, 0);
    EXPECT_EQ(PendingPostedMessages(), 0);
}

TEST_F(PostedMessages, DeliversInPostingOrderAcrossWindows)
{
    RecordingWindow first("first", log);
    RecordingWindow second("second", log);
    ::PostMessageA(&first, 1, 0, 0);
    ::PostMessageA(&second, 2, 0, 0);
    ::PostMessageA(&first, 3, 0, 0);
    ::PostMessageA(&second, 4, 0, 0);

    flushQtEvents();

    ASSERT_EQ(numbers(log), (std::vector<UINT>{1, 2, 3, 4}));
    EXPECT_EQ(log[0].window, "first");
    EXPECT_EQ(log[1].window, "second");
    EXPECT_EQ(log[2].window, "first");
}

TEST_F(PostedMessages, CarriesTwoWordSizeParametersUnchanged)
{
    RecordingWindow window("w", log);
    int anObject = 0;
    const WPARAM bigWord = std::numeric_limits<WPARAM>::max();
    const LPARAM negative = std::numeric_limits<LPARAM>::min();
    const LPARAM pointer = reinterpret_cast<LPARAM>(&anObject);

    ::PostMessageA(&window, 11232, bigWord, negative);
    ::PostMessageA(&window, 11232, 0, pointer);
    flushQtEvents();

    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].message.WParam, bigWord);
    EXPECT_EQ(log[0].message.LParam, negative);
    EXPECT_EQ(reinterpret_cast<int*>(log[1].message.LParam), &anObject);
    static_assert(sizeof(WPARAM) == sizeof(void*) && sizeof(LPARAM) == sizeof(void*));
}

TEST_F(PostedMessages, SkipsATargetDestroyedBeforeDelivery)
{
    auto doomed = std::make_unique<RecordingWindow>("doomed", log);
    RecordingWindow survivor("survivor", log);
    ::PostMessageA(doomed.get(), 1, 0, 0);
    ::PostMessageA(&survivor, 2, 0, 0);
    ::PostMessageA(doomed.get(), 3, 0, 0);
    doomed.reset();

    flushQtEvents();

    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].window, "survivor");
    EXPECT_EQ(PendingPostedMessages(), 0);
}

TEST_F(PostedMessages, RefusesANullWindowAndTheDesktop)
{
    EXPECT_FALSE(::PostMessageA(nullptr, 1, 0, 0));
    EXPECT_FALSE(::PostMessageA(GetDesktopWindow(), 1, 0, 0));
    EXPECT_EQ(PendingPostedMessages(), 0);
}

TEST_F(PostedMessages, WindowWithoutMessageEntryAcceptsAndIgnoresTheMessage)
{
    QWidget plain;
    RecordingWindow window("w", log);
    EXPECT_TRUE(::PostMessageA(&plain, 1, 0, 0));
    ::PostMessageA(&window, 2, 0, 0);

    flushQtEvents();

    EXPECT_EQ(numbers(log), (std::vector<UINT>{2}));
}

TEST_F(PostedMessages, MessagePostedByAHandlerComesAfterThoseAlreadyQueued)
{
    RecordingWindow window("w", log);
    window.onMessage = [&] {
        if (log.size() == 1)
            ::PostMessageA(&window, 3, 0, 0);
    };
    ::PostMessageA(&window, 1, 0, 0);
    ::PostMessageA(&window, 2, 0, 0);

    flushQtEvents();

    EXPECT_EQ(numbers(log), (std::vector<UINT>{1, 2, 3}));
}

TEST_F(PostedMessages, BaseMessageEntryAnswersZeroAndIgnoresNull)
{
    TMessageTarget target;
    TMessage message{42, 1, 2, 99};
    target.Dispatch(&message);
    EXPECT_EQ(message.Result, 0);
    target.Dispatch(nullptr);
}

using SleepPause = PostedMessages;

TEST_F(SleepPause, HoldsPostedMessagesBackUntilTheCallerReturnsToTheLoop)
{
    RecordingWindow window("w", log);
    ::PostMessageA(&window, 1, 0, 0);

    ::Sleep(5);
    EXPECT_TRUE(log.empty());

    flushQtEvents();
    EXPECT_EQ(numbers(log), (std::vector<UINT>{1}));
}

TEST_F(SleepPause, AHandlerThatSleepsIsNeverReenteredByTheNextMessage)
{
    RecordingWindow window("w", log);
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

TEST_F(SleepPause, KeepsWindowsPainted)
{
    PaintCountingWindow window;
    window.resize(50, 50);
    window.show();
    flushQtEvents();
    window.paints = 0;

    window.update();
    ::Sleep(50);

    EXPECT_GE(window.paints, 1);
}
