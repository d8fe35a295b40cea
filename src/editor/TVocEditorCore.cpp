// The vocabulary editor's display, edits, moves, library commands and leaving decisions; the checks
// are in TVocEditorChecks.cpp, the files in TVocEditorFiles.cpp.
#include "editor/TVocEditorCore.h"

#include "dictionary/TXDatabase.h"
#include "editor/EntryListLine.h"
#include "editor/LibrarySorting.h"
#include "editor/TakeOverMeanings.h"
#include "platform/AppMessage.h"
#include "platform/Cp1252.h"

namespace qor {

TVocEditorCore::TVocEditorCore(TBibliothek& library, TXDatabase* dictionary, EditorView& view,
                               EditorDialogs& dialogs, EditorMode mode, EditorEnvironment environment)
    : m_library(library), m_dictionary(dictionary), m_view(view), m_dialogs(dialogs),
      m_environment(std::move(environment)), m_endProgramOnClose(mode == EditorMode::Standalone) {}

void TVocEditorCore::Start() {
    m_library.SetCurrent(0);
    ShowVokabel();
    ShowList();
    m_view.SelectListLine(0);
    ShowFileName();
    RefreshRecentFiles();
    DictionaryChanged();
}

// [SECTION] Display

void TVocEditorCore::ShowVokabel() {
    const TVokabel entry = m_library.Entry(-1);
    m_view.SetPosition(m_library.Current() + 1, m_library.Count());
    m_view.SetEntryFields({entry.Vokabel, entry.Bedeutung0, entry.Bedeutung1, entry.Kontext0, entry.Kontext1,
                           entry.KtxDazu0, entry.KtxDazu1, entry.Wortart, entry.Schwierigkeit});
    m_view.SetGermanFlagOnTop(entry.Deutsch);
    // Filling the fields counts as an edit of headword and word class: the dictionary follows.
    const bool changed = entry.Vokabel != m_shownHeadword || entry.Wortart != m_shownWortart;
    m_shownHeadword = entry.Vokabel;
    m_shownWortart = entry.Wortart;
    if (changed && LookUpWanted())
        LookUp();
}

void TVocEditorCore::ShowList() {
    std::vector<std::string> lines;
    const int full = m_library.Count(CountMode::Full);
    lines.reserve(static_cast<std::size_t>(full));
    for (int i = 0; i < full; ++i)
        lines.push_back(EntryListLine(m_library.Entry(i)));
    m_view.SetListLines(lines);
}

void TVocEditorCore::DictionaryChanged() {
    if (!m_dictionary)
        return;
    m_view.SetDictionaryPanel(
        {m_dictionary->Vokabel(), m_dictionary->Bedeutung(), m_dictionary->Wortart() - kFirstWordClass});
    const std::string caption =
        qor::DirectionCaption(m_view.DirectionCaption(), m_dictionary->IsGermanFrench());
    if (caption != m_view.DirectionCaption())
        m_view.SetDirectionCaption(caption);
}

void TVocEditorCore::UpdateCurrentListLine() {
    const int current = m_library.Current();
    const std::string line = EntryListLine(m_library.Entry(current));
    if (current == m_view.ListLineCount())
        m_view.AppendListLine(line);
    else
        m_view.SetListLine(current, line);
}

void TVocEditorCore::ShowFileName() {
    m_view.SetFileLabel(m_library.DisplayName());
}

void TVocEditorCore::RefreshRecentFiles() {
    std::array<std::string, 4> captions;
    for (int i = 0; i < 4; ++i)
        captions[static_cast<std::size_t>(i)] = "&" + std::to_string(i + 1) + " " + m_library.RecentFile(i);
    m_view.SetRecentFileItems(captions);
}

// [SECTION] Editing

bool TVocEditorCore::LookUpWanted() const {
    return m_alwaysLookup && !m_takingOver && m_dictionary;
}

void TVocEditorCore::VokabelEdited(std::string_view text) {
    m_library.SetVokabel(-1, text);
    m_shownHeadword = std::string(text);
    UpdateCurrentListLine();
    if (LookUpWanted())
        LookUp();
    std::string recording;
    const bool germanHalf = m_dictionary && m_dictionary->IsGermanFrench();
    if (!germanHalf && m_environment.recordingLookup && !text.empty())
        recording = m_environment.recordingLookup(text);
    m_view.SetRecordingPath(recording);
}

// The list line depends on the first meaning too: without it the entry is blank.
void TVocEditorCore::Bedeutung0Edited(std::string_view text) {
    m_library.SetBedeutung(-1, 0, text);
    UpdateCurrentListLine();
}

void TVocEditorCore::Bedeutung1Edited(std::string_view text) {
    m_library.SetBedeutung(-1, 1, text);
}
void TVocEditorCore::KontextEdited(int k, std::string_view text) {
    m_library.SetKontext(-1, k, text);
}
void TVocEditorCore::KtxDazuEdited(int k, bool value) {
    m_library.SetKtxDazu(-1, k, value);
}
void TVocEditorCore::SchwierigkeitEdited(int value) {
    m_library.SetSchwierigkeit(-1, value);
}

void TVocEditorCore::WortartEdited(int wortart) {
    m_library.SetWortart(-1, wortart);
    m_shownWortart = wortart;
    if (LookUpWanted() && !m_library.Vokabel(-1).empty())
        LookUp();
}

void TVocEditorCore::ToggleFlag() {
    const bool deutsch = !m_library.Deutsch(-1);
    m_library.SetDeutsch(-1, deutsch);
    m_view.SetGermanFlagOnTop(deutsch);
    UpdateCurrentListLine();
    if (LookUpWanted() && !m_library.Vokabel(-1).empty())
        LookUp();
}

void TVocEditorCore::SetHeadword(std::string_view text) {
    m_view.SetFieldText(EditorField::Vokabel, text);
    VokabelEdited(text);
}

void TVocEditorCore::StoreMeanings(std::string_view first, std::string_view further) {
    m_view.SetFieldText(EditorField::Bedeutung0, first);
    m_view.SetFieldText(EditorField::Bedeutung1, further);
    m_library.SetBedeutung(-1, 1, further);
    Bedeutung0Edited(first);
}

void TVocEditorCore::LookUp() {
    if (!m_dictionary)
        return;
    const bool deutsch = m_library.Deutsch(-1);
    if (m_dictionary->IsGermanFrench() != deutsch)
        m_dictionary->SetDirection(deutsch ? DictionaryDirection::GermanFrench
                                           : DictionaryDirection::FrenchGerman);
    DictionaryChanged();
    m_dictionary->Locate(m_library.Vokabel(-1), m_library.Wortart(-1) + kFirstWordClass);
    DictionaryChanged();
}

void TVocEditorCore::TakeOver() {
    if (!m_dictionary)
        return;
    m_takingOver = true;
    const std::string oldHeadword = m_library.Vokabel(-1);
    const bool sameDirection = m_dictionary->IsGermanFrench() == m_library.Deutsch(-1);
    const std::string dictionaryWord = m_dictionary->Vokabel();
    const std::string dictionaryMeaning = m_dictionary->Bedeutung();
    const int dictionaryClass = m_dictionary->Wortart();
    SetHeadword(sameDirection ? dictionaryWord : dictionaryMeaning);
    const std::string& source = sameDirection ? dictionaryMeaning : dictionaryWord;

    const MeaningFields meanings =
        TakeOverMeanings({m_library.Bedeutung(-1, 0), m_library.Bedeutung(-1, 1)}, source);
    StoreMeanings(meanings.first, meanings.further);

    const bool hasContext = !m_library.Kontext(-1, 0).empty() || !m_library.Kontext(-1, 1).empty();
    if (hasContext && m_library.Vokabel(-1) != oldHeadword &&
        ShowAppMessage("Auch Kontext(e) löschen?"_cp, kMbIconQuestion | kMbYesNo) == kIdYes) {
        for (int k = 0; k < 2; ++k) {
            m_library.SetKontext(-1, k, "");
            m_view.SetFieldText(k == 0 ? EditorField::Kontext0 : EditorField::Kontext1, "");
        }
    }
    m_view.SetWortart(dictionaryClass - kFirstWordClass);
    m_library.SetWortart(-1, dictionaryClass - kFirstWordClass);
    m_shownWortart = dictionaryClass - kFirstWordClass;
    m_takingOver = false;
}

void TVocEditorCore::DictionaryVokabelEdited(std::string_view text) {
    if (m_dictionary)
        m_dictionary->SetVokabel(TXDatabase::kCurrent, text);
}

void TVocEditorCore::DictionaryBedeutungEdited(std::string_view text) {
    if (m_dictionary)
        m_dictionary->SetBedeutung(TXDatabase::kCurrent, text);
}

void TVocEditorCore::DictionaryWortartEdited(int selection) {
    if (m_dictionary)
        m_dictionary->SetWortart(TXDatabase::kCurrent, selection + kFirstWordClass);
}

void TVocEditorCore::DictionaryFirst() {
    if (m_dictionary && m_dictionary->CurrentComplete()) {
        m_dictionary->First();
        DictionaryChanged();
    }
}

void TVocEditorCore::DictionaryPrevious() {
    if (m_dictionary && m_dictionary->CurrentComplete()) {
        m_dictionary->Previous();
        DictionaryChanged();
    }
}

void TVocEditorCore::DictionaryNext() {
    if (m_dictionary && m_dictionary->CurrentComplete()) {
        m_dictionary->Next();
        DictionaryChanged();
    }
}

void TVocEditorCore::DictionaryLast() {
    if (m_dictionary && m_dictionary->CurrentComplete()) {
        m_dictionary->Last();
        DictionaryChanged();
    }
}

void TVocEditorCore::DictionaryAdd() {
    if (!m_dictionary)
        return;
    if (m_dictionary->CurrentComplete()) {
        m_dictionary->InsertEntry();
        DictionaryChanged();
    }
    m_view.FocusField(EditorField::DBVokabel);
}

void TVocEditorCore::DictionaryDelete() {
    if (!m_dictionary)
        return;
    if (ShowAppMessage("Eintrag des Wörterbuchs wirklich löschen?"_cp, kMbIconQuestion | kMbYesNo) == kIdNo)
        return;
    m_dictionary->DeleteCurrent();
    DictionaryChanged();
}

void TVocEditorCore::DictionaryDirection() {
    if (!m_dictionary)
        return;
    m_dictionary->SetDirection(m_dictionary->IsGermanFrench() ? DictionaryDirection::FrenchGerman
                                                              : DictionaryDirection::GermanFrench);
    DictionaryChanged();
}

// [SECTION] Moving

bool TVocEditorCore::ListeChange(int index) {
    const int current = m_library.Current();
    if (index != current && m_library.IsBlank(current) && !m_library.IsBlank(current + 1)) {
        ShowAppMessage("Die aktuelle Vokabel ist leer oder unvollständig!\rBitte vervollständigen oder "
                       "löschen Sie die Vokabel."_cp,
                       kMbOk);
        m_view.SelectListLine(current);
        ShowVokabel();
        return false;
    }
    m_library.SetCurrent(index);
    m_view.SelectListLine(m_library.Current());
    ShowList();
    ShowVokabel();
    return true;
}

void TVocEditorCore::SelectEntry(int index) {
    m_library.SetCurrent(index);
    ShowList();
    m_view.SelectListLine(m_library.Current());
    ShowVokabel();
}

void TVocEditorCore::GoRight() {
    const int current = m_library.Current();
    if (current >= m_library.Count(CountMode::Full) - 1) {
        if (m_library.IsBlank(current)) {
            ShowAppMessage("Ende der Bibliothek erreicht!", kMbOk);
            return;
        }
        m_view.AppendListLine("$");
        m_library.AddBlank();
    }
    ListeChange(current + 1);
    m_view.FocusField(EditorField::Vokabel);
}

void TVocEditorCore::GoLeft() {
    const int current = m_library.Current();
    if (current <= 0) {
        ShowAppMessage("Anfang der Bibliothek erreicht!", kMbOk);
        return;
    }
    ListeChange(current - 1);
}

void TVocEditorCore::InsertBefore() {
    if (!m_library.InsertBlankAtCurrent())
        return;
    ShowList();
    ShowVokabel();
    m_view.FocusField(EditorField::Vokabel);
}

void TVocEditorCore::InsertAfter() {
    GoRight();
    InsertBefore();
}

void TVocEditorCore::Loeschen() {
    m_library.DeleteCurrent();
    if (m_library.Count(CountMode::Full) == 0)
        m_library.AddBlank();
    ShowList();
    m_view.SelectListLine(m_library.Current());
    ShowVokabel();
}

// [SECTION] Library

void TVocEditorCore::ShowIncompleteEntry(int index, std::string_view message) {
    SelectEntry(index);
    ShowAppMessage(message, kMbOk);
}

void TVocEditorCore::Sortieren() {
    const int blank = SortFrenchFirst(m_library);
    if (blank >= 0) {
        ShowIncompleteEntry(blank,
                            "Die Bibliothek enthält eine unvollständige Vokabel!\rBitte vervollständigen "
                            "oder löschen Sie diese Vokabel."_cp);
        return;
    }
    SelectEntry(0);
}

void TVocEditorCore::Mischen() {
    m_library.Shuffle();
    SelectEntry(0);
}

void TVocEditorCore::Umkehren() {
    m_library.AddReversedCopies([this] { m_view.ProcessMessages(); });
    SelectEntry(0);
}

void TVocEditorCore::DoppelteRaus() {
    const int removed = m_library.RemoveDuplicates(Report::Show, [this] { m_view.ProcessMessages(); });
    SelectEntry(0);
    ShowAppMessage(std::to_string(removed) + " doppelte Vokabeln wurden entfernt!", kMbOk);
}

void TVocEditorCore::Suchen() {
    const std::optional<SearchRequest> request = m_dialogs.SearchDialog(SearchDialogPreset(m_search));
    if (!request)
        return;
    RestartSearch(m_search, *request);
    Weitersuchen();
}

void TVocEditorCore::Weitersuchen() {
    m_library.SearchNext(m_search);
    if (!m_search.found) {
        ShowAppMessage("Suche blieb erfolglos!", kMbOk);
        return;
    }
    SelectEntry(m_search.entry);
    const int length = static_cast<int>(m_search.text.size());
    switch (m_search.field) {
    case 0:
        m_view.SelectFieldText(EditorField::Vokabel, 0, static_cast<int>(m_library.Vokabel(-1).size()));
        m_view.FocusField(EditorField::Vokabel);
        break;
    case 1:
        m_view.SelectFieldText(EditorField::Bedeutung0, 0,
                               static_cast<int>(m_library.Bedeutung(-1, 0).size()));
        m_view.FocusField(EditorField::Bedeutung0);
        break;
    case 2:
        m_view.SelectFieldText(EditorField::Bedeutung1, m_search.position - 1, length);
        m_view.FocusField(EditorField::Bedeutung1);
        break;
    default: {
        // The context fields have always selected one character later than the others.
        const EditorField field = m_search.field == 3 ? EditorField::Kontext0 : EditorField::Kontext1;
        m_view.SelectFieldText(field, m_search.position, length);
        m_view.FocusField(field);
        break;
    }
    }
}

// [SECTION] Leaving

EditorExit TVocEditorCore::Leave(LeaveCommand command) {
    if (m_busy) {
        ShowAppMessage("Kann diese Seite noch nicht verlassen!", kMbOk);
        return EditorExit::Stay;
    }
    // Closing (also on the way to the superlearning styles, which close the editor) offers to save.
    const bool closes = command == LeaveCommand::Close || command == LeaveCommand::Home ||
                        command == LeaveCommand::Techno || command == LeaveCommand::SuperDD;
    if (closes && m_library.Changed()) {
        const int answer =
            ShowAppMessage("Die aktuelle Bibliothek wurde verändert.\rSollen die Veränderungen "
                           "jetzt gespeichert werden?"_cp,
                           kMbIconQuestion | kMbYesNoCancel);
        if (answer == kIdCancel)
            return EditorExit::Stay;
        if (answer == kIdYes) {
            FileSaveAs();
            if (m_library.Changed())
                return EditorExit::Stay; // the save dialog was cancelled
        }
    }
    switch (command) {
    case LeaveCommand::Close:
    case LeaveCommand::Home:
        if (command == LeaveCommand::Home)
            m_endProgramOnClose = false;
        return m_endProgramOnClose ? EditorExit::EndProgram : EditorExit::MainWindow;
    case LeaveCommand::Einstellungen:
        return EditorExit::SettingsWindow;
    case LeaveCommand::Abfrage:
        return EditorExit::Query;
    case LeaveCommand::Klassisch:
        return EditorExit::StyleKlassisch;
    case LeaveCommand::Abgedreht:
        return EditorExit::StyleAbgedreht;
    case LeaveCommand::Techno:
        return EditorExit::StyleTechno;
    case LeaveCommand::SuperDD:
        return EditorExit::StyleSuperDD;
    }
    return EditorExit::Stay;
}

} // namespace qor
