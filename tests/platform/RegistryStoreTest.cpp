#include "platform/RegistryStore.h"

#include "TempFolder.h"
#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::TempFolder;

const std::string kMainKey(R"(SOFTWARE\QOR\qor französisch)"_cp);
const std::string kFolderKey(R"(SOFTWARE\QOR\qor französisch\Verzeichnisse)"_cp);

class RegistryTest : public ::testing::Test {
protected:
    std::string FilePath() const { return (m_folder / "settings/local-machine.reg").string(); }
    std::unique_ptr<RegistryStore> Open() const { return OpenFileRegistry(FilePath()); }

    TempFolder m_folder;
};

TEST_F(RegistryTest, TypedReads) {
    auto store = Open();
    ASSERT_TRUE(store->WriteInteger(kMainKey, "Hintergrund", 8421504));
    ASSERT_TRUE(store->WriteText(kMainKey, "Online-Hilfe", "AUS"));
    ASSERT_TRUE(store->WriteText(kFolderKey, "Programm", "C:\\qor\\qor.exe"));

    EXPECT_EQ(store->ReadInteger(kMainKey, "Hintergrund"), 8421504);
    EXPECT_EQ(store->ReadText(kMainKey, "Online-Hilfe"), "AUS");
    // A value of the other type reads as absent, so the caller's default applies.
    EXPECT_EQ(store->ReadText(kMainKey, "Hintergrund"), std::nullopt);
    EXPECT_EQ(store->ReadInteger(kMainKey, "Online-Hilfe"), std::nullopt);
    EXPECT_EQ(store->ReadInteger(kMainKey, "Online-Hilfe", 5), 5);
    EXPECT_EQ(store->ReadText(kMainKey, "Hintergrund", "AN"), "AN");
    EXPECT_EQ(store->ReadText(kMainKey, "Fehlt"), std::nullopt);
    EXPECT_EQ(store->ReadText("SOFTWARE\\Fehlt", "Programm"), std::nullopt);
    // Overwriting changes the type.
    ASSERT_TRUE(store->WriteText(kMainKey, "Hintergrund", "grau"));
    EXPECT_EQ(store->ReadInteger(kMainKey, "Hintergrund"), std::nullopt);
    EXPECT_EQ(store->ReadText(kMainKey, "Hintergrund"), "grau");
}

TEST_F(RegistryTest, NamesIgnoreCaseAndExtraSeparators) {
    auto store = Open();
    ASSERT_TRUE(store->WriteText(kFolderKey, "Wave-Dateien", "D:\\wave\\"));
    const std::vector<std::string> spellings = {
        kFolderKey,
        std::string(R"(software\qor\QOR FRANZÖSISCH\verzeichnisse)"_cp),
        std::string(R"(\SOFTWARE\\QOR\qor französisch\Verzeichnisse\)"_cp),
    };
    for (const std::string& key : spellings) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(store->KeyExists(key));
        EXPECT_EQ(store->ReadText(key, "WAVE-DATEIEN"), "D:\\wave\\");
    }
    EXPECT_FALSE(store->KeyExists(R"(SOFTWARE\QOR\qor franzosisch)"));
    EXPECT_FALSE(store->KeyExists(""));
}

TEST_F(RegistryTest, WritingCreatesTheKeyAndItsParents) {
    auto store = Open();
    EXPECT_FALSE(store->KeyExists("SOFTWARE"));
    ASSERT_TRUE(store->WriteText(kFolderKey, "HQOR", "C:\\qor\\"));
    for (const char* key : {"SOFTWARE", "SOFTWARE\\QOR"}) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(store->KeyExists(key));
        EXPECT_TRUE(store->ValueNames(key).empty());
    }
    EXPECT_TRUE(store->KeyExists(kMainKey));
    EXPECT_TRUE(std::filesystem::exists(FilePath())) << "the folder is created on the first write";
    EXPECT_FALSE(store->WriteText("", "x", "y"));
    EXPECT_FALSE(store->WriteText("\\\\", "x", "y"));
    EXPECT_FALSE(store->WriteText("SOFTWARE\\bad\nkey", "x", "y"));
}

