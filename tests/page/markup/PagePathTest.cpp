// Resolving page paths against the page folder.

#include "page/markup/PagePath.h"

#include "platform/TempFolder.h"
#include "platform/WinPath.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(PagePath, ResolvesAgainstThePageFolder) {
    struct PathCase {
        const char* folder;
        const char* name;
        const char* path;
    };
    const std::vector<PathCase> cases = {
        {"C:\\kurs\\lek1\\", "../bilder/a.jpg", "C:\\kurs\\bilder\\a.jpg"},
        {"C:\\kurs\\lek1\\", "..\\..\\a.htx", "C:\\a.htx"},
        {"C:\\kurs\\lek1\\", "\\start.htx", "C:\\kurs\\lek1\\start.htx"},
        {"C:\\kurs\\lek1\\", "D:\\x.htx", "D:\\x.htx"},
        {"C:\\kurs\\lek1\\", "\\\\server\\share\\x.htx", "\\\\server\\share\\x.htx"},
        {"C:\\kurs\\lek1\\", "ex pick=3 file=test.qor", "C:\\kurs\\lek1\\test.qor"},
        {"C:\\kurs\\lek1\\", "ex weiter", ""},
        {"C:\\kurs\\lek1\\", "", ""},
        {"C:\\kurs\\lek1\\", "seite.htx@Weiter zur Seite 2", "C:\\kurs\\lek1\\seite.htx"},
        {"C:\\kurs\\lek1\\", "*bild.bmp", "*C:\\kurs\\lek1\\bild.bmp"},
        {"C:\\kurs\\lek1\\", "sub/seite.htx", "C:\\kurs\\lek1\\sub\\seite.htx"},
        {"C:\\kurs\\lek1\\", "Extra.htx", "C:\\kurs\\lek1\\Extra.htx"},
        {"/daten/hqor/", "seite.htx", "/daten/hqor/seite.htx"},
        {"/daten/hqor/", "../bilder/a.jpg", "/daten/bilder\\a.jpg"},
        {"/daten/hqor/", "\\start.htx", "/daten/hqor\\start.htx"},
        // A leading "/" is the page author's "\", unless the name is a path of this system (below).
        {"C:\\kurs\\lek1\\", "/start.htx", "C:\\kurs\\lek1\\start.htx"},
        {"C:\\kurs\\lek1\\", "/bilder/a.jpg@Bild", "C:\\kurs\\lek1\\bilder\\a.jpg"},
        {"/daten/hqor/", "/start.htx", "/daten/hqor\\start.htx"},
        {"/daten/hqor/", "*/bilder/a.jpg", "*/daten/hqor\\bilder\\a.jpg"},
        // Climbing stops at the root.
        {"C:\\kurs\\lek1\\", "..\\..\\..\\..\\a.htx", "C:\\a.htx"},
        {"/daten/hqor/", "../../../x.htx", "/x.htx"},
        {"\\\\server\\share\\lek\\", "../../../a.htx", "\\\\server\\share\\a.htx"},
        // Only leading "..\" climb; the rest is the file system's business.
        {"C:\\kurs\\lek1\\", "sub\\..\\a.htx", "C:\\kurs\\lek1\\sub\\..\\a.htx"},
        // Exercise references.
        {"C:\\kurs\\lek1\\", "ex file=", ""},
        {"C:\\kurs\\lek1\\", "ex file=uebung.qor weiter=#w@Hinweis", "C:\\kurs\\lek1\\uebung.qor"},
        {"C:\\kurs\\lek1\\", "*ex file=../a.qor", "*C:\\kurs\\a.qor"},
        {"C:\\kurs\\lek1\\", "extra.htx", ""},
        {"C:\\kurs\\lek1\\", "Ex file=a.qor", "C:\\kurs\\lek1\\Ex file=a.qor"},
        {"C:\\kurs\\lek1\\", "seite.htx@a@b", "C:\\kurs\\lek1\\seite.htx"},
    };
    for (const PathCase& pathCase : cases) {
        SCOPED_TRACE(pathCase.name);
        EXPECT_EQ(ResolvePagePath(pathCase.folder, pathCase.name), pathCase.path);
    }
}

// The program's own paths on this system (a page folder or the wave folder + a file, as the history
// and the host hand them over) begin with "/" too; they begin with a folder that exists at the root.
TEST(PagePath, PathsOfThisSystemStayAsTheyAre) {
    const test::TempFolder folder;
    const std::string root = ProgramPath(folder.Path());
    const std::string pageFolder = root + "/hqor/";
    // The temporary folder's first folder at the root ("tmp"), once more below the page folder.
    const std::string first = root.substr(1, root.find('/', 1) - 1);
    folder.MakeFile("hqor/" + first + "/da.htx");
    const struct {
        std::string name;
        std::string path;
    } cases[] = {
        {root + "/hqor/lek08.htx@oben", root + "/hqor/lek08.htx"},
        {root + "/wave/LA\\1\\a.wav", root + "/wave/LA\\1\\a.wav"},
        {"*" + root + "/bild.bmp", "*" + root + "/bild.bmp"},
        {"/" + first + "/da.htx", root + "/hqor\\" + first + "\\da.htx"}, // the page folder's file wins
        {"/start.htx", root + "/hqor\\start.htx"},
    };
    for (const auto& [name, path] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ResolvePagePath(pageFolder, name), path);
    }
}

TEST(PagePath, TellsAbsolutePathsFromRelativeOnes) {
    const std::vector<std::pair<const char*, bool>> cases = {
        {"C:\\kurs\\a.htx", true},
        {"c:a.htx", true},
        {"\\\\server\\share\\a.htx", true},
        {"/daten/a.htx", true},
        {"\\kurs\\a.htx", false},
        {"kurs\\a.htx", false},
        {"1:\\a.htx", false},
        {"", false},
        {"..\\a.htx", false},
    };
    for (const auto& [path, absolute] : cases) {
        SCOPED_TRACE(path);
        EXPECT_EQ(IsAbsolutePagePath(path), absolute);
    }
}

} // namespace
} // namespace qor
