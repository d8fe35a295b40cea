#include "vocab/verbs/VerbPages.h"

#include "platform/Cp1252.h"
#include "vocab/verbs/VerbTable.h"

#include <algorithm>
#include <cstdio>

namespace qor {

namespace {

bool StartsWithVowel(std::string_view form) {
    static constexpr std::string_view kVowels = "aeiouáéíóúàèìòùâêîôûAEIOUÁÉÍÓÚÀÈÌÒÙÂÊÎÔÛœ"_cp;
    return !form.empty() && kVowels.find(form.front()) != std::string_view::npos;
}

} // namespace

std::string TenseColumn(const TVerb& verb, int tense) {
    std::string column = "<+zeit>" + std::string(TenseName(tense)) + "<p>";
    for (int person = 0; person < kPersonCount; ++person) {
        const TVerbForm& form = verb.Form(tense, person);
        if (form.text.empty()) {
            column += "&nbsp; <br>";
            continue;
        }
        column += form.regular ? "<+reg>" : "<+irr>";
        column += form.text;
        column += tense == kTenseImperative ? "!<br>" : "<br>";
    }
    return column;
}

std::string PronounColumn(const TVerb& verb) {
    bool vowel = false;
    bool other = false;
    for (int tense = 0; tense <= 3; ++tense) {
        const std::string& form = verb.Form(tense, 0).text;
        if (form.empty())
            continue;
        (StartsWithVowel(form) ? vowel : other) = true;
    }
    std::string column = "<+zeit>&nil;<p>";
    if (vowel && other)
        column += "<+reg>je/j'<br>";
    else if (vowel)
        column += "<+reg>j'<br>";
    else
        column += "<+reg>je<br>";
    for (int person = 1; person < kPersonCount; ++person)
        column += "<+reg>" + std::string(PersonPronoun(person)) + "<br>";
    return column;
}

std::vector<std::string> VerbListGroups(const std::vector<TVerb>& table) {
    std::vector<std::string> groups(kVerbListGroups);
    const int limit = std::min(static_cast<int>(table.size()), kVerbListGroups * kVerbsPerGroup);
    int line = 0;
    for (int position = 0; position < limit; ++position) {
        const TVerb& verb = table[static_cast<std::size_t>(position)];
        if (verb.infinitive.empty())
            continue;
        char number[16];
        std::snprintf(number, sizeof number, "%2d", position);
        groups[static_cast<std::size_t>(line / kVerbsPerGroup)] +=
            "<a href=\"" + std::string("§"_cp) + "showverb" + number + "\" flash=flashcol>" +
            verb.infinitive + "</a><br>";
        ++line;
    }
    return groups;
}

} // namespace qor
