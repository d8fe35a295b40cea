#include "freedict/DictionaryBuilder.h"

#include "platform/Cp1252.h"

#include <algorithm>

namespace qor::freedict {

namespace {

// The letters a Windows-1252 character sorts as: capitals without accents, ligatures spelt out.
std::string_view SortLetters(unsigned char c, char& single) {
    switch (c) {
    case 0xC6:
    case 0xE6:
        return "AE";
    case 0x8C:
    case 0x9C:
        return "OE";
    case 0xDF:
        return "SS";
    case 0xDE:
    case 0xFE:
        return "TH";
    default:
        break;
    }
    constexpr std::string_view kAccented = "\x8A\x8E\x9A\x9E\x9F"
                                           "\xC0\xC1\xC2\xC3\xC4\xC5\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD0"
                                           "\xD1\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD"
                                           "\xE0\xE1\xE2\xE3\xE4\xE5\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF0"
                                           "\xF1\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC\xFD\xFF";
    constexpr std::string_view kBase = "SZSZY"
                                       "AAAAAACEEEEIIIID"
                                       "NOOOOOOUUUUY"
                                       "AAAAAACEEEEIIIID"
                                       "NOOOOOOUUUUYY";
    static_assert(kAccented.size() == kBase.size());
    const std::size_t at = kAccented.find(static_cast<char>(c));
    single = at == std::string_view::npos ? UpperCp1252(static_cast<char>(c)) : kBase[at];
    return std::string_view(&single, 1);
}

std::string SortKey(std::string_view text) {
    std::string key;
    key.reserve(text.size());
    for (const char c : text) {
        char single = 0;
        key += SortLetters(static_cast<unsigned char>(c), single);
    }
    return key;
}

} // namespace

bool HeadwordBefore(std::string_view a, std::string_view b) {
    if (const int letters = SortKey(a).compare(SortKey(b)); letters != 0)
        return letters < 0;
    if (const int cased = CompareTextInsensitive(a, b); cased != 0)
        return cased < 0;
    return a < b;
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
