#include "users/UserFile.h"

#include "platform/Cp1252.h"
#include "platform/Zlib.h"

#include <gtest/gtest.h>
#include <string>

namespace qor {
namespace {

using namespace std::string_literals;

constexpr double kSecond = 1.0 / 86400;

UserFileContent Sample() {
    UserFileContent content;
    content.credentials = CredentialsText(std::string("Jürgen"_cp), "geheim");
    content.learningTime = (3 * 3600 + 25 * 60 + 7) * kSecond;
    content.records = {
        {">1chat", "ZZ5", "eem"}, {std::string("<2maison à louer"_cp), "M", "m"}, {"<0x", "", ""}};
    return content;
}

TEST(UserFile, TextLayoutIsZeroTerminatedStrings) {
    EXPECT_EQ(CredentialsText("Anna", ""), "Anna:");
    EXPECT_EQ(CredentialsText("Anna", "a:b"), "Anna:a:b");
    const std::string expected = std::string("J\xFCrgen:geheim\0!03:25:07\0"s) + ">1chat\0ZZ5\0eem\0"s +
                                 "<2maison \xE0 louer\0M\0m\0"s + "<0x\0\0\0"s;
    EXPECT_EQ(UserFileText(Sample()), expected);
}

TEST(UserFile, RoundTripThroughZlib) {
    const UserFileContent original = Sample();
    const std::string bytes = EncodeUserFile(original);
    // A zlib stream at the default level: header 0x78 0x9C.
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x78);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0x9C);
    UserFileContent decoded;
    ASSERT_EQ(DecodeUserFile(bytes, decoded), UserFileState::Content);
    EXPECT_EQ(decoded.credentials, original.credentials);
    EXPECT_NEAR(decoded.learningTime, original.learningTime, 1e-12);
    EXPECT_EQ(decoded.records, original.records);
}

TEST(UserFile, LearningTimeBeyondADayRestartsFromZero) {
    UserFileContent content = Sample();
    content.learningTime = 1 + 90 * kSecond; // 24:01:30 trained in total
    EXPECT_NE(UserFileText(content).find("!00:01:30\0"s), std::string::npos);
    UserFileContent decoded;
    ASSERT_EQ(DecodeUserFile(EncodeUserFile(content), decoded), UserFileState::Content);
    EXPECT_NEAR(decoded.learningTime, 90 * kSecond, 1e-12);
}

TEST(UserFile, OddTextsParse) {
    struct Case {
        const char* name;
        std::string text;
        std::string credentials;
        double learningTime;
        std::vector<TXUserVoc> records;
    };
    const Case cases[] = {
        {"name only", "Anna:\0"s, "Anna:", 0, {}},
        {"last string without its zero",
         "Anna:x\0!1:00\0>1a\0B\0e"s,
         "Anna:x",
         3600 * kSecond,
         {{">1a", "B", "e"}}},
        {"missing ! line: records start at once", "Anna:\0>1a\0B\0e\0"s, "Anna:", 0, {{">1a", "B", "e"}}},
        {"unreadable time reads as 0", "Anna:\0!gestern\0>1a\0B\0e\0"s, "Anna:", 0, {{">1a", "B", "e"}}},
        {"H:MM time", "Anna:\0!2:05\0"s, "Anna:", (2 * 3600 + 5 * 60) * kSecond, {}},
        {"a trailing key without scores and modes",
         "Anna:\0!0:00\0>1a\0B\0e\0<2b\0"s,
         "Anna:",
         0,
         {{">1a", "B", "e"}, {"<2b", "", ""}}},
        {"a trailing key with scores only", "Anna:\0!0:00\0<2b\0AB\0"s, "Anna:", 0, {{"<2b", "AB", ""}}},
        {"record strings are trimmed of blanks and controls",
         "Anna:\0!0:00\0 >1a\t\0\x01"
         "B \0\re\n\0"s,
         "Anna:",
         0,
         {{">1a", "B", "e"}}},
        {"credentials are not trimmed", " Anna: \0"s, " Anna: ", 0, {}},
        {"bytes above 127 are not blanks",
         "A:\0!0:00\0>1\xE9t\xE9\xA0\0A\0e\0"s,
         "A:",
         0,
         {{">1\xE9t\xE9\xA0", "A", "e"}}},
        {"empty strings", "\0\0\0\0"s, "", 0, {{"", "", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UserFileContent content = ParseUserFileText(c.text);
        EXPECT_EQ(content.credentials, c.credentials);
        EXPECT_NEAR(content.learningTime, c.learningTime, 1e-12);
        EXPECT_EQ(content.records, c.records);
    }
}

TEST(UserFile, BadFilesAreDamagedOrEmpty) {
    const std::string good = EncodeUserFile(Sample());
    struct Case {
        const char* name;
        std::string bytes;
        UserFileState state;
    };
    std::string flipped = good;
    flipped[flipped.size() / 2] ^= 0x55;
    std::string badChecksum = good;
    badChecksum.back() ^= 0x01;
    const Case cases[] = {
        {"no bytes: a new user", "", UserFileState::Empty},
        {"a stream of nothing", DeflateZlib(""), UserFileState::Empty},
        {"truncated", good.substr(0, good.size() - 5), UserFileState::Damaged},
        {"only the header", good.substr(0, 2), UserFileState::Damaged},
        {"damaged in the middle", flipped, UserFileState::Damaged},
        {"bad checksum", badChecksum, UserFileState::Damaged},
        {"plain text, not zlib", "Anna:\0!00:00:00\0"s, UserFileState::Damaged},
        {"bytes after the stream are ignored", good + "junk", UserFileState::Content},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UserFileContent content;
        content.credentials = "left over";
        EXPECT_EQ(DecodeUserFile(c.bytes, content), c.state);
        if (c.state != UserFileState::Content) {
            EXPECT_TRUE(content.credentials.empty());
            EXPECT_TRUE(content.records.empty());
        }
    }
}

TEST(UserFile, AnInflationBombIsRefused) {
    const std::string huge(kUserFileTextLimit + 1, 'A');
    UserFileContent content;
    EXPECT_EQ(DecodeUserFile(DeflateZlib(huge), content), UserFileState::Damaged);
}

} // namespace
} // namespace qor
