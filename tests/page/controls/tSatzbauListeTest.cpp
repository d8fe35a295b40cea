#include "page/controls/tSatzbauListe.h"

#include "platform/Random.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor {
namespace {

using Rect = tSatzbauListe::Rect;

std::vector<std::string> Texts(const tSatzteilListe& sentence) {
    std::vector<std::string> texts;
    for (const auto& part : sentence.Parts()) {
        texts.push_back(part.text);
    }
    return texts;
}

// Gives the parts (in their written order) bitmaps of the given widths, as the page does once it
// has drawn their texts, and lays the sentence out again.
void SetPartWidths(tSatzbauListe& list, int sentence, const std::vector<int>& widths) {
    tSatzteilListe& s = list.Sentence(sentence);
    for (int p = 0; p < s.PartCount(); ++p) {
        TXBitmap& bitmap = s.Bitmap(s.PartAt(p).bitmap);
        bitmap.Resize(widths[static_cast<std::size_t>(p)], bitmap.Height());
    }
    list.LayOut(sentence);
}

TEST(tSatzbauListe, AddSentenceSplitsAtSlashes) {
    struct Case {
        const char* text;
        std::vector<std::string> parts;
        const char* solution;
    };
    const std::vector<Case> cases = {
        {"Je /suis /ici", {"Je ", "suis ", "ici"}, "Je suis ici"},
        {"bonjour", {"bonjour"}, "bonjour"},
        {"a//b", {"a", "", "b"}, "ab"},
        {"/x", {"", "x"}, "x"},
        {"Il fait /beau.", {"Il fait ", "beau."}, "Il fait beau."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        tSatzbauListe list;
        ASSERT_EQ(list.AddSentence(Rect{50, 100, 600, 124}, c.text), 0);
        EXPECT_EQ(Texts(list.Sentence(0)), c.parts);
        EXPECT_EQ(list.Sentence(0).Solution(), c.solution);
        EXPECT_TRUE(list.Solved(0));
    }
}

TEST(tSatzbauListe, NewPartsStand116ApartWithBitmapsOfTheSentenceHeight) {
    tSatzbauListe list;
    list.AddSentence(Rect{0, 0, 10, 10}, "x");
    ASSERT_EQ(list.AddSentence(Rect{50, 100, 600, 124}, "Je /suis /ici"), 1);
    const tSatzteilListe& sentence = list.Sentence(1);
    const std::vector<Rect> expected = {{50, 100, 150, 124}, {166, 100, 266, 124}, {282, 100, 382, 124}};
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(sentence.PartAt(p).rect, expected[static_cast<std::size_t>(p)]);
        const TXBitmap& bitmap = sentence.Bitmap(sentence.PartAt(p).bitmap);
        EXPECT_EQ(bitmap.Width(), 100);
        EXPECT_EQ(bitmap.Height(), 24);
    }
}

TEST(tSatzbauListe, LayOutPlacesPartsByTheirBitmapWidthsThreeApart) {
    tSatzbauListe list;
    list.AddSentence(Rect{50, 100, 600, 124}, "Je /suis /ici");
    SetPartWidths(list, 0, {30, 50, 20});
    const tSatzteilListe& sentence = list.Sentence(0);
    EXPECT_EQ(sentence.PartAt(0).rect, (Rect{50, 100, 80, 124}));
    EXPECT_EQ(sentence.PartAt(1).rect, (Rect{83, 100, 133, 124}));
    EXPECT_EQ(sentence.PartAt(2).rect, (Rect{136, 100, 156, 124}));

    list.SwapParts(0, 0, 2);
    list.LayOut(0);
    EXPECT_EQ(sentence.PartAt(0).text, "ici");
    EXPECT_EQ(sentence.PartAt(0).rect, (Rect{50, 100, 70, 124}));
    EXPECT_EQ(sentence.PartAt(1).rect, (Rect{73, 100, 123, 124}));
    EXPECT_EQ(sentence.PartAt(2).rect, (Rect{126, 100, 156, 124}));
}

TEST(tSatzbauListe, SolvedComparesTheJoinedTextsSoEqualPartsAreInterchangeable) {
    struct Case {
        const char* text;
        int swapA, swapB;
        bool solved;
    };
    const std::vector<Case> cases = {
        {"la /la /maison", 0, 1, true}, // two identical parts: both orders read the same
        {"la /la /maison", 0, 2, false},
        {"Je /suis /ici", 0, 1, false},
        {"Je /suis /ici", 1, 1, true}, // swapping a part with itself changes nothing
        {"ab/c", 0, 1, false},         // "cab" is not "abc"
        {"a/b/ab", 0, 2, false},       // "abba" is not "abab"
        {"x/xx", 0, 1, true},          // different parts, but "xx" + "x" still reads "xxx"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.text << " swap " << c.swapA << "/" << c.swapB);
        tSatzbauListe list;
        list.AddSentence(Rect{0, 0, 500, 20}, c.text);
        list.SwapParts(0, c.swapA, c.swapB);
        EXPECT_EQ(list.Solved(0), c.solved);
    }
}

TEST(tSatzbauListe, SolvedIsFalseForSentencesThatDoNotExist) {
    tSatzbauListe list;
    list.AddSentence(Rect{0, 0, 500, 20}, "a/b");
    EXPECT_TRUE(list.Solved(0));
    EXPECT_FALSE(list.Solved(1));
    EXPECT_FALSE(list.Solved(-1));
}

TEST(tSatzbauListe, HitUsesInclusiveBoundsAndRecordsTheDragWidth) {
    tSatzbauListe list;
    list.AddSentence(Rect{50, 100, 600, 124}, "Je /suis /ici");
    list.AddSentence(Rect{50, 100, 600, 124}, "Tu /es /là"); // lies under the first one
    list.AddSentence(Rect{50, 200, 600, 224}, "Il /est /parti");
    SetPartWidths(list, 2, {40, 60, 80});
    struct Case {
        int x, y;
        tSatzbauListe::HitResult expected;
        int dragWidth; // -1: unchanged
    };
    const std::vector<Case> cases = {
        {50, 100, {0, 0}, 100},  {150, 124, {0, 0}, 100},  {151, 110, {-1, -1}, -1}, {166, 110, {0, 1}, 100},
        {382, 124, {0, 2}, 100}, {50, 99, {-1, -1}, -1},   {50, 200, {2, 0}, 40},    {93, 224, {2, 1}, 60},
        {153, 210, {2, 1}, 60},  {154, 210, {-1, -1}, -1}, {156, 200, {2, 2}, 80},   {236, 224, {2, 2}, 80},
    };
    int lastWidth = list.DragWidth();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "(" << c.x << ", " << c.y << ")");
        EXPECT_EQ(list.Hit(c.x, c.y), c.expected);
        if (c.dragWidth >= 0) {
            lastWidth = c.dragWidth;
        }
        EXPECT_EQ(list.DragWidth(), lastWidth);
    }
}

