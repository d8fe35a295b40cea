#include "freedict/FreedictArticle.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

using freedict::CleanTranslation;
using freedict::FreedictArticle;
using freedict::ParseFreedictArticle;
using Strings = std::vector<std::string>;

TEST(FreedictArticleTest, ArticleLayouts) {
    struct Case {
        const char* name;
        std::string text;
        std::string headword;
        Strings grammar;
        Strings translations;
        Strings notes;
    };
    const Case cases[] = {
        {"numbered senses, each with a note",
         "chat /ʃa/ <n, masc>\n1. Katze, Kater\nChat domestique\n2. Kater, Katze\nChat mâle\n3. "
         "Katze\nFélin\n",
         "chat",
         {"n", "masc"},
         {"Katze", "Kater", "Kater", "Katze", "Katze"},
         {"Chat domestique", "Chat mâle", "Félin"}},
        {"numbered notes of one sense",
         "maison /me.zɔ̃/ /mɛ.zɔ̃/ <n, fem>\n1. Haus 2.\nBâtiment servant de logis\n 3.\nMaisonnée\n"
         " 4.\nLignée, famille\n2. Heim, Haus\nFoyer\n",
         "maison",
         {"n", "fem"},
         {"Haus", "Heim", "Haus"},
         {"Bâtiment servant de logis", "Maisonnée", "Lignée, famille", "Foyer"}},
        {"one sense, its note numbered",
         "und /ʊnt/\net 2.\nGrammatik: verbindet\n 3.\naufzählend\n",
         "und",
         {},
         {"et"},
         {"Grammatik: verbindet", "aufzählend"}},
        {"unnumbered translation that starts like a sense number",
         "1re classe /pʁə.mjɛʁ klɑs/ <n, fem>\n1. Klasse\n",
         "1re classe",
         {"n", "fem"},
         {"1. Klasse"},
         {}},
        {"a translation that is a number with a dot",
         "10e /di.zjɛm/ <adj>\n10.\n",
         "10e",
         {"adj"},
         {"10."},
         {}},
        {"no pronunciation, no grammar",
         "guten Tag\nbonjour\nder Tagesgruß\n",
         "guten Tag",
         {},
         {"bonjour"},
         {"der Tagesgruß"}},
        {"grammar without pronunciation", "TCP/IP <n>\nTCP/IP\n", "TCP/IP", {"n"}, {"TCP/IP"}, {}},
        {"a slash inside the headword stays", "and/or /ænd ɔː/\nund/oder\n", "and/or", {}, {"und/oder"}, {}},
        {"a pronunciation with blanks",
         "1 500 mètres /kɛ̃z.sɑ̃ mɛtʁ/ /mil.sɛ̃.sɑ̃ mɛtʁ/ <n, masc>\n1500-Meter-Lauf\n",
         "1 500 mètres",
         {"n", "masc"},
         {"1500-Meter-Lauf"},
         {}},
        {"typographic apostrophes, CR LF, surplus blanks",
         "\r\n aujourd’hui  /o.ʒuʁ.d‿ɥi/  <adv>\r\nheute,  heutzutage \r\nD’aujourd’hui\r\n",
         "aujourd'hui",
         {"adv"},
         {"heute", "heutzutage"},
         {"D'aujourd'hui"}},
        {"link marks in translations",
         "gehen /ɡeːn/ <v>\n1. aller, camper#se camper\nx\n2. abîmer#abîmer (Französisch)\ny\n",
         "gehen",
         {"v"},
         {"aller", "se camper", "abîmer"},
         {"x", "y"}},
        {"senses out of order are notes",
         "chat <n>\n1. Katze\n3. Drei\n2. Kater\n",
         "chat",
         {"n"},
         {"Katze", "Kater"},
         {"3. Drei"}},
        {"headword only", "chat /ʃa/ <n, masc>\n", "chat", {"n", "masc"}, {}, {}},
        {"empty", "", "", {}, {}, {}},
        {"blank lines only", "\n \n\r\n", "", {}, {}, {}},
        {"only grammar", "<n, masc>\nKatze\n", "", {"n", "masc"}, {"Katze"}, {}},
        {"angle brackets inside the headword", "a<b\nx\n", "a<b", {}, {"x"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FreedictArticle article = ParseFreedictArticle(c.text);
        EXPECT_EQ(article.headword, c.headword);
        EXPECT_EQ(article.grammar, c.grammar);
        EXPECT_EQ(article.translations, c.translations);
        EXPECT_EQ(article.notes, c.notes);
    }
}

TEST(FreedictArticleTest, CleanTranslation) {
    struct Case {
        const char* text;
        const char* cleaned;
    };
    const Case cases[] = {
        {"Katze", "Katze"},
        {"  zu   viel ", "zu viel"},
        {"camper#se camper", "se camper"},
        {"énerver#s’énerver", "s'énerver"},
        {"abîmer#abîmer (Französisch)", "abîmer"},
        {"à propos#à propos((Französisch)", "à propos"},
        {"Istanbul (Französisch)", "Istanbul"},
        {"Apparat (3)", "Apparat"},
        {"Aufheben(s) (2)", "Aufheben(s)"},
        {"(berufliche) Selbständigkeit", "(berufliche) Selbständigkeit"},
        {"auf der Hut (sein)", "auf der Hut (sein)"},
        {"(2)", "(2)"},
        {"Kapitel (2a)", "Kapitel (2a)"},
        {"Kuwaiter\u200E", "Kuwaiter"},
        {"grève d\u2032avertissement", "grève d'avertissement"},
        {"\u200B", ""},
        {"#", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CleanTranslation(c.text), c.cleaned);
    }
}

} // namespace
} // namespace qor::test
