#include "platform/IniFile.h"

#include "TempFolder.h"
#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::TempFolder;

// A qor.ini as an installation leaves it, with umlauts in Windows-1252 and CRLF line ends.
std::string SampleIni() {
    return std::string("; Einstellungen\r\n"
                       "[*qor]\r\n"
                       "Benutzer-Verzeichnis = \\\\server\\benutzer\\ \r\n"
                       "Schreibschutz=1\r\n"
                       "\r\n"
                       "[qor französisch]\r\n"_cp) +
           "Wave-Verzeichnis=D:\\wave\\\r\n"
           "Register=1\r\n"
           "\r\n"
           "[Andere]\r\n"
           "Register=7\r\n"
           "Wave-Verzeichnis=E:\\anders\\\r\n";
}

class IniFileTest : public ::testing::Test {
protected:
    std::string Write(std::string_view contents) {
        std::filesystem::path file = m_folder.MakeFile("qor.ini", contents);
        return file.string();
    }
    std::string Contents() const { return test::ReadFile(m_folder / "qor.ini"); }

    TempFolder m_folder;
};

TEST_F(IniFileTest, ReadsSectionsAndKeysWithoutRegardToCase) {
    IniFile ini(Write(SampleIni()));
    struct Case {
        std::string section;
        std::string key;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"*qor", "Benutzer-Verzeichnis", "\\\\server\\benutzer\\"},
        {"*QOR", "benutzer-verzeichnis", "\\\\server\\benutzer\\"},
        {" *qor ", " Schreibschutz ", "1"},
        {std::string("qor französisch"_cp), "Wave-Verzeichnis", "D:\\wave\\"},
        {std::string("QOR FRANZÖSISCH"_cp), "WAVE-VERZEICHNIS", "D:\\wave\\"},
        {"qor franzosisch", "Wave-Verzeichnis", std::nullopt},
        {"Andere", "Register", "7"},
        {"Andere", "Schreibschutz", std::nullopt},
        {"*qor", "Wave-Verzeichnis", std::nullopt},
        {"fehlt", "Register", std::nullopt},
        {"*qor", "", std::nullopt},
        {"*qor", "; Einstellungen", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section + "/" + c.key);
        EXPECT_EQ(ini.Read(c.section, c.key), c.expected);
    }
    EXPECT_TRUE(ini.Exists());
    EXPECT_EQ(ini.ReadString("fehlt", "x", "vorgabe"), "vorgabe");
    EXPECT_EQ(ini.ReadString("Andere", "Register", "vorgabe"), "7");
}

TEST_F(IniFileTest, FirstSectionAndFirstKeyWin) {
    IniFile ini(Write("[a]\nkey=first\nKEY=second\n[b]\nkey=other\n[A]\nkey=third\nonly=in duplicate\n"));
    EXPECT_EQ(ini.Read("a", "key"), "first");
    EXPECT_EQ(ini.Read("b", "key"), "other");
    // A repeated section is not searched: Windows stops at the first one of a name.
    EXPECT_EQ(ini.Read("a", "only"), std::nullopt);
}

TEST_F(IniFileTest, ReadingToleratesOtherFileStyles) {
    struct Case {
        const char* name;
        std::string text;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"LF line ends", "[s]\nk=v\n", "v"},
        {"no final line end", "[s]\r\nk=v", "v"},
        {"UTF-8 with BOM", "\xEF\xBB\xBF[s]\nk=Wörter\n", std::string("Wörter"_cp)},
        {"blanks around everything", "  [s]  \r\n   k   =   v w   \r\n", "v w"},
        {"tabs", "\t[s]\n\tk\t=\tv\t\n", "v"},
        {"quoted value", "[s]\nk=\"  padded  \"\n", "  padded  "},
        {"single-quoted value", "[s]\nk='x'\n", "x"},
        {"unmatched quote", "[s]\nk=\"x\n", "\"x"},
        {"lone quote", "[s]\nk=\"\n", "\""},
        {"empty value", "[s]\nk=\n", ""},
        {"value with '='", "[s]\nk=a=b\n", "a=b"},
        {"line without '='", "[s]\nk\n", std::nullopt},
        {"comment line", "[s]\n;k=v\n", std::nullopt},
        {"header without ']'", "[s]\n[t\nk=v\n", "v"},
        {"name runs to the last ']'", "[s]x]\nk=v\n", std::nullopt},
        {"blank inside brackets", "[ s ]\nk=v\n", std::nullopt},
        {"entry before any section", "k=v\n[s]\n", std::nullopt},
        {"empty file", "", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IniFile ini(Write(c.text));
        EXPECT_EQ(ini.Read("s", "k"), c.expected);
    }
    IniFile bom(Write("\xEF\xBB\xBF[qor französisch]\nk=v\n"));
    EXPECT_EQ(bom.Read("qor französisch"_cp, "k"), "v");
    IniFile header(Write("[s]x]\nk=v\n"));
    EXPECT_EQ(header.Read("s]x", "k"), "v");
}

