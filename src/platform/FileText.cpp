#include "platform/FileText.h"

#include "platform/Cp1252.h"

#include <utility>

namespace qor {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

// Collects the converted characters and counts the lines they stand on.
class Cp1252Writer {
public:
    // False (and the line remembered) for a character the code page lacks.
    bool Put(char32_t codePoint) {
        const int byte = Cp1252FromCodePoint(codePoint);
        if (byte < 0) {
            m_result.unconvertibleLine = m_line;
            return false;
        }
        if (codePoint == '\n' && !m_afterCr)
            ++m_line;
        else if (codePoint == '\r')
            ++m_line;
        m_afterCr = codePoint == '\r';
        m_result.text += static_cast<char>(byte);
        return true;
    }
    bool Fail() { return Put(0xFFFD); }
    Cp1252FileText Result() {
        if (m_result.unconvertibleLine > 0)
            m_result.text.clear();
        return std::move(m_result);
    }

private:
    Cp1252FileText m_result;
    int m_line = 1;
    bool m_afterCr = false;
};

// True when the text is valid UTF-8 with at least one sequence of more than one byte.
bool LooksLikeUtf8(std::string_view bytes) {
    bool multiByte = false;
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t codePoint = 0;
        const std::size_t length = DecodeUtf8(bytes, i, codePoint);
        if (length == 0)
            return false;
        multiByte = true;
        i += length;
    }
    return multiByte;
}

Cp1252FileText FromUtf8(std::string_view bytes) {
    Cp1252Writer writer;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            writer.Put(byte);
            ++i;
            continue;
        }
        char32_t codePoint = 0;
        const std::size_t length = DecodeUtf8(bytes, i, codePoint);
        if (length == 0 ? !writer.Fail() : !writer.Put(codePoint))
            break;
        i += length;
    }
    return writer.Result();
}

Cp1252FileText FromUtf16(std::string_view bytes, bool bigEndian) {
    Cp1252Writer writer;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        if (i + 1 == bytes.size()) {
            writer.Fail(); // half a character at the end
            break;
        }
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        const char32_t unit = bigEndian ? (first << 8 | second) : (second << 8 | first);
        // A surrogate half (of a character beyond the first plane) has no Windows-1252 byte either.
        if (!writer.Put(unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit))
            break;
    }
    return writer.Result();
}

} // namespace

Cp1252FileText Cp1252FromFileBytes(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LittleMark))
        return FromUtf16(bytes.substr(kUtf16LittleMark.size()), false);
    if (bytes.starts_with(kUtf16BigMark))
        return FromUtf16(bytes.substr(kUtf16BigMark.size()), true);
    if (bytes.starts_with(kUtf8Mark))
        return FromUtf8(bytes.substr(kUtf8Mark.size()));
    if (LooksLikeUtf8(bytes))
        return FromUtf8(bytes);
    return {std::string(bytes), 0};
}

std::string UnconvertibleCharacterMessage(std::string_view file, int line) {
    return "Die Datei " + std::string(file) + std::string(" enthält in Zeile "_cp) + std::to_string(line) +
           " ein Zeichen, das nicht dargestellt werden kann.";
}

} // namespace qor
