#pragma once
// The tag table: tag names (upper case) and what each does. Names match exactly, in table order;
// a few entries match every name that begins with them ("X", "H", "/H", "+").

#include "page/markup/AttributeReader.h"
#include "page/markup/PageDocument.h"
#include "page/markup/PageHost.h"
#include "page/markup/TextStyle.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class PageParser;

// What a tag handler works on.
struct TagContext {
    PageDocument& document;
    PageHost& host;
    PageParser& parser;
    TextStyle& style;         // the current style of the scan
    AttributeReader& reader;  // positioned after the tag name
    std::string_view tagText; // the whole text between the brackets, as written
    std::string_view name;    // the tag name in capitals
};

using TagHandler = std::function<void(TagContext&)>;

enum class TagMatch { Exact, Prefix };
// Whether a tag still acts inside a skipped section (only the ones that end or flip it do).
enum class WhileSkipping { Ignored, Acts };

struct TagEntry {
    std::string name;
    TagMatch match = TagMatch::Exact;
    WhileSkipping skipping = WhileSkipping::Ignored;
    TagHandler handler; // empty: a known tag without effect
};

class TagTable {
public:
    // Every tag of the page markup: one table built once and shared by every parse, and a copy of
    // it to change (tests replace handlers in theirs).
    static const TagTable& Shared();
    static TagTable Standard() { return Shared(); }

    void Add(std::string name, TagMatch match, WhileSkipping skipping, TagHandler handler);
    // Replaces the handler of an existing entry (keeping its place); false when there is none.
    bool Replace(std::string_view name, TagHandler handler);
    // The first entry that `upperName` matches; nullptr for an unknown tag.
    const TagEntry* Find(std::string_view upperName) const;
    const std::vector<TagEntry>& Entries() const { return m_entries; }

private:
    static TagTable BuildStandard();

    std::vector<TagEntry> m_entries;
};

} // namespace qor