TEST_F(IniFileTest, ReadIntegerLikeGetPrivateProfileInt) {
    struct Case {
        const char* value; // nullptr: the key is missing
        std::int32_t expected;
    };
    const std::vector<Case> cases = {
        {nullptr, -5},        {"1", 1},   {"0", 0},    {"-12", -12},       {"+7", 7},
        {"42abc", 42},        {"abc", 0}, {"", 0},     {"-", 0},           {"\"9\"", 9},
        {"12 34", 12},        {" 8 ", 8}, {"0x10", 0}, {"4294967295", -1}, {"2147483648", -2147483647 - 1},
        {"8421504", 8421504},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(missing)");
        std::string text = "[s]\r\n";
        if (c.value)
            text += std::string("k=") + c.value + "\r\n";
        IniFile ini(Write(text));
        EXPECT_EQ(ini.ReadInteger("s", "k", -5), c.expected);
    }
}

TEST_F(IniFileTest, MissingFileReadsAsEmpty) {
    IniFile ini((m_folder / "none.ini").string());
    EXPECT_FALSE(ini.Exists());
    EXPECT_EQ(ini.Read("s", "k"), std::nullopt);
    EXPECT_EQ(ini.ReadInteger("s", "k", 3), 3);
}

TEST_F(IniFileTest, WritingReplacesTheKeyInPlace) {
    IniFile ini(Write(SampleIni()));
    ASSERT_TRUE(ini.WriteString("QOR FRANZÖSISCH"_cp, "wave-verzeichnis", "F:\\wave\\"));
    std::string expected = SampleIni();
    expected.replace(expected.find("Wave-Verzeichnis=D:\\wave\\"), 25, "Wave-Verzeichnis=F:\\wave\\");
    EXPECT_EQ(Contents(), expected);
    ASSERT_TRUE(ini.WriteInteger("qor französisch"_cp, "Register", 0));
    EXPECT_EQ(ini.ReadInteger("qor französisch"_cp, "Register", 9), 0);
    EXPECT_EQ(ini.ReadInteger("Andere", "Register", 9), 7);
    // Blanks around '=' are not kept on the line written over.
    ASSERT_TRUE(ini.WriteString("*qor", "Benutzer-Verzeichnis", ""));
    EXPECT_NE(Contents().find("\r\nBenutzer-Verzeichnis=\r\n"), std::string::npos);
    EXPECT_EQ(ini.Read("*qor", "Benutzer-Verzeichnis"), "");
}

TEST_F(IniFileTest, WritingAppendsToTheSectionOrTheFile) {
    struct Case {
        const char* name;
        std::string before;
        std::string section;
        std::string key;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"new key at the end of its section, before the blank line",
         "[*qor]\r\nSchreibschutz=1\r\n\r\n[b]\r\nx=1\r\n", "*qor", "Neu",
         "[*qor]\r\nSchreibschutz=1\r\nNeu=wert\r\n\r\n[b]\r\nx=1\r\n"},
        {"comments in the section stay in front of the new key", "[a]\r\n; note\r\n[b]\r\n", "A", "k",
         "[a]\r\n; note\r\nk=wert\r\n[b]\r\n"},
        {"section with only its header", "[a]\r\n", "a", "k", "[a]\r\nk=wert\r\n"},
        {"last section, LF file becomes CRLF", "[x]\ny=2\n[a]\nb=1\n", "a", "k",
         "[x]\r\ny=2\r\n[a]\r\nb=1\r\nk=wert\r\n"},
        {"key that only the duplicate section has goes to the first one", "[a]\r\nx=1\r\n[a]\r\nk=2\r\n", "a",
         "k", "[a]\r\nx=1\r\nk=wert\r\n[a]\r\nk=2\r\n"},
        {"new section after a blank line", "; kopf\r\n[a]\r\nx=1", std::string("qor französisch"_cp), "k",
         std::string("; kopf\r\n[a]\r\nx=1\r\n\r\n[qor französisch]\r\nk=wert\r\n"_cp)},
        {"new section in an empty file", "", "s", "k", "[s]\r\nk=wert\r\n"},
        {"unknown lines are kept", "garbage line\r\n[s\r\n=x\r\n", "s", "k",
         "garbage line\r\n[s\r\n=x\r\n\r\n[s]\r\nk=wert\r\n"},
        {"BOM file is rewritten in Windows-1252", "\xEF\xBB\xBF[s]\nw=Wörter\n", "s", "k",
         std::string("[s]\r\nw=Wörter\r\nk=wert\r\n"_cp)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IniFile ini(Write(c.before));
        ASSERT_TRUE(ini.WriteString(c.section, c.key, "wert"));
        EXPECT_EQ(Contents(), c.after);
        EXPECT_EQ(ini.Read(c.section, c.key), "wert");
    }
}

