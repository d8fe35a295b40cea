#include "app/ProgramObjects.h"

#include "app/AppSettings.h"
#include "app/DataPath.h"
#include "app/DictionaryEndSave.h"
#include "app/PageCommand.h"
#include "app/RecordingPlayback.h"
#include "app/RecoveryCopies.h"
#include "app/UserEndSave.h"
#include "app/WaveBaseRecordingIndex.h"
#include "dictionary/TXDatabase.h"
#include "platform/Cp1252.h"
#include "platform/MediaCommands.h"
#include "platform/RegistryStore.h"
#include "platform/WinPath.h"
#include "settings/FileChooser.h"
#include "settings/TSuperOptions.h"
#include "sound/TXWaveBase.h"
#include "sound/WaveBaseExitSave.h"
#include "sound/WaveBaseFile.h"
#include "sound/tWaveRec.h"
#include "users/TXUserBase.h"
#include "vocab/TBibliothek.h"
#include "vocab/TRes.h"
#include "vocab/TVocEinstellungen.h"
#include "vocab/lab/TThemenListe.h"
#include "vocab/verbs/TVerben.h"

#include <stdexcept>

namespace qor {

std::string UserFolder(const AppSettings& settings) {
    if (!settings.userFolder.empty())
        return WithTrailingSeparator(settings.userFolder);
    return WithTrailingSeparator(settings.programFolder) + "Benutzer" + kPathSeparator;
}

ProgramObjects::ProgramObjects()
    : m_recentFiles(std::make_unique<TLastFiles>(
          [this] { return m_vocabulary ? m_vocabulary->FileName() : m_loadedLibraryFile; })) {}

ProgramObjects::~ProgramObjects() = default;

TLastFiles* ProgramObjects::RecentFiles() {
    if (m_vocabulary)
        return &m_vocabulary->RecentFiles();
    return m_library ? m_recentFiles.get() : nullptr;
}

void ProgramObjects::EnsureQueryObjects() {
    if (!m_vocabulary)
        return;
    if (!m_querySettings) {
        m_querySettings = std::make_unique<TVocEinstellungen>();
        // The learner's stored choices (gap sentences, idioms, the highest score) hold from the
        // first query on, not only once the options window has been opened.
        m_querySettings->ReadOnce(Registry(RegistryHive::LocalMachine));
        m_vocabulary->SetSettings(m_querySettings.get());
    }
    if (!m_builtInList) {
        m_builtInList = std::make_unique<TRes>();
        m_builtInList->Load();
        m_vocabulary->SetBuiltInList(m_builtInList.get());
    }
}

TVerben* ProgramObjects::EnsureVerbs() {
    if (!m_verbs && m_realObjects)
        m_verbs = CreateVerben(&m_mainPage);
    return m_verbs.get();
}

void ProgramObjects::Record(std::string call) {
    m_calls.push_back(call);
    if (!m_failAt.empty() && call.starts_with(m_failAt))
        throw std::runtime_error("injected failure at " + call);
}

void ProgramObjects::CreateVocabularyLibrary() {
    Record("CreateVocabularyLibrary");
    m_library = true;
    if (!m_realObjects)
        return;
    m_vocabulary = std::make_unique<TBibliothek>();
    m_vocabulary->SetPage(&m_mainPage);
    m_vocabulary->SetRecordingLookup([](std::string_view text) { return ListenTarget(text); });
}

void ProgramObjects::CreateThemeList() {
    Record("CreateThemeList");
    m_themeList = true;
    if (m_realObjects)
        m_lab = CreateThemenListe(&m_mainPage,
                                  [](std::string_view stored) { return ResolveDataPath(stored).file; });
}

void ProgramObjects::CreateDictionary() {
    Record("CreateDictionary");
    m_dictionary = true;
    if (!m_realObjects)
        return;
    m_dictionaryObject = std::make_unique<TXDatabase>();
    m_dictionaryObject->SetRecordingLookup([](std::string_view text) { return ListenTarget(text); });
}

void ProgramObjects::LoadDictionary(DictionaryDirection direction, const std::string& file) {
    Record("LoadDictionary " + std::to_string(static_cast<int>(direction)) + " " + file);
    if (m_dictionaryObject) {
        m_dictionaryObject->SetDirection(direction);
        m_dictionaryObject->Load(file);
    }
}

namespace {

// Without a front end to ask, the alternative place is never found and the learner gives up.
class NoSaveDialog : public WaveBaseSaveDialog {
public:
    std::optional<std::string> AskSaveFile(std::string_view, std::string_view, std::string_view) override {
        return std::nullopt;
    }
};

class CancelledFileChooser : public FileChooser {
public:
    std::optional<std::string> ChooseFile(const FileChoiceRequest&) override { return std::nullopt; }
};

} // namespace

void ProgramObjects::CreateRecordingIndex() {
    Record("CreateRecordingIndex");
    m_recordingIndex = true;
    if (m_realObjects) {
        m_waveBase = std::make_unique<TXWaveBase>();
        m_waveBaseIndex = std::make_unique<WaveBaseRecordingIndex>(*m_waveBase);
    }
}

void ProgramObjects::LoadRecordingIndex(const std::string& file) {
    Record("LoadRecordingIndex " + file);
    if (m_waveBase) {
        m_waveBase->Load(file);
        SetCurrentRecordingIndex(m_waveBaseIndex.get());
    }
}

const RecordingIndex* ProgramObjects::Recordings() const {
    if (m_waveBaseIndex)
        return m_waveBaseIndex.get();
    return m_recordingIndex ? &m_recordings : nullptr;
}

bool ProgramObjects::RecordingIndexChanged() const {
    if (m_waveBase)
        return m_waveBase->Changed();
    return m_recordingIndex && m_recordingIndexChanged;
}

void ProgramObjects::CreateUserDatabase() {
    Record("CreateUserDatabase");
    m_userDatabase = true;
    if (m_userDialogs != nullptr)
        m_users = std::make_unique<TXUserBase>(UserFolder(Settings()), *m_userDialogs);
    if (m_vocabulary)
        m_vocabulary->SetUserBase(m_users.get());
}

void ProgramObjects::RunLogIn() {
    Record("RunLogIn");
    if (m_users)
        m_users->RunLogIn();
}

void ProgramObjects::SaveChangedLibrary() {
    Record("SaveChangedLibrary");
    if (!m_vocabulary || !m_vocabulary->Changed())
        return;
    if (!m_vocabulary->FileName().empty() && m_vocabulary->Save())
        return;
    std::string name = FileNamePart(m_vocabulary->FileName());
    if (name.empty())
        name = std::string(kUnnamedLibrary);
    if (auto copy = WriteRecoveryCopy(name, m_vocabulary->AscText()))
        NoteRecoveryForNextStart(m_vocabulary->FileName().empty()
                                     ? std::string("Die Bibliothek ohne Namen")
                                     : "Die Bibliothek " + m_vocabulary->FileName(),
                                 *copy);
}

void ProgramObjects::FreeVocabularyLibrary() {
    Record("FreeVocabularyLibrary");
    m_library = false;
    m_vocabulary.reset();
    // The verb trainer goes with the training objects; it keeps nothing that needs saving.
    m_verbs.reset();
}

void ProgramObjects::FreeQuerySettings() {
    Record("FreeQuerySettings");
    m_querySettings.reset();
}

void ProgramObjects::FreeResourceObject() {
    Record("FreeResourceObject");
    m_builtInList.reset();
}

void ProgramObjects::FreeThemeList() {
    Record("FreeThemeList");
    m_themeList = false;
    m_lab.reset();
}

void ProgramObjects::SaveRecordingIndex(EndQuestions questions) {
    Record("SaveRecordingIndex");
    m_recordingIndexChanged = false;
    if (!m_waveBase)
        return;
    if (questions == EndQuestions::Ask) {
        NoSaveDialog noDialog;
        SaveAgreedWaveBase(*m_waveBase, m_waveBaseSaveDialog ? *m_waveBaseSaveDialog : noDialog);
        return;
    }
    m_waveBase->Sort();
    if (m_waveBase->Save(m_waveBase->LoadedFrom()))
        return;
    std::string name = FileNamePart(m_waveBase->LoadedFrom());
    if (auto copy = WriteRecoveryCopy(name.empty() ? std::string("f_w.qor") : name,
                                      EncodeWaveBase(m_waveBase->Entries())))
        NoteRecoveryForNextStart("Die Datenbank für die Sprachaufnahmen"_cp, *copy);
}

void ProgramObjects::FreeRecordingIndex() {
    Record("FreeRecordingIndex");
    m_recordingIndex = false;
    if (m_waveBase) {
        SetCurrentRecordingIndex(nullptr);
        StoreWaveBaseLocation(*m_waveBase, Registry(RegistryHive::LocalMachine));
        m_waveBaseIndex.reset();
        m_waveBase.reset();
    }
}

TSuperOptions& ProgramObjects::EnsureOptions() {
    if (!m_options) {
        const AppSettings& settings = Settings();
        SuperOptionsEnvironment environment;
        environment.programFolder = WithTrailingSeparator(settings.programFolder);
        environment.pageRoot = settings.pageRoot;
        environment.waveFolder = settings.waveFolder;
        m_options = std::make_unique<TSuperOptions>(Registry(RegistryHive::LocalMachine), environment);
    }
    return *m_options;
}

tWaveRec* ProgramObjects::EnsureWaveRecorder() {
    if (!m_waveRecorder && m_recorderTimer)
        m_waveRecorder = std::make_unique<tWaveRec>(CurrentMediaCommandSender(), *m_recorderTimer,
                                                    Registry(RegistryHive::LocalMachine));
    return m_waveRecorder.get();
}

void ProgramObjects::FreeOptions() {
    Record("FreeOptions");
    // Saves them when they changed.
    m_options.reset();
}

void ProgramObjects::SaveUserDatabase(EndQuestions questions) {
    Record("SaveUserDatabase");
    if (!m_users)
        return;
    CancelledFileChooser noChooser;
    SaveUserAtEnd(*m_users, questions, m_userSaveChooser ? *m_userSaveChooser : noChooser);
}

void ProgramObjects::FreeUserDatabase() {
    Record("FreeUserDatabase");
    m_userDatabase = false;
    if (m_vocabulary)
        m_vocabulary->SetUserBase(nullptr);
    m_users.reset();
}

void ProgramObjects::FreeWaveRecorder() {
    Record("FreeWaveRecorder");
    // Closes the device and keeps the recording format.
    m_waveRecorder.reset();
}

void ProgramObjects::SaveDictionary(RegistryStore& registry, WriteProtection protection,
                                    EndQuestions questions) {
    Record("SaveDictionary");
    if (!m_dictionaryObject)
        return;
    CancelledDictionaryDialogs noDialogs;
    SaveDictionaryAtEnd(*m_dictionaryObject, protection,
                        m_dictionaryDialogs ? *m_dictionaryDialogs : noDialogs, registry, questions);
}

void ProgramObjects::SetBackdrop(std::int32_t colour, bool visible) {
    m_backdrop = true;
    m_backdropColour = colour;
    m_backdropVisible = visible;
}

void ProgramObjects::FreeBackdrop() {
    Record("FreeBackdrop");
    m_backdrop = false;
}

} // namespace qor
