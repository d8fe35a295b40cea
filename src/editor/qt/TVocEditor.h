#pragma once
// The vocabulary editor's window "qor französisch - Vokabeleditor": the list frame on the left,
// the entry frame with the dictionary panel on the right and, in trainer mode, the navigation bar
// below. It shows what TVocEditorCore tells it and forwards every click, edit and menu command
// there; what leaving leads to is handed to the program around it.
//
// Index:
//   [Building]   frames and fields (TVocEditor.cpp), menus (TVocEditorMenus.cpp)
//   [SchemeEditorView] colours and font of a scheme
//   [EditorView] what the core shows
//   [Dialogs]    the editor's dialogs (TVocEditorDialogs.cpp)

#include "editor/EdConfigLogic.h"
#include "editor/EditorRecording.h"
#include "editor/EditorScheme.h"
#include "editor/TVocEditorCore.h"
#include "platform/qt/NamedActions.h"
#include "settings/qt/QtFileChooser.h"

#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace qor {

class PrintService;
class TFrListe;
class TFrNavigation;
class TXDatabase;

// The program's settings dialogs that the editor's "Optionen" menu opens.
enum class EditorSettingsDialog { Superlearning, RecordingFormat, RecordingsManagement };

struct EditorWindowSetup {
    EditorMode mode = EditorMode::Trainer;
    TBibliothek* library = nullptr;
    TXDatabase* dictionary = nullptr; // may be null: no dictionary panel contents
    EditorEnvironment environment;
    EditorScheme scheme;
    std::string pageFolder; // holds "_import.htx"
    // Called after a leaving command that does not keep the editor: the program decides what
    // comes next and releases the window.
    std::function<void(EditorExit)> onExit;
    // The scheme dialog ("Anpassen...") reads and writes the schemes in the program folder's
    // "editor" folder and offers the installed fonts; without `fonts` it does not open.
    std::string programFolder;
    const FontService* fonts = nullptr;
    std::function<void(const std::string& schemeName)> onSchemeNameChanged;
    // The program-wide hint setting ("Online-Hilfe"): tooltips show only while it is on.
    bool hintsOn = true;
    std::function<void(bool on)> onHintsChanged;
    // Opens one of the program's settings dialogs over `parent`; without it the items do nothing.
    std::function<void(EditorSettingsDialog, QWidget* parent)> openSettings;
    // The program's recorder for the buttons "Aufnahme starten", "… abspielen", "… speichern";
    // without one they stay disabled.
    EditorRecorder* recorder = nullptr;
    // Plays the recording of the headword (the speaker button beside it).
    std::function<void(const std::string& file)> playRecording;
    // A double click in a word field: the recording of the meaning at the caret (text, caret
    // position, selection length, whether the field holds French and may be spoken).
    std::function<void(std::string_view text, int caret, int selection, bool french)> playAtCaret;
    // After a take was saved: the recording index's window with the headword and the saved file.
    std::function<void(const std::string& headword, const std::string& file, QWidget* parent)>
        manageRecording;
    // The open and save dialogs (not owned); without them the editor shows its own over itself.
    FileChooser* openChooser = nullptr;
    FileChooser* saveChooser = nullptr;
    // "Drucken...", "Karteikarten drucken...", "Drucker einrichten..." and the button bDrucken
    // (not owned); without it they stay disabled.
    PrintService* printService = nullptr;
};

class TVocEditor : public QWidget, private EditorView, private EditorDialogs, private SchemeEditorView {
    Q_OBJECT
public:
    static constexpr int kMinimumWidth = 640;
    static constexpr int kMinimumHeight = 480;

    explicit TVocEditor(EditorWindowSetup setup, QWidget* parent = nullptr);
    ~TVocEditor() override;

