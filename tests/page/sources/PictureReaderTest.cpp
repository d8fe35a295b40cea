// Picture files: bitmaps in their variants and JPEGs, good, truncated and lying; and the picture
// reader of the page's picture cache.

#include "SourcesTestSupport.h"
#include "page/markup/MarkupTestSupport.h"
#include "page/sources/BmpReader.h"
#include "page/sources/EmbeddedData.h"
#include "page/sources/JpegReader.h"
#include "page/sources/PictureFile.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

constexpr Colour kRed = MakeColour(255, 0, 0);
constexpr Colour kGreen = MakeColour(0, 255, 0);
constexpr Colour kBlue = MakeColour(0, 0, 255);
constexpr Colour kWhite = MakeColour(255, 255, 255);

std::vector<Colour> Pixels(const TXBitmap& bitmap) {
    std::vector<Colour> pixels;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x)
            pixels.push_back(bitmap.Pixel(x, y));
    }
    return pixels;
}

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

std::string Masks(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    std::string masks(12, '\0');
    PutU32(masks, 0, red);
    PutU32(masks, 4, green);
    PutU32(masks, 8, blue);
    return masks;
}

// The same 3 × 2 picture in every format: top row red, green, blue; bottom row white, red, blue.
const std::vector<Colour> kExpected = {kRed, kGreen, kBlue, kWhite, kRed, kBlue};

TEST(BmpReader, ReadsEveryFormat) {
    const std::string palette =
        PaletteEntry(kWhite) + PaletteEntry(kRed) + PaletteEntry(kGreen) + PaletteEntry(kBlue);
    struct BmpCase {
        const char* name;
        std::string file;
    };
    const std::vector<BmpCase> cases = {
        {"24 bits bottom-up", MakeBmp(3, 2, 24, 0, "",
                                      Bytes({255, 255, 255, 0, 0, 255, 255, 0, 0, 0, 0, 0}) +
                                          Bytes({0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}))},
        {"24 bits top-down", MakeBmp(3, -2, 24, 0, "",
                                     Bytes({0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}) +
                                         Bytes({255, 255, 255, 0, 0, 255, 255, 0, 0, 0, 0, 0}))},
        {"8 bits", MakeBmp(3, 2, 8, 0, palette, Bytes({0, 1, 3, 0}) + Bytes({1, 2, 3, 0}))},
        {"4 bits", MakeBmp(3, 2, 4, 0, palette, Bytes({0x01, 0x30, 0, 0}) + Bytes({0x12, 0x30, 0, 0}))},
        {"32 bits", MakeBmp(3, 2, 32, 0, "",
                            Bytes({255, 255, 255, 0, 0, 0, 255, 0, 255, 0, 0, 0}) +
                                Bytes({0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0}))},
        {"32 bits with bit fields", MakeBmp(3, 2, 32, 3, Masks(0xFF000000, 0x00FF0000, 0x0000FF00),
                                            Bytes({0, 255, 255, 255, 0, 0, 0, 255, 0, 255, 0, 0}) +
                                                Bytes({0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0}))},
        {"16 bits 5-5-5", MakeBmp(3, 2, 16, 0, "",
                                  Bytes({0xFF, 0x7F, 0x00, 0x7C, 0x1F, 0x00, 0, 0}) +
                                      Bytes({0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0}))},
        {"16 bits 5-6-5 bit fields", MakeBmp(3, 2, 16, 3, Masks(0xF800, 0x07E0, 0x001F),
                                             Bytes({0xFF, 0xFF, 0x00, 0xF8, 0x1F, 0x00, 0, 0}) +
                                                 Bytes({0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0}))},
    };
    for (const BmpCase& bmpCase : cases) {
        SCOPED_TRACE(bmpCase.name);
        TXBitmap bitmap;
        ASSERT_TRUE(ReadBmp(bmpCase.file, bitmap));
        EXPECT_EQ(bitmap.Width(), 3);
        EXPECT_EQ(bitmap.Height(), 2);
        EXPECT_EQ(Pixels(bitmap), kExpected);
    }
}

TEST(BmpReader, OneBitPicturesUseTheirTwoColours) {
    // 10 pixels wide: the bits of a row span two bytes.
    const std::string file = MakeBmp(10, 1, 1, 0, PaletteEntry(kBlue) + PaletteEntry(kWhite),
                                     Bytes({0b10110000, 0b01000000, 0, 0}));
    TXBitmap bitmap;
    ASSERT_TRUE(ReadBmp(file, bitmap));
    EXPECT_EQ(Pixels(bitmap), (std::vector<Colour>{kWhite, kBlue, kWhite, kWhite, kBlue, kBlue, kBlue, kBlue,
                                                   kBlue, kWhite}));
}

