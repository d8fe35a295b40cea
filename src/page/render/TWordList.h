#pragma once
// The word index of a rendered page: what a right click looks up. Words that belong together
// (a phrase marked with W, or a word split by style tags) share one lookup string, which can own
// several rectangles.

#include "page/markup/PageRecords.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class TWordList {
public:
    struct Entry {
        int string = 0; // index into the strings
        PageRect rect;  // edges inclusive
    };

    struct Lookup {
        std::string text;
        PageRect rect;
    };

    // A drawn word (or space) with its rectangle and its random value (tag W; -1 outside W).
    void AddWord(std::string_view word, const PageRect& rect, int randomValue);
    // A phrase of its own (a picture's alternative text).
    void AddPhrase(std::string_view text, const PageRect& rect);
    void Clear();

    // The string of the first rectangle containing (x, y), edges included.
    std::optional<Lookup> At(int x, int y) const;

    const std::vector<std::string>& Strings() const { return m_strings; }
    const std::vector<Entry>& Entries() const { return m_entries; }

    // Trailing . , ; : ! ? " ) ] and leading ( [ " removed.
    static std::string_view Stripped(std::string_view word);

private:
    std::vector<std::string> m_strings;
    std::vector<Entry> m_entries;
    bool m_hasPrevious = false;
    int m_previousRandom = -1;
    int m_groupString = -1; // the string of the group the previous word belongs to
};

} // namespace qor
