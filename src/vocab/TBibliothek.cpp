#include "vocab/TBibliothek.h"

#include <algorithm>

namespace qor {

namespace {

constexpr int kCurrentEntry = -1;
constexpr int kPreviousEntry = -2;
constexpr int kNextEntry = -3;

bool ValidK(int k) {
    return k == 0 || k == 1;
}

} // namespace

TBibliothek::TBibliothek() {
    m_entries.emplace_back();
}

// [SECTION] Index rules

int TBibliothek::Resolve(int index) const {
    if (index == kCurrentEntry)
        index = m_current;
    if (index < 0 || index >= static_cast<int>(m_entries.size()))
        return -1;
    return index;
}

TVokabel* TBibliothek::At(int index) {
    const int resolved = Resolve(index);
    return resolved < 0 ? nullptr : &m_entries[resolved];
}

const TVokabel* TBibliothek::At(int index) const {
    const int resolved = Resolve(index);
    return resolved < 0 ? nullptr : &m_entries[resolved];
}

template <typename T> void TBibliothek::Write(int index, T TVokabel::*field, T value) {
    TVokabel* entry = At(index);
    if (!entry || entry->*field == value)
        return;
    entry->*field = std::move(value);
    m_changed = true;
}

void TBibliothek::DropTrailingBlank() {
    if (!m_entries.empty() && m_entries.back().IsBlank())
        m_entries.pop_back();
}

void TBibliothek::EnsureTrailingBlank() {
    if (m_entries.empty() || !m_entries.back().IsBlank())
        m_entries.emplace_back();
}

// [SECTION] Entries

void TBibliothek::Clear(BlankLine blankLine) {
    m_entries.clear();
    if (blankLine == BlankLine::Keep)
        m_entries.emplace_back();
    m_fileName.clear();
    m_changed = false;
    m_current = 0;
}

int TBibliothek::Count(CountMode mode) const {
    const int full = static_cast<int>(m_entries.size());
    if (mode == CountMode::Full)
        return full;
    return full > 0 && m_entries.back().IsBlank() ? full - 1 : full;
}

bool TBibliothek::IsBlank(int index) const {
    const TVokabel* entry = At(index);
    return !entry || entry->IsBlank();
}

int TBibliothek::FirstInnerBlank() const {
    const int full = Count(CountMode::Full);
    for (int i = 0; i < full; ++i) {
        if (m_entries[i].IsBlank())
            return IsBlank(i + 1) ? -1 : i;
    }
    return -1;
}

void TBibliothek::Add(const TVokabel& entry) {
    m_entries.push_back(entry);
    m_changed = true;
}

void TBibliothek::AddBlank() {
    Add(TVokabel{});
}

bool TBibliothek::InsertBlankAtCurrent() {
    const int current = Resolve(kCurrentEntry);
    if (current < 0 || m_entries[current].IsBlank())
        return false;
    // At the first entry there is no entry before it to look at.
    if (current > 0 && m_entries[current - 1].IsBlank())
        return false;
    m_entries.insert(m_entries.begin() + current, TVokabel{});
    m_changed = true;
    return true;
}

void TBibliothek::Delete(int index) {
    const int resolved = Resolve(index);
    if (resolved < 0)
        return;
    m_entries.erase(m_entries.begin() + resolved);
    // Deleting the new-entry line itself must not leave the editor without one.
    EnsureTrailingBlank();
    m_current = std::min(m_current, Count(CountMode::Full) - 1);
    m_changed = true;
}

void TBibliothek::Exchange(int i, int j) {
    const int first = Resolve(i);
    const int second = Resolve(j);
    if (first < 0 || second < 0 || first == second)
        return;
    std::swap(m_entries[first], m_entries[second]);
    m_changed = true;
}

TVokabel TBibliothek::Entry(int index) const {
    const TVokabel* entry = At(index);
    return entry ? *entry : TVokabel{};
}

void TBibliothek::SetCurrent(int index) {
    if (index >= 0 && index < Count(CountMode::Full))
        m_current = index;
}

// [SECTION] Fields

std::string TBibliothek::Vokabel(int index) const {
    const int last = Count(CountMode::Full) - 1;
    if (index == kPreviousEntry)
        index = std::max(m_current - 1, 0);
    else if (index == kNextEntry)
        index = std::min(m_current + 1, last);
    const TVokabel* entry = At(index);
    return entry ? entry->Vokabel : std::string();
}

std::string TBibliothek::Bedeutung(int index, int k) const {
    const TVokabel* entry = At(index);
    if (!entry || !ValidK(k))
        return {};
    return k == 0 ? entry->Bedeutung0 : entry->Bedeutung1;
}

std::string TBibliothek::Kontext(int index, int k) const {
    const TVokabel* entry = At(index);
    if (!entry || !ValidK(k))
        return {};
    return k == 0 ? entry->Kontext0 : entry->Kontext1;
}

bool TBibliothek::KtxDazu(int index, int k) const {
    const TVokabel* entry = At(index);
    if (!entry || !ValidK(k))
        return false;
    return k == 0 ? entry->KtxDazu0 : entry->KtxDazu1;
}

int TBibliothek::Wortart(int index) const {
    const TVokabel* entry = At(index);
    return entry ? entry->Wortart : 0;
}

bool TBibliothek::Deutsch(int index) const {
    const TVokabel* entry = At(index);
    return entry && entry->Deutsch;
}

int TBibliothek::Schwierigkeit(int index) const {
    const TVokabel* entry = At(index);
    return entry ? entry->Schwierigkeit : 0;
}

int TBibliothek::Score(int index) const {
    const TVokabel* entry = At(index);
    return entry ? entry->Score : 0;
}

void TBibliothek::SetVokabel(int index, std::string_view text) {
    Write(index, &TVokabel::Vokabel, std::string(text));
}

void TBibliothek::SetBedeutung(int index, int k, std::string_view text) {
    if (ValidK(k))
        Write(index, k == 0 ? &TVokabel::Bedeutung0 : &TVokabel::Bedeutung1, std::string(text));
}

void TBibliothek::SetKontext(int index, int k, std::string_view text) {
    if (ValidK(k))
        Write(index, k == 0 ? &TVokabel::Kontext0 : &TVokabel::Kontext1, std::string(text));
}

void TBibliothek::SetKtxDazu(int index, int k, bool value) {
    if (ValidK(k))
        Write(index, k == 0 ? &TVokabel::KtxDazu0 : &TVokabel::KtxDazu1, value);
}

void TBibliothek::SetWortart(int index, int value) {
    Write(index, &TVokabel::Wortart, value);
}

void TBibliothek::SetDeutsch(int index, bool value) {
    Write(index, &TVokabel::Deutsch, value);
}

void TBibliothek::SetSchwierigkeit(int index, int value) {
    Write(index, &TVokabel::Schwierigkeit, std::clamp(value, 0, kMaxSchwierigkeit));
}

int TBibliothek::CountWithDirection(bool deutsch, int from, int to) const {
    if (to == -1)
        to = Count() - 1;
    from = std::max(from, 0);
    to = std::min(to, Count(CountMode::Full) - 1);
    int count = 0;
    for (int i = from; i <= to; ++i)
        count += m_entries[i].Deutsch == deutsch ? 1 : 0;
    return count;
}

} // namespace qor