// Sentence 1 at (50, 100)-(600, 124) with parts 40, 60 and 50 wide: [50, 90], [93, 153], [156, 206].
class SnapSentence : public ::testing::Test {
protected:
    void SetUp() override {
        list.AddSentence(Rect{0, 10, 500, 30}, "autre /phrase");
        list.AddSentence(Rect{50, 100, 600, 124}, "A/B/C");
        SetPartWidths(list, 1, {40, 60, 50});
    }
    tSatzbauListe list;
};

struct SnapCase {
    const char* name;
    int currentPart;
    int x, y;
    int position; // expected
    int snappedX; // expected pointer x when snapped
};

TEST_F(SnapSentence, SnapsBeforeOrAfterTheDraggedPartWithinFourPixels) {
    const int offsetX = 5;
    const int offsetY = 3;
    const std::vector<SnapCase> cases = {
        // Dragging the middle part (60 wide). Before it: part 0, w = 40, counts on [46, 94] and
        // snaps to its left edge.
        {"before, left limit", 1, 46, 110, 0, 55},
        {"before, 5 left", 1, 45, 110, -1, 0},
        {"before, right limit", 1, 94, 110, 0, 55},
        // Its own slot: w = 60, [89, 157]; part 0 comes first where they overlap.
        {"own slot", 1, 95, 110, 1, 98},
        {"own slot, right limit", 1, 157, 110, 1, 98},
        // After it: part 2, w = min(60, 50) = 50, counts on [152, 210] and snaps to right - w.
        {"after", 1, 158, 110, 2, 161},
        {"after, right limit", 1, 210, 110, 2, 161},
        {"after, 5 right", 1, 211, 110, -1, 0},
        // y must lie within the sentence, bounds included.
        {"top edge", 1, 60, 100, 0, 55},
        {"bottom edge", 1, 60, 124, 0, 55},
        {"above", 1, 60, 99, -1, 0},
        {"below", 1, 60, 125, -1, 0},
        // Dragging the first part (40 wide): parts 1 and 2 are after it, both with w = 40, so they
        // count on [109, 157] and [162, 210] and snap to 153 - 40 and 206 - 40.
        {"first dragged, own slot", 0, 89, 110, 0, 55},
        {"first dragged, gap", 0, 100, 110, -1, 0},
        {"first dragged, after 1", 0, 109, 110, 1, 118},
        {"first dragged, after 1 right", 0, 157, 110, 1, 118},
        {"first dragged, gap 2", 0, 161, 110, -1, 0},
        {"first dragged, after 2", 0, 162, 110, 2, 171},
        // Dragging the last part (50 wide): parts 0 and 1 are before it: [46, 94] and [89, 147].
        {"last dragged, first wins", 2, 92, 110, 0, 55},
        {"last dragged, before 1", 2, 140, 110, 1, 98},
        {"last dragged, gap", 2, 150, 110, -1, 0},
        {"last dragged, own", 2, 160, 110, 2, 161},
    };
    for (const SnapCase& c : cases) {
        SCOPED_TRACE(c.name);
        list.Hit(list.Sentence(1).PartAt(c.currentPart).rect.left, 110); // records the drag width
        list.SetCurrent(1, c.currentPart);
        const auto result = list.Snap(c.x, c.y, offsetY, offsetX);
        EXPECT_EQ(result.position, c.position);
        EXPECT_EQ(list.Snapped(), c.position >= 0);
        if (c.position >= 0) {
            EXPECT_EQ(result.x, c.snappedX);
            EXPECT_EQ(result.y, 103);
        } else {
            EXPECT_EQ(result.x, c.x);
            EXPECT_EQ(result.y, c.y);
        }
    }
}

