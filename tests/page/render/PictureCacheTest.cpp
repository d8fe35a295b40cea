#include "page/render/PictureCache.h"

#include "platform/ScriptedMessagePresenter.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor {
namespace {

struct ReadCall {
    std::string path;
    bool jpeg;
    bool resource;
};

class PictureCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessagePresenter(&m_messages);
        m_cache.SetReader([this](std::string_view path, bool jpeg, bool resource, TXBitmap& bitmap) {
            m_calls.push_back({std::string(path), jpeg, resource});
            if (path.find("fehlt") != std::string_view::npos) {
                return false;
            }
            bitmap.Resize(4, 3);
            return true;
        });
    }
    void TearDown() override { SetMessagePresenter(nullptr); }

    ScriptedMessagePresenter m_messages;
    tPicture_list m_cache;
    std::vector<ReadCall> m_calls;
};

TEST_F(PictureCacheTest, StarMarksKeptAndFindComparesInCapitals) {
    EXPECT_EQ(m_cache.Load("*Bilder/Haus.JPG"), 0);
    ASSERT_EQ(m_calls.size(), 1u);
    EXPECT_EQ(m_calls[0].path, "Bilder/Haus.JPG");
    EXPECT_TRUE(m_calls[0].jpeg);
    EXPECT_FALSE(m_calls[0].resource);
    EXPECT_EQ(m_cache.At(0).name, "Bilder/Haus.JPG");
    EXPECT_TRUE(m_cache.At(0).kept);
    EXPECT_EQ(m_cache.At(0).bitmap.Width(), 4);
    EXPECT_EQ(m_cache.Find("bilder/haus.jpg"), 0);
    EXPECT_EQ(m_cache.Find("haus.jpg"), -1);

    EXPECT_EQ(m_cache.Load("BILDER/haus.jpg"), 0); // found, not read again
    EXPECT_EQ(m_calls.size(), 1u);
}

TEST_F(PictureCacheTest, AnExistingEntryDoesNotBecomeKept) {
    EXPECT_EQ(m_cache.Load("a.bmp"), 0);
    EXPECT_EQ(m_cache.Load("*A.BMP"), 0);
    EXPECT_FALSE(m_cache.At(0).kept);
    EXPECT_EQ(m_calls.size(), 1u);
}

TEST_F(PictureCacheTest, ClearKeepsOnlyKeptEntries) {
    m_cache.Load("eins.bmp");
    m_cache.Load("*zwei.bmp");
    m_cache.Blank(30, 20);
    m_cache.Load("drei.jpeg");
    ASSERT_EQ(m_cache.Count(), 4);
    m_cache.Clear();
    ASSERT_EQ(m_cache.Count(), 1);
    EXPECT_EQ(m_cache.At(0).name, "zwei.bmp");
    EXPECT_EQ(m_cache.Find("eins.bmp"), -1);
}

TEST_F(PictureCacheTest, ReaderSeesJpegAndResourceNames) {
    struct NameCase {
        const char* name;
        const char* path;
        bool jpeg;
        bool resource;
    };
    const std::vector<NameCase> cases = {
        {"foto.jpeg", "foto.jpeg", true, false},
        {"foto.JPG", "foto.JPG", true, false},
        {"foto.bmp", "foto.bmp", false, false},
        {"jpg", "jpg", false, false},
        {"$knopf-rot.v2.jpeg", "knopf_rot_v2_jpeg", true, true},
        {"$logo.JPEG", "logo_JPEG", false, true}, // resources match "jpeg" exactly
        {"$logo.jpg", "logo_jpg", false, true},
        {"$bild", "bild", false, true},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_calls.clear();
        const int index = m_cache.Load(c.name);
        ASSERT_GE(index, 0);
        ASSERT_EQ(m_calls.size(), 1u);
        EXPECT_EQ(m_calls[0].path, c.path);
        EXPECT_EQ(m_calls[0].jpeg, c.jpeg);
        EXPECT_EQ(m_calls[0].resource, c.resource);
        EXPECT_EQ(m_cache.At(index).name, c.name);
    }
}

TEST_F(PictureCacheTest, PercentNamesStayEmptyWithoutReading) {
    const int index = m_cache.Load("%100x60=uhr");
    ASSERT_EQ(index, 0);
    EXPECT_TRUE(m_calls.empty());
    EXPECT_TRUE(m_cache.At(0).bitmap.Empty());
    EXPECT_EQ(m_cache.Find("%100X60=UHR"), 0);
}

TEST_F(PictureCacheTest, AFailedReadShowsTheMessageAndAddsNothing) {
    m_cache.Load("da.bmp");
    EXPECT_EQ(m_cache.Load("*fehlt.bmp"), -1);
    EXPECT_EQ(m_cache.Count(), 1);
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].text, "Das Bild fehlt.bmp konnte nicht geladen werden!");
    EXPECT_EQ(m_messages.Messages()[0].flags, kMbIconError | kMbOk);
    EXPECT_EQ(m_cache.Find("fehlt.bmp"), -1);
    EXPECT_EQ(m_cache.Load("da.bmp"), 0);
}

TEST_F(PictureCacheTest, WithoutAReaderEveryReadFails) {
    tPicture_list fresh;
    EXPECT_EQ(fresh.Load("x.bmp"), -1);
    EXPECT_EQ(fresh.Load("$x.jpeg"), -1);
    EXPECT_EQ(fresh.Count(), 0);
    EXPECT_EQ(m_messages.Messages().size(), 2u);
    EXPECT_EQ(fresh.Load("%blank"), 0); // needs no reader
}

TEST_F(PictureCacheTest, BlankPicturesAreUnnamed) {
    const int index = m_cache.Blank(30, 20);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(m_cache.At(index).bitmap.Width(), 30);
    EXPECT_EQ(m_cache.At(index).bitmap.Height(), 20);
    EXPECT_TRUE(m_cache.At(index).name.empty());
    EXPECT_FALSE(m_cache.At(index).kept);
    EXPECT_EQ(m_cache.Blank(TXBitmap::kMaxSide * 2, 1), 1);
    EXPECT_EQ(m_cache.At(1).bitmap.Width(), TXBitmap::kMaxSide);
}

} // namespace
} // namespace qor
