#include "UserTestSupport.h"

#include <filesystem>

namespace qor::test {
namespace {

using namespace std::string_literals;

constexpr double kSecond = 1.0 / 86400;

using UserLogInTest = UserBaseTest;

TEST_F(UserLogInTest, AnExistingUserWithTheRightPasswordGetsRecordsAndTime) {
    WriteUser("Anna", "pw", {{">1chat", "ZZ", "ee"}, {"<2maison", "5", "m"}}, 3600 * kSecond);
    m_base.LogIn("Anna", "pw");
    ASSERT_TRUE(m_base.IsLoggedIn());
    EXPECT_EQ(m_base.UserName(), "Anna");
    EXPECT_EQ(m_base.UserFilePath(), m_folder + "Anna_F.qob");
    EXPECT_EQ(m_base.Records(), (std::vector<TXUserVoc>{{">1chat", "ZZ", "ee"}, {"<2maison", "5", "m"}}));
    EXPECT_NEAR(m_base.AccumulatedTime(), 3600 * kSecond, 1e-12);
    EXPECT_EQ(m_base.LogInMoment(), m_clock.now);
    EXPECT_TRUE(m_dialogs.passwortShown.empty());
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(UserLogInTest, PasswordTries) {
    struct Case {
        const char* name;
        std::vector<std::optional<std::string>> answers; // nullopt = Cancel
        std::size_t dialogs;
        bool loggedIn;
    };
    const Case cases[] = {
        {"right at the first dialog", {"pw"}, 1, true},
        {"right at the third dialog", {"x", "y", "pw"}, 3, true},
        {"three wrong dialogs, no fourth", {"x", "y", "z", "pw"}, 3, false},
        {"Cancel ends the tries at once", {std::nullopt, "pw"}, 1, false},
        {"Cancel after a wrong one", {"x", std::nullopt}, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteUser("Anna", "pw");
        ScriptedUserDialogs dialogs;
        for (const auto& answer : c.answers) {
            if (answer)
                dialogs.AnswerPasswort("ignored", *answer);
            else
                dialogs.CancelPasswort();
        }
        MessageCapture messages;
        TXUserBase base(m_folder, dialogs, m_clock.Clock());
        base.LogIn("Anna", "falsch");
        EXPECT_EQ(dialogs.passwortShown.size(), c.dialogs);
        EXPECT_EQ(base.IsLoggedIn(), c.loggedIn);
        for (const PasswordRequest& request : dialogs.passwortShown) {
            EXPECT_EQ(request.presetName, "Anna");
            EXPECT_EQ(request.nameField, NameField::Locked);
        }
        if (c.loggedIn) {
            EXPECT_TRUE(messages.Messages().empty());
        } else {
            ASSERT_EQ(messages.Messages().size(), 1u);
            EXPECT_EQ(messages.Messages()[0].text, "Pers\xF6nliche Daten f\xFCr Anna konnten nicht ge\xF6"
                                                   "ffnet werden!");
            EXPECT_EQ(messages.Messages()[0].flags, kMbIconError);
            EXPECT_EQ(base.UserName(), "");
            EXPECT_TRUE(base.Records().empty());
        }
    }
}

TEST_F(UserLogInTest, OtherCapitalsFindTheFileButAskForThePassword) {
    WriteUser("Anna", "");
    for (int i = 0; i < 4; ++i)
        m_dialogs.AnswerPasswort("anna", "");
    m_base.LogIn("anna", "");
    // "anna:" never equals the stored "Anna:", whatever password is typed.
    EXPECT_EQ(m_dialogs.passwortShown.size(), 3u);
    EXPECT_FALSE(m_base.IsLoggedIn());
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Pers\xF6nliche Daten f\xFCr anna konnten nicht ge\xF6"
                                       "ffnet werden!"});
}

TEST_F(UserLogInTest, AnEmptyUserFileLogsInWithTheGivenPassword) {
    WriteEmptyUser("Neu");
    m_base.LogIn("Neu", "abc");
    ASSERT_TRUE(m_base.IsLoggedIn());
    EXPECT_TRUE(m_base.Records().empty());
    ASSERT_TRUE(m_base.SaveUser());
    EXPECT_EQ(ReadUser("Neu").credentials, "Neu:abc");
}

TEST_F(UserLogInTest, ADamagedUserFileRefusesTheLogIn) {
    for (const std::string& bytes : {"not zlib at all"s, EncodeUserFile({"Anna:", 0, {}}).substr(0, 6)}) {
        m_temp.MakeFile("Anna_F.qob", bytes);
        m_messages.Clear();
        m_base.LogIn("Anna", "");
        EXPECT_FALSE(m_base.IsLoggedIn());
        EXPECT_EQ(m_messages.Texts(),
                  std::vector<std::string>{"Pers\xF6nliche Daten f\xFCr Anna konnten nicht ge\xF6"
                                           "ffnet werden!"});
        // The damaged file is left as it was for whoever can repair it.
        EXPECT_EQ(ReadFile(m_temp / "Anna_F.qob"), bytes);
    }
}

TEST_F(UserLogInTest, ANewUserAloneIsCreatedWithoutQuestion) {
    m_base.LogIn("Anna", "pw");
    ASSERT_TRUE(m_base.IsLoggedIn());
    EXPECT_TRUE(m_messages.Messages().empty());
    EXPECT_TRUE(std::filesystem::exists(m_temp / "Anna_F.qob"));
    EXPECT_EQ(ReadFile(m_temp / "Anna_F.qob"), ""); // filled at the first save
}

TEST_F(UserLogInTest, ANewUserBesideOthersNeedsAYes) {
    struct Case {
        int answer;
        bool loggedIn;
    };
    for (const Case& c : {Case{kIdYes, true}, Case{kIdNo, false}, Case{kIdCancel, false}}) {
        SCOPED_TRACE(c.answer);
        std::filesystem::remove(m_temp / "Bert_F.qob");
        WriteUser("Anna", "");
        m_messages.Clear();
        m_messages.Answer(c.answer);
        m_base.LogIn("Bert", "");
        ASSERT_EQ(m_messages.Messages().size(), 1u); // no further message after No
        EXPECT_EQ(m_messages.Messages()[0].text, "Neuen Benutzer Bert anlegen?");
        EXPECT_EQ(m_messages.Messages()[0].flags, kMbIconQuestion | kMbYesNo);
        EXPECT_EQ(m_base.IsLoggedIn(), c.loggedIn);
        EXPECT_EQ(std::filesystem::exists(m_temp / "Bert_F.qob"), c.loggedIn);
        if (m_base.IsLoggedIn()) {
            ASSERT_TRUE(m_base.SaveUser());
        }
    }
}

TEST_F(UserLogInTest, AUserFileThatCannotBeCreatedIsReported) {
    m_temp.MakeFile("blockiert", "a file where the folder should be");
    const std::string folder = m_folder + "blockiert/";
    TXUserBase base(folder, m_dialogs, m_clock.Clock());
    base.LogIn("Anna", "");
    EXPECT_FALSE(base.IsLoggedIn());
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].text,
              "Die Datei " + folder + "Anna_F.qob konnte nicht erzeugt werden!");
    EXPECT_EQ(m_messages.Messages()[0].flags, kMbIconError);
}

