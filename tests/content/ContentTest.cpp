// The pages and exercise files that ship with the program, parsed with the real parser: they must
// parse without a message box, every link must lead somewhere, and every exercise must be solvable.
// ShippedContent packs them into a page folder of our own, as the build does, so that INCLUDE and
// numbered pages ("!+") read real packed files.

#include "content/NamedPages.h"
#include "content/ShippedContent.h"
#include "page/controls/TPageEdit.h"
#include "page/controls/TXMultipleChoice.h"
#include "page/controls/tTippAufgabenListe.h"
#include "page/markup/PageDocument.h"
#include "page/markup/PageHost.h"
#include "page/markup/PageParser.h"
#include "page/markup/PagePath.h"
#include "page/sources/ExerciseFile.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/WinPath.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace qor::test {
namespace {

// What a page asks of the learner, summed up so that the course as a whole can be checked.
struct Exercises {
    int gapLinks = 0;   // A GAP
    int editFields = 0; // EDIT
    int dragWords = 0;
    int sentences = 0;
    int multipleChoice = 0;
    int checkBoxes = 0;
    int exerciseLinks = 0; // "ex pick=… file=…"
};

class ShippedContentTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_content = new ShippedContent(); }
    static void TearDownTestSuite() {
        delete s_content;
        s_content = nullptr;
    }

    void SetUp() override { SetMessagePresenter(&m_messages); }
    void TearDown() override { SetMessagePresenter(nullptr); }

    // Parses one page as the page control would show it and checks everything the parse reveals.
    Exercises ParseAndCheck(const std::string& relative, const std::string& text, bool exerciseItem) {
        PageDocument document;
        std::vector<GapEditSource> gapSources;
        document.onGapEditCreated = [&gapSources](TPageEdit&, GapEditSource source) {
            gapSources.push_back(source);
        };
        DiskPageHost host;
        // A page the program loads by name is parsed with the variables and conditions the
        // program has set by then; its fields take their solutions from those variables.
        std::vector<std::string> pictureCodes;
        if (const NamedPage* named = FindNamedPage(relative)) {
            ApplyProgramState(*named, document, host, pictureCodes);
        }
        document.pageFolder = s_content->Folder(relative);
        document.currentFile = FileName(relative);
        document.exerciseItem = exerciseItem;
        m_messages.ClearMessages();
        ParseFreshPage(document, host, text + "\r");

        for (const LoggedMessage& message : m_messages.Messages()) {
            ADD_FAILURE() << "message box: " << Utf8FromCp1252(message.text);
        }
        if (!s_content->IsIncluded(relative)) {
            EXPECT_NE(document.title, kDefaultPageTitle) << "every page names itself";
        }

        Exercises found;
        for (int i = 0; i < document.GapEdits().Count(); ++i) {
            SCOPED_TRACE("gap " + std::to_string(i));
            EXPECT_FALSE(document.GapEdits().Edit(i).Lsg().empty()) << "a gap without a solution";
        }
        found.gapLinks =
            static_cast<int>(std::count(gapSources.begin(), gapSources.end(), GapEditSource::Gap));
        found.editFields =
            static_cast<int>(std::count(gapSources.begin(), gapSources.end(), GapEditSource::Edit));

        for (int i = 0; i < document.sentences.SentenceCount(); ++i) {
            const tSatzteilListe& sentence = document.sentences.Sentence(i);
            EXPECT_GE(sentence.PartCount(), 2)
                << "nothing to reorder in " << Utf8FromCp1252(sentence.Solution());
        }
        found.sentences = document.sentences.SentenceCount();

        if (const TXMultipleChoice* grid = document.MultipleChoice()) {
            EXPECT_EQ(grid->Zeilen() * grid->Spalten(), static_cast<int>(grid->Items().size()))
                << "the grid would refuse to shuffle";
            found.multipleChoice = 1;
        }
        found.checkBoxes = static_cast<int>(document.checkBoxes.size());

        std::set<std::string> dragWords;
        for (std::size_t i = 0; i < document.elements.Count(); ++i) {
            const tFormatted_text& element = document.elements[i];
            if (element.kind == ElementKind::Word && element.style.gapIndex == kDragWordGapIndex) {
                dragWords.insert(element.text);
                ++found.dragWords;
            }
        }
        // Before layout the task holds only the wrong blocks of KLOTZ FALSCH; one that equals a drag
        // word would fit its gap after all.
        for (const auto& block : document.dragTask.Blocks()) {
            EXPECT_EQ(dragWords.count(block.word), 0u)
                << "wrong block fits a gap: " << Utf8FromCp1252(block.word);
        }
        if (!document.dragTask.Blocks().empty()) {
            EXPECT_GT(found.dragWords, 0) << "wrong blocks without a drag task";
        }

        for (int i = 0; i < document.namedRectangles.Count(); ++i) {
            const NamedRectangle& rectangle = document.namedRectangles.At(i);
            if (rectangle.kind == RectangleKind::Unnamed) {
                continue;
            }
            if (CheckLink(document, rectangle.name)) {
                ++found.exerciseLinks;
            }
        }
        for (int i = 0; i < document.linkAliases.Count(); ++i) {
            const std::string& target = document.linkAliases.ValueAt(i);
            if (!target.empty()) {
                EXPECT_TRUE(FileExists(ResolvePagePath(document.pageFolder, target)))
                    << "alias " << Utf8FromCp1252(document.linkAliases.NameAt(i)) << " leads nowhere";
            }
        }
        return found;
    }

    // Checks that a link target names an existing file; true when it starts an exercise series.
    static bool CheckLink(const PageDocument& document, const std::string& name) {
        std::string target = name.substr(0, name.find('@'));
        target = target.substr(0, target.find('\xB0')); // "left°right": the left target
        SCOPED_TRACE("link " + Utf8FromCp1252(name));
        EXPECT_FALSE(target.empty()) << "a link without a target";
        for (std::string_view handled : {"\xA7", "#", "@", "%", "+", "?", "http"}) {
            if (target.starts_with(handled)) {
                return false;
            }
        }
        if (target == "-") {
            return false;
        }
        // Recordings are data of the wave folder, not of the pages; a missing one is not played.
        if (const std::string extension = LowerCp1252(ExtensionPart(target));
            extension == ".wav" || extension == ".mp3") {
            return false;
        }
        if (target.size() >= 2 && UpperCp1252(target.substr(0, 2)) == "EX") {
            // "ex pick=n file=name weiter=target": both files must exist.
            const std::string lower = LowerCp1252(target);
            EXPECT_TRUE(lower.starts_with("ex ")) << "the page control would not find the exercise command";
            EXPECT_NE(lower.find("pick="), std::string::npos);
            const std::string file = ResolvePagePath(document.pageFolder, target);
            EXPECT_TRUE(EndsWith(file, ".qor")) << "not an exercise file";
            EXPECT_TRUE(FileExists(file)) << "missing exercise file";
            const std::size_t weiter = lower.find("weiter=");
            if (weiter != std::string::npos) {
                const std::string next = target.substr(weiter + 7, target.find(' ', weiter) - weiter - 7);
                EXPECT_TRUE(FileExists(ResolvePagePath(document.pageFolder, next))) << "missing continuation";
            }
            return true;
        }
        EXPECT_TRUE(FileExists(ResolvePagePath(document.pageFolder, target))) << "missing page";
        return false;
    }

    static ShippedContent* s_content;
    ScriptedMessagePresenter m_messages;
};

