#pragma once
// The dictionary window "qor französisch (n)": search, browse and edit the dictionary. It is made
// once, hidden, and shown by the page command "wb"; closing it only hides it. It is the dictionary's
// one listener: every change of the dictionary refreshes it, and through `onChanged` whatever else
// shows the dictionary's current entry (the vocabulary editor's panel).
//
// Index:
//   [Building]  bar, pages, result grid, menus
//   [Display]   DBChanged and the result list
//   [Actions]   editing, entry buttons, pages, search, browse, grid

#include "dictionary/DictionaryDialogs.h"

#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace qor {

class TXDatabase;

struct WbSetup {
    TXDatabase* dictionary = nullptr;
    // The resolved recording of a French headword, or empty.
    std::function<std::string(std::string_view headword)> recordingLookup;
    std::function<void(const std::string& file)> playRecording;
    // Plays the meaning at the caret of a text (a field's double click).
    std::function<void(std::string_view text, int caret, int selectionLength, bool french)> playAtCaret;
    // After each change of the dictionary, once the window has shown it.
    std::function<void()> onChanged;
    // The hidden "Importieren..." and "Exportieren..." items; without dialogs they do nothing.
    DictionaryDialogs* dialogs = nullptr;
};

class TXWb : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 600;
    static constexpr int kMaxWidth = 1024;
    static constexpr int kClientHeight = 311;

    explicit TXWb(WbSetup setup, QWidget* parent = nullptr);
    ~TXWb() override;

    enum class Page { Suchen, Blaettern, Bearbeiten };
    Page ShownPage() const { return m_page; }

    // For tests and the program's scripts.
    QLineEdit* SearchField() const { return m_suchen; }
    QLineEdit* BrowseField() const { return m_stichwort; }
    QLineEdit* HeadwordField() const { return m_dbVokabel; }
    QPlainTextEdit* MeaningField() const { return m_dbBedeutung; }
    QComboBox* WordClassBox() const { return m_dbWortart; }
    QCheckBox* WholeWordsBox() const { return m_nurGanze; }
    QRadioButton* GermanTerm() const { return m_deutsch; }
    QTableWidget* Grid() const { return m_grid; }
    QLabel* CountLabel() const { return m_ergebnis; }
    QPushButton* Button(std::string_view name) const;

    // [Display]
    void DBChanged();
    void DisplaySearchResults();

    // [Actions]
    void ShowPage(Page page);
    void RunSearch();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildBar();
    void BuildPages();
    void BuildGrid();
    void BuildMenus();
    void Connect();
    void HeadwordEdited(const QString& text);
    void EntryButton(void (TXDatabase::*move)());
    void GridSelected();
    void PlayRow(int row);

    WbSetup m_setup;
    TXDatabase& m_dictionary;
    Page m_page = Page::Suchen;
    bool m_suppress = false; // the window itself fills the grid or the fields
    std::string m_recordingPath;

    QMenuBar* m_menuBar = nullptr;
    QWidget* m_client = nullptr;
    QWidget* m_bar = nullptr;
    QPushButton* m_xSuchen = nullptr;
    QPushButton* m_xBlaettern = nullptr;
    QPushButton* m_xBearbeiten = nullptr;
    QPushButton* m_panelDirection = nullptr;
    QWidget* m_suchenPanel = nullptr;
    QWidget* m_stichwortPanel = nullptr;
    QWidget* m_bearbeitenPanel = nullptr;
    QLineEdit* m_suchen = nullptr;
    QRadioButton* m_franzoesisch = nullptr;
    QRadioButton* m_deutsch = nullptr;
    QCheckBox* m_nurGanze = nullptr;
    QLineEdit* m_stichwort = nullptr;
    QPushButton* m_bPlay = nullptr;
    QComboBox* m_dbWortart = nullptr;
    QLineEdit* m_dbVokabel = nullptr;
    QPlainTextEdit* m_dbBedeutung = nullptr;
    QPushButton* m_direction = nullptr;
    QWidget* m_gridPanel = nullptr;
    QLabel* m_ergebnis = nullptr;
    QTableWidget* m_grid = nullptr;
};

} // namespace qor
