#include "platform/Collation.h"

#include <array>
#include <cstdint>

namespace qor {

namespace {

// What one byte contributes to the order.
enum class Kind : std::uint8_t {
    Element,   // one or two collation elements (a ligature is spelt out)
    Ignorable, // nothing before the byte level
    Marked,    // a hyphen or apostrophe: nothing before level 4
};

// Accents (level 2), in the order in which they sort.
enum Accent : std::uint8_t {
    kPlain,
    kAcute,
    kGrave,
    kCircumflex,
    kCaron,
    kRing,
    kDiaeresis,
    kTilde,
    kCedilla,
    kStroke,
    kLigature,
    kSuperscript,
    kVariant,
};

enum Case : std::uint8_t { kSmall, kCapital };

struct ByteWeights {
    Kind kind = Kind::Ignorable;
    std::uint8_t elements = 0;
    std::uint16_t primary[2] = {0, 0};
    std::uint8_t accent = kPlain;
    std::uint8_t letterCase = kSmall;
};

// Blanks first, then the other punctuation and symbols in code order, then digits, then letters.
constexpr std::uint16_t kBlanks = 0x100;
constexpr std::uint16_t kSymbols = 0x200;
constexpr std::uint16_t kDigits = 0x300;
constexpr std::uint16_t kLetters = 0x400;
constexpr std::uint16_t kMu = kLetters + 26; // 'µ' after the Latin letters

constexpr std::uint16_t Letter(char letter) {
    return static_cast<std::uint16_t>(kLetters + (letter - 'a'));
}

// The letters from 0xC0 on: base letters (two for a ligature) and accent of each capital; the small
// letters 0x20 higher are the same. 0xD7 ('×') and 0xDF ('ß') are handled on their own.
struct LatinLetter {
    const char* base;
    Accent accent;
};
constexpr LatinLetter kLatin1Letters[31] = {
    {"a", kGrave},      {"a", kAcute},     {"a", kCircumflex}, {"a", kTilde},     {"a", kDiaeresis},
    {"a", kRing},       {"ae", kLigature}, {"c", kCedilla},    {"e", kGrave},     {"e", kAcute},
    {"e", kCircumflex}, {"e", kDiaeresis}, {"i", kGrave},      {"i", kAcute},     {"i", kCircumflex},
    {"i", kDiaeresis},  {"d", kStroke},    {"n", kTilde},      {"o", kGrave},     {"o", kAcute},
    {"o", kCircumflex}, {"o", kTilde},     {"o", kDiaeresis},  {nullptr, kPlain}, {"o", kStroke},
    {"u", kGrave},      {"u", kAcute},     {"u", kCircumflex}, {"u", kDiaeresis}, {"y", kAcute},
    {"th", kLigature},
};

constexpr ByteWeights LetterWeights(const char* base, std::uint8_t accent, Case letterCase) {
    ByteWeights weights;
    weights.kind = Kind::Element;
    weights.elements = base[1] == '\0' ? 1 : 2;
    weights.primary[0] = Letter(base[0]);
    weights.primary[1] = weights.elements == 2 ? Letter(base[1]) : 0;
    weights.accent = accent;
    weights.letterCase = letterCase;
    return weights;
}

constexpr ByteWeights SingleWeight(std::uint16_t primary, std::uint8_t accent = kPlain) {
    ByteWeights weights;
    weights.kind = Kind::Element;
    weights.elements = 1;
    weights.primary[0] = primary;
    weights.accent = accent;
    return weights;
}

constexpr std::array<ByteWeights, 256> BuildTable() {
    std::array<ByteWeights, 256> table{};
    for (int b = 0x20; b < 0x100; ++b)
        table[b] = SingleWeight(static_cast<std::uint16_t>(kSymbols + b));
    for (int b = 0x09; b <= 0x0D; ++b)
        table[b] = SingleWeight(static_cast<std::uint16_t>(kBlanks + b - 0x08));
    table[' '] = SingleWeight(kBlanks);
    table[0xA0] = SingleWeight(kBlanks, kVariant); // no-break space
    for (int b : {0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xAD})
        table[b] = ByteWeights{};
    for (int b : {int{'-'}, int{'\''}, 0x92})
        table[b].kind = Kind::Marked;
    for (int d = 0; d <= 9; ++d)
        table['0' + d] = SingleWeight(static_cast<std::uint16_t>(kDigits + d));
    table[0xB9] = SingleWeight(kDigits + 1, kSuperscript);
    table[0xB2] = SingleWeight(kDigits + 2, kSuperscript);
    table[0xB3] = SingleWeight(kDigits + 3, kSuperscript);
    for (char c = 'a'; c <= 'z'; ++c) {
        const char base[2] = {c, '\0'};
        table[static_cast<unsigned char>(c)] = LetterWeights(base, kPlain, kSmall);
        table[static_cast<unsigned char>(c - 0x20)] = LetterWeights(base, kPlain, kCapital);
    }
    table[0x83] = LetterWeights("f", kStroke, kSmall); // 'ƒ'
    table[0x8A] = LetterWeights("s", kCaron, kCapital);
    table[0x9A] = LetterWeights("s", kCaron, kSmall);
    table[0x8C] = LetterWeights("oe", kLigature, kCapital);
    table[0x9C] = LetterWeights("oe", kLigature, kSmall);
    table[0x8E] = LetterWeights("z", kCaron, kCapital);
    table[0x9E] = LetterWeights("z", kCaron, kSmall);
    table[0x9F] = LetterWeights("y", kDiaeresis, kCapital);
    table[0xFF] = LetterWeights("y", kDiaeresis, kSmall);
    table[0xAA] = LetterWeights("a", kSuperscript, kSmall); // 'ª'
    table[0xBA] = LetterWeights("o", kSuperscript, kSmall); // 'º'
    table[0xB5] = SingleWeight(kMu);
    table[0xDF] = LetterWeights("ss", kLigature, kSmall);
    for (int i = 0; i < 31; ++i) {
        if (!kLatin1Letters[i].base)
            continue;
        table[0xC0 + i] = LetterWeights(kLatin1Letters[i].base, kLatin1Letters[i].accent, kCapital);
        table[0xE0 + i] = LetterWeights(kLatin1Letters[i].base, kLatin1Letters[i].accent, kSmall);
    }
    for (int b = 0x00; b <= 0x08; ++b)
        table[b] = ByteWeights{};
    for (int b = 0x0E; b <= 0x1F; ++b)
        table[b] = ByteWeights{};
    return table;
}

constexpr std::array<ByteWeights, 256> kWeights = BuildTable();

const ByteWeights& WeightsOf(char c) {
    return kWeights[static_cast<unsigned char>(c)];
}

// The collation elements of a text, one after the other.
class Elements {
public:
    explicit Elements(std::string_view text) : m_text(text) {}

