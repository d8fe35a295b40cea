#include "editor/ContextAlignment.h"
#include "editor/DictionaryComparison.h"
#include "editor/EditorLayout.h"
#include "editor/EntryListLine.h"
#include "editor/LibrarySorting.h"
#include "editor/TakeOverMeanings.h"
#include "platform/Cp1252.h"
#include "vocab/TBibliothek.h"
#include "vocab/VocText.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TVokabel Entry(std::string word, std::string meaning, bool deutsch = false) {
    TVokabel entry;
    entry.Vokabel = std::move(word);
    entry.Bedeutung0 = std::move(meaning);
    entry.Deutsch = deutsch;
    return entry;
}

TEST(EntryListLine, SignShowsTheDirectionAndBlankEntriesShowLeer) {
    struct Case {
        TVokabel entry;
        std::string line;
    };
    const TVokabel french = Entry("maison", "Haus");
    const TVokabel german = Entry("Haus", "maison", true);
    const TVokabel noMeaning = Entry("chat", "");
    TVokabel germanBlank;
    germanBlank.Deutsch = true;
    const std::vector<Case> cases = {
        {french, "$maison"},     {german, std::string("§"_cp) + "Haus"},        {noMeaning, "$(leer)"},
        {TVokabel{}, "$(leer)"}, {germanBlank, std::string("§"_cp) + "(leer)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(EntryListLine(c.entry), c.line);
    }
}

TEST(DirectionCaption, KeepsShortOrLongFormAndFollowsTheHalf) {
    struct Case {
        std::string shown;
        bool germanFrench;
        std::string caption;
    };
    const std::vector<Case> cases = {
        {std::string("Französisch-D"_cp), true, "Deutsch-F"},
        {"Deutsch-F", false, std::string("Französisch-D"_cp)},
        {"Deutsch-F", true, "Deutsch-F"},
        {std::string("Französisch-Deutsch"_cp), true, std::string("Deutsch-Französisch"_cp)},
        {"", false, std::string("Französisch-Deutsch"_cp)},
        {"Deutsch", true, std::string("Deutsch-Französisch"_cp)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(DirectionCaption(c.shown, c.germanFrench), c.caption);
    }
}

TEST(TakeOverMeanings, SpreadsTheDictionaryListOverBothFields) {
    struct Case {
        std::string name;
        MeaningFields before;
        std::string source;
        MeaningFields after;
    };
    const std::vector<Case> cases = {
        {"fresh three", {"", ""}, "a; b; c", {"a", "b; c"}},
        {"second press", {"a", "b; c"}, "a; b; c", {"a; b", "c"}},
        {"third press", {"a; b", "c"}, "a; b; c", {"a", "b; c"}},
        {"two first, wrong rest", {"a; b", "x"}, "a; b; c", {"a; b", "c"}},
        {"first right, rest wrong", {"a", "x"}, "a; b; c", {"a", "b; c"}},
        {"one piece", {"x", "y"}, "a", {"a", ""}},
        {"one piece again", {"a", ""}, "a", {"a", ""}},
        {"one piece, rest left over", {"a", "y"}, "a", {"a", ""}},
        {"two pieces", {"", ""}, "a; b", {"a", "b"}},
        {"two pieces again", {"a", "b"}, "a; b", {"a; b", ""}},
        {"two pieces third", {"a; b", ""}, "a; b", {"a", "b"}},
        {"empty source", {"x", "y"}, "", {"", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TakeOverMeanings(c.before, c.source), c.after);
    }
}

TEST(WithoutOuterSeparators, OnlyTheVeryFirstAndLastSeparatorGo) {
    const struct {
        const char* pasted;
        const char* kept;
    } cases[] = {
        {"; rouge; vert; ", "rouge; vert"},
        {"; ; rouge", "; rouge"}, // one at the start, not every one
        {"rouge;", "rouge;"},     // a semicolon without its blank stays
        {"; ", ""},
        {"rouge", "rouge"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithoutOuterSeparators(c.pasted), c.kept) << c.pasted;
}

TEST(DictionaryComparison, KeysAndMeaningsDecideTheAction) {
    struct Case {
        std::string name;
        std::string entryKey;
        std::string entryMeanings;
        std::string dictionaryMeaning;
        std::string dictionaryKey;
        Comparison result;
    };
    const std::vector<Case> cases = {
        {"no headword", "", "Haus", "Haus", "0maison", Comparison::Nothing},
        {"equal", "0maison", "Haus", "Haus", "0maison", Comparison::Nothing},
        {"same set other order", "0maison", "Haus; Heim", "heim; haus", "0maison", Comparison::Nothing},
        {"other meanings", "0maison", "Haus", "Heim", "0maison", Comparison::MeaningsDiffer},
        {"more meanings", "0maison", "Haus", "Haus; Heim", "0maison", Comparison::MeaningsDiffer},
        {"class differs", "1maison", "Haus", "Haus", "0maison", Comparison::WordClassDiffers},
        {"class and meaning differ", "1maison", "Haus", "Heim", "0maison", Comparison::NotInDictionary},
        {"question mark", "0chat", "?", "Katze", "0chaton", Comparison::TakeMeanings},
        {"not there", "0chat", "Katze", "", "", Comparison::NotInDictionary},
        {"other headword", "0chat", "Katze", "Katze", "0chaton", Comparison::NotInDictionary},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CompareWithDictionary(c.entryKey, c.entryMeanings, c.dictionaryMeaning, c.dictionaryKey),
                  c.result);
    }
}

TEST(DictionaryComparison, KeyAndMeaningsAreBuiltFromTheFields) {
    EXPECT_EQ(ComparisonKey(2, "grand"), "2grand");
    EXPECT_EQ(ComparisonKey(2, ""), "");
    EXPECT_EQ(EntryMeanings("Haus", ""), "Haus");
    EXPECT_EQ(EntryMeanings("Haus", "Heim; Bau"), "Haus; Heim; Bau");
    EXPECT_TRUE(vocab::SameMeaningSets("a; B", "b; A"));
    EXPECT_FALSE(vocab::SameMeaningSets("a; b", "a; c"));
    EXPECT_FALSE(vocab::SameMeaningSets("a", "a; a"));
}

TEST(ContextAlignment, HeadwordEndingGetsItsHyphen) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Tisch, e", "Tisch, -e"},
        {"  Tisch, e ", "Tisch, -e"},
        {"Tisch, -e", "Tisch, -e"},
        {"Tisch,e", "Tisch,e"},
        {"e", "e"},
        {"", ""},
    };
    for (const auto& [headword, repaired] : cases) {
        SCOPED_TRACE(headword);
        EXPECT_EQ(RepairHeadwordEnding(headword), repaired);
    }
}

TEST(ContextAlignment, ContextRepairAndPassTest) {
    struct Case {
        std::string context;
        std::string repaired;
        bool passes;
    };
    const std::vector<Case> cases = {
        {"", "", true},
        {"Il a (un chat).", "Il a (un chat).", true},
        {"Il a (un chat(.", "Il a (un chat).", true},
        {"(Il a (un chat(.", "Il a (un chat).", true},
        {"(Il a (un) chat(.", "(Il a (un) chat(.", false},
        {"Il a un chat.", "Il a un chat.", false},
        {"Il a )un chat(.", "Il a )un chat(.", false},
        {"Il (a) (un) chat.", "Il (a) (un) chat.", false},
        {"(a (b (c (d", "(a (b (c (d", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.context);
        const std::string repaired = RepairContext(c.context);
        EXPECT_EQ(repaired, c.repaired);
        EXPECT_EQ(ContextPasses(repaired), c.passes);
    }
}

TEST(ContextAlignment, InitialFollowsTheDictionary) {
    struct Case {
        std::string headword;
        std::string dictionary;
        std::string result;
    };
    const std::vector<Case> cases = {
        {"Maison", "maison", "maison"},
        {"Maison", "maison (f)", "maison"},
        {"maison", "Maison", "maison"},
        {"Maison", "raison", "Maison"},
        {"Maison", "maisonnette", "maison"},
        {"Maison", "", "Maison"},
        {std::string("Élan"_cp), std::string("élan"_cp), std::string("élan"_cp)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.headword + " / " + c.dictionary);
        EXPECT_EQ(AdoptDictionaryInitial(c.headword, c.dictionary), c.result);
    }
}

TEST(ContextAlignment, TakesGenderMarkedHeadwordOrMeaning) {
    struct Case {
        std::string name;
        AlignedEntry entry;
        DictionaryEntryView dictionary;
        AlignedEntry result;
        bool aligned;
    };
    const std::vector<Case> cases = {
        {"gender mark", {"maison", "x", 2}, {"maison (f)", "Haus", 1}, {"maison (f)", "Haus", 0}, true},
        {"plural mark", {"gens", "x", 0}, {"gens (mpl)", "Leute", 1}, {"gens (mpl)", "Leute", 0}, true},
        {"unknown mark", {"gens", "x", 0}, {"gens (n)", "Leute", 1}, {"gens", "x", 0}, false},
        {"same class", {"grand", "x", 2}, {"grand", "gross", 3}, {"grand", "gross", 2}, true},
        {"noun, lone entry", {"grand", "x", 0}, {"grand", "gross", 3}, {"grand", "gross", 0}, false},
        {"noun with neighbour", {"grand", "x", 0}, {"grand", "gross", 3, true}, {"grand", "x", 0}, false},
        {"verb, other class", {"grand", "x", 1}, {"grand", "gross", 3}, {"grand", "x", 1}, false},
        {"already equal", {"chat", "Katze", 0}, {"chat", "Katze", 1}, {"chat", "Katze", 0}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AlignedEntry result = AlignWithDictionary(c.entry, c.dictionary);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(AlignedWithDictionary(result, c.dictionary), c.aligned);
    }
}

// Entries "v" with direction flag `deutsch`; the library ends with its blank line.
void Fill(TBibliothek& library, const std::vector<std::pair<std::string, bool>>& entries) {
    library.Clear(BlankLine::Drop);
    for (const auto& [word, deutsch] : entries) {
        library.Add(Entry(word, word.empty() ? "" : "m-" + word, deutsch));
    }
    library.AddBlank();
    library.SetChanged(false);
}

std::vector<std::string> Words(const TBibliothek& library) {
    std::vector<std::string> words;
    for (int i = 0; i < library.Count(); ++i)
        words.push_back(std::string(library.Deutsch(i) ? "D:" : "F:") + library.Vokabel(i));
    return words;
}

TEST(SortFrenchFirst, FrenchBlockFirstEachSorted) {
    TBibliothek library;
    Fill(library, {{"Zug", true},
                   {"pomme", false},
                   {"Apfel", true},
                   {"arbre", false},
                   {"Haus", true},
                   {"chat", false}});
    EXPECT_EQ(SortFrenchFirst(library), -1);
    EXPECT_EQ(Words(library),
              (std::vector<std::string>{"F:arbre", "F:chat", "F:pomme", "D:Apfel", "D:Haus", "D:Zug"}));
    EXPECT_TRUE(library.Changed());
    EXPECT_EQ(library.Count(CountMode::Full), 7);
}

TEST(SortFrenchFirst, OneDirectionOnly) {
    TBibliothek library;
    Fill(library, {{"Zug", true}, {"Apfel", true}});
    EXPECT_EQ(SortFrenchFirst(library), -1);
    EXPECT_EQ(Words(library), (std::vector<std::string>{"D:Apfel", "D:Zug"}));
    Fill(library, {{"pomme", false}, {"arbre", false}});
    EXPECT_EQ(SortFrenchFirst(library), -1);
    EXPECT_EQ(Words(library), (std::vector<std::string>{"F:arbre", "F:pomme"}));
}

TEST(SortFrenchFirst, RefusesALibraryWithAnInnerBlankEntry) {
    TBibliothek library;
    Fill(library, {{"Zug", true}, {"", false}, {"arbre", false}});
    EXPECT_EQ(SortFrenchFirst(library), 1);
    EXPECT_EQ(Words(library), (std::vector<std::string>{"D:Zug", "F:", "F:arbre"}));
    EXPECT_FALSE(library.Changed());
}

TEST(EditorLayout, ListFrameWidthAndWindowSizes) {
    const std::vector<std::pair<int, int>> widths = {
        {640, 320}, {800, 400}, {801, 400}, {1024, 474}, {1280, 560}};
    for (const auto& [client, list] : widths) {
        SCOPED_TRACE(client);
        EXPECT_EQ(ListFrameWidth(client), list);
    }
    EXPECT_EQ(WindowSizeFromCaption("640 x 480"), (WindowSize{640, 480}));
    EXPECT_EQ(WindowSizeFromCaption("1024 x 768"), (WindowSize{1024, 768}));
    EXPECT_EQ(WindowSizeFromCaption("1024x768"), std::nullopt);
    EXPECT_EQ(WindowSizeFromCaption("breit x 768"), std::nullopt);
    EXPECT_EQ(WindowSizeFromCaption("0 x 768"), std::nullopt);
}

TEST(EditorLayout, PasteLosesOuterSeparatorsOnly) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"; Haus; Heim; ", "Haus; Heim"},
        {"Haus; Heim", "Haus; Heim"},
        {"; ; Haus", "; Haus"},
        {"; ", ""},
        {";Haus;", ";Haus;"},
        {"", ""},
    };
    for (const auto& [pasted, kept] : cases) {
        SCOPED_TRACE(pasted);
        EXPECT_EQ(StripPastedSeparators(pasted), kept);
    }
}

} // namespace
} // namespace qor
