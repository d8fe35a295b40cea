#include "app/FolderSettings.h"

#include "AppTestSupport.h"
#include "app/SettingsKeys.h"
#include "app/SettingsWrites.h"
#include "platform/IniFile.h"

namespace qor::test {
namespace {

class SaveFolderSettingsTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Folder("prog");
        SetProgramFile(m_settings, PathOf("prog/qor.exe"));
        m_settings.userFolder = Folder("users");
        m_settings.waveFolder = Folder("cd/wave");
        m_settings.lawRecordingsFolder = Folder("law");
        m_settings.businessRecordingsFolder = Folder("business");
        m_settings.vocabularyFolder = Folder("prog/Vokabeln (F)");
        m_settings.ownRecordingsFolder = Folder("own");
        m_settings.editorScheme = "blau";
    }

    std::optional<std::string> Ini(std::string_view section, std::string_view key) const {
        return IniFile((m_root / "prog" / "qor.ini").string()).Read(section, key);
    }
    bool IniExists() const { return fs::exists(m_root / "prog" / "qor.ini"); }

    AppSettings m_settings;
    LoggingRegistry m_log;
};

TEST_F(SaveFolderSettingsTest, IniIsWrittenOnlyWhenABitAndItsFolderAreSet) {
    struct Case {
        const char* name;
        int mask;
        std::string AppSettings::*emptied; // a folder cleared first, or nullptr
        bool written;
    };
    const Case cases[] = {
        {"user folder", kSaveUserFolder, nullptr, true},
        {"user folder empty", kSaveUserFolder, &AppSettings::userFolder, false},
        {"wave folder", kSaveWaveFolder, nullptr, true},
        {"wave folder empty", kSaveWaveFolder, &AppSettings::waveFolder, false},
        {"business folder", kSaveBusinessRecordings, nullptr, true},
        {"business folder empty", kSaveBusinessRecordings, &AppSettings::businessRecordingsFolder, false},
        {"law folder", kSaveLawRecordings, nullptr, true},
        {"law folder empty", kSaveLawRecordings, &AppSettings::lawRecordingsFolder, false},
        {"registry bits only", kSaveEditorScheme | kSaveProgramPath, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(m_root / "prog" / "qor.ini");
        AppSettings settings = m_settings;
        if (c.emptied)
            settings.*c.emptied = "";
        SaveFolderSettings(c.mask, settings, m_log);
        EXPECT_EQ(IniExists(), c.written);
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SaveFolderSettingsTest, WritingTheIniAlwaysWritesUserAndWaveFolder) {
    SaveFolderSettings(kSaveWaveFolder, m_settings, m_log);
    EXPECT_EQ(Ini(kIniCommonSection, "Benutzer-Verzeichnis"), m_settings.userFolder);
    EXPECT_EQ(Ini(kIniProductSection, "Wave-Verzeichnis"), m_settings.waveFolder);
    // Recordings folders only with their bits.
    EXPECT_FALSE(Ini(kIniProductSection, "Aufnahmen Recht").has_value());
    EXPECT_FALSE(Ini(kIniProductSection, "Aufnahmen Wirtschaft").has_value());
    // Bits 0x02 and 0x20 never reach the registry.
    EXPECT_TRUE(m_log.writes.empty());

    SaveFolderSettings(kSaveLawRecordings | kSaveBusinessRecordings, m_settings, m_log);
    EXPECT_EQ(Ini(kIniProductSection, "Aufnahmen Recht"), m_settings.lawRecordingsFolder);
    EXPECT_EQ(Ini(kIniProductSection, "Aufnahmen Wirtschaft"), m_settings.businessRecordingsFolder);
}

TEST(IniFolderText, FoldersBelowTheProgramFolderAreRelativeToIt) {
    const struct {
        const char* folder;
        const char* text;
    } cases[] = {
        {"/opt/qor/wave/", "wave/"},
        {"/opt/qor/Benutzer/Anna/", "Benutzer/Anna/"},
        {"/opt/qor/", "/opt/qor/"}, // the program folder itself
        {"/opt/qorx/wave/", "/opt/qorx/wave/"},
        {"/media/cd/wave/", "/media/cd/wave/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(IniFolderText(c.folder, "/opt/qor/"), c.text);
        EXPECT_EQ(FolderFromIniText(IniFolderText(c.folder, "/opt/qor/"), "/opt/qor/"), c.folder);
    }
    EXPECT_EQ(FolderFromIniText("wave\\", "/opt/qor/"), "/opt/qor/wave\\");
    EXPECT_EQ(FolderFromIniText("D:\\wave\\", "/opt/qor/"), "D:\\wave\\");
    EXPECT_EQ(FolderFromIniText("", "/opt/qor/"), "");
}

TEST_F(SaveFolderSettingsTest, AWaveFolderInTheProgramFolderIsWrittenRelative) {
    m_settings.waveFolder = Folder("prog/wave");
    SaveFolderSettings(kSaveWaveFolder, m_settings, m_log);
    EXPECT_EQ(Ini(kIniProductSection, "Wave-Verzeichnis"), "wave/");
}

TEST_F(SaveFolderSettingsTest, MissingRecordingsFoldersAreWrittenEmpty) {
    File("prog/qor.ini", std::string("[qor französisch]\r\nAufnahmen Recht=/alt/recht\r\n"
                                     "Aufnahmen Wirtschaft=/alt/wirtschaft\r\n"_cp));
    m_settings.lawRecordingsFolder = "-";
    m_settings.businessRecordingsFolder = "-";
    // Neither recordings bit is set: the "-" folders are cleared anyway whenever the ini is written.
    SaveFolderSettings(kSaveWaveFolder, m_settings, m_log);
    EXPECT_EQ(Ini(kIniProductSection, "Aufnahmen Recht"), "");
    EXPECT_EQ(Ini(kIniProductSection, "Aufnahmen Wirtschaft"), "");
}

TEST_F(SaveFolderSettingsTest, LawFolderIsNotWrittenForANetworkProgramPath) {
    AppSettings settings = m_settings;
    settings.programFile = "\\\\server\\qor\\qor.exe";
    SaveFolderSettings(kSaveLawRecordings, settings, m_log);
    EXPECT_FALSE(IniExists());
    EXPECT_TRUE(Messages().empty()); // nothing was even tried
    EXPECT_TRUE(m_log.writes.empty());

    SaveFolderSettings(kSaveLawRecordings, m_settings, m_log);
    EXPECT_EQ(Ini(kIniProductSection, "Aufnahmen Recht"), m_settings.lawRecordingsFolder);
}

TEST_F(SaveFolderSettingsTest, RegistryValuesAreWrittenInTheirFixedOrder) {
    SaveFolderSettings(kSaveProgramPath | kSaveOwnRecordings | kSaveVocabularyFolder | kSaveEditorScheme |
                           kSaveWaveFolder | kSaveUserFolder,
                       m_settings, m_log);
    const std::vector<std::string> expected = {
        "Editor-Schema=blau",
        "Vokabel-Dateien=" + m_settings.vocabularyFolder,
        "Eigene Waves=" + m_settings.ownRecordingsFolder,
        "Programm=" + m_settings.programFile,
    };
    EXPECT_EQ(m_log.writes, expected);
    EXPECT_EQ(m_log.ReadText(kFoldersKey, "Programm"), m_settings.programFile);
}

TEST_F(SaveFolderSettingsTest, EmptyRegistrySettingsAreSkipped) {
    AppSettings settings = m_settings;
    settings.vocabularyFolder.clear();
    settings.ownRecordingsFolder.clear();
    settings.programFolder.clear();
    SaveFolderSettings(kSaveProgramPath | kSaveOwnRecordings | kSaveVocabularyFolder, settings, m_log);
    EXPECT_TRUE(m_log.writes.empty());
}

TEST_F(SaveFolderSettingsTest, TheFoldersKeyIsCreatedInTheProcessWideRegistry) {
    Settings() = m_settings;
    ASSERT_FALSE(Store().KeyExists(kFoldersKey));
    SaveFolderSettings(kSaveEditorScheme);
    EXPECT_TRUE(Store().KeyExists(kFoldersKey));
    EXPECT_EQ(Store().ReadText(kFoldersKey, "Editor-Schema"), "blau");
}

// [Settings that cannot be written]

TEST_F(SaveFolderSettingsTest, AnUnwritableIniDoesNotStopTheRegistryWrites) {
    fs::create_directories(m_root / "prog" / "qor.ini"); // a folder where the file should be
    SaveFolderSettings(kSaveWaveFolder | kSaveEditorScheme, m_settings, m_log);
    EXPECT_EQ(m_log.writes, std::vector<std::string>{"Editor-Schema=blau"});

    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].flags, kMbIconExclamation);
    EXPECT_EQ(Messages()[0].text,
              "Die Einstellungen konnten nicht gespeichert werden: " + PathOf("prog/qor.ini") +
                  "\rSie gelten nur bis zum Ende dieser Sitzung.");

    // Warned once per session; the values stay known for the session.
    SaveFolderSettings(kSaveUserFolder, m_settings, m_log);
    EXPECT_EQ(Messages().size(), 1u);
    IniFile ini((m_root / "prog" / "qor.ini").string());
    EXPECT_EQ(SettingsWrites().ReadIniValue(ini, "QOR FRANZÖSISCH"_cp, "wave-verzeichnis"),
              m_settings.waveFolder);
    EXPECT_TRUE(SettingsWrites().HasUnsavedIniValues());
}

TEST_F(SaveFolderSettingsTest, ValuesKeptInMemoryAreWrittenWithTheNextSuccessfulWrite) {
    fs::create_directories(m_root / "prog" / "qor.ini");
    SaveFolderSettings(kSaveWaveFolder, m_settings, m_log);
    ASSERT_TRUE(SettingsWrites().HasUnsavedIniValues());

    fs::remove(m_root / "prog" / "qor.ini");
    IniFile ini((m_root / "prog" / "qor.ini").string());
    EXPECT_TRUE(SettingsWrites().WriteIniText(ini, kIniCommonSection, "Schreibschutz", "0"));
    EXPECT_FALSE(SettingsWrites().HasUnsavedIniValues());
    EXPECT_EQ(Ini(kIniProductSection, "Wave-Verzeichnis"), m_settings.waveFolder);
    EXPECT_EQ(Ini(kIniCommonSection, "Benutzer-Verzeichnis"), m_settings.userFolder);
}

TEST_F(SaveFolderSettingsTest, AFailingRegistryDoesNotStopTheIniOrTheOtherValues) {
    m_log.failWrites = true;
    SaveFolderSettings(kSaveWaveFolder | kSaveEditorScheme | kSaveProgramPath, m_settings, m_log);
    EXPECT_EQ(Ini(kIniProductSection, "Wave-Verzeichnis"), m_settings.waveFolder);
    EXPECT_EQ(m_log.writes.size(), 2u);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, std::string("Die Einstellungen konnten nicht gespeichert werden: ") +
                                      std::string(kFoldersKey) +
                                      "\rSie gelten nur bis zum Ende dieser Sitzung.");
}

} // namespace
} // namespace qor::test
