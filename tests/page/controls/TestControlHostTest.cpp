#include "page/controls/TestControlHost.h"

#include "page/controls/TXControl.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor {
namespace {

// A control that records what the host tells it.
class Probe : public TXControl {
public:
    Probe(ControlHost& host, std::vector<std::string>& log, std::string name)
        : TXControl(host), m_log(log), m_name(std::move(name)) {}
    void Paint(TXCanvas&) override {}
    void OnTimer(int id) override {
        m_log.push_back(m_name + " timer " + std::to_string(id));
        if (m_stopAfterOne)
            Host().StopTimer(id);
    }
    bool m_stopAfterOne = false;

protected:
    void FocusChanged() override { m_log.push_back(m_name + (Focused() ? " gained" : " lost")); }

private:
    std::vector<std::string>& m_log;
    std::string m_name;
};

TEST(TestControlHost, TimersFireInTimeOrder) {
    TestControlHost host;
    std::vector<std::string> log;
    Probe a(host, log, "a");
    Probe b(host, log, "b");
    const int slow = host.StartTimer(a, 300);
    const int fast = host.StartTimer(b, 200);
    EXPECT_NE(slow, fast);
    EXPECT_GT(slow, 0);
    host.Advance(650);
    EXPECT_EQ(log,
              (std::vector<std::string>{"b timer 2", "a timer 1", "b timer 2", "a timer 1", "b timer 2"}));
    EXPECT_EQ(host.Now(), 650);
    host.StopTimer(fast);
    log.clear();
    host.Advance(250); // a is due at 900
    EXPECT_EQ(log, (std::vector<std::string>{"a timer 1"}));
}

TEST(TestControlHost, ATimerStoppedByItsCallbackFiresOnce) {
    TestControlHost host;
    std::vector<std::string> log;
    Probe a(host, log, "a");
    a.m_stopAfterOne = true;
    host.StartTimer(a, 100);
    host.Advance(1000);
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(host.ActiveTimers(), 0);
}

TEST(TestControlHost, FocusMovesWithNotices) {
    TestControlHost host;
    std::vector<std::string> log;
    Probe a(host, log, "a");
    Probe b(host, log, "b");
    host.SetFocus(a);
    host.SetFocus(a);
    host.SetFocus(b);
    // Setting the focus twice tells nothing new; the old owner hears first.
    EXPECT_EQ(log, (std::vector<std::string>{"a gained", "a lost", "b gained"}));
    EXPECT_EQ(host.FocusedControl(), &b);
    EXPECT_FALSE(a.Focused());
    EXPECT_TRUE(b.Focused());
}

TEST(TestControlHost, MenusAnswerFromTheScript) {
    TestControlHost host;
    std::vector<std::string> log;
    Probe a(host, log, "a");
    host.AnswerNextMenu(1);
    host.AnswerNextMenu(5);
    EXPECT_EQ(host.ShowContextMenu(a, {"x", "y"}, 3, 4), 1);
    EXPECT_EQ(host.ShowContextMenu(a, {"x", "y"}, 3, 4), -1); // out of range
    EXPECT_EQ(host.ShowContextMenu(a, {"x", "y"}, 3, 4), -1); // script used up
    ASSERT_EQ(host.MenusShown().size(), 3u);
    EXPECT_EQ(host.MenusShown()[0].y, 4);
}

TEST(TestControlHost, ForgetsADestroyedControl) {
    TestControlHost host;
    std::vector<std::string> log;
    {
        Probe a(host, log, "a");
        host.StartTimer(a, 10);
        host.SetFocus(a);
        host.RequestRepaint(a);
        EXPECT_EQ(host.RepaintCount(a), 1);
    }
    EXPECT_EQ(host.ActiveTimers(), 0);
    EXPECT_EQ(host.FocusedControl(), nullptr);
    EXPECT_TRUE(host.Repaints().empty());
    host.Advance(100);
    EXPECT_EQ(log, (std::vector<std::string>{"a gained"}));
}

} // namespace
} // namespace qor
