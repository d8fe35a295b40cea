#include "freedict/FreedictConverter.h"

#include "FreedictFixture.h"
#include "platform/Cp1252.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

using freedict::ConversionReport;
using freedict::ConvertFreedictFiles;
using freedict::HeadwordLanguage;

struct Article {
    const char* indexHeadword;
    const char* text; // UTF-8, as dictd shows it
};

// Every rule of the conversion once: word classes, gender marks, merging, what is left out.
const Article kFrenchGerman[] = {
    {"00databaseinfo", "00-database-info\nfrançais-Deutsch FreeDict+WikDict dictionary\n"},
    {"chat", "chat /ʃa/ <n, masc>\n1. Katze, Kater\nChat domestique\n2. Kater, Katze\nChat mâle\n"},
    {"maison", "maison /mɛ.zɔ̃/ <n, fem>\n1. Haus 2.\nBâtiment\n 3.\nMaisonnée\n2. Heim, Haus\nFoyer\n"},
    {"maison", "maison /mɛ.zɔ̃/ <adj>\nhausgemacht\nFait à la maison\n"},
    {"aller", "aller /a.le/ <v>\ngehen, fahren\n"},
    {"aller", "aller /a.le/ <v>\nreisen, gehen\n"},
    {"avoir lieu", "avoir lieu /a.vwaʁ ljø/ <v>\nstattfinden\n"},
    {"prendre", "prendre /pʁɑ̃dʁ/ <v>\nnehmen\n"},
    {"à tout prendre", "à tout prendre /a tu pʁɑ̃dʁ/\nalles in allem\n"},
    {"à cause de", "à cause de /a koz də/\nwegen, infolge\n"},
    {"et", "et /e/\nund\nConjonction\n"},
    {"pomme de terre", "pomme de terre /pɔm də tɛʁ/ <n, fem>\nKartoffel, Erdapfel\nLégume\n"},
    {"se laver", "se laver <v>\nsich waschen\n"},
    {"beau", "beau /bo/ <adj>\n1. schön, angenehm\nx\n2. schön 2.\ny\n 3.\nz\n"},
    {"aujourd'hui", "aujourd’hui /o.ʒuʁ.d‿ɥi/ <adv>\nheute\n"},
    {"boeuf", "boeuf /bœf/ <masc>\nOchse\n"},
    {"zloty", "zloty <n, masc>\nZłoty, Sloty\n"},
    {"battre le fer", "battre le fer <v>\ndas Eisen schmieden; solange es heiß ist, zuschlagen\n"},
    {"hippique", "hippique /i.pik/ <adj>\nReit-,Pferde-, hippisch\n"},
    {"proverbe", "proverbe <n, masc>\neins; zwei\n"},
    {"particule α", "particule α <n, fem>\nAlphateilchen\n"},
    {"paris", "Paris /pa.ʁi/ <pn>\nParis\n"},
    {"adèle", "Adèle /a.dɛl/ <fem>\nAdele\n"},
    {"adn", "ADN /a.de.ɛn/ <n, masc>\nDNS, DNA\n"},
    {"etc.", "etc. <adv>\nusw.\n"},
    {"100e", "100e /sɑ̃.tjɛm/ <adj>\n100.\nAbréviation\n"},
    {"-ette", "-ette <suffix>\n-chen\n"},
};

const Article kGermanFrench[] = {
    {"haus", "Haus /haʊ̯s/ <n, neut>\n1. maison 2.\nGebäude\n 3.\nWohnung\n2. chambre\nKörperschaft\n"},
    {"gehen", "Gehen /ˈɡeːən/ <n, neut>\nmarche\n"},
    {"gehen", "gehen /ɡeːn/ <v>\naller, marcher\n"},
    {"drücken", "drücken <v>\nappuyer\n"},
    {"ein auge zudrücken", "ein Auge zudrücken\nfermer les yeux\n"},
    {"guten tag", "guten Tag /ˌɡutn̩ ˈtaːk/\nbonjour\nder Tagesgruß\n"},
    {"usa", "USA <abbreviation>\nÉtats-Unis\n"},
    {"chen", "chen <suffix, neut>\n-et\n"},
    {"katze", "Katze <n, fem>\nchat\n"},
    {"breslau", "Breslau <n, neut>\nWrocław\n"},
};

