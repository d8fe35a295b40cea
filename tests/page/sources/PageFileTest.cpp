// Reading page files: which are packed, the carriage return at the end, and files that are
// damaged, too large or unreadable.

#include "page/sources/PageFile.h"

#include "SourcesTestSupport.h"
#include "platform/Cp1252.h"
#include "platform/TempFolder.h"
#include "platform/Zlib.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace qor::test {
namespace {

TEST(PageFile, PackedAndExerciseExtensionsAreComparedExactly) {
    struct ExtensionCase {
        const char* path;
        bool packed;
        bool exercise;
    };
    const std::vector<ExtensionCase> cases = {
        {"C:\\kurs\\lek1\\start.htx", true, false},
        {"seite.hqor", true, false},
        {"seite.xtml", true, false},
        {"seite.xtm", true, false},
        {"seite.HTX", false, false},
        {"seite.Htx", false, false},
        {"seite.html", false, false},
        {"seite.htm", false, false},
        {"uebung.qor", false, true},
        {"uebung.QOR", false, false},
        {"C:\\kurs\\lek.htx\\seite", false, false},
        {"/daten/lek.htx/seite.html", false, false},
        {"seite", false, false},
        {"seite.htx.bak", false, false},
    };
    for (const ExtensionCase& extensionCase : cases) {
        SCOPED_TRACE(extensionCase.path);
        EXPECT_EQ(IsPackedPageFile(extensionCase.path), extensionCase.packed);
        EXPECT_EQ(IsExerciseFile(extensionCase.path), extensionCase.exercise);
    }
}

TEST(PageFile, TextEndsWithExactlyTheCarriageReturnItNeeds) {
    struct TextCase {
        const char* name;
        std::string bytes;
        std::string text;
    };
    const std::vector<TextCase> cases = {
        {"seite.html", "<B>a</B>", "<B>a</B>\r"},
        {"seite.html", "a\r", "a\r"},
        {"seite.html", "a\r\n", "a\r\n\r"},
        {"seite.html", "", "\r"},
        {"seite.htx", DeflateZlib("a\r"), "a\r"},
        {"seite.htx", DeflateZlib("a"), "a\r"},
        {"seite.htx", DeflateZlib(""), "\r"},
        // Upper-case extensions are plain text, even when the bytes are a zlib stream.
        {"seite.HTX", "x\x9C", "x\x9C\r"},
        {"uebung.qor", "QOR!01<EX>a</EX>", "QOR!01<EX>a</EX>\r"},
    };
    for (const TextCase& textCase : cases) {
        SCOPED_TRACE(textCase.name + (" " + textCase.text));
        std::string text, error;
        ASSERT_TRUE(PageTextFromBytes(textCase.name, textCase.bytes, text, error)) << error;
        EXPECT_EQ(text, textCase.text);
        EXPECT_TRUE(error.empty());
    }
}

TEST(PageFile, DamagedPackedPagesGiveAMessageAndNoText) {
    const std::string packed = DeflateZlib("<HTML><BODY>Bonjour tout le monde, ceci est une page.</BODY>\r");
    std::string flipped = packed;
    flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 0x55);
    std::string badChecksum = packed;
    badChecksum.back() = static_cast<char>(badChecksum.back() ^ 1);
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"truncated", packed.substr(0, packed.size() / 2)},
        {"only the header", packed.substr(0, 2)},
        {"empty file", ""},
        {"not zlib at all", "<HTML>plain text in a packed name"},
        {"flipped bits", flipped},
        {"wrong checksum", badChecksum},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        std::string text = "old", error;
        EXPECT_FALSE(PageTextFromBytes("C:\\kurs\\seite.htx", bytes, text, error));
        EXPECT_EQ(error, "Die Seite C:\\kurs\\seite.htx ist beschädigt."_cp);
        EXPECT_TRUE(text.empty());
    }
}

TEST(PageFile, InflatingStopsAtTheLimit) {
    // 65 MB of spaces pack into a few dozen kilobytes.
    const std::string bomb = DeflateZlib(std::string(kMaxPageTextBytes + 1024 * 1024, ' '));
    ASSERT_LT(bomb.size(), 1024u * 1024u);
    std::string text, error;
    EXPECT_FALSE(PageTextFromBytes("bombe.htx", bomb, text, error));
    EXPECT_EQ(error, "Die Seite bombe.htx ist zu groß."_cp);
    EXPECT_TRUE(text.empty());
}

class PageFileOnDisk : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        return ProgramPathOf(m_folder.MakeFile(name, bytes));
    }
    TempFolder m_folder;
};

