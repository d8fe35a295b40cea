// The start of a vocabulary query: which entries it may ask, the checks before a start, and how
// the question slots are filled (in library order, or drawn at random without repeats).

#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "users/TXUserBase.h"
#include "vocab/TBibliothek.h"
#include "vocab/TRes.h"
#include "vocab/TVocEinstellungen.h"

#include <algorithm>

namespace qor {

namespace {

// Entries that clash as answers of one multiple-choice question: the same word or meaning, or one's
// word being the other's meaning.
bool Collides(const TVokabel& a, const TVokabel& b) {
    return a.Vokabel == b.Vokabel || a.Bedeutung0 == b.Bedeutung0 || a.Vokabel == b.Bedeutung0 ||
           a.Bedeutung0 == b.Vokabel;
}

// Walks `entries` once around from a random start and fills the blank choices after `filled`;
// returns the new number of filled choices.
int FillChoices(const std::vector<const TVokabel*>& entries, TVocAufgabe& task, int filled) {
    const int count = static_cast<int>(entries.size());
    const int start = RandomBelow(count);
    for (int i = 0; i < count && filled < TVocAufgabe::kChoiceCount; ++i) {
        const TVokabel& candidate = *entries[(start + i) % count];
        if (candidate.IsBlank() || candidate.Wortart != task.Frage.Wortart ||
            candidate.Deutsch != task.Frage.Deutsch)
            continue;
        const bool clash = std::any_of(task.Wahl.begin(), task.Wahl.begin() + filled,
                                       [&](const TVokabel& chosen) { return Collides(candidate, chosen); });
        if (!clash)
            task.Wahl[filled++] = candidate;
    }
    return filled;
}

} // namespace

void TBibliothek::SetQueryEnd(int index) {
    m_queryEnd = index;
    if (m_settings)
        m_settings->Bis = index;
}

bool TBibliothek::LoggedIn() const {
    return m_users && m_users->IsLoggedIn();
}

// [SECTION] Eligibility and start checks

bool TBibliothek::IsEligible(int index) const {
    if (!m_settings || index < 0 || IsBlank(index))
        return false;
    const TVokabel& entry = m_entries[index];
    const TVocEinstellungen& settings = *m_settings;
    if (entry.Wortart > kKleinesWort && !settings.Redewendungen)
        return false;
    if (!entry.Deutsch && settings.Richtung == kDeutschFranzoesisch)
        return false;
    if (entry.Deutsch && settings.Richtung == kFranzoesischDeutsch)
        return false;
    if (!settings.DifficultyAllowed(entry.Schwierigkeit))
        return false;
    return !LoggedIn() || entry.Score <= settings.MaxScore;
}

TBibliothek::QueryRange TBibliothek::EffectiveRange() const {
    QueryRange range;
    if (!m_settings)
        return range;
    range.from = m_settings->Von == -1 ? 0 : m_settings->Von;
    range.to = m_settings->Bis == -1 ? Count() - 1 : m_settings->Bis;
    range.valid = range.from >= 0 && range.from <= range.to && range.to < Count();
    return range;
}

int TBibliothek::CountEligible() const {
    const QueryRange range = EffectiveRange();
    if (!range.valid)
        return 0;
    int count = 0;
    for (int i = range.from; i <= range.to; ++i)
        count += IsEligible(i) ? 1 : 0;
    return count;
}

bool TBibliothek::CheckQueryStart() {
    if (Count() == 0) {
        ShowAppMessage("Noch keine Bibliothek geladen! Was soll ich abfragen???"
                       "!",
                       kMbIconExclamation);
        return false;
    }
    const int eligible = CountEligible();
    if (eligible == 0) {
        ShowAppMessage("Keine Vokabel(n) aktiv!!!", kMbIconExclamation);
        return false;
    }
    TVocEinstellungen& settings = *m_settings;
    if (settings.ProRunde == 0)
        settings.ProRunde = 10;
    // More questions than slots cannot be held; the options window never offers that many.
    settings.ProRunde = std::min(settings.ProRunde, VocQueryState::kSlotCount);
    if (settings.Modus == kModusKreuzUndQuer) {
        if (eligible < settings.ProRunde && eligible > 5)
            settings.ProRunde = eligible;
        if (eligible < settings.ProRunde) {
            ShowAppMessage("Nicht genug Vokabeln pro Runde vorhanden!!!", kMbIconExclamation);
            return false;
        }
    }
    return true;
}

// [SECTION] Filling the slots

bool TBibliothek::SequentialPick(int slot) {
    VocQueryState& query = *m_query;
    auto inRange = [&query](int index) { return query.step > 0 ? index <= query.end : index >= query.end; };
    while (inRange(query.cursor) && !IsEligible(query.cursor))
        query.cursor += query.step;
    if (!inRange(query.cursor))
        return false;
    TVocAufgabe& task = query.tasks[slot];
    task = TVocAufgabe{};
    task.Frage = m_entries[query.cursor];
    task.Wahl[0] = task.Frage;
    ChooseWrongAnswers(task);
    query.cursor += query.step;
    return true;
}

bool TBibliothek::Duplicates(const TVokabel& entry, int slot, int attempts, int rangeSize) const {
    const bool compareMeanings = attempts <= 3 * rangeSize;
    const std::string meaning = UpperCp1252(entry.Bedeutung0);
    for (int j = 0; j < slot; ++j) {
        const TVokabel& other = m_query->tasks[j].Frage;
        if (entry.Vokabel == other.Vokabel && entry.Wortart == other.Wortart)
            return true;
        if (compareMeanings) {
            const std::string otherMeaning = UpperCp1252(other.Bedeutung0);
            if (meaning.find(otherMeaning) != std::string::npos ||
                otherMeaning.find(meaning) != std::string::npos)
                return true;
        }
    }
    return false;
}

void TBibliothek::RandomPick(int slot) {
    const QueryRange range = EffectiveRange();
    const int rangeSize = range.to - range.from + 1;
    int attempts = 0;
    int index = 0;
    // The start checks found an eligible entry, and repeats are allowed after 4n attempts.
    while (true) {
        index = range.from + RandomBelow(rangeSize);
        ++attempts;
        if (!IsEligible(index))
            continue;
        if (attempts < 4 * rangeSize && Duplicates(m_entries[index], slot, attempts, rangeSize))
            continue;
        break;
    }
    TVocAufgabe& task = m_query->tasks[slot];
    task = TVocAufgabe{};
    task.Frage = m_entries[index];
    task.Wahl[0] = task.Frage;
    task.Fehler = 0;
    ChooseWrongAnswers(task);
}

void TBibliothek::ChooseWrongAnswers(TVocAufgabe& task) const {
    for (int k = 1; k < TVocAufgabe::kChoiceCount; ++k)
        task.Wahl[k] = TVokabel{};
    std::vector<const TVokabel*> library;
    for (int i = 0; i < Count(); ++i)
        library.push_back(&m_entries[i]);
    int filled = FillChoices(library, task, 1);
    if (filled < TVocAufgabe::kChoiceCount && m_builtInList) {
        std::vector<const TVokabel*> builtIn;
        for (const TVokabel& entry : m_builtInList->Entries())
            builtIn.push_back(&entry);
        FillChoices(builtIn, task, filled);
    }
}

// [SECTION] Start

void TBibliothek::SetDirection(int preset) {
    if (m_settings)
        m_settings->ApplyDifficultyPreset(preset);
}

void TBibliothek::SetLastIndex(int index) {
    if (m_settings)
        m_settings->Bis = index;
}

void TBibliothek::PrepareQuery() {
    *m_query = VocQueryState{};
}

bool TBibliothek::StartQuery() {
    if (!m_settings || !CheckQueryStart()) {
        if (m_openOptionsWindow)
            m_openOptionsWindow();
        return false;
    }
    if (m_seedRandom)
        m_seedRandom();
    else
        SeedRandomFromClock();
    PrepareQuery();
    VocQueryState& query = *m_query;
    const TVocEinstellungen& settings = *m_settings;
    const bool randomMode = settings.Modus == kModusKreuzUndQuer;
    if (randomMode) {
        for (int slot = 0; slot < settings.ProRunde; ++slot)
            RandomPick(slot);
    } else {
        const QueryRange range = EffectiveRange();
        const bool forward = settings.Modus == kModusVorwaerts;
        query.cursor = forward ? range.from : range.to;
        query.end = forward ? range.to : range.from;
        query.step = forward ? 1 : -1;
        SequentialPick(0);
        const int queued = 4 + RandomBelow(4);
        for (int slot = 1; slot <= queued; ++slot)
            SequentialPick(slot);
    }
    if (LoggedIn())
        ComputeScores();
    query.questionCount = randomMode ? settings.ProRunde : CountEligible();
    query.roundQuestions[0] = query.questionCount;
    query.currentRoundQuestions = query.questionCount;
    query.current = randomMode ? RandomBelow(settings.ProRunde) : 0;
    ShowQuestion();
    return true;
}

bool TBibliothek::StartArea(int preset) {
    SetDirection(preset);
    SetLastIndex(Count() - 1);
    return StartQuery();
}

TVocAufgabe TBibliothek::DrawRandomQuestion() {
    RandomPick(0);
    return m_query->tasks[0];
}

} // namespace qor
