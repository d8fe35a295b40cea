#include "freedict/WordClassRules.h"

#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

using freedict::Exclusion;
using freedict::HeadwordLanguage;
using freedict::ReadGrammar;
using freedict::WordClassRules;
using Strings = std::vector<std::string>;

TEST(WordClassRulesTest, GrammarWords) {
    struct Case {
        Strings words;
        freedict::PartOfSpeech partOfSpeech;
        bool masculine, feminine, neuter;
    };
    using enum freedict::PartOfSpeech;
    const Case cases[] = {
        {{"n", "masc"}, Noun, true, false, false},
        {{"n", "fem"}, Noun, false, true, false},
        {{"n", "neut"}, Noun, false, false, true},
        {{"letter", "neut"}, Noun, false, false, true},
        {{"fem"}, Unknown, false, true, false},
        {{"v"}, Verb, false, false, false},
        {{"adj", "masc"}, Adjective, true, false, false},
        {{"pn", "fem"}, ProperName, false, true, false},
        {{"abbreviation", "masc"}, Abbreviation, true, false, false},
        {{"suffix", "fem"}, Affix, false, true, false},
        {{"prefix"}, Affix, false, false, false},
        {{"adv"}, Other, false, false, false},
        {{"interjection"}, Other, false, false, false},
        {{"indefinitePronoun", "masc"}, Other, true, false, false},
        {{"v", "n"}, Verb, false, false, false}, // the first part of speech decides
        {{}, Unknown, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.words));
        const freedict::Grammar grammar = ReadGrammar(c.words);
        EXPECT_EQ(grammar.partOfSpeech, c.partOfSpeech);
        EXPECT_EQ(grammar.masculine, c.masculine);
        EXPECT_EQ(grammar.feminine, c.feminine);
        EXPECT_EQ(grammar.neuter, c.neuter);
    }
}

struct RuleCase {
    const char* name;
    std::string_view headword; // Windows-1252
    Strings grammar;
    std::vector<std::string_view> notes; // Windows-1252
    Exclusion exclusion;
    int wordClass; // when not excluded
    std::string_view marked;
};

void CheckRules(const WordClassRules& rules, const std::vector<RuleCase>& cases) {
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const freedict::Grammar grammar = ReadGrammar(c.grammar);
        const Strings notes(c.notes.begin(), c.notes.end());
        ASSERT_EQ(rules.ExclusionOf(c.headword, grammar, notes), c.exclusion);
        if (c.exclusion != Exclusion::None)
            continue;
        EXPECT_EQ(rules.WordClassOf(c.headword, grammar), c.wordClass);
        EXPECT_EQ(rules.MarkedHeadword(c.headword, grammar), c.marked);
    }
}

TEST(WordClassRulesTest, FrenchHeadwords) {
    WordClassRules rules(HeadwordLanguage::French);
    const std::string_view verbs[] = {"prendre", "aller", "se lever", "s'asseoir", "avoir lieu"};
    for (const std::string_view verb : verbs)
        rules.AddVerb(verb);
    using enum Exclusion;
    const std::vector<RuleCase> cases = {
        {"masculine noun", "chat", {"n", "masc"}, {}, None, 1, "chat (m)"},
        {"feminine noun", "tête"_cp, {"n", "fem"}, {}, None, 1, "tête (f)"_cp},
        {"both genders", "après-midi"_cp, {"n", "masc", "fem"}, {}, None, 1, "après-midi (mf)"_cp},
        {"noun without gender", "aujourd'hui", {"n"}, {}, None, 1, "aujourd'hui"},
        {"multi-word noun stays a noun", "pomme de terre", {"n", "fem"}, {}, None, 1, "pomme de terre (f)"},
        {"multi-word noun holding a verb",
         "prendre de court",
         {"n", "masc"},
         {},
         None,
         1,
         "prendre de court (m)"},
        {"gender without part of speech, small", "boeuf", {"masc"}, {}, None, 1, "boeuf (m)"},
        {"verb", "manger", {"v"}, {}, None, 2, "manger"},
        {"reflexive verb", "se laver", {"v"}, {}, None, 2, "se laver"},
        {"reflexive verb with elision", "s'asseoir", {"v"}, {}, None, 2, "s'asseoir"},
        {"verb expression", "avoir lieu", {"v"}, {}, None, 5, "avoir lieu"},
        {"reflexive verb expression", "se faire du souci", {"v"}, {}, None, 5, "se faire du souci"},
        {"adjective", "beau", {"adj"}, {}, None, 3, "beau"},
        {"adjective with gender gets no mark", "koweïtien"_cp, {"adj", "masc"}, {}, None, 3, "koweïtien"_cp},
        {"multi-word adjective", "bon marché"_cp, {"adj"}, {}, None, 6, "bon marché"_cp},
        {"adverb", "ensemble", {"adv"}, {}, None, 4, "ensemble"},
        {"no part of speech", "et", {}, {}, None, 4, "et"},
        {"expression with an infinitive", "à tout prendre"_cp, {}, {}, None, 5, "à tout prendre"_cp},
        {"expression with a reflexive verb's infinitive", "faire asseoir", {}, {}, None, 5, "faire asseoir"},
        {"infinitive after an apostrophe", "l'art d'aller", {}, {}, None, 5, "l'art d'aller"},
        {"expression with a finite verb", "c'est la vie", {}, {}, None, 5, "c'est la vie"},
        {"capital at the start", "Prendre son temps", {"adv"}, {}, None, 5, "Prendre son temps"},
        {"expression without a verb", "à cause de"_cp, {}, {}, None, 6, "à cause de"_cp},
        {"participle that is mostly an adverb", "tout à fait"_cp, {"adv"}, {}, None, 6, "tout à fait"_cp},
        {"a multi-word verb is no infinitive", "lieu commun", {}, {}, None, 6, "lieu commun"},
        {"proper name", "Paris", {"pn"}, {}, ProperName, 0, ""},
        {"multi-word proper name", "Afrique du Sud", {"pn", "fem"}, {}, ProperName, 0, ""},
        {"first name: capital and gender only", "Adèle"_cp, {"fem"}, {}, ProperName, 0, ""},
        {"capital noun is no name", "Noël"_cp, {"n", "masc"}, {}, None, 1, "Noël (m)"_cp},
        {"acronym", "ADN", {"n", "masc"}, {}, Abbreviation, 0, ""},
        {"acronym with a hyphen", "CD-ROM", {}, {}, Abbreviation, 0, ""},
        {"abbreviation with a dot", "etc.", {"adv"}, {}, Abbreviation, 0, ""},
        {"abbreviation with dots and blanks", "av. J.-C.", {"adj"}, {}, Abbreviation, 0, ""},
        {"abbreviation by its note", "100e", {"adj"}, {"Abréviation"_cp}, Abbreviation, 0, ""},
        {"abbreviation by a longer note",
         "dim",
         {"n", "masc"},
         {"x", "Abréviation de dimanche"_cp},
         Abbreviation,
         0,
         ""},
        {"a note about acronyms is not one",
         "acronyme",
         {"n", "masc"},
         {"Sigle qui se lit comme un mot"},
         None,
         1,
         "acronyme (m)"},
        {"a note that only begins like it",
         "abréviatif"_cp,
         {"adj"},
         {"Abréviatif"_cp},
         None,
         3,
         "abréviatif"_cp},
        {"single capital letter", "A", {"n"}, {}, None, 1, "A"},
        {"mixed case is no acronym", "PhD", {"n"}, {}, None, 1, "PhD"},
        {"abbreviation tag", "TVA", {"abbreviation"}, {}, Abbreviation, 0, ""},
        {"suffix by its form", "-ette", {"n", "fem"}, {}, Affix, 0, ""},
        {"prefix by its form", "anti-", {}, {}, Affix, 0, ""},
        {"suffix tag", "ette", {"suffix"}, {}, Affix, 0, ""},
        {"a hyphen alone is kept", "-", {}, {}, None, 4, "-"},
    };
    CheckRules(rules, cases);
}

