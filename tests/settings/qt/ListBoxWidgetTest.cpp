// The list control on screen (off-screen platform): painting with the fixed-advance fonts, the
// scroll bar, and mouse, keys and wheel forwarded to the list's rules.

#include "app/qt/QtTestApplication.h"
#include "settings/qt/TXListBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {

class ListBoxWidgetTest : public test::QtApplicationTest {
protected:
    void SetUp() override {
        SetFontService(&m_fonts);
        m_list.resize(200, 100);
        FontSpec font;
        font.name = "Arial";
        font.height = 14; // 7 pixels per character, the cell 14 high
        m_list.SetLineFont(font);
        m_list.show(); // resize events reach shown widgets only
    }
    void TearDown() override { SetFontService(nullptr); }

    void Click(int y) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, y), m_list.mapToGlobal(QPointF(50, y)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&m_list, &press);
    }
    void Key(int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&m_list, &event);
    }
    void Wheel(int delta) {
        QWheelEvent event(QPointF(10, 10), m_list.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&m_list, &event);
    }
    static QColor Pixel(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }

    FixedAdvanceFonts m_fonts;
    TXListBox m_list;
};

TEST_F(ListBoxWidgetTest, DefaultsOfThePublishedProperties) {
    TXListBox list;
    EXPECT_EQ(list.Typ(), ListenTyp::ltSelect);
    EXPECT_EQ(list.Color(), 0xFFFFFF);
    EXPECT_EQ(list.FarbeAn(), 0x00FFFF); // #FFFF00 as a Windows colour (blue, green, red)
    EXPECT_EQ(list.FarbeAus(), 0);
    EXPECT_EQ(list.Selected(), -1);
    EXPECT_EQ(list.Topline(), 0);
    EXPECT_EQ(list.ItemHeight(), 20);
    // The selected line is drawn in yellow: the first character's stem, as in the test below.
    m_list.SetItems({"abc", "def"});
    m_list.SetSelected(1);
    EXPECT_EQ(Pixel(m_list.Render(), 9, 25).name(), QStringLiteral("#ffff00"));
}

TEST_F(ListBoxWidgetTest, TheHeightIsAlwaysWholeLines) {
    struct Case {
        int width, height;
        QSize size;
    };
    for (Case c : std::vector<Case>{{200, 105, {200, 100}}, {30, 10, {48, 20}}, {120, 59, {120, 40}}}) {
        SCOPED_TRACE(c.height);
        m_list.resize(c.width, c.height);
        QApplication::processEvents();
        EXPECT_EQ(m_list.size(), c.size);
    }
}

TEST_F(ListBoxWidgetTest, PaintsLinesInTheirColoursOverTheBackground) {
    m_list.SetFarbeAn(0x0000FF);  // red
    m_list.SetFarbeAus(0x00FF00); // green
    m_list.SetColor(0xFF0000);    // blue
    m_list.SetItems({"abc", "def&xy", "ghi"});
    m_list.SetSelected(1);
    QImage image = m_list.Render();
    ASSERT_EQ(image.size(), QSize(200, 100));
    // Text cells are 14 high in rows of 20: the text starts 3 pixels down, 8 from the left.
    struct Case {
        int x, y;
        QColor colour;
    };
    const std::vector<Case> cases = {
        {9, 5, Qt::green},                   // first line, first character
        {9, 25, Qt::red},                    // selected line
        {7, 5, Qt::blue},                    // left of the text
        {9, 45, Qt::green},                  // third line
        {9, 65, Qt::blue},                   // no fourth line
        {200 - 30 - 2 * 8 + 1, 25, Qt::red}, // "xy" right-aligned, bold (8 pixels a character)
        {200 - 30 + 1, 25, Qt::blue},        // nothing after it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(Pixel(image, c.x, c.y), c.colour);
    }
}

TEST_F(ListBoxWidgetTest, IconsStandLeftOfSignedLines) {
    QImage icon1(12, 12, QImage::Format_RGB32);
    icon1.fill(Qt::magenta);
    QImage icon2(12, 12, QImage::Format_RGB32);
    icon2.fill(Qt::cyan);
    m_list.SetIcons(icon1, icon2);
    m_list.SetItems({"\xA7"
                     "Haus",
                     "$chat", "plain"});
    QImage image = m_list.Render();
    EXPECT_EQ(Pixel(image, 2, 10), QColor(Qt::magenta));
    EXPECT_EQ(Pixel(image, 2, 30), QColor(Qt::cyan));
    EXPECT_EQ(Pixel(image, 2, 50), QColor(Qt::white));
    EXPECT_EQ(Pixel(image, 17, 5), QColor(Qt::black)); // the text after the icon (12 + 4)
}

