#include "view/TMessageManager.h"

#include "ScreenTestHost.h"

#include "model/TMgtModelInvoker.h"
#include "presenter/TPrBaseForm.h"

#include "MessageQueue.h"

#include "QtLeakCheck.h"

#include <QTest>

namespace {

using Calls = std::vector<std::string>;

// A wizard presenter that records the calls its relay window makes on it.
class RecordingPresenter : public TPrBaseForm
{
public:
    RecordingPresenter(TModelAbstract* model, TMgtModelInvoker* invoker)
        : TPrBaseForm(nullptr, model, invoker)
    {}
    void ChangeScreen() override { calls.push_back("ChangeScreen"); }
    void FocusControl(int lettrage) override
    {
        calls.push_back("FocusControl " + std::to_string(lettrage));
    }
    void LanceDeclaration(int number) override
    {
        calls.push_back("LanceDeclaration " + std::to_string(number));
    }
    Calls calls;
};

class TMessageManagerTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        // The first wizard built makes Qt create what it keeps for the whole process.
        static bool warmedUp = false;
        if (!std::exchange(warmedUp, true)) {
            RecordingPresenter(&model, &invoker);
            flushQtEvents();
        }
        QtLeakCheckedTest::SetUp();
        presenter = std::make_unique<RecordingPresenter>(&model, &invoker);
    }
    void TearDown() override
    {
        presenter.reset();
        QtLeakCheckedTest::TearDown();
    }

    void dispatch(UINT number, WPARAM wParam, LPARAM lParam = 0)
    {
        TMessage m;
        m.Msg = number;
        m.WParam = wParam;
        m.LParam = lParam;
        presenter->getMessageManager()->Dispatch(&m);
    }

    TInfoGene info;
    screentest::TestModel model{&info};
    TMgtModelInvoker invoker;
    std::unique_ptr<RecordingPresenter> presenter;
};

} // namespace

TEST_F(TMessageManagerTest, EachRelayNumberCallsThePresenterWithItsArguments)
{
    struct Case
    {
        UINT number;
        WPARAM wParam;
        LPARAM lParam;
        Calls calls;
    };
    const Case cases[] = {
        {kMsgChangeView, 4012, 0, {"ChangeScreen", "FocusControl 4012"}},
        {kMsgChangeView, 0, 0, {"ChangeScreen"}}, // no lettrage: no focus moved
        {kMsgChangeFocus, 0, 99, {}},
        {kMsgChangeFocus, 17, 99, {"FocusControl 17"}},
        {kMsgChangeFocus, static_cast<WPARAM>(-1), 0, {"FocusControl -1"}},
        {kMsgLanceDeclarationFirst, 5, 6, {"LanceDeclaration 11039"}},
        {kMsgLanceDeclarationSecond, 0, 0, {"LanceDeclaration 11099"}},
        {kMsgLanceDeclarationThird, 0, 0, {"LanceDeclaration 11147"}},
    };
    for (const Case& c : cases) {
        presenter->calls.clear();
        dispatch(c.number, c.wParam, c.lParam);
        EXPECT_EQ(presenter->calls, c.calls) << c.number << " " << c.wParam;
    }
    presenter->calls.clear();
    for (UINT number :
         {11038u, 11040u, 11098u, 11100u, 11146u, 11148u, 11224u, 11226u, 11231u, 11233u})
        dispatch(number, 3);
    EXPECT_TRUE(presenter->calls.empty());
}

TEST_F(TMessageManagerTest, PostedRequestsRunFromTheLoopAfterTheSenderReturned)
{
    HWND window = presenter->getMessageManager()->Handle();
    ASSERT_TRUE(PostMessageA(window, kMsgChangeView, 12, 0));
    ASSERT_TRUE(PostMessageA(window, kMsgLanceDeclarationSecond, 0, 0));
    ASSERT_TRUE(PostMessageA(window, kMsgChangeFocus, 30, 0));
    EXPECT_TRUE(presenter->calls.empty());
    const Calls expected = {"ChangeScreen", "FocusControl 12", "LanceDeclaration 11099",
                            "FocusControl 30"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return presenter->calls == expected; }));
}