class FreedictConverterTest : public testing::Test {
protected:
    template <std::size_t N> void WriteDictionary(const Article (&articles)[N]) {
        DictdDictionary dictionary;
        for (const Article& article : articles)
            dictionary.Add(article.indexHeadword, article.text);
        WriteFiles(dictionary.index, Gzip(dictionary.data));
    }
    void WriteFiles(const std::string& index, const std::string& dictDz) {
        m_index = m_folder.MakeFile("dict.index", index);
        m_dictDz = m_folder.MakeFile("dict.dict.dz", dictDz);
    }
    bool Convert(HeadwordLanguage language) {
        m_error.clear();
        return ConvertFreedictFiles(m_index, m_dictDz, m_target, language, m_report, m_error);
    }
    std::vector<WrittenEntry> Written() { return ReadDictionaryFile(ReadFile(m_target)); }

    TempFolder m_folder;
    std::filesystem::path m_index, m_dictDz;
    std::filesystem::path m_target = m_folder / "f_d.qor";
    ConversionReport m_report;
    std::string m_error;
};

WrittenEntry Entry(std::string_view headword, char wordClass, std::string_view meaning) {
    return {std::string(headword), std::string(1, wordClass), std::string(meaning)};
}

TEST_F(FreedictConverterTest, FrenchHeadwordsRoundTrip) {
    WriteDictionary(kFrenchGerman);
    ASSERT_TRUE(Convert(HeadwordLanguage::French)) << m_error;
    const std::vector<WrittenEntry> expected = {
        Entry("à cause de"_cp, '6', "wegen; infolge"),
        Entry("à tout prendre"_cp, '5', "alles in allem"),
        Entry("aller", '2', "gehen; fahren; reisen"),
        Entry("aujourd'hui", '4', "heute"),
        Entry("avoir lieu", '5', "stattfinden"),
        Entry("battre le fer", '5', "zuschlagen"),
        Entry("beau", '3', "schön; angenehm"_cp),
        Entry("boeuf (m)", '1', "Ochse"),
        Entry("chat (m)", '1', "Katze; Kater"),
        Entry("et", '4', "und"),
        Entry("hippique", '3', "hippisch"),
        Entry("maison", '3', "hausgemacht"),
        Entry("maison (f)", '1', "Haus; Heim"),
        Entry("pomme de terre (f)", '1', "Kartoffel; Erdapfel"),
        Entry("prendre", '2', "nehmen"),
        Entry("se laver", '2', "sich waschen"),
        Entry("zloty (m)", '1', "Sloty"),
    };
    EXPECT_EQ(Written(), expected);
}

TEST_F(FreedictConverterTest, ReportCountsWhatWasLeftOut) {
    WriteDictionary(kFrenchGerman);
    ASSERT_TRUE(Convert(HeadwordLanguage::French)) << m_error;
    EXPECT_EQ(m_report.articles, std::size(kFrenchGerman) - 1); // without the database entry
    EXPECT_EQ(m_report.entries, 17U);
    EXPECT_EQ(m_report.merged, 1U);
    EXPECT_EQ(m_report.properNames, 2U);
    EXPECT_EQ(m_report.abbreviations, 3U);
    EXPECT_EQ(m_report.affixes, 1U);
    EXPECT_EQ(m_report.notWindows1252, 1U);
    EXPECT_EQ(m_report.untranslated, 1U);
    EXPECT_EQ(m_report.translationsDropped, 4U); // Złoty, two with ";", one with ","
    EXPECT_EQ(m_report.entries + m_report.merged + m_report.properNames + m_report.abbreviations +
                  m_report.affixes + m_report.notWindows1252 + m_report.untranslated,
              m_report.articles);
}

