#include "page/render/TWordList.h"

namespace qor {

std::string_view TWordList::Stripped(std::string_view word) {
    constexpr std::string_view kTrailing = ".,;:!?\")]";
    constexpr std::string_view kLeading = "([\"";
    while (!word.empty() && kTrailing.find(word.back()) != std::string_view::npos) {
        word.remove_suffix(1);
    }
    while (!word.empty() && kLeading.find(word.front()) != std::string_view::npos) {
        word.remove_prefix(1);
    }
    return word;
}

void TWordList::AddWord(std::string_view word, const PageRect& rect, int randomValue) {
    const bool newGroup = !m_hasPrevious || randomValue == -1 || randomValue != m_previousRandom;
    const std::string_view text = newGroup ? Stripped(word) : word;
    const bool blank = text.find_first_not_of(' ') == std::string_view::npos;
    m_hasPrevious = true;
    m_previousRandom = randomValue;
    if (!m_entries.empty()) {
        Entry& previous = m_entries.back();
        if (previous.rect.top == rect.top && previous.rect.bottom == rect.bottom &&
            previous.rect.right == rect.left) {
            // The word goes on where the last one stopped: one word split by style tags.
            m_strings[static_cast<std::size_t>(previous.string)] += text;
            previous.rect.right = rect.right;
            return;
        }
    }
    if (newGroup) {
        if (blank) {
            m_groupString = -1;
            return;
        }
        m_strings.emplace_back(text);
        m_groupString = static_cast<int>(m_strings.size()) - 1;
        m_entries.push_back(Entry{m_groupString, rect});
        return;
    }
    if (blank) {
        return;
    }
    if (m_groupString < 0) {
        m_strings.emplace_back(text);
        m_groupString = static_cast<int>(m_strings.size()) - 1;
    } else {
        std::string& group = m_strings[static_cast<std::size_t>(m_groupString)];
        group += ' ';
        group += text;
    }
    m_entries.push_back(Entry{m_groupString, rect});
}

void TWordList::AddPhrase(std::string_view text, const PageRect& rect) {
    m_strings.emplace_back(text);
    m_entries.push_back(Entry{static_cast<int>(m_strings.size()) - 1, rect});
    m_hasPrevious = false;
    m_groupString = -1;
}

void TWordList::Clear() {
    m_strings.clear();
    m_entries.clear();
    m_hasPrevious = false;
    m_previousRandom = -1;
    m_groupString = -1;
}

std::optional<TWordList::Lookup> TWordList::At(int x, int y) const {
    for (const Entry& entry : m_entries) {
        const PageRect& r = entry.rect;
        if (r.left <= x && x <= r.right && r.top <= y && y <= r.bottom) {
            return Lookup{m_strings[static_cast<std::size_t>(entry.string)], r};
        }
    }
    return std::nullopt;
}

} // namespace qor
