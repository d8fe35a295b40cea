// When the gap edit draws: a page build sets bounds, colour and font on edits that may never be
// shown, so the edit draws only when something looks at what it drew. Whatever looks first must
// see the same picture as if every change had been drawn at once.

#include "ControlsTestSupport.h"
#include "page/controls/tXColorEdit.h"
#include "page/render/TXCanvas.h"

#include <functional>
#include <string>
#include <vector>

namespace qor {
namespace {

// The fixed-advance fonts, counting how often the edit measures and draws.
class CountingFonts : public FontService {
public:
    bool IsInstalled(std::string_view fontName) const override { return m_fonts.IsInstalled(fontName); }
    TextMetrics Measure(const FontSpec& font, std::string_view text) const override {
        ++measured;
        return m_fonts.Measure(font, text);
    }
    void DrawText(PixelSurface& surface, int x, int y, const FontSpec& font, std::string_view text,
                  std::int32_t colour, const ClipRect* clip) const override {
        ++drawn;
        m_fonts.DrawText(surface, x, y, font, text, colour, clip);
    }

    mutable int measured = 0;
    mutable int drawn = 0;

private:
    FixedAdvanceFonts m_fonts;
};

class ColorEditDrawing : public ::testing::Test {
protected:
    void SetUp() override { SetFontService(&m_fonts); }
    void TearDown() override { SetFontService(nullptr); }

