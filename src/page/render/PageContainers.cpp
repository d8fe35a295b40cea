#include "page/render/PageContainers.h"

#include "platform/Cp1252.h"

#include <array>
#include <utility>

namespace qor {

namespace {

// The Latin-1 entity names in code order, starting at 160 (nbsp) and ending at 255 (yuml).
constexpr std::array<std::string_view, 96> kLatin1EntityNames = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",
    "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",
    "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12",
    "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde",
    "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",
    "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",
    "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};
static_assert(kLatin1EntityNames.size() == 256 - 160);

// The replacement of one entity name; empty for "nil" and names nobody knows.
std::string EntityReplacement(std::string_view name) {
    if (name == "amp") {
        return "&";
    }
    if (name == "lt") {
        return "<";
    }
    if (name == "gt") {
        return ">";
    }
    if (name == "quot") {
        return "\"";
    }
    for (std::size_t i = 0; i < kLatin1EntityNames.size(); ++i) {
        if (kLatin1EntityNames[i] == name) {
            return std::string(1, static_cast<char>(160 + i));
        }
    }
    return {};
}

} // namespace

void DecodeFirstEntity(std::string& text) {
    const std::size_t amp = text.find('&');
    if (amp == std::string::npos) {
        return;
    }
    const std::size_t semicolon = text.find(';', amp + 1);
    if (semicolon == std::string::npos) {
        return;
    }
    const std::string_view name(text.data() + amp + 1, semicolon - amp - 1);
    text.replace(amp, semicolon - amp + 1, EntityReplacement(name));
}

std::size_t tFormatted_text_list::Add(const TextStyle& style, ElementKind kind, std::string_view text,
                                      bool decode) {
    tFormatted_text element;
    element.text.assign(text);
    element.kind = kind;
    element.style = style;
    if (decode && !element.text.empty()) {
        DecodeFirstEntity(element.text);
    }
    m_elements.push_back(std::move(element));
    return m_elements.size() - 1;
}

int TXAliasList::Add(std::string_view name) {
    const int index = static_cast<int>(m_entries.size());
    m_entries.push_back(Entry{UpperCp1252(name), {}});
    m_firstIndex.emplace(m_entries.back().name, index); // an earlier entry of the name stays first
    return index;
}

int TXAliasList::Find(std::string_view name) const {
    const auto found = m_firstIndex.find(UpperCp1252(name));
    return found == m_firstIndex.end() ? -1 : found->second;
}

void TXAliasList::Set(std::string_view name, std::string_view value) {
    int index = Find(name);
    if (index < 0) {
        index = Add(name);
    }
    std::string& current = m_entries[static_cast<std::size_t>(index)].value;
    if (value == "*") {
        current.insert(current.begin(), '*');
    } else {
        current.assign(value);
    }
}

std::string TXAliasList::Get(std::string_view name, std::string_view fallback) const {
    const int index = Find(name);
    if (index < 0) {
        return std::string(fallback);
    }
    return m_entries[static_cast<std::size_t>(index)].value;
}

void TXStyleList::Add(NamedStyle style) {
    m_lastIndex[style.name] = static_cast<int>(m_styles.size());
    m_styles.push_back(std::move(style));
}

const NamedStyle* TXStyleList::Find(std::string_view name) const {
    const auto found = m_lastIndex.find(std::string(name));
    return found == m_lastIndex.end() ? nullptr : &m_styles[static_cast<std::size_t>(found->second)];
}

void tMapList::AddMap(std::string_view name) {
    m_lastIndex[std::string(name)] = static_cast<int>(m_maps.size());
    m_maps.push_back(tMap{std::string(name), {}});
}

bool tMapList::AddArea(tArea area) {
    if (m_maps.empty()) {
        return false;
    }
    m_maps.back().areas.push_back(std::move(area));
    return true;
}

const tMap* tMapList::Find(std::string_view name) const {
    const auto found = m_lastIndex.find(std::string(name));
    return found == m_lastIndex.end() ? nullptr : &m_maps[static_cast<std::size_t>(found->second)];
}

} // namespace qor
