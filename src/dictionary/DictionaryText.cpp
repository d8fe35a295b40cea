#include "dictionary/DictionaryText.h"

#include "page/controls/PageLinkNames.h"

#include <algorithm>

namespace qor {

namespace {

std::string TrimmedRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && static_cast<unsigned char>(text[end - 1]) <= ' ')
        --end;
    return std::string(text.substr(0, end));
}

std::string Trimmed(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && static_cast<unsigned char>(text[begin]) <= ' ')
        ++begin;
    return TrimmedRight(text.substr(begin));
}

struct MeaningPiece {
    std::string comment; // with its brackets
    std::string text;
};

// A comment counts only at the very start or the very end of its meaning.
MeaningPiece TakeOutComment(std::string piece) {
    if (piece.starts_with('[')) {
        std::size_t close = piece.find(']');
        if (close != std::string::npos)
            return {piece.substr(0, close + 1), Trimmed(std::string_view(piece).substr(close + 1))};
    }
    if (piece.ends_with(']')) {
        std::size_t open = piece.rfind('[');
        if (open != std::string::npos)
            return {piece.substr(open), Trimmed(std::string_view(piece).substr(0, open))};
    }
    return {std::string(), std::move(piece)};
}

} // namespace

bool IsWordDelimiter(char c) {
    switch (c) {
    case ' ':
    case '!':
    case '(':
    case ')':
    case ',':
    case '-':
    case '.':
    case '/':
    case ';':
    case '?':
    case '[':
    case ']':
    case '\xBF': // '¿'
        return true;
    default:
        return false;
    }
}

bool TextMatches(std::string_view scanned, std::string_view text, WholeWords wholeWords) {
    if (text.empty())
        return false;
    if (wholeWords == WholeWords::No)
        return scanned.find(text) != std::string_view::npos;
    std::size_t start = 0;
    while (true) {
        std::size_t found = scanned.find(text, start);
        if (found == std::string_view::npos)
            return false;
        std::size_t after = found + text.size();
        bool openFront = found == start || IsWordDelimiter(scanned[found - 1]);
        bool openBack = after == scanned.size() || IsWordDelimiter(scanned[after]);
        if (openFront && openBack)
            return true;
        start = found + 1;
    }
}

bool HasSuspiciousComma(std::string_view meaning) {
    for (std::size_t i = 0; i < meaning.size(); ++i) {
        if (meaning[i] == '[') {
            std::size_t close = meaning.find(']', i);
            i = close == std::string_view::npos ? meaning.size() - 1 : close;
        } else if (meaning[i] == ',') {
            return true;
        }
    }
    return false;
}

bool HasBadSemicolon(std::string_view meaning) {
    for (std::size_t i = 0; i < meaning.size(); ++i) {
        if (meaning[i] != ';')
            continue;
        if (i + 1 < meaning.size() && meaning[i + 1] != ' ')
            return true;
        if (i > 0 && meaning[i - 1] == ' ')
            return true;
    }
    return false;
}

std::string LinkedText(std::string_view text, const RecordingLookup& recording, bool french) {
    std::string file = text.empty() || !recording ? std::string() : recording(text);
    if (file.empty() || (!french && !SpeechLinkText(file).empty()))
        return std::string(text);
    return "<a href=\"" + file + "\" >" + std::string(text) + "</a>";
}

std::string FormatDictionaryMeaning(std::string_view meaning, const RecordingLookup& recording, bool french) {
    std::string result;
    std::size_t start = 0;
    while (true) {
        std::size_t end = meaning.find(';', start);
        std::string_view raw =
            meaning.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        MeaningPiece piece = TakeOutComment(TrimmedRight(raw));
        if (start > 0)
            result += "; ";
        if (!piece.comment.empty())
            result += " " + piece.comment + " ";
        result += LinkedText(piece.text, recording, french);
        if (end == std::string_view::npos)
            return result;
        // The ";" and the blank that belongs after it are dropped.
        start = std::min(meaning.size(), end + 2);
    }
}

} // namespace qor
