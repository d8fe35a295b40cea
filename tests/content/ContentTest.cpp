// The pages and exercise files that ship with the program, parsed with the real parser: they must
// parse without a message box, every link must lead somewhere, and every exercise must be solvable.
// The sources are UTF-8 in content/hqor; they are converted and packed into a page folder of our own,
// as the build does, so that INCLUDE and numbered pages ("!+") read real packed files.

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
#include "platform/Zlib.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sstream>

namespace qor::test {
namespace {

namespace fs = std::filesystem;

const fs::path kSources = QOR_CONTENT_DIR;

struct ContentFile {
    std::string relative; // the shipped name, e.g. "kurs/lektion01.htx"
    std::string text;     // Windows-1252
    bool lossless = true;
};

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

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

class ShippedContent : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = fs::temp_directory_path() / ("qor_content_" + std::to_string(std::random_device{}()));
        fs::remove_all(s_folder);
        for (const auto& entry : fs::recursive_directory_iterator(kSources)) {
            if (!entry.is_regular_file()) {
                continue;
            }
            std::string relative = fs::relative(entry.path(), kSources).generic_string();
            const bool page = EndsWith(relative, ".html");
            const bool exercise = EndsWith(relative, ".qor.txt");
            if (!page && !exercise) {
                continue;
            }
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream utf8;
            utf8 << in.rdbuf();
            ContentFile file;
            file.text = Cp1252FromUtf8(utf8.str(), &file.lossless);
            // The names the build gives them: packed pages and plain exercise files.
            relative = page ? relative.substr(0, relative.size() - 5) + ".htx"
                            : relative.substr(0, relative.size() - 4);
            file.relative = relative;
            const fs::path target = s_folder / relative;
            fs::create_directories(target.parent_path());
            std::ofstream out(target, std::ios::binary);
            out << (page ? DeflateZlib(file.text) : file.text);
            (page ? s_pages : s_exerciseFiles).push_back(std::move(file));
        }
        const auto byName = [](const ContentFile& a, const ContentFile& b) {
            return a.relative < b.relative;
        };
        std::sort(s_pages.begin(), s_pages.end(), byName);
        std::sort(s_exerciseFiles.begin(), s_exerciseFiles.end(), byName);
    }

    static void TearDownTestSuite() {
        std::error_code ignored;
        fs::remove_all(s_folder, ignored);
    }

    void SetUp() override { SetMessagePresenter(&m_messages); }
    void TearDown() override { SetMessagePresenter(nullptr); }

    static std::string Folder(const std::string& relative) {
        return WithTrailingSeparator(ProgramPath((s_folder / relative).parent_path()));
    }

    static std::string FileName(const std::string& relative) {
        return fs::path(relative).filename().string();
    }

    // Parts of pages (the course's look and header) that other pages INCLUDE.
    static bool IsIncluded(const std::string& relative) {
        const std::string tag = "INCLUDE HREF=\"" + FileName(relative) + "\"";
        return std::any_of(s_pages.begin(), s_pages.end(), [&tag](const ContentFile& page) {
            return page.text.find(tag) != std::string::npos;
        });
    }

    // Parses one page as the page control would show it and checks everything the parse reveals.
    Exercises ParseAndCheck(const std::string& relative, const std::string& text, bool exerciseItem) {
        PageDocument document;
        std::vector<GapEditSource> gapSources;
        document.onGapEditCreated = [&gapSources](TPageEdit&, GapEditSource source) {
            gapSources.push_back(source);
        };
        document.pageFolder = Folder(relative);
        document.currentFile = FileName(relative);
        document.exerciseItem = exerciseItem;
        DiskPageHost host;
        m_messages.ClearMessages();
        ParseFreshPage(document, host, text + "\r");

        for (const LoggedMessage& message : m_messages.Messages()) {
            ADD_FAILURE() << "message box: " << Utf8FromCp1252(message.text);
        }
        if (!IsIncluded(relative)) {
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

    static fs::path s_folder;
    static std::vector<ContentFile> s_pages;
    static std::vector<ContentFile> s_exerciseFiles;
    ScriptedMessagePresenter m_messages;
};

fs::path ShippedContent::s_folder;
std::vector<ContentFile> ShippedContent::s_pages;
std::vector<ContentFile> ShippedContent::s_exerciseFiles;

TEST_F(ShippedContent, SourcesFitTheCodePage) {
    ASSERT_FALSE(s_pages.empty());
    for (const ContentFile& file : s_pages) {
        EXPECT_TRUE(file.lossless) << file.relative;
    }
    for (const ContentFile& file : s_exerciseFiles) {
        EXPECT_TRUE(file.lossless) << file.relative;
    }
}

TEST_F(ShippedContent, EveryPageParsesCleanlyAndItsLinksExist) {
    for (const ContentFile& page : s_pages) {
        SCOPED_TRACE(page.relative);
        ParseAndCheck(page.relative, page.text, false);
    }
}

TEST_F(ShippedContent, ExerciseFilesHaveEnoughWellFormedItems) {
    ASSERT_FALSE(s_exerciseFiles.empty());
    for (const ContentFile& file : s_exerciseFiles) {
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

TEST_F(ShippedContent, TheCourseHasTwelveLessonsUsingEveryKindOfExercise) {
    const auto find = [](const std::string& relative) -> const ContentFile* {
        for (const ContentFile& page : s_pages) {
            if (page.relative == relative) {
                return &page;
            }
        }
        return nullptr;
    };
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
        for (const ContentFile& page : s_pages) {
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
