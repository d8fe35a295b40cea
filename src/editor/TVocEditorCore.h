#pragma once
// The vocabulary editor's behaviour without a window: it changes the library (and the dictionary,
// when there is one) and tells an EditorView what to show. The window only shows fields and
// forwards clicks and edits here; what happens when the editor is left is returned as a value.
//
// Index:
//   [Display]     ShowVokabel, ShowList, the dictionary panel
//   [Editing]     the write-through edits, ToggleFlag, LookUp, TakeOver
//   [Moving]      ListeChange, goLeft/goRight, insert, Loeschen
//   [Checks]      Kontrollieren, XPress-Kontrolle, Kontexte abgleichen (TVocEditorChecks.cpp)
//   [Library]     sort, shuffle, reverse, duplicates, search
//   [Files]       leave check, new, open, add, save, recent files, import (TVocEditorFiles.cpp),
//                 the random library (TVocEditorRandom.cpp)
//   [Leaving]     the decisions of close and the navigation buttons

#include "editor/ContextAlignment.h"
#include "editor/DictionaryComparison.h"
#include "editor/EditorDialogs.h"
#include "editor/EditorView.h"
#include "vocab/QueryDisplay.h"
#include "vocab/TBibliothek.h"

#include <functional>
#include <string>
#include <string_view>

namespace qor {

class RegistryStore;
class TXDatabase;

// How the editor runs: as its own program (started with "editor") or as a tool window of the trainer.
enum class EditorMode { Trainer, Standalone };

// What the window must do after a leaving command. The window still asks the query whether the
// library can be queried (Query) or used for a presentation style (Style...).
enum class EditorExit {
    Stay,           // refused or cancelled: the editor stays open
    EndProgram,     // editor mode: the program ends
    MainWindow,     // back to the trainer's main window
    SettingsWindow, // the vocabulary settings window
    Query,          // start the query ("vabfrage") or, when it cannot start, the settings window
    StyleKlassisch, // presentation style 0
    StyleAbgedreht, // presentation style 1
    StyleTechno,    // superlearning style 2
    StyleSuperDD,   // superlearning style 3
};

enum class LeaveCommand { Close, Home, Einstellungen, Abfrage, Klassisch, Abgedreht, Techno, SuperDD };

// What the editor needs from the program around it; all optional.
struct EditorEnvironment {
    std::string vocabularyFolder;
    // A library chosen in another folder makes that folder the vocabulary folder (and saves it).
    std::function<void(const std::string& folder)> changeVocabularyFolder;
    RegistryStore* registry = nullptr; // the import assistant's remembered texts
    RecordingLookup recordingLookup;   // the stored recording of a headword (exact match)
};

class TVocEditorCore {
public:
    static constexpr std::size_t kMultipleChoiceMeaningLength = 30;

    TVocEditorCore(TBibliothek& library, TXDatabase* dictionary, EditorView& view, EditorDialogs& dialogs,
                   EditorMode mode, EditorEnvironment environment = {});

    // Current entry 0, the entry, the list, line 0 and the file label.
    void Start();

    // [Options]
    bool AlwaysLookup() const { return m_alwaysLookup; }
    void SetAlwaysLookup(bool on) { m_alwaysLookup = on; }
    bool CheckMultipleChoice() const { return m_checkMultipleChoice; }
    void SetCheckMultipleChoice(bool on) { m_checkMultipleChoice = on; }
    bool AddToDictionaryAutomatically() const { return m_addAutomatically; }
    void SetAddToDictionaryAutomatically(bool on) { m_addAutomatically = on; }
    bool Busy() const { return m_busy; }

    // [Display]
    void ShowVokabel();
    void ShowList();
    // Fills the dictionary panel and the direction caption from the dictionary's current entry
    // (the dictionary window's change notification ends here too).
    void DictionaryChanged();

    // [Editing]
    void VokabelEdited(std::string_view text);
    void Bedeutung0Edited(std::string_view text);
    void Bedeutung1Edited(std::string_view text);
    void KontextEdited(int k, std::string_view text);
    void KtxDazuEdited(int k, bool value);
    void SchwierigkeitEdited(int value);
    void WortartEdited(int wortart);
    void ToggleFlag();
    void LookUp();
    void TakeOver();
    // The dictionary panel's fields and buttons.
    void DictionaryVokabelEdited(std::string_view text);
    void DictionaryBedeutungEdited(std::string_view text);
    void DictionaryWortartEdited(int selection);
    void DictionaryFirst();
    void DictionaryPrevious();
    void DictionaryNext();
    void DictionaryLast();
    void DictionaryAdd();
    void DictionaryDelete();
    void DictionaryDirection();

    // [Moving]
    // The list selection changed to `index`; false when the move was refused.
    bool ListeChange(int index);
    void GoLeft();
    void GoRight();
    void InsertBefore();
    void InsertAfter();
    void Loeschen();

    // [Checks]
    // Pressed while running, it asks the running check to stop.
    void Kontrollieren();
    void XPressKontrolle();
    void KontexteAbgleichen();

    // [Library]
    void Sortieren();
    void Mischen();
    void Umkehren();
    void DoppelteRaus();
    void Suchen();
    void Weitersuchen();
    const VocSearch& Search() const { return m_search; }

    // [Files]
    void FileNeu();
    void FileOpen();
    void FileDazu();
    void FileSave();
    void FileSaveAs();
    // The menu item's caption ("&1 " + name).
    void OpenRecentFile(std::string_view caption);
    void Importieren();
    // "Zufällig erzeugen...": a new library of random dictionary entries (TVocEditorRandom.cpp).
    void ZufallErzeugen();
    void RefreshRecentFiles();

    // [Leaving]
    EditorExit Leave(LeaveCommand command);

private:
    // Makes `index` current and shows it without the blank-entry refusal (after whole-library changes).
    void SelectEntry(int index);
    void UpdateCurrentListLine();
    void SetHeadword(std::string_view text);
    void StoreMeanings(std::string_view first, std::string_view further);
    void ShowFileName();
    void ClearLibrary();
    void FillRandomly(const RandomLibraryRequest& request);
    bool LookUpWanted() const;
    // The leave question; false when the learner cancelled.
    bool ConfirmLeavingLibrary(std::string_view question);
    void ShowIncompleteEntry(int index, std::string_view message);
    bool ChooseAndLoad(LoadMode mode);
    // One step of the checks: false stops the run.
    bool CheckEntryLength();
    bool ActOnComparison(Comparison result, std::string_view dictionaryMeaning);
    DictionaryEntryView CurrentDictionaryEntry() const;
    void AddCurrentToDictionary();

    TBibliothek& m_library;
    TXDatabase* m_dictionary;
    EditorView& m_view;
    EditorDialogs& m_dialogs;
    EditorEnvironment m_environment;
    bool m_endProgramOnClose;

    bool m_alwaysLookup = true;
    bool m_checkMultipleChoice = true;
    bool m_addAutomatically = false;
    bool m_busy = false;
    bool m_abortRequested = false;
    bool m_takingOver = false;
    VocSearch m_search;
    // What ShowVokabel last put in the fields, so a look-up runs only when they change.
    std::string m_shownHeadword;
    int m_shownWortart = -1;
};

} // namespace qor
