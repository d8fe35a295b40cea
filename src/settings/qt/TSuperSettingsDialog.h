#pragma once
// "QOR Superlearning - Einstellungen": one tab per presentation style and one for the music. The
// dialog edits a TSuperOptions that its caller owns (and frees after the dialog closed, which saves
// it when changed).

#include "platform/MediaCommands.h"
#include "settings/FileChooser.h"
#include "settings/TSuperOptions.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;

namespace qor {

struct SuperSettingsServices {
    FileChooser* chooser = nullptr;      // null: the open-file dialog on screen
    MediaCommandSender* media = nullptr; // null: the program's current sender
    // The colour chooser: takes and gives a Windows colour; nothing when cancelled. Null: Qt's.
    std::function<std::optional<std::int32_t>(std::int32_t)> chooseColour;
    // Shows the techno preview's page text (the application puts a page control there).
    std::function<void(const std::string& markup)> showPreview;
    std::vector<std::string> fonts; // the installed fonts offered; empty: the usual ones found installed
    char decimalSeparator = ',';
};

// The tab that opens first: the one of the fading mode.
enum class SuperSettingsTab { Klassisch = 0, Abgedreht = 1 };

class TSuperSettingsDialog : public QDialog {
    Q_OBJECT
public:
    TSuperSettingsDialog(TSuperOptions& options, SuperSettingsServices services,
                         SuperSettingsTab firstTab = SuperSettingsTab::Klassisch, QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return m_tabs; }
    // Controls by object name ("sKlassik", "eMP3", "rbMP3", ...), for the tests and the application.
    template <class T> T* Control(const char* name) const { return findChild<T*>(QString::fromLatin1(name)); }
    const std::string& PreviewMarkup() const { return m_preview; }

    // The three buttons.
    void Ok();
    void Cancel();
    void Reset();
    // "Testen" of the audio tab.
    void TestMusic();

private:
    void BuildKlassisch();
    void BuildAbgedreht();
    void BuildTechnoOptik();
    void BuildTechnoAnimation();
    void BuildDD();
    void BuildVegas();
    void BuildAudio();
    void FillControls();
    void StoreControls();
    void UpdateLabels();
    void UpdatePreview();
    void StopTestMusic();
    void BrowsePictures();
    void BrowseMp3();
    void PickColour(QPushButton* button);
    MediaCommandSender& Media() const;

    TSuperOptions& m_options;
    SuperSettingsServices m_services;
    QTabWidget* m_tabs;
    std::string m_preview;
    bool m_filling = false;
};

} // namespace qor
