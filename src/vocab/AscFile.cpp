#include "vocab/AscFile.h"

#include "vocab/VocText.h"

namespace qor {

namespace {

constexpr std::string_view kWavMark = ".wav";
// A line this long cannot be a "-1"/"0" flag, so it is the context sentence one line too low.
constexpr std::size_t kLongestFlagLine = 5;

std::string_view FlagText(bool flag) {
    return flag ? "-1" : "0";
}

// Reads one entry; false when its numbers are unreadable (the entry is then dropped).
bool ReadEntry(TextLines& lines, TVokabel& entry) {
    entry.Vokabel = vocab::Trim(lines.Next());
    std::string_view meaning = lines.Next();
    if (meaning.substr(0, kWavMark.size()) == kWavMark)
        meaning = lines.Next();
    entry.Bedeutung0 = vocab::Trim(meaning);
    entry.Bedeutung1 = vocab::Trim(lines.Next());
    entry.Kontext0 = std::string(lines.Next());
    std::string_view flag = lines.Next();
    if (flag.size() > kLongestFlagLine && entry.Kontext0.empty()) {
        entry.Kontext0 = std::string(flag);
        flag = lines.Next();
    }
    entry.KtxDazu0 = flag != "0";
    entry.Kontext1 = std::string(lines.Next());
    entry.KtxDazu1 = lines.Next() != "0";
    if (!vocab::ParseDecimal(lines.Next(), entry.Wortart))
        return false;
    entry.Deutsch = lines.Next() == "-1";
    std::string_view difficulty = lines.Next();
    if (difficulty.empty())
        return false;
    entry.Schwierigkeit = static_cast<unsigned char>(difficulty[0]) - '0';
    return true;
}

// Many editors end a file with a line break of their own after the last line: one empty line
// there is no entry and no damage.
bool IsOneEmptyLine(std::string_view rest) {
    return rest == "\r\n" || rest == "\n" || rest == "\r";
}

} // namespace

std::string_view TextLines::Next() {
    if (AtEnd())
        return {};
    const std::size_t start = m_position;
    std::size_t end = start;
    while (end < m_bytes.size() && m_bytes[end] != '\r' && m_bytes[end] != '\n')
        ++end;
    m_position = end;
    if (m_position < m_bytes.size()) {
        const char terminator = m_bytes[m_position++];
        if (terminator == '\r' && m_position < m_bytes.size() && m_bytes[m_position] == '\n')
            ++m_position;
    }
    return m_bytes.substr(start, end - start);
}

AscContent ParseAsc(std::string_view bytes) {
    AscContent content;
    TextLines lines(bytes);
    while (!lines.AtEnd() && !IsOneEmptyLine(lines.Rest())) {
        TVokabel entry;
        if (!ReadEntry(lines, entry)) {
            content.damaged = true;
            break;
        }
        content.entries.push_back(std::move(entry));
    }
    return content;
}

std::string FormatAscEntry(const TVokabel& entry) {
    std::string text;
    auto line = [&text](std::string_view value) {
        text.append(value);
        text.append("\r\n");
    };
    line(entry.Vokabel);
    line(entry.Bedeutung0);
    line(entry.Bedeutung1);
    line(entry.Kontext0);
    line(FlagText(entry.KtxDazu0));
    line(entry.Kontext1);
    line(FlagText(entry.KtxDazu1));
    line(std::to_string(entry.Wortart));
    line(FlagText(entry.Deutsch));
    line(std::to_string(entry.Schwierigkeit));
    return text;
}

std::string FormatAsc(const std::vector<TVokabel>& entries) {
    std::string text;
    for (const TVokabel& entry : entries)
        text += FormatAscEntry(entry);
    return text;
}

} // namespace qor
