#include "app/PlaceholderObjects.h"

#include "app/AppSettings.h"
#include "platform/WinPath.h"
#include "users/TXUserBase.h"
#include "vocab/TBibliothek.h"

#include <stdexcept>

namespace qor {

std::string UserFolder(const AppSettings& settings) {
    if (!settings.userFolder.empty())
        return WithTrailingSeparator(settings.userFolder);
    return WithTrailingSeparator(settings.programFolder) + "Benutzer" + kPathSeparator;
}

PlaceholderObjects::PlaceholderObjects()
    : m_recentFiles(std::make_unique<TLastFiles>(
          [this] { return m_vocabulary ? m_vocabulary->FileName() : m_loadedLibraryFile; })) {}

PlaceholderObjects::~PlaceholderObjects() = default;

void PlaceholderObjects::Record(std::string call) {
    m_calls.push_back(call);
    if (!m_failAt.empty() && call.starts_with(m_failAt))
        throw std::runtime_error("placeholder failure at " + call);
}

void PlaceholderObjects::CreateVocabularyLibrary() {
    Record("CreateVocabularyLibrary");
    m_library = true;
    if (m_realLibrary)
        m_vocabulary = std::make_unique<TBibliothek>();
}

void PlaceholderObjects::CreateThemeList() {
    Record("CreateThemeList");
    m_themeList = true;
}

void PlaceholderObjects::CreateDictionary() {
    Record("CreateDictionary");
    m_dictionary = true;
}

void PlaceholderObjects::LoadDictionary(DictionaryDirection direction, const std::string& file) {
    Record("LoadDictionary " + std::to_string(static_cast<int>(direction)) + " " + file);
}

void PlaceholderObjects::CreateRecordingIndex() {
    Record("CreateRecordingIndex");
    m_recordingIndex = true;
}

void PlaceholderObjects::LoadRecordingIndex(const std::string& file) {
    Record("LoadRecordingIndex " + file);
}

void PlaceholderObjects::CreateUserDatabase() {
    Record("CreateUserDatabase");
    m_userDatabase = true;
    if (m_userDialogs != nullptr)
        m_users = std::make_unique<TXUserBase>(UserFolder(Settings()), *m_userDialogs);
    if (m_vocabulary)
        m_vocabulary->SetUserBase(m_users.get());
}

void PlaceholderObjects::RunLogIn() {
    Record("RunLogIn");
    if (m_users)
        m_users->RunLogIn();
}

void PlaceholderObjects::FreeVocabularyLibrary() {
    Record("FreeVocabularyLibrary");
    m_library = false;
    m_vocabulary.reset();
}

void PlaceholderObjects::FreeQuerySettings() {
    Record("FreeQuerySettings");
}

void PlaceholderObjects::FreeResourceObject() {
    Record("FreeResourceObject");
}

void PlaceholderObjects::FreeThemeList() {
    Record("FreeThemeList");
    m_themeList = false;
}

void PlaceholderObjects::SaveRecordingIndex() {
    Record("SaveRecordingIndex");
    m_recordingIndexChanged = false;
}

void PlaceholderObjects::FreeRecordingIndex() {
    Record("FreeRecordingIndex");
    m_recordingIndex = false;
}

void PlaceholderObjects::FreeOptions() {
    Record("FreeOptions");
}

void PlaceholderObjects::SaveUserDatabase() {
    Record("SaveUserDatabase");
    if (m_users && m_users->IsLoggedIn())
        m_users->SaveUser();
}

void PlaceholderObjects::FreeUserDatabase() {
    Record("FreeUserDatabase");
    m_userDatabase = false;
    if (m_vocabulary)
        m_vocabulary->SetUserBase(nullptr);
    m_users.reset();
}

void PlaceholderObjects::FreeWaveRecorder() {
    Record("FreeWaveRecorder");
}

void PlaceholderObjects::SetBackdrop(std::int32_t colour, bool visible) {
    m_backdrop = true;
    m_backdropColour = colour;
    m_backdropVisible = visible;
}

void PlaceholderObjects::FreeBackdrop() {
    Record("FreeBackdrop");
    m_backdrop = false;
}

} // namespace qor
