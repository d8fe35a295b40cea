#include "UserTestSupport.h"

namespace qor::test {
namespace {

class UserRecordsTest : public UserBaseTest {
protected:
    void SetUp() override {
        m_base.LogIn("Anna", "");
        ASSERT_TRUE(m_base.IsLoggedIn());
    }
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (const TXUserVoc& record : m_base.Records())
            keys.push_back(record.key);
        return keys;
    }
};

TEST_F(UserRecordsTest, NewDeutschRecordsGoToTheEndAndFremdToTheFront) {
    m_base.RecordResult("maison", VocDirection::Deutsch, 'e', 25, 2);
    m_base.RecordResult("chat", VocDirection::Fremd, 'm', 12, 1);
    m_base.RecordResult("chien", VocDirection::Deutsch, 'v', 8, 0);
    m_base.RecordResult("oiseau", VocDirection::Fremd, 'e', -15, 10);
    EXPECT_EQ(Keys(), (std::vector<std::string>{">10oiseau", ">1chat", "<2maison", "<0chien"}));
    EXPECT_EQ(m_base.Records()[0].scores, "2"); // -15 + 65
    EXPECT_EQ(m_base.Records()[0].modes, "e");
}

TEST_F(UserRecordsTest, KeysMatchWithoutRegardToCase) {
    m_base.RecordResult("Maison", VocDirection::Deutsch, 'e', 25, 2);
    m_base.RecordResult("MAISON", VocDirection::Deutsch, 'm', -12, 2);
    m_base.RecordResult(std::string("\xC9t\xE9"), VocDirection::Deutsch, 'e', 25, 2);
    m_base.RecordResult(std::string("\xE9T\xC9"), VocDirection::Deutsch, 'e', 0, 2);
    // The direction and the number are part of the key.
    m_base.RecordResult("maison", VocDirection::Fremd, 'e', 25, 2);
    m_base.RecordResult("maison", VocDirection::Deutsch, 'e', 25, 3);
    EXPECT_EQ(m_base.Records(), (std::vector<TXUserVoc>{{">2maison", "Z", "e"},
                                                        {"<2Maison", "5Z", "me"},
                                                        {"<2\xC9t\xE9", "AZ", "ee"},
                                                        {"<3maison", "Z", "e"}}));
}

TEST_F(UserRecordsTest, TheSixthResultDropsTheOldest) {
    const int changes[] = {1, 2, 3, 4, 5, 6, 7};
    const char modes[] = {'e', 'm', 'v', 'e', 'm', 'v', 'e'};
    const char* expectedScores[] = {"B", "CB", "DCB", "EDCB", "FEDCB", "GFEDC", "HGFED"};
    const char* expectedModes[] = {"e", "me", "vme", "evme", "mevme", "vmevm", "evmev"};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        m_base.RecordResult("chat", VocDirection::Deutsch, modes[i], changes[i], 1);
        ASSERT_EQ(m_base.Records().size(), 1u);
        EXPECT_EQ(m_base.Records()[0].scores, expectedScores[i]);
        EXPECT_EQ(m_base.Records()[0].modes, expectedModes[i]);
    }
}

TEST_F(UserRecordsTest, ModeCountersCountEachAnswer) {
    for (char mode : {'e', 'e', 'm', 'v', 'v', 'v', 'x'})
        m_base.RecordResult("chat", VocDirection::Deutsch, mode, 0, 1);
    EXPECT_EQ(m_base.TypingCount(), 2);
    EXPECT_EQ(m_base.MultipleChoiceCount(), 1);
    EXPECT_EQ(m_base.LasVegasCount(), 3);
    EXPECT_EQ(m_base.Records()[0].modes, "xvvvm");
}

TEST_F(UserRecordsTest, KeysAreTrimmedAndFoundAgainAfterReload) {
    m_base.RecordResult("chat ", VocDirection::Deutsch, 'e', 25, 1);
    m_base.RecordResult("chat", VocDirection::Deutsch, 'e', 25, 1);
    EXPECT_EQ(Keys(), std::vector<std::string>{"<1chat"});
    ASSERT_TRUE(m_base.SaveUser());
    m_base.LogIn("Anna", "");
    m_base.RecordResult("chat ", VocDirection::Deutsch, 'm', 12, 1);
    EXPECT_EQ(m_base.Records(), (std::vector<TXUserVoc>{{"<1chat", "MZZ", "mee"}}));
}

