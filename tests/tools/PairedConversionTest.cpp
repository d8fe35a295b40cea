// The rules that make both dictionary halves together: usage labels, the order of meanings, the
// genders and articles one half lends the other, and the words the vocabulary and the supplement add.
#include "freedict/PairedConversion.h"

#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

using namespace qor::freedict;

// The test texts are written in UTF-8; the rules work on Windows-1252.
std::string W(const char* utf8) {
    return Cp1252FromUtf8(utf8);
}

TEST(UsageLabelTest, NotesGiveShortGermanLabels) {
    struct Case {
        HeadwordLanguage language;
        std::vector<std::string> notes; // Windows-1252
        const char* label;
    };
    const Case cases[] = {
        {HeadwordLanguage::German, {"umgangssprachlich, abwertend: ein dummer Mensch"}, "ugs., abw."},
        {HeadwordLanguage::German, {W("veraltet: förmlicher Verzicht")}, "veraltet"},
        {HeadwordLanguage::German, {W("besonders süddeutsch: Brötchen")}, "reg."},
        {HeadwordLanguage::German, {"derb: Ausruf"}, "vulg."},
        {HeadwordLanguage::German, {"Medizin: Entzündung"}, ""},
        {HeadwordLanguage::German, {W("übertragen: etwas anderes"), W("salopp: auch")}, "ugs., fig."},
        {HeadwordLanguage::German,
         {"ein Satz, der umgangssprachlich klingt und danach: einen Doppelpunkt hat, "
          "weit hinter dem Anfang der Erläuterung"},
         ""},
        {HeadwordLanguage::French, {W("(Figuré) (Familier) Croire")}, "ugs., fig."},
        {HeadwordLanguage::French, {W("Vulgaire : Excrément")}, "vulg."},
        {HeadwordLanguage::French, {W("(Vieilli) Mégot")}, "veraltet"},
        {HeadwordLanguage::French, {"(France) (Argot) Comprendre"}, "ugs."},
        {HeadwordLanguage::French, {"(Marine) Bateau"}, ""},
        {HeadwordLanguage::French, {"Quelqu'un avec qui on est familier"}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.notes.front());
        EXPECT_EQ(UsageLabelOf(c.notes, c.language), c.label);
    }
}

TEST(UsageLabelTest, VulgarWordsMatchWholeWordsOrTheirMarkedEnds) {
    VulgarWords vulgar;
    for (const char* pattern : {"Arsch", "Scheiß*", "*ficken", "foutre"})
        vulgar.Add(Cp1252FromUtf8(pattern));
    const std::pair<const char*, bool> cases[] = {
        {"am Arsch lecken", true}, {"Marsch", false},      {"Scheißkerl", true},
        {"sich verficken", true},  {"Fickenschuh", false}, {"aller se faire foutre", true},
        {"foutrement", false},     {"ARSCH", true},        {"", false},
    };
    for (const auto& [text, vulgarText] : cases)
        EXPECT_EQ(vulgar.Matches(Cp1252FromUtf8(text)), vulgarText) << text;
}

Meaning Ranked(const char* text, int rank) {
    Meaning meaning{text, {}};
    meaning.vocabularyRank = rank;
    return meaning;
}

Meaning Confirmed(const char* text, const char* label = "") {
    Meaning meaning{text, label};
    meaning.confirmed = true;
    return meaning;
}

std::string Joined(const std::vector<Meaning>& meanings) {
    std::string joined;
    for (const Meaning& meaning : meanings)
        joined += (joined.empty() ? "" : "; ") + meaning.Stored();
    return joined;
}

