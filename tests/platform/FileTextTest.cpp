#include "platform/FileText.h"

#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

// UTF-16 of a UTF-8 source text, with its byte-order mark.
std::string Utf16(std::string_view utf8, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t codePoint = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = codePoint < 0x80 ? 1 : DecodeUtf8(utf8, i, codePoint);
        i += length;
        auto unit = [&](char32_t u) {
            const char high = static_cast<char>(u >> 8);
            const char low = static_cast<char>(u & 0xFF);
            out += bigEndian ? std::string{high, low} : std::string{low, high};
        };
        if (codePoint >= 0x10000) {
            unit(0xD800 + ((codePoint - 0x10000) >> 10));
            unit(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        } else {
            unit(codePoint);
        }
    }
    return out;
}

TEST(Cp1252FromFileBytes, RecognisesTheEncodingAndConverts) {
    const std::string utf8 = "Straße\r\nété €";
    const std::string cp1252 = Cp1252FromUtf8(utf8);
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"Windows-1252", cp1252, cp1252},
        {"ASCII", "abc\r\n", "abc\r\n"},
        {"UTF-8", utf8, cp1252},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + utf8, cp1252},
        {"ASCII with UTF-8 mark",
         "\xEF\xBB\xBF"
         "abc",
         "abc"},
        {"UTF-16 LE", Utf16(utf8, false), cp1252},
        {"UTF-16 BE", Utf16(utf8, true), cp1252},
        {"undefined bytes kept", "a\x81\x9D", "a\x81\x9D"},
        // One well-formed sequence does not make a file UTF-8 when other bytes are not.
        {"Windows-1252 with a UTF-8 look-alike", "\xC3\xA9 \xE9", "\xC3\xA9 \xE9"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Cp1252FileText converted = Cp1252FromFileBytes(c.bytes);
        EXPECT_EQ(converted.unconvertibleLine, 0);
        EXPECT_EQ(converted.text, c.text);
    }
}

TEST(Cp1252FromFileBytes, NamesTheLineOfACharacterOutsideTheCodePage) {
    struct Case {
        const char* name;
        std::string bytes;
        int line;
    };
    const std::vector<Case> cases = {
        {"UTF-8, LF and CR LF lines", "a\r\nb\nc Łódź", 3},
        {"UTF-8, a lone CR ends a line", "a\rb\r\n\r\nŁ", 4},
        {"UTF-8 outside the first plane",
         "\xEF\xBB\xBF"
         "a\r\n\xF0\x9F\x98\x80",
         2},
        {"UTF-8 with mark, broken sequence",
         "\xEF\xBB\xBF"
         "é\r\n\xE9t\xE9",
         2},
        {"UTF-16 LE", Utf16("a\r\nb Ł", false), 2},
        {"UTF-16 BE outside the first plane", Utf16("\xF0\x9F\x98\x80", true), 1},
        {"UTF-16 cut in half", Utf16("ab\nc", false) + "x", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Cp1252FileText converted = Cp1252FromFileBytes(c.bytes);
        EXPECT_EQ(converted.unconvertibleLine, c.line);
        EXPECT_TRUE(converted.text.empty());
    }
    EXPECT_EQ(UnconvertibleCharacterMessage("C:\\a.asc", 12),
              Cp1252FromUtf8("Die Datei C:\\a.asc enthält in Zeile 12 ein Zeichen, das nicht dargestellt "
                             "werden kann."));
}

} // namespace
} // namespace qor
