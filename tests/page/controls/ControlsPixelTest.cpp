// The controls drawn with the Liberation fonts through Qt: concrete facts about their pixels.

#include "page/controls/TXMultipleChoice.h"
#include "page/controls/TestControlHost.h"
#include "page/controls/tXCheckBox.h"
#include "page/controls/tXColorButton.h"
#include "page/controls/tXColorEdit.h"
#include "platform/qt/QtFontService.h"

#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0;

bool RedDominates(Colour c) {
    return RedOf(c) > 140 && GreenOf(c) < RedOf(c) - 60 && BlueOf(c) < RedOf(c) - 60;
}
bool Dark(Colour c) {
    return RedOf(c) < 110 && GreenOf(c) < 110 && BlueOf(c) < 110;
}

struct PixelCount {
    int red = 0;
    int dark = 0;
};

PixelCount CountIn(const TXBitmap& bitmap, int x1, int y1, int x2, int y2) {
    PixelCount count;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x) {
            const Colour c = bitmap.Pixel(x, y);
            count.red += RedDominates(c) ? 1 : 0;
            count.dark += Dark(c) ? 1 : 0;
        }
    return count;
}

class ControlsPixels : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "page_controls_pixel_tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            s_application = std::make_unique<QGuiApplication>(argc, argv);
        ASSERT_TRUE(QtFontService::LoadFontFiles());
    }
    // Qt's font cache must go before static destruction begins.
    static void TearDownTestSuite() { s_application.reset(); }
    void SetUp() override { SetFontService(&m_fonts); }
    void TearDown() override { SetFontService(nullptr); }

    static TXFont Arial(int height) {
        TXFont font;
        font.face.name = "Arial";
        font.face.height = height;
        return font;
    }

    static inline std::unique_ptr<QGuiApplication> s_application;
    QtFontService m_fonts;
    TestControlHost m_host;
};

TEST_F(ControlsPixels, GapEditDrawsFlaggedCharactersRed) {
    tXColorEdit edit(m_host);
    edit.SetFont(Arial(16));
    edit.SetText("maison");
    edit.SetFarbe("000100"); // the s is wrong
    const std::vector<int>& x = edit.CharacterX();
    ASSERT_EQ(x.size(), 8u);
    // Positions follow the measured widths of the single characters.
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(x[i + 1] - x[i], m_fonts.Measure(Arial(16).face, std::string(1, "maison"[i])).width) << i;
    const int top = edit.TextTop();
    const int bottom = top + edit.TextHeight();
    const TXBitmap& b = edit.Buffer();
    const PixelCount s = CountIn(b, x[3], top, x[4], bottom);
    const PixelCount ma = CountIn(b, x[0], top, x[2], bottom);
    const PixelCount on = CountIn(b, x[4], top, x[6], bottom);
    EXPECT_GT(s.red, 5);
    EXPECT_EQ(s.dark, 0);
    EXPECT_GT(ma.dark, 10);
    EXPECT_EQ(ma.red, 0);
    EXPECT_GT(on.dark, 10);
    EXPECT_EQ(on.red, 0);
    // The frame is the black pen, the inside white.
    EXPECT_EQ(b.Pixel(0, 0), kBlack);
    EXPECT_EQ(b.Pixel(120, 10), kBlack);
    EXPECT_EQ(b.Pixel(1, 1), kWhite);
    // Nothing is drawn right of the text.
    EXPECT_EQ(CountIn(b, x[6] + 2, 1, 120, 20).dark, 0);
}

TEST_F(ControlsPixels, GapEditRefusesTextWiderThanTheField) {
    tXColorEdit edit(m_host);
    edit.SetFont(Arial(16));
    for (int i = 0; i < 40; ++i) {
        char c = 'm';
        edit.KeyPress(c);
    }
    const int width = m_fonts.Measure(Arial(16).face, edit.Text() + " ").width;
    EXPECT_LT(width, 121 - 4);
    EXPECT_GE(m_fonts.Measure(Arial(16).face, edit.Text() + "m ").width, 121 - 4);
    EXPECT_LT(edit.Text().size(), 40u);
}

TEST_F(ControlsPixels, CheckBoxTickIsBlack) {
    tXCheckBox box(m_host);
    box.SetFont(Arial(13));
    box.SetCaption("J'accepte");
    box.SetChecked(true);
    TXBitmap page(100, 17);
    page.Fill(kWhite, ColourOrder::BlueHigh);
    TXCanvas canvas(page);
    box.Paint(canvas);
    const int y = box.BoxTop();
    for (TXPoint p : {TXPoint{2, y + 5}, TXPoint{4, y + 7}, TXPoint{4, y + 8}, TXPoint{4, y + 9},
                      TXPoint{9, y + 2}, TXPoint{0, y}, TXPoint{11, y + 11}})
        EXPECT_EQ(page.Pixel(p.x, p.y), kBlack) << p.x << "," << p.y;
    EXPECT_EQ(page.Pixel(10, y + 1), kWhite);
    EXPECT_EQ(page.Pixel(8, y + 9), kWhite);
    // The caption lies right of x 16 and nowhere else outside the square.
    EXPECT_GT(CountIn(page, 16, 0, 100, 17).dark, 20);
    EXPECT_EQ(CountIn(page, 12, 0, 16, 17).dark, 0);
}

TEST_F(ControlsPixels, MultipleChoiceMarksTheRightAnswer) {
    TXMultipleChoice grid(m_host);
    grid.SetFont(Arial(16));
    grid.SetSpalten(2);
    grid.SetZeilen(2);
    grid.SetItems({"le chat", "le chien", "la souris", "l'oiseau"});
    grid.SetHighlight(2); // column 1, row 0
    grid.Render();
    const TXBitmap& b = grid.Buffer();
    const Colour yellow = 65535;
    const int x0 = 120 + 10;
    EXPECT_EQ(b.Pixel(x0, 3), yellow);
    EXPECT_EQ(b.Pixel(x0, 15), yellow); // the line down to the row's middle at 20
    const int xt = 120 + (120 - m_fonts.Measure(Arial(16).face, "la souris").width) / 2;
    EXPECT_EQ(b.Pixel(xt - 13, 20), yellow); // arrowhead
    EXPECT_EQ(b.Pixel(x0 + 2, 20), yellow);
    EXPECT_EQ(b.Pixel(10, 3), kWhite); // the other column has no dot
    // The highlighted caption is in the active colour (white on white), the others black.
    EXPECT_EQ(CountIn(b, 120, 0, 240, 40).dark, 0);
    EXPECT_GT(CountIn(b, 0, 0, 120, 40).dark, 20);
}

TEST_F(ControlsPixels, ButtonCaptionFlashesWhileHovered) {
    tXColorButton button(m_host);
    button.SetFont(Arial(16));
    button.SetColor(kWhite);
    button.SetCaption("Weiter zur Seite");
    button.SetMouseOver(true);
    button.Render();
    const PixelCount normal = CountIn(button.Buffer(), 4, 4, 101, 101);
    EXPECT_GT(normal.dark, 30);
    EXPECT_EQ(normal.red, 0);
    button.MouseMove({50, 50, MouseButton::Left, kShiftNone});
    button.Render();
    const PixelCount hovered = CountIn(button.Buffer(), 4, 4, 101, 101);
    EXPECT_GT(hovered.red, 30);
    EXPECT_EQ(hovered.dark, 0);
    // Two lines, centred: nothing in the outer 4-pixel border.
    EXPECT_EQ(CountIn(button.Buffer(), 0, 0, 105, 4).red, 0);
}

} // namespace
} // namespace qor
