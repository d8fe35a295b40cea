#include "app/MainPageLink.h"

#include "CommandFakes.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

TEST(MainPageLinkTest, WithoutAWindowNothingArrivesAndThePageCountsAsHidden) {
    MainPageLink link;
    link.SetMacro("Aufgabe", "x");
    link.LoadPage("va_mch.htx");
    link.SetCondition("diktat", true);
    link.ProcessPendingMessages();
    EXPECT_FALSE(link.Visible());
    EXPECT_FALSE(link.TestCondition("diktat"));
}

TEST(MainPageLinkTest, ForwardsToTheAttachedWindowAndFollowsANewOne) {
    std::vector<std::string> calls;
    RecordingPage first(calls);
    RecordingPage second(calls);
    MainPageLink link;
    bool shown = true;
    int processed = 0;
    link.Attach(
        first, [&] { return shown; }, [&] { ++processed; });
    link.SetMacro("nr", "3");
    link.SetCondition("deutsch", true);
    link.SetCondition("normal", false);
    link.LoadPage("labor.htx");
    link.ProcessPendingMessages();
    EXPECT_TRUE(link.Visible());
    shown = false;
    EXPECT_FALSE(link.Visible());
    EXPECT_TRUE(link.TestCondition("deutsch"));
    EXPECT_EQ(processed, 1);

    // A tool window closes: the new main window attaches before the old one goes.
    link.Attach(second, nullptr, nullptr);
    link.Detach(first);
    EXPECT_TRUE(link.Attached());
    link.LoadPage("verben.htx");
    link.Detach(second);
    EXPECT_FALSE(link.Attached());
    link.LoadPage("main.htx");

    EXPECT_EQ(calls, (std::vector<std::string>{"page.macro nr=3", "page.condition+ deutsch",
                                               "page.condition- normal", "page.load labor.htx",
                                               "page.load verben.htx"}));
}

} // namespace
} // namespace qor::test