    // The next element's weights and which of its byte's elements it is; false at the end.
    bool Next(const ByteWeights*& weights, int& part) {
        if (m_part == 1) {
            weights = &WeightsOf(m_text[m_position - 1]);
            part = 1;
            m_part = 0;
            return true;
        }
        while (m_position < m_text.size()) {
            const ByteWeights& next = WeightsOf(m_text[m_position++]);
            if (next.kind != Kind::Element)
                continue;
            weights = &next;
            part = 0;
            m_part = next.elements == 2 ? 1 : 0;
            return true;
        }
        return false;
    }

private:
    std::string_view m_text;
    std::size_t m_position = 0;
    int m_part = 0;
};

// Compares the two texts' sequences of one weight; a sequence before every longer one it begins.
template <class Weight> int CompareLevel(std::string_view a, std::string_view b, Weight weight) {
    Elements left(a);
    Elements right(b);
    while (true) {
        const ByteWeights* x = nullptr;
        const ByteWeights* y = nullptr;
        int xPart = 0;
        int yPart = 0;
        const bool more = left.Next(x, xPart);
        const bool moreRight = right.Next(y, yPart);
        if (!more || !moreRight)
            return more == moreRight ? 0 : (more ? 1 : -1);
        const int wx = weight(*x, xPart);
        const int wy = weight(*y, yPart);
        if (wx != wy)
            return wx < wy ? -1 : 1;
    }
}

// The hyphens and apostrophes of a text, each with the number of elements before it.
class MarkedPositions {
public:
    explicit MarkedPositions(std::string_view text) : m_text(text) {}

    // Position and byte of the next one, as one number that sorts as (position, byte).
    bool Next(long& key) {
        while (m_position < m_text.size()) {
            const char c = m_text[m_position++];
            const ByteWeights& weights = WeightsOf(c);
            if (weights.kind == Kind::Element) {
                m_elements += weights.elements;
            } else if (weights.kind == Kind::Marked) {
                key = m_elements * 256L + static_cast<unsigned char>(c);
                return true;
            }
        }
        return false;
    }

private:
    std::string_view m_text;
    std::size_t m_position = 0;
    long m_elements = 0;
};

int CompareMarked(std::string_view a, std::string_view b) {
    MarkedPositions left(a);
    MarkedPositions right(b);
    while (true) {
        long x = 0;
        long y = 0;
        const bool more = left.Next(x);
        const bool moreRight = right.Next(y);
        if (!more || !moreRight)
            return more == moreRight ? 0 : (more ? 1 : -1);
        if (x != y)
            return x < y ? -1 : 1;
    }
}

} // namespace

int CompareCollated(std::string_view a, std::string_view b, CaseLevel caseLevel) {
    if (int order = CompareLevel(a, b, [](const ByteWeights& w, int part) { return int{w.primary[part]}; }))
        return order;
    if (int order = CompareLevel(a, b, [](const ByteWeights& w, int) { return int{w.accent}; }))
        return order;
    if (caseLevel == CaseLevel::Ignored)
        return 0;
    if (int order = CompareLevel(a, b, [](const ByteWeights& w, int) { return int{w.letterCase}; }))
        return order;
    if (int order = CompareMarked(a, b))
        return order;
    const int bytes = a.compare(b);
    return bytes < 0 ? -1 : (bytes > 0 ? 1 : 0);
}

} // namespace qor