TEST_F(PageFileOnDisk, LoadsPlainAndPackedFiles) {
    const std::string plain = Write("seite.html", "<P>Bonjour");
    const std::string packed = Write("seite.htx", DeflateZlib("<P>Salut\r"));
    const std::string upper = Write("seite.HTX", "<P>Hallo");
    std::string text, error;
    ASSERT_TRUE(LoadPageText(plain, text, error)) << error;
    EXPECT_EQ(text, "<P>Bonjour\r");
    ASSERT_TRUE(LoadPageText(packed, text, error)) << error;
    EXPECT_EQ(text, "<P>Salut\r");
    ASSERT_TRUE(LoadPageText(upper, text, error)) << error;
    EXPECT_EQ(text, "<P>Hallo\r");
}

// Page files are read in 64 KB pieces; the size is only looked at when the first piece is full.
TEST_F(PageFileOnDisk, ReadsFilesOfEverySizeWhole) {
    for (const std::size_t size : {0, 1, 65535, 65536, 65537, 200000}) {
        SCOPED_TRACE(size);
        std::string bytes(size, ' ');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>('a' + i % 26);
        const std::string path = Write("seite" + std::to_string(size) + ".html", bytes);
        std::string text, error;
        ASSERT_TRUE(LoadPageText(path, text, error)) << error;
        EXPECT_EQ(text, bytes + "\r");
    }
}

TEST_F(PageFileOnDisk, ALookedUpFileIsReadUnderItsProgramName) {
    const std::filesystem::path packed = m_folder.MakeFile("roh.bin", DeflateZlib("<P>Salut"));
    const std::filesystem::path damaged = m_folder.MakeFile("kaputt.bin", "kein zlib");
    std::string text, error;
    // The program name decides whether the file is packed and names it in messages.
    ASSERT_TRUE(LoadNativePageText(packed, "C:\\kurs\\seite.htx", text, error)) << error;
    EXPECT_EQ(text, "<P>Salut\r");
    EXPECT_FALSE(LoadNativePageText(damaged, "C:\\kurs\\seite.htx", text, error));
    EXPECT_EQ(error, "Die Seite C:\\kurs\\seite.htx ist beschädigt."_cp);
    EXPECT_TRUE(text.empty());
    EXPECT_FALSE(LoadNativePageText(m_folder / "fehlt.bin", "seite.htx", text, error));
    EXPECT_EQ(error, "Die Datei seite.htx wurde nicht gefunden.");
}

// The learner reads why in German, with the file named, not the system's English words.
TEST_F(PageFileOnDisk, ReadErrorsNameTheFile) {
    const std::string missing = ProgramPathOf(m_folder / "fehlt.html");
    const std::string folder = ProgramPathOf(m_folder.MakeFolder("ordner.htx"));
    const std::string belowAFile = Write("datei.html", "x") + "/seite.html";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {missing, "Die Datei " + missing + " wurde nicht gefunden."},
        {belowAFile, "Die Datei " + belowAFile + " wurde nicht gefunden."},
        {folder, folder + " ist ein Ordner und keine Datei."},
    };
    for (const auto& [path, message] : cases) {
        SCOPED_TRACE(path);
        std::string text = "old", error;
        EXPECT_FALSE(LoadPageText(path, text, error));
        EXPECT_EQ(error, message);
        EXPECT_TRUE(text.empty());
    }
}

TEST_F(PageFileOnDisk, RefusesFilesAboveTheSizeLimit) {
    // A sparse file: large on disk as far as its size says, without writing 64 MB.
    const std::filesystem::path huge = m_folder.MakeFile("riesig.html", "");
    std::filesystem::resize_file(huge, kMaxPageFileBytes + 1);
    std::string text, error;
    EXPECT_FALSE(LoadPageText(ProgramPathOf(huge), text, error));
    EXPECT_EQ(error, "Die Seite " + ProgramPathOf(huge) + std::string(" ist zu groß."_cp));
    EXPECT_TRUE(text.empty());
}

TEST(Zlib, RoundTripsAndReportsWhatWentWrong) {
    std::string text(200000, '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char>((i * 7919) % 251);
    const std::string packed = DeflateZlib(text);
    std::string out;
    ASSERT_EQ(InflateZlib(packed, out, text.size()), InflateStatus::Ok);
    EXPECT_EQ(out, text);
    EXPECT_EQ(InflateZlib(packed, out, text.size() - 1), InflateStatus::TooLarge);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(InflateZlib(packed.substr(0, packed.size() - 1), out, text.size()), InflateStatus::Truncated);
    EXPECT_EQ(InflateZlib("\x78\x9C\xFF\xFF", out, 100), InflateStatus::Corrupt);
    EXPECT_EQ(InflateZlib("", out, 100), InflateStatus::Truncated);
    // Bytes after the end of the stream are not part of it.
    ASSERT_EQ(InflateZlib(DeflateZlib("abc") + "rest", out, 100), InflateStatus::Ok);
    EXPECT_EQ(out, "abc");
}

} // namespace
} // namespace qor::test