ShippedContent* ShippedContentTest::s_content = nullptr;

TEST_F(ShippedContentTest, SourcesFitTheCodePage) {
    ASSERT_FALSE(s_content->Pages().empty());
    for (const ContentFile& file : s_content->Pages()) {
        EXPECT_TRUE(file.lossless) << file.relative;
    }
    for (const ContentFile& file : s_content->ExerciseFiles()) {
        EXPECT_TRUE(file.lossless) << file.relative;
    }
}

TEST_F(ShippedContentTest, EveryPageParsesCleanlyAndItsLinksExist) {
    for (const ContentFile& page : s_content->Pages()) {
        SCOPED_TRACE(page.relative);
        ParseAndCheck(page.relative, page.text, false);
    }
}

TEST_F(ShippedContentTest, ExerciseFilesHaveEnoughWellFormedItems) {
    ASSERT_FALSE(s_content->ExerciseFiles().empty());
    for (const ContentFile& file : s_content->ExerciseFiles()) {
        SCOPED_TRACE(file.relative);
        ASSERT_GE(file.text.size(), 6u);
        EXPECT_EQ(file.text.substr(0, 4), "QOR!");
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(file.text[4])) &&
                    std::isdigit(static_cast<unsigned char>(file.text[5])))
            << "the count is two digits";
        ExerciseFile exercise;
        ASSERT_TRUE(ReadExerciseFile(file.text, exercise));
        EXPECT_GT(exercise.count, 0);
        EXPECT_GE(static_cast<int>(exercise.items.size()), exercise.count) << "fewer items than it asks";
        EXPECT_NE(file.text.find("</EX>"), std::string::npos) << "without </EX> the trailer is lost";
        for (std::size_t i = 0; i < exercise.items.size(); ++i) {
            SCOPED_TRACE("item " + std::to_string(i + 1));
            const Exercises found = ParseAndCheck(file.relative, exercise.PageText(i), true);
            EXPECT_GT(found.gapLinks + found.editFields + found.multipleChoice + found.sentences +
                          found.dragWords,
                      0)
                << "an item that asks nothing";
        }
    }
}

