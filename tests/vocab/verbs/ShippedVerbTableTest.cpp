// The conjugation table built into the program, read back through the program's own reader.
#include "platform/Cp1252.h"
#include "vocab/verbs/VerbSelection.h"
#include "vocab/verbs/VerbTable.h"

#include <gtest/gtest.h>
#include <set>

namespace qor {
namespace {

class ShippedVerbTable : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_table = new std::vector<TVerb>(LoadBuiltInVerbTable()); }
    static void TearDownTestSuite() {
        delete s_table;
        s_table = nullptr;
    }
    static const std::vector<TVerb>& Verbs() { return *s_table; }
    static int Find(std::string_view infinitive) {
        for (std::size_t i = 0; i < Verbs().size(); ++i)
            if (Verbs()[i].infinitive == infinitive)
                return static_cast<int>(i);
        return -1;
    }
    static const TVerb& Verb(std::string_view infinitive) {
        const int index = Find(infinitive);
        EXPECT_GE(index, 0) << std::string(infinitive);
        return Verbs()[static_cast<std::size_t>(std::max(index, 0))];
    }

private:
    static inline std::vector<TVerb>* s_table = nullptr;
};

TEST_F(ShippedVerbTable, HoldsSeventyOneVerbsStartingWithTheAuxiliaries) {
    ASSERT_EQ(Verbs().size(), 71u);
    EXPECT_EQ(Verbs()[0].infinitive, "avoir");
    EXPECT_TRUE(Verbs()[0].auxiliaryAvoir);
    EXPECT_EQ(Verbs()[1].infinitive, "être"_cp);
    // "être" itself forms its compound tenses with "avoir" ("j'ai été").
    EXPECT_TRUE(Verbs()[1].auxiliaryAvoir);
    std::set<std::string> infinitives;
    for (const TVerb& verb : Verbs()) {
        EXPECT_FALSE(verb.meaning.empty()) << verb.infinitive;
        EXPECT_TRUE(infinitives.insert(verb.infinitive).second) << verb.infinitive << " twice";
    }
}

TEST_F(ShippedVerbTable, TheFirstPresetHoldsTheMostBasicVerbs) {
    std::set<std::string> basic;
    for (std::size_t i = 0; i < kVerbPresets[0].verbs.size(); ++i)
        if (kVerbPresets[0].verbs[i] == '+')
            basic.insert(Verbs()[i].infinitive);
    const std::set<std::string> expected = {
        "avoir", std::string("être"_cp), "parler", "aller", "faire", "pouvoir", "vouloir"};
    EXPECT_EQ(basic, expected);
}

TEST_F(ShippedVerbTable, SpotChecksOfSimpleForms) {
    struct Expected {
        std::string_view verb;
        int tense;
        int person;
        std::string_view text;
        bool regular;
    };
    const std::vector<Expected> forms = {
        {"avoir", 3, 0, "aurai", false},
        {"être"_cp, 2, 3, "fûmes"_cp, false},
        {"parler", 0, 4, "parlez", true},
        {"aller", 0, 5, "vont", false},
        {"aller", 3, 1, "iras", false},
        {"aller", 6, 1, "va", false},
        {"faire", 0, 4, "faites", false},
        {"faire", 4, 3, "fassions", false},
        {"pouvoir", 0, 0, "peux", false},
        {"pouvoir", 6, 1, "-", true},
        {"vouloir", 6, 4, "veuillez", false},
        {"finir", 0, 5, "finissent", true},
        {"finir", 5, 2, "finît"_cp, true},
        {"vendre", 0, 2, "vend", true},
        {"vendre", 7, 3, "vendrions", true},
        {"dire", 0, 4, "dites", false},
        {"venir", 2, 3, "vînmes"_cp, false},
        {"venir", 4, 5, "viennent", false},
        {"prendre", 0, 5, "prennent", false},
        {"savoir", 14, 0, "sachant", false},
        {"devoir", 14, 1, "dû"_cp, false},
        {"voir", 3, 0, "verrai", false},
        {"mettre", 14, 1, "mis", false},
        {"manger", 0, 3, "mangeons", false},
        {"manger", 2, 5, "mangèrent"_cp, true},
        {"commencer", 1, 0, "commençais"_cp, false},
        {"acheter", 0, 0, "achète"_cp, false},
        {"appeler", 3, 3, "appellerons", false},
        {"connaître"_cp, 0, 2, "connaît"_cp, false},
        {"écrire"_cp, 1, 3, "écrivions"_cp, true},
        {"naître"_cp, 2, 0, "naquis", false},
        {"mourir", 14, 1, "mort", false},
        {"rire", 1, 3, "riions", false},
        {"payer", 0, 0, "paie/paye", false},
        {"asseoir", 3, 0, "assiérai/assoirai"_cp, false},
        {"traire", 2, 0, "-", true},
        {"traire", 4, 3, "trayions", false},
        {"conclure", 0, 2, "conclut", false},
        {"devenir", 14, 1, "devenu", true},
        {"recevoir", 0, 5, "reçoivent"_cp, false},
    };
    for (const Expected& form : forms) {
        SCOPED_TRACE(std::string(form.verb) + ":" + std::to_string(form.tense) + "/" +
                     std::to_string(form.person));
        const TVerbForm& found = Verb(form.verb).Form(form.tense, form.person);
        EXPECT_EQ(found.text, form.text);
        EXPECT_EQ(found.regular, form.regular);
    }
}

