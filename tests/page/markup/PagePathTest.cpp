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
    };
    for (const PathCase& pathCase : cases) {
        SCOPED_TRACE(pathCase.name);
        EXPECT_EQ(ResolvePagePath(pathCase.folder, pathCase.name), pathCase.path);
    }
}

} // namespace
} // namespace qor
