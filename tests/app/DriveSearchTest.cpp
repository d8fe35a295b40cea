#include "app/DriveSearch.h"

#include "AppTestSupport.h"
#include "app/SettingsKeys.h"
#include "platform/IniFile.h"

namespace qor::test {
namespace {

enum Holds : int { kNothing = 0, kMarker = 1, kVocabulary = 2, kBoth = 3 };

class DriveSearchTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Folder("prog");
        SetProgramFile(m_settings, PathOf("prog/qor.exe"));
    }

    // Roots "drive0/", "drive1/", ... holding what `contents` says, in this order.
    std::vector<std::string> Roots(const std::vector<int>& contents) {
        std::vector<std::string> roots;
        for (std::size_t i = 0; i < contents.size(); ++i) {
            std::string name = "drive" + std::to_string(i);
            roots.push_back(Folder(name));
            if (contents[i] & kMarker)
                File(name + "/wave/QOR_F");
            if (contents[i] & kVocabulary)
                Folder(name + "/Vokabeln (F)/Grundwortschatz");
        }
        return roots;
    }

    std::optional<std::string> IniWaveFolder() const {
        return IniFile((m_root / "prog" / "qor.ini").string()).Read(kIniProductSection, "Wave-Verzeichnis");
    }

    AppSettings m_settings;
    LoggingRegistry m_log;
};

TEST_F(DriveSearchTest, TheFirstRootWithMarkerAndVocabularyWins) {
    struct Case {
        const char* name;
        std::vector<int> contents;
        int expected; // index of the chosen root, -1 for none
    };
    const Case cases[] = {
        {"only the third qualifies", {kMarker, kVocabulary, kBoth}, 2},
        {"stops at the first of two", {kNothing, kBoth, kBoth}, 1},
        {"marker alone is not enough", {kMarker, kMarker}, -1},
        {"vocabulary alone is not enough", {kVocabulary}, -1},
        {"no roots at all", {}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(m_root / "prog" / "qor.ini");
        for (int i = 0; i < 4; ++i)
            fs::remove_all(m_root / ("drive" + std::to_string(i)));
        std::vector<std::string> roots = Roots(c.contents);
        AppSettings settings = m_settings;
        bool found = SearchDataDrive(settings, m_log, roots);
        EXPECT_EQ(found, c.expected >= 0);
        if (c.expected >= 0) {
            std::string wave = roots[static_cast<std::size_t>(c.expected)] + "wave/";
            EXPECT_EQ(settings.waveFolder, wave);
            EXPECT_EQ(IniWaveFolder(), wave);
        } else {
            EXPECT_EQ(settings.waveFolder, "");
            EXPECT_FALSE(IniWaveFolder().has_value());
        }
    }
}

TEST_F(DriveSearchTest, NeverTriesMoreRootsThanDriveLettersDToY) {
    std::vector<int> contents(kDriveSearchLimit + 1, kNothing);
    contents.back() = kBoth; // the place of drive Z
    std::vector<std::string> roots = Roots(contents);
    EXPECT_FALSE(SearchDataDrive(m_settings, m_log, roots));
    EXPECT_EQ(m_settings.waveFolder, "");

    contents = std::vector<int>(kDriveSearchLimit, kNothing);
    contents.back() = kBoth; // the place of drive Y
    roots = Roots(contents);
    EXPECT_TRUE(SearchDataDrive(m_settings, m_log, roots));
    EXPECT_EQ(m_settings.waveFolder, roots.back() + "wave/");
}

TEST_F(DriveSearchTest, AWaveFolderWithItsMarkerIsKept) {
    m_settings.waveFolder = Folder("hd/wave");
    File("hd/wave/QOR_F");
    std::vector<std::string> roots = Roots({kBoth});
    EXPECT_TRUE(SearchDataDrive(m_settings, m_log, roots));
    EXPECT_EQ(m_settings.waveFolder, PathOf("hd/wave") + "/");
    EXPECT_FALSE(IniWaveFolder().has_value());
}

TEST_F(DriveSearchTest, IsDataDriveRootNeedsBothParts) {
    std::vector<std::string> roots = Roots({kNothing, kMarker, kVocabulary, kBoth});
    EXPECT_FALSE(IsDataDriveRoot(roots[0]));
    EXPECT_FALSE(IsDataDriveRoot(roots[1]));
    EXPECT_FALSE(IsDataDriveRoot(roots[2]));
    EXPECT_TRUE(IsDataDriveRoot(roots[3]));
}

} // namespace
} // namespace qor::test
