#include "platform/MessagePresenter.h"

#include "TempFolder.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedMessagePresenter.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::TempFolder;

TEST(MessagePresenter, DefaultAnswerIsTheFirstButton) {
    struct Case {
        int flags;
        int expected;
    };
    const std::vector<Case> cases = {
        {kMbOk, kIdOk},
        {kMbOkCancel, kIdOk},
        {kMbAbortRetryIgnore, kIdAbort},
        {kMbYesNoCancel, kIdYes},
        {kMbYesNo, kIdYes},
        {kMbRetryCancel, kIdRetry},
        {16, kIdOk},
        {21, kIdRetry},
        {35, kIdYes},
        {36, kIdYes},
        {48, kIdOk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        EXPECT_EQ(DefaultAnswer(c.flags), c.expected);
    }
}

// Restores the default presenter after each test.
class PresenterTest : public ::testing::Test {
protected:
    void TearDown() override { SetMessagePresenter(nullptr); }
};

TEST_F(PresenterTest, ScriptedAnswersAreUsedInOrderThenDefaults) {
    ScriptedMessagePresenter presenter;
    presenter.AddAnswer(kIdNo);
    presenter.AddAnswer(kIdCancel);
    SetMessagePresenter(&presenter);
    EXPECT_EQ(&CurrentMessagePresenter(), &presenter);
    EXPECT_EQ(ShowAppMessage("Frage 1", 36), kIdNo);
    EXPECT_EQ(ShowAppMessage("Frage 2", 35), kIdCancel);
    EXPECT_EQ(ShowAppMessage("Frage 3", 35), kIdYes);
    EXPECT_EQ(ShowAppMessage("Fehler", 21), kIdRetry);
    ASSERT_EQ(presenter.Messages().size(), 4u);
    EXPECT_EQ(presenter.Messages()[0].text, "Frage 1");
    EXPECT_EQ(presenter.Messages()[3].flags, 21);
    presenter.ClearMessages();
    EXPECT_TRUE(presenter.Messages().empty());
}

TEST_F(PresenterTest, AppMessageCarriesTheCaptionAndDefaultFlags) {
    ScriptedMessagePresenter presenter;
    SetMessagePresenter(&presenter);
    EXPECT_EQ(ShowAppMessage("Das Wave-Verzeichnis D:\\wave\\ wurde nicht gefunden!"), kIdOk);
    EXPECT_EQ(ShowAppMessage("x", 16), kIdOk);
    ASSERT_EQ(presenter.Messages().size(), 2u);
    EXPECT_EQ(presenter.Messages()[0].flags, 48);
    EXPECT_EQ(presenter.Messages()[0].caption, "*qor französisch"_cp);
    EXPECT_EQ(presenter.Messages()[1].flags, 16);
}

TEST_F(PresenterTest, DefaultPresenterAnswersWithoutAsking) {
    SetMessagePresenter(nullptr);
    EXPECT_EQ(CurrentMessagePresenter().Show("Soll ...?", "t", 36), kIdYes);
    EXPECT_EQ(CurrentMessagePresenter().Show("Fehler", "t", 21), kIdRetry);
    EXPECT_EQ(ShowAppMessage("Hinweis"), kIdOk);
}

TEST(ScriptedMessagePresenter, ParsesAnswerWords) {
    struct Case {
        const char* word;
        int expected;
    };
    const std::vector<Case> cases = {
        {"OK", kIdOk},   {"ok", kIdOk}, {"Cancel", kIdCancel}, {"RETRY", kIdRetry},
        {"Yes", kIdYes}, {"no", kIdNo}, {"Abort", kIdAbort},   {"Ignore", kIdIgnore},
        {"Ja", -1},      {"", -1},      {"Yes ", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(ScriptedMessagePresenter::ParseAnswer(c.word), c.expected);
    }
}

TEST(ScriptedMessagePresenter, LogLineFormat) {
    struct Case {
        LoggedMessage message;
        std::string line;
    };
    const std::vector<Case> cases = {
        {{48, std::string("*qor französisch"_cp), "Hinweis"}, "48|*qor französisch|Hinweis"},
        {{16, "c", "Zeile 1\rZeile 2"}, "16|c|Zeile 1\\nZeile 2"},
        {{16, "c", "a\r\nb\nc\n\rd"}, "16|c|a\\nb\\nc\\n\\nd"},
        {{36, "c", std::string("Wörterbuch € ändern?"_cp)}, "36|c|Wörterbuch € ändern?"},
        {{0, "", ""}, "0||"},
        {{16, "c", "D:\\wave\\ fehlt"}, "16|c|D:\\wave\\ fehlt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(ScriptedMessagePresenter::FormatLogLine(c.message), c.line);
    }
}

TEST(ScriptedMessagePresenter, ReadsItsScriptAndAppendsToItsLog) {
    TempFolder folder;
    std::filesystem::path script =
        folder.MakeFile("answers.txt", "# Antworten\r\nNo\r\n\r\n  cancel  \nJa\nYes");
    std::filesystem::path log = folder.MakeFile("messages.log", "vorher\n");
    ScriptedMessagePresenter presenter(script.string(), log.string());
    EXPECT_EQ(presenter.Show("Frage?", "Titel", 36), kIdNo);
    EXPECT_EQ(presenter.Show("Noch eine?", "Titel", 35), kIdCancel);
    // An unknown word takes its turn with the default answer.
    EXPECT_EQ(presenter.Show("Drei", "Titel", 36), kIdYes);
    EXPECT_EQ(presenter.Show("Vier", "Titel", 36), kIdYes);
    EXPECT_EQ(presenter.Show("Fünf"_cp, "Titel", 36), kIdYes);
    EXPECT_EQ(test::ReadFile(log), "vorher\n"
                                   "36|Titel|Frage?\n"
                                   "35|Titel|Noch eine?\n"
                                   "36|Titel|Drei\n"
                                   "36|Titel|Vier\n"
                                   "36|Titel|Fünf\n");
}

TEST(ScriptedMessagePresenter, UnreadableScriptGivesNoAnswers) {
    TempFolder folder;
    ScriptedMessagePresenter presenter((folder / "missing.txt").string(), "");
    EXPECT_EQ(presenter.Show("Frage?", "t", 36), kIdYes);
    EXPECT_EQ(presenter.Show("Fehler", "t", 5), kIdRetry);
    EXPECT_EQ(presenter.Messages().size(), 2u);
}

TEST_F(PresenterTest, InstalledFromTheEnvironment) {
    TempFolder folder;
    std::filesystem::path script = folder.MakeFile("script.txt", "No\n");
    std::filesystem::path log = folder / "log.txt";
    {
        test::ScopedEnvironment noScript("QOR_MESSAGE_SCRIPT", nullptr);
        EXPECT_FALSE(InstallScriptedPresenterFromEnvironment());
    }
    test::ScopedEnvironment scriptVariable("QOR_MESSAGE_SCRIPT", script.c_str());
    test::ScopedEnvironment logVariable("QOR_MESSAGE_LOG", log.c_str());
    ASSERT_TRUE(InstallScriptedPresenterFromEnvironment());
    EXPECT_EQ(ShowAppMessage("Soll eine Verknüpfung erzeugt werden?"_cp, 36), kIdNo);
    EXPECT_EQ(ShowAppMessage("Zweite", 36), kIdYes);
    EXPECT_EQ(test::ReadFile(log), "36|*qor französisch|Soll eine Verknüpfung erzeugt werden?\n"
                                   "36|*qor französisch|Zweite\n");

    const std::string logBefore = test::ReadFile(log);
    test::ScopedEnvironment none("QOR_MESSAGE_SCRIPT", "none");
    test::ScopedEnvironment noLog("QOR_MESSAGE_LOG", nullptr);
    ASSERT_TRUE(InstallScriptedPresenterFromEnvironment());
    EXPECT_EQ(ShowAppMessage("Frage", 36), kIdYes);
    EXPECT_EQ(test::ReadFile(log), logBefore) << "the new presenter has no log";
}

} // namespace
} // namespace qor
