#include "app/Beenden.h"

#include "AppTestSupport.h"
#include "app/ProgramObjects.h"
#include "app/SettingsKeys.h"

namespace qor::test {
namespace {

class BeendenTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_objects.CreateVocabularyLibrary();
        m_objects.CreateThemeList();
        m_objects.CreateRecordingIndex();
        m_objects.CreateUserDatabase();
        m_objects.SetLoadedLibraryFile("geladen.asc");
        m_end.objects = &m_objects;
        m_end.registry = &m_registryLog;
        m_end.processPendingMessages = [this] { m_order.push_back("pending"); };
    }

    // The calls Beenden made, after those of the set-up.
    std::vector<std::string> EndCalls() const {
        return std::vector<std::string>(m_objects.Calls().begin() + 4, m_objects.Calls().end());
    }

    ProgramObjects m_objects;
    LoggingRegistry m_registryLog;
    EndOfProgram m_end;
    AppSettings m_settings;
    std::vector<std::string> m_order;
};

const std::vector<std::string> kFullOrder = {
    "FreeVocabularyLibrary", "FreeQuerySettings", "FreeResourceObject", "FreeThemeList",
    "FreeRecordingIndex",    "FreeOptions",       "SaveUserDatabase",   "FreeUserDatabase",
    "FreeWaveRecorder",      "SaveDictionary",    "FreeBackdrop",
};

TEST_F(BeendenTest, FreesInTheFixedOrderAndWritesTheLastSettings) {
    m_objects.RecentFiles()->Add("alt.asc");
    m_objects.RecentFiles()->Add("*");
    m_objects.SetBackdrop(12632256, true);
    m_settings.hintsOn = false;
    EXPECT_EQ(Beenden(m_end, m_settings), EndResult::Completed);
    EXPECT_EQ(EndCalls(), kFullOrder);
    const std::vector<std::string> writes = {
        "0=geladen.asc", "1=alt.asc", "2=", "3=", "Online-Hilfe=AUS", "Hintergrund=12632256",
    };
    EXPECT_EQ(m_registryLog.writes, writes);
    EXPECT_EQ(m_registryLog.ReadText(kRecentFilesKey, "0"), "geladen.asc");
    EXPECT_EQ(m_registryLog.ReadInteger(kProductKey, "Hintergrund"), 12632256);
    EXPECT_EQ(m_order, std::vector<std::string>{"pending"});
    EXPECT_TRUE(Messages().empty());
}

TEST_F(BeendenTest, BackdropRules) {
    struct Case {
        const char* name;
        bool exists;
        bool visible;
        bool colourWritten;
        bool freed;
    };
    const Case cases[] = {
        {"no backdrop", false, false, false, false},
        {"hidden backdrop", true, false, true, false},
        {"visible backdrop", true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramObjects objects;
        if (c.exists)
            objects.SetBackdrop(255, c.visible);
        LoggingRegistry registry;
        EndOfProgram end{&objects, &registry, {}, ApplicationState::Running};
        EXPECT_EQ(Beenden(end, m_settings), EndResult::Completed);
        EXPECT_EQ(registry.ReadText(kProductKey, "Online-Hilfe"), "AN");
        EXPECT_EQ(registry.ReadInteger(kProductKey, "Hintergrund").has_value(), c.colourWritten);
        EXPECT_EQ(objects.Calls().back() == "FreeBackdrop", c.freed);
    }
}

TEST_F(BeendenTest, AChangedRecordingIndexIsSavedOnlyWhenTheLearnerSaysYes) {
    const std::string question = std::string("Die Datenbank für die Sprachaufnahmen wurde verändert.\n"
                                             "Sollen diese Veränderungen gespeichert werden?"_cp);
    struct Case {
        const char* name;
        bool changed;
        bool protection;
        int answer;
        bool asked;
        bool saved;
    };
    const Case cases[] = {
        {"unchanged", false, false, kIdYes, false, false},
        {"changed, yes", true, false, kIdYes, true, true},
        {"changed, no", true, false, kIdNo, true, false},
        {"write protection", true, true, kIdYes, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramObjects objects;
        objects.CreateRecordingIndex();
        objects.SetRecordingIndexChanged(c.changed);
        AppSettings settings;
        settings.writeProtection = c.protection;
        m_presenter.ClearMessages();
        m_presenter.AddAnswer(c.answer);
        EndOfProgram end{&objects, &m_registryLog, {}, ApplicationState::Running};
        EXPECT_EQ(Beenden(end, settings), EndResult::Completed);
        if (c.asked) {
            ASSERT_EQ(Messages().size(), 1u);
            EXPECT_EQ(Messages()[0].text, question);
            EXPECT_EQ(Messages()[0].flags, kMbIconQuestion | kMbYesNo);
        } else {
            EXPECT_TRUE(Messages().empty());
            m_presenter = ScriptedMessagePresenter(); // drop the unused answer
        }
        const auto& calls = objects.Calls();
        auto save = std::find(calls.begin(), calls.end(), "SaveRecordingIndex");
        EXPECT_EQ(save != calls.end(), c.saved);
        if (c.saved) {
            // Between the theme list and the freeing of the index.
            EXPECT_EQ(*(save - 1), "FreeThemeList");
            EXPECT_EQ(*(save + 1), "FreeRecordingIndex");
        }
    }
}

TEST_F(BeendenTest, WithoutQuestionsTheLibraryAndAChangedIndexAreSavedUnasked) {
    m_objects.SetRecordingIndexChanged(true);
    m_end.questions = EndQuestions::None;
    EXPECT_EQ(Beenden(m_end, m_settings), EndResult::Completed);
    std::vector<std::string> order = {"SaveChangedLibrary"};
    order.insert(order.end(), kFullOrder.begin(), kFullOrder.begin() + 4);
    order.push_back("SaveRecordingIndex");
    order.insert(order.end(), kFullOrder.begin() + 4, kFullOrder.end() - 1); // no visible backdrop
    EXPECT_EQ(EndCalls(), order);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(BeendenTest, AFailingStepEndsTheRestAndProcessesPendingMessagesAgain) {
    m_objects.FailAt("SaveUserDatabase");
    EXPECT_EQ(Beenden(m_end, m_settings), EndResult::Failed);
    std::vector<std::string> calls = EndCalls();
    EXPECT_EQ(calls.back(), "SaveUserDatabase");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "FreeUserDatabase"), 0);
    EXPECT_EQ(m_order, (std::vector<std::string>{"pending", "pending"}));
}

TEST_F(BeendenTest, PendingMessagesAreLeftAloneWhileTerminating) {
    m_end.state = ApplicationState::Terminating;
    m_objects.FailAt("FreeThemeList");
    EXPECT_EQ(Beenden(m_end, m_settings), EndResult::Failed);
    EXPECT_TRUE(m_order.empty());
}

TEST_F(BeendenTest, UsesTheProcessWideSettingsAndRegistryByDefault) {
    Settings().hintsOn = true;
    EndOfProgram end{&m_objects, nullptr, {}, ApplicationState::Running};
    EXPECT_EQ(Beenden(end), EndResult::Completed);
    EXPECT_EQ(Store().ReadText(kProductKey, "Online-Hilfe"), "AN");
    EXPECT_EQ(Store().ReadText(kRecentFilesKey, "3"), "");
}

} // namespace
} // namespace qor::test
