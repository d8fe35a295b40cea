#pragma once
// The alphabetical order of Windows-1252 texts that the dictionary, its look-up and the library
// sort share. Windows compares such texts with the user's locale; this is the same kind of word
// sort written out once, so that it gives the same order on every machine, whatever its C locale.

#include <string_view>

namespace qor {

enum class CaseLevel {
    Ordered, // all five levels below: the order of sorting
    Ignored, // levels 1 and 2 only: the order of looking up, blind to case (and to hyphens)
};

// Negative, zero or positive as `a` sorts before, with or after `b`. The texts are compared level
// by level, each level deciding only where all levels before it found the texts equal:
//  1. the letters, ignoring case and accents: "é" counts as "e", "æ" as "ae", "œ" as "oe",
//     "ß" as "ss", "þ" as "th"; blanks and punctuation count as well and sort before digits, digits
//     before letters, and a text before every longer text that begins with it. Hyphens and
//     apostrophes (also the typographic "’") are passed over, as are control characters and the
//     soft hyphen: "l'eau" sorts next to "leau", "e-mail" next to "email";
//  2. the accents, position by position: none, acute, grave, circumflex, caron, ring, diaeresis,
//     tilde, cedilla, stroke; a spelt-out ligature after the plain letters ("ss" before "ß");
//  3. the case, position by position: small before capital ("maison" before "Maison");
//  4. the hyphens and apostrophes passed over in 1: a text without them before one with them, an
//     earlier one before a later one ("coop" before "co-op");
//  5. the bytes, so that only equal texts compare equal.
// Each level compares a key that depends on one text alone, so either way the order is a strict
// weak ordering, and with all five levels a total one: a sorted list stays as it is when it is
// sorted again. The full order refines the one that ignores case, so in a sorted list the texts
// below any text come first, and the texts that differ from it only in case stand together.
int CompareCollated(std::string_view a, std::string_view b, CaseLevel caseLevel = CaseLevel::Ordered);

} // namespace qor
