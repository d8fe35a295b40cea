#pragma once
// The one vocabulary library of the program: the ordered entries, the current entry, the file it
// came from and whether it changed since. The list always ends with one blank entry, the editor's
// new-entry line; Count() leaves it out.
//
// Index arguments: -1 is the current entry; reads beyond the list give an empty text or 0, writes
// there do nothing, and a write that changes nothing leaves the changed flag alone.

#include "vocab/QueryDisplay.h"
#include "vocab/TLastFiles.h"
#include "vocab/TVocAufgabe.h"
#include "vocab/TVokabel.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class TRes;
class TrainingPage;
class TVocEinstellungen;
class TXUserBase;

// Called after every entry of a long loop so the user interface can process pending messages.
using ProcessMessages = std::function<void()>;

enum class BlankLine { Drop, Keep };
enum class LoadMode { Append, Replace };
enum class CountMode { WithoutTrailingBlank, Full };
enum class Report { Silent, Show };

// Where the editor's search stands; `entry` -1 starts over.
struct VocSearch {
    std::string text;
    bool found = false;
    int entry = -1;
    int field = 0;    // 0 Vokabel, 1 Bedeutung0, 2 Bedeutung1, 3 Kontext0, 4 Kontext1
    int position = 1; // 1-based position of the last hit
    bool caseSensitive = false;
};

// "Unbenannt" for no name; a name over 34 characters as its first 16 + " ... " + its file part.
std::string LibraryDisplayName(std::string_view fileName);

class TBibliothek {
public:
    static constexpr int kRandomAreaMaxFiles = 5;
    static constexpr int kRandomAreaEntryLimit = 500;

    TBibliothek();
    // The recent-files list asks this object for its file name, so it stays where it was made.
    TBibliothek(const TBibliothek&) = delete;
    TBibliothek& operator=(const TBibliothek&) = delete;

    // [Whole library]
    void Clear(BlankLine blankLine);
    // Messages for a missing or damaged file; false when it could not be opened. A file saved as
    // UTF-8 or UTF-16 is converted; one with a character outside Windows-1252 is refused (with its
    // line) and the library stays as it was.
    bool Load(std::string_view file, LoadMode mode);
    // An empty name saves to the current file. A failure says so and keeps the changed flag.
    bool Save(std::string_view file = {});
    // The .asc text that Save writes.
    std::string AscText() const;
    // `layout` lists the columns ("Vokabel, Bedeutung, Kontext"); replaces the library unless the
    // file is refused as Load refuses it.
    bool Import(std::string_view file, std::string_view layout, std::string_view separator);
    // Entries from at most five random .asc files below `folder` (the last folder when empty).
    void LoadRandomArea(std::string_view folder);

    // [Entries]
    int Count(CountMode mode = CountMode::WithoutTrailingBlank) const;
    bool IsBlank(int index) const;
    int FirstInnerBlank() const;
    void Add(const TVokabel& entry);
    void AddBlank();
    bool InsertBlankAtCurrent();
    void Delete(int index);
    void DeleteCurrent() { Delete(-1); }
    void Exchange(int i, int j);
    // The entry itself (a blank one beyond the list).
    TVokabel Entry(int index) const;

    int Current() const { return m_current; }
    void SetCurrent(int index);

    // [Fields]
    // Also -2 (the entry before the current one, not below 0) and -3 (the one after it, not
    // beyond the last).
    std::string Vokabel(int index) const;
    std::string Bedeutung(int index, int k) const;
    std::string Kontext(int index, int k) const;
    bool KtxDazu(int index, int k) const;
    int Wortart(int index) const;
    bool Deutsch(int index) const;
    int Schwierigkeit(int index) const;
    int Score(int index) const;

    void SetVokabel(int index, std::string_view text);
    void SetBedeutung(int index, int k, std::string_view text);
    void SetKontext(int index, int k, std::string_view text);
    void SetKtxDazu(int index, int k, bool value);
    void SetWortart(int index, int value);
    void SetDeutsch(int index, bool value);
    // Values above 4 store 4.
    void SetSchwierigkeit(int index, int value);

    // Entries in from..to (to -1: the last counted one) whose Deutsch equals `deutsch`.
    int CountWithDirection(bool deutsch, int from = 0, int to = -1) const;

    // [Tools]
    void Sort(int from = 0, int to = -1);
    void Shuffle();
    int RemoveDuplicates(Report report, const ProcessMessages& processMessages = {});
    void AddReversedCopies(const ProcessMessages& processMessages = {});
    void SearchNext(VocSearch& search) const;
    std::string DisplayName() const;

    // [Recent files]
    // "*" stands for the current file name.
    void RememberRecentFile(std::string_view name) { m_recentFiles.Add(name); }
    std::string RecentFile(int i) const { return m_recentFiles.Item(i); }
    TLastFiles& RecentFiles() { return m_recentFiles; }

    // [Scores]
    // The query also sends the learner's results there.
    void SetUserBase(TXUserBase* users) { m_users = users; }
    void ComputeScores();
    int AverageScore() const { return m_averageScore; }