    CountingFonts m_fonts;
};

bool SamePixels(const TXBitmap& a, const TXBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

TEST_F(ColorEditDrawing, BuildingThePageDrawsNothingUntilTheEditIsLookedAt) {
    TestControlHost host;
    tXColorEdit edit(host);
    // What the layout does with every gap of a page.
    edit.SetBounds(40, 60, 90, 22);
    edit.SetColor(0xFFFFFF);
    edit.SetFont(TXFont{});
    edit.SetText("le");
    edit.SetFarbe("01");
    EXPECT_EQ(m_fonts.measured, 0);
    EXPECT_EQ(m_fonts.drawn, 0);

    EXPECT_EQ(edit.Buffer().Width(), 90);
    EXPECT_EQ(m_fonts.drawn, 2) << "one call per character";
    const int measured = m_fonts.measured;
    EXPECT_GT(measured, 0);
    // Drawn once: further looks take the same picture.
    edit.Buffer();
    edit.CharacterX();
    EXPECT_EQ(m_fonts.drawn, 2);
    EXPECT_EQ(m_fonts.measured, measured);
    // The next change is drawn on the next look, and only then.
    edit.SetZeichenabstand(1);
    EXPECT_EQ(m_fonts.drawn, 2);
    edit.TextTop();
    EXPECT_EQ(m_fonts.drawn, 4);
}

// Each way of looking at the edit draws a stale one first.
TEST_F(ColorEditDrawing, EveryReaderSeesTheLatestChange) {
    struct Case {
        std::string name;
        std::function<void(tXColorEdit& edit)> check;
    };
    // Text "ab" with 3 pixels between characters, 8-pixel characters from x = 4.
    const std::vector<Case> cases = {
        {"CharacterX",
         [](tXColorEdit& e) {
             EXPECT_EQ(e.CharacterX(), (std::vector<int>{4, 15, 26, 34}));
         }},
        {"TextTop", [](tXColorEdit& e) { EXPECT_EQ(e.TextTop(), 4); }},
        {"TextHeight", [](tXColorEdit& e) { EXPECT_EQ(e.TextHeight(), 16); }},
        {"Buffer",
         [](tXColorEdit& e) {
             EXPECT_EQ(e.Buffer().Height(), 25);
             EXPECT_EQ(e.Buffer().Pixel(16, 10), kTestRed) << "b, red by its flag";
             EXPECT_EQ(e.Buffer().Pixel(13, 10), MakeColour(10, 20, 30)) << "the gap between the letters";
         }},
        {"Paint",
         [](tXColorEdit& e) {
             TXBitmap parent(200, 100);
             TXCanvas canvas(parent);
             e.Paint(canvas);
             EXPECT_EQ(parent.Pixel(10 + 16, 20 + 10), kTestRed);
             EXPECT_EQ(parent.Pixel(10 + 5, 20 + 10), kTestBlack);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestControlHost host;
        tXColorEdit edit(host);
        edit.SetText("xyz");
        edit.Buffer(); // drawn with the old state
        edit.SetBounds(10, 20, 100, 25);
        edit.SetText("ab");
        edit.SetFarbe("01");
        edit.SetZeichenabstand(3);
        edit.SetColor(MakeColour(10, 20, 30));
        c.check(edit);
    }
}

// Two edits go through the same steps; one is looked at after every step (as if each change were
// drawn at once), the other only at the end. The pictures must not differ.
TEST_F(ColorEditDrawing, DrawingLateGivesTheSamePictureAsDrawingAtOnce) {
    using Step = std::function<void(tXColorEdit & edit, TestControlHost & host)>;
    const Step type = [](tXColorEdit& e, TestControlHost&) {
        char c = 'q';
        e.KeyPress(c);
    };
    const Step focus = [](tXColorEdit& e, TestControlHost& h) { h.SetFocus(e); };
    const Step blink = [](tXColorEdit&, TestControlHost& h) { h.Advance(tXColorEdit::kBlinkIntervalMs); };
    const Step left = [](tXColorEdit& e, TestControlHost&) {
        KeyEvent key{VirtualKey::Left};
        e.KeyDown(key);
    };
    const Step text = [](tXColorEdit& e, TestControlHost&) { e.SetText("Maison"); };
    const Step resize = [](tXColorEdit& e, TestControlHost&) { e.SetBounds(0, 0, 140, 30); };
    const Step noBorder = [](tXColorEdit& e, TestControlHost&) { e.SetBorder(false); };
    const Step answer = [](tXColorEdit& e, TestControlHost&) {
        KeyEvent enter{VirtualKey::Return};
        e.KeyDown(enter);
    };
    struct Case {
        std::string name;
        std::vector<Step> steps;
    };
    const std::vector<Case> cases = {
        {"typing with the caret shown", {focus, type, type, left, type}},
        {"a blink on a changed field", {focus, text, blink}},
        {"two blinks on a changed field", {focus, text, blink, type, blink, blink}},
        {"resized while the caret is hidden", {focus, blink, resize, type}},
        {"no border", {text, noBorder, focus, blink, blink}},
        {"an almost-right answer marks letters red", {focus, text, answer, blink}},
        {"a wrong answer empties the field", {focus, type, answer, type}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestControlHost lateHost, eagerHost;
        tXColorEdit late(lateHost), eager(eagerHost);
        for (tXColorEdit* edit : {&late, &eager})
            edit->SetLsg({"maison"});
        for (const Step& step : c.steps) {
            step(late, lateHost);
            step(eager, eagerHost);
            eager.Buffer();
        }
        EXPECT_TRUE(SamePixels(late.Buffer(), eager.Buffer()));
        EXPECT_EQ(late.CharacterX(), eager.CharacterX());
        EXPECT_EQ(late.CaretVisible(), eager.CaretVisible());
    }
}

TEST_F(ColorEditDrawing, AnAlmostRightHandlerSeesTheFieldBeforeItsMarking) {
    TestControlHost host;
    tXColorEdit edit(host);
    edit.SetLsg({"maison"});
    edit.SetText("Maison");
    TXBitmap seen;
    edit.OnBeinahe = [&seen](tXColorEdit& e) { seen = e.Buffer(); };
    KeyEvent enter{VirtualKey::Return};
    edit.KeyDown(enter);
    ASSERT_FALSE(seen.Empty()) << "the answer counts as almost right";
    const std::size_t marked = edit.Farbe().find_first_not_of('0');
    ASSERT_NE(marked, std::string::npos);
    const int x = edit.CharacterX()[marked] + 2;
    EXPECT_EQ(seen.Pixel(x, 10), kTestBlack) << "as typed, not yet marked";
    EXPECT_EQ(edit.Buffer().Pixel(x, 10), kTestRed) << "marked once the handler is done";
}

} // namespace
} // namespace qor
