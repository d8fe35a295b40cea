#include "settings/PathsChoice.h"

#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"

namespace qor {

namespace {

bool EndsWithLower(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() && LowerCp1252(text.substr(text.size() - ending.size())) == ending;
}

std::string Normalised(std::string_view folder) {
    return WithTrailingSeparator(folder);
}

// Stores `entered` when it differs; true when it did.
bool Store(std::string& stored, const std::string& entered) {
    if (entered == stored)
        return false;
    std::string folder = Normalised(entered);
    if (folder == stored)
        return false;
    stored = std::move(folder);
    return true;
}

} // namespace

FileChoiceRequest PathsBrowseRequest(PathsBrowseField field, std::string_view fieldText) {
    FileChoiceRequest request;
    request.startFolder = std::string(fieldText);
    std::string folder = Normalised(fieldText);
    switch (field) {
    case PathsBrowseField::Wave:
        request.proposedName = folder + "QOR_F";
        break;
    case PathsBrowseField::OwnRecordings:
        request.proposedName = folder + "*.wav";
        break;
    case PathsBrowseField::User:
        request.proposedName = folder + "*.txt";
        break;
    }
    if (EndsWithLower(request.proposedName, ".wav"))
        request.filter = "Wav-Dateien (*.wav)|*.WAV";
    else if (EndsWithLower(request.proposedName, ".exe"))
        request.filter = "Programme  (*.exe)|*.exe";
    return request;
}

std::optional<std::string> AcceptPathsChoice(PathsBrowseField field, std::string_view fieldText,
                                             std::string_view chosenFile) {
    if (chosenFile == fieldText)
        return std::nullopt;
    std::string folder = FolderPart(chosenFile);
    switch (field) {
    case PathsBrowseField::Wave:
        if (FileExists(folder + "QOR_F"))
            return folder;
        break;
    case PathsBrowseField::OwnRecordings:
        if (FileExists(chosenFile) && LowerCp1252(ExtensionPart(chosenFile)) == ".wav")
            return folder;
        break;
    case PathsBrowseField::User:
        if (FileExists(chosenFile))
            return folder;
        break;
    }
    return std::nullopt;
}

int ApplyPathsDialog(PathFolders& stored, const PathFolders& entered, RecordingPrefixes* recordings,
                     const std::function<void(int mask)>& saveFolderSettings) {
    int mask = 0;
    if (Store(stored.ownRecordings, entered.ownRecordings)) {
        mask |= kPathsMaskOwnRecordings;
        const std::string& folder = stored.ownRecordings;
        if (recordings && !folder.empty() && recordings->AnyPathStartsWith(folder)) {
            // Named first: clang 14 crashes on a converted literal used straight in the sum.
            constexpr std::string_view kQuestionStart =
                "Sollen in der Verwaltung der Sprachaufnahmen alle Verknüpfungen\rmit Dateien "
                "in dem Verzeichnis "_cp;
            std::string question(kQuestionStart);
            question += folder;
            question += " durch den Alias \"XU:\"\rersetzt werden (empfohlen)?";
            if (ShowAppMessage(question, kMbIconQuestion | kMbOkCancel) == kIdOk) {
                int changed = recordings->RebasePrefix(folder, "XU:");
                constexpr std::string_view kChanged = " Einträge wurden geändert."_cp;
                ShowAppMessage(std::to_string(changed) + std::string(kChanged), 0);
            }
        }
    }
    if (Store(stored.wave, entered.wave))
        mask |= kPathsMaskWave;
    if (Store(stored.business, entered.business))
        mask |= kPathsMaskBusiness;
    if (Store(stored.law, entered.law))
        mask |= kPathsMaskLaw;
    if (Store(stored.user, entered.user)) {
        ShowAppMessage(
            "Achtung: Das neue Benutzer-Verzeichnis ist erst ab dem nächsten Programmstart aktiv!"_cp, 0);
        mask |= kPathsMaskUser;
    }
    if (mask != 0 && saveFolderSettings)
        saveFolderSettings(mask);
    return mask;
}

} // namespace qor
