#include "page/controls/tDragAufgabenListe.h"

#include "platform/Random.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor {
namespace {

using Rect = tDragAufgabenListe::Rect;
using Point = tDragAufgabenListe::Point;
using DropResult = tDragAufgabenListe::DropResult;

std::vector<std::string> Words(const tDragAufgabenListe& list) {
    std::vector<std::string> words;
    for (const auto& block : list.Blocks()) {
        words.push_back(block.word);
    }
    return words;
}

// A page whose every pixel differs from its neighbours, so a copied area shows where it came from.
TXBitmap PatternPage(int width, int height) {
    TXBitmap page(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            page.SetPixel(x, y, MakeColour(x % 256, y % 256, (x / 256) * 16 + 7));
        }
    }
    return page;
}

TEST(tDragAufgabenListe, StartsWithTheDefaultsAndResetRestoresThem) {
    tDragAufgabenListe list;
    auto expectDefaults = [&list] {
        EXPECT_EQ(list.BlockCount(), 0);
        EXPECT_EQ(list.TargetCount(), 0);
        EXPECT_EQ(list.BitmapCount(), 0);
        EXPECT_EQ(list.TargetWidth(), 0);
        EXPECT_EQ(list.TargetHeight(), 0);
        EXPECT_EQ(list.BlocksPerRow(), 4);
        EXPECT_EQ(list.BlockWidth(), 120);
        EXPECT_EQ(list.LeftEdge(), -1);
        EXPECT_EQ(list.RightEdge(), -1);
    };
    expectDefaults();

    list.AddTarget(Rect{10, 10, 60, 30}, "chat");
    list.AddBlock("chien");
    list.SetBlocksPerRow(6);
    list.SetBlockWidth(80);
    list.SetLeftEdge(5);
    list.SetRightEdge(700);
    TXBitmap page(800, 600);
    list.LayOutBlocks(800, 350, {}, page);
    list.Face(1);
    ASSERT_EQ(list.BitmapCount(), 3) << "two backgrounds, one face";

    list.Reset();
    expectDefaults();
}

TEST(tDragAufgabenListe, FirstTargetFixesTheSizeAndEveryTargetBringsItsBlock) {
    tDragAufgabenListe list;
    list.AddTarget(Rect{100, 50, 160, 70}, "la");
    list.AddTarget(Rect{200, 90, 290, 120}, "le");
    list.AddBlock("les"); // a wrong word: no target

    EXPECT_EQ(list.TargetWidth(), 60);
    EXPECT_EQ(list.TargetHeight(), 20);
    EXPECT_EQ(Words(list), (std::vector<std::string>{"la", "le", "les"}));
    ASSERT_EQ(list.TargetCount(), 2);
    EXPECT_EQ(list.Targets()[1].word, "le");
    EXPECT_EQ(list.Targets()[1].rect, (Rect{200, 90, 290, 120}));
}

TEST(tDragAufgabenListe, TargetAtNeedsTheExactTopLeftCorner) {
    tDragAufgabenListe list;
    list.AddTarget(Rect{100, 50, 160, 70}, "la");
    list.AddTarget(Rect{200, 50, 260, 70}, "le");
    struct Case {
        int x, y, expected;
    };
    const std::vector<Case> cases = {
        {100, 50, 0}, {200, 50, 1}, {101, 50, -1}, {100, 51, -1}, {99, 50, -1}, {160, 70, -1}, {130, 60, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "(" << c.x << ", " << c.y << ")");
        EXPECT_EQ(list.TargetAt(c.x, c.y), c.expected);
    }
}

