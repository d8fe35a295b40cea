#include "app/UserEndSave.h"

#include "app/RecoveryCopies.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"
#include "settings/FileChooser.h"
#include "users/TXUserBase.h"

namespace qor {

namespace {

// Asks for other places until one can be written; false when the learner gave up.
bool SaveElsewhere(TXUserBase& users, FileChooser& chooser) {
    const std::string data = "Die Daten von " + users.UserName();
    std::string failedPlace = users.UserFilePath();
    for (;;) {
        const std::string question =
            data + " konnten nicht in " + failedPlace +
            " gespeichert werden!\rSollen sie an einem anderen Ort gespeichert werden?";
        if (ShowAppMessage(question, kMbIconQuestion | kMbYesNo) != kIdYes)
            return false;
        FileChoiceRequest request;
        request.title = data + " speichern";
        request.proposedName = FileNamePart(users.UserFilePath());
        request.filter = "Benutzerdaten (*.qob)|*.qob";
        const std::optional<std::string> chosen = chooser.ChooseFile(request);
        if (!chosen)
            return false;
        if (WriteFileAtomically(NativePath(*chosen), users.CurrentUserFile())) {
            ShowAppMessage(data + " wurden in " + *chosen + " gespeichert.", kMbIconInformation);
            return true;
        }
        failedPlace = *chosen;
    }
}

} // namespace

void SaveUserAtEnd(TXUserBase& users, EndQuestions questions, FileChooser& chooser) {
    if (!users.IsLoggedIn() || users.TrySaveUser())
        return;
    if (questions == EndQuestions::Ask && SaveElsewhere(users, chooser))
        return;
    const std::string data = "Die Daten von " + users.UserName();
    const std::optional<std::string> copy =
        WriteRecoveryCopy(FileNamePart(users.UserFilePath()), users.CurrentUserFile());
    if (questions == EndQuestions::None) {
        if (copy)
            NoteRecoveryForNextStart(data, *copy);
        return;
    }
    if (copy)
        ShowAppMessage(data + " wurden in " + *copy +
                           " gesichert.\rUm sie weiter zu verwenden, kopieren Sie die Datei in das "
                           "Benutzer-Verzeichnis " +
                           users.UserFolder() + ".",
                       kMbIconExclamation);
    else
        ShowAppMessage(data + " konnten nirgends gespeichert werden und gehen verloren.", kMbIconError);
}

} // namespace qor
