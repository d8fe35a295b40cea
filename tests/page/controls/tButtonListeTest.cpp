#include "page/controls/tButtonListe.h"

#include "page/controls/TestControlHost.h"

#include <gtest/gtest.h>
#include <vector>

namespace qor {
namespace {

// Remembers, for every control that goes away, whether it was still visible.
class RecordingHost : public TestControlHost {
public:
    void ControlDestroyed(TXControl& control) override {
        visibleWhenDestroyed.push_back(control.Visible());
        TestControlHost::ControlDestroyed(control);
    }
    std::vector<bool> visibleWhenDestroyed;
};

TEST(tButtonListe, AddReturnsConsecutiveIndicesWithABitmapEach) {
    RecordingHost host;
    tButtonListe buttons(host);
    for (int expected = 0; expected < 3; ++expected) {
        EXPECT_EQ(buttons.Add(), expected);
        EXPECT_TRUE(buttons.Button(expected).Visible());
    }
    EXPECT_EQ(buttons.Count(), 3);
    buttons.Button(1).SetBefehl("seite2.htx");
    EXPECT_EQ(buttons.Button(1).Befehl(), "seite2.htx");
    EXPECT_EQ(buttons.Button(0).Befehl(), "");
    EXPECT_NE(&buttons.Bitmap(0), &buttons.Bitmap(1));
}

TEST(tButtonListe, ClearHidesEveryButtonBeforeFreeingIt) {
    RecordingHost host;
    tButtonListe buttons(host);
    buttons.Add();
    buttons.Add();
    buttons.Button(1).SetVisible(false);
    buttons.Clear();
    EXPECT_EQ(buttons.Count(), 0);
    EXPECT_EQ(host.visibleWhenDestroyed, (std::vector<bool>{false, false}));
    EXPECT_EQ(buttons.Add(), 0);
}

TEST(tButtonListe, TheListFreesItsButtonsWithItself) {
    RecordingHost host;
    {
        tButtonListe buttons(host);
        buttons.Add();
    }
    EXPECT_EQ(host.visibleWhenDestroyed, (std::vector<bool>{false}));
}

} // namespace
} // namespace qor