TEST(tDragAufgabenListe, SnapsUpToEightPixelsOutsideATarget) {
    tDragAufgabenListe list;
    list.AddTarget(Rect{100, 50, 160, 70}, "la");
    const int offsetX = 7;
    const int offsetY = 3;
    struct Case {
        const char* name;
        int x, y;
        bool snaps;
    };
    const std::vector<Case> cases = {
        {"inside", 130, 60, true},    {"8 left", 92, 60, true},      {"9 left", 91, 60, false},
        {"8 right", 168, 60, true},   {"9 right", 169, 60, false},   {"8 above", 130, 42, true},
        {"9 above", 130, 41, false},  {"8 below", 130, 78, true},    {"9 below", 130, 79, false},
        {"corner 8/8", 92, 42, true}, {"corner 9/8", 91, 42, false}, {"far away", 500, 500, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto snapped = list.Snap(c.x, c.y, offsetY, offsetX);
        ASSERT_EQ(snapped.has_value(), c.snaps);
        if (c.snaps) {
            EXPECT_EQ(*snapped, (Point{100 + offsetX, 50 + offsetY}));
        }
    }
}

TEST(tDragAufgabenListe, SnapStopsAtTheFirstTargetInListOrder) {
    tDragAufgabenListe list;
    list.AddTarget(Rect{100, 50, 160, 70}, "la");
    list.AddTarget(Rect{165, 50, 225, 70}, "le"); // its left tolerance overlaps the first one's right
    EXPECT_EQ(list.Snap(163, 60, 0, 0), (Point{100, 50}));
    EXPECT_EQ(list.Snap(169, 60, 0, 0), (Point{165, 50}));
}

struct PositionCase {
    const char* name;
    int pageWidth, perRow, blockWidth, leftEdge, rightEdge, index, areaTop;
    Point expected;
};

TEST(tDragAufgabenListe, BlockPositionFollowsTheAreaFormulas) {
    // Centred: left = (800 - 4 × 140 + 20) / 2 = 130, right = 800 - 130 = 670, column step
    // (670 - 130 - 120) / 3 = 140.
    const std::vector<PositionCase> cases = {
        {"centred, block 0", 800, 4, 120, -1, -1, 0, 350, {130, 350}},
        {"centred, block 1", 800, 4, 120, -1, -1, 1, 350, {270, 350}},
        {"centred, block 3", 800, 4, 120, -1, -1, 3, 350, {550, 350}},
        {"centred, second row", 800, 4, 120, -1, -1, 4, 350, {130, 380}},
        {"centred, third row", 800, 4, 120, -1, -1, 9, 350, {270, 410}},
        // 5 per row: left (800 - 600 + 20) / 2 = 110, right 690, step (690 - 110 - 100) / 4 = 120.
        {"five per row", 800, 5, 100, -1, -1, 3, 0, {470, 0}},
        // Odd page width: left 261 / 2 = 130, right 671, step 421 / 3 = 140 (both truncated).
        {"odd page width", 801, 4, 120, -1, -1, 1, 10, {270, 10}},
        // Left edge given, right from it: right 720, step 520 / 3 = 173.
        {"left edge", 800, 4, 120, 80, -1, 2, 0, {426, 0}},
        // Both edges: step 500 / 3 = 166.
        {"both edges", 800, 4, 120, 80, 700, 3, 0, {578, 0}},
        // A narrow area steps backwards: (150 - 100 - 120) / 3 = -70 / 3 = -23, truncated toward zero.
        {"narrow area", 800, 4, 120, 100, 150, 1, 0, {77, 0}},
        // Fewer than two per row: one column, one block per row, left edge (centred when -1).
        {"one per row", 800, 1, 120, -1, -1, 2, 100, {340, 160}},
        {"zero per row", 800, 0, 120, -1, -1, 2, 100, {340, 160}},
        {"one per row, left edge", 800, 1, 120, 80, 700, 1, 100, {80, 130}},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(c.name);
        tDragAufgabenListe list;
        list.SetBlocksPerRow(c.perRow);
        list.SetBlockWidth(c.blockWidth);
        list.SetLeftEdge(c.leftEdge);
        list.SetRightEdge(c.rightEdge);
        EXPECT_EQ(list.BlockPosition(c.index, c.pageWidth, c.areaTop), c.expected);
    }
}

// Two targets and a wrong word laid out on an 800-pixel page at y = 350 (blocks 120 × 20).
class LaidOutBlocks : public ::testing::Test {
protected:
    void SetUp() override {
        list.AddTarget(Rect{100, 50, 160, 70}, "la");
        list.AddTarget(Rect{200, 50, 260, 70}, "le");
        list.AddBlock("les");
        look.font.face.height = 16;
        look.font.colour = 255;
        look.faceColour = 12632256;
        list.LayOutBlocks(800, 350, look, page);
    }

    tDragAufgabenListe list;
    tDragAufgabenListe::BlockLook look;
    TXBitmap original = PatternPage(800, 600);
    TXBitmap page = original;
};

TEST_F(LaidOutBlocks, BlocksStandInTheAreaWithTheTargetHeight) {
    ASSERT_EQ(list.BlockCount(), 3);
    EXPECT_EQ(list.Blocks()[0].rect, (Rect{130, 350, 250, 370}));
    EXPECT_EQ(list.Blocks()[1].rect, (Rect{270, 350, 390, 370}));
    EXPECT_EQ(list.Blocks()[2].rect, (Rect{410, 350, 530, 370}));
    EXPECT_EQ(list.BitmapCount(), 3) << "the backgrounds";
    list.Face(0);
    list.Face(0);
    EXPECT_EQ(list.BitmapCount(), 4) << "and one face, made once";
    list.LayOutBlocks(800, 350, look, page); // a second layout replaces the bitmaps
    EXPECT_EQ(list.BitmapCount(), 3);
    EXPECT_EQ(list.Blocks()[0].faceBitmap, -1);
}

TEST_F(LaidOutBlocks, BlockAtUsesInclusiveBounds) {
    struct Case {
        int x, y, expected;
        const char* word;
    };
    const std::vector<Case> cases = {
        {130, 350, 0, "la"}, {250, 370, 0, "la"}, {251, 360, -1, ""},   {129, 360, -1, ""},
        {200, 371, -1, ""},  {270, 350, 1, "le"}, {530, 370, 2, "les"}, {131, 349, -1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "(" << c.x << ", " << c.y << ")");
        EXPECT_EQ(list.BlockAt(c.x, c.y), c.expected);
        EXPECT_EQ(list.WordAt(c.x, c.y), c.word);
    }
}

TEST_F(LaidOutBlocks, FaceShowsTheWordCentredOnTheBlockColour) {
    EXPECT_EQ(list.Blocks()[0].faceBitmap, -1) << "made only when needed";
    const TXBitmap& face = list.Face(0);
    EXPECT_EQ(list.Blocks()[0].faceBitmap, list.FaceBitmap(0)) << "made once";
    ASSERT_EQ(face.Width(), 120);
    ASSERT_EQ(face.Height(), 20);
    // The test fonts advance 8 pixels per character at height 16: "la" is 16 wide, so it starts at
    // (120 - 16) / 2 = 52, and its cell at (20 - 16) / 2 = 2.
    EXPECT_EQ(face.Pixel(0, 0), 12632256);
    EXPECT_EQ(face.Pixel(51, 5), 12632256);
    EXPECT_EQ(face.Pixel(52, 5), 255);
    EXPECT_EQ(face.Pixel(60, 5), 255);
    EXPECT_EQ(face.Pixel(68, 5), 12632256);
    EXPECT_EQ(face.Pixel(52, 1), 12632256);
}

TEST_F(LaidOutBlocks, BackgroundKeepsThePageAreaAndTheFaceIsOnThePage) {
    for (int b = 0; b < list.BlockCount(); ++b) {
        SCOPED_TRACE(b);
        const auto& block = list.Blocks()[static_cast<std::size_t>(b)];
        const TXBitmap& background = list.Bitmap(block.backgroundBitmap);
        const TXBitmap& face = list.Face(b);
        for (const Point p : {Point{0, 0}, Point{119, 19}, Point{57, 9}}) {
            EXPECT_EQ(background.Pixel(p.x, p.y),
                      original.Pixel(block.rect.left + p.x, block.rect.top + p.y));
            EXPECT_EQ(page.Pixel(block.rect.left + p.x, block.rect.top + p.y), face.Pixel(p.x, p.y));
        }
    }
    EXPECT_EQ(page.Pixel(129, 350), original.Pixel(129, 350)); // nothing else changed

    list.DrawBackground(1, page);
    EXPECT_EQ(page.Pixel(270, 350), original.Pixel(270, 350));
    EXPECT_EQ(page.Pixel(389, 369), original.Pixel(389, 369));
    list.DrawFace(1, page);
    EXPECT_EQ(page.Pixel(270, 350), 12632256);
}

TEST(tDragAufgabenListe, OnlyWrongWordsTakeTheHeightOfTheirFont) {
    tDragAufgabenListe list;
    list.AddBlock("faux");
    tDragAufgabenListe::BlockLook look;
    look.font.face.height = 18;
    TXBitmap page(800, 600);
    list.LayOutBlocks(800, 100, look, page);
    EXPECT_EQ(list.Blocks()[0].rect.Height(), 18);
    EXPECT_EQ(list.Face(0).Height(), 18);
}

TEST(tDragAufgabenListe, FacesOfBadBlocksOrBeforeTheLayoutAreEmpty) {
    tDragAufgabenListe list;
    list.AddBlock("mot");
    EXPECT_EQ(list.FaceBitmap(0), -1) << "not laid out yet";
    EXPECT_TRUE(list.Face(0).Empty());
    TXBitmap page(800, 600);
    list.LayOutBlocks(800, 100, tDragAufgabenListe::BlockLook{}, page);
    for (const int bad : {-1, 1, 1000}) {
        EXPECT_EQ(list.FaceBitmap(bad), -1) << bad;
        EXPECT_TRUE(list.Face(bad).Empty()) << bad;
    }
    EXPECT_FALSE(list.Face(0).Empty());
}

TEST(tDragAufgabenListe, AWordWiderThanItsBlockStaysInsideTheBlockOnThePage) {
    tDragAufgabenListe list;
    list.SetBlocksPerRow(1);
    list.SetLeftEdge(100);
    list.AddBlock(std::string(40, 'W')); // 320 pixels of text in a 120-pixel block
    TXBitmap page(800, 600);
    page.Fill(0xFFFFFF, ColourOrder::RedHigh);
    tDragAufgabenListe::BlockLook look;
    look.font.face.height = 16;
    list.LayOutBlocks(800, 100, look, page);
    const tDragAufgabenListe::Rect& rect = list.Blocks()[0].rect;
    const int middle = rect.top + rect.Height() / 2;
    EXPECT_EQ(page.Pixel(rect.left - 1, middle), 0xFFFFFF);
    EXPECT_EQ(page.Pixel(rect.right, middle), 0xFFFFFF);
    EXPECT_EQ(page.Pixel(rect.left - 40, middle), 0xFFFFFF);
    EXPECT_EQ(page.Pixel(rect.right + 40, middle), 0xFFFFFF);
    const TXBitmap& face = list.Face(0);
    for (int x = 0; x < face.Width(); ++x) {
        ASSERT_EQ(page.Pixel(rect.left + x, middle), face.Pixel(x, face.Height() / 2)) << x;
    }
}

struct DropCase {
    const char* name;
    const char* word; // of the dragged block
    int left, top;    // where its top-left corner was released
    DropResult expected;
    const char* filledTarget; // the target word removed on a right drop
};

TEST(tDragAufgabenListe, DropIsRightOnlyOnTheCornerOfATargetWithTheSameWord) {
    const std::vector<DropCase> cases = {
        {"own target", "la", 100, 50, DropResult::Right, "la"},
        {"other target", "la", 200, 50, DropResult::Return, ""},
        {"one pixel off", "la", 101, 50, DropResult::Return, ""},
        {"inside but not on the corner", "la", 110, 55, DropResult::Return, ""},
        {"nowhere", "le", 0, 0, DropResult::Return, ""},
        {"same word, second gap", "le", 300, 50, DropResult::Right, "le"},
        {"wrong word on a target", "les", 100, 50, DropResult::Return, ""},
        {"wrong word on the other target", "les", 200, 50, DropResult::Return, ""},
        {"case matters", "La", 100, 50, DropResult::Return, ""},
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.name);
        tDragAufgabenListe list;
        list.AddTarget(Rect{100, 50, 160, 70}, "la");
        list.AddTarget(Rect{200, 50, 260, 70}, "le");
        list.AddTarget(Rect{300, 50, 360, 70}, "le");
        list.AddBlock("les");
        list.AddBlock("La");
        const auto words = Words(list);
        const int blockIndex =
            static_cast<int>(std::find(words.begin(), words.end(), c.word) - words.begin());
        const Rect home = list.Blocks()[static_cast<std::size_t>(blockIndex)].rect;

        const auto outcome = list.Drop(blockIndex, c.left, c.top);

        EXPECT_EQ(outcome.result, c.expected);
        EXPECT_EQ(outcome.block.word, c.word);
        if (c.expected == DropResult::Right) {
            EXPECT_EQ(outcome.target.word, c.filledTarget);
            EXPECT_EQ(outcome.target.rect.left, c.left);
            EXPECT_EQ(list.TargetCount(), 2);
            EXPECT_EQ(list.BlockCount(), 4);
            EXPECT_EQ(list.TargetAt(c.left, c.top), -1);
        } else {
            EXPECT_EQ(outcome.block.rect, home); // back to where it came from
            EXPECT_EQ(list.TargetCount(), 3);
            EXPECT_EQ(list.BlockCount(), 5);
            EXPECT_EQ(Words(list), words);
        }
    }
}

