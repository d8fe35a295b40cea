#include "sound/TXWaveBase.h"

#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/RegistryStore.h"
#include "platform/WinPath.h"

#include <algorithm>
#include <filesystem>

namespace qor {

namespace {

std::string WithoutParentheses(std::string_view text) {
    std::string result;
    for (char c : text)
        if (c != '(' && c != ')')
            result += c;
    return result;
}

// Removes the write protection of an existing file as far as the file system has one; false when
// the file stays read-only.
bool MakeWritable(const std::filesystem::path& file) {
    std::error_code error;
    auto status = std::filesystem::status(file, error);
    if (error || !std::filesystem::exists(status))
        return true;
    using std::filesystem::perms;
    if ((status.permissions() & perms::owner_write) != perms::none)
        return true;
    std::filesystem::permissions(file, perms::owner_write, std::filesystem::perm_options::add, error);
    return !error;
}

} // namespace

// [SECTION] Files

bool TXWaveBase::Load(std::string_view file) {
    m_loadedFrom = std::string(file);
    bool ok = true;
    std::string contents;
    if (WaveBaseFormOf(file) == WaveBaseFileForm::Compressed) {
        ok = ReadWholeFile(file, contents) && DecodeWaveBase(contents, m_entries);
        if (!ok)
            ShowAppMessage("Fehler beim Laden von " + std::string(file) + "!", kMbIconError);
    } else if (ReadWholeFile(file, contents)) {
        ParseWaveBaseText(contents, m_entries);
    }
    m_lookup.reset();
    m_changed = false;
    Notify();
    return ok;
}

bool TXWaveBase::Save(std::string_view file) {
    std::filesystem::path target = NativePath(file);
    if (!MakeWritable(target))
        return false;
    if (!WriteFileAtomically(target, EncodeWaveBase(m_entries)))
        return false;
    m_changed = false;
    return true;
}

// [SECTION] Look-up

std::string TXWaveBase::Find(std::string_view text, LookupMode mode) const {
    if (!m_lookup)
        m_lookup = std::make_unique<WaveBaseLookup>(m_entries);
    const auto pathAt = [&](int position) {
        return position < 0 ? std::string() : m_entries[static_cast<std::size_t>(position)].second;
    };
    if (int found = m_lookup->Equal(text); found >= 0)
        return pathAt(found);
    if (int found = m_lookup->Equal(WithoutParentheses(text)); found >= 0)
        return pathAt(found);
    if (mode == LookupMode::ExactOnly)
        return {};
    if (int found = m_lookup->FirstStartingWith(m_entries, std::string(text) + " ("); found >= 0)
        return pathAt(found);
    return pathAt(m_lookup->FirstStartingWith(m_entries, std::string(text) + ", "));
}

bool TXWaveBase::AnyPathStartsWith(std::string_view prefix) const {
    return std::any_of(m_entries.begin(), m_entries.end(), [&](const WaveBaseEntry& entry) {
        return StartsWithInsensitive(entry.second, prefix);
    });
}

int TXWaveBase::Rebase(std::string_view prefix) {
    if (prefix.empty())
        return 0;
    int changed = 0;
    for (auto& entry : m_entries) {
        if (!StartsWithInsensitive(entry.second, prefix))
            continue;
        // The prefix's last character is kept: a folder ending in "\" leaves "XU:\a.wav".
        entry.second = "XU:" + entry.second.substr(prefix.size() - 1);
        ++changed;
    }
    m_changed = true;
    return changed;
}

// [SECTION] Order

void TXWaveBase::QuickSort(int low, int high) {
    while (low < high) {
        int i = low;
        int j = high;
        std::string pivot = m_entries[static_cast<std::size_t>((low + high) / 2)].first;
        while (i <= j) {
            while (CompareTextInsensitive(m_entries[static_cast<std::size_t>(i)].first, pivot) < 0)
                ++i;
            while (CompareTextInsensitive(m_entries[static_cast<std::size_t>(j)].first, pivot) > 0)
                --j;
            if (i <= j) {
                std::swap(m_entries[static_cast<std::size_t>(i)], m_entries[static_cast<std::size_t>(j)]);
                ++i;
                --j;
            }
        }
        // Recursing into the smaller half keeps the depth logarithmic on any input.
        if (j - low < high - i) {
            QuickSort(low, j);
            low = i;
        } else {
            QuickSort(i, high);
            high = j;
        }
    }
}

void TXWaveBase::Sort() {
    if (Count() < 2)
        return;
    QuickSort(0, Count() - 1);
    m_lookup.reset();
    m_changed = true;
    Notify();
}

void TXWaveBase::Seek(std::string_view text) {
    m_current = 0;
    if (!text.empty())
        while (m_current < Count() - 1 &&
               CompareTextInsensitive(m_entries[static_cast<std::size_t>(m_current)].first, text) < 0)
            ++m_current;
    Notify();
}

// [SECTION] The current entry

std::string TXWaveBase::CurrentText() const {
    return HasCurrent() ? m_entries[static_cast<std::size_t>(m_current)].first : std::string();
}

std::string TXWaveBase::CurrentPath() const {
    return HasCurrent() ? m_entries[static_cast<std::size_t>(m_current)].second : std::string();
}

void TXWaveBase::SetCurrentText(std::string_view text) {
    if (!HasCurrent())
        return;
    m_entries[static_cast<std::size_t>(m_current)].first = std::string(text);
    Modified();
}

void TXWaveBase::SetCurrentPath(std::string_view path) {
    if (!HasCurrent())
        return;
    m_entries[static_cast<std::size_t>(m_current)].second = std::string(path);
    Modified();
}

bool TXWaveBase::CurrentComplete() const {
    if (m_entries.empty())
        return true;
    if (CurrentText().empty() || CurrentPath().empty()) {
        ShowAppMessage("Der aktuelle Eintrag ist nicht vollständig!"_cp);
        return false;
    }
    return true;
}

void TXWaveBase::Add() {
    int at = std::clamp(m_current, 0, Count());
    m_entries.insert(m_entries.begin() + at, WaveBaseEntry{"", ".wav"});
    m_current = at;
    Modified();
}

void TXWaveBase::PresetEntry(std::string_view text, std::string_view path) {
    Seek(text);
    if (!HasCurrent() || !SameTextInsensitive(CurrentText(), text)) {
        // A new entry at the place the text sorts to.
        if (HasCurrent() && CompareTextInsensitive(CurrentText(), text) < 0)
            ++m_current;
        Add();
        SetCurrentText(text);
    }
    SetCurrentPath(path);
}

void TXWaveBase::DeleteCurrent() {
    if (!HasCurrent())
        return;
    m_entries.erase(m_entries.begin() + m_current);
    if (m_current >= Count() && m_current > 0)
        --m_current;
    Modified();
}

void TXWaveBase::First() {
    m_current = 0;
    Notify();
}

void TXWaveBase::Last() {
    m_current = std::max(0, Count() - 1);
    Notify();
}

void TXWaveBase::Next() {
    if (m_current < Count() - 1)
        ++m_current;
    Notify();
}

void TXWaveBase::Previous() {
    if (m_current > 0)
        --m_current;
    Notify();
}

void TXWaveBase::Notify() {
    if (m_observer)
        m_observer();
}

void TXWaveBase::Modified() {
    m_lookup.reset();
    m_changed = true;
    Notify();
}

// [SECTION] Registry

std::string_view WaveBaseRegistryKey() {
    return "SOFTWARE\\QOR\\qor französisch\\Verzeichnisse"_cp;
}

std::string WaveBaseFileName(const RegistryStore& registry, std::string_view dataFolder) {
    auto stored = registry.ReadText(WaveBaseRegistryKey(), kWaveBaseRegistryValue);
    if (stored && !stored->empty() && FileExists(*stored))
        return *stored;
    return WithTrailingSeparator(dataFolder) + std::string(kWaveBaseDefaultFile);
}

void StoreWaveBaseLocation(const TXWaveBase& base, RegistryStore& registry) {
    if (!base.SavedTo().empty())
        registry.WriteText(WaveBaseRegistryKey(), kWaveBaseRegistryValue, base.SavedTo());
}

} // namespace qor