    TVocEditorCore& Core() { return *m_core; }
    // The scheme as the scheme dialog left it (its changed flag included).
    const EditorScheme& Scheme() const { return m_setup.scheme; }
    // A menu command by its name ("FileOpen", "Importieren1", "Sortieren", ...), for tests.
    QAction* Action(const std::string& name) const;
    QLineEdit* HeadwordField() const { return m_vokabel; }
    TFrListe* ListFrame() const { return m_listFrame; }
    QWidget* EntryFrame() const { return m_entryFrame; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void PlayAtCaretLater(QObject* watched);

private:
    // [Building]
    void BuildEntryFrame();
    void BuildDictionaryPanel();
    // The fields and the dictionary panel follow the entry frame's width.
    void LayOutEntryFrame();
    void BuildMenus();
    void AddPrintItems(QMenu* file);
    void ConnectList();
    void ConnectRecorder();
    // The recorder buttons' pressed and enabled states, and the polling timer, after each change.
    void ShowRecorderState();
    QAction* AddAction(QMenu* menu, const std::string& name, const QString& text, std::function<void()> run,
                       const QKeySequence& shortcut = {});
    void AddClipboardItems(QMenu* edit);
    void BuildViewMenu();
    void OpenSchemeDialog();

    // [SchemeEditorView]
    void ApplySchemeColours(const EditorScheme& scheme) override;
    void ApplySchemeFont(const EditorScheme& scheme, int size) override;
    int HeightClass() const override;
    void LeaveBy(LeaveCommand command);

    // [EditorView]
    void SetPosition(int position, int count) override;
    void SetEntryFields(const EntryFieldTexts& fields) override;
    void SetFieldText(EditorField field, std::string_view text) override;
    void SetWortart(int wortart) override;
    void SetGermanFlagOnTop(bool germanOnTop) override;
    void FocusField(EditorField field) override;
    void SelectFieldText(EditorField field, int start, int length) override;
    void SetListLines(const std::vector<std::string>& lines) override;
    void SetListLine(int index, std::string_view line) override;
    void AppendListLine(std::string_view line) override;
    int ListLineCount() const override;
    void SelectListLine(int index) override;
    void SetDictionaryPanel(const DictionaryPanelTexts& panel) override;
    std::string DirectionCaption() const override;
    void SetDirectionCaption(std::string_view caption) override;
    void SetFileLabel(std::string_view name) override;
    void SetRecentFileItems(const std::array<std::string, 4>& captions) override;
    void SetRecordingPath(std::string_view path) override;
    void ProcessMessages() override;

    // [Dialogs]
    FileChooser& OpenFileChooser() override {
        return m_setup.openChooser ? *m_setup.openChooser : m_openChooser;
    }
    FileChooser& SaveFileChooser() override {
        return m_setup.saveChooser ? *m_setup.saveChooser : m_saveChooser;
    }
    std::optional<ImportSettings> ImportAssistant(const ImportSettings& preset) override;
    std::optional<SearchRequest> SearchDialog(const SearchRequest& preset) override;
    std::optional<RandomLibraryRequest> RandomLibraryDialog() override;

    QWidget* Field(EditorField field) const;

    EditorWindowSetup m_setup;
    QtFileChooser m_openChooser{this};
    QtSaveFileChooser m_saveChooser{this};
    std::vector<std::string> m_listLines;
    bool m_germanOnTop = false;
    bool m_filling = false; // the core fills the fields: their change signals are not edits

    QMenuBar* m_menuBar = nullptr;
    TFrListe* m_listFrame = nullptr;
    QWidget* m_entryFrame = nullptr;
    TFrNavigation* m_navigation = nullptr;
    QLineEdit* m_vokabel = nullptr;
    QLineEdit* m_bedeutung0 = nullptr;
    QPlainTextEdit* m_bedeutung1 = nullptr;
    QComboBox* m_wortart = nullptr;
    QComboBox* m_schwierigkeit = nullptr;
    QLineEdit* m_kontext0 = nullptr;
    QLineEdit* m_kontext1 = nullptr;
    QCheckBox* m_ktxDazu1 = nullptr;
    QCheckBox* m_ktxDazu2 = nullptr;
    QPushButton* m_flagTop = nullptr;
    QPushButton* m_flagBottom = nullptr;
    QPushButton* m_speaker = nullptr;
    QWidget* m_dictionaryPanel = nullptr;
    QLineEdit* m_dbVokabel = nullptr;
    QComboBox* m_dbWortart = nullptr;
    QPlainTextEdit* m_dbBedeutung = nullptr;
    QPushButton* m_direction = nullptr;
    std::array<QAction*, 4> m_recentItems{};
    NamedActions m_actions;
    std::unique_ptr<EditorRecording> m_recording;
    QTimer* m_recordTimer = nullptr;
    std::string m_recordingPath;            // of the headword shown, empty when it has none
    bool m_haveTake = false;                // something was recorded: it can be played and saved
    std::unique_ptr<TVocEditorCore> m_core; // made last: it talks to the fields at once
};

} // namespace qor
