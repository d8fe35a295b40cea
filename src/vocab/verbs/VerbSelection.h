#pragma once
// Which verbs and tenses a series asks: one "+" (chosen) or "-" character per verb and per tense,
// as the selection window, the presets and the registry hold them.

#include "platform/Cp1252.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

class RegistryStore;
struct TVerb;

// The stored choice, in the local-machine hive.
inline constexpr std::string_view kVerbTrainerKey = "SOFTWARE\\QOR\\qor französisch\\Verbtrainer"_cp;

// The ready-made choices of the verb trainer's start page ("vt1" … "vt3").
struct VerbPreset {
    std::string_view verbs;
    std::string_view tenses;
};
inline constexpr VerbPreset kVerbPresets[] = {
    {"+++--+------------------------------------------------++-----------+---", "+---------------"},
    {"+++--+-----+-+-+----------+-+---+-------+-+----------+++--+--------+--+", "+--+----+-------"},
    {"+++-+++-+-++++-+---+--+--++-+-+-+--+-+-++++--+-+---+-++++++-----+--++-+", "+++++-+++-----+-"},
};

class VerbSelection {
public:
    explicit VerbSelection(int verbCount = 0) : m_verbCount(verbCount) { SelectAll(); }

    // A text that is not empty is taken and padded with "-" to the number of verbs; an empty one
    // chooses every verb.
    void SetVerbText(std::string_view text);
    // The first 16 characters, padded with "-"; an empty text chooses every tense.
    void SetTenseText(std::string_view text);
    void SelectAll();

    const std::string& VerbText() const { return m_verbs; }
    const std::string& TenseText() const { return m_tenses; }

    // The chosen verbs among `table` that have an infinitive, and the chosen tenses, in order.
    std::vector<int> SelectedVerbs(const std::vector<TVerb>& table) const;
    std::vector<int> SelectedTenses() const;

    // "Verben" and "Zeiten"; a missing value chooses everything.
    void Load(const RegistryStore& registry);
    void Store(RegistryStore& registry) const;

private:
    int m_verbCount = 0;
    std::string m_verbs;
    std::string m_tenses;
};

} // namespace qor
