// The exercises of a shown page: gap reactions, the multiple-choice pick, dragging blocks onto
// their words and sentence parts into order, and the praise once everything is solved. Pages are
// parsed, laid out and painted with the fixed-advance test fonts (8 pixels a character).

#include "page/controls/PageExercises.h"

#include "page/controls/TPageEdit.h"
#include "page/controls/TXMultipleChoice.h"
#include "page/controls/tTippAufgabenListe.h"
#include "page/render/RenderTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace qor {
namespace {

class FakeExerciseHost : public PageExerciseHost {
public:
    struct DragImage {
        const TXBitmap* image = nullptr;
        int x = 0;
        int y = 0;
    };

    void RaiseCommand(const std::string& command) override { commands.push_back(command); }
    void LoadPage(const std::string& file) override { loads.push_back(file); }
    void PostDeferred(std::function<void()> call) override { deferred.push_back(std::move(call)); }
    void RunFeedback(std::string_view text, int milliseconds) override {
        feedback.emplace_back(std::string(text), milliseconds);
    }
    void TakeFocus() override { ++focusTaken; }
    bool FocusReleased() const override { return focusReleased; }
    void HideAnchorLabel() override { ++labelHidden; }
    void ShowBuffer() override { ++buffersShown; }
    void SetDragImage(const TXBitmap* image, int x, int y) override { dragImages.push_back({image, x, y}); }
    void HoldFrame(int milliseconds) override { heldFrames.push_back(milliseconds); }
    void ReleaseFinishedGap(const TPageEdit&) override { ++gapsReleased; }

    // Runs what was posted, as the event loop would after the event.
    void RunDeferred() {
        std::vector<std::function<void()>> calls = std::move(deferred);
        deferred.clear();
        for (auto& call : calls) {
            call();
        }
    }

    std::vector<std::string> commands;
    std::vector<std::string> loads;
    std::vector<std::function<void()>> deferred;
    std::vector<std::pair<std::string, int>> feedback;
    std::vector<DragImage> dragImages;
    int focusTaken = 0;
    int gapsReleased = 0;
    bool focusReleased = false;
    int labelHidden = 0;
    int buffersShown = 0;
    std::vector<int> heldFrames;
};

using Feedback = std::vector<std::pair<std::string, int>>;

struct ExercisePage : test::LaidOutPage {
    FakeExerciseHost exerciseHost;
    PageExercises exercises{document, painter, exerciseHost};

    ExercisePage() {
        document.onGapEditCreated = [this](TPageEdit& edit, GapEditSource source) {
            exercises.ConnectGapEdit(edit, source);
        };
        document.onMultipleChoiceCreated = [this](TXMultipleChoice& grid) {
            exercises.ConnectMultipleChoice(grid);
        };
    }

    // Paints the page and shows its controls, as the page control does after rendering.
    void Show(std::string_view markup) {
        Paint(markup);
        for (int i = 0; i < document.GapEdits().Count(); ++i) {
            document.GapEdits().Edit(i).SetVisible(true);
        }
        if (TXMultipleChoice* grid = document.MultipleChoice()) {
            grid->SetVisible(true);
        }
    }

    TPageEdit& Edit(int index) { return document.GapEdits().Edit(index); }
    const TXBitmap& Buffer() { return painter.Buffer(); }

    const TXBitmap& Face(std::string_view word) {
        tDragAufgabenListe& task = document.dragTask;
        for (int i = 0; i < task.BlockCount(); ++i) {
            if (task.Blocks()[static_cast<std::size_t>(i)].word == word) {
                return task.Face(i);
            }
        }
        static const TXBitmap none;
        ADD_FAILURE() << "no block " << word;
        return none;
    }

