#include "freedict/FreedictArticle.h"

#include <algorithm>
#include <array>

namespace qor::freedict {

namespace {

struct Replacement {
    std::string_view from; // UTF-8
    std::string_view to;
};
// Apostrophes as the program's texts write them, and the invisible marks that sometimes cling to a
// word (they would keep it out of Windows-1252 for nothing).
constexpr std::array<Replacement, 6> kReplacements = {{
    {"\xE2\x80\x99", "'"}, // typographic apostrophe
    {"\xE2\x80\xB2", "'"}, // prime, used as an apostrophe
    {"\xE2\x80\x8B", ""},  // zero-width space
    {"\xE2\x80\x8E", ""},  // left-to-right mark
    {"\xE2\x80\x8F", ""},  // right-to-left mark
    {"\xEF\xBB\xBF", ""},  // zero-width no-break space
}};
// Language names that some translations carry after them (UTF-8, like the article text).
constexpr std::array<std::string_view, 2> kLanguageNames = {"Französisch", "Deutsch"};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The replacement that starts at the front of `text`, if any.
const Replacement* ReplacementAt(std::string_view text) {
    // Every replaced sequence starts with the byte 0xE2 or 0xEF; most characters need no look.
    if (text.empty() || static_cast<unsigned char>(text.front()) < 0xE2)
        return nullptr;
    for (const Replacement& replacement : kReplacements) {
        if (text.starts_with(replacement.from))
            return &replacement;
    }
    return nullptr;
}

// Replacements made, each run of blanks one blank, trimmed.
std::string Tidy(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const Replacement* replacement = ReplacementAt(text.substr(i))) {
            out += replacement->to;
            i += replacement->from.size() - 1;
        } else if (IsBlank(text[i])) {
            if (!out.empty() && out.back() != ' ')
                out += ' ';
        } else {
            out += text[i];
        }
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// " 12." at the end (or the whole text when it is just "12.").
bool EndsWithNoteNumber(std::string_view text, std::size_t& numberStart) {
    if (!text.ends_with('.'))
        return false;
    std::size_t i = text.size() - 1;
    while (i > 0 && IsDigit(text[i - 1]))
        --i;
    if (i == text.size() - 1)
        return false;
    numberStart = i;
    return i == 0 || text[i - 1] == ' ';
}

bool IsNoteNumberLine(std::string_view line) {
    std::size_t start = 0;
    line = TrimBlanks(line);
    return EndsWithNoteNumber(line, start) && start == 0;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

// Reads "headword /pron/ /pron/ <grammar, words>" into the article.
void ReadHeadLine(std::string_view line, FreedictArticle& article) {
    std::string_view rest = TrimBlanks(line);
    if (rest.ends_with('>')) {
        const std::size_t open = rest.rfind('<');
        if (open != std::string_view::npos && (open == 0 || rest[open - 1] == ' ')) {
            std::string_view words = rest.substr(open + 1, rest.size() - open - 2);
            while (true) {
                const std::size_t comma = words.find(',');
                const std::string_view word = TrimBlanks(words.substr(0, comma));
                if (!word.empty())
                    article.grammar.emplace_back(word);
                if (comma == std::string_view::npos)
                    break;
                words.remove_prefix(comma + 1);
            }
            rest = TrimBlanks(rest.substr(0, open));
        }
    }
    // Pronunciations hold blanks but no slash; each one is set off from what stands before it by a blank.
    while (rest.size() >= 2 && rest.ends_with('/')) {
        const std::size_t open = rest.rfind('/', rest.size() - 2);
        if (open == std::string_view::npos || open == 0 || rest[open - 1] != ' ')
            break;
        rest = TrimBlanks(rest.substr(0, open));
    }
    article.headword = Tidy(rest);
}

void ReadTranslationLine(std::string_view line, int sense, FreedictArticle& article) {
    line = TrimBlanks(line);
    std::size_t numberStart = 0;
    if (EndsWithNoteNumber(line, numberStart) && numberStart > 0)
        line = TrimBlanks(line.substr(0, numberStart));
    while (true) {
        const std::size_t separator = line.find(", ");
        std::string translation = CleanTranslation(line.substr(0, separator));
        if (!translation.empty()) {
            article.translations.push_back(std::move(translation));
            article.translationSenses.push_back(sense);
        }
        if (separator == std::string_view::npos)
            break;
        line.remove_prefix(separator + 2);
    }
}

void ReadNoteLine(std::string_view line, int sense, FreedictArticle& article) {
    if (IsNoteNumberLine(line))
        return;
    std::string note = Tidy(line);
    if (!note.empty()) {
        article.notes.push_back(std::move(note));
        article.noteSenses.push_back(sense);
    }
}

std::string SenseNumber(int sense) {
    return std::to_string(sense) + ". ";
}

} // namespace

std::string CleanTranslation(std::string_view translation) {
    const std::size_t hash = translation.rfind('#');
    if (hash != std::string_view::npos)
        translation.remove_prefix(hash + 1);
    translation = TrimBlanks(translation);
    for (const std::string_view language : kLanguageNames) {
        const std::string marker = "(" + std::string(language) + ")";
        if (translation.ends_with(marker)) {
            translation.remove_suffix(marker.size());
            // The source sometimes doubles the opening parenthesis: "à propos((Französisch)".
            while (!translation.empty() && (translation.back() == '(' || IsBlank(translation.back())))
                translation.remove_suffix(1);
        }
    }
    if (translation.ends_with(')')) {
        const std::size_t open = translation.rfind('(');
        if (open != std::string_view::npos && open > 0 && translation[open - 1] == ' ' &&
            open + 2 < translation.size()) {
            bool number = true;
            for (std::size_t i = open + 1; i + 1 < translation.size(); ++i)
                number = number && IsDigit(translation[i]);
            if (number)
                translation = translation.substr(0, open);
        }
    }
    return Tidy(translation);
}

FreedictArticle ParseFreedictArticle(std::string_view text) {
    FreedictArticle article;
    std::vector<std::string_view> lines = Lines(text);
    std::size_t first = 0;
    while (first < lines.size() && TrimBlanks(lines[first]).empty())
        ++first;
    if (first == lines.size())
        return article;
    ReadHeadLine(lines[first], article);

    std::vector<std::string_view> body(lines.begin() + static_cast<std::ptrdiff_t>(first) + 1, lines.end());
    // "1. Klasse" can be the one translation of an unnumbered article; numbered senses come in twos at least.
    bool numbered = !body.empty() && body.front().starts_with(SenseNumber(1));
    if (numbered) {
        numbered = false;
        for (const std::string_view line : body)
            numbered = numbered || line.starts_with(SenseNumber(2));
    }
    int nextSense = 1;
    bool translationRead = false;
    for (const std::string_view line : body) {
        // Notes belong to the sense whose translations stand above them.
        const int sense = std::max(0, nextSense - 2);
        if (numbered && line.starts_with(SenseNumber(nextSense))) {
            ReadTranslationLine(line.substr(SenseNumber(nextSense).size()), nextSense - 1, article);
            ++nextSense;
        } else if (!numbered && !translationRead && !TrimBlanks(line).empty()) {
            ReadTranslationLine(line, 0, article);
            translationRead = true;
        } else {
            ReadNoteLine(line, numbered ? sense : 0, article);
        }
    }
    return article;
}

} // namespace qor::freedict
