#include "dictionary/TXDatabase.h"

#include "platform/AppMessage.h"
#include "platform/Collation.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"

#include <algorithm>
#include <utility>

namespace qor {

namespace {

const std::string& EmptyText() {
    static const std::string empty;
    return empty;
}

int ClampedWordClass(int wortart) {
    return wortart >= kFirstWordClass && wortart <= kLastWordClass ? wortart : kFirstWordClass;
}

} // namespace

TXDatabase::TXDatabase() = default;
TXDatabase::~TXDatabase() = default;

// [SECTION] Entries

int TXDatabase::Count() const {
    return static_cast<int>(Current().entries.size());
}

int TXDatabase::CurrentIndex() const {
    return Current().current;
}

TXDBEintrag* TXDatabase::EntryAt(int index) {
    return const_cast<TXDBEintrag*>(std::as_const(*this).EntryAt(index));
}

const TXDBEintrag* TXDatabase::EntryAt(int index) const {
    const Half& half = Current();
    if (index == kCurrent)
        index = half.current;
    if (index < 0 || index >= static_cast<int>(half.entries.size()))
        return nullptr;
    return half.entries[static_cast<std::size_t>(index)].get();
}

const std::string& TXDatabase::Vokabel(int index) const {
    if (index == kBeforeCurrent || index == kAfterCurrent) {
        int neighbour = Current().current + (index == kBeforeCurrent ? -1 : 1);
        if (neighbour < 0)
            return EmptyText();
        index = neighbour;
    }
    const TXDBEintrag* entry = EntryAt(index);
    return entry ? entry->Vokabel : EmptyText();
}

const std::string& TXDatabase::Bedeutung(int index) const {
    const TXDBEintrag* entry = EntryAt(index);
    return entry ? entry->Bedeutung : EmptyText();
}

int TXDatabase::Wortart(int index) const {
    const TXDBEintrag* entry = EntryAt(index);
    return entry ? entry->Wortart : kFirstWordClass;
}

void TXDatabase::SetVokabel(int index, std::string_view text) {
    if (TXDBEintrag* entry = EntryAt(index)) {
        entry->Vokabel = text;
        Current().order = Order::Unknown;
        Changed();
    }
}

void TXDatabase::SetBedeutung(int index, std::string_view text) {
    if (TXDBEintrag* entry = EntryAt(index)) {
        entry->Bedeutung = text;
        Changed();
    }
}

void TXDatabase::SetWortart(int index, int wortart) {
    if (TXDBEintrag* entry = EntryAt(index)) {
        entry->Wortart = ClampedWordClass(wortart);
        Changed();
    }
}

void TXDatabase::AddEntry(std::string_view word, std::string_view wordClass, std::string_view meaning) {
    auto entry = std::make_unique<TXDBEintrag>();
    entry->Vokabel = TrimEntryText(word);
    entry->Bedeutung = TrimEntryText(meaning);
    entry->Wortart = WordClassFromText(wordClass);
    Current().entries.push_back(std::move(entry));
    Current().order = Order::Unknown;
    Current().modified = true;
}

void TXDatabase::InsertEntry() {
    Half& half = Current();
    std::size_t at = std::min(static_cast<std::size_t>(std::max(half.current, 0)), half.entries.size());
    half.entries.insert(half.entries.begin() + static_cast<std::ptrdiff_t>(at),
                        std::make_unique<TXDBEintrag>());
    half.current = static_cast<int>(at);
    half.order = Order::Unknown;
    Changed();
}

void TXDatabase::DeleteCurrent() {
    Half& half = Current();
    if (half.current >= 0 && half.current < static_cast<int>(half.entries.size()))
        EraseEntry(half, static_cast<std::size_t>(half.current));
    if (half.current == static_cast<int>(half.entries.size()) && half.current > 0)
        --half.current;
    Changed();
}

void TXDatabase::DeleteAll() {
    Half& half = Current();
    half.current = 0;
    ForgetResultsOf(half);
    half.entries.clear();
    Changed();
}

bool TXDatabase::CurrentComplete() const {
    if (Vokabel(kCurrent).empty() || Bedeutung(kCurrent).empty()) {
        ShowAppMessage("Der aktuelle Eintrag ist nicht vollständig!"_cp, 0);
        return false;
    }
    return true;
}

// In the order of the look-up, which the order of sorting refines. Removing entries keeps the order
// of the rest, so only new and changed headwords make it unknown.
bool TXDatabase::IsSorted(const Half& half) {
    if (half.order == Order::Unknown) {
        const auto& entries = half.entries;
        const bool sorted = std::is_sorted(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
            return CompareCollated(a->Vokabel, b->Vokabel, CaseLevel::Ignored) < 0;
        });
        half.order = sorted ? Order::Sorted : Order::Unsorted;
    }
    return half.order == Order::Sorted;
}

void TXDatabase::EraseEntry(Half& half, std::size_t index) {
    ForgetResult(half.entries[index].get());
    half.entries.erase(half.entries.begin() + static_cast<std::ptrdiff_t>(index));
}

void TXDatabase::ForgetResult(const TXDBEintrag* entry) {
    auto gone = std::find(m_results.begin(), m_results.end(), entry);
    if (gone == m_results.end())
        return;
    // An entry is listed at most once.
    int position = static_cast<int>(gone - m_results.begin());
    m_results.erase(gone);
    if (position < m_resultPosition)
        --m_resultPosition;
    m_resultPosition = std::clamp(m_resultPosition, 0, std::max(ResultCount() - 1, 0));
}

