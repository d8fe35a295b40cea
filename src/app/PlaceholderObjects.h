#pragma once
// Long-lived objects that record what was asked of them. The user database is real once the
// front end has given it its dialogs; the library, dictionary and recording index only record
// until the real ones take their place.

#include "app/LongLivedObjects.h"

#include <memory>
#include <string>
#include <vector>

namespace qor {

struct AppSettings;
class TBibliothek;
class TXUserBase;
class UserDialogs;

// The user folder: the one set in qor.ini, otherwise "Benutzer" in the program folder.
std::string UserFolder(const AppSettings& settings);

class PlaceholderObjects : public LongLivedObjects {
public:
    PlaceholderObjects();
    ~PlaceholderObjects() override;

    // The dialogs the user database shows (not owned); without them it is not created.
    void SetUserDialogs(UserDialogs* dialogs) { m_userDialogs = dialogs; }
    // The user database while it exists.
    TXUserBase* Users() { return m_users.get(); }
    // Whether CreateVocabularyLibrary makes the real library (the program) or only records (tests).
    void SetCreatesLibrary(bool real) { m_realLibrary = real; }
    // The vocabulary library while it exists.
    TBibliothek* Library() { return m_vocabulary.get(); }

    void CreateVocabularyLibrary() override;
    void CreateThemeList() override;
    void CreateDictionary() override;
    void LoadDictionary(DictionaryDirection direction, const std::string& file) override;
    void CreateRecordingIndex() override;
    void LoadRecordingIndex(const std::string& file) override;
    void CreateUserDatabase() override;
    void RunLogIn() override;

    TLastFiles* RecentFiles() override { return m_library ? m_recentFiles.get() : nullptr; }
    const RecordingIndex* Recordings() const override { return m_recordingIndex ? &m_recordings : nullptr; }

    void FreeVocabularyLibrary() override;
    void FreeQuerySettings() override;
    void FreeResourceObject() override;
    void FreeThemeList() override;
    bool RecordingIndexChanged() const override { return m_recordingIndex && m_recordingIndexChanged; }
    void SaveRecordingIndex() override;
    void FreeRecordingIndex() override;
    void FreeOptions() override;
    void SaveUserDatabase() override;
    void FreeUserDatabase() override;
    void FreeWaveRecorder() override;

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
    bool m_realLibrary = false;
    std::unique_ptr<TBibliothek> m_vocabulary;
    bool m_backdrop = false;
    bool m_backdropVisible = false;
    std::int32_t m_backdropColour = 0;
};

} // namespace qor
