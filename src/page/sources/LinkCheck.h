#pragma once
// Which link targets of a page name files that do not exist. Used by the renderer's report, the
// link checker tool and the content tests, so every shipped page can be checked before a learner
// follows a link into nothing.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

class PageDocument;
class PageLayout;

// The file names a link target leads to: both halves of 'left°right', the page after '§[cmd]',
// the value of a '#' alias, the FILE= and WEITER= of an "EX" command; nothing for commands,
// tooltips, hot spots, check boxes, look-ups, web addresses, "-" and "END".
std::vector<std::string> LinkedFiles(const PageDocument& document, std::string_view name);

// The targets of a parsed (and laid-out) page whose files are missing, each once, in page order.
std::vector<std::string> MissingLinkTargets(const PageDocument& document, const PageLayout& layout);

struct LinkProblem {
    std::string page;   // the page file, relative to the folder checked ("kurs/lektion01.htx")
    std::string target; // the link target as the page writes it; or the reason the page failed
};

// Checks every page file (".htx", ".hqor", ".html", ".htm") and every item of every exercise file
// (".qor") under `folder`, recursively.
std::vector<LinkProblem> CheckPageFolder(const std::string& folder, int* pagesChecked = nullptr);

} // namespace qor