void TXDatabase::ForgetResultsOf(const Half& half) {
    for (const auto& entry : half.entries)
        ForgetResult(entry.get());
}

void TXDatabase::Changed() {
    Current().modified = true;
    Notify();
}

void TXDatabase::Notify() const {
    if (m_onChange)
        m_onChange();
}

// [SECTION] Navigation

void TXDatabase::First() {
    Current().current = 0;
    Notify();
}

void TXDatabase::Last() {
    Current().current = std::max(Count() - 1, 0);
    Notify();
}

void TXDatabase::Next() {
    if (Current().current < Count() - 1) {
        ++Current().current;
        Notify();
    }
}

void TXDatabase::Previous() {
    if (Current().current > 0) {
        --Current().current;
        Notify();
    }
}

void TXDatabase::SetDirection(DictionaryDirection direction) {
    if (direction == m_direction)
        return;
    Select(direction);
    Notify();
}

void TXDatabase::Select(DictionaryDirection direction) {
    m_direction = direction;
    if (Current().current > Count())
        Current().current = 0;
}

std::string_view TXDatabase::DirectionName() const {
    return IsGermanFrench() ? "Deutsch-Französisch"_cp : "Französisch-Deutsch"_cp;
}

std::string_view TXDatabase::ShortDirectionName() const {
    return IsGermanFrench() ? "Deutsch-F"_cp : "Französisch-D"_cp;
}

void TXDatabase::GotoEntry(std::string_view word, std::string_view meaning) {
    if (word.empty())
        return;
    if (const TXDBEintrag* current = EntryAt(kCurrent);
        current && current->Vokabel == word && current->Bedeutung == meaning)
        return;
    const auto& entries = Current().entries;
    auto first =
        std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e->Vokabel == word; });
    if (first == entries.end())
        return;
    Current().current = static_cast<int>(first - entries.begin());
    for (auto it = first; it != entries.end() && (*it)->Vokabel == word; ++it) {
        if ((*it)->Bedeutung == meaning) {
            Current().current = static_cast<int>(it - entries.begin());
            break;
        }
    }
    Notify();
}

int TXDatabase::FindIndex(std::string_view text, int wortart) const {
    const Half& half = Current();
    const auto& entries = half.entries;
    const int count = static_cast<int>(entries.size());
    if (text.empty() || count == 0)
        return -1;
    auto compare = [text](const auto& entry) {
        return CompareCollated(entry->Vokabel, text, CaseLevel::Ignored);
    };
    auto below = [&compare](const auto& entry) { return compare(entry) < 0; };
    // The walk from the front stops at the first headword not below the text, or at the last entry.
    // In a sorted half the headwords below the text all come first, so a binary search stops at
    // the same place; an unsorted half is walked.
    int index = 0;
    if (IsSorted(half)) {
        const auto notBelow = std::partition_point(entries.begin(), entries.end(), below);
        index = std::min(static_cast<int>(notBelow - entries.begin()), count - 1);
    } else {
        while (index < count - 1 && below(entries[static_cast<std::size_t>(index)]))
            ++index;
    }
    // Among the headwords that differ from the text in case at most, the one written exactly so,
    // and of those the first of the wanted class: "Essen" is found beside "essen". Without one
    // written so, the first of them stays. The last entry of the half is examined too, so a class
    // found only there is not missed.
    int exact = -1;
    for (int candidate = index; candidate < count; ++candidate) {
        const TXDBEintrag& entry = *entries[static_cast<std::size_t>(candidate)];
        if (compare(entries[static_cast<std::size_t>(candidate)]) != 0)
            break;
        if (entry.Vokabel != text)
            continue;
        if (wortart < 0 || entry.Wortart == wortart)
            return candidate;
        if (exact < 0)
            exact = candidate;
    }
    return exact >= 0 ? exact : index;
}

void TXDatabase::Locate(std::string_view text, int wortart) {
    if (text.empty()) {
        Current().current = 0;
        Notify();
        return;
    }
    m_results.clear();
    m_resultPosition = 0;
    if (Count() == 0)
        return;
    Half& half = Current();
    half.current = FindIndex(text, wortart);
    int last = Count() - 1;
    int start = std::max(half.current - 1, 0);
    int end = start + kLocateRows - 1;
    if (end > last) {
        start -= end - last;
        end = last;
    }
    start = std::max(start, 0);
    for (int i = start; i <= end; ++i)
        m_results.push_back(half.entries[static_cast<std::size_t>(i)].get());
    m_resultPosition = half.current - start;
    Notify();
}

void TXDatabase::RandomEntry(WordClassChoice choice) {
    const auto& entries = Current().entries;
    if (entries.empty())
        return;
    auto isSingleWord = [](const auto& entry) { return entry->Wortart <= kLastSingleWordClass; };
    // A half of idioms only has nothing to offer without them; picking again would never end.
    if (choice == WordClassChoice::NoIdioms && std::none_of(entries.begin(), entries.end(), isSingleWord))
        return;
    int picked = RandomBelow(Count());
    while (choice == WordClassChoice::NoIdioms && !isSingleWord(entries[static_cast<std::size_t>(picked)]))
        picked = RandomBelow(Count());
    Current().current = picked;
    Notify();
}

} // namespace qor
