#pragma once
// The cursor that walks one page text: macro references, tags, words and whitespace. One scanner
// runs per Parse call; an INCLUDE runs a nested one on the same document.
//
// Every step consumes at least one character and no search is repeated from the same place, so
// the scan is linear in the text. Rules for the cases the markup leaves open:
// - Preformatted text (PRE) is scanned like other text, but each line end of a whitespace run
//   becomes a line-break element (CR LF counts once); a line end right after the PRE tag only
//   opens the block. Whitespace without a line end is one space as usual.
// - "$" not followed by "[", and "$[" with no "]" after it, are ordinary text.
// - A "$[name]" inside a macro value is text: only one replacement is active at a time, so a
//   macro that names itself cannot loop. A tag without ">" inside a macro value ends the scan,
//   as it does in the page text.
// - A skipped section or title that runs to the end of the text simply ends the scan.
#include "page/markup/PageParser.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace qor {

class PageScanner {
public:
    PageScanner(PageParser& parser, std::string_view text);
    // Scans the whole text; returns the style in force at the end.
    void Run();
    TextStyle& CurrentStyle() { return m_style; }

private:
    std::string_view Buffer() const;
    std::size_t& Cursor();
    bool AtLineStart() const;
    void EmitPendingSpace(const TextStyle& following);

    bool ExpandMacro(); // at "$"; false when it is not a macro reference
    bool ReadTag();     // at "<"; false when the tag has no end (the scan stops)
    void SkipStretch(bool afterTag);
    void ReadWord();
    void ReadWhitespace();
    void FinishTag(bool preformattedBefore);

    PageParser& m_parser;
    PageDocument& m_document;
    PendingSpace& m_pending;
    TextStyle m_style;

    std::string_view m_text;
    std::size_t m_position = 0;
    // At most one macro replacement is active; references inside it stay text.
    std::string m_replacement;
    std::size_t m_replacementPosition = 0;
    bool m_inReplacement = false;
    // The next "]" of the page text at or after m_bracketSearchFrom (npos: there is none), so
    // that many "$[" without "]" do not search the rest of the text again and again.
    std::size_t m_nextBracket = 0;
    std::size_t m_bracketSearchFrom = std::string_view::npos;

    std::string m_titleText;
    bool m_afterPreTag = false;
};

} // namespace qor
