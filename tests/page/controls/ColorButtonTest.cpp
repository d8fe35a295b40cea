#include "ControlsTestSupport.h"
#include "page/controls/tXColorButton.h"

#include <string>
#include <vector>

namespace qor {
namespace {

constexpr Colour kGrey = 8421504;
constexpr Colour kSilver = 12632256;

TXBitmap SolidPicture(int width, int height, Colour colour) {
    TXBitmap picture(width, height);
    picture.Fill(colour, ColourOrder::BlueHigh);
    return picture;
}

class ColorButton : public ControlTest {
protected:
    void Listen() {
        m_button.OnClick = [this](tXColorButton&) {
            m_events.push_back("click");
            m_messagesBeforeClick = m_host.ProcessMessagesCalls();
        };
        m_button.OnTurnOn = [this](tXColorButton&) { m_events.push_back("on"); };
        m_button.OnTurnOff = [this](tXColorButton&) { m_events.push_back("off"); };
        m_button.OnMouseDown = [this](tXColorButton&, const MouseEvent&) { m_events.push_back("down"); };
        m_button.OnMouseUp = [this](tXColorButton&, const MouseEvent&) { m_events.push_back("up"); };
    }
    void Click(int x, int y) {
        m_button.MouseDown({x, y, MouseButton::Left, kShiftNone});
        m_button.MouseUp({x, y, MouseButton::Left, kShiftNone});
    }

