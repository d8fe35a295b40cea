#pragma once
// The recording index: which recording file pronounces which French text. Loaded once at start-up,
// edited in its management window, saved after asking when the program ends.

#include "sound/WaveBaseFile.h"
#include "sound/WaveBaseLookup.h"

#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class RegistryStore;

enum class LookupMode { WithVariants, ExactOnly };

class TXWaveBase {
public:
    using ChangeObserver = std::function<void()>;

    // Appends the entries of `file` (program path); clears the changed flag and notifies. A
    // compressed file that cannot be read is reported ("Fehler beim Laden von ...") and keeps what
    // was read before the damage; false then. A missing plain file is not reported.
    bool Load(std::string_view file);
    // Writes the compressed form through a temporary file; a read-only file is made writable first.
    // Clears the changed flag on success.
    bool Save(std::string_view file);

    // The stored path of `text`, or "" (see the lookup steps in Find's definition).
    std::string Find(std::string_view text, LookupMode mode = LookupMode::WithVariants) const;
    bool AnyPathStartsWith(std::string_view prefix) const;
    // Every path under `prefix` becomes relative to the own-recordings folder ("XU:"); the count.
    int Rebase(std::string_view prefix);
    void Sort();
    void Seek(std::string_view text);

    int Count() const { return static_cast<int>(m_entries.size()); }
    const std::vector<WaveBaseEntry>& Entries() const { return m_entries; }
    int CurrentIndex() const { return m_current; }
    std::string CurrentText() const;
    std::string CurrentPath() const;
    void SetCurrentText(std::string_view text);
    void SetCurrentPath(std::string_view path);
    // True for an empty database; otherwise tells the learner and gives false when the current
    // entry lacks its text or path.
    bool CurrentComplete() const;
    void Add();
    // After the editor saved a take of `text`: the entry of that text (a new one when there is
    // none) becomes current and names `path`, for the learner to confirm in the window.
    void PresetEntry(std::string_view text, std::string_view path);
    void DeleteCurrent();
    void First();
    void Last();
    void Next();
    void Previous();

    bool Changed() const { return m_changed; }
    void SetChanged(bool changed) { m_changed = changed; }
    const std::string& LoadedFrom() const { return m_loadedFrom; }
    const std::string& SavedTo() const { return m_savedTo; }
    void SetSavedTo(std::string file) { m_savedTo = std::move(file); }

    // One observer (the management window while it is open); an empty function removes it.
    void SetChangeObserver(ChangeObserver observer) { m_observer = std::move(observer); }

private:
    void Notify();
    void Modified();
    bool HasCurrent() const { return m_current >= 0 && m_current < Count(); }
    void QuickSort(int low, int high);

    std::vector<WaveBaseEntry> m_entries;
    // Built on the first look-up after a change of the texts or their order.
    mutable std::unique_ptr<WaveBaseLookup> m_lookup;
    int m_current = 0;
    bool m_changed = false;
    std::string m_loadedFrom;
    std::string m_savedTo;
    ChangeObserver m_observer;
};

// The registry value that names the index file, under the folder settings key.
std::string_view WaveBaseRegistryKey();
inline constexpr std::string_view kWaveBaseRegistryValue = "Datenbank3";
inline constexpr std::string_view kWaveBaseDefaultFile = "f_w.qor";

// "Datenbank3" when it names an existing file, otherwise `dataFolder` + "f_w.qor".
std::string WaveBaseFileName(const RegistryStore& registry, std::string_view dataFolder);
// Writes the saved location as "Datenbank3" when a save succeeded (the end of the object's life).
void StoreWaveBaseLocation(const TXWaveBase& base, RegistryStore& registry);

} // namespace qor
