#include "page/controls/AnswerCheck.h"

#include "platform/Accents.h"
#include "platform/Random.h"

#include <algorithm>

namespace qor {

namespace {

constexpr std::size_t kGreedyStarts = 5;
constexpr std::size_t kGreedyReach = 4; // a match may skip up to three characters of b

std::string Reversed(std::string_view text) {
    return std::string(text.rbegin(), text.rend());
}

bool StaysInHelpMask(char c) {
    return c == ' ' || c == '!' || c == '\'' || c == ',' || c == '-' || c == '.' || c == '?';
}

} // namespace

std::string GreedyMatch(std::string_view a, std::string_view b) {
    const std::size_t starts = std::min(b.size() / 2, kGreedyStarts);
    std::string best;
    for (std::size_t start = 0; start < starts; ++start) {
        std::string result;
        std::size_t q = 0; // next position of b to search from
        for (std::size_t i = start; i < a.size() && q < b.size(); ++i) {
            std::size_t last = std::min(b.size(), q + kGreedyReach);
            for (std::size_t j = q; j < last; ++j) {
                if (b[j] == a[i]) {
                    result += a[i];
                    q = j + 1;
                    break;
                }
            }
        }
        if (result.size() > best.size())
            best = std::move(result);
    }
    return best;
}

std::string CommonLetters(std::string_view text, std::string_view solution) {
    std::string_view t = text;
    std::string_view s = solution;

    // Prefix: equal leading characters, but never the solution's last two, so that the suffix
    // still has a pair to compare.
    std::string prefix;
    if (s.size() >= 2) {
        std::size_t k = 0; // number of equal leading characters taken
        while (k < s.size() - 2 && k < t.size() && t[k] == s[k])
            ++k;
        prefix = std::string(s.substr(0, k));
        t = t.substr(std::min(k, t.size()));
        s = s.substr(k);
    }

    // Suffix: the last characters are taken without comparing them (a wrong ending letter such as
    // a missing plural "s" should not hide an otherwise right ending); the comparison starts one
    // before the end.
    std::string suffix;
    if (!t.empty() && !s.empty()) {
        const std::size_t lt = t.size();
        const std::size_t ls = s.size();
        std::size_t j = 1;
        while (j < ls && j < lt && t[lt - 1 - j] == s[ls - 1 - j])
            ++j;
        const std::size_t m = j - 1;
        if (m >= 1) {
            suffix = std::string(s.substr(ls - (m + 1)));
            t = t.substr(0, lt - (m + 1));
            s = s.substr(0, ls - (m + 1));
        }
    }

    std::string middle;
    if (!t.empty() && !s.empty()) {
        const std::string rt = Reversed(t);
        const std::string rs = Reversed(s);
        const std::string candidates[] = {GreedyMatch(t, s), GreedyMatch(s, t), Reversed(GreedyMatch(rt, rs)),
                                          Reversed(GreedyMatch(rs, rt))};
        for (const std::string& candidate : candidates)
            if (candidate.size() > middle.size())
                middle = candidate;
    }
    return prefix + middle + suffix;
}

bool QualifiesAsAlmostRight(int textLength, int solutionLength, int commonLength) {
    return solutionLength - 4 < textLength && textLength < solutionLength + 6 &&
           2 * textLength < 3 * commonLength + 1;
}

AlmostRightMatch FindAlmostRight(std::string_view text, const std::vector<std::string>& solutions) {
    AlmostRightMatch best;
    const int lt = static_cast<int>(text.size());
    for (std::size_t i = 0; i < solutions.size(); ++i) {
        std::string common = CommonLetters(text, solutions[i]);
        const int ls = static_cast<int>(solutions[i].size());
        const int lc = static_cast<int>(common.size());
        if (!QualifiesAsAlmostRight(lt, ls, lc))
            continue;
        if (!best.Found() || lc > static_cast<int>(best.commonLetters.size())) {
            best.solution = static_cast<int>(i);
            best.commonLetters = std::move(common);
        }
    }
    return best;
}

AlmostRightMarking MarkAlmostRight(std::string_view text, std::string_view solution,
                                   std::string_view commonLetters) {
    AlmostRightMarking marking;
    marking.farbe.assign(text.size(), '1');

    std::size_t m = 0; // 0-based first difference
    while (m < text.size() && m < solution.size() && text[m] == solution[m])
        ++m;
    bool accentOnly = false;
    if (m < text.size() && m < solution.size()) {
        int group = AccentGroupOf(text[m]);
        accentOnly = group >= 0 && group == AccentGroupOf(solution[m]);
    }
    marking.caret = static_cast<int>(m) + 1 + (accentOnly ? 1 : 0);

    std::size_t from = 0;
    for (char c : commonLetters) {
        std::size_t found = text.find(c, from);
        if (found == std::string_view::npos)
            continue;
        marking.farbe[found] = '0';
        from = found + 1;
    }
    return marking;
}

std::string HelpMask(std::string_view solution) {
    const std::size_t length = solution.size();
    if (length <= 2)
        return std::string(length, '_');
    std::string mask(solution);
    // Length 3 hides up to the end; longer solutions keep their last letter.
    const std::size_t lastHidden = length == 3 ? length - 1 : length - 2;
    for (std::size_t i = 1; i <= lastHidden; ++i) {
        if (StaysInHelpMask(solution[i]))
            continue;
        const bool fifthOrLater = i >= 4;
        if (fifthOrLater && RandomBelow(5) == 3)
            continue;
        mask[i] = '_';
    }
    return mask;
}

} // namespace qor