TEST_F(UserLogInTest, AMissingUserFolderIsCreated) {
    TXUserBase base(m_folder + "Benutzer/", m_dialogs, m_clock.Clock());
    base.LogIn("Anna", "");
    EXPECT_TRUE(base.IsLoggedIn());
    EXPECT_TRUE(std::filesystem::exists(m_temp / "Benutzer" / "Anna_F.qob"));
}

TEST_F(UserLogInTest, NamesThatCannotBeFileNamesAreRefused) {
    for (const char* name : {"a/b", "a\\b", "a*", "a:b", "<a", "a>", "a|b", "a?", "\"a\""}) {
        SCOPED_TRACE(name);
        m_messages.Clear();
        m_base.LogIn(name, "");
        EXPECT_FALSE(m_base.IsLoggedIn());
        EXPECT_EQ(
            m_messages.Texts(),
            std::vector<std::string>{"Der Name darf keines der folgenden Zeichen enthalten: /\\*:<>|?\""});
    }
    m_messages.Clear();
    m_base.LogIn("", "");
    EXPECT_FALSE(m_base.IsLoggedIn());
    EXPECT_TRUE(m_messages.Messages().empty());
    EXPECT_TRUE(std::filesystem::is_empty(m_temp.Path()));
}

TEST_F(UserLogInTest, SaveWritesTheFileAndTheLogLineThenLogsOut) {
    WriteUser("Anna", "pw", {{">1chat", "Z", "e"}}, 3600 * kSecond);
    m_base.LogIn("Anna", "pw");
    m_base.RecordResult("chat", VocDirection::Fremd, 'm', 12, 1);
    m_base.RecordResult("maison", VocDirection::Deutsch, 'v', -8, 2);
    m_base.RecordResult("chien", VocDirection::Deutsch, 'e', 25, 2);
    m_clock.Advance(90 * 60 + 5);
    ASSERT_TRUE(m_base.SaveUser());

    EXPECT_FALSE(m_base.IsLoggedIn());
    EXPECT_TRUE(m_base.Records().empty());
    EXPECT_NEAR(m_base.LogOutTime(), m_clock.now.timeOfDay, 1e-12);
    const UserFileContent saved = ReadUser("Anna");
    EXPECT_EQ(saved.credentials, "Anna:pw");
    EXPECT_EQ(FormatLongTime(saved.learningTime), "02:30:05");
    EXPECT_EQ(saved.records, (std::vector<TXUserVoc>{
                                 {">1chat", "MZ", "me"}, {"<2maison", "9", "v"}, {"<2chien", "Z", "e"}}));
    // Averages: absolute (37 - 8 + 25) div 3 = 18; relative (37*100/32 = 116 -> 100, -100, 125 -> 100) = 33.
    EXPECT_EQ(LogText("Anna"), "15.03.2024 10:00:00 01:30:05 Eintippen:\t1\tMult. Ch.:\t1\tLas Vegas:\t1\t"
                               "Performance Insgesamt: abs: 18% rel: 33% 3 verschiedene Vokabeln\r\n");
}