TEST_F(ListBoxWidgetTest, TheBackgroundPictureShowsThrough) {
    QWidget window;
    window.resize(400, 300);
    auto* picture = new QLabel(&window);
    picture->setGeometry(0, 0, 400, 300);
    QPixmap pixmap(400, 300);
    pixmap.fill(Qt::yellow);
    {
        QPainter painter(&pixmap);
        painter.fillRect(50, 60, 10, 10, Qt::red); // exactly behind the list's top-left corner
    }
    picture->setPixmap(pixmap);
    auto* list = new TXListBox(&window);
    list->setGeometry(50, 60, 200, 100);
    list->SetHintergrund(picture);
    QImage behind = list->Render();
    EXPECT_EQ(Pixel(behind, 5, 5), QColor(Qt::red));
    EXPECT_EQ(Pixel(behind, 15, 15), QColor(Qt::yellow));

    TXListBox plain;
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    plain.SetImage(image);
    EXPECT_EQ(Pixel(plain.Render(), 100, 50), QColor(Qt::darkGreen));
}

TEST_F(ListBoxWidgetTest, TheScrollBarFollowsTheList) {
    std::vector<std::string> items;
    for (int i = 0; i < 12; ++i)
        items.push_back("Zeile " + std::to_string(i));
    m_list.SetItems({"a", "b"});
    EXPECT_TRUE(m_list.ScrollBar()->isHidden());
    m_list.SetItems(items);
    EXPECT_FALSE(m_list.ScrollBar()->isHidden());
    EXPECT_EQ(m_list.ScrollBar()->maximum(), 7);
    EXPECT_EQ(m_list.ScrollBar()->width(), 16);
    m_list.SetSelected(5); // just below the five visible lines
    EXPECT_EQ(m_list.Topline(), 1);
    EXPECT_EQ(m_list.ScrollBar()->value(), 1);
    m_list.ScrollBar()->setValue(4);
    EXPECT_EQ(m_list.Topline(), 4);
}

TEST_F(ListBoxWidgetTest, ClicksSelectAndRaiseOnChange) {
    int changes = 0;
    QObject::connect(&m_list, &TXListBox::OnChange, [&] { ++changes; });
    m_list.SetItems({"\xA7"
                     "aller",
                     "$venir", "partir"});
    Click(30);
    EXPECT_EQ(m_list.Selected(), 1);
    EXPECT_EQ(m_list.LastClickedText(), "venir");
    EXPECT_EQ(changes, 1);
    Click(90); // below the last line
    EXPECT_EQ(m_list.Selected(), 1);
    EXPECT_EQ(m_list.LastClickedText(), "");
    EXPECT_EQ(changes, 1);
}

TEST_F(ListBoxWidgetTest, OnOffClicksExchangeTheSign) {
    m_list.SetListenTyp(ListenTyp::ltOnOff);
    m_list.SetItems({"\xA7"
                     "aller",
                     "$venir"});
    Click(5);
    Click(25);
    EXPECT_EQ(m_list.Items(), (std::vector<std::string>{"$aller", "\xA7venir"}));
    Click(70);
    EXPECT_EQ(m_list.Items(), (std::vector<std::string>{"$aller", "\xA7venir"}));
    EXPECT_EQ(m_list.Selected(), 1);
}

TEST_F(ListBoxWidgetTest, KeysAndWheel) {
    std::vector<std::string> items(9, "x");
    m_list.SetItems(items);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(m_list.Selected(), 1);
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(m_list.Selected(), 0);
    for (int i = 0; i < 6; ++i)
        Wheel(-120); // towards the user: on by one line while lines remain
    EXPECT_EQ(m_list.Topline(), 4);
    Wheel(120);
    EXPECT_EQ(m_list.Topline(), 3);
    EXPECT_EQ(m_list.ScrollBar()->value(), 3);
}

} // namespace
} // namespace qor