TEST_F(ShippedContentTest, TheCourseHasTwelveLessonsUsingEveryKindOfExercise) {
    const auto find = [](const std::string& relative) { return s_content->FindPage(relative); };
    const ContentFile* main = find("main.htx");
    ASSERT_NE(main, nullptr);
    EXPECT_NE(main->text.find("HREF=\"kurs/index.htx\""), std::string::npos)
        << "the main page leads to the course";
    const ContentFile* index = find("kurs/index.htx");
    ASSERT_NE(index, nullptr);

    Exercises total;
    int exerciseSeriesLessons = 0;
    for (int lesson = 1; lesson <= 12; ++lesson) {
        const std::string number = (lesson < 10 ? "0" : "") + std::to_string(lesson);
        SCOPED_TRACE("lesson " + number);
        ASSERT_NE(find("kurs/lektion" + number + ".htx"), nullptr);
        EXPECT_NE(index->text.find("lektion" + number + ".htx"), std::string::npos) << "not in the index";
        Exercises lessonTotal;
        for (const ContentFile& page : s_content->Pages()) {
            if (page.relative.starts_with("kurs/lektion" + number)) {
                const Exercises found = ParseAndCheck(page.relative, page.text, false);
                lessonTotal.gapLinks += found.gapLinks;
                lessonTotal.editFields += found.editFields;
                lessonTotal.dragWords += found.dragWords;
                lessonTotal.sentences += found.sentences;
                lessonTotal.multipleChoice += found.multipleChoice;
                lessonTotal.checkBoxes += found.checkBoxes;
                lessonTotal.exerciseLinks += found.exerciseLinks;
            }
        }
        EXPECT_GT(lessonTotal.gapLinks + lessonTotal.editFields + lessonTotal.dragWords +
                      lessonTotal.sentences + lessonTotal.multipleChoice + lessonTotal.checkBoxes,
                  0)
            << "a lesson without practice";
        exerciseSeriesLessons += lessonTotal.exerciseLinks > 0 ? 1 : 0;
        total.gapLinks += lessonTotal.gapLinks;
        total.editFields += lessonTotal.editFields;
        total.dragWords += lessonTotal.dragWords;
        total.sentences += lessonTotal.sentences;
        total.multipleChoice += lessonTotal.multipleChoice;
        total.checkBoxes += lessonTotal.checkBoxes;
    }
    EXPECT_GT(total.gapLinks, 0);
    EXPECT_GT(total.editFields, 0);
    EXPECT_GT(total.dragWords, 0);
    EXPECT_GT(total.sentences, 0);
    EXPECT_GT(total.multipleChoice, 0);
    EXPECT_GT(total.checkBoxes, 0);
    EXPECT_GE(exerciseSeriesLessons, 3);
}

} // namespace
} // namespace qor::test