TEST_F(UserLogInTest, TheLogGrowsByOneLinePerSaveAndTimeAccumulates) {
    m_base.LogIn("Anna", "");
    m_clock.Advance(600);
    ASSERT_TRUE(m_base.SaveUser());
    m_clock.Advance(3600);
    m_base.LogIn("Anna", "");
    EXPECT_NEAR(m_base.AccumulatedTime(), 600 * kSecond, 1e-9);
    m_clock.Advance(120);
    EXPECT_NEAR(m_base.LearningTime(), 720 * kSecond, 1e-9);
    ASSERT_TRUE(m_base.SaveUser());
    EXPECT_EQ(LogText("Anna"), "15.03.2024 10:00:00 00:10:00 Eintippen:\t0\tMult. Ch.:\t0\tLas Vegas:\t0\t"
                               "Performance Insgesamt: abs: 0% rel: 0% 0 verschiedene Vokabeln\r\n"
                               "15.03.2024 11:10:00 00:02:00 Eintippen:\t0\tMult. Ch.:\t0\tLas Vegas:\t0\t"
                               "Performance Insgesamt: abs: 0% rel: 0% 0 verschiedene Vokabeln\r\n");
    EXPECT_EQ(FormatLongTime(ReadUser("Anna").learningTime), "00:12:00");
}

TEST_F(UserLogInTest, LearningTimeBeyondADayRestartsFromZeroWhenStored) {
    WriteUser("Anna", "", {}, (23 * 3600 + 59 * 60) * kSecond);
    m_base.LogIn("Anna", "");
    m_clock.Advance(180); // 23:59 + 3 minutes
    ASSERT_TRUE(m_base.SaveUser());
    EXPECT_EQ(FormatLongTime(ReadUser("Anna").learningTime), "00:02:00");
}

TEST_F(UserLogInTest, ASessionAcrossMidnightCountsItsRealLength) {
    m_clock.now = {2024, 3, 15, (23 * 3600 + 50 * 60) * kSecond};
    m_base.LogIn("Anna", "");
    m_clock.Advance(20 * 60);
    ASSERT_TRUE(m_base.SaveUser());
    EXPECT_EQ(FormatLongTime(ReadUser("Anna").learningTime), "00:20:00");
    EXPECT_TRUE(LogText("Anna").starts_with("15.03.2024 23:50:00 00:20:00 "));
}

