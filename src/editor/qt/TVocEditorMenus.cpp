#include "dictionary/qt/SpecialCharacterMenu.h"
#include "editor/EdConfigLogic.h"
#include "editor/TakeOverMeanings.h"
#include "editor/qt/TEdConfig.h"
#include "editor/qt/TVocEditor.h"
#include "platform/Cp1252.h"
#include "platform/Fonts.h"
#include "platform/qt/QtText.h"
#include "settings/VocOptionenLogic.h"
#include "settings/qt/TBInfo.h"
#include "settings/qt/TFrListe.h"
#include "vocab/qt/PrintService.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace qor {

// [SECTION] Menus

QAction* TVocEditor::AddAction(QMenu* menu, const std::string& name, const QString& text,
                               std::function<void()> run, const QKeySequence& shortcut) {
    return m_actions.Add(menu, name, text, std::move(run), shortcut);
}

void TVocEditor::BuildMenus() {
    m_menuBar = new QMenuBar(this);
    QMenu* file = m_menuBar->addMenu(ToQString("&Datei"_cp));
    AddAction(file, "FileNeu", ToQString("&Neu"_cp), [this] { m_core->FileNeu(); });
    AddAction(file, "FileOpen", ToQString("Ö&ffnen..."_cp), [this] { m_core->FileOpen(); });
    AddAction(file, "FileDazu", ToQString("Hinzufügen..."_cp), [this] { m_core->FileDazu(); });
    AddAction(file, "FileSave", ToQString("&Speichern"_cp), [this] { m_core->FileSave(); });
    AddAction(file, "FileSaveAs", ToQString("Speichern &unter..."_cp), [this] { m_core->FileSaveAs(); });
    AddAction(file, "Importieren1", ToQString("Importieren..."_cp), [this] { m_core->Importieren(); });
    AddAction(file, "mZufall", ToQString("Zufällig erzeugen..."_cp), [this] { m_core->ZufallErzeugen(); });
    AddPrintItems(file);
    const auto showInfo = [this] { TBInfo(CountLibraryInfo(*m_setup.library), this).exec(); };
    AddAction(file, "Info", ToQString("&Info"_cp), showInfo, QKeySequence(Qt::Key_F6));
    if (QPushButton* button = m_listFrame->Button("bInfo"))
        connect(button, &QPushButton::clicked, this, showInfo);
    file->addSeparator();
    for (int i = 0; i < 4; ++i) {
        m_recentItems[static_cast<std::size_t>(i)] =
            AddAction(file, "Recent" + std::to_string(i + 1), QString(), [this, i] {
                m_core->OpenRecentFile(FromQString(m_recentItems[static_cast<std::size_t>(i)]->text()));
            });
        m_recentItems[static_cast<std::size_t>(i)]->setVisible(false);
    }
    file->addSeparator();
    AddAction(file, "goEinstellungen", ToQString("&Einstellungen"_cp),
              [this] { LeaveBy(LeaveCommand::Einstellungen); });
    AddAction(file, "goAbfrage", ToQString("&Abfrage"_cp), [this] { LeaveBy(LeaveCommand::Abfrage); });
    if (m_setup.mode == EditorMode::Trainer)
        AddAction(
            file, "goHome", ToQString("&Home"_cp), [this] { LeaveBy(LeaveCommand::Home); },
            QKeySequence(Qt::ALT | Qt::Key_X));
    else
        AddAction(
            file, "Beenden", ToQString("Beenden"_cp), [this] { LeaveBy(LeaveCommand::Close); },
            QKeySequence(Qt::ALT | Qt::Key_X));

    QMenu* edit = m_menuBar->addMenu(ToQString("&Bearbeiten"_cp));
    AddClipboardItems(edit);
    edit->addSeparator();
    AddAction(
        edit, "Sortieren", ToQString("Bibliothek sortieren"_cp), [this] { m_core->Sortieren(); },
        QKeySequence(Qt::CTRL | Qt::Key_S));
    AddAction(
        edit, "Mischen", ToQString("Bibliothek mischen"_cp), [this] { m_core->Mischen(); },
        QKeySequence(Qt::CTRL | Qt::Key_M));
    AddAction(
        edit, "InsertBefore", ToQString("Vokabel vor aktueller Position einfügen"_cp),
        [this] { m_core->InsertBefore(); }, QKeySequence(Qt::Key_F4));
    AddAction(
        edit, "InsertAfter", ToQString("Vokabel nach aktueller Position einfügen"_cp),
        [this] { m_core->InsertAfter(); }, QKeySequence(Qt::Key_F8));
    AddAction(edit, "Loeschen", ToQString("Aktuelle Vokabel entfernen"_cp), [this] { m_core->Loeschen(); });
    AddAction(
        edit, "TakeOver", ToQString("Vokabel aus Wörterbuch übernehmen"_cp), [this] { m_core->TakeOver(); },
        QKeySequence(Qt::CTRL | Qt::Key_Y));
    AddAction(
        edit, "DoppelteRaus", ToQString("Doppelte Vokabeln entfernen"_cp), [this] { m_core->DoppelteRaus(); },
        QKeySequence(Qt::CTRL | Qt::Key_D));

    AddSpecialCharacterMenu(*m_menuBar, *this, false);

    QMenu* special = m_menuBar->addMenu(ToQString("Spe&zial"_cp));
    AddAction(special, "Umkehren", ToQString("Bibliothek umkehren"_cp), [this] { m_core->Umkehren(); });
    AddAction(
        special, "BibliothekKontrollieren", ToQString("Bibliothek kontrollieren"_cp),
        [this] { m_core->Kontrollieren(); }, QKeySequence(Qt::CTRL | Qt::Key_K));
    QAction* contexts = AddAction(
        special, "KontexteAbgleichen", ToQString("Kontexte abgleichen"_cp),
        [this] { m_core->KontexteAbgleichen(); }, QKeySequence(Qt::Key_F2));
    contexts->setVisible(false);
    addAction(contexts); // the shortcut works with the item hidden
    AddAction(special, "XPress", ToQString("XPress-Kontrolle"_cp), [this] { m_core->XPressKontrolle(); });
    AddAction(
        special, "Suchen", ToQString("Suchen"_cp), [this] { m_core->Suchen(); },
        QKeySequence(Qt::CTRL | Qt::Key_F));
    AddAction(
        special, "Weitersuchen", ToQString("Weitersuchen"_cp), [this] { m_core->Weitersuchen(); },
        QKeySequence(Qt::Key_F3));

    BuildViewMenu();

    QMenu* options = m_menuBar->addMenu(ToQString("&Optionen"_cp));
    QAction* always = AddAction(options, "AlwaysLookup", ToQString("Ständig nachschlagen"_cp), [] {});
    always->setCheckable(true);
    always->setChecked(true);
    connect(always, &QAction::toggled, this, [this](bool on) { m_core->SetAlwaysLookup(on); });
    QAction* multipleChoice =
        AddAction(options, "MChkontrollieren", ToQString("Mult. Choice kontrollieren"_cp), [] {});
    multipleChoice->setCheckable(true);
    multipleChoice->setChecked(true);
    multipleChoice->setVisible(false);
    connect(multipleChoice, &QAction::toggled, this, [this](bool on) { m_core->SetCheckMultipleChoice(on); });
    QAction* automatic =
        AddAction(options, "WBAutomatik", ToQString("Neue Vokabeln automatisch ins Wörterbuch"_cp), [] {});
    automatic->setCheckable(true);
    connect(automatic, &QAction::toggled, this,
            [this](bool on) { m_core->SetAddToDictionaryAutomatically(on); });
    // The program's own settings dialogs, as the settings page opens them.
    const auto settings = [this](EditorSettingsDialog which) {
        return [this, which] {
            if (m_setup.openSettings)
                m_setup.openSettings(which, this);
        };
    };
    options->addSeparator();
    AddAction(options, "Superlearning", ToQString("Superlearning..."_cp),
              settings(EditorSettingsDialog::Superlearning));
    QMenu* recordings = options->addMenu(ToQString("Sprachaufnahmen"_cp));
    AddAction(recordings, "RecSetup", ToQString("Einstellungen..."_cp),
              settings(EditorSettingsDialog::RecordingFormat));
    AddAction(recordings, "WaveDB", ToQString("Verwaltung..."_cp),
              settings(EditorSettingsDialog::RecordingsManagement));

    QMenu* help = m_menuBar->addMenu(ToQString("&Hilfe"_cp));
    m_actions.AddToggle(help, "OnlineHilfe", ToQString("&Online-Hilfe"_cp), m_setup.hintsOn, [this](bool on) {
        m_setup.hintsOn = on;
        if (m_setup.onHintsChanged)
            m_setup.onHintsChanged(on);
    });
}

