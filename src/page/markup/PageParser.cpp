#include "page/markup/PageParser.h"

#include "page/markup/PageScanner.h"
#include "platform/Cp1252.h"

namespace qor {

PageParser::PageParser(PageDocument& document, PageHost& host, const TagTable& tags)
    : m_document(document), m_host(host), m_tags(tags) {}

void PageParser::Parse(std::string_view text, ParseMode mode) {
    if (mode == ParseMode::Fresh) {
        m_document.lastStyle = TextStyle{};
        m_pendingSpace = PendingSpace{};
        m_tagSerial = -1;
        m_aborted = false;
    }
    if (m_aborted) {
        return;
    }
    m_document.skipping = false;
    m_document.titleMode = false;
    PageScanner scanner(*this, text);
    scanner.Run();
}

bool PageParser::EnterInclude() {
    if (m_includeDepth >= kMaxIncludeDepth) {
        return false;
    }
    ++m_includeDepth;
    return true;
}

void PageParser::HandleTag(std::string_view tagText, TextStyle& style) {
    style.tagCounter = ++m_tagSerial;
    if (tagText.starts_with('!')) {
        return; // a comment
    }
    std::size_t nameEnd = 0;
    while (nameEnd < tagText.size() && static_cast<unsigned char>(tagText[nameEnd]) > 32) {
        ++nameEnd;
    }
    const std::string name = UpperCp1252(tagText.substr(0, nameEnd));
    const TagEntry* entry = m_tags.Find(name);
    if (entry == nullptr || !entry->handler) {
        return;
    }
    if (m_document.skipping && entry->skipping == WhileSkipping::Ignored) {
        return;
    }
    AttributeReader reader(tagText, nameEnd);
    TagContext context{m_document, m_host, *this, style, reader, tagText, name};
    entry->handler(context);
}

void ParseFreshPage(PageDocument& document, PageHost& host, std::string_view text) {
    document.Reset();
    PageParser parser(document, host);
    parser.Parse(text, ParseMode::Fresh);
}

} // namespace qor
