#include "VocabTestSupport.h"
#include "platform/Cp1252.h"
#include "platform/FileText.h"
#include "platform/Random.h"

#include <filesystem>
#include <functional>

namespace qor::test {
namespace {

const std::string kNotFound = "Datei konnte nicht gefunden werden!";
const std::string kDamaged = std::string("Die Datei hat ein falsches Format oder ist beschädigt!"_cp);
const std::string kSaveFailed =
    std::string("Fehler beim Speichern der Bibliothek - \rMedium ist voll oder schreibgeschützt!?!"_cp);

std::string Asc(const std::vector<TVokabel>& entries) {
    return FormatAsc(entries);
}

using LoadTest = LibraryTest;

TEST_F(LoadTest, ReplaceReadsTheFileAndEndsWithOneBlankEntry) {
    const std::string file = MakeFile("a.asc", Asc({Voc("chat", "Katze"), Voc("chien", "Hund")}));
    m_library.SetVokabel(0, "vorher");
    ASSERT_TRUE(m_library.Load(file, LoadMode::Replace));
    EXPECT_EQ(Headwords(m_library), (std::vector<std::string>{"chat", "chien"}));
    EXPECT_EQ(m_library.Count(CountMode::Full), 3);
    EXPECT_TRUE(m_library.IsBlank(2));
    EXPECT_FALSE(m_library.Changed());
    EXPECT_EQ(m_library.FileName(), file);
    EXPECT_EQ(m_library.QueryEnd(), 1);
    EXPECT_TRUE(m_messages.Texts().empty());
}

TEST_F(LoadTest, AppendKeepsExactlyOneTrailingBlankEntry) {
    const std::string first = MakeFile("a.asc", Asc({Voc("chat", "Katze")}));
    const std::string second = MakeFile("b.asc", Asc({Voc("chien", "Hund"), Voc("loup", "Wolf")}));
    ASSERT_TRUE(m_library.Load(first, LoadMode::Replace));
    ASSERT_TRUE(m_library.Load(second, LoadMode::Append));
    EXPECT_EQ(Headwords(m_library), (std::vector<std::string>{"chat", "chien", "loup"}));
    EXPECT_EQ(m_library.Count(CountMode::Full), 4);
    EXPECT_EQ(m_library.QueryEnd(), 2);
}

TEST_F(LoadTest, AFileEndingInABlankEntryGetsNoSecondOne) {
    const std::string file = MakeFile("a.asc", Asc({Voc("chat", "Katze"), Voc("", "")}));
    ASSERT_TRUE(m_library.Load(file, LoadMode::Replace));
    EXPECT_EQ(m_library.Count(CountMode::Full), 2);
    EXPECT_EQ(m_library.Count(), 1);
}

TEST_F(LoadTest, AnEmptyFileGivesOnlyTheBlankEntryAndSavesEmpty) {
    const std::string file = MakeFile("leer.asc", "");
    ASSERT_TRUE(m_library.Load(file, LoadMode::Replace));
    EXPECT_EQ(m_library.Count(), 0);
    EXPECT_EQ(m_library.Count(CountMode::Full), 1);
    const std::string copy = m_folder + "kopie.asc";
    ASSERT_TRUE(m_library.Save(copy));
    EXPECT_EQ(ReadFile(m_temp / "kopie.asc"), "");
}

TEST_F(LoadTest, AMissingFileSaysSoAndAppendChangesNothing) {
    const std::string file = MakeFile("a.asc", Asc({Voc("chat", "Katze")}));
    ASSERT_TRUE(m_library.Load(file, LoadMode::Replace));
    EXPECT_FALSE(m_library.Load(m_folder + "fehlt.asc", LoadMode::Append));
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{kNotFound}));
    EXPECT_EQ(m_messages.All()[0].flags, kMbIconError);
    EXPECT_EQ(Headwords(m_library), (std::vector<std::string>{"chat"}));
    EXPECT_EQ(m_library.FileName(), file);

    EXPECT_FALSE(m_library.Load(m_folder + "fehlt.asc", LoadMode::Replace));
    EXPECT_EQ(m_library.Count(), 0); // replace cleared first
    EXPECT_EQ(m_library.Count(CountMode::Full), 1);
}

