#pragma once
// One dictionary entry and the word classes the dictionary numbers 1 to 6 (the vocabulary library
// numbers the same classes 0 to 5).

#include <string>
#include <string_view>

namespace qor {

inline constexpr int kFirstWordClass = 1;
inline constexpr int kLastWordClass = 6;
// Classes 5 and 6 are idioms (with and without a verb); a random pick may leave them out.
inline constexpr int kLastSingleWordClass = 4;

struct TXDBEintrag {
    std::string Vokabel;   // the headword, Windows-1252
    std::string Bedeutung; // meanings separated by "; ", Windows-1252
    int Wortart = kFirstWordClass;

    bool operator==(const TXDBEintrag&) const = default;
};

// "Nomen" .. "Rw. ohne Verb" as the dictionary window's selection box shows them; "" outside 1..6.
std::string_view WordClassName(int wortart);
// The short names of the window's result grid ("Kl. Wort", "Rw. m. V.").
std::string_view WordClassShortName(int wortart);

// A decimal word class in 1..6, or 1 for anything else (how every entry is built).
int WordClassFromText(std::string_view text);

// Blanks and control characters removed at both ends, as entries are stored.
std::string TrimEntryText(std::string_view text);

} // namespace qor
