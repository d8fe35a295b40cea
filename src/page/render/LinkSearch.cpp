#include "page/render/LinkSearch.h"

#include "page/markup/PageDocument.h"
#include "page/render/PageLayout.h"

namespace qor {

namespace {

// Runs of blanks become one blank, and blanks at the ends go.
std::string Collapse(std::string_view text) {
    std::string result;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (blank) {
            if (!result.empty() && result.back() != ' ')
                result += ' ';
        } else {
            result += c;
        }
    }
    if (!result.empty() && result.back() == ' ')
        result.pop_back();
    return result;
}

} // namespace

std::optional<FoundLink> FindLink(const PageDocument& document, const PageLayout& layout,
                                  std::string_view text) {
    const std::string wanted = Collapse(text);
    return FindLinkWhere(document, layout, [&wanted](const FoundLink& link) {
        return link.words == wanted || link.name == wanted || link.target == wanted;
    });
}

std::optional<FoundLink> FindLinkWhere(const PageDocument& document, const PageLayout& layout,
                                       const std::function<bool(const FoundLink&)>& wanted) {
    const LinkRectangles& links = layout.Links();
    for (int i = 0; i < links.Count(); ++i) {
        const LinkRectangle& entry = links.At(i);
        std::string name = entry.target;
        if (name.empty() && entry.name >= 0 && entry.name < document.namedRectangles.Count())
            name = document.namedRectangles.At(entry.name).name;
        if (name.empty())
            continue;
        const auto [first, last] = links.Group(i);
        if (first != i)
            continue; // a later entry of a group already seen
        std::string words;
        for (int j = first; j <= last; ++j) {
            const int element = links.At(j).element;
            if (element >= 0 && element < static_cast<int>(layout.Elements().size()))
                words += layout.Element(element).text;
            else
                words += ' ';
        }
        FoundLink found{first, entry.rect, name.substr(0, name.find('@')), Collapse(words), name};
        if (wanted(found))
            return found;
    }
    return std::nullopt;
}

} // namespace qor
