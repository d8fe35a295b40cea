#include "vocab/AcceptedAnswers.h"

#include "platform/Cp1252.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor::test {
namespace {

using Answers = std::vector<std::string>;

std::string Cp(std::string_view text) {
    return std::string(text);
}

TEST(AcceptedAnswers, TableOfMeanings) {
    struct Case {
        std::string meaning;
        std::string prefix;
        Answers expected; // in the order they are added
    };
    const std::vector<Case> cases = {
        {"", "", {}},
        {"chat", "", {"chat"}},
        {"(l')arbre (m)", "", {"arbre", "l'arbre"}},
        {"(la) hauteur (f)", "", {"hauteur", "la hauteur"}},
        {"se (re)lever", "", {"se lever", "se relever"}},
        // a gender mark becomes an article, with elision before a vowel
        {"arbre (m)", "", {"arbre", "l'arbre"}},
        {"maison (f)", "", {"maison", "la maison"}},
        {"livre (m)", "", {"livre", "le livre"}},
        {Cp("élève (mf)"_cp), "", {Cp("élève"_cp), Cp("l'élève"_cp)}},
        {"prof (mf)", "", {"le prof", "la prof", "prof"}},
        {"gens (mpl)", "", {"gens", "les gens"}},
        {"affaires (fpl)", "", {"affaires", "les affaires"}},
        {Cp("héros (m)"_cp), "", {Cp("héros"_cp), Cp("le héros"_cp)}}, // "h" is no vowel here
        {"le chien (m)", "", {"le chien"}},                            // already has its article
        {"(le) chien (m)", "", {"chien", "le chien"}},
        // several meanings
        {"Haus; Heim", "", {"Haus", "Heim"}},
        {"Haus  ; Heim", "", {"Haus", "Heim"}},
        {"Haus; Haus", "", {"Haus"}},
        {"Haus; ", "", {"Haus"}},
        // a remark in square brackets is no part of the answer
        {"[fam.] bouffer", "", {"bouffer"}},
        {"manger [qc]", "", {"manger"}},
        {"manger [] vite", "", {"manger [] vite"}},
        // two optional parts, with and without alternatives in the second
        {"(se) (re)lever", "", {"se relever", "relever", "se lever", "lever"}},
        {"(ne) pas (du/de la)", "", {"ne pas du", "ne pas de la", "pas du", "pas de la", "ne pas", "pas"}},
        // empty brackets are no group
        {"a () b", "", {"a () b"}},
        {Cp("(faire) attention (à)"_cp),
         "",
         {Cp("faire attention à"_cp), Cp("attention à"_cp), "faire attention", "attention"}},
        // the prefix goes in front of every piece
        {"lever; coucher", "se ", {"se lever", "se coucher"}},
        // sharp s also as "ss"
        {Cp("Straße"_cp), "", {Cp("Straße"_cp), "Strasse"}},
        {Cp("(die) Größe"_cp),
         "",
         {Cp("Größe"_cp), Cp("Grösse"_cp), Cp("die Größe"_cp), Cp("die Grösse"_cp)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8FromCp1252(c.meaning));
        EXPECT_EQ(AcceptedAnswers(c.meaning, c.prefix), c.expected);
    }
}

TEST(AcceptedAnswers, NewAnswersGoAfterTheOnesAlreadyThere) {
    Answers answers = {"arbre"};
    AddAcceptedAnswers("(l')arbre (m)", "", answers);
    EXPECT_EQ(answers, (Answers{"arbre", "l'arbre"}));
}

TEST(AcceptedAnswers, GenderMarks) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"arbre (m)", "(l')arbre"},    {"table (f)", "(la) table"},    {"Arbre (m)", "(l')Arbre"},
        {"gens (mpl)", "(les) gens"},  {"eaux (fpl)", "(les) eaux"},   {"La table (f)", "La table"},
        {"arbre(m)", "arbre(m)"},      {"arbre (m) x", "arbre (m) x"}, {"(L')eau (f)", "(L')eau"},
        {"enfant (mf)", "(l')enfant"}, {"hibou (m)", "(le) hibou"},
    };
    for (const auto& [piece, expected] : cases) {
        SCOPED_TRACE(piece);
        EXPECT_EQ(GenderMarkToArticle(piece), expected);
    }
}

TEST(HintMask, ShortAndLongAnswers) {
    auto never = [](int) { return 0; };  // never shows a later letter
    auto always = [](int) { return 3; }; // always shows it
    struct Case {
        std::string answer;
        std::string neverShown;
        std::string alwaysShown;
    };
    const std::vector<Case> cases = {
        {"", "", ""},
        {"a", ".", "."},
        {"il", "..", ".."},
        {"les", "l..", "l.."},
        {"chat", "c..t", "c..t"},
        {"maison", "m....n", "m...on"},
        {"l'eau", "l'..u", "l'..u"},
        {"c'est-a-dire", "c'...-.-...e", "c'..t-a-dire"},
        {"Qu'est-ce?", "Q.'...-..?", "Q.'.st-ce?"},
        {"un chat", "u. ...t", "u. .hat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        EXPECT_EQ(HintMask(c.answer, never), c.neverShown);
        EXPECT_EQ(HintMask(c.answer, always), c.alwaysShown);
    }
}

TEST(HintMask, DrawsFromZeroToFour) {
    std::vector<int> bounds;
    HintMask("abcdefgh", [&bounds](int bound) {
        bounds.push_back(bound);
        return 0;
    });
    EXPECT_EQ(bounds, (std::vector<int>{5, 5, 5})); // positions 5 to 7; first and last stay
}

} // namespace
} // namespace qor::test
