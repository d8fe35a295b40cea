#include "vocab/verbs/VerbTable.h"

#include "page/sources/TZIPResource.h"
#include "platform/Cp1252.h"
#include "platform/Zlib.h"
#include "vocab/verbs/VerbTestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace qor {
namespace {

using test::ErVerb;
using test::kAuxiliaries;
using test::Table;

struct DecodedLine {
    std::string_view line;
    std::vector<std::string> texts;
    std::vector<bool> regular;
};

TEST(VerbLineDecoder, DecodesStemsMarksAndMissingForms) {
    const std::vector<DecodedLine> cases = {
        {"donn-e,-es,-e,-ons,-ez,-ent",
         {"donne", "donnes", "donne", "donnons", "donnez", "donnent"},
         {true, true, true, true, true, true}},
        {"*aur-ai,*-as,*-a,*-ons,*-ez,*-ont",
         {"aurai", "auras", "aura", "aurons", "aurez", "auront"},
         {false, false, false, false, false, false}},
        // A plain item keeps the stem of the item before it.
        {"all-ons,*vais,-ez", {"allons", "vais", "allez"}, {true, false, true}},
        // "-" alone is a missing form, not a stem ending.
        {"-,-,-", {"-", "-", "-"}, {true, true, true}},
        {"*-", {"-"}, {false}},
        // Only the first "-" splits; the rest stays in the form.
        {"a-b-c,-d", {"ab-c", "ad"}, {true, true}},
        // "--x" is neither a stem item nor an ending.
        {"donn-e,--x", {"donne", "--x"}, {true, true}},
        {"x,,y", {"x", "", "y"}, {true, true, true}},
        {"*,donn-e", {"", "donne"}, {false, true}},
        // An ending before any stem gets an empty stem.
        {"-es", {"es"}, {true}},
    };
    for (const DecodedLine& example : cases) {
        SCOPED_TRACE(std::string(example.line));
        VerbLineDecoder decoder;
        const std::vector<TVerbForm> forms = decoder.Decode(example.line, example.texts.size());
        ASSERT_EQ(forms.size(), example.texts.size());
        for (std::size_t i = 0; i < forms.size(); ++i) {
            EXPECT_EQ(forms[i].text, example.texts[i]) << i;
            EXPECT_EQ(forms[i].regular, example.regular[i]) << i;
        }
    }
}

TEST(VerbLineDecoder, StemPersistsFromLineToLine) {
    VerbLineDecoder decoder;
    decoder.Decode("donn-e,-es", 2);
    EXPECT_EQ(decoder.Stem(), "donn");
    const std::vector<TVerbForm> next = decoder.Decode("-ons,-ez,-,plain,-ent", 5);
    EXPECT_EQ(next[0].text, "donnons");
    EXPECT_EQ(next[1].text, "donnez");
    EXPECT_EQ(next[2].text, "-");
    EXPECT_EQ(next[3].text, "plain");
    EXPECT_EQ(next[4].text, "donnent");
}

TEST(VerbLineDecoder, ShortLinesLeaveEmptyFormsAndLongLinesAreCut) {
    VerbLineDecoder decoder;
    const std::vector<TVerbForm> shortLine = decoder.Decode("a,b", 6);
    ASSERT_EQ(shortLine.size(), 6u);
    EXPECT_EQ(shortLine[1].text, "b");
    EXPECT_TRUE(shortLine[2].text.empty());
    EXPECT_TRUE(shortLine[5].text.empty());
    // Items beyond the count do not even set a stem.
    const std::vector<TVerbForm> longLine = decoder.Decode("a,b,st-em", 2);
    EXPECT_EQ(longLine.size(), 2u);
    EXPECT_EQ(decoder.Stem(), "");
}

TEST(ParseVerbTable, PlacesEveryLineInItsTense) {
    const std::vector<TVerb> verbs = Table(kAuxiliaries + ErVerb("donner", "geben", "avoir"));
    ASSERT_EQ(verbs.size(), 3u);
    const TVerb& donner = verbs[2];
    EXPECT_EQ(donner.infinitive, "donner");
    EXPECT_EQ(donner.meaning, "geben");
    EXPECT_TRUE(donner.auxiliaryAvoir);
    struct Expected {
        int tense;
        int person;
        std::string_view text;
    };
    const std::vector<Expected> forms = {
        {0, 0, "donne"},    {0, 5, "donnent"},   {1, 3, "donnions"},  {2, 5, "donnèrent"_cp},
        {3, 0, "donnerai"}, {4, 4, "donniez"},   {5, 2, "donnât"_cp}, {7, 5, "donneraient"},
        {14, 0, "donnant"}, {14, 1, "donné"_cp}, {6, 1, "donne"},     {6, 3, "donnons"},
        {6, 4, "donnez"},   {6, 0, ""},          {6, 2, ""},          {6, 5, ""},
        {14, 2, ""},        {14, 5, ""},
    };
    for (const Expected& form : forms) {
        SCOPED_TRACE(std::to_string(form.tense) + "/" + std::to_string(form.person));
        EXPECT_EQ(donner.Form(form.tense, form.person).text, form.text);
    }
}

TEST(ParseVerbTable, AuxiliaryIsAvoirOnlyWhenTheThirdFieldSaysSoExactly) {
    const std::vector<std::pair<std::string, bool>> headers = {
        {"donner,geben,avoir", true},  {"aller,gehen,être", false},    {"conclure,abschließen", false},
        {"donner,geben,Avoir", false}, {"donner,geben,avoir ", false}, {"donner", false},
    };
    for (const auto& [header, avoir] : headers) {
        SCOPED_TRACE(header);
        const std::vector<TVerb> verbs = Table(header + "\n");
        ASSERT_EQ(verbs.size(), 1u);
        EXPECT_EQ(verbs[0].auxiliaryAvoir, avoir);
    }
    const std::vector<TVerb> headerOnly = Table("donner\n");
    EXPECT_EQ(headerOnly[0].meaning, "");
}

TEST(ParseVerbTable, CompoundTensesUseTheAuxiliaryAndAgreeAfterEtre) {
    const std::vector<TVerb> verbs =
        Table(kAuxiliaries + ErVerb("donner", "geben", "avoir") + ErVerb("arriver", "ankommen", "être"));
    ASSERT_EQ(verbs.size(), 4u);
    struct Expected {
        int verb;
        int tense;
        int person;
        std::string_view text;
    };
    const std::vector<Expected> forms = {
        {2, 8, 0, "ai donné"_cp},       {2, 8, 3, "avons donné"_cp},     {2, 9, 5, "avaient donné"_cp},
        {2, 10, 1, "eus donné"_cp},     {2, 11, 2, "aura donné"_cp},     {2, 12, 4, "ayez donné"_cp},
        {2, 13, 2, "eût donné"_cp},     {2, 15, 5, "auraient donné"_cp}, {3, 8, 0, "suis arrivé"_cp},
        {3, 8, 2, "est arrivé"_cp},     {3, 8, 3, "sommes arrivés"_cp},  {3, 9, 5, "étaient arrivés"_cp},
        {3, 11, 4, "serez arrivés"_cp}, {3, 15, 0, "serais arrivé"_cp},  {0, 8, 0, "ai eu"},
        {1, 8, 0, "ai été"_cp},         {1, 8, 5, "ont été"_cp},
    };
    for (const Expected& form : forms) {
        SCOPED_TRACE(std::to_string(form.verb) + ":" + std::to_string(form.tense) + "/" +
                     std::to_string(form.person));
        const TVerbForm& built = verbs[static_cast<std::size_t>(form.verb)].Form(form.tense, form.person);
        EXPECT_EQ(built.text, form.text);
        EXPECT_TRUE(built.regular);
    }
}

TEST(ParseVerbTable, WithoutAvoirAndEtreThereAreNoCompoundTenses) {
    const std::vector<TVerb> verbs = Table(ErVerb("donner", "geben", "avoir"));
    ASSERT_EQ(verbs.size(), 1u);
    EXPECT_TRUE(verbs[0].Form(8, 0).text.empty());
}

TEST(ParseVerbTable, StopsAtAnEmptyInfinitiveAndAfter89Verbs) {
    const std::string donner = ErVerb("donner", "geben", "avoir");
    EXPECT_EQ(Table(kAuxiliaries + ",leer,avoir\n" + donner).size(), 2u);
    EXPECT_EQ(Table(kAuxiliaries + "\n" + donner).size(), 2u);
    std::string many = kAuxiliaries;
    for (int i = 0; i < 100; ++i)
        many += donner;
    EXPECT_EQ(Table(many).size(), static_cast<std::size_t>(kMaxVerbs));
    EXPECT_TRUE(Table("").empty());
}

TEST(ParseVerbTable, AVerbCutShortKeepsWhatItHas) {
    const std::vector<TVerb> verbs = Table(kAuxiliaries + "donner,geben,avoir\ndonn-e,-es\n");
    ASSERT_EQ(verbs.size(), 3u);
    EXPECT_EQ(verbs[2].Form(0, 1).text, "donnes");
    EXPECT_TRUE(verbs[2].Form(0, 2).text.empty());
    EXPECT_TRUE(verbs[2].ParticipePasse().empty());
    // The compound tenses are still built, from an empty participle.
    EXPECT_EQ(verbs[2].Form(8, 0).text, "ai ");
}

TEST(ReadVerbTable, ReadsABlockAndRefusesDamagedOnes) {
    TZIPResource block;
    ASSERT_TRUE(block.Open(DeflateZlib(Cp1252FromUtf8(kAuxiliaries + ErVerb("donner", "geben", "avoir")))));
    const std::vector<TVerb> verbs = ReadVerbTable(block);
    ASSERT_EQ(verbs.size(), 3u);
    EXPECT_EQ(verbs[2].Form(8, 0).text, "ai donné"_cp);

    // NUL-terminated lines read the same as line breaks.
    std::string withNuls = Cp1252FromUtf8(kAuxiliaries);
    std::replace(withNuls.begin(), withNuls.end(), '\n', '\0');
    TZIPResource nulBlock;
    ASSERT_TRUE(nulBlock.Open(DeflateZlib(withNuls)));
    EXPECT_EQ(ReadVerbTable(nulBlock).size(), 2u);

    TZIPResource damaged;
    EXPECT_FALSE(damaged.Open("not a zlib stream"));
    EXPECT_TRUE(ReadVerbTable(damaged).empty());
    const std::string packed = DeflateZlib(Cp1252FromUtf8(kAuxiliaries));
    TZIPResource truncated;
    EXPECT_FALSE(truncated.Open(std::string_view(packed).substr(0, packed.size() / 2)));
    EXPECT_TRUE(ReadVerbTable(truncated).empty());
}

TEST(TenseNames, MatchThePagesAndTheSelectionWindow) {
    const std::vector<std::string_view> names = {
        "IND Présent"_cp,     "IND Imparfait",      "Passé simple"_cp,    "Futur",
        "SUB Présent"_cp,     "SUB Imparfait",      "Impératif"_cp,       "Conditionnel",
        "IND Passé comp."_cp, "IND Plus-que-parf.", "Passé antérieur"_cp, "Futur antérieur"_cp,
        "SUB Passé comp."_cp, "SUB Plus-que-parf.", "Participes",         "Cond. passé"_cp,
    };
    for (int tense = 0; tense < kTenseCount; ++tense)
        EXPECT_EQ(TenseName(tense), names[static_cast<std::size_t>(tense)]) << tense;
    EXPECT_EQ(TenseName(16), "");
    EXPECT_EQ(TenseName(-1), "");
    EXPECT_EQ(PersonPronoun(0), "je");
    EXPECT_EQ(PersonPronoun(5), "ils");
    EXPECT_EQ(PersonPronoun(6), "");
}

} // namespace
} // namespace qor