TEST_F(UserLogInTest, SaveWithNobodyLoggedInWritesNothing) {
    EXPECT_FALSE(m_base.SaveUser());
    EXPECT_TRUE(std::filesystem::is_empty(m_temp.Path()));
    EXPECT_TRUE(m_messages.Messages().empty());
}

// The user file's place is taken by a folder with something in it, so the rename over it fails.
void BlockUserFile(const TempFolder& temp, const std::string& name) {
    std::filesystem::remove(temp / (name + "_F.qob"));
    temp.MakeFile(name + "_F.qob/blocker");
}

TEST_F(UserLogInTest, AFailedSaveKeepsTheUserAndTheRecords) {
    m_base.LogIn("Anna", "pw");
    m_base.RecordResult("chat", VocDirection::Fremd, 'e', 25, 1);
    m_clock.Advance(300);
    BlockUserFile(m_temp, "Anna");

    EXPECT_FALSE(m_base.SaveUser());
    ASSERT_TRUE(m_base.IsLoggedIn());
    EXPECT_EQ(m_base.Records(), (std::vector<TXUserVoc>{{">1chat", "Z", "e"}}));
    EXPECT_EQ(m_base.TypingCount(), 1);
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].flags, kMbIconError);
    EXPECT_NE(m_messages.Messages()[0].text.find("Anna_F.qob"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_temp / "Anna_F_LOG.txt")); // the session goes on

    // Once the disk is writable again, the next save has everything, the time counted once.
    std::filesystem::remove_all(m_temp / "Anna_F.qob");
    m_clock.Advance(300);
    ASSERT_TRUE(m_base.SaveUser());
    const UserFileContent saved = ReadUser("Anna");
    EXPECT_EQ(saved.credentials, "Anna:pw");
    EXPECT_EQ(saved.records, (std::vector<TXUserVoc>{{">1chat", "Z", "e"}}));
    EXPECT_EQ(FormatLongTime(saved.learningTime), "00:10:00");
    EXPECT_TRUE(LogText("Anna").starts_with("15.03.2024 10:00:00 00:10:00 Eintippen:\t1\t"));
}

TEST_F(UserLogInTest, AFailedSaveDuringLogInIsReportedAndTheNewLogInProceeds) {
    WriteUser("Bert", "");
    m_base.LogIn("Anna", "");
    m_messages.Clear();
    BlockUserFile(m_temp, "Anna");
    m_base.LogIn("Bert", "");
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{"Anna konnte nicht gespeichert werden!"});
    EXPECT_EQ(m_messages.Messages()[0].flags, kMbIconExclamation);
    EXPECT_EQ(m_base.UserName(), "Bert");
}

TEST_F(UserLogInTest, ALogInSavesThePreviousUserFirst) {
    WriteUser("Bert", "");
    m_base.LogIn("Anna", "geheim");
    m_base.RecordResult("chat", VocDirection::Deutsch, 'e', 25, 1);
    m_base.LogIn("Bert", "");
    EXPECT_EQ(m_base.UserName(), "Bert");
    EXPECT_TRUE(m_base.Records().empty());
    EXPECT_EQ(m_base.TypingCount(), 0);
    const UserFileContent anna = ReadUser("Anna");
    EXPECT_EQ(anna.credentials, "Anna:geheim");
    EXPECT_EQ(anna.records, (std::vector<TXUserVoc>{{"<1chat", "Z", "e"}}));
}

TEST_F(UserLogInTest, LoggingInAgainWithOwnNameIsSafe) {
    m_base.LogIn("Anna", "");
    m_base.RecordResult("chat", VocDirection::Deutsch, 'e', 25, 1);
    m_base.LogIn(m_base.UserName(), "");
    ASSERT_TRUE(m_base.IsLoggedIn());
    EXPECT_EQ(m_base.UserName(), "Anna");
    EXPECT_EQ(m_base.Records(), (std::vector<TXUserVoc>{{"<1chat", "Z", "e"}}));
}

} // namespace
} // namespace qor::test
