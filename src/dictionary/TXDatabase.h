#pragma once
// The bilingual dictionary: two independent halves (French-German, German-French), each a list of
// entries with one current entry, and one current half. The dictionary window and the vocabulary
// editor browse and edit it; pages search it and show the results as page markup. Every operation
// works on the current half unless it says otherwise.

#include "dictionary/DictionaryDialogs.h"
#include "dictionary/DictionaryDirection.h"
#include "dictionary/DictionaryText.h"
#include "dictionary/TXDBEintrag.h"
#include "platform/WriteProtection.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class TrainingPage;

enum class TermLanguage { French, German };
enum class SearchScope { CurrentHalf, BothHalves };
enum class WordClassChoice { Any, NoIdioms };

// Reads a page variable (the search field's macro "Suchen"); "" when it is not set.
using MacroReader = std::function<std::string(std::string_view name)>;

class TXDatabase {
public:
    // Entry indices besides 0..Count()-1. The headword getter also takes the two neighbours.
    static constexpr int kCurrent = -1;
    static constexpr int kBeforeCurrent = -2;
    static constexpr int kAfterCurrent = -3;
    static constexpr int kResultsPerPage = 12;
    static constexpr int kMaxPageResults = 228; // 19 result pages
    static constexpr int kLocateRows = 9;

    TXDatabase();
    ~TXDatabase();
    TXDatabase(const TXDatabase&) = delete;
    TXDatabase& operator=(const TXDatabase&) = delete;

    // Called after any change of the current half, the current entry or an entry's contents.
    void SetOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }
    // How result pages find the recordings of headwords and meanings.
    void SetRecordingLookup(RecordingLookup lookup) { m_recording = std::move(lookup); }

    // [Entries]
    int Count() const;
    int CurrentIndex() const;
    // Out of range: "" and class 1.
    const std::string& Vokabel(int index = kCurrent) const;
    const std::string& Bedeutung(int index = kCurrent) const;
    int Wortart(int index = kCurrent) const;
    // Ignored out of range; stored untrimmed; mark the half changed and notify.
    void SetVokabel(int index, std::string_view text);
    void SetBedeutung(int index, std::string_view text);
    // A class outside 1..6 is stored as 1, so a saved file always holds "1".."6".
    void SetWortart(int index, int wortart);
    // Appends a trimmed entry (class text outside 1..6 gives 1); no notification.
    void AddEntry(std::string_view word, std::string_view wordClass, std::string_view meaning);
    void InsertEntry();
    void DeleteCurrent();
    void DeleteAll();
    // False, with "Der aktuelle Eintrag ist nicht vollständig!", when headword or meaning is empty.
    bool CurrentComplete() const;

    // [Navigation]
    void First();
    void Last();
    void Next();
    void Previous();
    void SetDirection(DictionaryDirection direction);
    DictionaryDirection Direction() const { return m_direction; }
    bool IsGermanFrench() const { return m_direction == DictionaryDirection::GermanFrench; }
    std::string_view DirectionName() const;      // "Deutsch-Französisch" / "Französisch-Deutsch"
    std::string_view ShortDirectionName() const; // "Deutsch-F" / "Französisch-D"
    void GotoEntry(std::string_view word, std::string_view meaning);
    // The incremental look-up: the first headword not below `text` (CompareCollated, ignoring case)
    // becomes current, or among those equal to it but for case the one written exactly so (with the
    // word class when one is given); the result list shows up to nine entries around it.
    void Locate(std::string_view text, int wortart = -1);
    // The same look-up without changing anything; -1 for an empty text or half.
    int FindIndex(std::string_view text, int wortart = -1) const;
    void RandomEntry(WordClassChoice choice);

    // [Search]
    void Search(std::string_view text, WholeWords wholeWords, TermLanguage term, SearchScope scope);
    int ResultCount() const { return static_cast<int>(m_results.size()); }
    const TXDBEintrag& Result(int position) const {
        return *m_results.at(static_cast<std::size_t>(position));
    }
    int ResultPosition() const { return m_resultPosition; }
    // The page command "suchen": both halves, whole words when the condition "ganze" holds.
    void PageSearch(TrainingPage& page, const MacroReader& readMacro);
    // The page command "sr": result page `page` (from 0) into the page of the last PageSearch.
    void ShowResultPage(int page);
    // A page control that goes away must be forgotten, or "sr" would reach it afterwards.
    void ForgetPage(const TrainingPage& page) {
        if (m_page == &page)
            m_page = nullptr;
    }
    // The result lines and the page navigation that ShowResultPage sets as "sr" and "srnav".
    std::string ResultPageLines(int page) const;
    std::string ResultPageNavigation(int page) const;

    // [Maintenance]
    void Sort();
    void CheckEntries();
    void RemoveDuplicates();
    void ExportText(DictionaryDialogs& dialogs);
    void ImportText(DictionaryDialogs& dialogs);

    // [Files]
    // Appends the entries of `path` to the current half, which then counts as unchanged.
    void Load(std::string_view path);
    // The end-of-program question and the saves of both halves; direction 1 stays selected.
    void SaveChanged(WriteProtection protection, DictionaryDialogs& dialogs);
    // Saves the current half when it changed, asking for another place until a save succeeds or
    // the user gives the changes up. True when it was written.
    bool SaveHalf(DictionaryDialogs& dialogs);
    // Where nobody may be asked (the program ends by a signal): writes a changed half to its own
    // file without a message. True when it was written; it then counts as saved there.
    bool SaveHalfQuietly(DictionaryDirection direction);
    // The compressed file of a half, as a save writes it.
    std::string HalfFileContent(DictionaryDirection direction) const;
    bool Modified(DictionaryDirection direction) const { return HalfOf(direction).modified; }
    const std::string& FilePath(DictionaryDirection direction) const { return HalfOf(direction).path; }
    const std::string& SavedPath(DictionaryDirection direction) const { return HalfOf(direction).savedPath; }

