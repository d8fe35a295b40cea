// Exercise files: identifier, count, header, items and trailer; and which item comes next.

#include "page/sources/ExerciseFile.h"

#include "page/sources/ExerciseSeries.h"
#include "platform/Random.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace qor {
namespace {

TEST(ExerciseFile, SplitsHeaderItemsAndTrailer) {
    struct FileCase {
        const char* name;
        std::string text;
        int count;
        std::string header;
        std::vector<std::string> items;
        std::string trailer;
    };
    const std::vector<FileCase> cases = {
        {"three items", "QOR!02<EX>a<EX>b<EX>c</EX>", 2, "", {"a", "b", "c"}, ""},
        {"header and trailer",
         "QOR!10 \r\n\t<H1>Kopf</H1><EX>eins<EX>zwei</EX><P>Ende\r",
         10,
         "<H1>Kopf</H1>",
         {"eins", "zwei"},
         "<P>Ende\r"},
        {"no closing tag: the last item runs to the end", "QOR!03K<EX>a<EX>b\r", 3, "K", {"a", "b\r"}, ""},
        {"no items", "QOR!05Nur ein Kopf\r", 5, "Nur ein Kopf\r", {}, ""},
        {"only the identifier", "QOR!", 0, "", {}, ""},
        {"one digit and a space", "QOR!7 <EX>a</EX>", 7, "", {"a"}, ""},
        {"count that is not a number", "QOR!xx<EX>a<EX>b</EX>", 0, "", {"a", "b"}, ""},
        {"empty items stay items", "QOR!02<EX><EX></EX>", 2, "", {"", ""}, ""},
        {"the first closing tag ends the items", "QOR!01<EX>a</EX>b</EX><EX>c", 1, "", {"a"}, "b</EX><EX>c"},
        {"a closing tag before the first item belongs to the header",
         "QOR!01x</EX>y<EX>a",
         1,
         "x</EX>y",
         {"a"},
         ""},
        {"tags are matched exactly", "QOR!01<ex>a<EX>b</ex>", 1, "<ex>a", {"b</ex>"}, ""},
        {"bytes above 127 are not whitespace", "QOR!01\xA0\xE9t\xE9<EX>a", 1, "\xA0\xE9t\xE9", {"a"}, ""},
    };
    for (const FileCase& fileCase : cases) {
        SCOPED_TRACE(fileCase.name);
        ExerciseFile file;
        ASSERT_TRUE(ReadExerciseFile(fileCase.text, file));
        EXPECT_EQ(file.count, fileCase.count);
        EXPECT_EQ(file.header, fileCase.header);
        EXPECT_EQ(file.items, fileCase.items);
        EXPECT_EQ(file.trailer, fileCase.trailer);
    }
}

TEST(ExerciseFile, RefusesAWrongIdentifier) {
    for (const char* text : {"", "QOR", "qor!02<EX>a</EX>", "QOR?02<EX>a</EX>", " QOR!02<EX>a</EX>"}) {
        SCOPED_TRACE(text);
        ExerciseFile file;
        file.items = {"old"};
        EXPECT_FALSE(ReadExerciseFile(text, file));
        EXPECT_TRUE(file.items.empty());
    }
}

TEST(ExerciseFile, PageTextIsHeaderItemTrailerWithACarriageReturn) {
    ExerciseFile file;
    ASSERT_TRUE(ReadExerciseFile("QOR!02<B>K</B><EX>a<EX>b</EX>T\r", file));
    EXPECT_EQ(file.PageText(0), "<B>K</B>aT\r");
    EXPECT_EQ(file.PageText(1), "<B>K</B>bT\r");
    ASSERT_TRUE(ReadExerciseFile("QOR!02<EX>a<EX>b", file));
    EXPECT_EQ(file.PageText(0), "a\r");
}

ExerciseFile FileWithItems(int items, int count) {
    ExerciseFile file;
    file.count = count;
    for (int i = 0; i < items; ++i)
        file.items.push_back("item" + std::to_string(i));
    return file;
}

TEST(ExerciseSeries, CountComesFromTheCommandOrTheFile) {
    struct CountCase {
        const char* name;
        int commandCount; // -2: no command
        int fileCount;
        int remaining;
    };
    const std::vector<CountCase> cases = {
        {"no command", -2, 2, 2},
        {"command without PICK", -1, 2, 2},
        {"PICK=5", 5, 2, 5},
        {"PICK=0", 0, 2, 0},
    };
    for (const CountCase& countCase : cases) {
        SCOPED_TRACE(countCase.name);
        ExerciseSeries series;
        if (countCase.commandCount != -2)
            series.Start(countCase.commandCount);
        series.Load(FileWithItems(3, countCase.fileCount));
        EXPECT_EQ(series.Remaining(), countCase.remaining);
        // The command's count is used up: the next file counts for itself.
        series.Load(FileWithItems(3, 4));
        EXPECT_EQ(series.Remaining(), 4);
    }
}

TEST(ExerciseSeries, MoreDrawsThanItemsStillEnd) {
    // Three items and ten to ask: once all three were shown, the oldest becomes drawable again.
    SeedRandom(11);
    ExerciseSeries series;
    series.Start(10);
    series.Load(FileWithItems(3, 2));
    std::vector<std::size_t> shown;
    for (int i = 0; i < 10; ++i)
        shown.push_back(series.Next());
    EXPECT_EQ(series.Remaining(), 0);
    for (std::size_t i = 0; i + 2 < shown.size(); ++i) {
        SCOPED_TRACE(i);
        const std::set<std::size_t> window(shown.begin() + static_cast<long>(i),
                                           shown.begin() + static_cast<long>(i) + 3);
        EXPECT_EQ(window.size(), 3u) << "an item came back before the others were shown";
    }
    EXPECT_TRUE(std::all_of(shown.begin(), shown.end(), [](std::size_t item) { return item < 3; }));
}

TEST(ExerciseSeries, RemembersTheLastTwentyItems) {
    SeedRandom(3);
    ExerciseSeries series;
    series.Start(-1);
    series.Load(FileWithItems(25, 60));
    std::vector<std::size_t> shown;
    for (int i = 0; i < 60; ++i) {
        const std::size_t item = series.Next();
        // None of the last twenty comes back.
        const auto from = shown.size() > 20 ? shown.end() - 20 : shown.begin();
        EXPECT_EQ(std::find(from, shown.end(), item), shown.end()) << "draw " << i;
        shown.push_back(item);
        EXPECT_LE(series.Recent().size(), ExerciseSeries::kRecentLimit);
    }
    EXPECT_EQ(series.Recent().size(), ExerciseSeries::kRecentLimit);
}

TEST(ExerciseSeries, StartingASeriesForgetsWhatWasShown) {
    SeedRandom(5);
    ExerciseSeries series;
    series.Load(FileWithItems(2, 2));
    series.Next();
    ASSERT_EQ(series.Recent().size(), 1u);
    series.Start(-1);
    EXPECT_TRUE(series.Recent().empty());
}

} // namespace
} // namespace qor
