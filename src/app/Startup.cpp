#include "app/Startup.h"

#include "app/AppSettings.h"
#include "app/IniSettings.h"
#include "app/MainBlock.h"
#include "app/SettingsKeys.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "platform/Shell.h"
#include "platform/WinPath.h"

#include <stdexcept>

namespace qor {

namespace {

// The last three lines of both display messages.
std::string DisplayTip() {
    return std::string("Tip:\r"
                       "Bei den meisten Grafikkarten ändert man die Auflösung in der\r"
                       "Systemsteuerung unter \"Anzeige\" auf Seite \"Einstellungen\"."_cp);
}

bool DisplayAccepted(const ScreenInfo& screen, StartupResult& refusal) {
    if (screen.bitsPerPixel <= 8) {
        ShowAppMessage(TooFewColoursMessage(), kMbIconError);
        refusal = StartupResult::TooFewColours;
        return false;
    }
    if (screen.width < 800 || screen.height < 600) {
        ShowAppMessage(ScreenTooSmallMessage(), kMbIconError);
        refusal = StartupResult::ScreenTooSmall;
        return false;
    }
    return true;
}

bool DataFilesExist(const AppSettings& settings) {
    return FileExists(settings.frenchGermanFile) && FileExists(settings.germanFrenchFile) &&
           FileExists(settings.recordingIndexFile);
}

void LoadDataObjects(const AppSettings& settings, LongLivedObjects& objects) {
    objects.CreateDictionary();
    objects.LoadDictionary(DictionaryDirection::GermanFrench, settings.germanFrenchFile);
    objects.LoadDictionary(DictionaryDirection::FrenchGerman, settings.frenchGermanFile);
    objects.CreateRecordingIndex();
    objects.LoadRecordingIndex(settings.recordingIndexFile);
    objects.CreateUserDatabase();
}

void CreateRequestedShortcuts(const StartupEnvironment& environment) {
    ShellLinkCreator create = environment.createShellLink;
    if (!create)
        create = [](std::string_view program, std::string_view title, int place) {
            return CreateShellLink(program, title, place);
        };
    if (ShowAppMessage(ShortcutQuestion(), kMbIconQuestion | kMbYesNo) == kIdYes)
        create(environment.programFile, kApplicationTitle, kDesktopPlace);
    create(environment.programFile, kApplicationTitle, kProgramsMenuPlace);
}

} // namespace

std::string TooFewColoursMessage() {
    return std::string("Nicht genug Farben!\r"
                       "\r"
                       "*qor französisch benötigt mehr als 256 Farben bei einer Auflösung\r"
                       "von (mindestens) 800 x 600 Pixel. Bitte ändern Sie die Farben\r"
                       "auf High Color (16 Bit) oder True-Color (24 bzw. 32 Bit).\r"
                       "\r"_cp) +
           DisplayTip();
}

std::string ScreenTooSmallMessage() {
    return std::string("Zu geringe Auflösung!\r"
                       "\r"
                       "*qor französisch benötigt eine Auflösung von 800 x 600 Pixel\r"
                       "bei mehr als 256 Farben (High Color oder True Color).\r"
                       "Bitte ändern Sie die Auflösung auf 800 x 600 Pixel.\r"
                       "\r"_cp) +
           DisplayTip();
}

std::string IncompleteInstallationMessage() {
    return std::string(
        "*qor französisch kann nicht gestartet werden!\nDie Installation ist unvollständig."_cp);
}

std::string ShortcutQuestion() {
    return std::string("Soll eine Verknüpfung mit qor französisch auf dem Desktop erzeugt werden?"_cp);
}

StartupResult RunStartupSequence(const StartupEnvironment& environment) {
    if (!environment.screen || !environment.objects)
        throw std::invalid_argument("RunStartupSequence needs a screen and the long-lived objects");
    LongLivedObjects& objects = *environment.objects;
    RegistryStore& registry =
        environment.registry ? *environment.registry : Registry(RegistryHive::LocalMachine);

    AppSettings& settings = Settings();
    settings = AppSettings{};
    SetProgramFile(settings, environment.programFile);
    settings.editorMode = IsEditorModeArgument(environment.arguments);

    SeedRandomFromClock();
    objects.CreateVocabularyLibrary();
    objects.CreateThemeList();

    StartupResult refusal = StartupResult::Started;
    if (!DisplayAccepted(environment.screen->PrimaryScreen(), refusal))
        return refusal;

    settings.shortcutRequest = IsRegisterArgument(environment.arguments);
    if (!IsNetworkPath(environment.programFile))
        ReadQorIni(settings);
    DriveRootsProvider driveRoots =
        environment.driveRoots ? environment.driveRoots : DriveRootsProvider(DriveRoots);
    ReadRegistrySettings(settings, registry, driveRoots, objects.RecentFiles());

    if (settings.pageRoot.empty() || settings.vocabularyRoot.empty()) {
        ShowAppMessage(IncompleteInstallationMessage(), kMbIconError);
        return StartupResult::IncompleteInstallation;
    }
    if (!DataFilesExist(settings))
        return StartupResult::DataFileMissing;

    LoadDataObjects(settings, objects);
    if (!settings.editorMode)
        objects.RunLogIn();
    if (settings.shortcutRequest)
        CreateRequestedShortcuts(environment);
    return StartupResult::Started;
}

} // namespace qor