    const tDragAufgabenListe::Block& Block(std::string_view word) {
        for (const auto& block : document.dragTask.Blocks()) {
            if (block.word == word) {
                return block;
            }
        }
        static const tDragAufgabenListe::Block none;
        ADD_FAILURE() << "no block " << word;
        return none;
    }
};

void Answer(TPageEdit& edit, std::string_view text) {
    edit.SetText(text);
    KeyEvent enter{VirtualKey::Return};
    edit.KeyDown(enter);
}

// True when the buffer shows `image` with its top-left corner at (x, y).
bool ShowsImage(const TXBitmap& buffer, int x, int y, const TXBitmap& image) {
    for (int row = 0; row < image.Height(); ++row) {
        for (int column = 0; column < image.Width(); ++column) {
            if (buffer.Pixel(x + column, y + row) != image.Pixel(column, row)) {
                return false;
            }
        }
    }
    return !image.Empty();
}

std::vector<std::string> BlockWords(const tDragAufgabenListe& task) {
    std::vector<std::string> words;
    for (const auto& block : task.Blocks()) {
        words.push_back(block.word);
    }
    return words;
}

// [SECTION] Gap edits

struct GapCase {
    const char* name;
    const char* reaction;
    std::vector<std::string> answers;
    bool focusReleased;
    std::vector<std::string> commands;
    std::vector<std::string> loads;
    int focusTaken;
};

TEST(PageExercisesGap, AnswersBecomeDeferredReactions) {
    const std::vector<GapCase> cases = {
        {"right at the second attempt", "lek3", {"xyz", "maison"}, false, {"lek3#2+"}, {}, 1},
        {"right at once", "lek3", {"maison"}, false, {"lek3#1+"}, {}, 1},
        {"finally wrong", "lek3", {"xyz", "xyz", "xyz", "xyz", "xyz"}, false, {"lek3-"}, {}, 1},
        {"empty answer ends it wrong", "lek3", {""}, false, {"lek3-"}, {}, 1},
        {"focus released", "lek3", {"maison"}, true, {"lek3#1+"}, {}, 0},
        {"page reaction, right", "lek4.htx", {"maison"}, false, {}, {"lek4.htx"}, 0},
        {"page reaction, wrong", "lek4.htx", {""}, false, {}, {"lek4.htx"}, 1},
        {"no reaction, wrong", "", {""}, false, {"-"}, {}, 1},
    };
    for (const GapCase& gap : cases) {
        SCOPED_TRACE(gap.name);
        ExercisePage page;
        page.Show(std::string("Das ist <A GAP lsg=\"maison\" help=\"\" reaction=\"") + gap.reaction +
                  "\">maison</A> hier.");
        page.exerciseHost.focusReleased = gap.focusReleased;
        for (const std::string& answer : gap.answers) {
            Answer(page.Edit(0), answer);
        }
        EXPECT_FALSE(page.Edit(0).Visible()) << "the gap is finished";
        EXPECT_TRUE(page.exerciseHost.commands.empty()) << "nothing leaves during the edit's own event";
        EXPECT_TRUE(page.exerciseHost.loads.empty());
        ASSERT_EQ(page.exerciseHost.deferred.size(), 1u);
        page.exerciseHost.RunDeferred();
        EXPECT_EQ(page.exerciseHost.commands, gap.commands);
        EXPECT_EQ(page.exerciseHost.loads, gap.loads);
        EXPECT_EQ(page.exerciseHost.focusTaken, gap.focusTaken);
        EXPECT_TRUE(page.exerciseHost.feedback.empty());
    }
}

TEST(PageExercisesGap, WithoutReactionTheLastRightGapEarnsThePraise) {
    ExercisePage page;
    page.Show("<A GAP lsg=\"un\" help=\"\">un</A> et <A GAP lsg=\"deux\" help=\"\">deux</A>");
    Answer(page.Edit(1), "deux");
    EXPECT_TRUE(page.exerciseHost.feedback.empty()) << "one gap is still open";
    Answer(page.Edit(0), "x");
    EXPECT_TRUE(page.exerciseHost.feedback.empty()) << "a wrong answer that leaves the gap open";
    Answer(page.Edit(0), "un");
    EXPECT_EQ(page.exerciseHost.feedback, (Feedback{{"Unglaublich!", 2000}}));
    EXPECT_TRUE(page.exerciseHost.deferred.empty());
}

TEST(PageExercisesGap, AFinishedGapShowsItsWordInTheBuffer) {
    ExercisePage page;
    page.Show("<BODY GAP=#FF0000>Das <A GAP lsg=\"maison\" help=\"\" reaction=\"r\">maison</A> hier.");
    const TPageEdit& edit = page.Edit(0);
    const TXBitmap& background = page.document.GapEdits().Bitmap(0);
    ASSERT_FALSE(ShowsImage(page.Buffer(), edit.Left(), edit.Top(), background))
        << "the word is kept out of the buffer while the gap is open";
    const int shown = page.exerciseHost.buffersShown;
    Answer(page.Edit(0), "maison");
    EXPECT_TRUE(ShowsImage(page.Buffer(), edit.Left(), edit.Top(), background));
    EXPECT_GT(page.exerciseHost.buffersShown, shown);
}

TEST(PageExercisesGap, OnlyGapsInTheTextHideTheAnchorLabel) {
    ExercisePage page;
    page.Show(
        "<A GAP lsg=\"a\" help=\"\">a</A><EDIT COORDS=\"10,200,100,20\" LSG=\"b\" REACTION=\"r1\"></A>");
    ASSERT_EQ(page.document.GapEdits().Count(), 2);
    page.Edit(1).MouseDown(MouseEvent{});
    EXPECT_EQ(page.exerciseHost.labelHidden, 0);
    page.Edit(0).MouseDown(MouseEvent{});
    EXPECT_EQ(page.exerciseHost.labelHidden, 1);

    Answer(page.Edit(1), "b"); // an EDIT field reports like a gap
    page.exerciseHost.RunDeferred();
    EXPECT_EQ(page.exerciseHost.commands, (std::vector<std::string>{"r1#1+"}));
}

// [SECTION] Multiple choice

void Choose(TXMultipleChoice& grid, int cell, MouseButton button = MouseButton::Left) {
    const MouseEvent event{5, cell * grid.CellHeight() + 5, button};
    grid.MouseDown(event);
    grid.MouseUp(event);
}

TEST(PageExercisesChoice, ReactionNamesTheRightOrTheChosenItem) {
    for (const std::uint32_t seed : {1u, 5u, 9u}) {
        for (int cell = 0; cell < 3; ++cell) {
            SCOPED_TRACE(::testing::Message() << "seed " << seed << ", cell " << cell);
            ExercisePage page;
            page.Show(
                "<MULTIPLE COORDS=\"100,300,120,40\" DIM=\"3,1\" TXT=\"chien|chat|oiseau\" REACTION=mc1>");
            TXMultipleChoice& grid = *page.document.MultipleChoice();
            SeedRandom(seed);
            const int right = grid.Shuffle();
            ASSERT_EQ(grid.Items()[static_cast<std::size_t>(right)], "chien")
                << "the first item written is right";
            Choose(grid, cell);
            EXPECT_FALSE(grid.Visible());
            page.exerciseHost.RunDeferred();
            const std::string item = grid.Items()[static_cast<std::size_t>(cell)];
            const std::string expected = cell == right ? "mc1+" : "mc1[" + item + "]-";
            EXPECT_EQ(page.exerciseHost.commands, (std::vector<std::string>{expected}));
            EXPECT_TRUE(page.exerciseHost.feedback.empty());
        }
    }
}

TEST(PageExercisesChoice, WrongItemChatGivesItsName) {
    ExercisePage page;
    page.Show("<MULTIPLE COORDS=\"100,300,120,40\" DIM=\"2,1\" TXT=\"chien|chat\" REACTION=mc1>");
    Choose(*page.document.MultipleChoice(), 1);
    page.exerciseHost.RunDeferred();
    EXPECT_EQ(page.exerciseHost.commands, (std::vector<std::string>{"mc1[chat]-"}));
}

TEST(PageExercisesChoice, WithoutReactionFeedbackThenTheSolutionIsMarked) {
    struct Case {
        int cell;
        const char* text;
    };
    for (const Case& c : std::vector<Case>{{0, "Unglaublich!"}, {1, "Oh nein!!!"}}) {
        SCOPED_TRACE(c.text);
        ExercisePage page;
        page.Show("<MULTIPLE COORDS=\"100,300,120,40\" DIM=\"2,1\" TXT=\"chien|chat\">");
        TXMultipleChoice& grid = *page.document.MultipleChoice();
        Choose(grid, c.cell);
        EXPECT_EQ(page.exerciseHost.feedback, (Feedback{{c.text, 1500}}));
        EXPECT_TRUE(grid.Visible()) << "shown again";
        EXPECT_EQ(grid.Highlight(), 0);
        Choose(grid, 1 - c.cell);
        EXPECT_EQ(page.exerciseHost.feedback.size(), 1u) << "a marked grid takes no more choices";
        EXPECT_TRUE(page.exerciseHost.deferred.empty());
    }
}

TEST(PageExercisesChoice, OtherButtonsChooseNothing) {
    ExercisePage page;
    page.Show("<MULTIPLE COORDS=\"100,300,120,40\" DIM=\"2,1\" TXT=\"chien|chat\" REACTION=mc1>");
    Choose(*page.document.MultipleChoice(), 1, MouseButton::Right);
    EXPECT_TRUE(page.document.MultipleChoice()->Visible());
    EXPECT_TRUE(page.exerciseHost.deferred.empty());
}

// [SECTION] Drag blocks

constexpr const char* kDragPage =
    "Je <A DRAG>suis</A> ici et tu <A DRAG>es</A> l\xE0.<KLOTZ FALSCH=\"sont\">";

TEST(PageExercisesDrag, BlocksOnTheirWordsAreRemovedAndTheLastEarnsThePraise) {
    ExercisePage page;
    page.Show(kDragPage);
    tDragAufgabenListe& task = page.document.dragTask;
    ASSERT_EQ(task.BlockCount(), 3);
    const std::map<std::string, tDragAufgabenListe::Target> targets = {
        {task.Targets()[0].word, task.Targets()[0]}, {task.Targets()[1].word, task.Targets()[1]}};

    int expectedTargets = 2;
    for (const char* word : {"es", "suis"}) {
        SCOPED_TRACE(word);
        const tDragAufgabenListe::Block block = page.Block(word);
        const TXBitmap& face = page.Face(word);
        const tDragAufgabenListe::Rect& target = targets.at(word).rect;
        EXPECT_TRUE(page.exercises.OverDraggable(block.rect.left + 10, block.rect.top + 3));
        ASSERT_TRUE(page.exercises.MouseDown(block.rect.left + 10, block.rect.top + 3, 0));
        EXPECT_TRUE(page.exercises.Dragging());
        EXPECT_TRUE(
            ShowsImage(page.Buffer(), block.rect.left, block.rect.top, task.Bitmap(block.backgroundBitmap)))
            << "the block's place is empty while it is dragged";
        // The pointer five pixels off the gap still puts the block exactly onto it.
        EXPECT_TRUE(page.exercises.MouseMove(target.left - 5, target.top - 5, 0));
        const FakeExerciseHost::DragImage& shown = page.exerciseHost.dragImages.back();
        EXPECT_EQ(shown.image, &face);
        EXPECT_EQ(shown.x, target.left);
        EXPECT_EQ(shown.y, target.top);
        EXPECT_TRUE(page.exercises.MouseUp(target.left + 10, target.top + 3, 0));
        --expectedTargets;
        EXPECT_FALSE(page.exercises.Dragging());
        EXPECT_EQ(page.exerciseHost.dragImages.back().image, nullptr);
        EXPECT_EQ(task.TargetCount(), expectedTargets);
        EXPECT_TRUE(ShowsImage(page.Buffer(), target.left, target.top, face)) << "drawn into the gap";
        EXPECT_EQ(page.exerciseHost.feedback.empty(), expectedTargets > 0);
    }
    EXPECT_EQ(page.exerciseHost.feedback, (Feedback{{"Unglaublich!", 2000}}));
    EXPECT_EQ(task.BlockCount(), 0) << "the wrong word is left as a picture";
    EXPECT_EQ(page.exerciseHost.focusTaken, 2);
}

TEST(PageExercisesDrag, AWrongDropGlidesBack) {
    struct Case {
        const char* name;
        const char* block;
        const char* target; // where it is released; nullptr: far from every gap
    };
    const std::vector<Case> cases = {
        {"a wrong word on a gap", "sont", "suis"},
        {"a word on the other gap", "es", "suis"},
        {"a word nowhere near", "suis", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExercisePage page;
        page.Show(kDragPage);
        tDragAufgabenListe& task = page.document.dragTask;
        const std::vector<std::string> words = BlockWords(task);
        const tDragAufgabenListe::Block block = page.Block(c.block);
        int x = 400;
        int y = 200;
        for (const auto& target : task.Targets()) {
            if (c.target != nullptr && target.word == c.target) {
                x = target.rect.left + 3;
                y = target.rect.top + 3;
            }
        }
        page.exercises.MouseDown(block.rect.left + 3, block.rect.top + 3, 0);
        page.exercises.MouseMove(x, y, 0);
        const std::size_t before = page.exerciseHost.dragImages.size();
        const std::vector<int> heldBefore = page.exerciseHost.heldFrames;
        page.exercises.MouseUp(x, y, 0);
        const auto& images = page.exerciseHost.dragImages;
        ASSERT_EQ(images.size(), before + PageExercises::kGlideSteps + 2) << "the release, 100 steps, none";
        std::vector<int> paced = heldBefore;
        paced.insert(paced.end(), PageExercises::kGlideSteps, PageExercises::kGlideFrameMs);
        EXPECT_EQ(page.exerciseHost.heldFrames, paced) << "each step of the glide is shown and held";
        const FakeExerciseHost::DragImage& home = images[images.size() - 2];
        EXPECT_EQ(home.x, block.rect.left);
        EXPECT_EQ(home.y, block.rect.top);
        const FakeExerciseHost::DragImage& halfway = images[before + 1 + PageExercises::kGlideSteps / 2 - 1];
        EXPECT_EQ(halfway.x, images[before].x + (block.rect.left - images[before].x) / 2);
        EXPECT_EQ(BlockWords(task), words) << "the block list is unchanged";
        EXPECT_EQ(task.TargetCount(), 2);
        EXPECT_TRUE(ShowsImage(page.Buffer(), block.rect.left, block.rect.top, page.Face(c.block)));
        EXPECT_TRUE(page.exerciseHost.feedback.empty());
    }
}

TEST(PageExercisesDrag, TheImageStaysInsideTheControlAndFollowsTheScroll) {
    ExercisePage page;
    page.Show(kDragPage);
    const tDragAufgabenListe::Block block = page.Block("suis");
    const int width = block.rect.Width();
    const int height = block.rect.Height();
    page.exercises.MouseDown(block.rect.left + 4, block.rect.top + 2, 100);
    EXPECT_EQ(page.exerciseHost.dragImages.back().y, block.rect.top - 100) << "client coordinates";
    struct Case {
        int x, y, expectedX, expectedY;
    };
    const std::vector<Case> cases = {
        {-500, -500, 0, 0},
        {5000, 5000, 800 - width, 572 - height},
        {300, 250, 296, 148},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "(" << c.x << ", " << c.y << ")");
        page.exercises.MouseMove(c.x, c.y, 100);
        EXPECT_EQ(page.exerciseHost.dragImages.back().x, c.expectedX);
        EXPECT_EQ(page.exerciseHost.dragImages.back().y, c.expectedY);
    }
    page.exercises.Reset();
    EXPECT_FALSE(page.exercises.Dragging());
    EXPECT_EQ(page.exerciseHost.dragImages.back().image, nullptr);
    EXPECT_FALSE(page.exercises.MouseUp(300, 250, 100)) << "nothing is dragged after a reset";
}

TEST(PageExercisesDrag, StartingADragPutsTheGapBackgroundsIntoTheBuffer) {
    ExercisePage page;
    page.Show("<BODY GAP=#FF0000>Das <A GAP lsg=\"maison\" help=\"\">maison</A> <A DRAG>est</A> grand.");
    const TPageEdit& edit = page.Edit(0);
    const TXBitmap& background = page.document.GapEdits().Bitmap(0);
    ASSERT_FALSE(ShowsImage(page.Buffer(), edit.Left(), edit.Top(), background));
    const tDragAufgabenListe::Block block = page.Block("est");
    EXPECT_FALSE(page.exercises.MouseDown(block.rect.left - 40, block.rect.top - 40, 0)) << "not on a block";
    EXPECT_TRUE(page.exercises.MouseDown(block.rect.left + 1, block.rect.top + 1, 0));
    EXPECT_TRUE(ShowsImage(page.Buffer(), edit.Left(), edit.Top(), background));
}

// [SECTION] Sentence building

struct SentencePage : ExercisePage {
    static constexpr int kTop = 300;

