#include "dictionary/DictionaryFile.h"

#include "DictionaryTestSupport.h"
#include "platform/Cp1252.h"
#include "platform/FileText.h"
#include "platform/Zlib.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

using namespace std::string_literals;

TEST(DictionaryFileForm, OnlyLowerCaseQorAndXtmAreCompressed) {
    struct Case {
        std::string path;
        DictionaryFileForm form;
    };
    const std::vector<Case> cases = {
        {"C:\\qor\\f_d.qor", DictionaryFileForm::Compressed},
        {"/data/d_f.xtm", DictionaryFileForm::Compressed},
        {"/data/f_d.QOR", DictionaryFileForm::Text},
        {"/data/f_d.Xtm", DictionaryFileForm::Text},
        {"/data/f_d.txt", DictionaryFileForm::Text},
        {"/data/f_d", DictionaryFileForm::Text},
        {"/data.qor/f_d", DictionaryFileForm::Text},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FileFormOfPath(c.path), c.form);
    }
}

TEST(DictionaryContent, ParsesEntriesAndDamagedContent) {
    struct Case {
        std::string name;
        std::string content;
        std::vector<DictionaryFileEntry> entries;
    };
    const std::vector<Case> cases = {
        {"empty content is the placeholder entry", "", {{"_leer", "0", "leer"}}},
        {"two entries",
         "maison\0"
         "1\0"
         "Haus\0"
         "aller\0"
         "2\0"
         "gehen\0"s,
         {{"maison", "1", "Haus"}, {"aller", "2", "gehen"}}},
        {"empty headword and meaning",
         "\0"
         "3\0"
         "\0"s,
         {{"", "3", ""}}},
        {"a class string is one character",
         "a\0"
         "42\0"
         "b\0"s,
         {{"a", "4", ""}, {"b", "", ""}}},
        {"an empty class string",
         "a\0"
         "\0"
         "b\0"s,
         {{"a", "", ""}}},
        {"a single byte left over is dropped",
         "a\0"
         "1\0"
         "b\0"
         "x"s,
         {{"a", "1", "b"}}},
        {"a cut meaning keeps what is there",
         "a\0"
         "1\0"
         "bc"s,
         {{"a", "1", "bc"}}},
        {"content cut after the class",
         "a\0"
         "1\0"s,
         {{"a", "1", ""}}},
        {"content cut inside the headword", "abc"s, {{"abc", "", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseDictionaryContent(c.content), c.entries);
    }
}

TEST(DictionaryContent, LaysOutEntriesAsTheParserReadsThem) {
    const std::vector<TXDBEintrag> entries = {{"maison", "Haus", 1},
                                              {"", "", 6},
                                              {"Fran\xE7"
                                               "ais",
                                               "Franz\xF6sisch", 3}};
    std::string content = DictionaryContent(entries);
    EXPECT_EQ(content, "maison\0"
                       "1\0"
                       "Haus\0"
                       "\0"
                       "6\0"
                       "\0"
                       "Fran\xE7"
                       "ais\0"
                       "3\0"
                       "Franz\xF6sisch\0"s);
    std::vector<DictionaryFileEntry> parsed = ParseDictionaryContent(content);
    ASSERT_EQ(parsed.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(parsed[i].word, entries[i].Vokabel);
        EXPECT_EQ(WordClassFromText(parsed[i].wordClass), entries[i].Wortart);
        EXPECT_EQ(parsed[i].meaning, entries[i].Bedeutung);
    }
}

TEST(DictionaryContent, ATextHoldingAZeroByteIsWrittenUpToIt) {
    const std::vector<TXDBEintrag> entries = {{"ab\0c"s, "x\0y"s, 2}, {"d", "e", 1}};
    EXPECT_EQ(ParseDictionaryContent(DictionaryContent(entries)),
              (std::vector<DictionaryFileEntry>{{"ab", "2", "x"}, {"d", "1", "e"}}));
}

TEST(DictionaryTextFile, ReadsLinesInThrees) {
    struct Case {
        std::string name;
        std::string text;
        std::vector<DictionaryFileEntry> entries;
    };
    const std::vector<Case> cases = {
        {"empty file", "", {}},
        {"one entry with CR LF", "maison\r\n1\r\nHaus\r\n", {{"maison", "1", "Haus"}}},
        {"no line break at the end", "maison\r\n1\r\nHaus", {{"maison", "1", "Haus"}}},
        {"LF only", "a\n2\nb\nc\n3\nd\n", {{"a", "2", "b"}, {"c", "3", "d"}}},
        {"incomplete last entry", "a\r\n2\r\nb\r\nc\r\n", {{"a", "2", "b"}, {"c", "", ""}}},
        {"empty lines are entries' fields", "\r\n\r\n\r\n", {{"", "", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseTextDictionary(c.text), c.entries);
    }
}

TEST(DictionaryWordClassText, OutsideOneToSixGivesOne) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"1", 1}, {"6", 6},  {"3", 3},  {"0", 1},  {"7", 1},  {"", 1},
        {"x", 1}, {"2x", 1}, {"-2", 1}, {" 2", 1}, {"+4", 4},
    };
    for (const auto& [text, wortart] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(WordClassFromText(text), wortart);
    }
}

class DictionaryLoadTest : public ::testing::Test {
protected:
    std::string MakeFile(std::string_view name, std::string_view bytes) {
        return ProgramPathOf(m_folder.MakeFile(name, bytes));
    }
    TempFolder m_folder;
    MessageCapture m_messages;
    TXDatabase m_database;
};

TEST_F(DictionaryLoadTest, CompressedFileAppendsEntriesAndCountsAsUnchanged) {
    std::string path = MakeFile("f_d.qor", DeflateZlib("  maison \0"
                                                       "1\0"
                                                       "Haus\t\0"
                                                       "aller\0"
                                                       "9\0"
                                                       "gehen\0"s));
    ChangeCounter changes(m_database);
    m_database.AddEntry("vorher", "1", "before");
    m_database.Load(path);
    EXPECT_EQ(Words(m_database), (std::vector<std::string>{"vorher", "maison", "aller"}));
    EXPECT_EQ(m_database.Bedeutung(1), "Haus");
    EXPECT_EQ(m_database.Wortart(2), 1); // '9' is no word class
    EXPECT_FALSE(m_database.Modified(DictionaryDirection::FrenchGerman));
    EXPECT_EQ(m_database.FilePath(DictionaryDirection::FrenchGerman), path);
    EXPECT_EQ(changes.count, 1);
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(DictionaryLoadTest, EmptyCompressedContentLoadsThePlaceholder) {
    m_database.Load(MakeFile("leer.qor", DeflateZlib("")));
    ASSERT_EQ(m_database.Count(), 1);
    EXPECT_EQ(m_database.Vokabel(0), "_leer");
    EXPECT_EQ(m_database.Bedeutung(0), "leer");
    EXPECT_EQ(m_database.Wortart(0), 1);
}

TEST_F(DictionaryLoadTest, CapitalExtensionIsReadAsText) {
    m_database.Load(MakeFile("f_d.QOR", "maison\r\n2\r\nHaus\r\n"));
    ASSERT_EQ(m_database.Count(), 1);
    EXPECT_EQ(m_database.Vokabel(0), "maison");
    EXPECT_EQ(m_database.Wortart(0), 2);
}

TEST_F(DictionaryLoadTest, TextDictionariesFromOtherEditorsAreConverted) {
    const std::string utf8 = "Stra\xC3\x9F"
                             "e\r\n1\r\nrue\r\n";
    const std::vector<std::pair<std::string, std::string>> files = {
        {"UTF-8", utf8},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + utf8},
        {"UTF-16 LE", "\xFF\xFES\0t\0r\0a\0\xDF\0"
                      "e\0\r\0\n\0"
                      "1\0\r\0\n\0r\0u\0e\0"s},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        TXDatabase database;
        database.Load(MakeFile("f_d.txt", bytes));
        EXPECT_EQ(Words(database), std::vector<std::string>{"Stra\xDF"
                                                            "e"});
        EXPECT_EQ(database.Bedeutung(0), "rue");
        EXPECT_TRUE(m_messages.Messages().empty());
    }
    // A character the dictionary cannot hold, in line 3: nothing is added.
    m_database.AddEntry("da", "1", "there");
    const std::string path = MakeFile("f_d.txt", utf8 + "miasto\r\n1\r\n\xC5\x81\xC3\xB3\x64\xC5\xBA\r\n");
    m_database.Load(path);
    EXPECT_EQ(Words(m_database), std::vector<std::string>{"da"});
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_EQ(m_messages.Messages()[0].text, UnconvertibleCharacterMessage(path, 6));
    EXPECT_EQ(m_messages.Messages()[0].flags, 16);
}

TEST_F(DictionaryLoadTest, BadFilesLeaveTheHalfAsItWasAndSaySo) {
    std::string whole = DeflateZlib("a\0"
                                    "1\0"
                                    "b\0"s);
    std::string flipped = whole;
    flipped[flipped.size() - 1] ^= 0x55; // the checksum no longer fits
    struct Case {
        std::string name;
        std::optional<std::string> bytes; // nothing: the file does not exist
    };
    const std::vector<Case> cases = {
        {"missing file", std::nullopt},
        {"not zlib", "maison\r\n1\r\nHaus\r\n"},
        {"truncated stream", whole.substr(0, whole.size() / 2)},
        {"bad checksum", flipped},
        {"empty file", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TXDatabase database;
        database.AddEntry("da", "1", "there");
        m_messages.Clear();
        std::string path = c.bytes ? MakeFile("bad.qor", *c.bytes) : ProgramPathOf(m_folder / "none.qor");
        database.Load(path);
        EXPECT_EQ(Words(database), std::vector<std::string>{"da"});
        ASSERT_EQ(m_messages.Messages().size(), 1u);
        EXPECT_EQ(m_messages.Messages()[0].text, "Fehler beim Laden des Wörterbuchs!"_cp);
        EXPECT_EQ(m_messages.Messages()[0].flags, 16);
    }
}

TEST_F(DictionaryLoadTest, SavedHalfLoadsBackTheSame) {
    FillHalf(m_database, DictionaryDirection::GermanFrench,
             {{"Haus", 1, "maison [f]"}, {"gehen", 2, "aller"}, {"gro\xDF", 3, "grand; gros"}});
    m_database.SetBedeutung(1, "  aller ");
    std::string path = ProgramPathOf(m_folder / "d_f.qor");
    m_database.Load(path); // missing: only the path is taken over
    m_messages.Clear();
    m_database.SetWortart(0, 1); // changed again
    ListedDialogs dialogs;
    EXPECT_TRUE(m_database.SaveHalf(dialogs));
    EXPECT_TRUE(dialogs.calls.empty());

    std::string bytes = ReadFile(m_folder / "d_f.qor");
    std::string content;
    ASSERT_EQ(InflateZlib(bytes, content, 1 << 20), InflateStatus::Ok);
    EXPECT_EQ(content, "Haus\0"
                       "1\0"
                       "maison [f]\0"
                       "gehen\0"
                       "2\0"
                       "  aller \0"
                       "gro\xDF\0"
                       "3\0"
                       "grand; gros\0"s);

    TXDatabase loaded;
    loaded.SetDirection(DictionaryDirection::GermanFrench);
    loaded.Load(path);
    ASSERT_EQ(loaded.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(loaded.Vokabel(i), m_database.Vokabel(i));
        EXPECT_EQ(loaded.Wortart(i), m_database.Wortart(i));
    }
    EXPECT_EQ(loaded.Bedeutung(1), "aller"); // loading trims
}

} // namespace
} // namespace qor::test
