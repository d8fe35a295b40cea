#include "freedict/DictionaryBuilder.h"

#include "platform/Collation.h"

#include <algorithm>
#include <array>
#include <set>

namespace qor::freedict {

namespace {

constexpr std::array<std::string_view, 3> kGermanArticles = {"der ", "die ", "das "};
constexpr std::array<std::string_view, 6> kFrenchArticles = {"(le) ", "(la) ", "(les) ",
                                                             "(l')",  "(L')",  "(Le) "};
constexpr std::array<std::string_view, 5> kGenderMarks = {" (m)", " (f)", " (mf)", " (mpl)", " (fpl)"};

} // namespace

std::string BareWord(std::string_view text) {
    for (const std::string_view mark : kGenderMarks) {
        if (text.ends_with(mark) && text.size() > mark.size()) {
            text.remove_suffix(mark.size());
            break;
        }
    }
    for (const std::string_view article : kFrenchArticles) {
        if (text.starts_with(article) && text.size() > article.size()) {
            text.remove_prefix(article.size());
            break;
        }
    }
    for (const std::string_view article : kGermanArticles) {
        if (text.starts_with(article) && text.size() > article.size()) {
            text.remove_prefix(article.size());
            break;
        }
    }
    return std::string(text);
}

bool HeadwordBefore(std::string_view a, std::string_view b) {
    return CompareCollated(a, b) < 0;
}

AddResult DictionaryBuilder::Add(std::string_view headword, int wordClass,
                                 const std::vector<std::string>& translations) {
    std::vector<Meaning> meanings;
    meanings.reserve(translations.size());
    for (const std::string& translation : translations)
        meanings.push_back({translation, {}});
    return Add(headword, wordClass, meanings);
}

AddResult DictionaryBuilder::Add(std::string_view headword, int wordClass,
                                 const std::vector<Meaning>& meanings) {
    bool created = false;
    std::vector<Meaning>& collected = Ensure(headword, wordClass, &created).meanings;
    for (const Meaning& meaning : meanings) {
        auto same = std::find_if(collected.begin(), collected.end(),
                                 [&](const Meaning& m) { return m.text == meaning.text; });
        if (same == collected.end())
            collected.push_back(meaning);
        else if (meaning.label.empty())
            same->label.clear(); // a sense without a label shows the word is not only that
    }
    return created ? AddResult::NewEntry : AddResult::Merged;
}

CollectedEntry* DictionaryBuilder::Find(std::string_view headword, int wordClass) {
    const auto found = m_positions.find(std::pair<std::string, int>(std::string(headword), wordClass));
    return found == m_positions.end() ? nullptr : &m_entries[found->second];
}

CollectedEntry& DictionaryBuilder::Ensure(std::string_view headword, int wordClass, bool* created) {
    auto [position, inserted] = m_positions.try_emplace({std::string(headword), wordClass}, m_entries.size());
    if (inserted)
        m_entries.push_back({std::string(headword), wordClass, {}});
    if (created)
        *created = inserted;
    return m_entries[position->second];
}

void DictionaryBuilder::Rename(const std::vector<std::pair<std::string, std::string>>& headwords,
                               int wordClass) {
    std::vector<std::pair<std::size_t, std::vector<Meaning>>> moving; // into an existing entry
    std::vector<bool> gone(m_entries.size(), false);
    for (const auto& [from, to] : headwords) {
        const auto source = m_positions.find(std::pair(from, wordClass));
        if (source == m_positions.end() || from == to || gone[source->second])
            continue;
        const auto target = m_positions.find(std::pair(to, wordClass));
        if (target != m_positions.end()) {
            moving.emplace_back(target->second, std::move(m_entries[source->second].meanings));
            gone[source->second] = true;
        } else {
            m_entries[source->second].headword = to;
        }
    }
    for (auto& [target, meanings] : moving) {
        for (Meaning& meaning : meanings) {
            std::vector<Meaning>& collected = m_entries[target].meanings;
            if (std::none_of(collected.begin(), collected.end(),
                             [&](const Meaning& m) { return m.text == meaning.text; }))
                collected.push_back(std::move(meaning));
        }
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (gone[i])
            continue;
        if (kept != i)
            m_entries[kept] = std::move(m_entries[i]);
        ++kept;
    }
    m_entries.resize(kept);
    Reindex();
}

void DictionaryBuilder::Reindex() {
    m_positions.clear();
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_positions.emplace(std::pair(m_entries[i].headword, m_entries[i].wordClass), i);
}

std::vector<Meaning> OrderMeanings(std::vector<Meaning> meanings) {
    std::stable_sort(meanings.begin(), meanings.end(), [](const Meaning& a, const Meaning& b) {
        if (a.vocabularyRank != b.vocabularyRank)
            return a.vocabularyRank < b.vocabularyRank;
        if (a.label.empty() != b.label.empty())
            return a.label.empty();
        return a.confirmed && !b.confirmed;
    });
    std::vector<Meaning> kept;
    std::set<std::string, std::less<>> seen;
    for (Meaning& meaning : meanings) {
        if (seen.insert(BareWord(meaning.text)).second)
            kept.push_back(std::move(meaning));
    }
    return kept;
}

std::vector<DictionaryEntry> DictionaryBuilder::SortedEntries() const {
    std::vector<DictionaryEntry> entries;
    entries.reserve(m_entries.size());
    for (const CollectedEntry& collected : m_entries) {
        if (collected.meanings.empty())
            continue;
        DictionaryEntry entry{collected.headword, collected.wordClass, {}};
        for (const Meaning& meaning : OrderMeanings(collected.meanings))
            entry.meaning += (entry.meaning.empty() ? "" : "; ") + meaning.Stored();
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
