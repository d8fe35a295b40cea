#pragma once
// Usage labels of the source in the short German form the dictionary's meanings carry as a
// bracketed comment ("vulg.", "ugs.", "veraltet", "reg.", "fig.", "abw."). The source states them at
// the start of a sense's note, in the headword's language: "umgangssprachlich, abwertend: ...",
// "(Figuré) (Familier) ...", "Vulgaire : ...". Texts are Windows-1252.

#include "freedict/WordClassRules.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qor::freedict {

// The labels of one sense's notes, in a fixed order and joined by ", "; empty for none.
std::string UsageLabelOf(const std::vector<std::string>& notes, HeadwordLanguage language);

// Joins two label texts, each label once, in the fixed order.
std::string CombineLabels(std::string_view a, std::string_view b);

// Words that make a text vulgar whatever the source says (it often says nothing): "Arsch" alone,
// "Scheiß*" at the start of a word, "*ficken" at its end; compared ignoring case.
class VulgarWords {
public:
    void Add(std::string_view pattern);
    bool Matches(std::string_view text) const;
    bool Empty() const { return m_whole.empty() && m_prefixes.empty() && m_suffixes.empty(); }

private:
    std::set<std::string, std::less<>> m_whole;
    std::vector<std::string> m_prefixes;
    std::vector<std::string> m_suffixes;
};

} // namespace qor::freedict
