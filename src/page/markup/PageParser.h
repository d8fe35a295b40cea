#pragma once
// The single-pass parser that turns page text into the element list and registers of a
// PageDocument. Tags are instructions executed where they stand; there is no nesting model.

#include "page/markup/PageDocument.h"
#include "page/markup/PageHost.h"
#include "page/markup/TagTable.h"

#include <string_view>

namespace qor {

enum class ParseMode {
    Fresh,    // a new page: the style starts from its initial values
    Continue, // INCLUDE: continue the page's element list in the page's last style
};

// A whitespace run that has not become a space element yet; shared by an including parse and
// the parse of its included text, so a space before an INCLUDE lands in the right place.
struct PendingSpace {
    bool pending = false;
    TextStyle style; // the style in force at the whitespace
};

class PageParser {
public:
    // INCLUDE files nest at most this deep; a deeper one is reported as an INCLUDE error.
    static constexpr int kMaxIncludeDepth = 8;

    // `tags` must outlive the parser; the shared table does.
    PageParser(PageDocument& document, PageHost& host, const TagTable& tags = TagTable::Shared());

    // Parses `text` (Windows-1252; a zero byte ends it) into the document.
    void Parse(std::string_view text, ParseMode mode);

    // Runs one tag (the text between the brackets) on `style`.
    void HandleTag(std::string_view tagText, TextStyle& style);

    PageDocument& Document() { return m_document; }
    PageHost& Host() { return m_host; }
    int IncludeDepth() const { return m_includeDepth; }
    // Counts one more nested INCLUDE; false (and nothing counted) beyond kMaxIncludeDepth.
    bool EnterInclude();
    void LeaveInclude() { --m_includeDepth; }
    PendingSpace& Pending() { return m_pendingSpace; }
    // Ends the parse of the page (included texts too) after the current tag; what was parsed
    // so far stays. A fresh parse starts again.
    void Abort() { m_aborted = true; }
    bool Aborted() const { return m_aborted; }

private:
    PageDocument& m_document;
    PageHost& m_host;
    const TagTable& m_tags;
    PendingSpace m_pendingSpace;
    int m_includeDepth = 0;
    bool m_aborted = false;
    // Numbers the tags of the page, included text too, so that "a tag stood between" compares
    // never mistake a tag of an included text for none.
    std::int32_t m_tagSerial = -1;
};

// Parses `text` as a new page: the page reset, then a fresh parse.
void ParseFreshPage(PageDocument& document, PageHost& host, std::string_view text);

} // namespace qor
