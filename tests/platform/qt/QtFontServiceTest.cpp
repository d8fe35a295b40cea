#include "platform/qt/QtFontService.h"

#include "platform/Cp1252.h"
#include "platform/qt/QtText.h"

#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace qor {
namespace {

class QtFonts : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "platform_qt_tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            s_application = std::make_unique<QGuiApplication>(argc, argv);
        ASSERT_TRUE(QtFontService::LoadFontFiles());
    }
    // Qt's font cache must go before static destruction begins.
    static void TearDownTestSuite() { s_application.reset(); }
    static inline std::unique_ptr<QGuiApplication> s_application;
    QtFontService m_fonts;
};

TEST_F(QtFonts, ProgramNamesMapOntoLiberation) {
    struct Case {
        const char* name;
        const char* family;
    };
    const std::vector<Case> cases = {
        {"Arial", "Liberation Sans"},
        {"ARIAL", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"courier new", "Liberation Mono"},
        {"Wingdings", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QtFontService::FamilyFor(c.name).toStdString(), c.family) << c.name;
        EXPECT_EQ(m_fonts.IsInstalled(c.name), *c.family != 0) << c.name;
    }
}

TEST_F(QtFonts, MetricsFollowTheRequestedHeight) {
    FontSpec font;
    font.name = "Arial";
    font.height = 16;
    TextMetrics small = m_fonts.Measure(font, "Hallo");
    font.height = 32;
    TextMetrics large = m_fonts.Measure(font, "Hallo");
    EXPECT_GT(small.width, 0);
    // Twice the height, about twice the width: each of the five advances rounds on its own.
    EXPECT_NEAR(large.width, 2 * small.width, 5);
    // A text measures as the sum of its characters.
    EXPECT_EQ(large.width, m_fonts.Measure(font, "Hal").width + m_fonts.Measure(font, "lo").width);
    EXPECT_EQ(small.height, small.ascent + small.descent);
    // A cell height includes the internal leading: the same number gives a smaller font.
    FontSpec cell = font;
    cell.heightIsCell = true;
    EXPECT_LT(m_fonts.Measure(cell, "Hallo").width, large.width);
    EXPECT_LE(m_fonts.Measure(cell, "Hallo").height, 33);
    // Courier New is monospaced: "iii" and "WWW" measure the same.
    FontSpec mono;
    mono.name = "Courier New";
    EXPECT_EQ(m_fonts.Measure(mono, "iii").width, m_fonts.Measure(mono, "WWW").width);
}

TEST_F(QtFonts, DrawsInsideTheTextBoxOnly) {
    const int width = 120, height = 40;
    const std::size_t stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> pixels(stride * height, 0xFF);
    PixelSurface surface{pixels.data(), width, height, stride};
    FontSpec font;
    font.name = "Arial";
    font.height = 19;
    m_fonts.DrawText(surface, 10, 5, font, "Größe"_cp, 0x0000FF); // red
    TextMetrics metrics = m_fonts.Measure(font, "Größe"_cp);
    int redPixels = 0, outside = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = pixels.data() + y * stride + 3 * x;
            if (p[0] == 0xFF && p[1] == 0xFF && p[2] == 0xFF)
                continue;
            // Touched pixels are shades of red over white: blue and green fall together.
            EXPECT_EQ(p[0], p[1]);
            ++redPixels;
            if (x < 9 || x > 10 + metrics.width + 1 || y < 4 || y > 5 + metrics.height)
                ++outside;
        }
    EXPECT_GT(redPixels, 50);
    EXPECT_EQ(outside, 0);
}

TEST_F(QtFonts, TextConversionKeepsWindows1252) {
    std::string text("Œuvre – 5 €, naïve"_cp);
    QString q = ToQString(text);
    EXPECT_EQ(q, QString::fromUtf8("Œuvre – 5 €, naïve"));
    EXPECT_EQ(FromQString(q), text);
    EXPECT_EQ(FromQString(QString::fromUtf8("日本")), "??");
}

} // namespace
} // namespace qor