TEST(tDragAufgabenListe, ASnappedDropEightPixelsOffIsRightNinePixelsOffReturns) {
    for (const auto& [distance, expected] :
         std::vector<std::pair<int, DropResult>>{{8, DropResult::Right}, {9, DropResult::Return}}) {
        SCOPED_TRACE(distance);
        tDragAufgabenListe list;
        list.AddTarget(Rect{100, 50, 160, 70}, "la");
        // The block is held 10 pixels right of and 4 below its corner; the pointer is left of the gap.
        const int grabX = 10;
        const int grabY = 4;
        int pointerX = 100 - distance;
        int pointerY = 60;
        if (const auto snapped = list.Snap(pointerX, pointerY, grabY, grabX)) {
            pointerX = snapped->x;
            pointerY = snapped->y;
        }
        EXPECT_EQ(list.Drop(0, pointerX - grabX, pointerY - grabY).result, expected);
    }
}

TEST(tDragAufgabenListe, AWrongWordAlwaysReturnsEvenWhenSnapped) {
    tDragAufgabenListe list;
    list.AddTarget(Rect{100, 50, 160, 70}, "la");
    list.AddBlock("les");
    const auto snapped = list.Snap(130, 60, 0, 0);
    ASSERT_TRUE(snapped.has_value());
    EXPECT_EQ(list.Drop(1, snapped->x, snapped->y).result, DropResult::Return);
    EXPECT_EQ(list.TargetCount(), 1);
    EXPECT_EQ(list.BlockCount(), 2);
}

