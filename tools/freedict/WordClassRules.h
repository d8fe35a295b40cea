#pragma once
// How a FreeDict article becomes one of the dictionary's six word classes (1 "Nomen", 2 "Verb",
// 3 "Adjektiv", 4 "Kleines Wort", 5 "Rw. mit Verb", 6 "Rw. ohne Verb"), which articles stay out,
// and the gender mark a French noun carries. All texts here are Windows-1252.

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qor::freedict {

enum class HeadwordLanguage { French, German };

enum class PartOfSpeech { Unknown, Noun, Verb, Adjective, Other, ProperName, Abbreviation, Affix };

struct Grammar {
    PartOfSpeech partOfSpeech = PartOfSpeech::Unknown;
    bool masculine = false;
    bool feminine = false;
    bool neuter = false;

    bool HasGender() const { return masculine || feminine || neuter; }
};

// The words between the angle brackets of an article ("n", "masc"): the first part-of-speech word
// decides; genders may stand with or without one.
Grammar ReadGrammar(const std::vector<std::string>& words);

enum class Exclusion { None, ProperName, Abbreviation, Affix };

// Word classes of the dictionary file.
inline constexpr int kNoun = 1;
inline constexpr int kVerb = 2;
inline constexpr int kAdjective = 3;
inline constexpr int kSmallWord = 4;
inline constexpr int kIdiomWithVerb = 5;
inline constexpr int kIdiomWithoutVerb = 6;

class WordClassRules {
public:
    explicit WordClassRules(HeadwordLanguage language) : m_language(language) {}

    // Verbs of the same dictionary: an expression holding one of them is an idiom with a verb.
    void AddVerb(std::string_view headword);

    Exclusion ExclusionOf(std::string_view headword, const Grammar& grammar,
                          const std::vector<std::string>& notes) const;
    int WordClassOf(std::string_view headword, const Grammar& grammar) const;
    // A French noun's headword with " (m)", " (f)" or " (mf)" after it, the form the vocabulary
    // library turns into an article; any other headword as it is.
    std::string MarkedHeadword(std::string_view headword, const Grammar& grammar) const;

private:
    bool IsNoun(const Grammar& grammar) const;
    bool ContainsVerb(std::string_view expression) const;
    // The verb of "se laver", "s'asseoir", "sich waschen"; empty for anything else.
    std::string_view ReflexiveVerb(std::string_view headword) const;

    HeadwordLanguage m_language;
    std::set<std::string, std::less<>> m_verbs;
};

} // namespace qor::freedict
