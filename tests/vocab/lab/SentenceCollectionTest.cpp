#include "vocab/lab/SentenceCollection.h"

#include "page/sources/TZIPResource.h"
#include "platform/Cp1252.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace qor {
namespace {

// A draw that never shows a letter after the fourth, so a hint mask is all dots but for the
// first and last character and the punctuation.
int NeverShow(int) {
    return 0;
}

std::vector<std::string> Names(const std::vector<TThema>& themes) {
    std::vector<std::string> names;
    for (const TThema& thema : themes)
        names.push_back(thema.Name);
    return names;
}

TEST(SentenceCollection, ReadsThemesAndFiveLineRecords) {
    const std::string text(
        "****Hotel\n"
        "Je suis arrivé.\nJe suis arrivée.\nHinweis\nIch bin angekommen.\nXF:\\LA\\2\\Lab__1a.wav\n"
        "****   Essen und Trinken  \n"
        "J'ai faim.\n\nJ'ai f...\nIch habe Hunger.\nXF:\\LA\\3\\Lab__1a.wav\n"_cp);
    const auto themes = ReadSentenceCollectionText(text, NeverShow);
    ASSERT_EQ(Names(themes), (std::vector<std::string>{"Hotel", "Essen und Trinken"}));
    ASSERT_EQ(themes[0].Saetze.Count(), 1);
    const TSatz& satz = themes[0].Saetze.At(0);
    EXPECT_EQ(satz.Franzoesisch, "Je suis arrivé."_cp);
    EXPECT_EQ(satz.Alternative, "Je suis arrivée."_cp);
    EXPECT_EQ(satz.Hinweis, "Hinweis");
    EXPECT_EQ(satz.Deutsch, "Ich bin angekommen.");
    EXPECT_EQ(satz.Aufnahme, "XF:\\LA\\2\\Lab__1a.wav");
    ASSERT_EQ(themes[1].Saetze.Count(), 1);
    EXPECT_EQ(themes[1].Saetze.At(0).Alternative, "");
    EXPECT_EQ(themes[1].Saetze.At(0).Hinweis, "J'ai f...");
}

TEST(SentenceCollection, EdgeCasesOfTheRecordLayout) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> themes;
        std::vector<int> counts;
    };
    const std::vector<Case> cases = {
        {"empty text", "", {}, {}},
        {"theme line alone", "****", {""}, {0}},
        {"records before the first theme are dropped", "a\nb\nc\nd\ne\n****T\n", {"T"}, {0}},
        {"a theme line inside a record is record text", "****T\nfr\n****X\n \nde\np\n", {"T"}, {1}},
        {"five stars keep the fifth", "*****Stern\n", {"*Stern"}, {0}},
        {"three stars begin a record", "****T\n***\n\n \nde\np\n", {"T"}, {1}},
        {"CR LF line ends", "****T\r\nfr\r\n\r\n \r\nde\r\npa.wav\r\n", {"T"}, {1}},
        {"one empty line at the very end is no record", "****T\nfr\n\n \nde\np\n\n", {"T"}, {1}},
        {"two empty lines at the end make a record", "****T\nfr\n\n \nde\np\n\n\n", {"T"}, {2}},
        {"truncated last record is kept", "****T\nfr\nalt\n", {"T"}, {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto themes = ReadSentenceCollectionText(c.text, NeverShow);
        EXPECT_EQ(Names(themes), c.themes);
        std::vector<int> counts;
        for (const TThema& thema : themes)
            counts.push_back(thema.Saetze.Count());
        EXPECT_EQ(counts, c.counts);
    }
}

TEST(SentenceCollection, EmptyFrenchLineIsStoredAsError) {
    const auto themes = ReadSentenceCollectionText("****T\n\n\nH\nde\np\n", NeverShow);
    ASSERT_EQ(themes.size(), 1u);
    ASSERT_EQ(themes[0].Saetze.Count(), 1);
    EXPECT_EQ(themes[0].Saetze.At(0).Franzoesisch, "FEHLER!");
    EXPECT_EQ(themes[0].Saetze.At(0).Hinweis, "H");
}

TEST(SentenceCollection, EmptyOrSingleBlankHintBecomesTheHintMask) {
    struct Case {
        std::string hintLine;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"", "I. ..... ....."}, // "Il pleut beau." masked, punctuation and blanks kept
        {" ", "I. ..... ....."},
        {"  ", "  "}, // two blanks are a hint of their own
        {"Tipp", "Tipp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("hint line '" + c.hintLine + "'");
        const auto themes =
            ReadSentenceCollectionText("****T\nIl pleut beau.\n\n" + c.hintLine + "\nde\np\n", NeverShow);
        ASSERT_EQ(themes.size(), 1u);
        ASSERT_EQ(themes[0].Saetze.Count(), 1);
        EXPECT_EQ(themes[0].Saetze.At(0).Hinweis, c.expected);
    }
}

TEST(SentenceCollection, HintMaskOfAnErrorSentenceMasksTheStoredText) {
    const auto themes = ReadSentenceCollectionText("****T\n\n\n \nde\np\n", NeverShow);
    ASSERT_EQ(themes.size(), 1u);
    EXPECT_EQ(themes[0].Saetze.At(0).Hinweis, HintMask("FEHLER!", NeverShow));
}

TEST(SentenceCollection, TruncatedRecordHasEmptyMissingLines) {
    const auto themes = ReadSentenceCollectionText("****T\nOui.\nSi.", NeverShow);
    ASSERT_EQ(themes.size(), 1u);
    ASSERT_EQ(themes[0].Saetze.Count(), 1);
    const TSatz& satz = themes[0].Saetze.At(0);
    EXPECT_EQ(satz.Franzoesisch, "Oui.");
    EXPECT_EQ(satz.Alternative, "Si.");
    EXPECT_EQ(satz.Hinweis, HintMask("Oui.", NeverShow));
    EXPECT_EQ(satz.Deutsch, "");
    EXPECT_EQ(satz.Aufnahme, "");
}

TEST(SentenceCollection, DamagedBlockReadsAsNoThemes) {
    TZIPResource block;
    EXPECT_FALSE(block.Open("not a zlib stream"));
    EXPECT_TRUE(ReadSentenceCollection(block).empty());
}

TEST(SentenceCollection, NormalSpeedPathChangesOnlyTheFifthLastA) {
    struct Case {
        std::string slow;
        std::string normal;
    };
    const std::vector<Case> cases = {
        {"XF:\\LA\\1\\Lab__1a.wav", "XF:\\LA\\1\\Lab__1b.wav"},
        {"a.wav", "b.wav"}, // five characters: just long enough
        {".wav", ".wav"},   // four characters: left alone
        {"a", "a"},
        {"", ""},
        {"XF:\\LA\\1\\Lab__1A.wav", "XF:\\LA\\1\\Lab__1A.wav"}, // only a lower-case "a"
        {"XF:\\LA\\1\\Lab__1c.wav", "XF:\\LA\\1\\Lab__1c.wav"},
        {"XF:\\LA\\1\\Lab__1b.wav", "XF:\\LA\\1\\Lab__1b.wav"},
        {"aaaaa.mp3", "aaaab.mp3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slow);
        EXPECT_EQ(NormalSpeedPath(c.slow), c.normal);
    }
}

// The collection that ships inside the program.
TEST(SentenceCollection, ShippedCollection) {
    TZIPResource block(TextBlock::Sentences);
    const auto themes = ReadSentenceCollection(block, NeverShow);
    ASSERT_EQ(themes.size(), 20u);
    EXPECT_EQ(themes[0].Name, "Wetter und Zeit");
    EXPECT_EQ(themes[1].Name, "Hotel");
    for (std::size_t t = 0; t < themes.size(); ++t) {
        const TThema& thema = themes[t];
        SCOPED_TRACE(thema.Name);
        EXPECT_FALSE(thema.Name.empty());
        EXPECT_GE(thema.Saetze.Count(), 46);
        EXPECT_LE(thema.Saetze.Count(), 60);
        std::set<std::string> seen;
        for (int i = 0; i < thema.Saetze.Count(); ++i) {
            const TSatz& satz = thema.Saetze.At(i);
            SCOPED_TRACE(satz.Franzoesisch);
            EXPECT_TRUE(seen.insert(satz.Franzoesisch).second) << "a sentence twice in one theme";
            EXPECT_FALSE(satz.Franzoesisch.empty());
            EXPECT_NE(satz.Franzoesisch, "FEHLER!");
            EXPECT_FALSE(satz.Deutsch.empty());
            EXPECT_EQ(satz.Franzoesisch.find(';'), std::string::npos) << "';' separates accepted answers";
            const std::string expectedPath =
                "XF:\\LA\\" + std::to_string(t + 1) + "\\Lab__" + std::to_string(i + 1) + "a.ogg";
            EXPECT_EQ(satz.Aufnahme, expectedPath);
            EXPECT_TRUE(satz.Aufnahme.ends_with("a.ogg"));
            EXPECT_TRUE(NormalSpeedPath(satz.Aufnahme).ends_with("b.ogg"));
        }
    }
    // The text was converted to Windows-1252 when it was built in.
    EXPECT_EQ(themes[0].Saetze.At(0).Deutsch, std::string("Heute ist schönes Wetter."_cp));
}

} // namespace
} // namespace qor
