#pragma once
// A running query in a test: a library, its settings, a recording page, a built-in list and a
// fixed random sequence. The options window only counts how often it was opened.

#include "FakeTrainingPage.h"
#include "VocabTestSupport.h"
#include "platform/Random.h"
#include "users/TXUserBase.h"
#include "vocab/AscFile.h"
#include "vocab/TRes.h"
#include "vocab/TVocEinstellungen.h"

#include <map>
#include <set>

namespace qor::test {

inline TVokabel Entry(std::string vokabel, std::string bedeutung0, int wortart = 0, bool deutsch = false,
                      int schwierigkeit = 0) {
    TVokabel entry = Voc(std::move(vokabel), std::move(bedeutung0), "", wortart, deutsch);
    entry.Schwierigkeit = schwierigkeit;
    return entry;
}

// `count` French nouns "mot0".."motN" meaning "Wort0".."WortN".
inline std::vector<TVokabel> Nouns(int count) {
    std::vector<TVokabel> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(Entry("mot" + std::to_string(i), "Wort" + std::to_string(i)));
    return entries;
}

class NoUserDialogs : public UserDialogs {
public:
    std::optional<UserCredentials> ShowTXPasswort(const PasswordRequest&) override { return std::nullopt; }
    std::optional<PasswordChange> ShowTXChangePW(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<UserCredentials> ShowTXLogInWizard() override { return std::nullopt; }
};

class QueryTest : public ::testing::Test {
protected:
    // Every draw of 0..100 is below it: only multiple-choice questions.
    static constexpr int kAlwaysMultipleChoice = 101;
    static constexpr int kNeverMultipleChoice = 0;

    VocMessages m_messages;
    TBibliothek m_library;
    TVocEinstellungen m_settings;
    FakeTrainingPage m_page;
    TRes m_builtIn;
    int m_optionsOpened = 0;
    std::map<std::string, std::string> m_recordings;

    void SetUp() override {
        m_library.SetSettings(&m_settings);
        m_library.SetPage(&m_page);
        m_library.SetBuiltInList(&m_builtIn);
        m_library.SetOpenOptionsWindow([this] { ++m_optionsOpened; });
        m_library.SetRandomSeeding([] { SeedRandom(4711); });
        m_library.SetRecordingLookup([this](std::string_view text) {
            auto found = m_recordings.find(std::string(text));
            return found == m_recordings.end() ? std::string() : found->second;
        });
        m_settings.ApplyDifficultyPreset(3);
        m_settings.Kontext = true;
    }

    void SetBuiltIn(const std::vector<TVokabel>& entries) {
        const std::string text = FormatAsc(entries);
        TextLines lines(text);
        m_builtIn.Load([&lines] { return lines.AtEnd(); }, [&lines] { return std::string(lines.Next()); });
    }

    const TVocAufgabe& CurrentTask() const {
        const VocQueryState& query = m_library.QueryState();
        return query.tasks[query.current];
    }
    std::string CurrentWord() const { return CurrentTask().Frage.Vokabel; }

    // Answers the current question and goes on; returns the word that was asked.
    std::string AnswerAndGoOn(std::string_view code) {
        const std::string word = CurrentWord();
        m_library.Answer(code);
        m_library.ContinueAfterAnswer();
        return word;
    }

    // The six answers offered, in page order.
    std::vector<std::string> Choices() const {
        std::vector<std::string> choices;
        for (int i = 0; i < 6; ++i)
            choices.push_back(m_page.Macro("MCH" + std::to_string(i)));
        return choices;
    }
};

class LearnerQueryTest : public QueryTest {
protected:
    TempFolder m_userFolder;
    NoUserDialogs m_dialogs;
    TXUserBase m_users{ProgramPath(m_userFolder.Path()) + "/", m_dialogs};

    void SetUp() override {
        QueryTest::SetUp();
        m_users.LogIn("Anna", "");
        ASSERT_TRUE(m_users.IsLoggedIn());
        m_library.SetUserBase(&m_users);
    }
};

} // namespace qor::test
