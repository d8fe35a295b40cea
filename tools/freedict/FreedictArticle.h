#pragma once
// One article of a FreeDict dictionary as dictd shows it:
//
//   chat /ʃa/ <n, masc>          headword, pronunciations between slashes, grammar in angle brackets
//   1. Katze, Kater              a numbered sense: its translations separated by ", "
//   Chat domestique              a note on the sense, in the headword's language
//   2. Kater, Katze
//   Chat mâle
//
// An article with one sense has its translation line unnumbered right after the first line. A sense
// with several notes numbers them from 2 on: the first number ends the translation line ("Haus 2.")
// and the others stand on lines of their own (" 3.").

#include <string>
#include <string_view>
#include <vector>

namespace qor::freedict {

struct FreedictArticle {
    std::string headword;                  // UTF-8, blanks collapsed
    std::vector<std::string> grammar;      // the words between the angle brackets: "n", "masc"
    std::vector<std::string> translations; // every sense's translations in order, repeats kept
    std::vector<std::string> notes;        // the notes, each trimmed
    // Which sense (counted from 0) each translation and each note belongs to: a note such as
    // "veraltet: ..." or "(Familier) ..." labels the translations of its own sense only.
    std::vector<int> translationSenses;
    std::vector<int> noteSenses;
};

// Never fails: text that is no article gives whatever could be read, at worst an empty headword.
// UTF-8 is taken as it comes, except that the typographic apostrophe (and the prime standing in for
// it) becomes the plain "'" of the program's own texts and invisible zero-width and direction marks
// are dropped.
FreedictArticle ParseFreedictArticle(std::string_view text);

// One translation cleaned of the marks the conversion to dictd left in it: a link target before
// "#" ("camper#se camper"), a trailing language name in parentheses ("abîmer (Französisch)"), a
// trailing sense number ("Apparat (3)"), surplus blanks. Empty when nothing is left.
std::string CleanTranslation(std::string_view translation);

} // namespace qor::freedict
