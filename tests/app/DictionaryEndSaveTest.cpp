#include "app/DictionaryEndSave.h"

#include "AppTestSupport.h"
#include "app/ProgramObjects.h"
#include "app/SettingsKeys.h"
#include "dictionary/TXDatabase.h"
#include "platform/MessagePresenter.h"

#include <filesystem>

namespace qor::test {
namespace {

// The dictionary's halves loaded from files of the test folder, the French-German one changed.
class DictionaryEndSaveTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        for (const auto& [direction, name] : {std::pair{DictionaryDirection::GermanFrench, "d_f.qor"},
                                              std::pair{DictionaryDirection::FrenchGerman, "f_d.qor"}}) {
            m_dictionary.SetDirection(direction);
            m_dictionary.Load(PathOf(name)); // missing: an empty half that remembers its file
        }
        m_presenter.ClearMessages();
        m_dictionary.AddEntry("maison", "1", "Haus");
        m_dictionary.SetBedeutung(0, "Haus; Heim"); // marks the half changed
    }

    TXDatabase m_dictionary;
    CancelledDictionaryDialogs m_noDialogs;
    LoggingRegistry m_registryLog;
};

TEST_F(DictionaryEndSaveTest, AChangedHalfIsSavedAndRemembered) {
    m_presenter.AddAnswer(kIdYes);
    SaveDictionaryAtEnd(m_dictionary, WriteProtection::Off, m_noDialogs, m_registryLog);
    EXPECT_TRUE(std::filesystem::exists(m_root / "f_d.qor"));
    EXPECT_FALSE(std::filesystem::exists(m_root / "d_f.qor")) << "the unchanged half is not written";
    EXPECT_EQ(m_registryLog.ReadText(kFoldersKey, "Datenbank1"), PathOf("f_d.qor"));
    EXPECT_EQ(m_registryLog.ReadText(kFoldersKey, "Datenbank2"), std::nullopt);

    TXDatabase reread;
    reread.Load(PathOf("f_d.qor"));
    ASSERT_EQ(reread.Count(), 1);
    EXPECT_EQ(reread.Bedeutung(0), "Haus; Heim");
}

TEST_F(DictionaryEndSaveTest, NoSaveWhenDeclinedOrWriteProtected) {
    struct Case {
        const char* name;
        WriteProtection protection;
        int answer;
    };
    for (const Case& c :
         {Case{"declined", WriteProtection::Off, kIdNo}, Case{"protected", WriteProtection::On, kIdYes}}) {
        SCOPED_TRACE(c.name);
        m_presenter.AddAnswer(c.answer);
        SaveDictionaryAtEnd(m_dictionary, c.protection, m_noDialogs, m_registryLog);
        EXPECT_FALSE(std::filesystem::exists(m_root / "f_d.qor"));
        EXPECT_TRUE(m_registryLog.writes.empty());
    }
}

TEST_F(DictionaryEndSaveTest, TheProgramsObjectsSaveTheirDictionaryAtTheEnd) {
    ProgramObjects objects;
    objects.SetCreatesRealObjects(true);
    objects.CreateDictionary();
    objects.LoadDictionary(DictionaryDirection::FrenchGerman, PathOf("f_d.qor"));
    TXDatabase& dictionary = *objects.Dictionary();
    dictionary.AddEntry("chat", "1", "Katze");
    dictionary.SetVokabel(0, "chat (m)");
    m_presenter.AddAnswer(kIdYes);
    objects.SaveDictionary(m_registryLog, WriteProtection::Off, EndQuestions::Ask);
    EXPECT_EQ(m_registryLog.ReadText(kFoldersKey, "Datenbank1"), PathOf("f_d.qor"));
    TXDatabase reread;
    reread.Load(PathOf("f_d.qor"));
    ASSERT_EQ(reread.Count(), 1);
    EXPECT_EQ(reread.Vokabel(0), "chat (m)");
}

} // namespace
} // namespace qor::test
