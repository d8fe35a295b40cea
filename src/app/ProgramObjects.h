#pragma once
// The program's long-lived objects. Every call is recorded, so that the start-up and the end of
// the program can be tested for their order alone. The user database is real once the front end
// has given it its dialogs; the training objects (library, query settings, built-in list, language
// lab, verb trainer) are real when asked for with SetCreatesRealObjects. The dictionary and the
// recording index only record until the real ones take their place.

#include "app/LongLivedObjects.h"
#include "app/MainPageLink.h"

#include <memory>
#include <string>
#include <vector>

namespace qor {

struct AppSettings;
class DictionaryDialogs;
class FileChooser;
class TBibliothek;
class IntervalTimer;
class TRes;
class TSuperOptions;
class TThemenListe;
class TVerben;
class TVocEinstellungen;
class TXDatabase;
class TXUserBase;
class TXWaveBase;
class UserDialogs;
class WaveBaseRecordingIndex;
class WaveBaseSaveDialog;
class tWaveRec;

// The user folder: the one set in qor.ini, otherwise "Benutzer" in the program folder.
std::string UserFolder(const AppSettings& settings);

class ProgramObjects : public LongLivedObjects {
public:
    ProgramObjects();
    ~ProgramObjects() override;

    // The dialogs the user database shows (not owned); without them it is not created.
    void SetUserDialogs(UserDialogs* dialogs) { m_userDialogs = dialogs; }
    // The user database while it exists.
    TXUserBase* Users() { return m_users.get(); }
    // Whether the training objects are made for real (the program) or only recorded (tests).
    void SetCreatesRealObjects(bool real) { m_realObjects = real; }
    // The vocabulary library while it exists.
    TBibliothek* Library() { return m_vocabulary.get(); }
    // The language lab while it exists.
    TThemenListe* Lab() { return m_lab.get(); }
    // The page the training objects fill; the main window shown now attaches itself.
    MainPageLink& MainPage() { return m_mainPage; }
    // The main window makes the query settings, the built-in list and the verb trainer when they
    // do not exist yet; they are null while only recording.
    void EnsureQueryObjects();
    TVerben* EnsureVerbs();
    // The superlearning options, made when first needed (the program's, also while recording).
    TSuperOptions& EnsureOptions();
    // The program-wide recorder of the recording settings, made when first needed; null without
    // the timer it polls with (not owned, set by the front end).
    void SetRecorderTimer(IntervalTimer* timer) { m_recorderTimer = timer; }
    tWaveRec* EnsureWaveRecorder();

    void CreateVocabularyLibrary() override;
    void CreateThemeList() override;
    void CreateDictionary() override;
    void LoadDictionary(DictionaryDirection direction, const std::string& file) override;
    void CreateRecordingIndex() override;
    void LoadRecordingIndex(const std::string& file) override;
    void CreateUserDatabase() override;
    void RunLogIn() override;

    TLastFiles* RecentFiles() override;
    const RecordingIndex* Recordings() const override;
    // The real dictionary while it exists.
    TXDatabase* Dictionary() { return m_dictionaryObject.get(); }
    // The file dialogs of the dictionary's saves; without them every dialog counts as cancelled.
    void SetDictionaryDialogs(DictionaryDialogs* dialogs) { m_dictionaryDialogs = dialogs; }
    // The real recording index while it exists.
    TXWaveBase* WaveBase() { return m_waveBase.get(); }
    // Where the recording index may be saved when its own file cannot be written (not owned;
    // without it the learner can only give up).
    void SetWaveBaseSaveDialog(WaveBaseSaveDialog* dialog) { m_waveBaseSaveDialog = dialog; }
    // Where the learner's record may be saved when the user folder cannot be written at the end
    // (not owned; without it the record goes to the recovery folder at once).
    void SetUserSaveChooser(FileChooser* chooser) { m_userSaveChooser = chooser; }

    void SaveChangedLibrary() override;
    void FreeVocabularyLibrary() override;
    void FreeQuerySettings() override;
    void FreeResourceObject() override;
    void FreeThemeList() override;
    bool RecordingIndexChanged() const override;
    void SaveRecordingIndex(EndQuestions questions) override;
    void FreeRecordingIndex() override;
    void FreeOptions() override;
    void SaveUserDatabase(EndQuestions questions) override;
    void FreeUserDatabase() override;
    void FreeWaveRecorder() override;
    void SaveDictionary(RegistryStore& registry, WriteProtection protection, EndQuestions questions) override;

    bool HasBackdrop() const override { return m_backdrop; }
    std::int32_t BackdropColour() const override { return m_backdropColour; }
    bool BackdropVisible() const override { return m_backdrop && m_backdropVisible; }
    void FreeBackdrop() override;

    bool HasLibrary() const { return m_library; }
    bool HasThemeList() const { return m_themeList; }
    bool HasDictionary() const { return m_dictionary; }
    bool HasRecordingIndex() const { return m_recordingIndex; }
    bool HasUserDatabase() const { return m_userDatabase; }

    // What was asked, in order: "CreateDictionary", "LoadDictionary 1 <file>", "FreeBackdrop", ...
    const std::vector<std::string>& Calls() const { return m_calls; }

    // Setting the scene (tests, and the main window until it owns the real objects).
    void SetLoadedLibraryFile(std::string file) { m_loadedLibraryFile = std::move(file); }
    void SetRecordingIndexChanged(bool changed) { m_recordingIndexChanged = changed; }
    void SetBackdrop(std::int32_t colour, bool visible);
    void AddRecording(std::string text, std::string path) {
        m_recordings.Add(std::move(text), std::move(path));
    }
    // The call of this name throws, to try the error guard of Beenden.
    void FailAt(std::string call) { m_failAt = std::move(call); }

private:
    void Record(std::string call);

    std::vector<std::string> m_calls;
    std::string m_failAt;
    std::string m_loadedLibraryFile;
    std::unique_ptr<TLastFiles> m_recentFiles;
    FixedRecordingIndex m_recordings;
    bool m_library = false;
    bool m_themeList = false;
    bool m_dictionary = false;
    bool m_recordingIndex = false;
    bool m_recordingIndexChanged = false;
    bool m_userDatabase = false;
    UserDialogs* m_userDialogs = nullptr;
    std::unique_ptr<TXUserBase> m_users;
    bool m_realObjects = false;
    MainPageLink m_mainPage;
    std::unique_ptr<TBibliothek> m_vocabulary;
    std::unique_ptr<TVocEinstellungen> m_querySettings;
    std::unique_ptr<TRes> m_builtInList;
    std::unique_ptr<TThemenListe> m_lab;
    std::unique_ptr<TVerben> m_verbs;
    std::unique_ptr<TSuperOptions> m_options;
    IntervalTimer* m_recorderTimer = nullptr;
    std::unique_ptr<tWaveRec> m_waveRecorder;
    std::unique_ptr<TXDatabase> m_dictionaryObject;
    DictionaryDialogs* m_dictionaryDialogs = nullptr;
    std::unique_ptr<TXWaveBase> m_waveBase;
    std::unique_ptr<WaveBaseRecordingIndex> m_waveBaseIndex;
    WaveBaseSaveDialog* m_waveBaseSaveDialog = nullptr;
    FileChooser* m_userSaveChooser = nullptr;
    bool m_backdrop = false;
    bool m_backdropVisible = false;
    std::int32_t m_backdropColour = 0;
};

} // namespace qor