TEST_F(RegistryTest, ValueNamesAndDeletion) {
    auto store = Open();
    const std::string recentKey = kMainKey + "\\Dateien";
    for (const char* name : {"0", "1", "2", "3"})
        ASSERT_TRUE(store->WriteText(recentKey, name, std::string("datei") + name + ".asc"));
    ASSERT_TRUE(store->WriteText(recentKey, "1", "neu.asc"));
    EXPECT_EQ(store->ValueNames(recentKey), (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_TRUE(store->DeleteValue(recentKey, "2"));
    EXPECT_FALSE(store->DeleteValue(recentKey, "2"));
    EXPECT_FALSE(store->DeleteValue("SOFTWARE\\None", "2"));
    EXPECT_EQ(store->ValueNames(recentKey), (std::vector<std::string>{"0", "1", "3"}));
    EXPECT_EQ(Open()->ValueNames(recentKey), (std::vector<std::string>{"0", "1", "3"}));
    EXPECT_TRUE(store->ValueNames("SOFTWARE\\None").empty());
}

TEST_F(RegistryTest, ValuesPersistAcrossReopening) {
    const std::string awkward = std::string("Zeile 1\nZeile \"2\"\t\\ende\r\x01\x7F Wörter € ŒŸ"_cp);
    {
        auto store = Open();
        ASSERT_TRUE(store->WriteInteger(kMainKey, "Hintergrund", -1));
        ASSERT_TRUE(store->WriteInteger(kMainKey, "Min", -2147483647 - 1));
        ASSERT_TRUE(store->WriteText(kFolderKey, "Eigene Waves", awkward));
        ASSERT_TRUE(store->WriteText(kFolderKey, "Name \"mit\" \\ Zeichen", ""));
        ASSERT_TRUE(store->WriteText(kFolderKey, "", "standard"));
    }
    auto reopened = Open();
    EXPECT_EQ(reopened->ReadInteger(kMainKey, "Hintergrund"), -1);
    EXPECT_EQ(reopened->ReadInteger(kMainKey, "min"), -2147483647 - 1);
    EXPECT_EQ(reopened->ReadText(kFolderKey, "eigene waves"), awkward);
    EXPECT_EQ(reopened->ReadText(kFolderKey, "Name \"mit\" \\ Zeichen"), "");
    EXPECT_EQ(reopened->ReadText(kFolderKey, ""), "standard");
    // The file is UTF-8 text, one value per line.
    std::string file = test::ReadFile(FilePath());
    EXPECT_NE(file.find("[SOFTWARE\\QOR\\qor französisch]\n"), std::string::npos);
    EXPECT_NE(file.find("\"Hintergrund\"=dword:-1\n"), std::string::npos);
}

TEST_F(RegistryTest, DamagedLinesAreSkipped) {
    m_folder.MakeFile("settings/local-machine.reg", "\xEF\xBB\xBF; kommentar\n"
                                                    "\"vor jedem Schlüssel\"=text:\"x\"\n"
                                                    "[SOFTWARE\\QOR\\qor französisch]\r\n"
                                                    "\"Hintergrund\"=dword:255\r\n"
                                                    "\"Online-Hilfe\"=text:\"AUS\"\n"
                                                    "  \"Eingerückt\" = text:\"nein\"\n"
                                                    "\"Eingerückt2\"=text:\"ja\"   \n"
                                                    "\"kaputt=text:\"x\"\n"
                                                    "\"ohne Typ\"=\"x\"\n"
                                                    "\"falscher Typ\"=binary:00\n"
                                                    "\"zu groß\"=dword:4294967296\n"
                                                    "\"dword max\"=dword:4294967295\n"
                                                    "\"keine Zahl\"=dword:12a\n"
                                                    "\"leer\"=dword:\n"
                                                    "\"Rest\"=text:\"x\" y\n"
                                                    "\"Escape\"=text:\"\\q\"\n"
                                                    "\"Hex\"=text:\"\\x4\"\n"
                                                    "\"offen\"=text:\"abc\n"
                                                    "\"doppelt\"=text:\"erst\"\n"
                                                    "\"DOPPELT\"=text:\"dann\"\n"
                                                    "[kaputter Schlüssel\n"
                                                    "\"verloren\"=text:\"x\"\n"
                                                    "[\\\\]\n"
                                                    "\"auch verloren\"=text:\"x\"\n"
                                                    "[SOFTWARE\\QOR\\QOR FRANZÖSISCH]\n"
                                                    "\"Nachtrag\"=dword:1\n");
    auto store = Open();
    EXPECT_EQ(store->ReadInteger(kMainKey, "Hintergrund"), 255);
    EXPECT_EQ(store->ReadText(kMainKey, "Online-Hilfe"), "AUS");
    EXPECT_EQ(store->ReadText(kMainKey, "Eingerückt"_cp), std::nullopt);
    EXPECT_EQ(store->ReadText(kMainKey, "Eingerückt2"_cp), "ja");
    EXPECT_EQ(store->ReadInteger(kMainKey, "dword max"), -1);
    EXPECT_EQ(store->ReadText(kMainKey, "doppelt"), "dann");
    EXPECT_EQ(store->ReadInteger(kMainKey, "Nachtrag"), 1);
    EXPECT_EQ(store->ValueNames(kMainKey),
              (std::vector<std::string>{"Hintergrund", "Online-Hilfe", std::string("Eingerückt2"_cp),
                                        "dword max", "doppelt", "Nachtrag"}));
    EXPECT_FALSE(store->KeyExists("kaputter Schlüssel"_cp));
    EXPECT_EQ(store->ValueNames("SOFTWARE").size(), 0u);
}

TEST_F(RegistryTest, UnreadableFileIsNotReplacedUntilAWrite) {
    // A folder in place of the file: it reads as empty and stays as it is.
    m_folder.MakeFile("settings/local-machine.reg/keep", "keep");
    auto store = Open();
    EXPECT_FALSE(store->KeyExists("SOFTWARE"));
    EXPECT_EQ(test::ReadFile(m_folder / "settings/local-machine.reg/keep"), "keep");
    // The write fails, but the value is still there for this run.
    EXPECT_FALSE(store->WriteText(kMainKey, "Online-Hilfe", "AN"));
    EXPECT_EQ(store->ReadText(kMainKey, "Online-Hilfe"), "AN");
    EXPECT_EQ(test::ReadFile(m_folder / "settings/local-machine.reg/keep"), "keep");
}

TEST_F(RegistryTest, AFailedWriteIsSavedWithTheNextOne) {
    const std::filesystem::path file = m_folder / "store.reg";
    auto store = OpenFileRegistry(file.string());
    std::filesystem::create_directory(file);
    EXPECT_FALSE(store->WriteText(kMainKey, "erst", "1"));
    std::filesystem::remove(file);
    EXPECT_TRUE(store->WriteText(kMainKey, "dann", "2"));
    auto reopened = OpenFileRegistry(file.string());
    EXPECT_EQ(reopened->ReadText(kMainKey, "erst"), "1");
    EXPECT_EQ(reopened->ReadText(kMainKey, "dann"), "2");
}

TEST(RegistryText, FormatAndParseAreInverse) {
    std::vector<RegistryKeyData> keys = {
        {"A", {}},
        {"A\\B", {{"t", true, "x\\y\"z\n", 0}, {"i", false, "", -7}, {"", true, "", 0}}},
        {std::string("A\\B\\ÄÖÜ"_cp), {{std::string("€"_cp), true, "\x81\x8D\x8F\x90\x9D", 0}}},
    };
    EXPECT_EQ(ParseRegistryText(FormatRegistryText(keys)), keys);
    EXPECT_TRUE(ParseRegistryText("").empty());
    // Parents are added in front of a key.
    std::vector<RegistryKeyData> parsed = ParseRegistryText("[X\\Y\\Z]\n\"v\"=dword:1\n");
    ASSERT_EQ(parsed.size(), 3u);
    EXPECT_EQ(parsed[0].path, "X");
    EXPECT_EQ(parsed[1].path, "X\\Y");
    EXPECT_EQ(parsed[2].path, "X\\Y\\Z");
}

struct HiveFixture : public ::testing::Test {
    void TearDown() override {
        SetRegistry(RegistryHive::LocalMachine, nullptr);
        SetRegistry(RegistryHive::CurrentUser, nullptr);
    }
};

TEST_F(HiveFixture, ConfigFolderFollowsTheEnvironment) {
    {
        test::ScopedEnvironment config("QOR_CONFIG_DIR", "/tmp/qor-config");
        EXPECT_EQ(ConfigFolder(), "/tmp/qor-config");
    }
    test::ScopedEnvironment noConfig("QOR_CONFIG_DIR", nullptr);
    {
        test::ScopedEnvironment xdg("XDG_CONFIG_HOME", "/tmp/xdg");
        EXPECT_EQ(ConfigFolder(), "/tmp/xdg/qor");
    }
    test::ScopedEnvironment noXdg("XDG_CONFIG_HOME", nullptr);
    test::ScopedEnvironment home("HOME", "/home/lerner");
    EXPECT_EQ(ConfigFolder(), "/home/lerner/.config/qor");
    test::ScopedEnvironment relativeXdg("XDG_CONFIG_HOME", "relative");
    EXPECT_EQ(ConfigFolder(), "/home/lerner/.config/qor");
}

TEST_F(HiveFixture, HivesAreFilesInTheConfigFolder) {
    TempFolder folder;
    const std::string configFolder = (folder / "config").string();
    test::ScopedEnvironment config("QOR_CONFIG_DIR", configFolder.c_str());
    SetRegistry(RegistryHive::LocalMachine, nullptr);
    SetRegistry(RegistryHive::CurrentUser, nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder / "config")) << "nothing is created by reading";
    EXPECT_EQ(Registry(RegistryHive::LocalMachine).ReadText(kMainKey, "Online-Hilfe"), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(folder / "config"));
    ASSERT_TRUE(Registry(RegistryHive::LocalMachine).WriteText(kMainKey, "Online-Hilfe", "AN"));
    ASSERT_TRUE(Registry(RegistryHive::CurrentUser).WriteText("Software", "wer", "ich"));
    EXPECT_NE(test::ReadFile(folder / "config/local-machine.reg").find("Online-Hilfe"), std::string::npos);
    EXPECT_NE(test::ReadFile(folder / "config/current-user.reg").find("\"wer\"=text:\"ich\""),
              std::string::npos);
    EXPECT_EQ(Registry(RegistryHive::CurrentUser).ReadText(kMainKey, "Online-Hilfe"), std::nullopt);

    // A store set by a test replaces the file-backed one.
    auto replacement = OpenFileRegistry((folder / "other.reg").string());
    RegistryStore* raw = replacement.get();
    SetRegistry(RegistryHive::LocalMachine, std::move(replacement));
    EXPECT_EQ(&Registry(RegistryHive::LocalMachine), raw);
    EXPECT_EQ(Registry(RegistryHive::LocalMachine).ReadText(kMainKey, "Online-Hilfe"), std::nullopt);
    // Reset: opened again from the folder.
    SetRegistry(RegistryHive::LocalMachine, nullptr);
    EXPECT_EQ(Registry(RegistryHive::LocalMachine).ReadText(kMainKey, "Online-Hilfe"), "AN");
}

} // namespace
} // namespace qor
