#include "UserTestSupport.h"

#include <filesystem>

namespace qor::test {
namespace {

const std::string kInvalidNameMessage = "Der Name darf keines der folgenden Zeichen enthalten: /\\*:<>|?\"";

using UserRunLogInTest = UserBaseTest;

TEST_F(UserRunLogInTest, NoUsersShowTheWizard) {
    m_dialogs.wizardAnswers.push_back(UserCredentials{"Anna", "pw"});
    m_base.RunLogIn();
    EXPECT_EQ(m_dialogs.wizardShown, 1);
    EXPECT_TRUE(m_dialogs.passwortShown.empty());
    ASSERT_TRUE(m_base.IsLoggedIn());
    EXPECT_EQ(m_base.UserName(), "Anna");
    EXPECT_TRUE(m_messages.Messages().empty());
    ASSERT_TRUE(m_base.SaveUser());
    EXPECT_EQ(ReadUser("Anna").credentials, "Anna:pw");
}

TEST_F(UserRunLogInTest, TheWizardsCancelLeavesNobodyLoggedIn) {
    m_base.RunLogIn();
    EXPECT_EQ(m_dialogs.wizardShown, 1);
    EXPECT_FALSE(m_base.IsLoggedIn());
    EXPECT_TRUE(std::filesystem::is_empty(m_temp.Path()));
}

TEST_F(UserRunLogInTest, TheOnlyUserWithoutPasswordLogsInWithoutAnyDialog) {
    WriteUser("Anna", "", {{">1chat", "Z", "e"}});
    m_base.RunLogIn();
    ASSERT_TRUE(m_base.IsLoggedIn());
    EXPECT_EQ(m_base.UserName(), "Anna");
    EXPECT_EQ(m_base.Records().size(), 1u);
    EXPECT_EQ(m_dialogs.wizardShown, 0);
    EXPECT_TRUE(m_dialogs.passwortShown.empty());
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(UserRunLogInTest, TheOnlyUserWithPasswordGetsThePasswordDialog) {
    WriteUser("Anna", "pw");
    m_dialogs.AnswerPasswort("Anna", "pw");
    m_base.RunLogIn();
    ASSERT_EQ(m_dialogs.passwortShown.size(), 1u);
    EXPECT_EQ(m_dialogs.passwortShown[0].nameField, NameField::Locked);
    EXPECT_TRUE(m_base.IsLoggedIn());
}

TEST_F(UserRunLogInTest, SeveralUsersChooseInThePasswordDialog) {
    WriteUser("Bert", "");
    WriteUser("Anna", "geheim");
    m_dialogs.AnswerPasswort("Anna", "geheim");
    m_base.RunLogIn();
    ASSERT_EQ(m_dialogs.passwortShown.size(), 1u);
    const PasswordRequest& request = m_dialogs.passwortShown[0];
    EXPECT_EQ(request.caption, "*qor franz\xF6sisch");
    EXPECT_EQ(request.names, (std::vector<std::string>{"Anna", "Bert"}));
    EXPECT_EQ(request.presetName, "Anna");
    EXPECT_EQ(request.nameField, NameField::Editable);
    EXPECT_EQ(m_base.UserName(), "Anna");
}

TEST_F(UserRunLogInTest, SeveralUsersCancelOrAnEmptyNameLogNobodyIn) {
    WriteUser("Anna", "");
    WriteUser("Bert", "");
    m_dialogs.CancelPasswort();
    m_dialogs.AnswerPasswort("", "");
    m_base.RunLogIn();
    EXPECT_FALSE(m_base.IsLoggedIn());
    m_base.RunLogIn();
    EXPECT_FALSE(m_base.IsLoggedIn());
    EXPECT_EQ(m_dialogs.passwortShown.size(), 2u);
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(UserRunLogInTest, SavesTheRunningSessionFirst) {
    WriteUser("Anna", "");
    WriteUser("Bert", "");
    m_base.LogIn("Anna", "");
    m_base.RecordResult("chat", VocDirection::Deutsch, 'e', 25, 1);
    m_dialogs.AnswerPasswort("Bert", "");
    m_base.RunLogIn();
    EXPECT_EQ(m_base.UserName(), "Bert");
    EXPECT_EQ(ReadUser("Anna").records.size(), 1u);
}

TEST_F(UserRunLogInTest, AnUnsavableSessionStays) {
    WriteUser("Bert", "");
    m_base.LogIn("Anna", "");
    m_base.RecordResult("chat", VocDirection::Deutsch, 'e', 25, 1);
    std::filesystem::remove(m_temp / "Anna_F.qob");
    m_temp.MakeFile("Anna_F.qob/blocker");
    m_messages.Clear();
    m_base.RunLogIn();
    EXPECT_EQ(m_base.UserName(), "Anna");
    EXPECT_EQ(m_base.Records().size(), 1u);
    EXPECT_TRUE(m_dialogs.passwortShown.empty());
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Die Daten von Anna konnten nicht in " + m_folder +
                                       "Anna_F.qob gespeichert werden! Die Anmeldung bleibt "
                                       "bestehen, die Ergebnisse gehen nicht verloren."});
}

TEST_F(UserRunLogInTest, ScanUsersFindsUserFilesInSubFolders) {
    WriteUser("Anna", "");
    m_temp.MakeFile("alt/Carl_F.qob", "");
    m_temp.MakeFile("Dora_f.QOB", "");
    m_temp.MakeFile("Emil.qob", "");        // not a user file of ours
    m_temp.MakeFile("Fritz_F.qob.bak", ""); // wrong extension
    m_temp.MakeFile(".versteckt/Gabi_F.qob", "");
    m_temp.MakeFolder("Hans_F.qob");
    m_base.ScanUsers();
    // Name order, a sub-folder's users where the sub-folder stands; the hidden folder is skipped.
    EXPECT_EQ(m_base.UserNames(), (std::vector<std::string>{"Carl", "Anna", "Dora"}));
}

using UserNewUserTest = UserBaseTest;

TEST_F(UserNewUserTest, MessagesInTheirOrder) {
    struct Case {
        const char* name;
        std::string user;
        std::vector<std::string> messages;
        int flags;
        bool loggedIn;
    };
    const Case cases[] = {
        {"a forbidden character comes first", "Anna?", {kInvalidNameMessage}, kMbIconExclamation, false},
        {"forbidden even when such a file exists", "An:na", {kInvalidNameMessage}, kMbIconExclamation, false},
        {"an existing user", "Anna", {"Anna existiert bereits!"}, kMbIconExclamation, false},
        {"a new name beside others asks",
         "Bert",
         {"Neuen Benutzer Bert anlegen?"},
         kMbIconQuestion | kMbYesNo,
         true},
    };
    m_temp.MakeFile("An:na_F.qob", "");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteUser("Anna", "");
        ScriptedUserDialogs dialogs;
        dialogs.AnswerPasswort(c.user, "pw");
        TXUserBase base(m_folder, dialogs, m_clock.Clock());
        m_messages.Clear();
        base.NewUser();
        ASSERT_EQ(dialogs.passwortShown.size(), 1u);
        EXPECT_EQ(dialogs.passwortShown[0].caption, "Neuen Benutzer anlegen");
        EXPECT_EQ(m_messages.Texts(), c.messages);
        EXPECT_EQ(base.IsLoggedIn(), c.loggedIn);
        ASSERT_FALSE(m_messages.Messages().empty());
        EXPECT_EQ(m_messages.Messages()[0].flags, c.flags);
    }
}

TEST_F(UserNewUserTest, TheFirstUserNeedsNoConfirmation) {
    m_dialogs.AnswerPasswort("Anna", "");
    m_base.NewUser();
    EXPECT_TRUE(m_base.IsLoggedIn());
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(UserNewUserTest, CancelDoesNothing) {
    WriteUser("Anna", "");
    m_base.LogIn("Anna", "");
    m_base.NewUser();
    EXPECT_EQ(m_base.UserName(), "Anna");
    EXPECT_TRUE(m_messages.Messages().empty());
}

using UserChangeUserTest = UserBaseTest;

TEST_F(UserChangeUserTest, WithoutUsersOrWithTheOnlyOneLoggedInItCreatesANewUser) {
    // No users at all.
    m_base.ChangeUser();
    ASSERT_EQ(m_dialogs.passwortShown.size(), 1u);
    EXPECT_EQ(m_dialogs.passwortShown[0].caption, "Neuen Benutzer anlegen");

    // The only user is logged in.
    WriteUser("Anna", "");
    m_base.LogIn("Anna", "");
    m_base.ChangeUser();
    ASSERT_EQ(m_dialogs.passwortShown.size(), 2u);
    EXPECT_EQ(m_dialogs.passwortShown[1].caption, "Neuen Benutzer anlegen");
}

TEST_F(UserChangeUserTest, TheOnlyUserNotLoggedInIsOfferedToChoose) {
    WriteUser("Anna", "");
    m_dialogs.AnswerPasswort("Anna", "");
    m_base.ChangeUser();
    ASSERT_EQ(m_dialogs.passwortShown.size(), 1u);
    EXPECT_EQ(m_dialogs.passwortShown[0].caption, "qor franz\xF6sisch");
    EXPECT_EQ(m_dialogs.passwortShown[0].names, std::vector<std::string>{"Anna"});
    EXPECT_EQ(m_base.UserName(), "Anna");
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(UserChangeUserTest, AnUnknownNameIsConfirmedTwice) {
    struct Case {
        const char* name;
        std::vector<int> answers;
        std::vector<std::string> messages;
        bool created;
    };
    const Case cases[] = {
        {"OK then Yes",
         {kIdOk, kIdYes},
         {"Carl existiert noch nicht! Neu anlegen?", "Neuen Benutzer Carl anlegen?"},
         true},
        {"Cancel stops", {kIdCancel}, {"Carl existiert noch nicht! Neu anlegen?"}, false},
        {"OK then No",
         {kIdOk, kIdNo},
         {"Carl existiert noch nicht! Neu anlegen?", "Neuen Benutzer Carl anlegen?"},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_temp / "Carl_F.qob");
        WriteUser("Anna", "");
        WriteUser("Bert", "");
        ScriptedUserDialogs dialogs;
        dialogs.AnswerPasswort("Carl", "");
        TXUserBase base(m_folder, dialogs, m_clock.Clock());
        m_messages.Clear();
        for (int answer : c.answers)
            m_messages.Answer(answer);
        base.ChangeUser();
        EXPECT_EQ(m_messages.Texts(), c.messages);
        EXPECT_EQ(m_messages.Messages()[0].flags, kMbIconQuestion | kMbOkCancel);
        EXPECT_EQ(base.IsLoggedIn(), c.created);
        EXPECT_EQ(std::filesystem::exists(m_temp / "Carl_F.qob"), c.created);
    }
}

TEST_F(UserChangeUserTest, AnotherKnownUserTakesOver) {
    WriteUser("Anna", "");
    WriteUser("Bert", "pw");
    m_base.LogIn("Anna", "");
    m_dialogs.AnswerPasswort("Bert", "pw");
    m_base.ChangeUser();
    EXPECT_EQ(m_base.UserName(), "Bert");
    EXPECT_TRUE(m_messages.Messages().empty());
}

using UserChangePasswordTest = UserBaseTest;

TEST_F(UserChangePasswordTest, NobodyLoggedIn) {
    m_base.ChangePassword();
    EXPECT_TRUE(m_dialogs.changeShown.empty());
    EXPECT_EQ(m_messages.Texts(),
              std::vector<std::string>{"Nur angemeldete Benutzer k\xF6nnen Passw\xF6rter \xE4ndern!"});
    EXPECT_EQ(m_messages.Messages()[0].flags, kMbIconError);
}

TEST_F(UserChangePasswordTest, RulesInTheirOrder) {
    struct Case {
        const char* name;
        PasswordChange change;
        const char* message;
        int flags;
        const char* storedPassword;
    };
    const Case cases[] = {
        {"wrong old password wins over everything",
         {"falsch", "a", "b"},
         "Das alte Passwort stimmt nicht!",
         kMbIconError,
         "alt"},
        {"confirmation differs",
         {"alt", "neu", "neu2"},
         "Das neue Passwort und die Best\xE4tigung stimmen nicht \xFC"
         "berein!",
         kMbIconError,
         "alt"},
        {"same as before",
         {"alt", "alt", "alt"},
         "Das Passwort wurde nicht ge\xE4ndert.",
         kMbIconInformation,
         "alt"},
        {"changed", {"alt", "neu", "neu"}, "Das Passwort wurde ge\xE4ndert.", kMbIconInformation, "neu"},
        {"emptied", {"alt", "", ""}, "Das Passwort wurde deaktiviert.", kMbIconInformation, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteUser("Anna", "alt");
        ScriptedUserDialogs dialogs;
        dialogs.changeAnswers.push_back(c.change);
        TXUserBase base(m_folder, dialogs, m_clock.Clock());
        base.LogIn("Anna", "alt");
        m_messages.Clear();
        base.ChangePassword();
        ASSERT_EQ(dialogs.changeShown.size(), 1u);
        EXPECT_EQ(dialogs.changeShown[0].first, "qor franz\xF6sisch - Passwort \xE4ndern");
        EXPECT_EQ(dialogs.changeShown[0].second, "Anna");
        EXPECT_EQ(m_messages.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(m_messages.Messages()[0].flags, c.flags);
        // The password reaches the file at the next save.
        ASSERT_TRUE(base.SaveUser());
        EXPECT_EQ(ReadUser("Anna").credentials, std::string("Anna:") + c.storedPassword);
    }
}

TEST_F(UserChangePasswordTest, CancelChangesNothing) {
    WriteUser("Anna", "alt");
    m_base.LogIn("Anna", "alt");
    m_base.ChangePassword();
    EXPECT_EQ(m_dialogs.changeShown.size(), 1u);
    EXPECT_TRUE(m_messages.Messages().empty());
    ASSERT_TRUE(m_base.SaveUser());
    EXPECT_EQ(ReadUser("Anna").credentials, "Anna:alt");
}

} // namespace
} // namespace qor::test