TEST(OrderMeaningsTest, VocabularyThenUnlabelledConfirmedThenSourceOrder) {
    struct Case {
        const char* name;
        std::vector<Meaning> meanings;
        const char* ordered;
    };
    const Case cases[] = {
        {"source order kept", {{"a", {}}, {"b", {}}, {"c", {}}}, "a; b; c"},
        {"confirmed first", {{"Ajourarbeit", {}}, Confirmed("Tag")}, "Tag; Ajourarbeit"},
        {"vocabulary by rank",
         {Confirmed("x"), Ranked("der Tag", 5), Ranked("die Zeit", 2)},
         "die Zeit; der Tag; x"},
        {"labelled last, even confirmed",
         {Confirmed("Fotze", "vulg."), {"Dummkopf", {}}},
         "Dummkopf; Fotze [vulg.]"},
        {"equal but for article or mark",
         {Ranked("der Tag", 0), {"Tag", {}}, {"jour (m)", {}}, {"jour", {}}},
         "der Tag; jour (m)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Joined(OrderMeanings(c.meanings)), c.ordered) << c.name;
}

TEST(GenderGuessTest, NounsWithoutGenderInTheSource) {
    auto nounMark = [](std::string_view word) {
        return std::string(word == W("pôle") ? " (m)" : word == "assurance" ? " (f)" : "");
    };
    struct Case {
        const char* headword;
        std::vector<const char*> translations;
        const char* mark;
    };
    const Case cases[] = {
        {"nation", {"Nation"}, " (f)"},
        {"réalisme", {"Realismus"}, " (m)"},
        {"secrétaire", {"Sekretär", "Sekretärin"}, " (mf)"},
        {"pneumologue", {"Pneumologe", "Pneumologin"}, " (mf)"},
        {"trente-neuf", {"Neununddreißig"}, " (m)"},
        {"pôle Nord magnétique", {"magnetischer Nordpol"}, " (m)"},
        {"assurance-chômage", {"Arbeitslosenversicherung"}, " (f)"}, // not the "-age" of the last part
        {"voiture-cage", {"Käfigwagen"}, ""},
        {"plage", {"Strand"}, ""},
        {"retraité", {"Rentner"}, ""},
        {"silence", {"Stille"}, ""},
        {"Anglais", {"Engländer"}, ""},
        {"bus", {"Bus"}, ""},
        {"fasciste", {"Faschist"}, " (mf)"},
    };
    for (const Case& c : cases) {
        std::vector<Meaning> meanings;
        for (const char* translation : c.translations)
            meanings.push_back({W(translation), {}});
        EXPECT_EQ(GuessFrenchGender(W(c.headword), meanings, nounMark), c.mark) << c.headword;
    }
}

using Rows = std::vector<DictionaryEntry>;

// Two small halves as FreeDict gives them, completed, in file form.
class CompleteHalvesTest : public testing::Test {
protected:
    void SetUp() override {
        m_french.Add("jour (m)", 1, std::vector<Meaning>{{"Ajourarbeit", {}}, {"Tag", {}}});
        m_french.Add("livre (m)", 1, std::vector<std::string>{"Buch"});
        m_french.Add("livre (f)", 1, std::vector<std::string>{"Pfund"});
        m_french.Add("con (m)", 1, std::vector<Meaning>{{"Fotze", "vulg."}, {"Dummkopf", {}}});
        m_french.Add("grand", 3, std::vector<std::string>{"hoch", W("groß")});
        m_french.Add("nation", 1, std::vector<std::string>{"Nation"});
        m_german.Add("Tag", 1, std::vector<std::string>{"jour"});
        m_german.Ensure("Tag", 1).gender = 'm';
        m_german.Add("Buch", 1, std::vector<std::string>{"livre"});
        m_german.Ensure("Buch", 1).gender = 'n';
        m_german.Add("Pfund", 1, std::vector<std::string>{"livre"});
        m_german.Ensure("Pfund", 1).gender = 'n';
        m_german.Add("hoch", 3, std::vector<std::string>{"haut"});
        m_german.Add("Nation", 1, std::vector<std::string>{"nation"});
        m_german.Ensure("Nation", 1).gender = 'f';
        m_german.Add("Frankreich", 1, std::vector<std::string>{"France"});
        m_german.Ensure("Frankreich", 1).gender = 'n';
    }
    void Complete(std::string_view supplementText) {
        std::string error;
        ASSERT_TRUE(ReadSupplementText(Cp1252FromUtf8(supplementText), m_supplement, error)) << error;
        CompleteHalves(m_french, m_german, m_supplement, m_report);
    }
    std::string MeaningOf(DictionaryBuilder& half, const char* headword, int wordClass) {
        for (const DictionaryEntry& entry : half.SortedEntries()) {
            if (entry.headword == Cp1252FromUtf8(headword) && entry.wordClass == wordClass)
                return Utf8FromCp1252(entry.meaning);
        }
        return "(missing)";
    }
    DictionaryBuilder m_french, m_german;
    Supplement m_supplement;
    PairReport m_report;
};

TEST_F(CompleteHalvesTest, EachHalfCompletesTheOther) {
    Complete("f | 3 | grand(e) | groß\n"
             "d | 1 | Tag | le jour\n" // another form's pair does not come before the form's own
             "d | 1 | der Tag | jour (m)\n"
             "f | 1 | France (f) | Frankreich\n" // the libraries' meanings stay as they are written
             "d | 1 | das Wasser | eau (f)\n"
             "# a comment\n"
             "\n"
             "f | 1 | eau (f) | das Wasser\n");
    struct Case {
        bool french;
        const char* headword;
        int wordClass;
        const char* meaning;
    };
    const Case cases[] = {
        {true, "jour (m)", 1, "der Tag; Ajourarbeit"}, // confirmed sense first, article from the German half
        {true, "con (m)", 1, "Dummkopf; Fotze [vulg.]"}, // the label stays, labelled senses last
        {true, "grand(e)", 3, "groß; hoch"}, // made for the vocabulary, the base form's meanings after
        {true, "grand", 3, "groß; hoch"},    // the vocabulary's meaning first in the base form too
        {true, "eau (f)", 1, "das Wasser"},
        {true, "nation (f)", 1, "die Nation"}, // gender found from the ending
        {true, "France (f)", 1, "Frankreich"},
        {false, "Frankreich", 1, "France (f)"},
        {false, "Buch", 1, "livre (m)"}, // of two genders, the one leading back
        {false, "Pfund", 1, "livre (f)"},
        {false, "Tag", 1, "le jour; jour (m)"},
        {false, "das Wasser", 1, "eau (f)"},
        {false, "Wasser", 1, "eau (f)"}, // the form without the article as well
        {false, "hoch", 3, "haut"},      // no marks outside nouns
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.headword);
        EXPECT_EQ(MeaningOf(c.french ? m_french : m_german, c.headword, c.wordClass), c.meaning);
    }
    EXPECT_EQ(MeaningOf(m_french, "nation", 1), "(missing)");
    EXPECT_EQ(m_report.pairs, 6U);
    EXPECT_EQ(m_report.gendersFound, 1U);
    EXPECT_EQ(m_report.nounsWithoutGender, 1U); // "le jour", as the supplement wrote it
}

TEST(SupplementTest, LinesThatAreNoEntryAreErrorsWithTheirNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"f | 7 | x | y", "line 1: expected"}, {"# ok\nf | 1 | x", "line 2: expected"},
        {"e | 1 | x | y", "line 1: expected"}, {"vulg |", "line 1: expected \"vulg | WORT\""},
        {"f | 1 |  | y", "line 1: expected"},
    };
    for (const auto& [text, message] : cases) {
        Supplement supplement;
        std::string error;
        EXPECT_FALSE(ReadSupplementText(text, supplement, error)) << text;
        EXPECT_NE(error.find(message), std::string::npos) << error;
    }
    Supplement supplement;
    std::string error;
    ASSERT_TRUE(
        ReadSupplementText("d | 6 | Guten Tag | bonjour; salut\r\nvulg | Arsch\r\n", supplement, error));
    ASSERT_EQ(supplement.pairs.size(), 2U);
    EXPECT_EQ(supplement.pairs[1].french, "salut");
    EXPECT_TRUE(supplement.pairs[1].germanFirst);
    EXPECT_TRUE(supplement.vulgar.Matches("Arsch"));
}

TEST(SupplementTest, LibraryEntriesGiveOnePairPerMeaning) {
    const std::string asc = "eau (f)\r\ndas Wasser\r\n\r\n\r\n0\r\n\r\n0\r\n0\r\n0\r\n0\r\n"
                            "die Arbeit\r\ntravail (m)\r\nboulot (m)\r\n\r\n0\r\n\r\n0\r\n0\r\n-1\r\n0\r\n";
    std::vector<VocabularyPair> pairs;
    AddLibraryPairs(asc, pairs);
    ASSERT_EQ(pairs.size(), 3U);
    EXPECT_EQ(pairs[0].french + "|" + pairs[0].german, "eau (f)|das Wasser");
    EXPECT_EQ(pairs[2].french + "|" + pairs[2].german, "boulot (m)|die Arbeit");
    EXPECT_TRUE(pairs[2].germanFirst);
    EXPECT_EQ(pairs[2].wordClass, 1);
}

} // namespace
} // namespace qor::test
