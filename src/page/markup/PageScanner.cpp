#include "page/markup/PageScanner.h"

#include "page/markup/TagHandlers.h"
#include "page/markup/ValueSyntax.h"

namespace qor {

namespace {

bool IsWhitespace(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

constexpr std::string_view kUndefinedMacro = "[undefined]";

} // namespace

PageScanner::PageScanner(PageParser& parser, std::string_view text)
    : m_parser(parser), m_document(parser.Document()), m_pending(parser.Pending()),
      m_text(text.substr(0, text.find('\0'))) {}

std::string_view PageScanner::Buffer() const {
    return m_inReplacement ? std::string_view(m_replacement) : m_text;
}

std::size_t& PageScanner::Cursor() {
    return m_inReplacement ? m_replacementPosition : m_position;
}

void PageScanner::Run() {
    while (true) {
        const std::string_view buffer = Buffer();
        const std::size_t position = Cursor();
        if (position >= buffer.size()) {
            if (m_inReplacement) {
                // The replacement is used up: continue behind the "]" of its reference.
                m_inReplacement = false;
                m_replacement.clear();
                continue;
            }
            break;
        }
        const char c = buffer[position];
        const bool tagStart = c == '<' && !(position + 1 < buffer.size() && buffer[position + 1] == '<');
        if (m_document.skipping && !tagStart) {
            SkipStretch(false);
            continue;
        }
        if (c == '$' && ExpandMacro()) {
            continue;
        }
        if (tagStart) {
            if (!ReadTag() || m_parser.Aborted()) {
                break;
            }
            continue;
        }
        if (IsWhitespace(c)) {
            ReadWhitespace();
        } else {
            ReadWord();
        }
    }
}

bool PageScanner::ExpandMacro() {
    if (m_inReplacement) {
        return false; // only one replacement at a time, so a macro cannot expand into itself
    }
    const std::size_t dollar = m_position;
    if (dollar + 1 >= m_text.size() || m_text[dollar + 1] != '[') {
        return false;
    }
    const std::size_t from = dollar + 2;
    const bool cached = m_bracketSearchFrom != std::string_view::npos && from >= m_bracketSearchFrom &&
                        (m_nextBracket == std::string_view::npos || m_nextBracket >= from);
    if (!cached) {
        m_nextBracket = m_text.find(']', from);
        m_bracketSearchFrom = from;
    }
    if (m_nextBracket == std::string_view::npos) {
        return false; // a "$" without "]" is text
    }
    const std::string_view name = m_text.substr(from, m_nextBracket - from);
    std::string value = m_document.macros.Get(name, kUndefinedMacro);
    if (value == kUndefinedMacro) {
        std::string code(name);
        if (m_parser.Host().OnSpecialCode(code)) {
            value = std::move(code);
        }
    }
    if (const std::size_t zero = value.find('\0'); zero != std::string::npos) {
        value.resize(zero);
    }
    m_position = m_nextBracket + 1;
    m_replacement = std::move(value);
    m_replacementPosition = 0;
    m_inReplacement = true;
    return true;
}

bool PageScanner::ReadTag() {
    const std::string_view buffer = Buffer();
    std::size_t& cursor = Cursor();
    const std::size_t end = buffer.find('>', cursor + 1);
    if (end == std::string_view::npos) {
        return false;
    }
    const std::string_view tagText = buffer.substr(cursor + 1, end - cursor - 1);
    cursor = end + 1;
    const bool preformattedBefore = m_style.preformatted;
    m_parser.HandleTag(tagText, m_style);
    FinishTag(preformattedBefore);
    return true;
}

void PageScanner::FinishTag(bool preformattedBefore) {
    if (m_document.skipping) {
        SkipStretch(true);
        return;
    }
    m_document.colorBGR = m_document.pageColours.background;
    m_document.colorTXT = m_document.pageColours.text;
    m_document.linkColour = m_document.pageColours.link;
    if (!m_document.pendingImageSource.empty()) {
        const std::string source = std::move(m_document.pendingImageSource);
        m_document.pendingImageSource.clear();
        EmitPendingSpace(m_style);
        AddImageElement(m_document, m_parser.Host(), m_style, source);
    }
    m_document.lastStyle = m_style;
    m_afterPreTag = !preformattedBefore && m_style.preformatted;
}

void PageScanner::SkipStretch(bool afterTag) {
    const std::string_view buffer = Buffer();
    std::size_t& cursor = Cursor();
    const bool collect = m_document.titleMode;
    std::string stretch;
    while (true) {
        const std::size_t bracket = buffer.find('<', cursor);
        const std::size_t stop = bracket == std::string_view::npos ? buffer.size() : bracket;
        if (collect) {
            stretch.append(buffer.substr(cursor, stop - cursor));
        }
        cursor = stop;
        if (bracket == std::string_view::npos) {
            break;
        }
        if (bracket + 1 < buffer.size() && buffer[bracket + 1] == '<') {
            if (collect) {
                stretch += '<';
            }
            cursor = bracket + 2;
            continue;
        }
        break;
    }
    if (collect) {
        if (afterTag) {
            m_titleText = std::move(stretch);
        } else {
            m_titleText += stretch;
        }
        m_document.title = TrimWhitespace(m_titleText);
    }
}

void PageScanner::ReadWord() {
    const std::string_view buffer = Buffer();
    std::size_t& cursor = Cursor();
    std::size_t start = cursor;
    if (buffer[start] == '<') {
        ++start; // "<<" writes one "<"
    }
    std::size_t end = start + 1;
    if (m_document.lastStyle.gapIndex != -1) {
        // A gap or drag word is one element up to the next tag, spaces included.
        end = std::min(buffer.find('<', end), buffer.size());
    } else {
        while (end < buffer.size() && !IsWhitespace(buffer[end]) && buffer[end] != '<') {
            ++end;
        }
    }
    cursor = end;
    m_afterPreTag = false;
    EmitPendingSpace(m_document.lastStyle);
    const std::size_t index = m_document.elements.Add(m_document.lastStyle, ElementKind::Word,
                                                      buffer.substr(start, end - start), true);
    m_document.elements[index].tabPosition = m_document.pendingTabPosition;
    m_document.pendingTabPosition = 0;
}

void PageScanner::ReadWhitespace() {
    const std::string_view buffer = Buffer();
    std::size_t& cursor = Cursor();
    int lineBreaks = 0;
    std::size_t end = cursor;
    for (; end < buffer.size() && IsWhitespace(buffer[end]); ++end) {
        const bool crlf = buffer[end] == '\n' && end > cursor && buffer[end - 1] == '\r';
        if (buffer[end] == '\r' || (buffer[end] == '\n' && !crlf)) {
            ++lineBreaks;
        }
    }
    cursor = end;
    const bool afterPreTag = m_afterPreTag;
    m_afterPreTag = false;
    if (m_document.lastStyle.preformatted && lineBreaks > 0) {
        // Preformatted text keeps its line ends; the one right after the PRE tag only opens it.
        if (afterPreTag) {
            --lineBreaks;
        }
        if (lineBreaks > 0) {
            m_pending.pending = false;
        }
        for (int i = 0; i < lineBreaks; ++i) {
            m_document.elements.Add(m_document.lastStyle, ElementKind::LineBreak);
        }
        return;
    }
    if (!AtLineStart()) {
        m_pending.pending = true;
        m_pending.style = m_document.lastStyle;
    }
}

bool PageScanner::AtLineStart() const {
    const tFormatted_text_list& elements = m_document.elements;
    if (elements.Empty()) {
        return true;
    }
    const ElementKind last = elements.Last().kind;
    if (last == ElementKind::LineBreak || last == ElementKind::Paragraph || last == ElementKind::Box) {
        return true;
    }
    return m_document.pendingTabPosition != 0 && m_document.lastStyle.alignment == TextAlignment::Justified;
}

void PageScanner::EmitPendingSpace(const TextStyle& following) {
    if (!m_pending.pending) {
        return;
    }
    m_pending.pending = false;
    tFormatted_text_list& elements = m_document.elements;
    if (AtLineStart() || elements.Last().kind == ElementKind::Space) {
        return;
    }
    // With no tag since the whitespace the space looks like what follows; otherwise it keeps the
    // style that was in force where the whitespace stood.
    const TextStyle& style = following.tagCounter == m_pending.style.tagCounter ? following : m_pending.style;
    const TextStyle& previous = elements.Last().style;
    const bool betweenLinks =
        style.linkRectangle != previous.linkRectangle || style.block.linkKind != previous.block.linkKind;
    const std::size_t index = elements.Add(style, ElementKind::Space, " ");
    if (betweenLinks) {
        elements[index].style.linkRectangle = -1;
        elements[index].style.block.linkKind = 0;
    }
}

} // namespace qor