TEST_F(SnapSentence, OnlyTheCurrentSentenceSnaps) {
    list.Hit(50, 110);
    list.SetCurrent(0, 0);
    EXPECT_EQ(list.Snap(60, 110, 0, 0).position, -1); // over sentence 1, but sentence 0 is dragged
    EXPECT_FALSE(list.Snapped());
    list.SetCurrent(-1, -1);
    EXPECT_EQ(list.Snap(60, 110, 0, 0).position, -1);
    list.SetCurrent(1, 0);
    EXPECT_EQ(list.Snap(60, 110, 0, 0).position, 0);
    EXPECT_TRUE(list.Snapped());
}

TEST(tSatzbauListe, ReorderPushesTheDraggedPartPastItsNeighbours) {
    tSatzbauListe list;
    list.AddSentence(Rect{50, 100, 600, 124}, "A/B/C/D");
    SetPartWidths(list, 0, {40, 40, 40, 40}); // [50, 90], [93, 133], [136, 176], [179, 219]
    const auto hit = list.Hit(60, 110);
    ASSERT_EQ(hit, (tSatzbauListe::HitResult{0, 0}));
    list.SetCurrent(hit.sentence, hit.part);

    struct Step {
        int x;
        std::vector<std::string> order;
        int current;
    };
    const std::vector<Step> steps = {
        {60, {"A", "B", "C", "D"}, 0},  // still in its own slot
        {95, {"B", "A", "C", "D"}, 1},  // past B
        {120, {"B", "A", "C", "D"}, 1}, // inside its new slot: nothing moves
        {140, {"B", "C", "A", "D"}, 2}, // past C
        {300, {"B", "C", "A", "D"}, 2}, // beyond the sentence: no slot
        {222, {"B", "C", "D", "A"}, 3}, // past D
        {60, {"A", "C", "D", "B"}, 0},  // straight back to the front: exchanges with B
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.x);
        list.Reorder(step.x, 110, 0, 0);
        EXPECT_EQ(Texts(list.Sentence(0)), step.order);
        EXPECT_EQ(list.CurrentPart(), step.current);
        // Every swap lays the sentence out again.
        for (int p = 0; p < 4; ++p) {
            EXPECT_EQ(list.Sentence(0).PartAt(p).rect.left, 50 + 43 * p);
        }
    }
}

