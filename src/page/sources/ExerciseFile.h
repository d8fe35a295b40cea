#pragma once
// Exercise files (".qor") let one page show a random series of items:
//     "QOR!" + two digits (items to ask) + whitespace + header + "<EX>" item ... "</EX>" + trailer.
// The page for an item is header + item + trailer.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct ExerciseFile {
    int count = 0; // items to ask, as the file gives it
    std::string header;
    std::vector<std::string> items;
    std::string trailer;

    // The page text of item `index`, ending in a carriage return as the parser expects.
    std::string PageText(std::size_t index) const;
};

// Splits the text of an exercise file. False when the identifier "QOR!" is missing.
// The count is read from the two bytes after the identifier: their leading digits, so "7 " is 7;
// when they hold no digit at all ("xx") the count is 0, which shows one item and offers no next.
bool ReadExerciseFile(std::string_view text, ExerciseFile& file);

} // namespace qor