TEST_F(LoadTest, ADamagedFileKeepsTheEntriesBeforeTheDamage) {
    std::string text = Asc({Voc("chat", "Katze"), Voc("chien", "Hund")});
    text += "loup\r\nWolf\r\n\r\n\r\n0\r\n\r\n0\r\nNomen\r\n0\r\n1\r\n";
    const std::string file = MakeFile("kaputt.asc", text);
    ASSERT_TRUE(m_library.Load(file, LoadMode::Replace));
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{kDamaged}));
    EXPECT_EQ(Headwords(m_library), (std::vector<std::string>{"chat", "chien"}));
    EXPECT_TRUE(m_library.IsBlank(2));
    EXPECT_FALSE(m_library.Changed());
    EXPECT_EQ(m_library.FileName(), file);
}

TEST_F(LoadTest, SaveWritesEverythingButTheBlankLine) {
    Fill(m_library, {Voc(" chat ", "Katze", "Kater"), Voc("vite", "schnell", "", 2, true)});
    m_library.SetKontext(0, 0, "Le (*) dort.");
    const std::string file = m_folder + "neu.asc";
    ASSERT_TRUE(m_library.Save(file));
    EXPECT_FALSE(m_library.Changed());
    EXPECT_EQ(m_library.FileName(), file);
    EXPECT_EQ(ReadFile(m_temp / "neu.asc"),
              " chat \r\nKatze\r\nKater\r\nLe (*) dort.\r\n0\r\n\r\n0\r\n0\r\n0\r\n0\r\n"
              "vite\r\nschnell\r\n\r\n\r\n0\r\n\r\n0\r\n2\r\n-1\r\n0\r\n");
    m_library.SetVokabel(1, "rapide");
    ASSERT_TRUE(m_library.Save()); // an empty name saves to the current file
    EXPECT_NE(ReadFile(m_temp / "neu.asc").find("rapide"), std::string::npos);
}

TEST_F(LoadTest, AFailedSaveSaysSoAndKeepsTheChangedFlag) {
    Fill(m_library, {Voc("chat", "Katze")});
    m_library.SetVokabel(0, "chien");
    EXPECT_FALSE(m_library.Save(m_folder + "kein/ordner/da.asc"));
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{kSaveFailed}));
    EXPECT_EQ(m_messages.All()[0].flags, kMbIconError);
    EXPECT_TRUE(m_library.Changed());
    EXPECT_EQ(m_library.FileName(), "");
    EXPECT_FALSE(m_library.Save()); // still no file to save to
    EXPECT_TRUE(m_library.Changed());
}