TEST_F(ShippedVerbTable, CompoundTensesOfAvoirAndEtreVerbs) {
    struct Expected {
        std::string_view verb;
        int tense;
        int person;
        std::string_view text;
    };
    const std::vector<Expected> forms = {
        {"avoir", 8, 0, "ai eu"},
        {"être"_cp, 9, 3, "avions été"_cp},
        {"faire", 11, 4, "aurez fait"},
        {"parler", 15, 1, "aurais parlé"_cp},
        {"aller", 8, 0, "suis allé"_cp},
        {"aller", 8, 3, "sommes allés"_cp},
        {"venir", 13, 5, "fussent venus"},
        {"partir", 10, 4, "fûtes partis"_cp},
        {"naître"_cp, 8, 2, "est né"_cp},
        {"mourir", 12, 3, "soyons morts"},
        // A verb without an auxiliary field would form them with "être": ours has "avoir".
        {"conclure", 8, 0, "ai conclu"},
        {"conclure", 8, 5, "ont conclu"},
    };
    for (const Expected& form : forms) {
        SCOPED_TRACE(std::string(form.verb) + ":" + std::to_string(form.tense) + "/" +
                     std::to_string(form.person));
        EXPECT_EQ(Verb(form.verb).Form(form.tense, form.person).text, form.text);
    }
}

TEST_F(ShippedVerbTable, EtreVerbsAreTheVerbsOfMotionAndBecoming) {
    std::set<std::string> withEtre;
    for (const TVerb& verb : Verbs())
        if (!verb.auxiliaryAvoir)
            withEtre.insert(verb.infinitive);
    const std::set<std::string> expected = {"aller",
                                            "venir",
                                            "devenir",
                                            "partir",
                                            "sortir",
                                            "arriver",
                                            "rester",
                                            "tomber",
                                            "entrer",
                                            "mourir",
                                            std::string("naître"_cp)};
    EXPECT_EQ(withEtre, expected);
}

// Every simple form is there, decoded completely and written in Windows-1252.
TEST_F(ShippedVerbTable, EveryFormIsCompleteAndClean) {
    const std::vector<int> fullTenses = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 15};
    for (const TVerb& verb : Verbs()) {
        SCOPED_TRACE(verb.infinitive);
        for (int tense : fullTenses)
            for (int person = 0; person < kPersonCount; ++person)
                EXPECT_FALSE(verb.Form(tense, person).text.empty()) << tense << "/" << person;
        for (int person : {1, 3, 4})
            EXPECT_FALSE(verb.Form(kTenseImperative, person).text.empty()) << person;
        for (int person : {0, 2, 5})
            EXPECT_TRUE(verb.Form(kTenseImperative, person).text.empty()) << person;
        EXPECT_FALSE(verb.Form(kTenseParticiples, 0).text.empty());
        EXPECT_FALSE(verb.ParticipePasse().empty());
        for (const auto& tense : verb.forms) {
            for (const TVerbForm& form : tense) {
                if (form.text == "-")
                    continue;
                EXPECT_EQ(form.text.find('-'), std::string::npos) << form.text;
                EXPECT_EQ(form.text.find('*'), std::string::npos) << form.text;
                EXPECT_EQ(form.text.find(','), std::string::npos) << form.text;
                // UTF-8 lead bytes of accented letters would show up as "Ã".
                EXPECT_EQ(form.text.find('\xC3'), std::string::npos) << form.text;
                EXPECT_FALSE(form.text.starts_with(' ') || form.text.ends_with(' ')) << form.text;
            }
        }
    }
}

// A regular "-er" verb conjugates like its infinitive says, tense by tense.
TEST_F(ShippedVerbTable, RegularErVerbsFollowTheirPattern) {
    const std::vector<std::vector<std::string>> endings = {
        {"e", "es", "e", "ons", "ez", "ent"},
        {"ais", "ais", "ait", "ions", "iez", "aient"},
        {"ai", "as", "a", std::string("âmes"_cp), std::string("âtes"_cp), std::string("èrent"_cp)},
        {"erai", "eras", "era", "erons", "erez", "eront"},
        {"e", "es", "e", "ions", "iez", "ent"},
        {"asse", "asses", std::string("ât"_cp), "assions", "assiez", "assent"},
    };
    for (std::string_view infinitive :
         {"parler", "aimer", "jouer", "travailler", "regarder", "chercher", "trouver", "penser", "demander",
          "tomber", "entrer", "arriver", "rester", "donner"}) {
        SCOPED_TRACE(std::string(infinitive));
        const TVerb& verb = Verb(infinitive);
        const std::string stem(infinitive.substr(0, infinitive.size() - 2));
        for (int tense = 0; tense < 6; ++tense)
            for (int person = 0; person < kPersonCount; ++person)
                EXPECT_EQ(verb.Form(tense, person).text,
                          stem + endings[static_cast<std::size_t>(tense)][static_cast<std::size_t>(person)]);
        EXPECT_EQ(verb.ParticipePasse(), stem + std::string("é"_cp));
    }
}

} // namespace
} // namespace qor