void TVocEditor::AddPrintItems(QMenu* file) {
    PrintService* printer = m_setup.printService;
    TBibliothek& library = *m_setup.library;
    const auto printList = [this, printer, &library] { printer->PrintList(library, this); };
    AddAction(file, "Drucken", ToQString("Drucken..."_cp), printList)->setEnabled(printer);
    AddAction(file, "Karteikarten", ToQString("Karteikarten drucken..."_cp), [this, printer, &library] {
        printer->PrintFlashCards(library, this);
    })->setEnabled(printer);
    AddAction(file, "DruckerEinrichten", ToQString("Drucker einrichten..."_cp), [this, printer] {
        printer->SetUpPrinter(this);
    })->setEnabled(printer);
    if (QPushButton* button = m_listFrame->Button("bDrucken")) {
        button->setEnabled(printer);
        if (printer)
            connect(button, &QPushButton::clicked, this, printList);
    }
}

void TVocEditor::AddClipboardItems(QMenu* edit) {
    // They act on the text field with the focus, as its own keys would.
    const auto onField = [](auto lineAction, auto blockAction) {
        return [lineAction, blockAction] {
            QWidget* field = QApplication::focusWidget();
            if (auto* line = qobject_cast<QLineEdit*>(field))
                lineAction(*line);
            else if (auto* block = qobject_cast<QPlainTextEdit*>(field))
                blockAction(*block);
        };
    };
    AddAction(edit, "Ausschneiden", ToQString("&Ausschneiden"_cp),
              onField([](QLineEdit& l) { l.cut(); }, [](QPlainTextEdit& b) { b.cut(); }),
              QKeySequence(Qt::CTRL | Qt::Key_X));
    AddAction(edit, "Kopieren", ToQString("&Kopieren"_cp),
              onField([](QLineEdit& l) { l.copy(); }, [](QPlainTextEdit& b) { b.copy(); }),
              QKeySequence(Qt::CTRL | Qt::Key_C));
    AddAction(edit, "Einfuegen", ToQString("&Einfügen"_cp),
              onField([](QLineEdit& l) { l.paste(); },
                      [](QPlainTextEdit& b) {
                          b.paste();
                          const std::string pasted = FromQString(b.toPlainText());
                          const std::string kept = WithoutOuterSeparators(pasted);
                          if (kept == pasted)
                              return;
                          const int caret = b.textCursor().position() - (pasted.starts_with("; ") ? 2 : 0);
                          b.setPlainText(ToQString(kept));
                          QTextCursor cursor = b.textCursor();
                          cursor.setPosition(std::clamp(caret, 0, static_cast<int>(kept.size())));
                          b.setTextCursor(cursor);
                      }),
              QKeySequence(Qt::CTRL | Qt::Key_V));
    AddAction(edit, "LoeschenText", ToQString("L&öschen"_cp),
              onField([](QLineEdit& l) { l.del(); },
                      [](QPlainTextEdit& b) {
                          QTextCursor cursor = b.textCursor();
                          if (cursor.hasSelection())
                              cursor.removeSelectedText();
                          else
                              cursor.deleteChar();
                          b.setTextCursor(cursor);
                      }),
              QKeySequence(Qt::CTRL | Qt::Key_Delete));
}