    tXColorButton m_button{m_host};
    std::vector<std::string> m_events;
    int m_messagesBeforeClick = -1;
};

// [SECTION] Events

TEST_F(ColorButton, ClickAfterAReleaseInside) {
    Listen();
    EXPECT_EQ(m_button.Width(), 105);
    EXPECT_EQ(m_button.Height(), 105);
    m_button.MouseDown({10, 10, MouseButton::Left, kShiftNone});
    EXPECT_TRUE(m_button.Pressed());
    m_button.MouseUp({10, 10, MouseButton::Left, kShiftNone});
    EXPECT_FALSE(m_button.Pressed());
    EXPECT_EQ(m_events, (std::vector<std::string>{"down", "up", "click"}));
    // Pending messages were processed before OnClick.
    EXPECT_EQ(m_messagesBeforeClick, 1);
}

TEST_F(ColorButton, ReleaseCountsAsInsideUpToTheFarEdges) {
    struct Case {
        int x, y;
        bool clicks;
    };
    const std::vector<Case> cases = {{105, 105, true}, {0, 0, true}, {106, 5, false}, {5, -1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        int clicks = 0;
        m_button.OnClick = [&](tXColorButton&) { ++clicks; };
        Click(c.x, c.y);
        EXPECT_EQ(clicks, c.clicks ? 1 : 0);
        EXPECT_FALSE(m_button.Pressed());
    }
}

TEST_F(ColorButton, OnOffTogglesBeforeTheClick) {
    Listen();
    m_button.SetOnOff(true);
    Click(5, 5);
    EXPECT_TRUE(m_button.IsOn());
    Click(5, 5);
    EXPECT_FALSE(m_button.IsOn());
    EXPECT_EQ(m_events,
              (std::vector<std::string>{"down", "up", "on", "click", "down", "up", "off", "click"}));
    // Released outside: no toggle, no click.
    m_events.clear();
    m_button.MouseDown({5, 5, MouseButton::Left, kShiftNone});
    m_button.MouseUp({200, 5, MouseButton::Left, kShiftNone});
    EXPECT_FALSE(m_button.IsOn());
    EXPECT_EQ(m_events, (std::vector<std::string>{"down", "up"}));
}

TEST_F(ColorButton, IsOnOnlyForToggleButtons) {
    m_button.SetIsOn(true);
    EXPECT_FALSE(m_button.IsOn());
    m_button.SetOnOff(true);
    m_button.SetIsOn(true);
    EXPECT_TRUE(m_button.IsOn());
    // A plain button does not toggle when clicked.
    tXColorButton plain(m_host);
    Click(5, 5);
    plain.MouseDown({5, 5, MouseButton::Left, kShiftNone});
    plain.MouseUp({5, 5, MouseButton::Left, kShiftNone});
    EXPECT_FALSE(plain.IsOn());
}

TEST_F(ColorButton, PointerInsideFlagAndRepaints) {
    m_button.SetMouseOver(true);
    m_host.ClearRepaints();
    m_button.MouseMove({10, 10, MouseButton::Left, kShiftNone});
    EXPECT_TRUE(m_button.Inside());
    EXPECT_EQ(m_host.RepaintCount(m_button), 1);
    m_button.MouseMove({11, 10, MouseButton::Left, kShiftNone});
    EXPECT_EQ(m_host.RepaintCount(m_button), 1);
    m_button.MouseMove({105, 10, MouseButton::Left, kShiftNone}); // x = width is outside for moves
    EXPECT_FALSE(m_button.Inside());
    EXPECT_EQ(m_host.RepaintCount(m_button), 2);
    m_button.MouseMove({10, 10, MouseButton::Left, kShiftNone});
    m_button.MouseLeave();
    EXPECT_FALSE(m_button.Inside());
    EXPECT_EQ(m_host.RepaintCount(m_button), 4);
}

TEST_F(ColorButton, AutoSizeTakesThePictureSize) {
    m_button.SetPicture1(SolidPicture(40, 30, kTestRed));
    EXPECT_EQ(m_button.Width(), 105);
    m_button.SetAutoSize(true);
    EXPECT_EQ(m_button.Width(), 40);
    EXPECT_EQ(m_button.Height(), 30);
    m_button.SetPicture1(SolidPicture(50, 20, kTestRed));
    EXPECT_EQ(m_button.Width(), 50);
    EXPECT_EQ(m_button.Height(), 20);
}

// [SECTION] Drawing

TEST_F(ColorButton, FaceAndThreeDimensionalEdges) {
    struct Case {
        const char* name;
        Colour face;
        Colour light;
        Colour dark;
    };
    const std::vector<Case> cases = {
        {"grey face", kGrey, kTestWhite, kTestBlack},
        {"white face", kTestWhite, kSilver, kGrey},
        {"other face", MakeColour(10, 100, 200), kTestWhite, kGrey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_button.SetBounds(0, 0, 40, 30);
        m_button.SetColor(c.face);
        m_button.SetDDD(false);
        m_button.Render();
        EXPECT_EQ(m_button.Buffer().Pixel(0, 0), c.face);
        EXPECT_EQ(m_button.Buffer().Pixel(20, 15), c.face);

        m_button.SetDDD(true);
        m_button.Render();
        const TXBitmap& b = m_button.Buffer();
        EXPECT_EQ(b.Pixel(0, 10), c.light);
        EXPECT_EQ(b.Pixel(1, 10), c.light);
        EXPECT_EQ(b.Pixel(10, 0), c.light);
        EXPECT_EQ(b.Pixel(10, 1), c.light);
        EXPECT_EQ(b.Pixel(38, 10), c.dark);
        EXPECT_EQ(b.Pixel(10, 28), c.dark);
        EXPECT_EQ(b.Pixel(20, 15), c.face);

        // Pressed: light and dark change places.
        m_button.MouseDown({5, 5, MouseButton::Left, kShiftNone});
        m_button.Render();
        EXPECT_EQ(m_button.Buffer().Pixel(0, 10), c.dark);
        EXPECT_EQ(m_button.Buffer().Pixel(38, 10), c.light);
        m_button.MouseUp({500, 5, MouseButton::Left, kShiftNone});
    }
}

TEST_F(ColorButton, HoverFrameAndCaptionColour) {
    m_button.SetBounds(0, 0, 60, 40);
    m_button.SetColor(MakeColour(10, 100, 200));
    m_button.SetCaption("OK"); // 16 × 16 centred in (4, 4, 56, 36): left 22, top 12
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(24, 18), kTestBlack);

    m_button.SetMouseOver(true);
    m_button.SetMouseOver3D(true);
    m_button.MouseMove({30, 20, MouseButton::Left, kShiftNone});
    m_button.Render();
    const TXBitmap& b = m_button.Buffer();
    EXPECT_EQ(b.Pixel(24, 18), kTestRed); // FlashColor
    EXPECT_EQ(b.Pixel(0, 20), kTestWhite);
    EXPECT_EQ(b.Pixel(30, 0), kTestWhite);
    EXPECT_EQ(b.Pixel(59, 20), kGrey);
    EXPECT_EQ(b.Pixel(30, 39), kGrey);

    // Pressed while inside: sunken frame, caption one pixel right and down.
    m_button.MouseDown({30, 20, MouseButton::Left, kShiftNone});
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(0, 20), kGrey);
    EXPECT_EQ(m_button.Buffer().Pixel(59, 20), kTestWhite);
    EXPECT_EQ(m_button.Buffer().Pixel(22, 12), MakeColour(10, 100, 200));
    EXPECT_EQ(m_button.Buffer().Pixel(23, 13), kTestRed);

    // Disabled: no flash colour.
    m_button.SetEnabled(false);
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(25, 19), kTestBlack);
}

TEST_F(ColorButton, CaptionWrapsInsideTheBorder) {
    m_button.SetBounds(0, 0, 60, 60);
    m_button.SetColor(kTestWhite);
    m_button.SetCaption("le chat noir"); // 52 wide: "le chat" (56) does not fit, three lines
    m_button.Render();
    // Lines "le", "chat", "noir" of 16 pixels from top 4 + (52 - 48) / 2 = 6.
    EXPECT_EQ(m_button.Buffer().Pixel(23, 8), kTestBlack);  // "le" starts at (60 - 16) / 2 = 22
    EXPECT_EQ(m_button.Buffer().Pixel(15, 24), kTestBlack); // "chat" at 14
    EXPECT_EQ(m_button.Buffer().Pixel(15, 40), kTestBlack); // "noir" at 14
    EXPECT_EQ(m_button.Buffer().Pixel(15, 8), kTestWhite);
}

TEST_F(ColorButton, PicturePlacement) {
    m_button.SetBounds(0, 0, 60, 60);
    m_button.SetColor(kTestWhite);
    m_button.SetPicture1(SolidPicture(20, 10, kTestRed));
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(0, 0), kTestRed);
    EXPECT_EQ(m_button.Buffer().Pixel(19, 9), kTestRed);
    EXPECT_EQ(m_button.Buffer().Pixel(20, 9), kTestWhite);

