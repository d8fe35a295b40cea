#include "platform/Shell.h"

#include "TempFolder.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::ScopedEnvironment;
using test::TempFolder;

// Keeps the tester's own XDG settings out of the way.
class ShellTest : public ::testing::Test {
protected:
    ScopedEnvironment m_desktop{"XDG_DESKTOP_DIR", nullptr};
    ScopedEnvironment m_data{"XDG_DATA_HOME", nullptr};
    ScopedEnvironment m_config{"XDG_CONFIG_HOME", nullptr};
    TempFolder m_home;
    std::string Home() const { return m_home.Path().string(); }
};

TEST_F(ShellTest, FoldersByPlace) {
    EXPECT_EQ(ShellFolder(0, Home()), "") << "no desktop folder yet";
    m_home.MakeFolder("Desktop");
    EXPECT_EQ(ShellFolder(0, Home()), Home() + "/Desktop");
    EXPECT_EQ(ShellFolder(1, Home()), "");
    EXPECT_EQ(ShellFolder(2, Home()), "");
    EXPECT_EQ(ShellFolder(3, Home()), Home() + "/.local/share/applications");
    EXPECT_TRUE(std::filesystem::is_directory(m_home / ".local/share/applications"));
    EXPECT_EQ(ShellFolder(4, Home()), Home() + "/.local/share/applications");
    EXPECT_EQ(ShellFolder(5, Home()), "");
    EXPECT_EQ(ShellFolder(-1, Home()), "");
}

TEST_F(ShellTest, FoldersFromTheXdgSettings) {
    m_home.MakeFolder("Schreibtisch");
    m_home.MakeFile(".config/user-dirs.dirs", "# erzeugt\nXDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
                                              "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    EXPECT_EQ(ShellFolder(0, Home()), Home() + "/Schreibtisch");

    std::string other = (m_home / "anderer Tisch").string();
    m_home.MakeFolder("anderer Tisch");
    ScopedEnvironment desktop("XDG_DESKTOP_DIR", other.c_str());
    EXPECT_EQ(ShellFolder(0, Home()), other);

    std::string data = (m_home / "daten").string();
    ScopedEnvironment dataHome("XDG_DATA_HOME", data.c_str());
    EXPECT_EQ(ShellFolder(3, Home()), data + "/applications");
    EXPECT_TRUE(std::filesystem::is_directory(m_home / "daten/applications"));
}

TEST_F(ShellTest, LinkIsADesktopEntry) {
    m_home.MakeFolder("Desktop");
    std::filesystem::path program = m_home.MakeFile("Programme/qor $1/qor.exe", "");
    std::string programPath = ProgramPath(program);
    ASSERT_TRUE(CreateShellLink(programPath, "qor französisch"_cp, 0, Home()));
    std::filesystem::path link = m_home / "Desktop/qor französisch.desktop";
    ASSERT_TRUE(std::filesystem::exists(link));
    const std::string expected = "[Desktop Entry]\n"
                                 "Type=Application\n"
                                 "Name=qor französisch\n"
                                 "Exec=\"" +
                                 Home() +
                                 "/Programme/qor \\\\$1/qor.exe\"\n"
                                 "Terminal=false\n";
    EXPECT_EQ(test::ReadFile(link), expected);
    EXPECT_NE(std::filesystem::status(link).permissions() & std::filesystem::perms::owner_exec,
              std::filesystem::perms::none);

    // A second link of the same title replaces the first.
    ASSERT_TRUE(
        CreateShellLink(ProgramPath(m_home / "PROGRAMME/QOR $1/qor.exe"), "qor französisch"_cp, 0, Home()));
    EXPECT_EQ(test::ReadFile(link), expected) << "the program path is matched to the file on disk";
    ASSERT_TRUE(CreateShellLink("/opt/100%/a\"b\\c", "qor französisch"_cp, 4, Home()));
    EXPECT_NE(test::ReadFile(m_home / ".local/share/applications/qor französisch.desktop")
                  .find("Exec=\"/opt/100%%/a\\\\\"b/c\"\n"),
              std::string::npos);
}

TEST_F(ShellTest, NoLinkWithoutAPlace) {
    EXPECT_FALSE(CreateShellLink("/opt/qor", "qor", 0, Home())) << "no desktop folder";
    EXPECT_FALSE(CreateShellLink("/opt/qor", "qor", 1, Home()));
    EXPECT_FALSE(CreateShellLink("/opt/qor", "", 3, Home()));
    EXPECT_TRUE(CreateShellLink("/opt/qor", "a/b", 3, Home()));
    EXPECT_TRUE(std::filesystem::exists(m_home / ".local/share/applications/a_b.desktop"));
}

TEST(DriveRoots, EnvironmentListReplacesTheMountFolders) {
    ScopedEnvironment roots("QOR_DRIVE_ROOTS", "/media/cd:/mnt/stick/::/media/cd/");
    EXPECT_EQ(DriveRoots(), (std::vector<std::string>{"/media/cd/", "/mnt/stick/"}));
    ScopedEnvironment empty("QOR_DRIVE_ROOTS", "");
    EXPECT_TRUE(DriveRoots().empty());
}

TEST(DriveRoots, MountFoldersEndWithASeparator) {
    ScopedEnvironment roots("QOR_DRIVE_ROOTS", nullptr);
    for (const std::string& root : DriveRoots()) {
        SCOPED_TRACE(root);
        EXPECT_EQ(root.back(), '/');
        EXPECT_TRUE(DirectoryExists(root));
    }
}

} // namespace
} // namespace qor
