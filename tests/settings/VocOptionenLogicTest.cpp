// The texts and rules of the vocabulary trainer's settings window.

#include "settings/VocOptionenLogic.h"

#include "platform/Cp1252.h"
#include "vocab/LibraryOrder.h"
#include "vocab/TBibliothek.h"
#include "vocab/TVocEinstellungen.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TVokabel Entry(std::string vokabel, bool deutsch, int wortart = kNomen, int schwierigkeit = 0,
               std::string kontext = {}) {
    TVokabel entry;
    entry.Vokabel = std::move(vokabel);
    entry.Bedeutung0 = "x";
    entry.Deutsch = deutsch;
    entry.Wortart = wortart;
    entry.Schwierigkeit = schwierigkeit;
    entry.Kontext1 = std::move(kontext);
    return entry;
}

TEST(VocOptionenLogicTest, ListLinesMarkTheDirectionAndShowScoresOnlyForALearner) {
    TBibliothek library;
    library.Clear(BlankLine::Drop);
    library.Add(Entry("Haus", true));
    TVokabel maison = Entry("maison", false);
    maison.Score = -12;
    library.Add(maison);
    library.AddBlank(); // the trailing new-entry line
    EXPECT_EQ(OptionsListLines(library, false), (std::vector<std::string>{"\xA7Haus", "$maison"}));
    EXPECT_EQ(OptionsListLines(library, true), (std::vector<std::string>{"\xA7Haus&0%", "$maison&-12%"}));
    EXPECT_EQ(RangeItems(library), (std::vector<std::string>{"1   Haus", "2   maison"}));
    EXPECT_EQ(CounterText(0, true, 0), "0 Vokabeln") << "no average of nothing";
}

TEST(VocOptionenLogicTest, QuestionsPerRoundRange) {
    struct Case {
        int count;
        int modus;
        ProRundeRange expected;
    } cases[] = {
        {3, kModusKreuzUndQuer, {5, 6, true}},   {0, kModusKreuzUndQuer, {5, 6, false}},
        {40, kModusKreuzUndQuer, {5, 40, true}}, {500, kModusKreuzUndQuer, {5, 100, true}},
        {40, kModusVorwaerts, {5, 40, false}},   {40, kModusRueckwaerts, {5, 40, false}},
    };
    for (const Case& c : cases) {
        const ProRundeRange range = TrackProRundeRange(c.count, c.modus);
        EXPECT_EQ(range.minimum, c.expected.minimum) << c.count;
        EXPECT_EQ(range.maximum, c.expected.maximum) << c.count;
        EXPECT_EQ(range.enabled, c.expected.enabled) << c.count << " " << c.modus;
    }
}

TEST(VocOptionenLogicTest, RangeSelection) {
    struct Case {
        int von, bis, items;
        int expectedVon, expectedBis;
    } cases[] = {
        {0, -1, 5, 0, 4}, {-1, 3, 5, 0, 3}, {7, 3, 5, 0, 3},  {2, 3, 5, 2, 3},   {3, 3, 5, 3, 4},
        {3, 1, 5, 3, 4},  {1, 5, 5, 1, 4},  {4, -1, 5, 4, 4}, {0, 0, 0, -1, -1},
    };
    for (const Case& c : cases) {
        const RangeSelection selection = SelectRange(c.von, c.bis, c.items);
        EXPECT_EQ(selection.von, c.expectedVon) << c.von << ".." << c.bis;
        EXPECT_EQ(selection.bis, c.expectedBis) << c.von << ".." << c.bis;
        EXPECT_EQ(selection.enabled, c.items > 0);
    }
    const RangeSelection swapped = OrderedRange(4, 1);
    EXPECT_EQ(swapped.von, 1);
    EXPECT_EQ(swapped.bis, 4);
    EXPECT_EQ(OrderedRange(1, 4).von, 1);
}

