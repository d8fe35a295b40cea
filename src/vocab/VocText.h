#pragma once
// Small text rules shared by the library's readers, tools and answer rules (Windows-1252 bytes).

#include <string>
#include <string_view>
#include <vector>

namespace qor::vocab {

// Blanks and control characters (every byte up to ' ') are what the library files trim.
std::string Trim(std::string_view text);
std::string TrimRight(std::string_view text);

// Splits a meaning list at each ";": a piece is the text before it without trailing blanks, and
// the next piece starts two characters later (the separator is "; "). The last piece is the rest
// as it stands. An empty text gives no pieces.
std::vector<std::string> SplitMeaningList(std::string_view text);

// Whether two meaning lists hold the same meanings in any order, case ignored (the rule of the
// duplicate search and of the editor's comparison with the dictionary).
bool SameMeaningSets(std::string_view a, std::string_view b);

// Every occurrence of `from` replaced by `to`, left to right.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Splits at every `separator` and joins the trimmed parts with "; " ("Haus, Heim" → "Haus; Heim").
std::string JoinTrimmedParts(std::string_view text, char separator);

// Reduces every run of blanks to one blank.
std::string CollapseDoubleBlanks(std::string_view text);

// A decimal number as the file readers accept it: leading blanks, an optional sign, digits and
// nothing after them. False for anything else (and for numbers that do not fit an int).
bool ParseDecimal(std::string_view text, int& value);

} // namespace qor::vocab
