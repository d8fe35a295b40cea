#pragma once
// "qor französisch - Einstellungen für den Vokabeltrainer": the full-window screen on which the
// learner loads and inspects a library and sets up the query before starting it, a presentation
// style or the editor. The controls lie on the page "voc_opt1.htx"; what they show comes from
// VocOptionenLogic, what they change goes straight into the query settings.
//
// Index:
//   [Building]  controls, page and navigation bar (TVocOptionen.cpp), menus (TVocOptionenMenus.cpp)
//   [Display]   the full display and the activity display (TVocOptionen.cpp)
//   [Files]     library commands (TVocOptionenMenus.cpp)
//   [Leaving]   the checks before each way out (TVocOptionenMenus.cpp)

#include "platform/qt/NamedActions.h"
#include "settings/qt/QtFileChooser.h"

#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QSlider;

namespace qor {

class PrintService;
class RegistryStore;
class TBibliothek;
class TFrNavigation;
class TVocEinstellungen;
class TXListBox;
class TXPage;
class TXUserBase;
enum class LoadMode;

// The program's settings dialogs that the window's "Optionen" menu opens.
enum class OptionsSettingsDialog { Superlearning, RecordingFormat, RecordingsManagement };

// Where the learner left to. The window has checked that the way is open and has written the
// query settings; the program around it makes the next window and releases this one.
enum class OptionsExit { Home, Editor, Query, Klassisch, Abgedreht, Techno, SuperDD };

struct VocOptionenSetup {
    TBibliothek* library = nullptr;        // required; its settings are `settings` from now on
    TVocEinstellungen* settings = nullptr; // required
    const TXUserBase* users = nullptr;     // null or nobody logged in: no scores, no user panel
    RegistryStore* registry = nullptr;     // the query settings are read from it once and written back
    std::string pageFolder;                // holds "voc_opt1.htx"
    // "Öffnen..." and "Hinzufügen..." start here; a library from another folder makes that folder
    // the vocabulary folder, which `changeVocabularyFolder` stores (folder settings mask 1).
    std::string vocabularyFolder;
    std::function<void(const std::string& folder)> changeVocabularyFolder;
    // Not owned; without them the window shows the Qt dialogs over itself.
    FileChooser* openChooser = nullptr;
    FileChooser* saveChooser = nullptr;
    // The program-wide hint setting ("Online-Hilfe"): tooltips show only while it is on.
    bool hintsOn = true;
    std::function<void(bool on)> onHintsChanged;
    // "editor" is refused while an editor exists.
    std::function<bool()> editorExists;
    // A double click on the list: the recording of the clicked headword.
    std::function<void(const std::string& headword)> playRecording;
    // "Superlearning...", "Sprachaufnahmen" / "Einstellungen..." and "Verwaltung..."; without it the
    // items do nothing.
    std::function<void(OptionsSettingsDialog which, QWidget* parent)> openSettings;
    // The presentation styles need the superlearning options: made here when missing.
    std::function<void()> ensureSuperOptions;
    // "Drucken...", "Karteikarten drucken...", "Drucker einrichten..." and bDrucken (not owned);
    // without it they are disabled.
    PrintService* printService = nullptr;
    std::function<void(OptionsExit exit)> onExit;
};

class TVocOptionen : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 800;
    static constexpr int kClientHeight = 553;

    explicit TVocOptionen(VocOptionenSetup setup, QWidget* parent = nullptr);
    ~TVocOptionen() override;

    // A menu command by its object name ("FileNeu", "FileOpen", ..., "Sortieren", "OnlineHilfe"),
    // for tests.
    QAction* Action(const std::string& name) const;
    TXPage* Page() const { return m_page; }
    TFrNavigation* Navigation() const { return m_navigation; }
    // Whether the user panel ("benutzerabhängige Filter") is shown.
    bool UserPanelShown() const;

    // Rebuilds everything from the library and the settings (after a library command).
    void FullDisplay();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // [Building]
    void BuildControls();
    void BuildFileButtons();
    void BuildGeneralPanel();
    void BuildUserPanel();
    void BuildStatus();
    void BuildNavigation();
    void BuildMenus();
    QAction* AddAction(QMenu* menu, const std::string& name, const QString& text, std::function<void()> run,
                       const QKeySequence& shortcut = {});
    void ConnectControls();
    void TakeSettings();

    // [Display]
    void ShowList();
    void ShowRange();
    void ShowTrackProRunde();
    void ShowActivity();
    void ShowMultipleChoiceLabels();
    void ShowScoreLimit();
    void ShowRecentFiles();
    void ShowFileLabel();
    void ShowPanel(bool userPanel);
    void RangeChosen();
    bool LoggedIn() const;

    // [Files]
    bool ConfirmLeavingLibrary();
    bool ChooseAndLoad(LoadMode mode);
    void FileNeu();
    void FileOpen();
    void FileDazu();
    void FileSave();
    void FileSaveAs();
    // After a save: the file joins the recent files and the label shows it.
    void SavedShown();
    void OpenRecentFile(int index);
    void Sortieren();
    void Mischen();
    void DoppelteRaus();
    void ShowInfo();
    void PrintList();
    FileChooser& OpenChooser() { return m_setup.openChooser ? *m_setup.openChooser : m_openChooser; }
    FileChooser& SaveChooser() { return m_setup.saveChooser ? *m_setup.saveChooser : m_saveChooser; }

    // [Leaving]
    void LeaveBy(OptionsExit exit);
    bool MayLeaveBy(OptionsExit exit);

    VocOptionenSetup m_setup;
    TBibliothek& m_library;
    TVocEinstellungen& m_settings;
    QtFileChooser m_openChooser{this};
    QtSaveFileChooser m_saveChooser{this};
    bool m_filling = false; // the window fills its controls: their change signals are not choices
    bool m_left = false;    // onExit was called: a later close is no second way out
    bool m_pageLoaded = false;

    QMenuBar* m_menuBar = nullptr;
    TXPage* m_page = nullptr;
    TFrNavigation* m_navigation = nullptr;
    TXListBox* m_list = nullptr;
    QComboBox* m_von = nullptr;
    QComboBox* m_bis = nullptr;
    QLabel* m_counter = nullptr;
    QLabel* m_fileLabel = nullptr;
    std::array<QCheckBox*, 5> m_schwer{};
    QComboBox* m_modus = nullptr;
    QComboBox* m_richtung = nullptr;
    QCheckBox* m_redewendungen = nullptr;
    QCheckBox* m_kontext = nullptr;
    QSlider* m_proRunde = nullptr;
    QLabel* m_proRundeCaption = nullptr;
    QLabel* m_proRundeValue = nullptr;
    QSlider* m_multiple = nullptr;
    QLabel* m_multipleLabel = nullptr;
    QLabel* m_typedLabel = nullptr;
    QLabel* m_message = nullptr;
    QLabel* m_maskOk = nullptr;
    QLabel* m_maskNotOk = nullptr;
    QPushButton* m_panelA = nullptr;
    QPushButton* m_panelB = nullptr;
    QWidget* m_generalPanel = nullptr;
    QWidget* m_userPanel = nullptr;
    QSlider* m_score = nullptr;
    QLabel* m_scoreValue = nullptr;
    QLabel* m_scoreExplanation = nullptr;
    std::map<std::string, QPushButton*> m_fileButtons;
    std::array<QAction*, 4> m_recentItems{};
    NamedActions m_actions;
};

} // namespace qor
