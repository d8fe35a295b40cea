#include "sound/WaveBaseExitSave.h"

#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"
#include "sound/TXWaveBase.h"

namespace qor {

std::string WaveBaseChangedQuestion() {
    return std::string("Die Datenbank für die Sprachaufnahmen wurde verändert.\n"
                       "Sollen diese Veränderungen gespeichert werden?"_cp);
}

ExitSaveResult SaveWaveBaseAtExit(TXWaveBase& base, WriteProtection protection, WaveBaseSaveDialog& dialog) {
    if (!base.Changed())
        return ExitSaveResult::Unchanged;
    if (protection == WriteProtection::On)
        return ExitSaveResult::WriteProtected;
    if (ShowAppMessage(WaveBaseChangedQuestion(), kMbYesNo | kMbIconQuestion) != kIdYes)
        return ExitSaveResult::Declined;
    return SaveAgreedWaveBase(base, dialog);
}

ExitSaveResult SaveAgreedWaveBase(TXWaveBase& base, WaveBaseSaveDialog& dialog) {
    base.Sort();
    std::string file = base.LoadedFrom();
    while (!base.Save(file)) {
        int again = ShowAppMessage("Die Datenbank für die Sprachaufnahmen konnte nicht gespeichert werden. \n"
                                   "Soll sie an einem anderen Ort gespeichert werden?\n\n"
                                   "Achtung: Bei Nein gehen alle Veränderungen verloren."_cp,
                                   kMbYesNo | kMbIconQuestion);
        if (again != kIdYes)
            return ExitSaveResult::GaveUp;
        auto chosen = dialog.AskSaveFile("Datenbank für die Sprachaufnahmen speichern"_cp, FileNamePart(file),
                                         "QOR Datenbank (*.qor)|*.qor)");
        if (!chosen || chosen->empty())
            return ExitSaveResult::GaveUp;
        file = *chosen;
        if (ExtensionPart(file).empty())
            file += ".qor";
    }
    ShowAppMessage("Die Datenbank für die Sprachaufnahmen wurde erfolgreich gespeichert."_cp,
                   kMbIconInformation);
    base.SetSavedTo(file);
    return ExitSaveResult::Saved;
}

} // namespace qor
