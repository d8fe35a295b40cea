#pragma once
// Windows-1252 is the program's own text encoding: pages, data files, registry and ini values
// and every string of the core are single-byte Windows-1252. UTF-8 appears only at the edges
// (source files, the file system on Linux, Qt).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

// The Unicode code point of a Windows-1252 byte. The five bytes that the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same number, as Windows does.
char32_t CodePointFromCp1252(unsigned char byte);

// The Windows-1252 byte of a code point, or -1 when the code page has none.
int Cp1252FromCodePoint(char32_t codePoint);

std::string Utf8FromCp1252(std::string_view text);

// Length of a well-formed UTF-8 sequence at `i` (two to four bytes) and its code point; 0 when the
// bytes there are not one (also for a single ASCII byte).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& codePoint);

// Characters without a Windows-1252 byte become '?'; `lossless` (when given) tells whether any did.
// Malformed UTF-8 bytes are taken as Windows-1252 bytes, so a file that is already Windows-1252 survives.
std::string Cp1252FromUtf8(std::string_view text, bool* lossless = nullptr);

// The value of a hexadecimal digit (either case), or -1.
int HexDigit(char c);

char UpperCp1252(char c);
char LowerCp1252(char c);
std::string UpperCp1252(std::string_view text);
std::string LowerCp1252(std::string_view text);
// The text without the blanks at either end.
std::string_view TrimmedBlanks(std::string_view text);

// Comparison that ignores case the way the program's names are compared: both sides in capitals.
// It is no alphabetical order ("É" after "Z"); words are sorted with CompareCollated.
bool SameTextInsensitive(std::string_view a, std::string_view b);
int CompareTextInsensitive(std::string_view a, std::string_view b);
bool StartsWithInsensitive(std::string_view text, std::string_view prefix);
// Position of `needle` in `text` from `from` on, ignoring case; npos when absent.
std::size_t FindInsensitive(std::string_view text, std::string_view needle, std::size_t from = 0);

namespace detail {

template <std::size_t N> struct Utf8Literal { char bytes[N]{}; };

struct Cp1252Buffer {
    std::array<char, 512> bytes{};
    std::size_t size = 0;
};

constexpr int ConstCp1252FromCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    constexpr char32_t high[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    for (int i = 0; i < 32; ++i)
        if (high[i] == cp)
            return 0x80 + i;
    return -1;
}

template <std::size_t N> consteval Cp1252Buffer ConvertLiteral(const Utf8Literal<N>& literal) {
    static_assert(N <= 512, "literal too long for a compile-time Windows-1252 conversion");
    Cp1252Buffer out;
    std::size_t i = 0;
    while (i + 1 < N) {
        auto b = static_cast<unsigned char>(literal.bytes[i]);
        char32_t cp = 0;
        int extra = 0;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            extra = 1;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            extra = 2;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            extra = 3;
        } else {
            throw "malformed UTF-8 in a _cp literal";
        }
        ++i;
        for (int k = 0; k < extra; ++k, ++i) {
            if (i + 1 >= N)
                throw "truncated UTF-8 in a _cp literal";
            cp = (cp << 6) | (static_cast<unsigned char>(literal.bytes[i]) & 0x3F);
        }
        int byte = ConstCp1252FromCodePoint(cp);
        if (byte < 0)
            throw "character outside Windows-1252 in a _cp literal";
        out.bytes[out.size++] = static_cast<char>(byte);
    }
    return out;
}

template <char... C> struct Cp1252Storage {
    static constexpr Cp1252Buffer value = ConvertLiteral(Utf8Literal<sizeof...(C) + 1>{{C..., 0}});
};

} // namespace detail

// "Wörterbuch"_cp is the Windows-1252 text of a UTF-8 source literal, converted at compile time;
// a character outside the code page does not compile. The characters come as a pack (a GNU
// extension that g++ and clang share) because clang 14 crashes on literal class parameters in
// some initialisers.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wgnu-string-literal-operator-template"
#endif
template <class Char, Char... C> constexpr std::string_view operator""_cp() {
    return {detail::Cp1252Storage<C...>::value.bytes.data(), detail::Cp1252Storage<C...>::value.size};
}
#if defined(__clang__)
#pragma clang diagnostic pop
#endif

} // namespace qor
