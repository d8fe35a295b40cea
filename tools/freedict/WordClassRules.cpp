#include "freedict/WordClassRules.h"

#include "platform/Cp1252.h"

#include <algorithm>
#include <array>
#include <span>

namespace qor::freedict {

namespace {

// Finite forms that mark an expression as holding a verb although no infinitive stands in it
// ("c'est la vie", "wie geht's"). Forms that are as often other words ("a" in "a priori", "fait" in
// "tout à fait", "dit" in "autrement dit") are left out.
constexpr std::array<std::string_view, 32> kFrenchFiniteVerbs = {
    "est",  "sont",  "suis", "sommes", "était"_cp, "sera",  "soit",  "soient", "ai",   "avons", "avez",
    "ont",  "avait", "aura", "ait",    "va",       "vais",  "vont",  "font",   "faut", "fut",   "peut",
    "peux", "veut",  "veux", "vaut",   "sait",     "vient", "prend", "met",    "voit", "mets"};
constexpr std::array<std::string_view, 28> kGermanFiniteVerbs = {
    "ist",   "sind",  "bin",  "bist",  "seid",  "war",  "waren", "hat",  "hast", "habe",
    "hatte", "gibt",  "geht", "kommt", "macht", "wird", "kann",  "muss", "soll", "will",
    "lass",  "lasst", "mach", "geh",   "komm",  "tut",  "steht", "liegt"};

std::span<const std::string_view> FiniteVerbs(HeadwordLanguage language) {
    if (language == HeadwordLanguage::French)
        return kFrenchFiniteVerbs;
    return kGermanFiniteVerbs;
}

constexpr std::string_view kTokenSeparators = " '-,;.!?()\"";

// German verbs take prefixes ("zudrücken", "hinauswerfen") far more often than the dictionary lists
// them; a shorter known verb at the end stands for them. Short verbs would match inside other words
// ("üben" in "drüben").
constexpr std::size_t kMinimumVerbInCompound = 5;
constexpr std::size_t kMinimumVerbPrefix = 2;

bool IsUpper(char c) {
    return LowerCp1252(c) != c;
}

bool IsLower(char c) {
    return UpperCp1252(c) != c;
}

bool IsMultiWord(std::string_view headword) {
    return headword.find(' ') != std::string_view::npos;
}

// "ADN", "CD-ROM", "TÜV": at least two capitals and no small letter.
bool IsAcronym(std::string_view headword) {
    int capitals = 0;
    for (const char c : headword) {
        if (IsLower(c))
            return false;
        capitals += IsUpper(c) ? 1 : 0;
    }
    return capitals >= 2;
}

} // namespace

Grammar ReadGrammar(const std::vector<std::string>& words) {
    Grammar grammar;
    for (const std::string& word : words) {
        if (word == "masc") {
            grammar.masculine = true;
            continue;
        }
        if (word == "fem") {
            grammar.feminine = true;
            continue;
        }
        if (word == "neut") {
            grammar.neuter = true;
            continue;
        }
        if (grammar.partOfSpeech != PartOfSpeech::Unknown)
            continue;
        if (word == "n" || word == "letter")
            grammar.partOfSpeech = PartOfSpeech::Noun;
        else if (word == "v")
            grammar.partOfSpeech = PartOfSpeech::Verb;
        else if (word == "adj")
            grammar.partOfSpeech = PartOfSpeech::Adjective;
        else if (word == "pn")
            grammar.partOfSpeech = PartOfSpeech::ProperName;
        else if (word == "abbreviation")
            grammar.partOfSpeech = PartOfSpeech::Abbreviation;
        else if (word == "suffix" || word == "prefix")
            grammar.partOfSpeech = PartOfSpeech::Affix;
        else
            grammar.partOfSpeech = PartOfSpeech::Other;
    }
    return grammar;
}

std::string_view WordClassRules::ReflexiveVerb(std::string_view headword) const {
    static constexpr std::array<std::string_view, 2> kFrench = {"se ", "s'"};
    static constexpr std::array<std::string_view, 1> kGerman = {"sich "};
    const std::span<const std::string_view> pronouns =
        m_language == HeadwordLanguage::French ? std::span<const std::string_view>(kFrench) : kGerman;
    for (const std::string_view pronoun : pronouns) {
        if (headword.starts_with(pronoun) && headword.size() > pronoun.size()) {
            const std::string_view verb = headword.substr(pronoun.size());
            return IsMultiWord(verb) ? std::string_view() : verb;
        }
    }
    return {};
}

void WordClassRules::AddVerb(std::string_view headword) {
    const std::string_view reflexive = ReflexiveVerb(headword);
    if (!reflexive.empty())
        m_verbs.emplace(reflexive);
    else if (!IsMultiWord(headword))
        m_verbs.emplace(headword);
}

bool WordClassRules::ContainsVerb(std::string_view expression) const {
    bool firstToken = true;
    while (!expression.empty()) {
        const std::size_t end = expression.find_first_of(kTokenSeparators);
        const std::string_view token = expression.substr(0, end);
        expression.remove_prefix(end == std::string_view::npos ? expression.size() : end + 1);
        if (token.empty())
            continue;
        if (m_verbs.contains(token))
            return true;
        const std::span<const std::string_view> finite = FiniteVerbs(m_language);
        if (std::find(finite.begin(), finite.end(), token) != finite.end())
            return true;
        if (m_language == HeadwordLanguage::German && IsLower(token.front())) {
            for (std::size_t prefix = kMinimumVerbPrefix; prefix + kMinimumVerbInCompound <= token.size();
                 ++prefix) {
                if (m_verbs.contains(token.substr(prefix)))
                    return true;
            }
        }
        // A French expression may begin with a capital where the verb itself has none ("Aller au
        // lit"); a German capital marks a noun ("Essen und Trinken").
        if (firstToken && m_language == HeadwordLanguage::French && IsUpper(token.front())) {
            std::string lowered(token);
            lowered.front() = LowerCp1252(lowered.front());
            if (m_verbs.contains(lowered))
                return true;
        }
        firstToken = false;
    }
    return false;
}

bool WordClassRules::IsNoun(const Grammar& grammar) const {
    return grammar.partOfSpeech == PartOfSpeech::Noun ||
           (grammar.partOfSpeech == PartOfSpeech::Unknown && grammar.HasGender());
}

Exclusion WordClassRules::ExclusionOf(std::string_view headword, const Grammar& grammar,
                                      const std::vector<std::string>& notes) const {
    if (grammar.partOfSpeech == PartOfSpeech::ProperName)
        return Exclusion::ProperName;
    // French first names come with a gender and nothing else; French nouns are written small.
    if (m_language == HeadwordLanguage::French && grammar.partOfSpeech == PartOfSpeech::Unknown &&
        grammar.HasGender() && !headword.empty() && IsUpper(headword.front()))
        return Exclusion::ProperName;
    if (grammar.partOfSpeech == PartOfSpeech::Affix ||
        (headword.size() > 1 && (headword.starts_with('-') || headword.ends_with('-'))))
        return Exclusion::Affix;
    if (grammar.partOfSpeech == PartOfSpeech::Abbreviation || headword.ends_with('.') || IsAcronym(headword))
        return Exclusion::Abbreviation;
    // The French notes say so where the headword does not show it ("100e"). German notes use the
    // word for clipped forms that are words of their own ("Dampflok"), so they are not trusted.
    if (m_language == HeadwordLanguage::French) {
        constexpr std::string_view kAbbreviation = "Abréviation"_cp;
        for (const std::string& note : notes) {
            if (note == kAbbreviation || note.starts_with(std::string(kAbbreviation) + " "))
                return Exclusion::Abbreviation;
        }
    }
    return Exclusion::None;
}

int WordClassRules::WordClassOf(std::string_view headword, const Grammar& grammar) const {
    if (IsNoun(grammar))
        return kNoun;
    if (grammar.partOfSpeech == PartOfSpeech::Verb)
        return !IsMultiWord(headword) || !ReflexiveVerb(headword).empty() ? kVerb : kIdiomWithVerb;
    if (IsMultiWord(headword))
        return ContainsVerb(headword) ? kIdiomWithVerb : kIdiomWithoutVerb;
    return grammar.partOfSpeech == PartOfSpeech::Adjective ? kAdjective : kSmallWord;
}

std::string WordClassRules::MarkedHeadword(std::string_view headword, const Grammar& grammar) const {
    std::string marked(headword);
    if (m_language != HeadwordLanguage::French || !IsNoun(grammar))
        return marked;
    if (grammar.masculine && grammar.feminine)
        marked += " (mf)";
    else if (grammar.masculine)
        marked += " (m)";
    else if (grammar.feminine)
        marked += " (f)";
    return marked;
}

} // namespace qor::freedict
