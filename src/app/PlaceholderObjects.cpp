#include "app/PlaceholderObjects.h"

#include <stdexcept>

namespace qor {

PlaceholderObjects::PlaceholderObjects()
    : m_recentFiles(std::make_unique<TLastFiles>([this] { return m_loadedLibraryFile; })) {}

void PlaceholderObjects::Record(std::string call) {
    m_calls.push_back(call);
    if (!m_failAt.empty() && call.starts_with(m_failAt))
        throw std::runtime_error("placeholder failure at " + call);
}

void PlaceholderObjects::CreateVocabularyLibrary() {
    Record("CreateVocabularyLibrary");
    m_library = true;
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
}

void PlaceholderObjects::RunLogIn() {
    Record("RunLogIn");
}

void PlaceholderObjects::FreeVocabularyLibrary() {
    Record("FreeVocabularyLibrary");
    m_library = false;
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
}

void PlaceholderObjects::FreeUserDatabase() {
    Record("FreeUserDatabase");
    m_userDatabase = false;
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
