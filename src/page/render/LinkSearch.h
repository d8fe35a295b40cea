#pragma once
// Finds a link of a laid-out page by what the learner sees of it (the words of the link) or by
// its target, so scripts and tools can follow links without knowing where they were placed.

#include "page/markup/PageRecords.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

class PageDocument;
class PageLayout;

struct FoundLink {
    int entry = -1;     // the first entry of its group in the layout's link rectangles
    PageRect rect;      // that entry's rectangle, document coordinates
    std::string target; // the name before "@"
    std::string words;  // the link's words joined by single blanks
    std::string name;   // the whole name, "@" and what follows included
};

// The first link (in placement order) whose words, whole name or target equal `text`.
std::optional<FoundLink> FindLink(const PageDocument& document, const PageLayout& layout,
                                  std::string_view text);
// The first link (in placement order) that `wanted` accepts.
std::optional<FoundLink> FindLinkWhere(const PageDocument& document, const PageLayout& layout,
                                       const std::function<bool(const FoundLink&)>& wanted);

} // namespace qor
