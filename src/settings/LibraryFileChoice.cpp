#include "settings/LibraryFileChoice.h"

#include "platform/Cp1252.h"
#include "platform/WinPath.h"
#include "settings/FileChooser.h"

namespace qor {

std::optional<std::string> ChooseLibraryFile(FileChooser& chooser, std::string& vocabularyFolder,
                                             const std::function<void(const std::string&)>& changeFolder) {
    FileChoiceRequest request;
    request.startFolder = vocabularyFolder;
    request.filter = std::string(kLibraryOpenFilter);
    std::optional<std::string> file = chooser.ChooseFile(request);
    if (!file || file->empty())
        return std::nullopt;
    const std::string folder = FolderPart(*file);
    if (!SameTextInsensitive(WithTrailingSeparator(folder), WithTrailingSeparator(vocabularyFolder))) {
        vocabularyFolder = folder;
        if (changeFolder)
            changeFolder(folder);
    }
    return file;
}

} // namespace qor
