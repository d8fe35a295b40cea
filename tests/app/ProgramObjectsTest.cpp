#include "app/ProgramObjects.h"

#include "AppTestSupport.h"
#include "CommandFakes.h"
#include "app/MainPageLink.h"
#include "app/RecordingPlayback.h"
#include "dictionary/DictionaryFile.h"
#include "dictionary/TXDatabase.h"
#include "platform/Zlib.h"
#include "sound/TXWaveBase.h"
#include "sound/WaveBaseFile.h"
#include "vocab/TBibliothek.h"
#include "vocab/lab/TThemenListe.h"
#include "vocab/verbs/TVerben.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

class ProgramObjectsTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_objects.SetCreatesRealObjects(true);
    }

    ProgramObjects m_objects;
};

TEST_F(ProgramObjectsTest, RecordingOnlyMakesNothingReal) {
    ProgramObjects recorder;
    recorder.CreateVocabularyLibrary();
    recorder.CreateThemeList();
    recorder.CreateDictionary();
    recorder.CreateRecordingIndex();
    recorder.EnsureQueryObjects();
    EXPECT_EQ(recorder.Library(), nullptr);
    EXPECT_EQ(recorder.Lab(), nullptr);
    EXPECT_EQ(recorder.Dictionary(), nullptr);
    EXPECT_EQ(recorder.WaveBase(), nullptr);
    EXPECT_EQ(recorder.EnsureVerbs(), nullptr);
    EXPECT_EQ(recorder.EnsureWaveRecorder(), nullptr);
    EXPECT_NE(recorder.RecentFiles(), nullptr);
}

TEST_F(ProgramObjectsTest, TheTrainingObjectsFillTheAttachedMainPage) {
    m_objects.CreateVocabularyLibrary();
    m_objects.CreateThemeList();
    m_objects.EnsureQueryObjects();
    ASSERT_NE(m_objects.Library(), nullptr);
    ASSERT_NE(m_objects.Lab(), nullptr);
    TVerben* verbs = m_objects.EnsureVerbs();
    ASSERT_NE(verbs, nullptr);
    EXPECT_EQ(m_objects.EnsureVerbs(), verbs);
    EXPECT_EQ(verbs->VerbCount(), 71);

    std::vector<std::string> calls;
    RecordingPage page(calls);
    m_objects.MainPage().Attach(page, nullptr, nullptr);
    m_objects.Lab()->ShowThemeList();
    verbs->ShowVerbList();
    m_objects.MainPage().Detach(page);
    EXPECT_NE(std::find(calls.begin(), calls.end(), "page.load laborliste.htx"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "page.load verbliste.htx"), calls.end());

    // The recent files belong to the library and go with it.
    m_objects.Library()->RememberRecentFile("a.asc");
    ASSERT_NE(m_objects.RecentFiles(), nullptr);
    EXPECT_EQ(m_objects.RecentFiles()->Item(0), "a.asc");
    m_objects.FreeVocabularyLibrary();
    m_objects.FreeQuerySettings();
    m_objects.FreeResourceObject();
    m_objects.FreeThemeList();
    EXPECT_EQ(m_objects.Library(), nullptr);
    EXPECT_EQ(m_objects.Lab(), nullptr);
    EXPECT_EQ(m_objects.RecentFiles(), nullptr);
}

TEST_F(ProgramObjectsTest, TheRecordingIndexIsLookedUpSavedAndForgotten) {
    std::vector<WaveBaseEntry> entries;
    entries.emplace_back("maison", "XF:\\W\\maison.wav");
    entries.emplace_back(std::string("tête (f)"_cp), "XF:\\W\\t.wav");
    const std::string indexFile = File("program/f_w.qor", EncodeWaveBase(entries));
    m_objects.CreateRecordingIndex();
    m_objects.LoadRecordingIndex(indexFile);
    ASSERT_NE(m_objects.WaveBase(), nullptr);
    ASSERT_NE(m_objects.Recordings(), nullptr);
    EXPECT_EQ(m_objects.Recordings()->Find("maison"), std::optional<std::string>("XF:\\W\\maison.wav"));
    EXPECT_EQ(m_objects.Recordings()->Find("tête"_cp), std::optional<std::string>("XF:\\W\\t.wav"));
    EXPECT_EQ(m_objects.Recordings()->Find("chat"), std::nullopt);
    // The word playback looks in the loaded index.
    EXPECT_EQ(CurrentRecordingIndex().Find("maison"), std::optional<std::string>("XF:\\W\\maison.wav"));

    EXPECT_FALSE(m_objects.RecordingIndexChanged());
    m_objects.WaveBase()->Add();
    m_objects.WaveBase()->SetCurrentText("chat");
    m_objects.WaveBase()->SetCurrentPath("XU:\\chat.wav");
    EXPECT_TRUE(m_objects.RecordingIndexChanged());
    m_objects.SaveRecordingIndex(EndQuestions::Ask);
    EXPECT_FALSE(m_objects.RecordingIndexChanged());
    std::vector<WaveBaseEntry> saved;
    ASSERT_TRUE(DecodeWaveBase(ReadFile("program/f_w.qor"), saved));
    EXPECT_EQ(saved.size(), 3u);

    m_objects.FreeRecordingIndex();
    EXPECT_EQ(m_objects.WaveBase(), nullptr);
    EXPECT_EQ(CurrentRecordingIndex().Find("maison"), std::nullopt);
}

TEST_F(ProgramObjectsTest, TheDictionaryLoadsBothHalves) {
    const std::string frenchGerman =
        File("program/f_d.qor", DeflateZlib(DictionaryContent({{"maison", "Haus", 1}})));
    const std::string germanFrench =
        File("program/d_f.qor",
             DeflateZlib(DictionaryContent({{"Haus", "maison (f)", 1}, {"Baum", "arbre (m)", 1}})));
    m_objects.CreateDictionary();
    m_objects.LoadDictionary(DictionaryDirection::GermanFrench, germanFrench);
    m_objects.LoadDictionary(DictionaryDirection::FrenchGerman, frenchGerman);
    TXDatabase* dictionary = m_objects.Dictionary();
    ASSERT_NE(dictionary, nullptr);
    EXPECT_EQ(dictionary->Count(), 1);
    EXPECT_EQ(dictionary->Vokabel(0), "maison");
    dictionary->SetDirection(DictionaryDirection::GermanFrench);
    EXPECT_EQ(dictionary->Count(), 2);
    EXPECT_TRUE(Messages().empty());
}

} // namespace
} // namespace qor::test