TEST(BmpReader, RefusesDamagedAndLyingFiles) {
    const std::string good = MakeBmp(2, 2, 24, 0, "", std::string(16, '\x40'));
    const std::string palette = PaletteEntry(kWhite) + PaletteEntry(kRed);
    const auto with = [](std::string file, std::size_t at, std::uint32_t value, bool wide = true) {
        if (wide)
            PutU32(file, at, value);
        else
            PutU16(file, at, value);
        return file;
    };
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty", ""},
        {"no signature", with(good, 0, 0x4D42 ^ 0x2020, false)},
        {"truncated pixels", good.substr(0, good.size() - 1)},
        {"only the headers", good.substr(0, 54)},
        {"file size larger than the file", with(good, 2, static_cast<std::uint32_t>(good.size() + 1))},
        {"pixel offset beyond the file", with(good, 10, 1000)},
        {"pixel offset inside the header", with(good, 10, 20)},
        {"header size too small", with(good, 14, 12)},
        {"header size beyond the file", with(good, 14, 4000)},
        {"height larger than the data", with(good, 22, 3)},
        {"width larger than the data", with(good, 18, 3)},
        {"zero width", with(good, 18, 0)},
        {"negative width", with(good, 18, static_cast<std::uint32_t>(-2))},
        {"zero height", with(good, 22, 0)},
        {"smallest height", with(good, 22, 0x80000000u)},
        {"huge width", with(good, 18, 100000)},
        {"too many pixels", with(with(good, 18, 9000), 22, 9000)},
        {"image size beyond the file", with(good, 34, 1000)},
        {"two planes", with(good, 26, 2, false)},
        {"unknown bit count", with(good, 28, 7, false)},
        {"run-length compression", with(good, 30, 1)},
        {"bit fields on 24 bits", with(good, 30, 3)},
        {"palette larger than the bits allow",
         with(MakeBmp(2, 1, 1, 0, palette, std::string(4, '\0')), 46, 3)},
        {"palette reaching into the pixels",
         with(MakeBmp(2, 1, 1, 0, palette, std::string(4, '\0')), 46, 2 + 16)},
        {"palette beyond the end of the file",
         with(with(MakeBmp(2, 1, 8, 0, palette, std::string(4, '\0')), 46, 256), 10, 54 + 1024)},
        {"palette missing", MakeBmp(2, 1, 8, 0, "", std::string(4, '\0'))},
        {"bit fields without masks", MakeBmp(1, 1, 32, 3, "", std::string(4, '\0')).substr(0, 58)},
    };
    for (const auto& [what, file] : cases) {
        SCOPED_TRACE(what);
        TXBitmap bitmap(1, 1);
        EXPECT_FALSE(ReadBmp(file, bitmap));
        EXPECT_EQ(bitmap.Width(), 1) << "the bitmap must stay as it was";
    }
}

TEST(BmpReader, IndexBeyondThePaletteIsBlack) {
    const std::string file = MakeBmp(2, 1, 8, 0, PaletteEntry(kRed), Bytes({0, 5, 0, 0}));
    std::string declared = file;
    PutU32(declared, 46, 1); // one colour used
    TXBitmap bitmap;
    ASSERT_TRUE(ReadBmp(declared, bitmap));
    EXPECT_EQ(Pixels(bitmap), (std::vector<Colour>{kRed, 0}));
}

TXBitmap TestPicture(int width, int height) {
    TXBitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, x < width / 2 ? (y < height / 2 ? kRed : kBlue) : kWhite);
    }
    return picture;
}

// JPEG is lossy: colours only need to come close.
void ExpectCloseTo(const TXBitmap& decoded, const TXBitmap& original) {
    ASSERT_EQ(decoded.Width(), original.Width());
    ASSERT_EQ(decoded.Height(), original.Height());
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{2, 2}, {2, 29}, {45, 5}, {45, 28}}) {
        SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
        const Colour got = decoded.Pixel(x, y), want = original.Pixel(x, y);
        EXPECT_NEAR(RedOf(got), RedOf(want), 24);
        EXPECT_NEAR(GreenOf(got), GreenOf(want), 24);
        EXPECT_NEAR(BlueOf(got), BlueOf(want), 24);
    }
}

TEST(JpegReader, DecodesBaselineAndProgressivePictures) {
    // 50 pixels wide: rows of 150 bytes need padding in the bitmap.
    const TXBitmap original = TestPicture(50, 32);
    for (const bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        TXBitmap decoded;
        ASSERT_TRUE(ReadJpeg(EncodeJpeg(original, progressive), decoded));
        ExpectCloseTo(decoded, original);
    }
}

