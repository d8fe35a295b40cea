#pragma once
// The containers the page is built on: the layout element list, alias lists (link aliases,
// macros, colour names), named styles and image maps.

#include "page/markup/TextStyle.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qor {

enum class ElementKind : std::uint8_t {
    Word = 0,
    Space = 1,
    LineBreak = 2,
    Paragraph = 3,
    Box = 4,
    CheckBox = 5,
    Image = 6,
};

// One layout element: a word, a space, a break, a box, a check box or a picture.
struct tFormatted_text {
    std::string text;
    ElementKind kind = ElementKind::Word;
    std::int32_t tabPosition = 0; // words only: the pending X position, 0 for none
    TextStyle style;
    std::int32_t counter = 0; // for the layout's use
};

// Decodes the first named entity ("&amp;", "&eacute;", ...) of `text` in place: "amp", "lt",
// "gt", "quot" and the Latin-1 names from "nbsp" (160) to "yuml" (255); "nil" and unknown names
// are removed. Only the first "&name;" counts.
void DecodeFirstEntity(std::string& text);

class tFormatted_text_list {
public:
    // Adds an element; with `decode` and a non-empty text, its first entity is decoded.
    std::size_t Add(const TextStyle& style, ElementKind kind, std::string_view text = {},
                    bool decode = false);
    std::size_t Count() const { return m_elements.size(); }
    bool Empty() const { return m_elements.empty(); }
    tFormatted_text& operator[](std::size_t index) { return m_elements[index]; }
    const tFormatted_text& operator[](std::size_t index) const { return m_elements[index]; }
    tFormatted_text& Last() { return m_elements.back(); }
    const tFormatted_text& Last() const { return m_elements.back(); }
    void Clear() { m_elements.clear(); }
    auto begin() const { return m_elements.begin(); }
    auto end() const { return m_elements.end(); }

private:
    // Clear() keeps the capacity: the page reuses one list, so later pages are built without allocating.
    std::vector<tFormatted_text> m_elements;
};

// Name → text. Names are stored in capitals and looked up in capitals; the first match wins.
class TXAliasList {
public:
    int Add(std::string_view name);        // index of a new entry with an empty value
    int Find(std::string_view name) const; // index or -1
    // Finds or adds the entry; "*" puts a "*" in front of the old value, any other value replaces it.
    void Set(std::string_view name, std::string_view value);
    std::string Get(std::string_view name, std::string_view fallback) const;
    const std::string& NameAt(int index) const { return m_entries[index].name; }
    const std::string& ValueAt(int index) const { return m_entries[index].value; }
    int Count() const { return static_cast<int>(m_entries.size()); }
    void Clear() {
        m_entries.clear();
        m_firstIndex.clear();
    }

private:
    struct Entry {
        std::string name;
        std::string value;
    };
    std::vector<Entry> m_entries;
    std::unordered_map<std::string, int> m_firstIndex; // capitalised name → first entry of that name
};

struct NamedStyle {
    std::string name;
    StyleBlock block;
    std::int32_t lineSpacing = 1;
    std::int32_t tracking = 0;
};

// Named styles: lookup by exact name, the last entry of a name wins.
class TXStyleList {
public:
    void Add(NamedStyle style);
    const NamedStyle* Find(std::string_view name) const;
    int Count() const { return static_cast<int>(m_styles.size()); }
    const NamedStyle& At(int index) const { return m_styles[index]; }
    void Clear() {
        m_styles.clear();
        m_lastIndex.clear();
    }

private:
    std::vector<NamedStyle> m_styles;
    std::unordered_map<std::string, int> m_lastIndex;
};

struct tArea {
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    std::string target;
};

struct tMap {
    std::string name;
    std::vector<tArea> areas;
};

// Image maps: lookup by exact name, the last map of a name wins; areas go to the newest map.
class tMapList {
public:
    void AddMap(std::string_view name);
    // False (and nothing added) when no map exists yet.
    bool AddArea(tArea area);
    const tMap* Find(std::string_view name) const;
    int Count() const { return static_cast<int>(m_maps.size()); }
    const tMap& At(int index) const { return m_maps[index]; }
    void Clear() {
        m_maps.clear();
        m_lastIndex.clear();
    }

private:
    std::vector<tMap> m_maps;
    std::unordered_map<std::string, int> m_lastIndex;
};

} // namespace qor
