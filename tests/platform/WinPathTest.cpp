#include "platform/WinPath.h"

#include "TempFolder.h"
#include "platform/Cp1252.h"

#include <chrono>
#include <gtest/gtest.h>

namespace qor {
namespace {

using test::TempFolder;

TEST(WinPath, PartsOfAPath) {
    struct Case {
        std::string path;
        std::string folder;
        std::string name;
        std::string extension;
    };
    const std::vector<Case> cases = {
        {"C:\\qor\\hqor\\main.htx", "C:\\qor\\hqor\\", "main.htx", ".htx"},
        {"/media/cd/wave/LA\\1\\Lab__1a.wav", "/media/cd/wave/LA\\1\\", "Lab__1a.wav", ".wav"},
        {"main.htx", "", "main.htx", ".htx"},
        {"folder\\", "folder\\", "", ""},
        {"a.b\\noext", "a.b\\", "noext", ""},
        {"archive.tar.gz", "", "archive.tar.gz", ".gz"},
        {"", "", "", ""},
        {"Vokabeln (F)\\Wörter.asc", "Vokabeln (F)\\", "Wörter.asc", ".asc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FolderPart(c.path), c.folder);
        EXPECT_EQ(FileNamePart(c.path), c.name);
        EXPECT_EQ(ExtensionPart(c.path), c.extension);
    }
}

TEST(WinPath, TrailingSeparator) {
    EXPECT_EQ(WithTrailingSeparator("/a/b"), std::string("/a/b") + kPathSeparator);
    EXPECT_EQ(WithTrailingSeparator("/a/b/"), "/a/b/");
    EXPECT_EQ(WithTrailingSeparator("C:\\wave\\"), "C:\\wave\\");
    EXPECT_EQ(WithTrailingSeparator(""), "");
    EXPECT_TRUE(IsPathSeparator('\\'));
    EXPECT_TRUE(IsPathSeparator('/'));
    EXPECT_FALSE(IsPathSeparator(':'));
}

class PathMapping : public ::testing::Test {
protected:
    void SetUp() override {
        m_root.MakeFile("Hqor/Main.HTX", "main");
        m_root.MakeFile("Hqor/bilder/Logo.jpg", "logo");
        m_root.MakeFile("Vokabeln (F)/Wörter/Liste.asc", "liste");
        m_root.MakeFolder("Vokabeln (F)/Grundwortschatz");
        m_root.MakeFile("both/a", "lower");
        m_root.MakeFile("both/A", "upper");
    }
    // The temporary folder as a program path, ending with '/'.
    std::string Root() const { return WithTrailingSeparator(ProgramPath(m_root.Path())); }

    TempFolder m_root;
};

TEST_F(PathMapping, ComponentsAreMatchedWithoutRegardToCase) {
    struct Case {
        std::string relative; // Windows-1252 program path below the root
        std::string expected; // UTF-8 path below the root, empty when nothing is found
    };
    const std::vector<Case> cases = {
        {"hqor\\main.htx", "Hqor/Main.HTX"},
        {"HQOR/MAIN.htx", "Hqor/Main.HTX"},
        {"Hqor\\Main.HTX", "Hqor/Main.HTX"},
        {"hqor\\BILDER\\logo.JPG", "Hqor/bilder/Logo.jpg"},
        {"hqor\\bilder\\..\\main.htx", "Hqor/Main.HTX"},
        {"hqor\\.\\main.htx", "Hqor/Main.HTX"},
        {"hqor\\\\main.htx", "Hqor/Main.HTX"},
        {"vokabeln (f)\\" + std::string("WÖRTER"_cp) + "\\liste.asc", "Vokabeln (F)/Wörter/Liste.asc"},
        {"Vokabeln (F)\\" + std::string("wörter"_cp) + "\\Liste.asc", "Vokabeln (F)/Wörter/Liste.asc"},
        {"VOKABELN (F)\\grundwortschatz\\", "Vokabeln (F)/Grundwortschatz/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.relative);
        std::filesystem::path native = NativePath(Root() + c.relative);
        EXPECT_EQ(native, m_root.Path() / c.expected);
    }
}

TEST_F(PathMapping, ExactMatchIsPreferred) {
    EXPECT_EQ(NativePath(Root() + "both\\a"), m_root / "both/a");
    EXPECT_EQ(NativePath(Root() + "both\\A"), m_root / "both/A");
    EXPECT_EQ(NativePath(Root() + "BOTH\\A"), m_root / "both/A");
}

TEST_F(PathMapping, MissingComponentsAreKeptAsWritten) {
    EXPECT_EQ(NativePath(Root() + "hqor\\Neu\\Datei.txt"), m_root / "Hqor/Neu/Datei.txt");
    EXPECT_EQ(NativePath(Root() + "fehlt.htx"), m_root / "fehlt.htx");
    EXPECT_EQ(NativePath("relative\\x.txt"), std::filesystem::path("relative/x.txt"));
    EXPECT_EQ(NativePath("..\\bilder\\a.jpg"), std::filesystem::path("../bilder/a.jpg"));
    EXPECT_EQ(NativePath("\\..\\x"), std::filesystem::path("/x"));
    EXPECT_EQ(NativePath("ä"_cp), std::filesystem::path("ä"));
}

TEST_F(PathMapping, ExistenceChecks) {
    EXPECT_TRUE(FileExists(Root() + "hqor\\main.htx"));
    EXPECT_FALSE(DirectoryExists(Root() + "hqor\\main.htx"));
    EXPECT_TRUE(DirectoryExists(Root() + "HQOR\\"));
    EXPECT_TRUE(DirectoryExists(Root() + "vokabeln (f)\\grundwortschatz"));
    EXPECT_FALSE(FileExists(Root() + "hqor"));
    EXPECT_TRUE(PathExists(Root() + "hqor"));
    EXPECT_TRUE(PathExists(Root() + "hqor\\main.htx"));
    EXPECT_FALSE(PathExists(Root() + "hqor\\nothing"));
    EXPECT_FALSE(FileExists(Root() + "hqor\\main.htx\\"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(DirectoryExists(""));
    EXPECT_FALSE(PathExists(""));
}

// A path that exists as written is answered with one look-up; anything else takes the walk through
// the components. Both must give the same text: "." and ".." by the text, the trailing separator kept.
TEST_F(PathMapping, ExistingAndLookedUpPathsGiveTheSameText) {
    std::filesystem::create_directory_symlink(m_root / "Hqor/bilder", m_root / "zeiger");
    struct Case {
        std::string relative; // Windows-1252 program path below the root
        std::string expected; // UTF-8 path below the root
    };
    const std::vector<Case> cases = {
        {"Hqor\\", "Hqor/"},
        {"HQOR\\", "Hqor/"},
        {"Hqor\\\\bilder\\.\\Logo.jpg", "Hqor/bilder/Logo.jpg"},
        {"Hqor\\bilder\\..\\Main.HTX", "Hqor/Main.HTX"},
        {"Hqor\\bilder\\..\\..\\both\\a", "both/a"},
        // A missing folder left again by "..": the names after it are no longer looked up.
        {"fehlt\\..\\Hqor\\Main.HTX", "Hqor/Main.HTX"},
        {"fehlt\\..\\hqor\\main.htx", "hqor/main.htx"},
        // ".." after a link leaves the link, not the folder it points to.
        {"zeiger\\..\\both\\a", "both/a"},
        {"zeiger\\Logo.jpg", "zeiger/Logo.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.relative);
        EXPECT_EQ(NativePath(Root() + c.relative).string(), m_root.Path().string() + "/" + c.expected);
    }
}

TEST_F(PathMapping, NativeFilePathIsNativePathOfARegularFile) {
    std::filesystem::create_symlink(m_root / "Hqor/Main.HTX", m_root / "zeiger.htx");
    std::filesystem::create_symlink(m_root / "nirgends", m_root / "kaputt.htx");
    struct Case {
        std::string relative; // Windows-1252 program path below the root
        std::string expected; // UTF-8 path below the root; empty: not a file
    };
    const std::vector<Case> cases = {
        {"Hqor\\Main.HTX", "Hqor/Main.HTX"},
        {"hqor\\main.htx", "Hqor/Main.HTX"},
        {"hqor\\bilder\\..\\main.htx", "Hqor/Main.HTX"},
        {"zeiger.htx", "zeiger.htx"}, // a link to a file stays a link
        {"Hqor", ""},
        {"hqor\\", ""},
        {"Hqor\\Main.HTX\\", ""},
        {"kaputt.htx", ""}, // a link to nothing
        {"fehlt.htx", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.relative);
        const std::string path = Root() + c.relative;
        const std::optional<std::filesystem::path> native = NativeFilePath(path);
        EXPECT_EQ(native.has_value(), FileExists(path));
        // The file found with its identity is found the same way.
        const std::optional<NativeFileInfo> found = FindNativeFile(path);
        EXPECT_EQ(found.has_value(), native.has_value());
        if (c.expected.empty()) {
            EXPECT_FALSE(native);
            continue;
        }
        ASSERT_TRUE(native);
        EXPECT_EQ(native->string(), m_root.Path().string() + "/" + c.expected);
        EXPECT_EQ(native->string(), NativePath(path).string());
        ASSERT_TRUE(found);
        EXPECT_EQ(found->path, *native);
        EXPECT_EQ(found->identity.size, 4);
        EXPECT_EQ(found->identity, FindNativeFile(Root() + "Hqor\\Main.HTX")->identity)
            << "every way leads to the one file";
    }
    EXPECT_FALSE(NativeFilePath(""));
    EXPECT_FALSE(FindNativeFile(""));
}

TEST_F(PathMapping, AFileWrittenAgainOrReplacedHasANewIdentity) {
    namespace fs = std::filesystem;
    const std::string path = Root() + "hqor\\main.htx";
    const fs::path native = m_root / "Hqor/Main.HTX";
    const auto past = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(native, past);
    const FileIdentity before = FindNativeFile(path)->identity;
    EXPECT_EQ(FindNativeFile(path)->identity, before) << "nothing happened";

    m_root.MakeFile("Hqor/Main.HTX", "MAIN"); // the same size, written in place
    const FileIdentity written = FindNativeFile(path)->identity;
    EXPECT_NE(written, before);

    m_root.MakeFile("Hqor/Neu.htx", "main");
    fs::rename(m_root / "Hqor/Neu.htx", native);
    fs::last_write_time(native, past);
    EXPECT_NE(FindNativeFile(path)->identity, written) << "another file under the old name";
}

TEST_F(PathMapping, LinksAreFollowedByTheExistenceChecks) {
    std::filesystem::create_directory_symlink(m_root / "Hqor", m_root / "ordner");
    std::filesystem::create_symlink(m_root / "nirgends", m_root / "kaputt");
    struct Case {
        std::string relative;
        bool file, directory, exists;
    };
    const std::vector<Case> cases = {
        {"ordner", false, true, true},           {"ORDNER\\", false, true, true},
        {"ordner\\main.htx", true, false, true}, {"kaputt", false, false, false},
        {"KAPUTT", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.relative);
        EXPECT_EQ(FileExists(Root() + c.relative), c.file);
        EXPECT_EQ(DirectoryExists(Root() + c.relative), c.directory);
        EXPECT_EQ(PathExists(Root() + c.relative), c.exists);
    }
    EXPECT_EQ(NativePath(Root() + "kaputt"), m_root / "kaputt") << "the link itself is there";
}

TEST_F(PathMapping, ProgramPathIsWindows1252) {
    std::filesystem::path native = m_root / "Vokabeln (F)/Wörter";
    std::string program = ProgramPath(native);
    EXPECT_NE(program.find("Vokabeln (F)/W"_cp), std::string::npos);
    EXPECT_NE(program.find("Wörter"_cp), std::string::npos);
    EXPECT_EQ(NativePath(program), native);
}

TEST(WinPathFiles, ReadWholeFileHonoursItsLimit) {
    TempFolder root;
    std::string contents(1000, 'q');
    contents[500] = '\0';
    root.MakeFile("data.bin", contents);
    std::string program = ProgramPath(root / "DATA.BIN");
    std::string read = "old";
    ASSERT_TRUE(ReadWholeFile(program, read));
    EXPECT_EQ(read, contents);
    EXPECT_TRUE(ReadWholeFile(program, read, 1000));
    read = "kept";
    EXPECT_FALSE(ReadWholeFile(program, read, 999));
    EXPECT_EQ(read, "kept");
    EXPECT_FALSE(ReadWholeFile(ProgramPath(root / "missing"), read));
    EXPECT_FALSE(ReadWholeFile(ProgramPath(root.Path()), read));
    EXPECT_FALSE(ReadWholeFile("", read));
    root.MakeFile("empty.txt", "");
    EXPECT_TRUE(ReadWholeNativeFile(root / "empty.txt", read));
    EXPECT_EQ(read, "");
}

int CountEntries(const std::filesystem::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

TEST(WinPathFiles, AtomicWriteReplacesTheFile) {
    TempFolder root;
    std::filesystem::path file = root / "user.dat";
    ASSERT_TRUE(WriteFileAtomically(file, "first"));
    EXPECT_EQ(test::ReadFile(file), "first");
    std::filesystem::permissions(file, std::filesystem::perms(0640));
    ASSERT_TRUE(WriteFileAtomically(file, std::string("second\0with zero", 16)));
    EXPECT_EQ(test::ReadFile(file), std::string("second\0with zero", 16));
    EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms(0640));
    ASSERT_TRUE(WriteFileAtomically(file, ""));
    EXPECT_EQ(test::ReadFile(file), "");
    EXPECT_EQ(CountEntries(root.Path()), 1) << "no temporary file may be left behind";
}

TEST(WinPathFiles, FailedAtomicWriteLeavesEverythingAsItWas) {
    TempFolder root;
    std::filesystem::path file = root.MakeFile("keep/old.txt", "old contents");
    // A folder standing where the file should go cannot be replaced by the rename.
    root.MakeFile("keep/blocked/inside.txt", "inside");
    EXPECT_FALSE(WriteFileAtomically(root / "keep/blocked", "new"));
    EXPECT_EQ(test::ReadFile(root / "keep/blocked/inside.txt"), "inside");
    EXPECT_EQ(CountEntries(root / "keep"), 2);
    // A missing parent folder means no temporary file can be made.
    EXPECT_FALSE(WriteFileAtomically(root / "missing/new.txt", "new"));
    EXPECT_FALSE(std::filesystem::exists(root / "missing"));
    // A parent that is a file.
    EXPECT_FALSE(WriteFileAtomically(file / "child.txt", "new"));
    EXPECT_EQ(test::ReadFile(file), "old contents");
    EXPECT_FALSE(WriteFileAtomically(root / "keep/", "new"));
}

} // namespace
} // namespace qor