TEST_F(LoadTest, ImportColumnLayouts) {
    struct Case {
        std::string name;
        std::string layout;
        std::string separator;
        std::string text;
        std::vector<TVokabel> expected;
    };
    auto entry = [](std::string v, std::string b0, std::string b1, int wortart, int schwierigkeit,
                    bool deutsch) {
        TVokabel e = Voc(std::move(v), std::move(b0), std::move(b1), wortart, deutsch);
        e.Schwierigkeit = schwierigkeit;
        return e;
    };
    TVokabel withContexts = entry("chat", "Katze", "", 0, 2, false);
    withContexts.Kontext0 = "Le (*) dort";
    withContexts.KtxDazu0 = true;
    withContexts.Kontext1 = "Un [*]";
    withContexts.KtxDazu1 = true;
    const std::vector<Case> cases = {
        {"two columns",
         "Vokabel, Bedeutung",
         ";",
         "chat ; Katze\r\nchien;Hund\r\n",
         {entry("chat", "Katze", "", 0, 2, false), entry("chien", "Hund", "", 0, 2, false)}},
        {"further meanings are joined",
         "Vokabel,Bedeutung,Bedeutung,Bedeutung",
         "\t",
         "chat\tKatze\tKater\tMieze",
         {entry("chat", "Katze", "Kater; Mieze", 0, 2, false)}},
        {"commas and slashes split meanings",
         "Vokabel, Bedeutung, Bedeutung",
         "|",
         "aller|gehen, fahren|reisen / laufen",
         {entry("aller", "gehen; fahren", "reisen; laufen", 0, 2, false)}},
        {"numbers and direction",
         "Vokabel, Bedeutung, Wortart, Schwierigkeit, Deutsch",
         ";",
         "a;b;3;4;+\nc;d;7;5;1\ne;f;x;y;0\ng;h;6;0;-1",
         {entry("a", "b", "", 3, 4, true), entry("c", "d", "", 0, 2, true), entry("e", "f", "", 0, 2, false),
          entry("g", "h", "", 6, 0, true)}},
        {"contexts and ignored columns",
         "Sonstwas, Vokabel, Kontext, Bedeutung, Kontext, Kontext",
         ";",
         "x;chat;Le (*) dort;Katze;Un [*];zu viel",
         {withContexts}},
        {"lines without headword or meaning are dropped",
         "Vokabel, Bedeutung",
         ";",
         "chat\n;Hund\n\nchien;Hund;x",
         {entry("chien", "Hund", "", 0, 2, false)}},
        {"a separator of several characters",
         "Vokabel, Bedeutung",
         " - ",
         "chat - Katze - Tier",
         {entry("chat", "Katze", "", 0, 2, false)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = MakeFile("import.txt", c.text);
        m_library.SetVokabel(0, "vorher");
        ASSERT_TRUE(m_library.Import(file, c.layout, c.separator));
        std::vector<TVokabel> entries;
        for (int i = 0; i < m_library.Count(); ++i)
            entries.push_back(m_library.Entry(i));
        EXPECT_EQ(entries, c.expected);
        EXPECT_TRUE(m_library.IsBlank(m_library.Count()));
        EXPECT_EQ(m_library.Count(CountMode::Full), m_library.Count() + 1);
        EXPECT_FALSE(m_library.Changed());
        EXPECT_EQ(m_library.FileName(), file);
    }
}

TEST_F(LoadTest, ImportOfAMissingFileLeavesAnEmptyLibrary) {
    Fill(m_library, {Voc("chat", "Katze")});
    EXPECT_FALSE(m_library.Import(m_folder + "fehlt.txt", "Vokabel, Bedeutung", ";"));
    EXPECT_EQ(m_messages.Texts(), (std::vector<std::string>{kNotFound}));
    EXPECT_EQ(m_library.Count(), 0);
}

// What today's editors save: UTF-8 with or without a byte-order mark, UTF-16 (here of the ASCII
// and Latin-1 range, where a code unit is the Windows-1252 byte).
std::string InEncoding(const std::string& cp1252, const std::string& encoding) {
    if (encoding == "UTF-8")
        return Utf8FromCp1252(cp1252);
    if (encoding == "UTF-8 with mark")
        return "\xEF\xBB\xBF" + Utf8FromCp1252(cp1252);
    if (encoding == "UTF-16 LE" || encoding == "UTF-16 BE") {
        const bool big = encoding == "UTF-16 BE";
        std::string out = big ? "\xFE\xFF" : "\xFF\xFE";
        for (char c : cp1252)
            out += big ? std::string{'\0', c} : std::string{c, '\0'};
        return out;
    }
    return cp1252;
}

TEST_F(LoadTest, LibrariesAndImportFilesFromOtherEditorsAreConverted) {
    const std::string strasse = std::string("Stra\xDF"
                                            "e");
    const std::string library = Asc({Voc("rue", strasse), Voc(std::string("\xE9t\xE9"), "Sommer")});
    const std::string imported = "rue;" + strasse + "\r\n\xE9t\xE9;Sommer\r\n";
    for (const char* encoding : {"Windows-1252", "UTF-8", "UTF-8 with mark", "UTF-16 LE", "UTF-16 BE"}) {
        SCOPED_TRACE(encoding);
        const std::string asc = MakeFile("a.asc", InEncoding(library, encoding));
        ASSERT_TRUE(m_library.Load(asc, LoadMode::Replace));
        EXPECT_EQ(m_library.Bedeutung(0, 0), strasse);
        EXPECT_EQ(Headwords(m_library), (std::vector<std::string>{"rue", "\xE9t\xE9"}));
        const std::string txt = MakeFile("a.txt", InEncoding(imported, encoding));
        ASSERT_TRUE(m_library.Import(txt, "Vokabel, Bedeutung", ";"));
        EXPECT_EQ(m_library.Bedeutung(0, 0), strasse);
        EXPECT_EQ(Headwords(m_library), (std::vector<std::string>{"rue", "\xE9t\xE9"}));
        EXPECT_TRUE(m_messages.Texts().empty());
    }
}

TEST_F(LoadTest, ACharacterOutsideTheCodePageNamesItsLineAndChangesNothing) {
    const std::string before = MakeFile("vorher.asc", Asc({Voc("chat", "Katze")}));
    ASSERT_TRUE(m_library.Load(before, LoadMode::Replace));
    m_library.SetVokabel(0, "chien");
    // Line 12: the second entry's meaning.
    const std::string asc = MakeFile("polnisch.asc", Utf8FromCp1252(Asc({Voc("chat", "Katze")})) +
                                                         "miasto\r\n\xC5\x81\xC3\xB3\x64\xC5\xBA\r\n");
    const std::string txt = MakeFile("polnisch.txt", "a;b\r\nmiasto;\xC5\x81\xC3\xB3\x64\xC5\xBA\r\n");
    struct Case {
        std::string file;
        int line;
        std::function<bool()> read;
    };
    const std::vector<Case> cases = {
        {asc, 12, [&] { return m_library.Load(asc, LoadMode::Replace); }},
        {asc, 12, [&] { return m_library.Load(asc, LoadMode::Append); }},
        {txt, 2, [&] { return m_library.Import(txt, "Vokabel, Bedeutung", ";"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        m_messages.Clear();
        EXPECT_FALSE(c.read());
        EXPECT_EQ(m_messages.Texts(),
                  std::vector<std::string>{UnconvertibleCharacterMessage(c.file, c.line)});
        EXPECT_EQ(m_messages.All()[0].flags, kMbIconError);
        EXPECT_EQ(Headwords(m_library), (std::vector<std::string>{"chien"}));
        EXPECT_TRUE(m_library.Changed());
        EXPECT_EQ(m_library.FileName(), before);
    }
}

// Files named after their one entry, so the headwords tell which files were taken.
std::vector<TVokabel> Numbered(const std::string& stem, int count) {
    std::vector<TVokabel> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(Voc(stem + std::to_string(i), "x"));
    return entries;
}

TEST_F(LoadTest, RandomAreaTakesAtMostFiveFilesFromAllSubfolders) {
    for (int i = 0; i < 8; ++i)
        MakeFile("bereich/" + std::string(i % 2 ? "tief/er/" : "") + "f" + std::to_string(i) +
                     (i == 3 ? ".ASC" : ".asc"),
                 Asc(Numbered("f" + std::to_string(i) + "_", 2)));
    MakeFile("bereich/anders.txt", Asc(Numbered("txt", 1)));
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        SeedRandom(seed);
        m_library.SetVokabel(0, "vorher");
        m_library.LoadRandomArea(m_folder + "bereich");
        EXPECT_EQ(m_library.Count(), 10);
        EXPECT_FALSE(m_library.Changed());
        EXPECT_EQ(m_library.RandomAreaFolder(), m_folder + "bereich");
        EXPECT_TRUE(m_library.IsBlank(m_library.Count()));
        for (const std::string& word : Headwords(m_library))
            EXPECT_EQ(word[0], 'f') << word;
    }
    // The same seed gives the same library.
    SeedRandom(7);
    m_library.LoadRandomArea("");
    const std::vector<std::string> first = Headwords(m_library);
    SeedRandom(7);
    m_library.LoadRandomArea("");
    EXPECT_EQ(Headwords(m_library), first);
}

TEST_F(LoadTest, RandomAreaStopsOnceMoreThanFiveHundredEntriesAreIn) {
    for (int i = 0; i < 4; ++i)
        MakeFile("gross/g" + std::to_string(i) + ".asc", Asc(Numbered("g" + std::to_string(i) + "_", 300)));
    SeedRandom(11);
    m_library.LoadRandomArea(m_folder + "gross");
    EXPECT_EQ(m_library.Count(), 600); // two files: 300 is not yet more than 500
}

TEST_F(LoadTest, RandomAreaOfAnEmptyFolderIsEmpty) {
    m_temp.MakeFolder("leer");
    Fill(m_library, {Voc("chat", "Katze")});
    m_library.LoadRandomArea(m_folder + "leer");
    EXPECT_EQ(m_library.Count(), 0);
    EXPECT_EQ(m_library.Count(CountMode::Full), 1);
}

} // namespace
} // namespace qor::test
