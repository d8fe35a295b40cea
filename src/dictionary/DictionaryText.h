#pragma once
// The text rules of the dictionary: word matching for the search, the meaning checks of
// "Kontrollieren", and the meanings as a result page shows them.

#include <functional>
#include <string>
#include <string_view>

namespace qor {

// The resolved file of a text's recording, or "" when there is none (or it does not exist).
using RecordingLookup = std::function<std::string(std::string_view text)>;

enum class WholeWords { No, Yes };

// The 13 characters that may stand around a whole word: blank ! ( ) , - . / ; ? [ ] and '¿'.
bool IsWordDelimiter(char c);

// Case-sensitive; with whole words an occurrence counts only between delimiters or the string's
// ends, and after a rejected one the search goes on from the character after its first character.
// An empty text matches nothing.
bool TextMatches(std::string_view scanned, std::string_view text, WholeWords wholeWords);

// A "," outside square brackets (a "[" without "]" shields the rest of the meaning).
bool HasSuspiciousComma(std::string_view meaning);
// A ";" followed by anything but a blank, or preceded by a blank.
bool HasBadSemicolon(std::string_view meaning);

// The meanings joined by "; ", each bracketed comment set in front of its meaning between blanks,
// each meaning that has a recording written as a link to it. Only French texts link to speech.
std::string FormatDictionaryMeaning(std::string_view meaning, const RecordingLookup& recording,
                                    bool french = true);

// The headword, or a link to its recording (to its speech only when `french`).
std::string LinkedText(std::string_view text, const RecordingLookup& recording, bool french = true);

} // namespace qor
