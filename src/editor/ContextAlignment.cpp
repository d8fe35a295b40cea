#include "editor/ContextAlignment.h"

#include "platform/Cp1252.h"
#include "vocab/TVokabel.h"
#include "vocab/VocText.h"

#include <algorithm>
#include <array>

namespace qor {

std::string RepairHeadwordEnding(std::string_view headword) {
    std::string repaired = vocab::Trim(headword);
    constexpr std::string_view kBareEnding = ", e";
    if (repaired.size() >= kBareEnding.size() &&
        std::string_view(repaired).substr(repaired.size() - kBareEnding.size()) == kBareEnding)
        repaired.insert(repaired.size() - 1, "-");
    return repaired;
}

std::string RepairContext(std::string_view context) {
    std::string repaired(context);
    if (repaired.find(')') != std::string::npos)
        return repaired;
    const auto opening = std::count(repaired.begin(), repaired.end(), '(');
    if (!repaired.empty() && repaired.front() == '(' && opening == 3) {
        repaired.erase(0, 1);
        const std::size_t first = repaired.find('(');
        const std::size_t second = repaired.find('(', first + 1);
        if (second != std::string::npos)
            repaired[second] = ')';
    } else if (opening == 2) {
        repaired[repaired.find('(', repaired.find('(') + 1)] = ')';
    }
    return repaired;
}

bool ContextPasses(std::string_view context) {
    if (context.empty())
        return true;
    if (std::count(context.begin(), context.end(), '(') != 1 ||
        std::count(context.begin(), context.end(), ')') != 1)
        return false;
    return context.find('(') < context.find(')');
}

std::string AdoptDictionaryInitial(std::string_view headword, std::string_view dictionaryHeadword) {
    std::string adopted(headword);
    if (headword.empty() || dictionaryHeadword.empty())
        return adopted;
    if (dictionaryHeadword.find(headword.substr(1), 1) == 1 &&
        headword.front() == UpperCp1252(dictionaryHeadword.front()))
        adopted.front() = dictionaryHeadword.front();
    return adopted;
}

AlignedEntry AlignWithDictionary(const AlignedEntry& entry, const DictionaryEntryView& dictionary) {
    AlignedEntry aligned = entry;
    if (entry.headword != dictionary.headword) {
        constexpr std::array<std::string_view, 5> kGenderMarks = {" (m)", " (f)", " (mf)", " (mpl)",
                                                                  " (fpl)"};
        for (std::string_view mark : kGenderMarks) {
            if (dictionary.headword == entry.headword + std::string(mark)) {
                aligned = {dictionary.headword, dictionary.meaning, dictionary.wortart - 1};
                break;
            }
        }
        return aligned;
    }
    const bool sameClass = entry.wortart + 1 == dictionary.wortart;
    const bool nounElsewhere = entry.wortart == kNomen && !sameClass && !dictionary.neighbourHasSameHeadword;
    if (sameClass || nounElsewhere)
        aligned.meaning = dictionary.meaning;
    return aligned;
}

bool AlignedWithDictionary(const AlignedEntry& entry, const DictionaryEntryView& dictionary) {
    return entry.headword == dictionary.headword && entry.wortart + 1 == dictionary.wortart &&
           entry.meaning == dictionary.meaning;
}

} // namespace qor