TEST(WordClassRulesTest, GermanHeadwords) {
    WordClassRules rules(HeadwordLanguage::German);
    const std::string_view verbs[] = {"drücken"_cp, "essen",           "üben"_cp,
                                      "gehen",      "sich schämen"_cp, "ins Gras beißen"_cp};
    for (const std::string_view verb : verbs)
        rules.AddVerb(verb);
    using enum Exclusion;
    const std::vector<RuleCase> cases = {
        {"noun: German headwords get no mark", "Haus", {"n", "neut"}, {}, None, 1, "Haus"},
        {"feminine noun", "Katze", {"n", "fem"}, {}, None, 1, "Katze"},
        {"gender only, capital: still a noun",
         "Föderationskreis"_cp,
         {"masc"},
         {},
         None,
         1,
         "Föderationskreis"_cp},
        {"letter", "A", {"letter", "neut"}, {}, None, 1, "A"},
        {"verb", "gehen", {"v"}, {}, None, 2, "gehen"},
        {"reflexive verb", "sich schämen"_cp, {"v"}, {}, None, 2, "sich schämen"_cp},
        {"verb expression", "Bescheid sagen", {"v"}, {}, None, 5, "Bescheid sagen"},
        {"expression with a known verb", "ins Kino gehen", {}, {}, None, 5, "ins Kino gehen"},
        {"reflexive verb's infinitive",
         "sich zu Tode schämen"_cp,
         {},
         {},
         None,
         5,
         "sich zu Tode schämen"_cp},
        {"verb with a prefix", "ein Auge zudrücken"_cp, {}, {}, None, 5, "ein Auge zudrücken"_cp},
        {"finite verb", "wie geht's", {"interjection"}, {}, None, 5, "wie geht's"},
        {"short verb inside another word", "hüben wie drüben"_cp, {}, {}, None, 6, "hüben wie drüben"_cp},
        {"prefix too short", "dessen ungeachtet", {"adv"}, {}, None, 6, "dessen ungeachtet"},
        {"capital noun that is also a verb", "Essen und Trinken", {}, {}, None, 6, "Essen und Trinken"},
        {"expression without a verb", "guten Tag", {}, {}, None, 6, "guten Tag"},
        {"adjective", "schön"_cp, {"adj"}, {}, None, 3, "schön"_cp},
        {"numeral", "acht", {"numeral"}, {}, None, 4, "acht"},
        {"abbreviation tag", "Azubi", {"abbreviation", "masc"}, {}, Abbreviation, 0, ""},
        {"acronym", "TÜV"_cp, {"n", "masc"}, {}, Abbreviation, 0, ""},
        {"German notes are not trusted",
         "Dampflok",
         {"n", "fem"},
         {"Abkürzung von Dampflokomotive"_cp},
         None,
         1,
         "Dampflok"},
        {"suffix tag", "chen", {"suffix", "neut"}, {}, Affix, 0, ""},
        {"prefix by its form", "Vize-", {}, {}, Affix, 0, ""},
        {"proper name", "Obelix", {"pn"}, {}, ProperName, 0, ""},
    };
    CheckRules(rules, cases);
}

} // namespace
} // namespace qor::test