TEST_F(UserRecordsTest, HeavyPenaltiesAndOddModesSurviveTheFile) {
    // A change of -75 would be a zero byte, -40 a blank, -60 a control character: all are cut
    // away by the file reader.
    m_base.RecordResult("chat", VocDirection::Deutsch, 'e', -40, 1);
    m_base.RecordResult("chat", VocDirection::Deutsch, 'e', -15 - 60, 1);
    m_base.RecordResult("chat", VocDirection::Deutsch, '\0', -60, 1);
    m_base.RecordResult("chat", VocDirection::Deutsch, ' ', 0, 1);
    EXPECT_EQ(m_base.Records(), (std::vector<TXUserVoc>{{"<1chat", "A!!!", "??ee"}}));
    ASSERT_TRUE(m_base.SaveUser());
    EXPECT_EQ(ReadUser("Anna").records, (std::vector<TXUserVoc>{{"<1chat", "A!!!", "??ee"}}));
}

TEST_F(UserRecordsTest, NothingIsRecordedWithoutAUser) {
    ASSERT_TRUE(m_base.SaveUser());
    m_base.RecordResult("chat", VocDirection::Deutsch, 'e', 25, 1);
    EXPECT_TRUE(m_base.Records().empty());
    EXPECT_EQ(m_base.TypingCount(), 0);
}

TEST_F(UserRecordsTest, VocScoreFindsTheMatchingRecord) {
    m_base.RecordResult("maison", VocDirection::Deutsch, 'e', 25, 2);
    m_base.RecordResult("maison", VocDirection::Deutsch, 'e', 25, 2);
    m_base.RecordResult("chat", VocDirection::Fremd, 'm', -12, 1);
    struct Case {
        const char* text;
        VocDirection direction;
        int number;
        int score;
        bool found;
    };
    const Case cases[] = {
        {"maison", VocDirection::Deutsch, 2, 50, true}, {"MAISON", VocDirection::Deutsch, 2, 50, true},
        {"maison", VocDirection::Fremd, 2, 0, false},   {"maison", VocDirection::Deutsch, 1, 0, false},
        {"chat", VocDirection::Fremd, 1, -12, true},    {"chats", VocDirection::Fremd, 1, 0, false},
        {"", VocDirection::Fremd, 1, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const VocScoreResult result = m_base.VocScore(c.text, c.direction, c.number);
        EXPECT_EQ(result.score, c.score);
        EXPECT_EQ(result.found, c.found);
    }
}

TEST_F(UserRecordsTest, StatisticsAndHistogramOfTheLoggedInUser) {
    m_base.RecordResult("a", VocDirection::Deutsch, 'e', 25, 1);
    m_base.RecordResult("b", VocDirection::Fremd, 'm', -12, 1);
    m_base.ComputeStatistics();
    const UserStatistics& s = m_base.Statistics();
    EXPECT_EQ(s.recordCount, 2);
    EXPECT_EQ(s.averageAbsolute, 6); // (25 - 12) div 2
    EXPECT_EQ(s.averageRelative, 0); // (125 clamped to 100, -100) div 2
    EXPECT_EQ(s.shareTyping, 50);
    EXPECT_EQ(s.shareMultipleChoice, 50);

    // Width 21, height 4: bin 13 (absolute 25) and bin 9 (absolute -12) each half high.
    std::vector<std::int32_t> pixels(21 * 4, 0);
    FillRectangle fill = [&](int x1, int y1, int x2, int y2, std::int32_t colour) {
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                pixels[static_cast<std::size_t>(y * 21 + x)] = colour;
    };
    m_base.DrawHistogram(21, 4, static_cast<int>(HistogramKind::Absolut), fill);
    for (int x : {9, 13}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(pixels[static_cast<std::size_t>(3 * 21 + x)], kHistogramWhite);
        EXPECT_EQ(pixels[static_cast<std::size_t>(2 * 21 + x)], kHistogramWhite);
        EXPECT_NE(pixels[static_cast<std::size_t>(1 * 21 + x)], kHistogramWhite);
    }
    EXPECT_EQ(pixels[0], kHistogramRed);
    EXPECT_EQ(pixels[20], kHistogramGrey);

    int calls = 0;
    FillRectangle counting = [&](int, int, int, int, std::int32_t) { ++calls; };
    m_base.DrawHistogram(21, 4, 4, counting);
    m_base.DrawHistogram(21, 4, -1, counting);
    EXPECT_EQ(calls, 0);
}

} // namespace
} // namespace qor::test
