#include "app/FileDialogAdapters.h"

#include "app/ProgramObjects.h"

namespace qor {

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
    FileChoiceRequest choice;
    choice.title = std::string(title);
    choice.proposedName = std::string(fileName);
    choice.filter = std::string(filter);
    return m_save.ChooseFile(choice);
}

void EndSaveDialogs::ConnectTo(ProgramObjects& objects) {
    objects.SetDictionaryDialogs(&m_dictionary);
    objects.SetWaveBaseSaveDialog(&m_waveBase);
    objects.SetUserSaveChooser(&m_save);
}

} // namespace qor
