// The page source: page folder and file, loading plain, packed and exercise files, the exercise
// series and the page history.

#include "page/sources/PageSource.h"

#include "SourcesTestSupport.h"
#include "page/markup/MarkupTestSupport.h"
#include "platform/Cp1252.h"
#include "platform/TempFolder.h"
#include "platform/Zlib.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace qor::test {
namespace {

class PageSourceTest : public ::testing::Test {
protected:
    PageSourceTest() {
        m_programFolder = WithTrailingSeparator(ProgramPathOf(m_folder.Path()));
        m_pageFolder = WithTrailingSeparator(ProgramPathOf(m_folder.MakeFolder("hqor")));
        m_source.SetProgramFolder(m_programFolder);
        m_source.SetXPath(m_pageFolder);
        m_source.SetHooks({[this] { m_calls += "reset "; }, [this] { m_calls += "parsed "; },
                           [this] { m_calls += "afterLoad "; }, [this] { m_calls += "render "; }});
        SeedRandom(1);
    }

    // Writes a page file below the page folder (`bytes` as they are).
    std::string Write(const std::string& name, const std::string& bytes) {
        return ProgramPathOf(m_folder.MakeFile("hqor/" + name, bytes));
    }

    std::vector<std::string> Words() const {
        std::vector<std::string> words;
        for (const tFormatted_text& element : m_document.elements) {
            if (element.kind == ElementKind::Word)
                words.push_back(element.text);
        }
        return words;
    }
    std::string Next() const { return m_document.linkAliases.Get("#next", "(none)"); }

    TempFolder m_folder;
    std::string m_programFolder;
    std::string m_pageFolder;
    PageDocument m_document;
    DiskPageHost m_host;
    PageSource m_source{m_document, m_host};
    MessageCapture m_messages;
    std::string m_calls;
};

TEST_F(PageSourceTest, XPathFallsBackToTheProgramFolder) {
    const std::string other = ProgramPathOf(m_folder.MakeFolder("andere"));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {other, other + "/"},
        {other + "/", other + "/"},
        {ProgramPathOf(m_folder / "fehlt"), m_programFolder},
        {"", m_programFolder},
        {ProgramPathOf(m_folder.MakeFile("datei.html")), m_programFolder},
        // The program folder is what a missing folder gives, so it is taken as it is.
        {m_programFolder, m_programFolder},
        {m_programFolder.substr(0, m_programFolder.size() - 1), m_programFolder},
    };
    for (const auto& [folder, expected] : cases) {
        SCOPED_TRACE(folder);
        m_source.SetXPath(folder);
        EXPECT_EQ(m_source.XPath(), expected);
    }
}

TEST_F(PageSourceTest, XFileLoadsThePageAndMovesToItsFolder) {
    const std::string path = ProgramPathOf(m_folder.MakeFile("hqor/lek1/start.html", "<B>Bonjour</B> Marie"));
    ASSERT_TRUE(m_source.SetXFile("lek1/start.html"));
    EXPECT_EQ(m_source.XPath(), m_pageFolder + "lek1\\");
    EXPECT_EQ(m_source.XFile(), "start.html");
    EXPECT_EQ(m_source.FullPath(), m_pageFolder + "lek1\\start.html");
    EXPECT_EQ(Words(), (std::vector<std::string>{"Bonjour", "Marie"}));
    EXPECT_EQ(m_calls, "reset parsed afterLoad ");
    EXPECT_TRUE(m_messages.Texts().empty());
    (void)path;
}

TEST_F(PageSourceTest, XFileReadsPackedPages) {
    Write("seite.htx", DeflateZlib("<P>Salut \xE0 tous"));
    Write("SEITE2.HTX", "<P>Hallo");
    ASSERT_TRUE(m_source.SetXFile("seite.htx"));
    EXPECT_EQ(Words(), (std::vector<std::string>{"Salut", "\xE0", "tous"}));
    ASSERT_TRUE(m_source.SetXFile("SEITE2.HTX"));
    EXPECT_EQ(Words(), (std::vector<std::string>{"Hallo"}));
}

