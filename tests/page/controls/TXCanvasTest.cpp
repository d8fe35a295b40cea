#include "page/render/TXCanvas.h"

#include "ControlsTestSupport.h"

#include <array>
#include <string>
#include <vector>

namespace qor {
namespace {

constexpr Colour kBlue = 0xFF0000;

class Canvas : public ControlTest {
protected:
    Canvas() { m_bitmap.Fill(kTestWhite, ColourOrder::BlueHigh); }

    int CountColour(Colour colour) const {
        int count = 0;
        for (int y = 0; y < m_bitmap.Height(); ++y)
            for (int x = 0; x < m_bitmap.Width(); ++x)
                count += m_bitmap.Pixel(x, y) == colour ? 1 : 0;
        return count;
    }

    TXBitmap m_bitmap{40, 30};
    TXCanvas m_canvas{m_bitmap};
};

TEST_F(Canvas, LinesLeaveOutTheirLastPixel) {
    struct Case {
        const char* name;
        int x1, y1, x2, y2;
        int pixels;
        TXPoint first, last, notDrawn;
    };
    const std::vector<Case> cases = {
        {"horizontal", 2, 3, 10, 3, 8, {2, 3}, {9, 3}, {10, 3}},
        {"vertical up", 5, 20, 5, 10, 10, {5, 20}, {5, 11}, {5, 10}},
        {"diagonal", 0, 0, 5, 5, 5, {0, 0}, {4, 4}, {5, 5}},
        {"steep", 1, 1, 3, 9, 8, {1, 1}, {3, 8}, {3, 9}},
        {"single point draws nothing", 7, 7, 7, 7, 0, {-1, -1}, {-1, -1}, {7, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_bitmap.Fill(kTestWhite, ColourOrder::BlueHigh);
        m_canvas.Pen().colour = kBlue;
        m_canvas.Line(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(CountColour(kBlue), c.pixels);
        if (c.pixels > 0) {
            EXPECT_EQ(m_bitmap.Pixel(c.first.x, c.first.y), kBlue);
            EXPECT_EQ(m_bitmap.Pixel(c.last.x, c.last.y), kBlue);
        }
        EXPECT_EQ(m_bitmap.Pixel(c.notDrawn.x, c.notDrawn.y), kTestWhite);
    }
}

TEST_F(Canvas, PolylineJoinsWithoutGaps) {
    const std::array<TXPoint, 3> points = {TXPoint{0, 0}, TXPoint{5, 0}, TXPoint{5, 5}};
    m_canvas.Polyline(points);
    EXPECT_EQ(CountColour(kTestBlack), 10);
    EXPECT_EQ(m_bitmap.Pixel(5, 0), kTestBlack);
    EXPECT_EQ(m_bitmap.Pixel(5, 5), kTestWhite);
}

TEST_F(Canvas, ThickPens) {
    m_canvas.Pen().width = 3;
    m_canvas.Line(10, 10, 20, 10);
    EXPECT_EQ(m_bitmap.Pixel(12, 9), kTestBlack);
    EXPECT_EQ(m_bitmap.Pixel(12, 11), kTestBlack);
    EXPECT_EQ(m_bitmap.Pixel(12, 12), kTestWhite);
}

TEST_F(Canvas, InvertingTwiceRestoresThePicture) {
    m_canvas.FillRect({0, 0, 20, 30}, MakeColour(10, 20, 30));
    m_canvas.InvertLine(15, 0, 15, 30);
    EXPECT_EQ(m_bitmap.Pixel(15, 10), MakeColour(245, 235, 225));
    EXPECT_EQ(m_bitmap.Pixel(25, 10), kTestWhite);
    m_canvas.InvertLine(15, 0, 15, 30);
    EXPECT_EQ(m_bitmap.Pixel(15, 10), MakeColour(10, 20, 30));
    // An inverting pen does the same through LineTo.
    m_canvas.Pen().mode = PenMode::Invert;
    m_canvas.Line(30, 0, 30, 5);
    EXPECT_EQ(m_bitmap.Pixel(30, 2), kTestBlack);
}

TEST_F(Canvas, RectanglesFillAndFrame) {
    m_canvas.Brush().colour = kBlue;
    m_canvas.Pen().colour = kTestRed;
    m_canvas.Rectangle({2, 2, 8, 6});
    EXPECT_EQ(m_bitmap.Pixel(2, 2), kTestRed);
    EXPECT_EQ(m_bitmap.Pixel(7, 5), kTestRed);
    EXPECT_EQ(m_bitmap.Pixel(8, 5), kTestWhite);
    EXPECT_EQ(m_bitmap.Pixel(4, 4), kBlue);
    EXPECT_EQ(CountColour(kTestRed), 16);
    EXPECT_EQ(CountColour(kBlue), 8);

    // FrameRect uses the brush, as on Windows; FillRect leaves the last row and column out.
    m_bitmap.Fill(kTestWhite, ColourOrder::BlueHigh);
    m_canvas.FrameRect({0, 0, 3, 3});
    EXPECT_EQ(CountColour(kBlue), 8);
    EXPECT_EQ(m_bitmap.Pixel(1, 1), kTestWhite);
    m_canvas.Brush().none = true;
    m_canvas.FillRect({10, 10, 20, 20});
    EXPECT_EQ(m_bitmap.Pixel(15, 15), kTestWhite);
}

TEST_F(Canvas, EllipseIsSymmetricAndInsideItsRectangle) {
    m_canvas.Brush().colour = kBlue;
    m_canvas.Pen().colour = kTestRed;
    m_canvas.Ellipse({4, 4, 16, 16});
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const Colour c = m_bitmap.Pixel(x, y);
            if (x < 4 || x >= 16 || y < 4 || y >= 16) {
                EXPECT_EQ(c, kTestWhite) << x << "," << y;
            }
            // Mirror images across both axes of the rectangle.
            EXPECT_EQ(c, m_bitmap.Pixel(19 - x, y)) << x << "," << y;
            EXPECT_EQ(c, m_bitmap.Pixel(x, 19 - y)) << x << "," << y;
        }
    }
    EXPECT_EQ(m_bitmap.Pixel(4, 4), kTestWhite);
    EXPECT_EQ(m_bitmap.Pixel(4, 9), kTestRed);
    EXPECT_EQ(m_bitmap.Pixel(9, 9), kBlue);
}

TEST_F(Canvas, PolygonIsFilledAndOutlined) {
    m_canvas.Brush().colour = kBlue;
    m_canvas.Pen().colour = kTestRed;
    const std::array<TXPoint, 3> triangle = {TXPoint{2, 10}, TXPoint{20, 1}, TXPoint{20, 19}};
    m_canvas.Polygon(triangle);
    EXPECT_EQ(m_bitmap.Pixel(15, 10), kBlue);
    EXPECT_EQ(m_bitmap.Pixel(2, 10), kTestRed);
    EXPECT_EQ(m_bitmap.Pixel(20, 19), kTestRed); // every vertex of the closed outline
    EXPECT_EQ(m_bitmap.Pixel(20, 10), kTestRed);
    EXPECT_EQ(m_bitmap.Pixel(5, 3), kTestWhite);
    EXPECT_EQ(m_bitmap.Pixel(21, 10), kTestWhite);
}

TEST_F(Canvas, OriginAndClip) {
    m_canvas.SetOrigin(10, 5);
    m_canvas.SetClip({0, 0, 5, 5});
    m_canvas.FillRect({-10, -10, 100, 100}, kBlue);
    EXPECT_EQ(CountColour(kBlue), 25);
    EXPECT_EQ(m_bitmap.Pixel(10, 5), kBlue);
    EXPECT_EQ(m_bitmap.Pixel(14, 9), kBlue);
    EXPECT_EQ(m_canvas.Pixel(0, 0), kBlue);
    m_canvas.ClearClip();
    m_canvas.SetPixel(-10, -5, kTestRed);
    EXPECT_EQ(m_bitmap.Pixel(0, 0), kTestRed);
    // Far outside the bitmap nothing happens.
    m_canvas.Line(-100, -100, 500, -100);
    m_canvas.TextOut(1000, 1000, "abc");

    // EnterArea nests: the child's clip stays within the parent's.
    const TXCanvas::State saved = m_canvas.Save();
    m_canvas.SetOrigin(0, 0);
    m_canvas.SetClip({0, 0, 20, 20});
    m_canvas.EnterArea(15, 15, 10, 10);
    m_canvas.FillRect({0, 0, 10, 10}, kTestBlack);
    EXPECT_EQ(CountColour(kTestBlack), 25);
    EXPECT_EQ(m_bitmap.Pixel(19, 19), kTestBlack);
    m_canvas.Restore(saved);
    EXPECT_EQ(m_canvas.Origin().x, 10);
}

TEST_F(Canvas, TextThroughTheFontService) {
    EXPECT_EQ(m_canvas.TextWidth("abc"), 24);
    EXPECT_EQ(m_canvas.TextHeight("abc"), 16);
    m_canvas.Font().colour = kBlue;
    m_canvas.TextOut(2, 3, "ab");
    EXPECT_EQ(m_bitmap.Pixel(2, 3), kBlue);
    EXPECT_EQ(m_bitmap.Pixel(8, 14), kBlue);
    EXPECT_EQ(m_bitmap.Pixel(9, 14), kTestWhite); // the gap between the character blocks
    EXPECT_EQ(m_bitmap.Pixel(2, 15), kTestWhite);
    m_canvas.TextOut(2, 20, "x", kTestRed);
    EXPECT_EQ(m_bitmap.Pixel(3, 21), kTestRed);
}

TEST_F(Canvas, WrapsAtBlanks) {
    struct Case {
        const char* name;
        std::string text;
        int width;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"fits", "le chat", 56, {"le chat"}},
        {"one pixel short", "le chat", 55, {"le", "chat"}},
        {"long word alone", "anticonstitutionnel x", 40, {"anticonstitutionnel", "x"}},
        {"double blanks", "a  b", 100, {"a b"}},
        {"line breaks", "a\nb\r\nc", 100, {"a", "b", "c"}},
        {"empty", "", 100, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(m_canvas.WrapText(c.text, c.width), c.lines);
        EXPECT_EQ(m_canvas.WrappedTextHeight(c.text, c.width), 16 * static_cast<int>(c.lines.size()));
    }
}

TEST_F(Canvas, WrappedTextIsCentredAndClipped) {
    const int height = m_canvas.DrawTextWrapped({0, 0, 40, 20}, "ab cd ef");
    // Lines "ab cd" (40) and "ef" (16), the second cut off by the rectangle's bottom.
    EXPECT_EQ(height, 32);
    EXPECT_EQ(m_bitmap.Pixel(0, 0), kTestBlack);
    EXPECT_EQ(m_bitmap.Pixel(11, 16), kTestWhite);
    EXPECT_EQ(m_bitmap.Pixel(13, 19), kTestBlack); // "ef" from x 12, clipped at y 20
    EXPECT_EQ(m_bitmap.Pixel(13, 20), kTestWhite);
}

TEST_F(Canvas, CopyAndStretch) {
    TXBitmap source(4, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            source.SetPixel(x, y, MakeColour(x * 50, y * 100, 0));
    m_canvas.Draw(1, 1, source);
    EXPECT_EQ(m_bitmap.Pixel(1, 1), MakeColour(0, 0, 0));
    EXPECT_EQ(m_bitmap.Pixel(4, 2), MakeColour(150, 100, 0));
    EXPECT_EQ(m_bitmap.Pixel(5, 2), kTestWhite);

    // Twice the size: every source pixel becomes a 2 × 2 block.
    m_canvas.StretchDraw({10, 10, 18, 14}, source);
    EXPECT_EQ(m_bitmap.Pixel(10, 10), MakeColour(0, 0, 0));
    EXPECT_EQ(m_bitmap.Pixel(13, 11), MakeColour(50, 0, 0));
    EXPECT_EQ(m_bitmap.Pixel(17, 13), MakeColour(150, 100, 0));

    // A part of the source; parts outside it are left alone.
    m_canvas.CopyRect({20, 20, 24, 22}, source, {2, 1, 6, 3});
    EXPECT_EQ(m_bitmap.Pixel(20, 20), MakeColour(100, 100, 0));
    EXPECT_EQ(m_bitmap.Pixel(21, 20), MakeColour(150, 100, 0));
    EXPECT_EQ(m_bitmap.Pixel(22, 20), kTestWhite);
    EXPECT_EQ(m_bitmap.Pixel(20, 21), kTestWhite);

    // Drawing partly off the bitmap clips.
    m_canvas.Draw(38, 29, source);
    EXPECT_EQ(m_bitmap.Pixel(39, 29), MakeColour(50, 0, 0));
}

} // namespace
} // namespace qor