    m_button.SetStretch(true);
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(59, 59), kTestRed);

    // Centred alone: (20, 25); with a caption the two are centred together, Abstand between.
    m_button.SetStretch(false);
    m_button.SetCenter(true);
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(20, 25), kTestRed);
    EXPECT_EQ(m_button.Buffer().Pixel(19, 25), kTestWhite);
    EXPECT_EQ(m_button.Buffer().Pixel(20, 24), kTestWhite);
    m_button.SetCaption("ab");
    m_button.SetAbstand(4);
    m_button.Render();
    // Together 10 + 4 + 16 = 30 high, from 15: picture 15-24, caption from 29.
    EXPECT_EQ(m_button.Buffer().Pixel(20, 15), kTestRed);
    EXPECT_EQ(m_button.Buffer().Pixel(20, 25), kTestWhite);
    EXPECT_EQ(m_button.Buffer().Pixel(24, 29), kTestBlack);
    EXPECT_EQ(m_button.Buffer().Pixel(24, 28), kTestWhite);

    // Disabled buttons show no picture.
    m_button.SetEnabled(false);
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(20, 15), kTestWhite);
}

TEST_F(ColorButton, SecondPictureForHoverPressAndOn) {
    m_button.SetBounds(0, 0, 20, 20);
    m_button.SetPicture1(SolidPicture(20, 20, kTestRed));
    m_button.SetPicture2(SolidPicture(20, 20, MakeColour(0, 255, 0)));
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(5, 5), kTestRed);
    m_button.MouseMove({5, 5, MouseButton::Left, kShiftNone});
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(5, 5), MakeColour(0, 255, 0));
    m_button.MouseLeave();
    m_button.MouseDown({5, 5, MouseButton::Left, kShiftNone});
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(5, 5), MakeColour(0, 255, 0));
    m_button.MouseUp({50, 50, MouseButton::Left, kShiftNone});

    // A toggle button shows the second picture while it is on, whatever the pointer does.
    m_button.SetOnOff(true);
    m_button.MouseMove({5, 5, MouseButton::Left, kShiftNone});
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(5, 5), kTestRed);
    m_button.SetIsOn(true);
    m_button.MouseLeave();
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(5, 5), MakeColour(0, 255, 0));
}

TEST_F(ColorButton, PageImageShowsThroughAsTheFace) {
    TXBitmap image(200, 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            image.SetPixel(x, y, MakeColour(x, y, 50));
    m_button.SetBounds(30, 40, 50, 50);
    m_button.SetImage({&image, 10, 20}); // the button sits at (20, 20) of the image
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(5, 6), MakeColour(25, 26, 50));
    m_button.MouseDown({5, 5, MouseButton::Left, kShiftNone});
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(5, 6), MakeColour(26, 27, 50)); // shifted one pixel
    m_button.MouseUp({500, 5, MouseButton::Left, kShiftNone});
    m_button.SetDDD(true);
    m_button.Render();
    EXPECT_EQ(m_button.Buffer().Pixel(10, 10), MakeColour(30, 30, 50));
}

TEST_F(ColorButton, PaintCopiesTheButtonOntoThePage) {
    TXBitmap page(200, 200);
    TXCanvas canvas(page);
    m_button.SetBounds(50, 60, 30, 20);
    m_button.SetColor(MakeColour(1, 2, 3));
    m_button.Paint(canvas);
    EXPECT_EQ(page.Pixel(50, 60), MakeColour(1, 2, 3));
    EXPECT_EQ(page.Pixel(79, 79), MakeColour(1, 2, 3));
    EXPECT_EQ(page.Pixel(80, 79), kTestBlack);
    EXPECT_EQ(page.Pixel(49, 60), kTestBlack);
}

} // namespace
} // namespace qor
