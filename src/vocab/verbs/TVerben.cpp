#include "vocab/verbs/TVerben.h"

#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "platform/RegistryStore.h"
#include "vocab/TrainingPage.h"
#include "vocab/verbs/VerbPages.h"
#include "vocab/verbs/VerbQuestion.h"

#include <algorithm>
#include <set>

namespace qor {

namespace {

// A choice draws again at most this often before the question is asked typed instead; only a
// random source that keeps repeating itself gets there.
constexpr int kChoiceAttempts = 1000;
constexpr int kShuffleSwaps = 10;

bool HasForms(const TVerb& verb, int tense) {
    for (int person = 0; person < kPersonCount; ++person)
        if (!verb.Form(tense, person).text.empty())
            return true;
    return false;
}

// Imperative and participles offer too few forms for six different choices among themselves.
bool AllowsChoices(const std::vector<int>& tenses) {
    if (tenses.size() > 2)
        return true;
    auto plain = [](int tense) { return tense != kTenseImperative && tense != kTenseParticiples; };
    return tenses.size() == 2 && plain(tenses[0]) && plain(tenses[1]);
}

std::size_t DistinctForms(const TVerb& verb, const std::vector<int>& tenses) {
    std::set<std::string> forms;
    for (int tense : tenses)
        for (int person = 0; person < kPersonCount; ++person)
            if (!verb.Form(tense, person).text.empty())
                forms.insert(verb.Form(tense, person).text);
    return forms.size();
}

std::string Percent(int right, int answered) {
    return std::to_string(right * 100 / answered) + "%";
}

} // namespace

TVerben::TVerben(std::vector<TVerb> table, TrainingPage* page, RegistryStore& registry, RandomDraw draw)
    : m_table(std::move(table)), m_page(page), m_registry(registry), m_draw(std::move(draw)),
      m_selection(static_cast<int>(m_table.size())) {
    m_selection.Load(m_registry);
}

int TVerben::Draw(int bound) {
    if (bound <= 1)
        return 0;
    const int value = m_draw ? m_draw(bound) : RandomBelow(bound);
    return std::clamp(value, 0, bound - 1);
}

// [Commands]

void TVerben::Start() {
    if (HasVerbsAndTensesSelected())
        StartSeries();
    else
        OpenSelectionWindow();
}

void TVerben::OpenSelectionWindow() {
    if (m_openSelectionWindow)
        m_openSelectionWindow();
}

bool TVerben::HasVerbsAndTensesSelected() {
    if (m_selection.SelectedVerbs(m_table).empty()) {
        ShowAppMessage("Keine Verben aktiviert! Was soll ich abfragen???"
                       "!",
                       kMbOk | kMbIconExclamation);
        return false;
    }
    if (m_selection.SelectedTenses().empty()) {
        ShowAppMessage("Keine Zeiten aktiviert! Was soll ich abfragen???"
                       "!",
                       kMbOk | kMbIconExclamation);
        return false;
    }
    return true;
}

void TVerben::StartSeries() {
    m_number = 0;
    m_right = 0;
    m_length = kSeriesLength;
    m_previousPerson = -1;
    if (!m_draw)
        SeedRandomFromClock();
    NextQuestion();
}

void TVerben::SetCounterMacros() {
    m_page->SetMacro("nr", std::to_string(m_number + 1));
    m_page->SetMacro("last", std::to_string(m_length));
    m_page->SetMacro("Prozent", m_number == 0 ? std::string() : Percent(m_right, m_number));
}

bool TVerben::DrawForm(int verb, const std::vector<int>& tenses, AvoidPrevious avoid, int& tense,
                       int& person) {
    const TVerb& entry = m_table[static_cast<std::size_t>(verb)];
    std::vector<int> usable;
    std::copy_if(tenses.begin(), tenses.end(), std::back_inserter(usable),
                 [&](int candidate) { return HasForms(entry, candidate); });
    if (usable.empty())
        return false;
    tense = usable.size() == 1 ? usable[0]
                               : usable[static_cast<std::size_t>(Draw(static_cast<int>(usable.size())))];
    std::vector<int> persons;
    for (int candidate = 0; candidate < kPersonCount; ++candidate)
        if (!entry.Form(tense, candidate).text.empty())
            persons.push_back(candidate);
    auto drawPerson = [&] {
        return persons[static_cast<std::size_t>(Draw(static_cast<int>(persons.size())))];
    };
    person = drawPerson();
    if (avoid == AvoidPrevious::Yes) {
        // Two more tries make a repeat unlikely without forbidding it (a tense may have one form).
        for (int retry = 0; retry < 2 && person == m_previousPerson; ++retry)
            person = drawPerson();
        m_previousPerson = person;
    }
    return true;
}

void TVerben::NextQuestion() {
    if (!m_page || !HasVerbsAndTensesSelected())
        return;
    const std::vector<int> verbs = m_selection.SelectedVerbs(m_table);
    const std::vector<int> tenses = m_selection.SelectedTenses();
    const int verb =
        verbs.size() == 1 ? verbs[0] : verbs[static_cast<std::size_t>(Draw(static_cast<int>(verbs.size())))];
    SetCounterMacros();
    const bool choices = Draw(101) >= 50 && AllowsChoices(tenses);
    int tense = 0;
    int person = 0;
    if (m_table[static_cast<std::size_t>(verb)].infinitive.empty() ||
        !DrawForm(verb, tenses, AvoidPrevious::Yes, tense, person)) {
        ShowAppMessage(" LEERES VERB AUSGESUCHT! " + std::to_string(verb), kMbOk | kMbIconError);
        return;
    }
    m_askedVerb = verb;
    m_askedTense = tense;
    m_askedPerson = person;
    m_question = QuestionText(m_table[static_cast<std::size_t>(verb)], tense, person);
    m_page->SetMacro("Aufgabe", m_question);
    if (choices && AskMultipleChoice(tenses))
        return;
    AskTyped();
}

const std::string& TVerben::AskedForm() const {
    return m_table[static_cast<std::size_t>(m_askedVerb)].Form(m_askedTense, m_askedPerson).text;
}

bool TVerben::AskMultipleChoice(const std::vector<int>& tenses) {
    // Fewer than six different forms would never give six different choices.
    if (DistinctForms(m_table[static_cast<std::size_t>(m_askedVerb)], tenses) < kChoiceCount)
        return false;
    m_choices = {};
    m_choices[0] = AskedForm();
    int attempts = 0;
    for (std::size_t k = 1; k < m_choices.size(); ++k) {
        const auto filled = m_choices.begin() + static_cast<std::ptrdiff_t>(k);
        do {
            if (++attempts > kChoiceAttempts)
                return false;
            int tense = 0;
            int person = 0;
            DrawForm(m_askedVerb, tenses, AvoidPrevious::No, tense, person);
            m_choices[k] = m_table[static_cast<std::size_t>(m_askedVerb)].Form(tense, person).text;
        } while (std::find(m_choices.begin(), filled, m_choices[k]) != filled);
    }
    std::array<std::string, kChoiceCount> links;
    for (std::size_t k = 0; k < links.size(); ++k)
        links[k] = ChoiceLink(m_choices[k], k == 0 ? Choice::Right : Choice::Wrong);
    for (int swap = 0; swap < kShuffleSwaps; ++swap)
        std::swap(links[static_cast<std::size_t>(Draw(kChoiceCount))],
                  links[static_cast<std::size_t>(Draw(kChoiceCount))]);
    for (std::size_t k = 0; k < links.size(); ++k)
        m_page->SetMacro("MCH" + std::to_string(k), links[k]);
    m_page->LoadPage("verb_mch.htx");
    return true;
}

void TVerben::AskTyped() {
    const TypedAnswer answer = TypedAnswerTexts(m_askedTense, m_askedPerson, AskedForm(), m_draw);
    m_page->SetMacro("lsg", answer.solutions);
    m_page->SetMacro("help", answer.hint);
    m_page->LoadPage("verb_ein.htx");
}

void TVerben::JudgeAnswer(std::string_view code) {
    if (!m_page || m_askedVerb < 0)
        return;
    ++m_number;
    const bool right = code.empty() || code.back() != '-';
    if (right)
        ++m_right;
    m_page->SetMacro("Kommentar", right ? "Absolut richtig!" : "Leider daneben!");
    m_page->SetMacro("Aufgabe", m_question);
    // The answer page counts the question just answered.
    m_page->SetMacro("nr", std::to_string(m_number));
    m_page->SetMacro("last", std::to_string(m_length));
    m_page->SetMacro("Prozent", Percent(m_right, m_number));
    m_page->SetMacro("Lösung"_cp, SolutionLines(m_table[static_cast<std::size_t>(m_askedVerb)], m_askedTense,
                                                m_askedPerson, right ? Judgement::Right : Judgement::Wrong));
    SeriesState state = SeriesState::Running;
    if (m_number >= m_length) {
        m_number = 0;
        m_right = 0;
        state = SeriesState::Ended;
    }
    m_page->SetMacro("weiter", ContinueLink(state));
    m_page->LoadPage("verb_richtig.htx");
}

void TVerben::ShowVerbList() {
    if (!m_page)
        return;
    const std::vector<std::string> groups = VerbListGroups(m_table);
    for (std::size_t i = 0; i < groups.size(); ++i)
        m_page->SetMacro("VerbListe" + std::to_string(i + 1), groups[i]);
    m_page->LoadPage("verbliste.htx");
    // The list is long and only needed while the page is built.
    for (int group = 1; group <= 5; ++group)
        m_page->SetMacro("VerbListe" + std::to_string(group), {});
}

void TVerben::ShowConjugationTable(int verb) {
    if (!m_page || verb < 0 || verb >= VerbCount() ||
        m_table[static_cast<std::size_t>(verb)].infinitive.empty())
        return;
    m_shownVerb = verb;
    const TVerb& entry = m_table[static_cast<std::size_t>(verb)];
    m_page->SetMacro("Infinitiv", entry.infinitive);
    m_page->SetMacro("Bedeutung", entry.meaning);
    for (int tense = 0; tense < kTenseCount; ++tense)
        m_page->SetMacro("zeit" + std::to_string(tense), TenseColumn(entry, tense));
    m_page->SetMacro("pron", PronounColumn(entry));
    m_page->LoadPage("verbtafel.htx");
}

// [Selection]

void TVerben::LoadStoredSelection() {
    m_selection.Load(m_registry);
}

void TVerben::SetSelection(std::string_view verbs, std::string_view tenses) {
    m_selection.SetVerbText(verbs);
    m_selection.SetTenseText(tenses);
}

void TVerben::SelectAll() {
    m_selection.SelectAll();
}

void TVerben::SelectPreset(int number) {
    if (number == 0)
        LoadStoredSelection();
    else if (number >= 1 && number <= 3)
        SetSelection(kVerbPresets[number - 1].verbs, kVerbPresets[number - 1].tenses);
    else if (number == 4)
        SelectAll();
}

void TVerben::StoreSelection(std::string_view verbs, std::string_view tenses) {
    SetSelection(verbs, tenses);
    m_selection.Store(m_registry);
}

std::unique_ptr<TVerben> CreateVerben(TrainingPage* page) {
    return std::make_unique<TVerben>(LoadBuiltInVerbTable(), page, Registry(RegistryHive::LocalMachine));
}

} // namespace qor
