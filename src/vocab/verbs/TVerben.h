#pragma once
// The verb trainer: the conjugation table, the learner's choice of verbs and tenses and the
// running series of ten questions, asked as multiple choice or typed. Like the other trainers it
// only fills page variables and loads pages; the main window's page commands drive it.
//
// The selection window belongs to the main window's side: where the trainer would open it, it
// calls the opener it was given.

#include "vocab/AcceptedAnswers.h"
#include "vocab/verbs/VerbSelection.h"
#include "vocab/verbs/VerbTable.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class RegistryStore;
class TrainingPage;

class TVerben {
public:
    static constexpr int kSeriesLength = 10;
    static constexpr int kChoiceCount = 6;

    // Reads the stored selection from `registry`. `page` may be null until the main window exists.
    // Without `draw` the program's random source is used and seeded anew for every series.
    TVerben(std::vector<TVerb> table, TrainingPage* page, RegistryStore& registry, RandomDraw draw = {});
    TVerben(const TVerben&) = delete;
    TVerben& operator=(const TVerben&) = delete;

    void SetPage(TrainingPage* page) { m_page = page; }
    void SetSelectionWindowOpener(std::function<void()> open) { m_openSelectionWindow = std::move(open); }

    // [Commands]
    // "verb": a new series when the checks pass, otherwise the selection window.
    void Start();
    // "verbmanuell".
    void OpenSelectionWindow();
    // The checks before a series; a failing one tells the learner what is missing.
    bool HasVerbsAndTensesSelected();
    void StartSeries();
    // "verbweiter".
    void NextQuestion();
    // "verb" + code: "#n+" or "-" from the gap field, "+" or "[form]-" from a choice.
    void JudgeAnswer(std::string_view code);
    // "verblist".
    void ShowVerbList();
    // "showverb" + number; numbers outside the table show nothing.
    void ShowConjugationTable(int verb);
    // "vtafel".
    void ShowLastConjugationTable() { ShowConjugationTable(m_shownVerb); }

    // [Selection]
    // "vt0".
    void LoadStoredSelection();
    // "vt1" … "vt3" hand over their texts; they are not stored.
    void SetSelection(std::string_view verbs, std::string_view tenses);
    // "vt4".
    void SelectAll();
    // "vt0" … "vt4" by number; other numbers change nothing.
    void SelectPreset(int number);
    // The selection window's "Abfrage": taken and kept in the registry.
    void StoreSelection(std::string_view verbs, std::string_view tenses);
    const VerbSelection& Selection() const { return m_selection; }

    // [State]
    const std::vector<TVerb>& Table() const { return m_table; }
    int VerbCount() const { return static_cast<int>(m_table.size()); }
    int QuestionNumber() const { return m_number; }
    int RightAnswers() const { return m_right; }
    int SeriesLength() const { return m_length; }
    // The question being answered; -1 before the first one.
    int AskedVerb() const { return m_askedVerb; }
    int AskedTense() const { return m_askedTense; }
    int AskedPerson() const { return m_askedPerson; }
    const std::string& Question() const { return m_question; }
    // The forms offered by the last multiple-choice question; the right one first.
    const std::array<std::string, kChoiceCount>& Choices() const { return m_choices; }
    int ShownVerb() const { return m_shownVerb; }

private:
    int Draw(int bound);
    void SetCounterMacros();
    // A selected tense in which the verb has forms and one of its persons with a form, avoiding
    // the previous person when `avoidPrevious`. False when the verb has no form in those tenses.
    enum class AvoidPrevious { No, Yes };
    bool DrawForm(int verb, const std::vector<int>& tenses, AvoidPrevious avoid, int& tense, int& person);
    bool AskMultipleChoice(const std::vector<int>& tenses);
    void AskTyped();
    const std::string& AskedForm() const;

    std::vector<TVerb> m_table;
    TrainingPage* m_page = nullptr;
    RegistryStore& m_registry;
    RandomDraw m_draw;
    std::function<void()> m_openSelectionWindow;
    VerbSelection m_selection;

    int m_askedVerb = -1;
    int m_askedTense = -1;
    int m_askedPerson = -1;
    int m_previousPerson = -1;
    std::array<std::string, kChoiceCount> m_choices;
    std::string m_question;
    int m_number = 0;
    int m_length = kSeriesLength;
    int m_right = 0;
    int m_shownVerb = 0;
};

// The program's verb trainer: the built-in table and the local-machine registry.
std::unique_ptr<TVerben> CreateVerben(TrainingPage* page);

} // namespace qor
