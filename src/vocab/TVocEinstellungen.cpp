#include "vocab/TVocEinstellungen.h"

#include "platform/Cp1252.h"
#include "platform/RegistryStore.h"

#include <algorithm>
#include <optional>
#include <string>

namespace qor {

namespace {

constexpr std::string_view kModus = "Modus";
constexpr std::string_view kMultipleChoice = "Multiple Choice/Eintippen";
constexpr std::string_view kRichtung = "Richtung";
constexpr std::string_view kKontext = "Kontext";
constexpr std::string_view kRedewendungen = "Redewendungen";
constexpr std::string_view kMaxScore = "MaxScore";

constexpr std::string_view kVor = "vor";
constexpr std::string_view kZurueck = "zurück"_cp;
constexpr std::string_view kKreuzUndQuer = "kreuzundquer";
constexpr std::string_view kDE = "D-E";
constexpr std::string_view kED = "E-D";
constexpr std::string_view kBeides = "Beides";

constexpr int kDefaultMultipleChoice = 50;
constexpr int kDefaultMaxScore = 75;

std::string DifficultyName(int index) {
    return "NichtZuSchwer" + std::to_string(index + 1);
}

// Flags are stored as integers, as the registry's boolean values always were.
std::optional<bool> ReadFlag(const RegistryStore& registry, std::string_view name) {
    auto value = registry.ReadInteger(QuerySettingsKey(), name);
    if (!value)
        return std::nullopt;
    return *value != 0;
}

// Which difficulties (0 Baby .. 4 Tödlich) each preset allows.
constexpr std::array<std::array<bool, TVocEinstellungen::kDifficultyCount>, TVocEinstellungen::kPresetCount>
    kPresetDifficulties = {{
        {true, true, true, false, false},
        {false, true, true, true, false},
        {false, false, false, true, true},
        {true, true, true, true, true},
    }};

} // namespace

std::string_view QuerySettingsKey() {
    static constexpr std::string_view key = "SOFTWARE\\QOR\\qor französisch\\Vokabeln"_cp;
    return key;
}

void TVocEinstellungen::Read(const RegistryStore& registry) {
    const std::string_view key = QuerySettingsKey();
    const std::string modus = registry.ReadText(key, kModus, "");
    Modus = modus == kVor ? kModusVorwaerts : modus == kZurueck ? kModusRueckwaerts : kModusKreuzUndQuer;
    MultipleChoiceEintippen = registry.ReadInteger(key, kMultipleChoice, kDefaultMultipleChoice);
    const std::string richtung = registry.ReadText(key, kRichtung, "");
    Richtung = richtung == kDE   ? kDeutschFranzoesisch
               : richtung == kED ? kFranzoesischDeutsch
                                 : kBeideRichtungen;
    Kontext = ReadFlag(registry, kKontext).value_or(true);
    Redewendungen = ReadFlag(registry, kRedewendungen).value_or(true);

    std::array<std::optional<bool>, kDifficultyCount> difficulties;
    for (int i = 0; i < kDifficultyCount; ++i)
        difficulties[i] = ReadFlag(registry, DifficultyName(i));
    const bool anyMissing = std::any_of(difficulties.begin(), difficulties.end(),
                                        [](const std::optional<bool>& value) { return !value; });
    for (int i = 0; i < kDifficultyCount; ++i)
        NichtZuSchwer[i] = anyMissing || *difficulties[i];

    MaxScore = registry.ReadInteger(key, kMaxScore, kDefaultMaxScore);
    m_needsReading = false;
}

void TVocEinstellungen::ReadOnce(const RegistryStore& registry) {
    if (m_needsReading)
        Read(registry);
}

void TVocEinstellungen::Write(RegistryStore& registry) const {
    const std::string_view key = QuerySettingsKey();
    registry.WriteText(key, kModus,
                       Modus == kModusVorwaerts     ? kVor
                       : Modus == kModusRueckwaerts ? kZurueck
                                                    : kKreuzUndQuer);
    registry.WriteInteger(key, kMultipleChoice, MultipleChoiceEintippen);
    registry.WriteText(key, kRichtung,
                       Richtung == kDeutschFranzoesisch   ? kDE
                       : Richtung == kFranzoesischDeutsch ? kED
                                                          : kBeides);
    registry.WriteInteger(key, kKontext, Kontext ? 1 : 0);
    registry.WriteInteger(key, kRedewendungen, Redewendungen ? 1 : 0);
    for (int i = 0; i < kDifficultyCount; ++i)
        registry.WriteInteger(key, DifficultyName(i), NichtZuSchwer[i] ? 1 : 0);
    registry.WriteInteger(key, kMaxScore, MaxScore);
}

void TVocEinstellungen::ApplyDifficultyPreset(int preset) {
    Modus = kModusKreuzUndQuer;
    MultipleChoiceEintippen = 60;
    Richtung = kBeideRichtungen;
    Redewendungen = true;
    Von = 0;
    Bis = -1;
    ProRunde = 12;
    MaxScore = kDefaultMaxScore;
    // Only "s1".."s4" call this; a number beyond them takes the nearest preset.
    NichtZuSchwer = kPresetDifficulties[std::clamp(preset, 0, kPresetCount - 1)];
}

} // namespace qor