TEST_F(FreedictConverterTest, GermanHeadwordsGetNoGenderMark) {
    WriteDictionary(kGermanFrench);
    ASSERT_TRUE(Convert(HeadwordLanguage::German)) << m_error;
    const std::vector<WrittenEntry> expected = {
        Entry("drücken"_cp, '2', "appuyer"),   Entry("ein Auge zudrücken"_cp, '5', "fermer les yeux"),
        Entry("gehen", '2', "aller; marcher"), Entry("Gehen", '1', "marche"), // small before capital
        Entry("guten Tag", '6', "bonjour"),    Entry("Haus", '1', "maison; chambre"),
        Entry("Katze", '1', "chat"),
    };
    EXPECT_EQ(Written(), expected);
    EXPECT_EQ(m_report.untranslated, 1U); // Wrocław
}

TEST_F(FreedictConverterTest, AnEmptyDictionaryGivesAnEmptyFile) {
    WriteFiles("", Gzip(""));
    ASSERT_TRUE(Convert(HeadwordLanguage::French)) << m_error;
    EXPECT_TRUE(Written().empty());
    EXPECT_EQ(m_report.entries, 0U);
}

TEST_F(FreedictConverterTest, BadInputIsAnErrorAndKeepsTheOldTarget) {
    const std::string article = "chat /ʃa/ <n, masc>\nKatze\n";
    const std::string goodIndex = "chat\tA\t" + EncodeDictdNumber(article.size()) + "\n";
    const std::string packed = Gzip(article);
    struct Case {
        const char* name;
        std::string index;
        std::string dictDz;
        std::string message;
    };
    const Case cases[] = {
        {"index cut inside a line", goodIndex + "chien\tA", packed,
         "index line 2: expected headword, offset and length"},
        {"bad base-64 offset", "chat\tA!\tB\n", packed, "index line 1: offset or length is not"},
        {"offset beyond the data", "chat\t" + EncodeDictdNumber(article.size() + 1) + "\tA\n", packed,
         "index line 1 (chat): the article at"},
        {"length beyond the data", "x\tA\tB\nchat\tB\t" + EncodeDictdNumber(article.size()) + "\n", packed,
         "index line 2 (chat): the article at 1+"},
        {"huge offset", "chat\t////////\tB\n", packed, "lies beyond the end of the data"},
        {"data cut short", goodIndex, packed.substr(0, packed.size() - 6), "the gzip data ends too early"},
        {"data not gzip", goodIndex, article, "not gzip data"},
        {"data empty", goodIndex, "", "the gzip data ends too early"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_folder.MakeFile("f_d.qor", "older dictionary");
        WriteFiles(c.index, c.dictDz);
        EXPECT_FALSE(Convert(HeadwordLanguage::French));
        EXPECT_NE(m_error.find(c.message), std::string::npos) << m_error;
        EXPECT_EQ(ReadFile(m_target), "older dictionary");
    }
    // The same folder and files, made good, do convert.
    WriteFiles(goodIndex, packed);
    ASSERT_TRUE(Convert(HeadwordLanguage::French)) << m_error;
    EXPECT_EQ(Written(), std::vector<WrittenEntry>{Entry("chat (m)", '1', "Katze")});
}

TEST_F(FreedictConverterTest, MissingFilesAndAnUnwritableTarget) {
    WriteDictionary(kGermanFrench);
    const std::filesystem::path missing = m_folder / "fehlt.index";
    EXPECT_FALSE(
        ConvertFreedictFiles(missing, m_dictDz, m_target, HeadwordLanguage::German, m_report, m_error));
    EXPECT_NE(m_error.find("fehlt.index: cannot read"), std::string::npos) << m_error;
    EXPECT_FALSE(ConvertFreedictFiles(m_index, m_folder / "fehlt.dz", m_target, HeadwordLanguage::German,
                                      m_report, m_error));
    EXPECT_NE(m_error.find("fehlt.dz: cannot read"), std::string::npos) << m_error;
    EXPECT_FALSE(std::filesystem::exists(m_target));

    m_target = m_folder / "kein Ordner" / "d_f.qor";
    EXPECT_FALSE(Convert(HeadwordLanguage::German));
    EXPECT_NE(m_error.find("cannot write"), std::string::npos) << m_error;
}

} // namespace
} // namespace qor::test
