#include "vocab/verbs/VerbSelection.h"

#include "platform/Cp1252.h"
#include "vocab/verbs/VerbTable.h"
#include "vocab/verbs/VerbTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::MemoryRegistry;

std::vector<TVerb> NamedVerbs(int count) {
    std::vector<TVerb> verbs(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        verbs[static_cast<std::size_t>(i)].infinitive = "verb" + std::to_string(i);
    return verbs;
}

// "+" at the listed positions, "-" elsewhere.
std::string Marks(std::size_t length, const std::vector<int>& chosen) {
    std::string text(length, '-');
    for (int i : chosen)
        text[static_cast<std::size_t>(i)] = '+';
    return text;
}

TEST(VerbSelection, VerbTextIsPaddedToTheNumberOfVerbs) {
    struct Case {
        std::string_view text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"", "+++++"},          // empty chooses every verb
        {"+", "+----"},         // padded with "-"
        {"-+", "-+---"},        //
        {"+-+-+", "+-+-+"},     // exactly long enough
        {"+-+-+-+", "+-+-+-+"}, // longer texts are kept as they are
    };
    for (const Case& example : cases) {
        SCOPED_TRACE(std::string(example.text));
        VerbSelection selection(5);
        selection.SetVerbText(example.text);
        EXPECT_EQ(selection.VerbText(), example.expected);
    }
}

TEST(VerbSelection, TenseTextIsCutOrPaddedToSixteen) {
    struct Case {
        std::string_view text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"", "++++++++++++++++"},
        {"+", "+---------------"},
        {"+--+", "+--+------------"},
        {"+-+-+-+-+-+-+-+-++++", "+-+-+-+-+-+-+-+-"},
    };
    for (const Case& example : cases) {
        SCOPED_TRACE(std::string(example.text));
        VerbSelection selection(5);
        selection.SetTenseText(example.text);
        EXPECT_EQ(selection.TenseText(), example.expected);
    }
}

TEST(VerbSelection, SelectAllChoosesEverything) {
    VerbSelection selection(3);
    selection.SetVerbText("-");
    selection.SetTenseText("-");
    selection.SelectAll();
    EXPECT_EQ(selection.VerbText(), "+++");
    EXPECT_EQ(selection.TenseText(), std::string(16, '+'));
}

TEST(VerbSelection, SelectedListsSkipVerbsWithoutInfinitiveAndPositionsBeyondTheTable) {
    std::vector<TVerb> verbs = NamedVerbs(4);
    verbs[2].infinitive.clear();
    VerbSelection selection(4);
    selection.SetVerbText("+-+++++");
    EXPECT_EQ(selection.SelectedVerbs(verbs), (std::vector<int>{0, 3}));
    selection.SetTenseText("-+x+------------+");
    // Only "+" chooses; any other character does not.
    EXPECT_EQ(selection.SelectedTenses(), (std::vector<int>{1, 3}));
    selection.SetTenseText("----------------");
    EXPECT_TRUE(selection.SelectedTenses().empty());
}

TEST(VerbSelection, PresetsChooseTheListedVerbsAndTenses) {
    struct Preset {
        std::vector<int> verbs;
        std::vector<int> tenses;
    };
    const std::vector<Preset> presets = {
        {{0, 1, 2, 5, 54, 55, 67}, {0}},
        {{0, 1, 2, 5, 11, 13, 15, 26, 28, 32, 40, 42, 53, 54, 55, 58, 67, 70}, {0, 3, 8}},
        {{0,  1,  2,  4,  5,  6,  8,  10, 11, 12, 13, 15, 19, 22, 25, 26, 28, 30, 32,
          35, 37, 39, 40, 41, 42, 45, 47, 51, 53, 54, 55, 56, 57, 58, 64, 67, 68, 70},
         {0, 1, 2, 3, 4, 6, 7, 8, 14}},
    };
    const std::vector<TVerb> verbs = NamedVerbs(71);
    for (std::size_t i = 0; i < presets.size(); ++i) {
        SCOPED_TRACE("vt" + std::to_string(i + 1));
        EXPECT_EQ(kVerbPresets[i].verbs, Marks(71, presets[i].verbs));
        EXPECT_EQ(kVerbPresets[i].tenses, Marks(16, presets[i].tenses));
        VerbSelection selection(71);
        selection.SetVerbText(kVerbPresets[i].verbs);
        selection.SetTenseText(kVerbPresets[i].tenses);
        EXPECT_EQ(selection.SelectedVerbs(verbs), presets[i].verbs);
        EXPECT_EQ(selection.SelectedTenses(), presets[i].tenses);
    }
    // The texts as the start page's commands hand them over.
    EXPECT_EQ(kVerbPresets[0].verbs,
              "+++--+------------------------------------------------++-----------+---");
    EXPECT_EQ(kVerbPresets[1].verbs,
              "+++--+-----+-+-+----------+-+---+-------+-+----------+++--+--------+--+");
    EXPECT_EQ(kVerbPresets[2].verbs,
              "+++-+++-+-++++-+---+--+--++-+-+-+--+-+-++++--+-+---+-++++++-----+--++-+");
    EXPECT_EQ(kVerbPresets[0].tenses, "+---------------");
    EXPECT_EQ(kVerbPresets[1].tenses, "+--+----+-------");
    EXPECT_EQ(kVerbPresets[2].tenses, "+++++-+++-----+-");
}

TEST(VerbSelection, RegistryValuesAreReadAndWritten) {
    MemoryRegistry registry;
    VerbSelection selection(4);
    selection.SetVerbText("-+");
    selection.SetTenseText("+");
    selection.Load(registry);
    // Missing values choose everything.
    EXPECT_EQ(selection.VerbText(), "++++");
    EXPECT_EQ(selection.TenseText(), std::string(16, '+'));

    const std::string key = std::string("SOFTWARE\\QOR\\qor französisch\\Verbtrainer"_cp);
    EXPECT_EQ(kVerbTrainerKey, key);
    registry.WriteText(key, "Verben", "-+");
    registry.WriteText(key, "Zeiten", "+-+");
    selection.Load(registry);
    EXPECT_EQ(selection.VerbText(), "-+--");
    EXPECT_EQ(selection.TenseText(), "+-+-------------");

    selection.SetVerbText("+");
    selection.SetTenseText("-+");
    selection.Store(registry);
    EXPECT_EQ(registry.ReadText(key, "Verben", "?"), "+---");
    EXPECT_EQ(registry.ReadText(key, "Zeiten", "?"), "-+--------------");
}

} // namespace
} // namespace qor
