#include "app/Beenden.h"

#include "app/RecentFilesStore.h"
#include "app/SettingsKeys.h"
#include "app/SettingsWrites.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "sound/WaveBaseExitSave.h"

#include <stdexcept>

namespace qor {

namespace {

void ProcessPendingUnlessTerminating(const EndOfProgram& end) {
    if (end.state == ApplicationState::Running && end.processPendingMessages)
        end.processPendingMessages();
}

void FreeObjects(LongLivedObjects& objects, RegistryStore& registry, const AppSettings& settings,
                 EndQuestions questions) {
    // The recent files belong to the library and leave with it.
    if (TLastFiles* recentFiles = objects.RecentFiles())
        WriteRecentFiles(registry, *recentFiles);
    // With questions, the editor has asked about its library before it closed.
    if (questions == EndQuestions::None)
        objects.SaveChangedLibrary();
    objects.FreeVocabularyLibrary();
    objects.FreeQuerySettings();
    objects.FreeResourceObject();
    objects.FreeThemeList();

    if (objects.RecordingIndexChanged() && !settings.writeProtection &&
        (questions == EndQuestions::None ||
         ShowAppMessage(RecordingIndexSaveQuestion(), kMbIconQuestion | kMbYesNo) == kIdYes))
        objects.SaveRecordingIndex(questions);

    SettingsWriter& writer = SettingsWrites();
    writer.WriteRegistryText(registry, kProductKey, "Online-Hilfe", settings.hintsOn ? "AN" : "AUS");
    if (objects.HasBackdrop())
        writer.WriteRegistryInteger(registry, kProductKey, "Hintergrund", objects.BackdropColour());

    objects.FreeRecordingIndex();
    objects.FreeOptions();
    objects.SaveUserDatabase(questions);
    objects.FreeUserDatabase();
    objects.FreeWaveRecorder();
    objects.SaveDictionary(registry, settings.writeProtection ? WriteProtection::On : WriteProtection::Off,
                           questions);
    if (objects.BackdropVisible())
        objects.FreeBackdrop();
}

} // namespace

std::string RecordingIndexSaveQuestion() {
    return WaveBaseChangedQuestion();
}

EndResult Beenden(const EndOfProgram& end, const AppSettings& settings) {
    if (!end.objects)
        throw std::invalid_argument("Beenden needs the long-lived objects");
    ProcessPendingUnlessTerminating(end);
    try {
        RegistryStore& registry = end.registry ? *end.registry : Registry(RegistryHive::LocalMachine);
        FreeObjects(*end.objects, registry, settings, end.questions);
    } catch (...) {
        ProcessPendingUnlessTerminating(end);
        return EndResult::Failed;
    }
    return EndResult::Completed;
}

EndResult Beenden(const EndOfProgram& end) {
    return Beenden(end, Settings());
}

} // namespace qor