    bool Changed() const { return m_changed; }
    void SetChanged(bool changed) { m_changed = changed; }
    const std::string& FileName() const { return m_fileName; }
    // Flash cards are being printed: a second printout of them is refused meanwhile.
    bool Printing() const { return m_printing; }
    void SetPrinting(bool printing) { m_printing = printing; }
    const std::string& RandomAreaFolder() const { return m_randomAreaFolder; }
    // The last entry the query may ask; reset to the last entry whenever a file is read. It is the
    // settings' `Bis` once settings are attached.
    int QueryEnd() const { return m_queryEnd; }
    void SetQueryEnd(int index);

    // [Query] (TBibliothekQuery.cpp, TBibliothekQueryFlow.cpp)
    // What the query works with; none of them is owned. Without a page nothing is shown.
    void SetSettings(TVocEinstellungen* settings) { m_settings = settings; }
    TVocEinstellungen* Settings() const { return m_settings; }
    void SetPage(TrainingPage* page) { m_page = page; }
    void SetBuiltInList(const TRes* list) { m_builtInList = list; }
    void SetRecordingLookup(RecordingLookup lookup) { m_recordingLookup = std::move(lookup); }
    // A start that fails its checks opens the vocabulary options window through this.
    void SetOpenOptionsWindow(std::function<void()> open) { m_openOptionsWindow = std::move(open); }
    // Each start reseeds the random source (from the clock unless a test fixes it).
    void SetRandomSeeding(std::function<void()> seed) { m_seedRandom = std::move(seed); }

    // Whether the query asks the entry with the current settings and learner.
    bool IsEligible(int index) const;
    // Eligible entries in the query range; 0 for a range that names no entries.
    int CountEligible() const;
    // The checks before a start, each failure with its message; may adjust `ProRunde`.
    bool CheckQueryStart();

    // The dispatcher's calls.
    // "s1".."s4" (0..3): applies that difficulty preset to the settings.
    void SetDirection(int preset);
    // The settings' `Bis`.
    void SetLastIndex(int index);
    // Forgets the running query.
    void PrepareQuery();
    void LoadUserScores() { ComputeScores(); }
    // "vabfrage": starts with the settings' mode and shows the first question; a failed check
    // opens the options window and returns false.
    bool StartQuery();
    // "go" after an area was loaded: preset, the whole library as range, start.
    bool StartArea(int preset);
    // "vokabel" + code.
    void Answer(std::string_view code);
    void ContinueAfterAnswer();     // "vokabelweiter"
    void ContinueAfterEvaluation(); // "vcontinue"
    void StopWithEvaluation();      // "vocaus"

    const VocQueryState& QueryState() const { return *m_query; }
    // A question drawn as a random query round draws it (the game shows one pair at a time);
    // it takes the first slot of the query state.
    TVocAufgabe DrawRandomQuestion();

private:
    // The list position of an index argument, or -1 when it names no entry.
    int Resolve(int index) const;
    TVokabel* At(int index);
    const TVokabel* At(int index) const;
    template <typename T> void Write(int index, T TVokabel::*field, T value);
    void DropTrailingBlank();
    void EnsureTrailingBlank();
    void FinishReading(std::string_view file);

    // Query steps.
    enum class Evaluation { RoundFinished, AllSolved, SectionFinished, Stopped };
    struct QueryRange {
        int from = 0;
        int to = -1;
        bool valid = false;
    };
    QueryRange EffectiveRange() const;
    bool SequentialPick(int slot);
    void RandomPick(int slot);
    bool Duplicates(const TVokabel& entry, int slot, int attempts, int rangeSize) const;
    void ChooseWrongAnswers(TVocAufgabe& task) const;
    void ShowQuestion();
    void ShowMultipleChoice(const TVocAufgabe& task);
    void ShowTypedQuestion(const TVocAufgabe& task);
    bool ShowGapQuestion(const TVocAufgabe& task);
    void ShowEvaluation(Evaluation occasion);
    void ContinueRandom();
    void ContinueSequential();
    int RandomSlotOfRound() const;
    bool LoggedIn() const;

    std::vector<TVokabel> m_entries;
    int m_current = 0;
    std::string m_fileName;
    bool m_changed = false;
    bool m_printing = false;
    std::string m_randomAreaFolder;
    TLastFiles m_recentFiles{[this] { return m_fileName; }};
    TXUserBase* m_users = nullptr;
    int m_averageScore = 0;
    int m_queryEnd = -1;

    TVocEinstellungen* m_settings = nullptr;
    TrainingPage* m_page = nullptr;
    const TRes* m_builtInList = nullptr;
    RecordingLookup m_recordingLookup;
    std::function<void()> m_openOptionsWindow;
    std::function<void()> m_seedRandom;
    // 200 slots of copied entries: kept off the stack and out of every TBibliothek copy's way.
    std::unique_ptr<VocQueryState> m_query = std::make_unique<VocQueryState>();
};

} // namespace qor
