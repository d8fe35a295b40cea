#include "page/render/BitmapPng.h"
#include "page/render/TXBitmap.h"
#include "platform/PngWriter.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>
#include <zlib.h>

namespace qor {
namespace {

std::uint32_t BigEndian(const std::string& data, std::size_t at) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(data[at])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 2])) << 8) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + 3]));
}

struct Chunk {
    std::string type;
    std::string data;
};

// Splits a PNG into its chunks, checking the signature and every CRC on the way.
std::vector<Chunk> ParseChunks(const std::string& png) {
    std::vector<Chunk> chunks;
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        const std::uint32_t length = BigEndian(png, at);
        if (at + 12 + length > png.size()) {
            ADD_FAILURE() << "chunk runs past the end";
            break;
        }
        Chunk chunk{png.substr(at + 4, 4), png.substr(at + 8, length)};
        const uLong crc =
            crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(png.data() + at + 4), length + 4);
        EXPECT_EQ(BigEndian(png, at + 8 + length), static_cast<std::uint32_t>(crc)) << chunk.type;
        chunks.push_back(std::move(chunk));
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size());
    return chunks;
}

std::string Inflate(const std::string& compressed, std::size_t expectedSize) {
    std::string raw(expectedSize + 16, '\0');
    uLongf size = static_cast<uLongf>(raw.size());
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &size,
                         reinterpret_cast<const Bytef*>(compressed.data()),
                         static_cast<uLong>(compressed.size())),
              Z_OK);
    raw.resize(size);
    return raw;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

TEST(PngWriter, EncodesRgbRowsWithHeaderAndCrcs) {
    // 3 × 2 pixels in B, G, R order with two bytes of padding after each row.
    const std::size_t stride = 3 * 3 + 2;
    std::vector<std::uint8_t> rows(stride * 2, 0xEE);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            std::uint8_t* p = rows.data() + y * stride + 3 * x;
            p[0] = static_cast<std::uint8_t>(10 * x + y);       // blue
            p[1] = static_cast<std::uint8_t>(100 + x);          // green
            p[2] = static_cast<std::uint8_t>(200 + 10 * y + x); // red
        }
    }
    const std::string png = EncodePng(3, 2, rows.data(), stride);
    const std::vector<Chunk> chunks = ParseChunks(png);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].type, "IHDR");
    EXPECT_EQ(chunks[1].type, "IDAT");
    EXPECT_EQ(chunks[2].type, "IEND");
    EXPECT_TRUE(chunks[2].data.empty());

    const std::string& header = chunks[0].data;
    ASSERT_EQ(header.size(), 13u);
    EXPECT_EQ(BigEndian(header, 0), 3u);
    EXPECT_EQ(BigEndian(header, 4), 2u);
    EXPECT_EQ(header[8], 8); // bit depth
    EXPECT_EQ(header[9], 2); // RGB
    EXPECT_EQ(header.substr(10), std::string(3, '\0'));

    const std::string raw = Inflate(chunks[1].data, 2 * (1 + 9));
    ASSERT_EQ(raw.size(), 2u * (1 + 9));
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(raw[y * 10], 0) << "filter byte of row " << y;
        for (int x = 0; x < 3; ++x) {
            SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
            const auto* p = reinterpret_cast<const unsigned char*>(raw.data()) + y * 10 + 1 + 3 * x;
            EXPECT_EQ(p[0], 200 + 10 * y + x); // red first
            EXPECT_EQ(p[1], 100 + x);
            EXPECT_EQ(p[2], 10 * x + y);
        }
    }
}

TEST(PngWriter, RejectsEmptyPictures) {
    const std::uint8_t pixel[3] = {1, 2, 3};
    EXPECT_TRUE(EncodePng(0, 1, pixel, 3).empty());
    EXPECT_TRUE(EncodePng(1, 0, pixel, 3).empty());
    EXPECT_TRUE(EncodePng(-1, 1, pixel, 3).empty());
    EXPECT_TRUE(EncodePng(1, 1, nullptr, 3).empty());
    EXPECT_FALSE(EncodePng(1, 1, pixel, 3).empty());
}

class PngFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("qor_png_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::filesystem::path m_dir;
};

TEST_F(PngFileTest, WritePngStoresTheEncodedFile) {
    const std::uint8_t pixels[6] = {1, 2, 3, 4, 5, 6};
    const std::filesystem::path path = m_dir / "zwei.png";
    ASSERT_TRUE(WritePng(path, 2, 1, pixels, 6));
    EXPECT_EQ(ReadFile(path), EncodePng(2, 1, pixels, 6));
    EXPECT_FALSE(WritePng(m_dir / "leer.png", 0, 0, pixels, 6));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "leer.png"));
}

TEST_F(PngFileTest, SavePngWritesTheBitmapsPixels) {
    TXBitmap bitmap(5, 4);
    bitmap.Fill(MakeColour(255, 128, 0), ColourOrder::BlueHigh);
    bitmap.SetPixel(4, 3, MakeColour(1, 2, 3));
    const std::filesystem::path path = m_dir / "bild.png";
    ASSERT_TRUE(SavePng(bitmap, path));
    const std::vector<Chunk> chunks = ParseChunks(ReadFile(path));
    ASSERT_EQ(chunks.size(), 3u);
    const std::string raw = Inflate(chunks[1].data, 4 * (1 + 15));
    ASSERT_EQ(raw.size(), 4u * 16);
    EXPECT_EQ(static_cast<unsigned char>(raw[1]), 255);
    EXPECT_EQ(static_cast<unsigned char>(raw[2]), 128);
    EXPECT_EQ(static_cast<unsigned char>(raw[3]), 0);
    EXPECT_EQ(raw.substr(3 * 16 + 1 + 12, 3), std::string("\x01\x02\x03", 3));

    EXPECT_FALSE(SavePng(TXBitmap(), m_dir / "leer.png"));
}

} // namespace
} // namespace qor