TEST(tDragAufgabenListe, SwapBlocksExchangesRecordsAndIgnoresBadIndices) {
    tDragAufgabenListe list;
    for (const char* word : {"a", "b", "c"}) {
        list.AddBlock(word);
    }
    list.SwapBlocks(0, 2);
    EXPECT_EQ(Words(list), (std::vector<std::string>{"c", "b", "a"}));
    list.SwapBlocks(1, 3);
    list.SwapBlocks(-1, 0);
    EXPECT_EQ(Words(list), (std::vector<std::string>{"c", "b", "a"}));
}

TEST(tDragAufgabenListe, RemoveBlockTakesOneOutAndIgnoresBadIndices) {
    tDragAufgabenListe list;
    list.AddTarget(Rect{0, 0, 40, 16}, "a");
    list.AddBlock("b");
    list.AddBlock("c");
    list.RemoveBlock(1);
    EXPECT_EQ(Words(list), (std::vector<std::string>{"a", "c"}));
    list.RemoveBlock(2);
    list.RemoveBlock(-1);
    EXPECT_EQ(Words(list), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(list.TargetCount(), 1) << "the targets are not touched";
}

TEST(tDragAufgabenListe, ShuffleFollowsTheDrawsAndKeepsEveryWord) {
    const std::vector<std::string> written = {"un", "deux", "trois", "quatre", "cinq", "six", "sept"};
    bool anyChange = false;
    for (std::uint32_t seed : {1u, 2u, 3u, 42u, 1234u}) {
        SCOPED_TRACE(seed);
        tDragAufgabenListe list;
        for (std::size_t i = 0; i < written.size(); ++i) {
            list.AddTarget(Rect{static_cast<int>(i) * 70, 0, static_cast<int>(i) * 70 + 60, 20}, written[i]);
        }
        SeedRandom(seed);
        list.Shuffle();

        // The same draws applied by hand: for i, a = RandomBelow(n), swap when different.
        SeedRandom(seed);
        std::vector<std::string> expected = written;
        const int n = static_cast<int>(expected.size());
        for (int i = 0; i < n; ++i) {
            const int a = RandomBelow(n);
            std::swap(expected[static_cast<std::size_t>(i)], expected[static_cast<std::size_t>(a)]);
        }
        const auto shuffled = Words(list);
        EXPECT_EQ(shuffled, expected);
        EXPECT_TRUE(std::is_permutation(shuffled.begin(), shuffled.end(), written.begin(), written.end()));
        anyChange = anyChange || shuffled != written;

        // Each block still finds its own target after the layout.
        TXBitmap page(800, 600);
        list.LayOutBlocks(800, 350, {}, page);
        for (int b = 0; b < list.BlockCount(); ++b) {
            const auto& block = list.Blocks()[static_cast<std::size_t>(b)];
            EXPECT_EQ(list.WordAt(block.rect.left, block.rect.top), block.word);
        }
        while (list.BlockCount() > 0) {
            const auto& target = list.Targets().front();
            const auto words = Words(list);
            const int b =
                static_cast<int>(std::find(words.begin(), words.end(), target.word) - words.begin());
            ASSERT_LT(b, list.BlockCount());
            ASSERT_EQ(list.Drop(b, target.rect.left, target.rect.top).result, DropResult::Right);
        }
        EXPECT_EQ(list.TargetCount(), 0);
    }
    EXPECT_TRUE(anyChange);
}

} // namespace
} // namespace qor
