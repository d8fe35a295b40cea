#include "app/DataPath.h"

#include "AppTestSupport.h"

namespace qor::test {
namespace {

class ResolveDataPathTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        m_settings.waveFolder = Folder("cd/wave");
        m_settings.ownRecordingsFolder = Folder("own");
        m_settings.lawRecordingsFolder = Folder("law");
        m_settings.businessRecordingsFolder = Folder("business");
        File("cd/wave/LA/1/Lab__1a.wav");
        File("own/mot.wav");
        File("law/loi.wav");
        File("business/prix.wav");
        m_plain = File("elsewhere/plain.wav");
    }

    AppSettings m_settings;
    std::string m_plain;
};

TEST_F(ResolveDataPathTest, PrefixesNameFilesInTheirFolders) {
    struct Case {
        std::string path;
        std::string file; // relative to the folder given by the prefix; empty: not found
        int code;
    };
    const Case cases[] = {
        {"XF:\\LA\\1\\Lab__1a.wav", m_settings.waveFolder + "LA\\1\\Lab__1a.wav", kDataPathFound},
        {"XU:\\mot.wav", m_settings.ownRecordingsFolder + "mot.wav", kDataPathFound},
        {"XR:\\loi.wav", m_settings.lawRecordingsFolder + "loi.wav", kDataPathFound},
        {"XW:\\prix.wav", m_settings.businessRecordingsFolder + "prix.wav", kDataPathFound},
        {"XF:\\LA\\1\\fehlt.wav", "", kDataPathMissing},
        {"XU:\\fehlt.wav", "", kDataPathMissing},
        {"", "", kDataPathMissing},
        {m_plain, m_plain, kDataPathFound},
        {m_plain + ".nicht", "", kDataPathMissing},
        // A lower-case prefix is no prefix: the path is used as it stands.
        {"xf:\\LA\\1\\Lab__1a.wav", "", kDataPathMissing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        ResolvedDataPath resolved = ResolveDataPath(c.path, m_settings);
        EXPECT_EQ(resolved.code, c.code);
        EXPECT_EQ(resolved.file, c.file);
    }
}

TEST_F(ResolveDataPathTest, UnsetFoldersGiveCodeFiveExceptTheWaveFolder) {
    struct Case {
        const char* name;
        std::string AppSettings::*folder;
        std::string folderValue;
        std::string path;
        int code;
    };
    const Case cases[] = {
        {"XF without wave folder", &AppSettings::waveFolder, "", "XF:\\LA\\1\\Lab__1a.wav", kDataPathMissing},
        {"XU without own folder", &AppSettings::ownRecordingsFolder, "", "XU:\\mot.wav", kDataPathNoFolder},
        {"XR without law folder", &AppSettings::lawRecordingsFolder, "", "XR:\\loi.wav", kDataPathNoFolder},
        {"XW without business folder", &AppSettings::businessRecordingsFolder, "", "XW:\\prix.wav",
         kDataPathNoFolder},
        {"XR with law folder -", &AppSettings::lawRecordingsFolder, "-", "XR:\\loi.wav", kDataPathMissing},
        {"XW with business folder -", &AppSettings::businessRecordingsFolder, "-", "XW:\\prix.wav",
         kDataPathMissing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppSettings settings = m_settings;
        settings.*c.folder = c.folderValue;
        ResolvedDataPath resolved = ResolveDataPath(c.path, settings);
        EXPECT_EQ(resolved.code, c.code);
        EXPECT_TRUE(resolved.file.empty());
    }
}

TEST_F(ResolveDataPathTest, WindowsStyleWaveFolderIsJoinedWithThePathAfterThePrefix) {
    // "XF:\LA\1\Lab__1a.wav" with the wave folder D:\wave\ names D:\wave\LA\1\Lab__1a.wav.
    fs::create_directories(m_root / "D:" / "wave" / "LA" / "1");
    std::ofstream(m_root / "D:" / "wave" / "LA" / "1" / "Lab__1a.wav") << "RIFF";
    AppSettings settings;
    settings.waveFolder = PathOf("D:") + "\\wave\\";
    ResolvedDataPath resolved = ResolveDataPath("XF:\\LA\\1\\Lab__1a.wav", settings);
    EXPECT_EQ(resolved.code, kDataPathFound);
    EXPECT_EQ(resolved.file, PathOf("D:") + "\\wave\\LA\\1\\Lab__1a.wav");
}

TEST_F(ResolveDataPathTest, UsesTheProcessWideSettingsByDefault) {
    Settings() = m_settings;
    EXPECT_EQ(ResolveDataPath("XU:\\mot.wav").code, kDataPathFound);
    Settings().ownRecordingsFolder.clear();
    EXPECT_EQ(ResolveDataPath("XU:\\mot.wav").code, kDataPathNoFolder);
}

} // namespace
} // namespace qor::test