TEST(JpegReader, RefusesDamagedFiles) {
    const std::string good = EncodeJpeg(TestPicture(50, 32));
    std::string noMarker = good;
    noMarker[0] = 'X';
    std::string hugeSize = good;
    // The frame header (SOF0, FF C0) holds height and width after its length and precision.
    const std::size_t frame = hugeSize.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    hugeSize[frame + 5] = static_cast<char>(0xEA); // height 60000
    hugeSize[frame + 6] = static_cast<char>(0x60);
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty", ""},
        {"not a JPEG", "BM this is something else entirely"},
        {"no start marker", noMarker},
        {"header only", good.substr(0, 200)},
        {"truncated data", good.substr(0, good.size() / 2)},
        {"too large", hugeSize},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        TXBitmap bitmap(1, 1);
        EXPECT_FALSE(ReadJpeg(bytes, bitmap));
        EXPECT_EQ(bitmap.Width(), 1);
    }
}

class PictureFileTest : public ::testing::Test {
protected:
    TempFolder m_folder;
    MessageCapture m_messages;
};

TEST_F(PictureFileTest, ReadsFilesAndEmbeddedPictures) {
    const TXBitmap original = TestPicture(50, 32);
    const std::string jpeg = EncodeJpeg(original);
    const std::string bmp = MakeBmp(1, 1, 24, 0, "", Bytes({0, 0, 255, 0}));
    const std::string jpegPath = ProgramPathOf(m_folder.MakeFile("bild.jpg", jpeg));
    const std::string bmpPath = ProgramPathOf(m_folder.MakeFile("bild.bmp", bmp));
    RegisterEmbeddedData("Titel_jpeg", jpeg);
    RegisterEmbeddedData("Punkt_bmp", bmp);

    TXBitmap bitmap;
    ASSERT_TRUE(ReadPictureFile(jpegPath, true, false, bitmap));
    ExpectCloseTo(bitmap, original);
    ASSERT_TRUE(ReadPictureFile(bmpPath, false, false, bitmap));
    EXPECT_EQ(Pixels(bitmap), (std::vector<Colour>{kRed}));
    ASSERT_TRUE(ReadPictureFile("TITEL_JPEG", true, true, bitmap));
    ExpectCloseTo(bitmap, original);
    ASSERT_TRUE(ReadPictureFile("Punkt_bmp", false, true, bitmap));
    EXPECT_EQ(Pixels(bitmap), (std::vector<Colour>{kRed}));

    // The decoder follows the name, not the contents.
    EXPECT_FALSE(ReadPictureFile(jpegPath, false, false, bitmap));
    EXPECT_FALSE(ReadPictureFile(bmpPath, true, false, bitmap));
    EXPECT_FALSE(ReadPictureFile(ProgramPathOf(m_folder / "fehlt.bmp"), false, false, bitmap));
    EXPECT_FALSE(ReadPictureFile("Fehlt_bmp", false, true, bitmap));
}

TEST_F(PictureFileTest, ThePictureCacheLoadsThroughIt) {
    tPicture_list pictures;
    pictures.SetReader(ReadPictureFile);
    RegisterEmbeddedData("Knopf_bmp", MakeBmp(1, 1, 24, 0, "", Bytes({255, 0, 0, 0})));
    const std::string path =
        ProgramPathOf(m_folder.MakeFile("a.bmp", MakeBmp(1, 1, 24, 0, "", Bytes({0, 255, 0, 0}))));
    const std::string broken = ProgramPathOf(m_folder.MakeFile("kaputt.jpg", "kein JPEG"));

    const int file = pictures.Load(path);
    const int resource = pictures.Load("$Knopf.bmp");
    ASSERT_GE(file, 0);
    ASSERT_GE(resource, 0);
    EXPECT_EQ(pictures.At(file).bitmap.Pixel(0, 0), kGreen);
    EXPECT_EQ(pictures.At(resource).bitmap.Pixel(0, 0), kBlue);
    EXPECT_TRUE(m_messages.Texts().empty());

    EXPECT_EQ(pictures.Load(broken), -1);
    EXPECT_EQ(pictures.Load("$fehlt.bmp"), -1);
    EXPECT_EQ(m_messages.Texts(),
              (std::vector<std::string>{"Das Bild " + broken + " konnte nicht geladen werden!",
                                        "Das Bild $fehlt.bmp konnte nicht geladen werden!"}));
}

} // namespace
} // namespace qor::test