TEST_F(IniFileTest, RoundTripWithUmlauts) {
    IniFile ini((m_folder / "neu.ini").string());
    const std::string section(" qor französisch"_cp);
    const std::string value("C:\\Programme\\Wörter (Ü)\\ŒŸ€"_cp);
    ASSERT_TRUE(ini.WriteString(section, "Aufnahmen Recht", value));
    ASSERT_TRUE(ini.WriteString("*qor", "Benutzer-Verzeichnis", "\\\\server\\"));
    ASSERT_TRUE(ini.WriteString("QOR FRANZÖSISCH"_cp, "Aufnahmen Wirtschaft", "-"));
    EXPECT_EQ(ini.Read("qor französisch"_cp, "aufnahmen recht"), value);
    EXPECT_EQ(ini.Read("QOR FRANZÖSISCH"_cp, "Aufnahmen Wirtschaft"), "-");
    EXPECT_EQ(test::ReadFile(m_folder / "neu.ini"),
              std::string("[qor französisch]\r\nAufnahmen Recht="_cp) + value +
                  "\r\nAufnahmen Wirtschaft=-\r\n\r\n[*qor]\r\nBenutzer-Verzeichnis=\\\\server\\\r\n");
}

TEST_F(IniFileTest, RefusedWritesLeaveTheFileAlone) {
    const std::string original = SampleIni();
    IniFile ini(Write(original));
    EXPECT_FALSE(ini.WriteString("", "k", "v"));
    EXPECT_FALSE(ini.WriteString("s", "  ", "v"));
    EXPECT_FALSE(ini.WriteString("s", "a=b", "v"));
    EXPECT_FALSE(ini.WriteString("s", ";k", "v"));
    EXPECT_FALSE(ini.WriteString("s", "k", "two\r\nlines"));
    EXPECT_FALSE(ini.WriteString("s\nt", "k", "v"));
    EXPECT_EQ(Contents(), original);
}

TEST_F(IniFileTest, FailedWriteLeavesTheFileUnchanged) {
    // As root, permissions do not stop a write; a folder in the way of the rename does.
    m_folder.MakeFile("blocked.ini/inside", "keep");
    IniFile blocked((m_folder / "blocked.ini").string());
    EXPECT_FALSE(blocked.WriteString("s", "k", "v"));
    EXPECT_EQ(test::ReadFile(m_folder / "blocked.ini/inside"), "keep");

    IniFile nowhere((m_folder / "missing/qor.ini").string());
    EXPECT_FALSE(nowhere.WriteString("s", "k", "v"));
    EXPECT_FALSE(std::filesystem::exists(m_folder / "missing"));
    EXPECT_EQ(nowhere.Read("s", "k"), std::nullopt);
}

TEST(IniParse, ClassifiesLines) {
    std::vector<IniLine> lines =
        ParseIniText("[Sektion]\r\n key = wert \r\n;kommentar\r\n\r\nfrei\n[offen\n");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].kind, IniLine::Kind::Section);
    EXPECT_EQ(lines[0].name, "Sektion");
    EXPECT_EQ(lines[1].kind, IniLine::Kind::Entry);
    EXPECT_EQ(lines[1].name, "key");
    EXPECT_EQ(lines[1].value, "wert");
    EXPECT_EQ(lines[1].raw, " key = wert ");
    EXPECT_EQ(lines[2].kind, IniLine::Kind::Other);
    EXPECT_EQ(lines[3].kind, IniLine::Kind::Other);
    EXPECT_EQ(lines[4].kind, IniLine::Kind::Other);
    EXPECT_EQ(lines[4].raw, "frei");
    EXPECT_EQ(lines[5].kind, IniLine::Kind::Other);
    EXPECT_TRUE(ParseIniText("").empty());
    EXPECT_EQ(ParseIniText("\n").size(), 1u);
}

} // namespace
} // namespace qor
