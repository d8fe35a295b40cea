// Renders every gallery page with the Liberation fonts and compares it pixel for pixel with its
// stored picture in expected/. On a difference the rendered picture and a difference picture
// (red where pixels differ) are written to the build folder. QOR_UPDATE_GOLDEN=1 stores the
// rendered pictures as the new expected ones.

#include "page/render/BitmapPng.h"
#include "page/render/PageRenderRun.h"
#include "platform/MessagePresenter.h"
#include "platform/Random.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/WinPath.h"
#include "platform/qt/QtFontService.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {

const std::filesystem::path kGallery = QOR_GALLERY_DIR;
const std::filesystem::path kOutput = QOR_GALLERY_OUTPUT_DIR;

class GalleryTest : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "page_gallery_tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) {
            // Never destroyed: Qt must not be torn down during static destruction.
            new QGuiApplication(argc, argv);
        }
        ASSERT_TRUE(QtFontService::LoadFontFiles());
    }
    void SetUp() override {
        SetFontService(&m_fonts);
        SetMessagePresenter(&m_messages);
    }
    void TearDown() override {
        SetMessagePresenter(nullptr);
        SetFontService(nullptr);
    }

    QtFontService m_fonts;
    ScriptedMessagePresenter m_messages;
};

QImage ToImage(const TXBitmap& bitmap) {
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Colour c = bitmap.Pixel(x, y);
            image.setPixel(x, y, qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
        }
    }
    return image;
}

TEST_P(GalleryTest, MatchesItsStoredPicture) {
    const std::string page = GetParam();
    SeedRandom(1);
    PageRenderRequest request;
    request.folder = WithTrailingSeparator(ProgramPath(kGallery));
    request.file = page + ".html";
    request.utf8 = true;
    request.conditions = {"angemeldet", "gesetzt"};
    request.macros = {{"name", "Marie"}};
    PageRenderRun run;
    ASSERT_TRUE(run.Render(request));
    const QImage rendered = ToImage(run.Visible(0, false));
    ASSERT_EQ(rendered.width(), 800);
    ASSERT_EQ(rendered.height(), 572);

    const std::filesystem::path expectedPath = kGallery / "expected" / (page + ".png");
    const char* update = std::getenv("QOR_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        ASSERT_TRUE(rendered.save(QString::fromStdString(expectedPath.string()), "PNG"));
        return;
    }
    QImage expected(QString::fromStdString(expectedPath.string()));
    ASSERT_FALSE(expected.isNull()) << "no stored picture " << expectedPath;
    expected = expected.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(expected.size(), rendered.size());
    QImage difference(rendered.size(), QImage::Format_RGB32);
    int different = 0;
    for (int y = 0; y < rendered.height(); ++y) {
        for (int x = 0; x < rendered.width(); ++x) {
            const bool same = rendered.pixel(x, y) == expected.pixel(x, y);
            different += same ? 0 : 1;
            difference.setPixel(x, y, same ? qRgb(255, 255, 255) : qRgb(255, 0, 0));
        }
    }
    if (different > 0) {
        rendered.save(QString::fromStdString((kOutput / (page + ".rendered.png")).string()), "PNG");
        difference.save(QString::fromStdString((kOutput / (page + ".diff.png")).string()), "PNG");
    }
    EXPECT_EQ(different, 0) << "pictures written to " << kOutput;
}

INSTANTIATE_TEST_SUITE_P(Pages, GalleryTest,
                         ::testing::Values("text", "alignment", "tabs", "links", "pictures", "boxes",
                                           "checkboxes", "tasks", "conditions"));

} // namespace
} // namespace qor
