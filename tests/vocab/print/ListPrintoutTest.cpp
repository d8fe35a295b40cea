#include "vocab/print/ListPrintout.h"

#include "platform/MessageCapture.h"
#include "vocab/TBibliothek.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/print/RecordingPrintSurface.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::PrintedShape;
using test::RecordingPrintSurface;

std::string Words(int count, int length) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::string(static_cast<std::size_t>(length), 'a') + (i + 1 < count ? " " : "");
    return text;
}

TEST(ListPrintout, EntryHeightIsTheTallerColumn) {
    struct Case {
        const char* what;
        std::string vokabel;
        std::string kontext0;
        std::string kontext1;
        std::string bedeutung;
        int height;
        int headwordLines;
    };
    // 16 units a character: a word of 50 fills most of a headword line (860), one of 40 of a
    // context line (810), one of 40 of a meaning line (2100 - 1350).
    const std::vector<Case> cases = {
        {"three headword lines, one meaning", Words(3, 50), "", "", "eins", 3, 3},
        {"headword lines are cut at three", Words(5, 50), "", "", "eins", 3, 3},
        {"contexts go under the headword", "chat", Words(2, 40), Words(6, 40), "eins", 8, 1},
        {"meanings are cut at five", "chat", "", "", Words(9, 40), 5, 1},
        {"empty entry", "", "", "", "", 1, 1},
    };
    for (const Case& c : cases) {
        RecordingPrintSurface surface;
        TVokabel entry = test::Voc(c.vokabel, c.bedeutung);
        entry.Kontext0 = c.kontext0;
        entry.Kontext1 = c.kontext1;
        const TPrintVoc voc = MeasureListEntry(entry, surface);
        EXPECT_EQ(voc.height, c.height) << c.what;
        EXPECT_EQ(static_cast<int>(voc.vokabel.size()), c.headwordLines) << c.what;
    }
}

TEST(ListPrintout, PagesHeaderShadingAndPositions) {
    struct Case {
        int dpi;
        bool fine;
    };
    for (const Case c : {Case{600, true}, Case{300, false}}) {
        TBibliothek library;
        std::vector<TVokabel> entries;
        for (int i = 0; i < 22; ++i)
            entries.push_back(test::Voc("mot" + std::to_string(i), "Wort", "", i % 6));
        test::Fill(library, entries);
        // Five lines a page: 22 one-line entries take five pages.
        RecordingPrintSurface surface(2100, 210 + 5 * 44, c.dpi);
        EXPECT_EQ(PrintLibraryList(library, surface), 5);
        EXPECT_EQ(surface.pages, 5);
        EXPECT_EQ(surface.Count(PrintedShape::Fill), c.fine ? 5 + 11 : 0) << c.dpi;
        EXPECT_EQ(surface.Count(PrintedShape::Outline), c.fine ? 0 : 5) << c.dpi;
        if (c.fine) {
            EXPECT_EQ(surface.shapes[0],
                      (PrintedShape{PrintedShape::Fill, 0, 20, -20, 2080, -120, kPrintBlack}));
            EXPECT_EQ(surface.shapes[1],
                      (PrintedShape{PrintedShape::Fill, 0, 270, -160, 2080, -204, 0xEEEEEE}));
        }
        const auto pageNumber = surface.Find("S. 5");
        ASSERT_EQ(pageNumber.size(), 1u);
        EXPECT_EQ(pageNumber[0].page, 4);
        EXPECT_EQ(pageNumber[0].x, 2100 - 100 - 4 * 16);
        EXPECT_EQ(pageNumber[0].y, -55);
        EXPECT_TRUE(pageNumber[0].italic);
        EXPECT_EQ(pageNumber[0].colour, c.fine ? kPrintWhite : kPrintBlack);
        // Entry 7 is the third of page 2: number, headword, its class behind it, the meaning.
        const auto number = surface.Find("8");
        ASSERT_EQ(number.size(), 1u);
        EXPECT_EQ(number[0].page, 1);
        EXPECT_EQ(number[0].x, 250 - 16);
        EXPECT_EQ(number[0].y, -2 * 44 - 160);
        EXPECT_EQ(number[0].colour, kPrintBlack);
        const auto headword = surface.Find("mot7");
        ASSERT_EQ(headword.size(), 1u);
        EXPECT_EQ(headword[0].x, 290);
        EXPECT_EQ(headword[0].y, -2 * 44 - 160);
        EXPECT_TRUE(headword[0].bold);
        const auto wortart = surface.Find("V.");
        ASSERT_EQ(wortart.size(), 4u);
        EXPECT_EQ(wortart[1].x, 290 + 4 * 16 + 30);
        EXPECT_EQ(wortart[1].y, headword[0].y);
        EXPECT_EQ(surface.Find("Wort")[7].x, 1250);
    }
}

TEST(ListPrintout, ClassOnlyWhereItEndsBefore1200AndContextsBelow) {
    TBibliothek library;
    TVokabel entry = test::Voc(std::string(53, 'a'), "Wort");
    entry.Kontext1 = "une phrase";
    TVokabel shortEntry = test::Voc(std::string(50, 'a'), "Wort");
    test::Fill(library, {entry, shortEntry});
    RecordingPrintSurface surface;
    PrintLibraryList(library, surface);
    // 290 + 848 + 30 + 32 is just beyond 1200; 290 + 800 + 30 + 32 fits.
    const auto classes = surface.Find("N.");
    ASSERT_EQ(classes.size(), 1u);
    EXPECT_EQ(classes[0].y, -2 * 44 - 160);
    const auto context = surface.Find("une phrase");
    ASSERT_EQ(context.size(), 1u);
    EXPECT_EQ(context[0].x, 340);
    EXPECT_EQ(context[0].y, -44 - 160);
    EXPECT_FALSE(context[0].bold);
}

TEST(ListPrintout, EmptyLibraryIsRefused) {
    test::MessageCapture messages;
    TBibliothek library;
    test::RecordingPrintJobs jobs;
    PrintList(library, jobs);
    EXPECT_TRUE(jobs.titles.empty());
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Welche Vokabeln soll ich drucken?!");
    EXPECT_EQ(messages.Messages()[0].flags, kMbIconError | kMbOk);
}

} // namespace
} // namespace qor