TEST(VocOptionenLogicTest, ActivityIsNotOkWithoutActiveEntriesOrTooFewForARound) {
    struct Case {
        int active, modus, proRunde;
        bool ok;
    } cases[] = {
        {0, kModusVorwaerts, 5, false},    {3, kModusVorwaerts, 10, true},
        {3, kModusKreuzUndQuer, 5, false}, {5, kModusKreuzUndQuer, 5, true},
        {0, kModusKreuzUndQuer, 0, false},
    };
    for (const Case& c : cases) {
        const ActivityDisplay display = Activity(c.active, c.modus, c.proRunde);
        EXPECT_EQ(display.ok, c.ok) << c.active << " " << c.modus;
        EXPECT_EQ(display.colour, c.ok ? 0x00FFFF : 0x0000FF);
        EXPECT_EQ(display.text, std::to_string(c.active) + " davon aktiv");
    }
}

TEST(VocOptionenLogicTest, ScoreExplanations) {
    const std::string newOrWrong{"Es werden nur Vokabeln abgefragt, die entweder neu sind oder überwiegend "
                                 "falsch gemacht wurden."_cp};
    const std::string aboveLimit{"Es werden nur solche Vokabeln ausgeschlossen, die überwiegend richtig "
                                 "beantwortet wurden und deshalb über dem Grenzwert liegen."_cp};
    const std::string all = "Es werden alle Vokabeln abgefragt. Der Grenzwert ist inaktiv.";
    const std::string lastFive{"Es können nur Vokabeln abgefragt werden, die die letzten 5 Mal falsch "
                               "gemacht wurden. Dies dürfte kaum sinnvoll sein."_cp};
    const std::string wrongOnly = "Es werden nur Vokabeln abgefragt, die schon mehr oder weniger oft falsch "
                                  "gemacht wurden, aber keine neuen Vokabeln.";
    const std::pair<int, const std::string*> cases[] = {
        {0, &newOrWrong},  {1, &aboveLimit},  {99, &aboveLimit}, {100, &all},
        {-100, &lastFive}, {-99, &wrongOnly}, {-1, &wrongOnly},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(ScoreExplanation(value), *text) << value;
}

TEST(VocOptionenLogicTest, InfoCountsPerDirectionSkipUnknownClassesAndDifficulties) {
    TBibliothek library;
    library.Clear(BlankLine::Drop);
    library.Add(Entry("maison", false, kNomen, 0, "une maison"));
    library.Add(Entry("aller", false, kVerb, 4));
    library.Add(Entry("bizarre", false, 7, 2));
    library.Add(Entry("Haus", true, kRwOhneVerb, 1));
    library.AddBlank();             // the trailing new-entry line
    library.SetSchwierigkeit(1, 9); // stored as 4
    const BInfoTable table = CountLibraryInfo(library);
    BInfoCounts french;
    french.wortarten = {1, 1, 0, 0, 0, 0};
    french.total = 2;
    french.withContext = 1;
    french.difficulties = {1, 0, 1, 0, 1};
    EXPECT_EQ(table.franzoesischDeutsch, french);
    BInfoCounts german;
    german.wortarten = {0, 0, 0, 0, 0, 1};
    german.total = 1;
    german.difficulties = {0, 1, 0, 0, 0};
    EXPECT_EQ(table.deutschFranzoesisch, german);
}

TEST(VocOptionenLogicTest, SortPutsFrenchFirstEvenWithAnIncompleteEntry) {
    TBibliothek library;
    library.Clear(BlankLine::Drop);
    library.Add(Entry("Zug", true));
    library.Add(Entry("train", false));
    TVokabel incomplete = Entry("avion", false);
    incomplete.Bedeutung0.clear();
    library.Add(incomplete);
    library.Add(Entry("Auto", true));
    library.AddBlank(); // the trailing new-entry line
    SortFrenchBlockFirst(library);
    EXPECT_EQ(OptionsListLines(library, false), (std::vector<std::string>{"$avion", "$train",
                                                                          "\xA7"
                                                                          "Auto",
                                                                          "\xA7Zug"}));
}

} // namespace
} // namespace qor