TEST_F(PageSourceTest, APageShownAgainShowsWhatItsFileHoldsNow) {
    namespace fs = std::filesystem;
    const auto settled = fs::file_time_type::clock::now() - std::chrono::hours(1);
    const fs::path file = m_folder / "hqor" / "seite.htx";
    const auto write = [&](const std::string& text, bool backDate) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << DeflateZlib(text);
        if (backDate)
            fs::last_write_time(file, settled);
    };
    struct Step {
        const char* what;
        std::string text;
        bool backDate;
    };
    // Each text is as long as the one before, so only the file's times and identity tell them apart.
    const std::vector<Step> steps = {
        {"the first time", "<P>Salut Marie", true},           {"unchanged", "", false},
        {"written again, settled", "<P>Salut Pablo", true},   {"written just now", "<P>Salut Chloe", false},
        {"written just now, again", "<P>Salut Annie", false},
    };
    std::string expected;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (!step.text.empty()) {
            write(step.text, step.backDate);
            expected = step.text.substr(9);
        }
        ASSERT_TRUE(m_source.SetXFile("seite.htx"));
        EXPECT_EQ(Words(), (std::vector<std::string>{"Salut", expected}));
    }
    // Replaced by another file under the same name, with the old file's times.
    const fs::path other = m_folder / "hqor" / "neu.htx";
    std::ofstream(other, std::ios::binary) << DeflateZlib("<P>Salut Louis");
    fs::rename(other, file);
    fs::last_write_time(file, settled);
    ASSERT_TRUE(m_source.SetXFile("seite.htx"));
    EXPECT_EQ(Words(), (std::vector<std::string>{"Salut", "Louis"}));
    // A damaged file is reported every time it is shown.
    std::ofstream(file, std::ios::binary | std::ios::trunc) << "kaputt";
    fs::last_write_time(file, settled);
    const std::size_t before = m_messages.Texts().size();
    EXPECT_FALSE(m_source.SetXFile("seite.htx"));
    EXPECT_FALSE(m_source.SetXFile("seite.htx"));
    EXPECT_EQ(m_messages.Texts().size(), before + 2);
}

TEST_F(PageSourceTest, ARelativePathIsTakenFromTheProgramFolder) {
    m_folder.MakeFile("hqor/start.html", "Accueil");
    m_document.pageFolder.clear();
    ASSERT_TRUE(m_source.SetXFile("hqor/start.html"));
    EXPECT_EQ(m_source.XPath(), m_programFolder + "hqor\\");
    EXPECT_EQ(Words(), (std::vector<std::string>{"Accueil"}));
}

TEST_F(PageSourceTest, AMissingFileLeavesTheOldPage) {
    Write("start.html", "Alt");
    ASSERT_TRUE(m_source.SetXFile("start.html"));
    m_calls.clear();
    EXPECT_FALSE(m_source.SetXFile("fehlt.htx"));
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    const LoggedMessage& message = m_messages.Messages()[0];
    EXPECT_EQ(message.text, "Die Datei \"" + m_pageFolder + "fehlt.htx\" wurde nicht gefunden!");
    EXPECT_EQ(message.caption, "*qor");
    EXPECT_EQ(message.flags, kMbIconError | kMbOk);
    EXPECT_EQ(m_source.XFile(), "start.html");
    EXPECT_EQ(Words(), (std::vector<std::string>{"Alt"}));
    EXPECT_EQ(m_calls, "");
}

