#include "technopics/TechnoScenes.h"

#include "page/sources/JpegReader.h"
#include "page/sources/JpegWriter.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace qor::technopics {
namespace {

// The mean difference of all colour channels of two pictures of the same size, 0 … 255.
double MeanDifference(const TXBitmap& a, const TXBitmap& b) {
    double sum = 0;
    for (int y = 0; y < a.Height(); ++y) {
        for (int x = 0; x < a.Width() * 3; ++x)
            sum += std::abs(static_cast<int>(a.Row(y)[x]) - static_cast<int>(b.Row(y)[x]));
    }
    return sum / (static_cast<double>(a.Width()) * a.Height() * 3);
}

TEST(TechnoScenes, EveryScenePaintsTheSameRichPictureEachTimeAndDecodesFromItsFile) {
    const std::vector<std::string> names = SceneFileNames();
    ASSERT_GE(names.size(), 5u);
    std::vector<TXBitmap> pictures;
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_TRUE(names[i].ends_with(".jpg"));
        EXPECT_NE(names[i], "vorschau.jpg") << "the show leaves that name out";
        const TXBitmap picture = PaintScene(static_cast<int>(i));
        ASSERT_EQ(picture.Width(), kWidth);
        ASSERT_EQ(picture.Height(), kHeight);
        EXPECT_EQ(MeanDifference(picture, PaintScene(static_cast<int>(i))), 0.0) << "a build ships the same";
        std::set<Colour> colours;
        for (int y = 0; y < kHeight; y += 7) {
            for (int x = 0; x < kWidth; x += 7)
                colours.insert(picture.Pixel(x, y));
        }
        EXPECT_GT(colours.size(), 40u) << "a scene, not a plain surface";

        TXBitmap decoded;
        ASSERT_TRUE(ReadJpeg(WriteJpeg(picture, 88), decoded));
        ASSERT_EQ(decoded.Width(), kWidth);
        ASSERT_EQ(decoded.Height(), kHeight);
        EXPECT_LT(MeanDifference(picture, decoded), 4.0) << "the file holds the painted picture";
        pictures.push_back(picture);
    }
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        for (std::size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_GT(MeanDifference(pictures[i], pictures[j]), 20.0) << names[i] << " / " << names[j];
    }
}

TEST(TechnoScenes, AnEmptyPictureGivesNoFile) {
    EXPECT_TRUE(WriteJpeg(TXBitmap(), 88).empty());
}

} // namespace
} // namespace qor::technopics
