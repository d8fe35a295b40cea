#pragma once
// The file dialogs that the page commands and the recording index ask for, on the program's file
// choosers (the dialogs on screen, or a script's answers).

#include "app/CommandServices.h"
#include "app/DictionaryEndSave.h"
#include "settings/FileChooser.h"
#include "sound/WaveBaseExitSave.h"

namespace qor {

class FileChooserDictionaryDialogs : public DictionaryDialogs {
public:
    FileChooserDictionaryDialogs(FileChooser& open, FileChooser& save) : m_open(open), m_save(save) {}
    std::optional<std::string> AskSavePath(std::string_view title, std::string_view proposedName,
                                           std::string_view filter) override;
    std::optional<std::string> AskOpenPath(std::string_view proposedName) override;

private:
    FileChooser& m_open;
    FileChooser& m_save;
};

class FileChooserSaveFileService : public SaveFileService {
public:
    explicit FileChooserSaveFileService(FileChooser& save) : m_save(save) {}
    std::optional<std::string> Ask(const SaveFileRequest& request) override;

private:
    FileChooser& m_save;
};

class FileChooserWaveBaseSaveDialog : public WaveBaseSaveDialog {
public:
    explicit FileChooserWaveBaseSaveDialog(FileChooser& save) : m_save(save) {}
    std::optional<std::string> AskSaveFile(std::string_view title, std::string_view fileName,
                                           std::string_view filter) override;

private:
    FileChooser& m_save;
};

class ProgramObjects;

// The dialogs that the saves at the end of the program may need (another place for the dictionary,
// the recording index, the learner's record), on the program's two file choosers.
class EndSaveDialogs {
public:
    EndSaveDialogs(FileChooser& open, FileChooser& save)
        : m_dictionary(open, save), m_waveBase(save), m_save(save) {}
    EndSaveDialogs(const EndSaveDialogs&) = delete;
    EndSaveDialogs& operator=(const EndSaveDialogs&) = delete;
    // The objects keep using them until they are freed.
    void ConnectTo(ProgramObjects& objects);

private:
    FileChooserDictionaryDialogs m_dictionary;
    FileChooserWaveBaseSaveDialog m_waveBase;
    FileChooser& m_save;
};

} // namespace qor