void TVocEditor::BuildViewMenu() {
    QMenu* view = m_menuBar->addMenu(ToQString("&Ansicht"_cp));
    if (m_setup.mode == EditorMode::Standalone) {
        QMenu* size = view->addMenu(ToQString("Fenstergröße"_cp));
        const QSize sizes[] = {{640, 480}, {800, 600}, {1024, 768}};
        for (const QSize& wanted : sizes) {
            const QString caption = QStringLiteral("%1 x %2").arg(wanted.width()).arg(wanted.height());
            AddAction(size, "Size" + std::to_string(wanted.width()), caption, [this, wanted] {
                // The sizes are the window's, frame and title bar included, so that
                // "800 x 600" fits a screen of that size.
                resize(wanted - (frameGeometry().size() - this->size()));
            });
        }
    }
    AddAction(view, "Anpassen", ToQString("Anpassen..."_cp), [this] { OpenSchemeDialog(); });
}

void TVocEditor::OpenSchemeDialog() {
    if (!m_setup.fonts)
        return;
    SchemeEditorView& view = *this;
    EdConfigLogic logic(m_setup.scheme, view, *m_setup.fonts, m_setup.programFolder, [this] {
        if (m_setup.onSchemeNameChanged)
            m_setup.onSchemeNameChanged(m_setup.scheme.name);
    });
    logic.Open();
    TEdConfig dialog(logic, m_setup.scheme, SchemeFontChoices(*m_setup.fonts), nullptr, this);
    dialog.exec();
}

} // namespace qor
