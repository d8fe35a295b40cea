#include "app/FileDialogAdapters.h"

#include "app/ProgramObjects.h"

namespace qor {

namespace {

FileChoiceRequest Request(std::string_view title, std::string_view proposedName, std::string_view filter) {
    FileChoiceRequest request;
    request.title = std::string(title);
    request.proposedName = std::string(proposedName);
    request.filter = std::string(filter);
    return request;
}

} // namespace

std::optional<std::string> FileChooserDictionaryDialogs::AskSavePath(std::string_view title,
                                                                     std::string_view proposedName,
                                                                     std::string_view filter) {
    return m_save.ChooseFile(Request(title, proposedName, filter));
}

std::optional<std::string> FileChooserDictionaryDialogs::AskOpenPath(std::string_view proposedName) {
    return m_open.ChooseFile(Request({}, proposedName, {}));
}

std::optional<std::string> FileChooserSaveFileService::Ask(const SaveFileRequest& request) {
    FileChoiceRequest choice;
    choice.startFolder = request.initialFolder;
    choice.proposedName = request.fileName;
    choice.filter = request.filter;
    return m_save.ChooseFile(choice);
}

std::optional<std::string> FileChooserWaveBaseSaveDialog::AskSaveFile(std::string_view title,
                                                                      std::string_view fileName,
                                                                      std::string_view filter) {
    return m_save.ChooseFile(Request(title, fileName, filter));
}

void EndSaveDialogs::ConnectTo(ProgramObjects& objects) {
    objects.SetDictionaryDialogs(&m_dictionary);
    objects.SetWaveBaseSaveDialog(&m_waveBase);
    objects.SetUserSaveChooser(&m_save);
}

} // namespace qor