TEST(tSatzbauListe, PushingAPartIntoPlaceSolvesTheSentence) {
    tSatzbauListe list;
    list.AddSentence(Rect{50, 100, 600, 124}, "Je /suis /ici");
    SetPartWidths(list, 0, {24, 40, 24});
    list.SwapParts(0, 0, 1); // "suis Je ici": [50, 90], [93, 117], [120, 144]
    list.LayOut(0);
    ASSERT_FALSE(list.Solved(0));

    const auto hit = list.Hit(100, 110);
    ASSERT_EQ(hit, (tSatzbauListe::HitResult{0, 1}));
    list.SetCurrent(hit.sentence, hit.part);
    const auto result = list.Reorder(52, 110, 4, 2);
    EXPECT_EQ(result.position, 0);
    EXPECT_EQ(result.x, 52); // offset 2 + left 50
    EXPECT_EQ(result.y, 104);
    EXPECT_EQ(list.CurrentPart(), 0);
    EXPECT_TRUE(list.Solved(0));
}

TEST(tSatzbauListe, ShuffleKeepsThePartsAndLaysThemOut) {
    const std::vector<std::string> written = {"Nous ", "allons ", "au ", "cin", "ma ", "ce ", "soir."};
    bool anyChange = false;
    for (std::uint32_t seed : {1u, 7u, 99u, 2024u}) {
        SCOPED_TRACE(seed);
        tSatzbauListe list;
        list.AddSentence(Rect{10, 40, 790, 60}, "Nous /allons /au /cin/ma /ce /soir.");
        list.AddSentence(Rect{10, 80, 790, 100}, "Oui/Non");
        SetPartWidths(list, 0, {50, 60, 30, 35, 40, 30, 45});
        SeedRandom(seed);
        list.Shuffle();

        SeedRandom(seed);
        std::vector<std::string> expected = written;
        for (int i = 0; i < 7; ++i) {
            std::swap(expected[static_cast<std::size_t>(i)],
                      expected[static_cast<std::size_t>(RandomBelow(7))]);
        }
        const auto order = Texts(list.Sentence(0));
        EXPECT_EQ(order, expected);
        EXPECT_TRUE(std::is_permutation(order.begin(), order.end(), written.begin(), written.end()));
        EXPECT_EQ(list.Solved(0), order == written);
        EXPECT_EQ(list.Sentence(0).Solution(), "Nous allons au cinma ce soir.");
        anyChange = anyChange || order != written;

        // Laid out by the bitmaps of the parts in their new order.
        int x = 10;
        for (const auto& part : list.Sentence(0).Parts()) {
            EXPECT_EQ(part.rect.left, x);
            EXPECT_EQ(part.rect.Width(), list.Sentence(0).Bitmap(part.bitmap).Width());
            x = part.rect.right + 3;
        }
        EXPECT_EQ(Texts(list.Sentence(1)).size(), 2u);
    }
    EXPECT_TRUE(anyChange);
}

TEST(tSatzbauListe, DeleteCurrentSentenceAndClear) {
    tSatzbauListe list;
    list.AddSentence(Rect{0, 0, 500, 20}, "a/b");
    list.AddSentence(Rect{0, 40, 500, 60}, "c/d");
    list.AddSentence(Rect{0, 80, 500, 100}, "e/f");
    list.DeleteCurrentSentence(); // none is current: nothing happens
    EXPECT_EQ(list.SentenceCount(), 3);

    list.SetCurrent(1, 1);
    list.DeleteCurrentSentence();
    EXPECT_EQ(list.CurrentSentence(), -1);
    ASSERT_EQ(list.SentenceCount(), 2);
    EXPECT_EQ(list.Sentence(0).Solution(), "ab");
    EXPECT_EQ(list.Sentence(1).Solution(), "ef");
    EXPECT_EQ(list.Hit(1, 50), (tSatzbauListe::HitResult{}));

    list.SetCurrent(0, 1);
    list.Hit(1, 10);
    list.Snap(500, 500, 0, 0);
    list.Clear();
    EXPECT_EQ(list.SentenceCount(), 0);
    EXPECT_EQ(list.CurrentSentence(), -1);
    EXPECT_EQ(list.CurrentPart(), -1);
    EXPECT_TRUE(list.Snapped());
}

} // namespace
} // namespace qor
