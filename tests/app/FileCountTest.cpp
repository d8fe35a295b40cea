#include "app/FileCount.h"

#include "AppTestSupport.h"

namespace qor::test {
namespace {

class CountFilesTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        File("lib/b.asc");
        File("lib/A.ASC");
        File("lib/notes.txt");
        File("lib/c.qob");
        File("lib/sub/d.asc");
        File("lib/sub/deeper/e.asc");
        File("lib/.versteckt/f.asc");
        Folder("lib/ordner.asc"); // a folder is never counted, whatever its name
        fs::create_directory_symlink(m_root / "lib" / "sub", m_root / "lib" / "link");
        m_folder = PathOf("lib");
    }

    std::string m_folder;
};

TEST_F(CountFilesTest, CountsThisLevelAndListsEveryLevel) {
    std::vector<std::string> list;
    EXPECT_EQ(CountFilesByExtension(m_folder, &list, ".asc"), 2);
    const std::vector<std::string> expected = {
        m_folder + "/A.ASC",
        m_folder + "/b.asc",
        // The sub-folders' files are listed but not counted; the hidden folder and the link are skipped.
        m_folder + "/sub/d.asc",
        m_folder + "/sub/deeper/e.asc",
    };
    EXPECT_EQ(list, expected);
}

TEST_F(CountFilesTest, ExtensionsAndFolderForms) {
    struct Case {
        const char* name;
        std::string folder;
        std::string ext1;
        std::optional<std::string> ext2;
        int count;
    };
    const Case cases[] = {
        {"second extension", m_folder, ".asc", std::string(".qob"), 3},
        {"other extension", m_folder, ".txt", std::nullopt, 1},
        {"no match", m_folder, ".wav", std::nullopt, 0},
        {"trailing separator given", m_folder + "/", ".asc", std::nullopt, 2},
        {"backslash separator", m_folder + "\\sub\\", ".asc", std::nullopt, 1},
        {"missing folder", m_folder + "/fehlt", ".asc", std::nullopt, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<std::string_view> ext2;
        if (c.ext2)
            ext2 = *c.ext2;
        EXPECT_EQ(CountFilesByExtension(c.folder, nullptr, c.ext1, ext2), c.count);
    }
}

} // namespace
} // namespace qor::test
