// The saves at the end of the program that must not lose anything: the recovery folder, the
// learner's record when the user folder cannot be written, and the saves without questions.

#include "AppTestSupport.h"
#include "app/FileDialogAdapters.h"
#include "app/ProgramObjects.h"
#include "app/RecoveryCopies.h"
#include "app/ScriptedFileChooser.h"
#include "app/ScriptedUserDialogs.h"
#include "app/UserEndSave.h"
#include "dictionary/TXDatabase.h"
#include "platform/Zlib.h"
#include "sound/TXWaveBase.h"
#include "users/TXUserBase.h"
#include "users/UserFile.h"
#include "vocab/TBibliothek.h"

namespace qor::test {
namespace {

class EndSaveTest : public AppTest {
protected:
    // A file that cannot be replaced: a folder of that name stands in its way.
    void Block(const std::string& relative) {
        fs::remove(m_root / relative);
        fs::create_directories(m_root / relative);
    }
    std::string Data(const std::string& name) const { return ReadFile("data/qor/" + name); }
};

TEST_F(EndSaveTest, TheRecoveryFolderFollowsTheDataHome) {
    const struct {
        const char* dataHome;
        const char* home;
        const char* folder;
    } cases[] = {
        {"/d", "/h", "/d/qor/"},
        {"", "/h", "/h/.local/share/qor/"},
        {"relativ", "/h", "/h/.local/share/qor/"}, // only absolute data homes count
        {nullptr, nullptr, ""},
    };
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        c.dataHome ? ::setenv("XDG_DATA_HOME", c.dataHome, 1) : ::unsetenv("XDG_DATA_HOME");
        c.home ? ::setenv("HOME", c.home, 1) : ::unsetenv("HOME");
        EXPECT_EQ(RecoveryFolder(), c.folder);
    }
    ::setenv("HOME", home.c_str(), 1);
}

TEST_F(EndSaveTest, CopiesNeverReplaceEarlierOnesAndTheNextStartNamesThem) {
    EXPECT_EQ(WriteRecoveryCopy("OhneNamen.asc", "eins"), PathOf("data/qor/OhneNamen.asc"));
    EXPECT_EQ(WriteRecoveryCopy("OhneNamen.asc", "zwei"), PathOf("data/qor/OhneNamen (2).asc"));
    EXPECT_EQ(Data("OhneNamen.asc"), "eins");
    EXPECT_EQ(Data("OhneNamen (2).asc"), "zwei");

    NoteRecoveryForNextStart("Die Bibliothek ohne Namen", "/a/OhneNamen.asc");
    NoteRecoveryForNextStart("Die Daten von Anna", "/a/Anna_F.qob");
    ReportRecoveryCopiesOfLastRun();
    ReportRecoveryCopiesOfLastRun(); // the note is gone: nothing more to say
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].text.find("Die Bibliothek ohne Namen: /a/OhneNamen.asc\r"
                                      "Die Daten von Anna: /a/Anna_F.qob"),
              std::string::npos)
        << Messages()[0].text;
}