    void Drag(int from, int to) {
        const tSatzteilListe& sentence = document.sentences.Sentence(0);
        const auto& part = sentence.PartAt(from).rect;
        exercises.MouseDown(part.left + 2, kTop + 5, 0);
        exercises.MouseMove(sentence.PartAt(to).rect.left + 2, kTop + 5, 0);
        exercises.MouseUp(sentence.PartAt(to).rect.left + 2, kTop + 5, 0);
    }

    std::string Order() const {
        std::string order;
        for (const auto& part : document.sentences.Sentence(0).Parts()) {
            order += part.text + "|";
        }
        return order;
    }
};

TEST(PageExercisesSentence, DragsPutTheSentenceInOrderAndCloseItUp) {
    for (const std::uint32_t seed : {1u, 2u, 4u, 5u, 6u, 8u, 11u}) {
        SCOPED_TRACE(seed);
        SentencePage page;
        SeedRandom(seed);
        page.Show("<SATZ TEILE=\"Je /suis /ici\" COORDS=\"40,300,500,24\">");
        const std::vector<std::string> solution = {"Je ", "suis ", "ici"};
        std::map<std::string, TXBitmap> images;
        for (const auto& part : page.document.sentences.Sentence(0).Parts()) {
            images[part.text] = page.document.sentences.Sentence(0).Bitmap(part.bitmap);
        }
        ASSERT_FALSE(page.document.sentences.Sentence(0).Solved()) << "the seed must shuffle the parts";
        for (int p = 0; p < 3 && page.document.sentences.SentenceCount() == 1; ++p) {
            const tSatzteilListe& sentence = page.document.sentences.Sentence(0);
            const std::string& wanted = solution[static_cast<std::size_t>(p)];
            if (sentence.PartAt(p).text == wanted) {
                continue;
            }
            int q = p + 1;
            while (q < 2 && sentence.PartAt(q).text != wanted) {
                ++q;
            }
            EXPECT_TRUE(
                page.exercises.OverDraggable(sentence.PartAt(q).rect.left + 2, SentencePage::kTop + 5));
            page.Drag(q, p);
        }
        ASSERT_EQ(page.document.sentences.SentenceCount(), 0) << "solved and taken out";
        EXPECT_EQ(page.exerciseHost.feedback, (Feedback{{"Unglaublich!", 2000}}));
        const std::vector<int>& held = page.exerciseHost.heldFrames;
        ASSERT_GE(held.size(), static_cast<std::size_t>(PageExercises::kCloseUpFrames));
        EXPECT_EQ(std::vector<int>(held.end() - PageExercises::kCloseUpFrames, held.end()),
                  std::vector<int>(PageExercises::kCloseUpFrames, PageExercises::kCloseUpFrameMs))
            << "the close-up is paced";
        // Closed up: the parts stand side by side without the gaps between them.
        int x = 40;
        for (const std::string& text : solution) {
            EXPECT_TRUE(ShowsImage(page.Buffer(), x, SentencePage::kTop, images.at(text))) << text;
            x += images.at(text).Width();
        }
    }
}

TEST(PageExercisesSentence, MovingAPartPastAnotherSwapsThem) {
    SentencePage page;
    page.Show("<SATZ TEILE=\"a/b/c\" COORDS=\"40,300,500,24\">");
    const std::string start = page.Order();
    const tSatzteilListe& sentence = page.document.sentences.Sentence(0);
    page.exercises.MouseDown(sentence.PartAt(0).rect.left + 2, SentencePage::kTop + 5, 0);
    page.exercises.MouseMove(sentence.PartAt(2).rect.left + 2, SentencePage::kTop + 40, 0);
    EXPECT_EQ(page.Order(), start) << "below the sentence nothing snaps";
    page.exercises.MouseMove(sentence.PartAt(2).rect.left + 2, SentencePage::kTop + 5, 0);
    const std::string swapped = {start[4], '|', start[2], '|', start[0], '|'};
    EXPECT_EQ(page.Order(), swapped);
}

TEST(PageExercisesSentence, AnUnsnappedPartGlidesBackAndTheOrderStays) {
    SentencePage page;
    page.Show("<SATZ TEILE=\"un/deux/trois\" COORDS=\"40,300,500,24\">");
    const std::string start = page.Order();
    const tSatzteilListe::Part part = page.document.sentences.Sentence(0).PartAt(1);
    page.exercises.MouseDown(part.rect.left + 2, SentencePage::kTop + 5, 0);
    const std::size_t before = page.exerciseHost.dragImages.size();
    page.exercises.MouseUp(600, 100, 0);
    const auto& images = page.exerciseHost.dragImages;
    ASSERT_EQ(images.size(), before + PageExercises::kGlideSteps + 2);
    EXPECT_EQ(images[images.size() - 2].x, part.rect.left);
    EXPECT_EQ(images[images.size() - 2].y, part.rect.top);
    EXPECT_EQ(page.Order(), start);
    EXPECT_TRUE(ShowsImage(page.Buffer(), part.rect.left, part.rect.top,
                           page.document.sentences.Sentence(0).Bitmap(part.bitmap)));
    EXPECT_TRUE(page.exerciseHost.feedback.empty());
}

TEST(PageExercisesSentence, TheEmptySlotTakesTheBlockBackground) {
    struct Case {
        const char* name;
        const char* body;
        bool pageBackground;
    };
    const std::vector<Case> cases = {
        {"default lime means the page background", "<BODY BGCOLOR=#FFFF00>", true},
        {"a colour of its own", "<BODY BGCOLOR=#FFFF00 KBGR=#0000FF>", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SentencePage page;
        page.Show(std::string(c.body) + "<SATZ TEILE=\"un/deux\" COORDS=\"40,300,500,24\">");
        const Colour expected =
            c.pageBackground ? page.document.colorBGR : page.document.pageColours.blockBackground;
        ASSERT_NE(expected, 0x00FF00);
        const auto& part = page.document.sentences.Sentence(0).PartAt(0).rect;
        ASSERT_NE(page.Buffer().Pixel(part.left + 1, part.top + 1), expected);
        page.exercises.MouseDown(part.left + 2, SentencePage::kTop + 5, 0);
        EXPECT_EQ(page.Buffer().Pixel(part.left + 1, part.top + 1), expected);
        EXPECT_EQ(page.Buffer().Pixel(part.right - 1, part.bottom - 1), expected);
        EXPECT_EQ(page.exerciseHost.focusTaken, 0);
    }
}

} // namespace
} // namespace qor
