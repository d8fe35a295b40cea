#include "app/qt/QtSettingsDialogs.h"

#include "app/AppSettings.h"
#include "app/DataPath.h"
#include "app/FolderSettings.h"
#include "app/ProgramObjects.h"
#include "platform/AppMessage.h"
#include "platform/MediaCommands.h"
#include "settings/RecordingPrefixes.h"
#include "settings/TSuperOptions.h"
#include "settings/qt/QtFileChooser.h"
#include "settings/qt/TSuperSettingsDialog.h"
#include "settings/qt/TXPaths.h"
#include "sound/TXWaveBase.h"
#include "sound/qt/TRecSetup.h"
#include "sound/qt/TWaveDB.h"

#include <optional>

namespace qor {

namespace {

// The recording index as the paths dialog changes its own-recordings folder: every path in the
// old folder becomes relative to "XU:".
class WaveBasePrefixes : public RecordingPrefixes {
public:
    explicit WaveBasePrefixes(TXWaveBase& base) : m_base(base) {}
    bool AnyPathStartsWith(std::string_view prefix) const override {
        return m_base.AnyPathStartsWith(prefix);
    }
    int RebasePrefix(std::string_view from, std::string_view) override { return m_base.Rebase(from); }

private:
    TXWaveBase& m_base;
};

} // namespace

void QtSettingsDialogs::RecordingSettings() {
    tWaveRec* recorder = m_objects.EnsureWaveRecorder();
    if (!recorder)
        return;
    TRecSetup dialog(*recorder, m_parent);
    dialog.exec();
}

void QtSettingsDialogs::ManageRecording(const std::string& text, const std::string& file) {
    if (TXWaveBase* base = m_objects.WaveBase()) {
        base->PresetEntry(text, file);
        RecordingsManagement();
    }
}

void QtSettingsDialogs::RecordingsManagement() {
    TXWaveBase* base = m_objects.WaveBase();
    if (!base)
        return;
    WaveDBServices services;
    services.resolve = [](std::string_view path) { return ResolveDataPath(path).file; };
    services.ownRecordingsFolder = [] { return Settings().ownRecordingsFolder; };
    services.setOwnRecordingsFolder = [](const std::string& folder) {
        Settings().ownRecordingsFolder = folder;
        SaveFolderSettings(kSaveOwnRecordings);
    };
    QtFileChooser chooser(m_parent);
    services.chooseWaveFile = [&chooser]() {
        FileChoiceRequest request;
        request.proposedName = "*.wav";
        request.filter = "Wave (*.wav)|*.wav";
        return chooser.ChooseFile(request);
    };
    TWaveDB dialog(*base, CurrentMediaCommandSender(), services, m_parent);
    dialog.exec();
}

void QtSettingsDialogs::SuperlearningSettings() {
    TSuperOptions& options = m_objects.EnsureOptions();
    {
        SuperSettingsServices services;
        const auto firstTab =
            options.Integer(SuperInt::Modus) == 1 ? SuperSettingsTab::Abgedreht : SuperSettingsTab::Klassisch;
        TSuperSettingsDialog dialog(options, services, firstTab, m_parent);
        dialog.exec();
    }
    // Closing the dialog frees the options, which saves them when they changed.
    m_objects.FreeOptions();
}

void QtSettingsDialogs::DataPaths() {
    TXPathsServices services;
    std::optional<WaveBasePrefixes> prefixes;
    if (TXWaveBase* base = m_objects.WaveBase()) {
        prefixes.emplace(*base);
        services.recordings = &*prefixes;
    }
    services.saveFolderSettings = [](int mask) { SaveFolderSettings(mask); };
    TXPaths dialog(Settings(), services, m_parent);
    dialog.exec();
}

} // namespace qor
