#include "vocab/verbs/VerbSelection.h"

#include "platform/RegistryStore.h"
#include "vocab/verbs/VerbTable.h"

#include <algorithm>

namespace qor {

void VerbSelection::SetVerbText(std::string_view text) {
    std::string wanted(text);
    if (wanted.empty())
        wanted.assign(static_cast<std::size_t>(m_verbCount), '+');
    else if (wanted.size() < static_cast<std::size_t>(m_verbCount))
        wanted.resize(static_cast<std::size_t>(m_verbCount), '-');
    m_verbs = std::move(wanted);
}

void VerbSelection::SetTenseText(std::string_view text) {
    std::string wanted =
        text.empty() ? std::string(kTenseCount, '+') : std::string(text.substr(0, kTenseCount));
    wanted.resize(kTenseCount, '-');
    m_tenses = std::move(wanted);
}

void VerbSelection::SelectAll() {
    SetVerbText({});
    SetTenseText({});
}

std::vector<int> VerbSelection::SelectedVerbs(const std::vector<TVerb>& table) const {
    std::vector<int> verbs;
    const std::size_t limit = std::min({m_verbs.size(), table.size(), static_cast<std::size_t>(kMaxVerbs)});
    for (std::size_t i = 0; i < limit; ++i)
        if (m_verbs[i] == '+' && !table[i].infinitive.empty())
            verbs.push_back(static_cast<int>(i));
    return verbs;
}

std::vector<int> VerbSelection::SelectedTenses() const {
    std::vector<int> tenses;
    for (int i = 0; i < kTenseCount; ++i)
        if (m_tenses[static_cast<std::size_t>(i)] == '+')
            tenses.push_back(i);
    return tenses;
}

void VerbSelection::Load(const RegistryStore& registry) {
    SetVerbText(registry.ReadText(kVerbTrainerKey, "Verben", ""));
    SetTenseText(registry.ReadText(kVerbTrainerKey, "Zeiten", ""));
}

void VerbSelection::Store(RegistryStore& registry) const {
    registry.WriteText(kVerbTrainerKey, "Verben", m_verbs);
    registry.WriteText(kVerbTrainerKey, "Zeiten", m_tenses);
}

} // namespace qor