TEST_F(EndSaveTest, ARecordThatCannotGoToTheUserFolderIsNeverLost) {
    struct Case {
        const char* name;
        EndQuestions questions;
        std::vector<int> answers;
        std::optional<std::string> chosen; // the save dialog's answer
        const char* savedAt;               // where the record is found afterwards
        const char* lastMessage;           // part of the last message shown, "" for none
    };
    const Case cases[] = {
        {"another place",
         EndQuestions::Ask,
         {kIdYes},
         "woanders/Anna_F.qob",
         "woanders/Anna_F.qob",
         "gespeichert."},
        {"no other place", EndQuestions::Ask, {kIdNo}, std::nullopt, "data/qor/Anna_F.qob", "gesichert."},
        {"dialog cancelled", EndQuestions::Ask, {kIdYes}, std::nullopt, "data/qor/Anna_F.qob", "gesichert."},
        {"nobody to ask", EndQuestions::None, {}, std::nullopt, "data/qor/Anna_F.qob", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(m_root / "data");
        fs::remove_all(m_root / "Benutzer");
        ScriptedUserDialogs dialogs;
        TXUserBase users(Folder("Benutzer"), dialogs);
        users.LogIn("Anna", "");
        users.RecordResult("maison", VocDirection::Fremd, 'e', 5, 0);
        Block("Benutzer/Anna_F.qob");
        m_presenter = ScriptedMessagePresenter();
        for (int answer : c.answers)
            m_presenter.AddAnswer(answer);
        ScriptedFileChooser chooser;
        Folder("woanders");
        chooser.AddAnswer(c.chosen ? std::optional<std::string>(PathOf(*c.chosen)) : std::nullopt);

        SaveUserAtEnd(users, c.questions, chooser);

        UserFileContent content;
        ASSERT_EQ(DecodeUserFile(ReadFile(c.savedAt), content), UserFileState::Content);
        ASSERT_EQ(content.records.size(), 1u);
        EXPECT_EQ(content.records[0].key, ">0maison");
        if (*c.lastMessage) {
            ASSERT_FALSE(Messages().empty());
            EXPECT_NE(Messages().back().text.find(c.lastMessage), std::string::npos)
                << Messages().back().text;
            EXPECT_EQ(Messages().back().text.find("bleibt bestehen"), std::string::npos);
        } else {
            EXPECT_TRUE(Messages().empty());
        }
    }
}

TEST_F(EndSaveTest, WithoutQuestionsEverythingChangedGoesToItsFileOrARecoveryCopy) {
    ProgramObjects objects;
    objects.SetCreatesRealObjects(true);
    objects.CreateVocabularyLibrary();
    objects.CreateDictionary();
    objects.LoadDictionary(DictionaryDirection::FrenchGerman, File("f_d.qor", DeflateZlib("")));
    objects.Dictionary()->AddEntry("maison", "1", "Haus");
    Block("f_d.qor");
    TBibliothek& library = *objects.Library();
    library.SetVokabel(0, "chat");
    library.SetBedeutung(0, 0, "Katze");

    ASSERT_TRUE(library.Changed());
    objects.SaveChangedLibrary();
    objects.SaveDictionary(Store(), WriteProtection::Off, EndQuestions::None);

    EXPECT_NE(Data("OhneNamen.asc").find("chat"), std::string::npos) << "an unnamed library is copied";
    EXPECT_FALSE(Data("f_d.qor").empty()) << "a half whose file cannot be written is copied";
    EXPECT_TRUE(Messages().empty());
    ReportRecoveryCopiesOfLastRun();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].text.find("Die Bibliothek ohne Namen"), std::string::npos);
    EXPECT_NE(Messages()[0].text.find("Französisch-Deutsch"_cp), std::string::npos);

    // A named library goes to its own file.
    library.Save(PathOf("eigene.asc"));
    library.SetVokabel(0, "chien");
    objects.SaveChangedLibrary();
    EXPECT_NE(ReadFile("eigene.asc").find("chien"), std::string::npos);
    EXPECT_FALSE(library.Changed());
}

TEST_F(EndSaveTest, TheRecordingIndexAsksForAnotherPlaceThroughTheProgramsDialogs) {
    ProgramObjects objects;
    objects.SetCreatesRealObjects(true);
    objects.CreateRecordingIndex();
    objects.LoadRecordingIndex(File("f_w.qor"));
    objects.WaveBase()->Add();
    objects.WaveBase()->SetCurrentText("maison");
    objects.WaveBase()->SetCurrentPath("XF:\\maison.wav");
    Block("f_w.qor");
    ScriptedFileChooser chooser;
    chooser.AddAnswer(PathOf("anderswo.qor"));
    EndSaveDialogs dialogs(chooser, chooser);
    dialogs.ConnectTo(objects);
    m_presenter.AddAnswer(kIdYes); // another place?

    objects.SaveRecordingIndex(EndQuestions::Ask);

    ASSERT_EQ(chooser.Shown().size(), 1u);
    EXPECT_EQ(chooser.Shown()[0].proposedName, "f_w.qor");
    EXPECT_FALSE(ReadFile("anderswo.qor").empty());
    EXPECT_EQ(objects.WaveBase()->SavedTo(), PathOf("anderswo.qor"));
}

} // namespace
} // namespace qor::test
