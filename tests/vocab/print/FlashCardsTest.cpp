#include "vocab/print/FlashCards.h"

#include "platform/Cp1252.h"
#include "platform/MessageCapture.h"
#include "vocab/TBibliothek.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/print/RecordingPrintSurface.h"

#include <gtest/gtest.h>
#include <optional>

namespace qor {
namespace {

using test::PrintedShape;
using test::RecordingPrintSurface;

constexpr int kX0 = (2100 - 1800) / 2;

void FillWith(TBibliothek& library, int count) {
    std::vector<TVokabel> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(test::Voc("mot" + std::to_string(i), "Wort" + std::to_string(i), "", 1, i == 4));
    test::Fill(library, entries);
}

TEST(FlashCards, DialogValues) {
    for (const auto& [count, sheets] :
         std::vector<std::pair<int, int>>{{1, 1}, {21, 1}, {22, 2}, {42, 2}, {43, 3}})
        EXPECT_EQ(FlashCardSheetCount(count), sheets) << count;
    for (const auto& [offset, caption] : std::vector<std::pair<int, std::string>>{
             {0, "0,0 mm"}, {-5, "-0,5 mm"}, {-15, "-1,5 mm"}, {7, "0,7 mm"}, {40, "4,0 mm"}})
        EXPECT_EQ(FlashCardOffsetCaption(offset), caption) << offset;
    for (const auto& [file, thema] : std::vector<std::pair<std::string, std::string>>{
             {"", "Ohne Namen"}, {"/home/a/Tiere.asc", "Tiere"}, {"Tiere", "Tiere"}})
        EXPECT_EQ(FlashCardThema(file), thema) << file;
}

TEST(FlashCards, FrontsOnAGridOfTwentyOneCards) {
    TBibliothek library;
    FillWith(library, 22);
    RecordingPrintSurface surface;
    FlashCardChoice choice;
    choice.thema = "Tiere";
    PrintFlashCardFronts(library, choice, surface);
    // 22 cards: two sheets, the second holding one card.
    EXPECT_EQ(surface.pages, 2);
    EXPECT_EQ(surface.Count(PrintedShape::DashedLine), 2 * 12);
    EXPECT_EQ(surface.shapes[0], (PrintedShape{PrintedShape::DashedLine, 0, kX0, -20, kX0 + 1800, -20}));
    EXPECT_EQ(surface.shapes[11],
              (PrintedShape{PrintedShape::DashedLine, 0, kX0 + 1800, -20, kX0 + 1800, -2820}));
    EXPECT_EQ(surface.Find("F").size() + surface.Find("D").size(), 22u);
    // Entry 4 (row 1, column 1) is German.
    const auto german = surface.Find("D");
    ASSERT_EQ(german.size(), 1u);
    EXPECT_EQ(german[0].x, kX0 + 600 + 30);
    EXPECT_EQ(german[0].y, -420 - 30);
    EXPECT_EQ(german[0].height, 160);
    const auto headword = surface.Find("mot21");
    ASSERT_EQ(headword.size(), 1u);
    EXPECT_EQ(headword[0].page, 1);
    EXPECT_EQ(headword[0].x, kX0 + 30);
    EXPECT_EQ(headword[0].y, -220);
    EXPECT_TRUE(headword[0].bold);
    const auto thema = surface.Find("Tiere");
    ASSERT_EQ(thema.size(), 22u);
    EXPECT_EQ(thema[0].x, kX0 + 150 + (600 - 5 * 18 - 180) / 2);
    EXPECT_EQ(thema[0].y, -110);
    EXPECT_EQ(surface.Find("*qor französisch"_cp)[0].x, kX0 + 150 + (600 - 16 * 15 - 180) / 2);
    EXPECT_EQ(surface.Find("Verb")[0].y, -20 - 320);
    EXPECT_EQ(surface.Count(PrintedShape::SolidLine), 22);
}

TEST(FlashCards, OverlongHeadwordStaysOneLine) {
    TBibliothek library;
    const std::string overlong(30, 'x'); // 30 × 24 = 720 units at height 48
    test::Fill(library, {test::Voc(overlong, "lang")});
    RecordingPrintSurface surface;
    PrintFlashCardFronts(library, FlashCardChoice{}, surface);
    const auto headword = surface.Find(overlong);
    ASSERT_EQ(headword.size(), 1u);
    EXPECT_EQ(headword[0].y, -20 - 200);
}

TEST(FlashCards, BacksAreMirroredAndShifted) {
    TBibliothek library;
    FillWith(library, 22);
    library.SetKontext(0, 0, "Le [*] dort.");
    RecordingPrintSurface surface;
    FlashCardChoice choice;
    choice.offset = -15;
    PrintFlashCardBacks(library, choice, surface);
    EXPECT_EQ(surface.pages, 2);
    EXPECT_EQ(surface.shapes[0].x1, kX0 - 15);
    // Entry 0 is at the left on the front, so at the right on the back.
    const auto headword = surface.Find("mot0");
    ASSERT_EQ(headword.size(), 1u);
    EXPECT_EQ(headword[0].x, kX0 - 15 + 1200 + 30);
    EXPECT_EQ(headword[0].y, -50);
    EXPECT_EQ(headword[0].height, 40);
    EXPECT_EQ(surface.Find("Wort0").at(0).y, -150);
    EXPECT_EQ(surface.Find("Le [*] dort.").at(0).y, -290);
    EXPECT_TRUE(surface.Find("Le [*] dort.").at(0).italic);
    EXPECT_EQ(surface.Find("mot21")[0].x, kX0 - 15 + 1200 + 30);
}

TEST(FlashCards, SheetRangePrintsOnlyThoseSheets) {
    TBibliothek library;
    FillWith(library, 50);
    RecordingPrintSurface surface;
    PrintFlashCardFronts(library, FlashCardChoice{"", false, 2, 2, 0}, surface);
    EXPECT_EQ(surface.pages, 1);
    EXPECT_EQ(surface.Find("F").size() + surface.Find("D").size(), 21u);
    EXPECT_EQ(surface.Find("mot21").size(), 1u);
}

class ScriptedDialog : public FlashCardDialog {
public:
    bool Ask(FlashCardChoice& choice, int sheetCount) override {
        shown = choice;
        sheets = sheetCount;
        return accept;
    }
    bool accept = true;
    std::optional<FlashCardChoice> shown;
    int sheets = 0;
};

TEST(FlashCards, FlowWithItsQuestions) {
    struct Case {
        const char* what;
        bool accept;
        std::vector<int> answers;
        int jobs;
        std::vector<std::string> messages;
    };
    const std::string fronts("Bitte Blätter für die Karteikarten einlegen!"_cp);
    const std::string backs(
        "Bitte die gleichen Blätter umgedreht einlegen!\n(Erst wenn alle Vorderseiten bedruckt sind)"_cp);
    const std::vector<Case> cases = {
        {"both sides", true, {kIdOk, kIdOk}, 2, {fronts, backs}},
        {"backs skipped", true, {kIdOk, kIdCancel}, 1, {fronts, backs}},
        {"nothing printed", true, {kIdCancel}, 0, {fronts}},
        {"dialog cancelled", false, {}, 0, {}},
    };
    for (const Case& c : cases) {
        test::MessageCapture messages;
        for (int answer : c.answers)
            messages.Answer(answer);
        TBibliothek library;
        FillWith(library, 22);
        ScriptedDialog dialog;
        dialog.accept = c.accept;
        test::RecordingPrintJobs jobs;
        PrintFlashCards(library, dialog, jobs);
        EXPECT_EQ(static_cast<int>(jobs.jobs.size()), c.jobs) << c.what;
        EXPECT_EQ(jobs.ended, c.jobs) << c.what;
        EXPECT_EQ(messages.Texts(), c.messages) << c.what;
        EXPECT_FALSE(library.Printing()) << c.what;
        ASSERT_TRUE(dialog.shown) << c.what;
        EXPECT_EQ(dialog.sheets, 2);
        EXPECT_EQ(dialog.shown->thema, "Ohne Namen");
        if (!c.messages.empty()) {
            EXPECT_EQ(messages.Messages()[0].caption, "Vorderseiten drucken");
            EXPECT_EQ(messages.Messages()[0].flags, kMbOkCancel);
        }
        if (c.messages.size() > 1) {
            EXPECT_EQ(messages.Messages()[1].caption, "Rückseiten drucken"_cp);
        }
    }
}

TEST(FlashCards, RefusedWhilePrintingOrEmpty) {
    test::MessageCapture messages;
    TBibliothek library;
    ScriptedDialog dialog;
    test::RecordingPrintJobs jobs;
    PrintFlashCards(library, dialog, jobs);
    FillWith(library, 3);
    library.SetPrinting(true);
    PrintFlashCards(library, dialog, jobs);
    EXPECT_FALSE(dialog.shown);
    EXPECT_TRUE(jobs.titles.empty());
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Welche Vokabeln soll ich drucken?!",
                                                          "Zur Zeit wird schon gedruckt!"}));
    for (const LoggedMessage& message : messages.Messages())
        EXPECT_EQ(message.flags, kMbIconExclamation | kMbOk);
    EXPECT_TRUE(library.Printing());
}

} // namespace
} // namespace qor
