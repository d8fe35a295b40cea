#pragma once
// One vocabulary in a learner's record: the last five answers to it in one query direction.

#include <string>

namespace qor {

struct TXUserVoc {
    std::string key;    // "<" or ">", the caller's number, then the vocabulary ("<2maison")
    std::string scores; // newest first, one character per answer: score change + 65
    std::string modes;  // newest first, the query mode of the same answers ('e', 'm', 'v')

    bool operator==(const TXUserVoc&) const = default;
};

} // namespace qor
