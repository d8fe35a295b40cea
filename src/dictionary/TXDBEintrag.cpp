#include "dictionary/TXDBEintrag.h"

#include <array>
#include <charconv>

namespace qor {

namespace {

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool IsWordClass(int wortart) {
    return wortart >= kFirstWordClass && wortart <= kLastWordClass;
}

} // namespace

std::string_view WordClassName(int wortart) {
    static constexpr std::array<std::string_view, 6> kNames = {
        "Nomen", "Verb", "Adjektiv", "Kleines Wort", "Rw. mit Verb", "Rw. ohne Verb"};
    return IsWordClass(wortart) ? kNames[static_cast<std::size_t>(wortart - 1)] : std::string_view();
}

std::string_view WordClassShortName(int wortart) {
    static constexpr std::array<std::string_view, 6> kNames = {"Nomen",    "Verb",      "Adjektiv",
                                                               "Kl. Wort", "Rw. m. V.", "Rw. o. V."};
    return IsWordClass(wortart) ? kNames[static_cast<std::size_t>(wortart - 1)] : std::string_view();
}

int WordClassFromText(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    std::string_view digits = text;
    // A leading '+' is as good as none for a decimal number; a '-' can only give a class below 1.
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end || !IsWordClass(value))
        return kFirstWordClass;
    return value;
}

std::string TrimEntryText(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsTrimmed(text[begin]))
        ++begin;
    while (end > begin && IsTrimmed(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

} // namespace qor