TEST_F(PageSourceTest, OnlyARegularFileIsAPage) {
    Write("start.html", "Alt");
    m_folder.MakeFolder("hqor/ordner.htx");
    for (const std::string name : {"ordner.htx", "ORDNER.HTX", "fehlt.htx"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(m_source.SetXFile("start.html"));
        const std::size_t before = m_messages.Texts().size();
        EXPECT_FALSE(m_source.SetXFile(name));
        const std::vector<std::string> texts = m_messages.Texts();
        ASSERT_EQ(texts.size(), before + 1);
        EXPECT_EQ(texts.back(), "Die Datei \"" + m_pageFolder + name + "\" wurde nicht gefunden!");
        EXPECT_EQ(m_source.XFile(), "start.html");
        EXPECT_EQ(Words(), (std::vector<std::string>{"Alt"}));
    }
}

TEST_F(PageSourceTest, AnEmptyNameShowsAnEmptyPage) {
    Write("start.html", "Alt");
    ASSERT_TRUE(m_source.SetXFile("start.html"));
    m_calls.clear();
    m_source.SetXFile("");
    EXPECT_EQ(m_source.XFile(), "");
    EXPECT_EQ(m_source.FullPath(), "");
    EXPECT_TRUE(m_document.elements.Empty());
    EXPECT_EQ(m_calls, "reset render ");
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(PageSourceTest, ADamagedPackedPageIsReportedAndNotShown) {
    Write("start.html", "Alt");
    ASSERT_TRUE(m_source.SetXFile("start.html"));
    const std::string packed = DeflateZlib("<P>Eine ganz normale Seite mit etwas Text darauf.");
    Write("kaputt.htx", packed.substr(0, packed.size() - 6));
    m_calls.clear();
    EXPECT_FALSE(m_source.SetXFile("kaputt.htx"));
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{"Die Seite " + m_pageFolder +
                                                            std::string("kaputt.htx ist beschädigt."_cp)}));
    EXPECT_EQ(m_messages.Messages()[0].flags, kMbIconExclamation | kMbOk);
    EXPECT_EQ(Words(), (std::vector<std::string>{"Alt"}));
    EXPECT_EQ(m_calls, "");
}

TEST_F(PageSourceTest, ExerciseFileAsksItsCountOfItems) {
    Write("uebung.qor", "QOR!02<EX>a<EX>b<EX>c</EX>");
    ASSERT_TRUE(m_source.SetXFile("uebung.qor"));
    const std::vector<std::string> first = Words();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(Next(), "ex");
    EXPECT_FALSE(m_document.exerciseItem);

    ASSERT_TRUE(m_source.NextExerciseItem());
    const std::vector<std::string> second = Words();
    ASSERT_EQ(second.size(), 1u);
    EXPECT_NE(second, first);
    EXPECT_EQ(Next(), "");
    EXPECT_TRUE(m_messages.Texts().empty());
    for (const std::string& word : {first[0], second[0]})
        EXPECT_TRUE(word == "a" || word == "b" || word == "c") << word;
}

TEST_F(PageSourceTest, ExerciseItemsSeeTheExerciseFlag) {
    Write("uebung.qor", "QOR!01 <IF #ex>ja</IF><EX>x</EX><IF #ex>immer</IF>");
    Write("seite.html", "<IF #ex>ja</IF>nein");
    ASSERT_TRUE(m_source.SetXFile("uebung.qor"));
    EXPECT_EQ(Words(), (std::vector<std::string>{"ja", "x", "immer"}));
    EXPECT_FALSE(m_document.exerciseItem);
    ASSERT_TRUE(m_source.SetXFile("seite.html"));
    EXPECT_EQ(Words(), (std::vector<std::string>{"nein"}));
}

TEST_F(PageSourceTest, TheCommandsCountWinsOverTheFiles) {
    Write("uebung.qor", "QOR!01<EX>a<EX>b<EX>c</EX>");
    m_source.StartExerciseSeries(3, "#weiter");
    ASSERT_TRUE(m_source.LoadPageFile("uebung.qor", PageLoad::Fresh));
    EXPECT_EQ(Next(), "ex");
    ASSERT_TRUE(m_source.NextExerciseItem());
    EXPECT_EQ(Next(), "ex");
    ASSERT_TRUE(m_source.NextExerciseItem());
    EXPECT_EQ(Next(), "");
    EXPECT_EQ(m_source.ContinuationTarget(), "#weiter");
}

