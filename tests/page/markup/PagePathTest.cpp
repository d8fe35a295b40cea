// Resolving page paths against the page folder.

#include "page/markup/PagePath.h"

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
        {"/daten/hqor/", "/daten/hqor/lek08.htx@oben", "/daten/hqor/lek08.htx"},
        {"/daten/hqor/", "\\start.htx", "/daten/hqor\\start.htx"},
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
