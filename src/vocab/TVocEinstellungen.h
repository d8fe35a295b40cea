#pragma once
// The query settings, shared by the query and the vocabulary options window. A fresh object asks
// nothing (no difficulty allowed, no direction that German entries fit), so a query can only run
// after the settings were read or a difficulty preset was applied.

#include <array>
#include <string_view>

namespace qor {

class RegistryStore;

enum QueryModus : int { kModusVorwaerts = 0, kModusRueckwaerts = 1, kModusKreuzUndQuer = 2 };
enum QueryRichtung : int { kDeutschFranzoesisch = 0, kFranzoesischDeutsch = 1, kBeideRichtungen = 2 };

class TVocEinstellungen {
public:
    static constexpr int kDifficultyCount = 5;
    static constexpr int kPresetCount = 4;

    int Modus = kModusVorwaerts;
    int Von = 0;  // -1 means the first entry
    int Bis = -1; // -1 means the last entry
    int ProRunde = 0;
    int MultipleChoiceEintippen = 0; // percentage of multiple-choice questions
    int Richtung = kDeutschFranzoesisch;
    bool Redewendungen = false;
    bool Kontext = false;
    std::array<bool, kDifficultyCount> NichtZuSchwer{}; // difficulty 0..4 is asked
    int MaxScore = 75;

    // True until the settings were read from the registry once.
    bool NeedsReading() const { return m_needsReading; }

    // Missing or unreadable values take their defaults.
    void Read(const RegistryStore& registry);
    // Reads only the first time; later calls keep what the options window changed.
    void ReadOnce(const RegistryStore& registry);
    void Write(RegistryStore& registry) const;

    // The area start's presets "s1".."s4" (0..3): a random query of twelve questions per round in
    // both directions, with the difficulties of the preset. `Kontext` stays as it is.
    void ApplyDifficultyPreset(int preset);

    bool DifficultyAllowed(int schwierigkeit) const {
        return schwierigkeit >= 0 && schwierigkeit < kDifficultyCount && NichtZuSchwer[schwierigkeit];
    }

private:
    bool m_needsReading = true;
};

// SOFTWARE\QOR\qor französisch\Vokabeln (Windows-1252).
std::string_view QuerySettingsKey();

} // namespace qor