TEST_F(PageSourceTest, MoreItemsAskedThanTheFileHolds) {
    Write("uebung.qor", "QOR!10<EX>a<EX>b<EX>c</EX>");
    ASSERT_TRUE(m_source.SetXFile("uebung.qor"));
    std::vector<std::string> shown = Words();
    for (int i = 1; i < 10; ++i) {
        ASSERT_TRUE(m_source.NextExerciseItem());
        ASSERT_EQ(Words().size(), 1u);
        shown.push_back(Words()[0]);
    }
    EXPECT_EQ(Next(), "");
    for (std::size_t i = 0; i + 2 < shown.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(shown[i] != shown[i + 1] && shown[i] != shown[i + 2] && shown[i + 1] != shown[i + 2]);
    }
}

TEST_F(PageSourceTest, BadExerciseFilesGiveTheirMessages) {
    struct BadCase {
        const char* contents;
        std::string message;
        int flags;
    };
    const std::vector<BadCase> cases = {
        {"QOX!02<EX>a</EX>", "Falsches Format (ID)", kMbIconExclamation | kMbOk},
        {"", "Falsches Format (ID)", kMbIconExclamation | kMbOk},
        {"QOR!02 Nur ein Kopf", std::string("0 Aufgaben stehen zur Verfügung!"_cp),
         kMbIconInformation | kMbOk},
    };
    for (const BadCase& badCase : cases) {
        SCOPED_TRACE(badCase.contents);
        Write("start.html", "Alt");
        ASSERT_TRUE(m_source.SetXFile("start.html"));
        Write("uebung.qor", badCase.contents);
        m_calls.clear();
        EXPECT_FALSE(m_source.SetXFile("uebung.qor"));
        ASSERT_FALSE(m_messages.Messages().empty());
        EXPECT_EQ(m_messages.Messages().back().text, badCase.message);
        EXPECT_EQ(m_messages.Messages().back().flags, badCase.flags);
        EXPECT_EQ(Words(), (std::vector<std::string>{"Alt"}));
        EXPECT_EQ(m_calls, "");
    }
}

TEST_F(PageSourceTest, ACountThatIsNoNumberShowsOneItem) {
    Write("uebung.qor", "QOR!xx<EX>a<EX>b</EX>");
    ASSERT_TRUE(m_source.SetXFile("uebung.qor"));
    EXPECT_EQ(Words().size(), 1u);
    EXPECT_EQ(Next(), "");
}

TEST_F(PageSourceTest, IncludeLoadsPackedPagesToo) {
    Write("teil.htx", DeflateZlib("<B>Mitte</B>"));
    Write("start.html", "Anfang <INCLUDE HREF=\"teil.htx\"> Ende");
    ASSERT_TRUE(m_source.SetXFile("start.html"));
    EXPECT_EQ(Words(), (std::vector<std::string>{"Anfang", "Mitte", "Ende"}));
    EXPECT_TRUE(m_messages.Texts().empty());
    // A damaged packed include is reported as an INCLUDE error; the page goes on.
    Write("teil.htx", "kein zlib");
    ASSERT_TRUE(m_source.SetXFile("start.html"));
    EXPECT_EQ(Words(), (std::vector<std::string>{"Anfang", "Ende"}));
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{"Fehler bei INCLUDE!!!"}));
}

TEST_F(PageSourceTest, LoadingIntoTheCurrentPage) {
    Write("start.html", "Eins");
    Write("teil.htx", DeflateZlib("Zwei"));
    ASSERT_TRUE(m_source.SetXFile("start.html"));
    m_calls.clear();
    ASSERT_TRUE(m_source.LoadPageFile("teil.htx", PageLoad::Include));
    EXPECT_EQ(Words(), (std::vector<std::string>{"Eins", "Zwei"}));
    EXPECT_EQ(m_source.FullPath(), m_pageFolder + "start.html");
    EXPECT_EQ(m_calls, "");
}

