#include "freedict/DictionaryBuilder.h"

#include "platform/Collation.h"

#include <algorithm>

namespace qor::freedict {

bool HeadwordBefore(std::string_view a, std::string_view b) {
    return CompareCollated(a, b) < 0;
}

AddResult DictionaryBuilder::Add(std::string_view headword, int wordClass,
                                 const std::vector<std::string>& translations) {
    auto [position, inserted] = m_positions.try_emplace({std::string(headword), wordClass}, m_entries.size());
    if (inserted)
        m_entries.push_back({std::string(headword), wordClass, {}});
    std::vector<std::string>& collected = m_entries[position->second].translations;
    for (const std::string& translation : translations) {
        if (std::find(collected.begin(), collected.end(), translation) == collected.end())
            collected.push_back(translation);
    }
    return inserted ? AddResult::NewEntry : AddResult::Merged;
}

std::vector<DictionaryEntry> DictionaryBuilder::SortedEntries() const {
    std::vector<DictionaryEntry> entries;
    entries.reserve(m_entries.size());
    for (const Collected& collected : m_entries) {
        DictionaryEntry entry{collected.headword, collected.wordClass, {}};
        for (const std::string& translation : collected.translations)
            entry.meaning += (entry.meaning.empty() ? "" : "; ") + translation;
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(), [](const DictionaryEntry& a, const DictionaryEntry& b) {
        if (a.headword != b.headword)
            return HeadwordBefore(a.headword, b.headword);
        return a.wordClass < b.wordClass;
    });
    return entries;
}

std::string DictionaryFileContent(const std::vector<DictionaryEntry>& entries) {
    std::string content;
    for (const DictionaryEntry& entry : entries) {
        content += entry.headword;
        content += '\0';
        content += static_cast<char>('0' + entry.wordClass);
        content += '\0';
        content += entry.meaning;
        content += '\0';
    }
    return content;
}

} // namespace qor::freedict
