#include "sound/WaveBaseFile.h"

#include "platform/Zlib.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using Entries = std::vector<WaveBaseEntry>;

TEST(WaveBaseFile, FormByExtension) {
    struct Case {
        const char* name;
        WaveBaseFileForm form;
    };
    const std::vector<Case> cases = {
        {"f_w.qor", WaveBaseFileForm::Compressed},     {"C:\\daten\\F_W.QOR", WaveBaseFileForm::Compressed},
        {"alt.xtm", WaveBaseFileForm::Compressed},     {"alt.Xtm", WaveBaseFileForm::Compressed},
        {"liste.txt", WaveBaseFileForm::PlainText},    {"ohne", WaveBaseFileForm::PlainText},
        {"a.qor\\b.txt", WaveBaseFileForm::PlainText}, {"x.qor.txt", WaveBaseFileForm::PlainText},
        {"dir.x/f.qor", WaveBaseFileForm::Compressed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WaveBaseFormOf(c.name), c.form);
    }
}

TEST(WaveBaseFile, CompressedRoundTripKeepsOrder) {
    Entries entries = {{"tête (f)", "XF:\\LA\\1\\tete.wav"}, {"chanter qc", "XU:\\c.wav"}, {"", ".wav"}};
    Entries again;
    ASSERT_TRUE(DecodeWaveBase(EncodeWaveBase(entries), again));
    EXPECT_EQ(again, entries);
}

TEST(WaveBaseFile, CompressedContentIsTextNulPathNul) {
    std::string inflated;
    ASSERT_EQ(InflateZlib(EncodeWaveBase({{"a", "b"}, {"c", "d"}}), inflated, 1000), InflateStatus::Ok);
    EXPECT_EQ(inflated, std::string("a\0b\0c\0d\0", 8));
}

TEST(WaveBaseFile, CompressedDecodingCases) {
    struct Case {
        const char* name;
        std::string inflated;
        Entries expected;
    };
    const std::vector<Case> cases = {
        {"empty stream", "", {}},
        {"texts are trimmed, paths are not",
         std::string("  mot \0 XF:a.wav \0", 18),
         {{"mot", " XF:a.wav "}}},
        {"odd number of strings", std::string("a\0b\0c\0", 6), {{"a", "b"}, {"c", ""}}},
        {"last string unterminated", std::string("a\0b\0c\0d", 7), {{"a", "b"}, {"c", "d"}}},
        {"empty strings", std::string("\0\0", 2), {{"", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Entries entries;
        EXPECT_TRUE(DecodeWaveBase(DeflateZlib(c.inflated), entries));
        EXPECT_EQ(entries, c.expected);
    }
}

TEST(WaveBaseFile, DamagedStreamsKeepTheCompleteEntriesBeforeTheDamage) {
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "wort" + std::to_string(i) + '\0' + "XF:\\w" + std::to_string(i) + ".wav" + '\0';
    std::string compressed = DeflateZlib(text);

    Entries truncated;
    EXPECT_FALSE(DecodeWaveBase(compressed.substr(0, compressed.size() / 2), truncated));
    ASSERT_FALSE(truncated.empty());
    EXPECT_LT(truncated.size(), 2000u);
    for (std::size_t i = 0; i < truncated.size(); ++i) {
        EXPECT_EQ(truncated[i].first, "wort" + std::to_string(i));
        EXPECT_EQ(truncated[i].second, "XF:\\w" + std::to_string(i) + ".wav");
    }

    Entries corrupt;
    std::string damaged = compressed;
    damaged[damaged.size() - 2] ^= 0x55; // the checksum
    EXPECT_FALSE(DecodeWaveBase(damaged, corrupt));
    for (std::size_t i = 0; i < corrupt.size(); ++i)
        EXPECT_EQ(corrupt[i].first, "wort" + std::to_string(i));

    Entries notZlib;
    EXPECT_FALSE(DecodeWaveBase("das ist kein zlib", notZlib));
    EXPECT_TRUE(notZlib.empty());

    Entries empty;
    EXPECT_FALSE(DecodeWaveBase("", empty));
    EXPECT_TRUE(empty.empty());
}

TEST(WaveBaseFile, DecodingAppendsToWhatIsThere) {
    Entries entries = {{"vorher", "v.wav"}};
    DecodeWaveBase(EncodeWaveBase({{"neu", "n.wav"}}), entries);
    EXPECT_EQ(entries, (Entries{{"vorher", "v.wav"}, {"neu", "n.wav"}}));
}

TEST(WaveBaseFile, PlainTextCases) {
    struct Case {
        const char* name;
        std::string text;
        Entries expected;
    };
    const std::vector<Case> cases = {
        {"empty", "", {}},
        {"pairs of lines", "un\nXF:1.wav\ndeux\nXF:2.wav\n", {{"un", "XF:1.wav"}, {"deux", "XF:2.wav"}}},
        {"CR LF line ends", "un\r\nXF:1.wav\r\n", {{"un", "XF:1.wav"}}},
        {"no final line end", "un\nXF:1.wav", {{"un", "XF:1.wav"}}},
        {"odd number of lines", "un\nXF:1.wav\ndeux", {{"un", "XF:1.wav"}, {"deux", ""}}},
        {"text trimmed", "  un \t\nXF:1.wav\n", {{"un", "XF:1.wav"}}},
        {"a NUL ends its line", std::string("u\0x\nXF:1.wav\0y\n", 15), {{"u", "XF:1.wav"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Entries entries;
        ParseWaveBaseText(c.text, entries);
        EXPECT_EQ(entries, c.expected);
    }
}

} // namespace
} // namespace qor