TEST_F(PageSourceTest, PagesShowTheirPictures) {
    // A 2 × 1 bitmap, 24 bits: a blue and a red pixel.
    Write("bild.bmp", MakeBmp(2, 1, 24, 0, "", std::string("\xFF\x00\x00\x00\x00\xFF\x00\x00", 8)));
    Write("start.html", "<IMG SRC=\"bild.bmp\">");
    ASSERT_TRUE(m_source.SetXFile("start.html"));
    ASSERT_EQ(m_document.pictures.Count(), 1);
    const TXBitmap& picture = m_document.pictures.At(0).bitmap;
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.Pixel(0, 0), MakeColour(0, 0, 255));
    EXPECT_EQ(picture.Pixel(1, 0), MakeColour(255, 0, 0));
    EXPECT_TRUE(m_messages.Texts().empty());
}

class PageHistoryTest : public PageSourceTest {
protected:
    void Show(const std::string& name) {
        Write(name, name);
        ASSERT_TRUE(m_source.SetXFile(name));
    }
};

TEST_F(PageHistoryTest, AddingFollowsHowThePageIsLeft) {
    PageHistory history;
    history.Add("a", HistoryRule::UnlessSameAsLast);
    history.Add("a", HistoryRule::UnlessSameAsLast);
    history.Add("a", HistoryRule::Always);
    history.Add("b", HistoryRule::UnlessSameAsLast);
    history.Add("", HistoryRule::Always);
    history.Add("a", HistoryRule::UnlessSameAsLast);
    EXPECT_EQ(history.Entries(), (std::vector<std::string>{"a", "a", "b", "a"}));
    EXPECT_EQ(history.Pop(), "a");
    EXPECT_EQ(history.Pop(), "b");
    EXPECT_EQ(history.Pop(), "a");
    EXPECT_EQ(history.Pop(), "a");
    EXPECT_EQ(history.Pop(), std::nullopt);
}

TEST_F(PageHistoryTest, BackShowsTheLastPageRemembered) {
    Show("eins.html");
    m_source.RememberPage(HistoryRule::Always);
    Show("zwei.html");
    m_source.RememberPage(HistoryRule::UnlessSameAsLast);
    m_source.RememberPage(HistoryRule::UnlessSameAsLast);
    Show("drei.html");
    EXPECT_EQ(m_source.History().Entries(),
              (std::vector<std::string>{m_pageFolder + "eins.html", m_pageFolder + "zwei.html"}));
    ASSERT_TRUE(m_source.GoBack());
    EXPECT_EQ(Words(), (std::vector<std::string>{"zwei.html"}));
    ASSERT_TRUE(m_source.GoBack());
    EXPECT_EQ(Words(), (std::vector<std::string>{"eins.html"}));
    m_calls.clear();
    EXPECT_FALSE(m_source.GoBack());
    EXPECT_EQ(Words(), (std::vector<std::string>{"eins.html"}));
    EXPECT_EQ(m_calls, "");
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(PageHistoryTest, AnExerciseItemKeepsThePageItCameFrom) {
    Show("start.html");
    Write("uebung.qor", "QOR!02<EX>a<EX>b</EX>");
    m_source.RememberPage(HistoryRule::UnlessSameAsLast);
    m_source.StartExerciseSeries(-1, "");
    ASSERT_TRUE(m_source.LoadPageFile("uebung.qor", PageLoad::Fresh));
    EXPECT_EQ(m_source.FullPath(), m_pageFolder + "start.html");
    ASSERT_TRUE(m_source.GoBack());
    EXPECT_EQ(Words(), (std::vector<std::string>{"start.html"}));
}

} // namespace
} // namespace qor::test
