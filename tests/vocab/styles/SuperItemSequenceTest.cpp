#include "vocab/styles/SuperItemSequence.h"

#include "platform/Random.h"
#include "vocab/TVocEinstellungen.h"
#include "vocab/VocabTestSupport.h"

#include <gtest/gtest.h>
#include <set>

namespace qor {
namespace {

using test::Voc;

void FillNumbered(TBibliothek& library, int count) {
    std::vector<TVokabel> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(Voc("mot" + std::to_string(i), "Wort" + std::to_string(i)));
    test::Fill(library, entries);
}

std::vector<int> HeadwordIndices(SuperItemSequence& items, int headwords) {
    std::vector<int> indices;
    for (int i = 0; i < headwords; ++i) {
        items.Next();
        indices.push_back(items.Index());
        items.Next();
    }
    return indices;
}

TEST(SuperItemSequence, WalksTheRangeInTheQueryMode) {
    struct Case {
        std::string name;
        SuperItemRange range;
        std::vector<int> expected;
    };
    const std::vector<Case> cases = {
        {"forward from Von, back to Von after Bis", {kModusVorwaerts, 2, 4}, {2, 3, 4, 2, 3, 4, 2}},
        {"backward from Bis, back to Bis after Von", {kModusRueckwaerts, 2, 4}, {4, 3, 2, 4, 3, 2, 4}},
        {"forward over the whole library", {kModusVorwaerts, -1, -1}, {0, 1, 2, 3, 4, 5, 0}},
        {"backward over one entry", {kModusRueckwaerts, 3, 3}, {3, 3, 3}},
        {"random over one entry", {kModusKreuzUndQuer, 3, 3}, {3, 3, 3, 3}},
    };
    TBibliothek library;
    FillNumbered(library, 6);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SeedRandom(11);
        SuperItemSequence items(library, c.range, false, {});
        EXPECT_EQ(HeadwordIndices(items, static_cast<int>(c.expected.size())), c.expected);
    }
}

TEST(SuperItemSequence, AlternatesHeadwordAndMeaning) {
    TBibliothek library;
    test::Fill(library, {Voc("le chat", "die Katze", "die Mieze"), Voc("le chien", "der Hund")});
    std::vector<std::string> asked;
    SuperItemSequence items(library, {kModusVorwaerts, 0, 1}, true, [&asked](std::string_view text) {
        asked.emplace_back(text);
        return "XF:" + std::string(text) + ".wav";
    });
    const std::vector<std::pair<std::string, bool>> expected = {{"*le chat", true},
                                                                {"die Katze", false},
                                                                {"*le chien", true},
                                                                {"der Hund", false},
                                                                {"*le chat", true}};
    for (const auto& [text, headword] : expected) {
        SCOPED_TRACE(text);
        const SuperItem item = items.Next();
        EXPECT_EQ(item.text, text);
        EXPECT_EQ(item.headword, headword);
        const std::string spoken = headword ? text.substr(1) : text;
        EXPECT_EQ(item.recording, "XF:" + spoken + ".wav");
    }
    EXPECT_EQ(asked.front(), "le chat");
}

TEST(SuperItemSequence, NoRecordingWithoutSpeech) {
    TBibliothek library;
    test::Fill(library, {Voc("le chat", "die Katze")});
    int asked = 0;
    SuperItemSequence items(library, {kModusVorwaerts, 0, 0}, false, [&asked](std::string_view) {
        ++asked;
        return std::string("x.wav");
    });
    EXPECT_TRUE(items.Next().recording.empty());
    EXPECT_TRUE(items.Next().recording.empty());
    EXPECT_EQ(asked, 0);
}

TEST(SuperItemSequence, RandomDrawsDoNotRepeatRecentOnes) {
    struct Case {
        int von;
        int bis;
        int memory; // how many draws in a row are all different
    };
    // Draws come from Von..Bis-1; the memory holds fewer than min(20, Bis - Von) of them.
    const std::vector<Case> cases = {{0, 2, 2}, {0, 5, 5}, {3, 9, 6}, {0, 40, 20}};
    TBibliothek library;
    FillNumbered(library, 45);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.von) + ".." + std::to_string(c.bis));
        SeedRandom(99);
        SuperItemSequence items(library, {kModusKreuzUndQuer, c.von, c.bis}, false, {});
        const std::vector<int> drawn = HeadwordIndices(items, 300);
        std::set<int> seen(drawn.begin(), drawn.end());
        EXPECT_GE(*seen.begin(), c.von);
        EXPECT_LT(*seen.rbegin(), c.bis);
        for (std::size_t i = 0; i + c.memory <= drawn.size(); ++i) {
            std::set<int> window(drawn.begin() + static_cast<long>(i),
                                 drawn.begin() + static_cast<long>(i) + c.memory);
            ASSERT_EQ(static_cast<int>(window.size()), c.memory) << "at draw " << i;
        }
    }
}

} // namespace
} // namespace qor