private:
    enum class Order { Unknown, Sorted, Unsorted };
    struct Half {
        std::vector<std::unique_ptr<TXDBEintrag>> entries;
        // Whether the headwords are in order, as far as it is known: a new or changed headword
        // makes it unknown again, and the next look-up finds out.
        mutable Order order = Order::Sorted;
        int current = 0;
        bool modified = false;
        std::string path;
        std::string savedPath;
    };

    Half& Current() { return m_halves[static_cast<std::size_t>(m_direction)]; }
    const Half& Current() const { return m_halves[static_cast<std::size_t>(m_direction)]; }
    Half& HalfOf(DictionaryDirection direction) { return m_halves[static_cast<std::size_t>(direction)]; }
    const Half& HalfOf(DictionaryDirection direction) const {
        return m_halves[static_cast<std::size_t>(direction)];
    }
    // The entry an index names (kCurrent for the current one), or nullptr.
    TXDBEintrag* EntryAt(int index);
    const TXDBEintrag* EntryAt(int index) const;
    // Switches the half without a notification (SetDirection notifies only on a change).
    void Select(DictionaryDirection direction);
    void Changed(); // marks the current half modified and notifies
    void Notify() const;
    // The result list never keeps an entry that has left its half.
    void ForgetResult(const TXDBEintrag* entry);
    void ForgetResultsOf(const Half& half);
    // Whether a result is a French headword (the other half's headwords are German).
    bool InFrenchHalf(const TXDBEintrag& entry) const;
    void EraseEntry(Half& half, std::size_t index);
    static bool IsSorted(const Half& half);
    bool ReadFile(std::string_view path);
    bool ExportHalf(const std::string& base, std::string_view number) const;
    // The four import files (1a, 1b, 2a, 2b) in Windows-1252; false, with a message, when one holds
    // a character the dictionary cannot store.
    static bool ReadImportFiles(const std::string& base, std::array<std::string, 4>& texts);
    void ImportHalf(const std::string& words, const std::string& meanings, int errorFlags);

    std::array<Half, 2> m_halves;
    DictionaryDirection m_direction = DictionaryDirection::FrenchGerman;
    std::vector<const TXDBEintrag*> m_results;
    int m_resultPosition = 0;
    TrainingPage* m_page = nullptr;
    std::function<void()> m_onChange;
    RecordingLookup m_recording;
};

} // namespace qor
