#include "sound/SpeechText.h"

#include <array>

namespace qor {

namespace {

// Grammar marks in parentheses that are written, never spoken.
constexpr std::array<std::string_view, 12> kMarks = {"m",   "f",   "mf",  "m/f", "f/m", "mpl",
                                                     "fpl", "pl",  "m.",  "f.",  "inv", "inv."};

// Abbreviations of the dictionaries' valency notes, spoken in full.
struct Expansion {
    std::string_view word;
    std::string_view spoken;
};
constexpr std::array<Expansion, 4> kExpansions = {
    {{"qc", "quelque chose"}, {"qc.", "quelque chose"}, {"qn", "quelqu'un"}, {"qn.", "quelqu'un"}}};

bool IsMark(std::string_view inner) {
    for (std::string_view mark : kMarks)
        if (inner == mark)
            return true;
    return false;
}

std::string WithoutComments(std::string_view text) {
    std::string out;
    int depth = 0;
    for (char c : text) {
        if (c == '[') {
            ++depth;
        } else if (c == ']' && depth > 0) {
            --depth;
            out += ' ';
        } else if (depth == 0) {
            out += c;
        }
    }
    return out;
}

// "(f)" goes, "(la) " and "(re)" lose only their parentheses.
std::string WithoutParentheses(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            const std::size_t close = text.find(')', i);
            if (close != std::string::npos && IsMark(std::string_view(text).substr(i + 1, close - i - 1))) {
                i = close;
                continue;
            }
        }
        if (text[i] != '(' && text[i] != ')')
            out += text[i];
    }
    return out;
}

} // namespace

std::string SpokenText(std::string_view notation) {
    std::string text = WithoutParentheses(WithoutComments(notation));
    std::string out;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(" \t/", start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view word = std::string_view(text).substr(start, end - start);
        if (!word.empty()) {
            for (const Expansion& expansion : kExpansions)
                if (word == expansion.word)
                    word = expansion.spoken;
            if (!out.empty())
                out += ' ';
            out += word;
        }
        if (end < text.size() && text[end] == '/' && !out.empty())
            out += ',';
        start = end + 1;
    }
    return out;
}

} // namespace qor
