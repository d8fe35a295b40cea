#include "page/sources/LinkCheck.h"

#include "page/markup/PageDocument.h"
#include "platform/TempFolder.h"
#include "platform/WinPath.h"

#include <gtest/gtest.h>

using namespace qor;
using namespace qor::test;

TEST(LinkCheck, LinkedFilesFollowEveryKindOfTarget) {
    PageDocument document;
    document.linkAliases.Set("#weiter", "lektion02.htx@Weiter");
    document.linkAliases.Set("#leer", "");
    document.linkAliases.Set("#schleife", "#schleife");
    const struct {
        std::string_view name;
        std::vector<std::string> files;
    } cases[] = {
        {"seite.htx", {"seite.htx"}},
        {"seite.htx@Weiter zur Seite 2", {"seite.htx"}},
        {"a.htx\xB0" "b.htx", {"a.htx", "b.htx"}},
        {"\xA7[stats]page2.htx", {"page2.htx"}},
        {"\xA7[a]\xA7[b]c.htx", {"c.htx"}},
        {"\xA7stats", {}},
        {"#weiter", {"lektion02.htx"}},
        {"#leer", {}},
        {"#unbekannt", {}},
        {"#schleife", {}}, // an alias naming itself ends, it does not hang
        {"EX PICK=5 FILE=artikel.qor WEITER=ende.htx", {"artikel.qor", "ende.htx"}},
        {"ex pick=5 file=artikel.qor", {"artikel.qor"}},
        {"EX PICK=5 FILE=a.qor WEITER=#weiter", {"a.qor", "lektion02.htx"}},
        {"EX", {}},
        {"extra.htx", {}}, // read as an exercise command, as following it does
        {"END", {}},
        {"-", {}},
        {"+agb", {}},
        {"?chat", {}},
        {"%@Nur ein Hinweis", {}},
        {"@Hotspot", {}},
        {"http://example.invalid/", {}},
        {"hund.wav", {"hund.wav"}},
        {"sprich:le chat.htx", {}}, // spoken, no file
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LinkedFiles(document, c.name), c.files);
    }
}

TEST(LinkCheck, AFolderOfPagesAndExerciseItemsReportsEachMissingTarget) {
    TempFolder folder;
    folder.MakeFile("main.html", "<A HREF=\"kurs/index.html\">Kurs</A> <A HREF=\"fehlt.htx\">weg</A>\r");
    folder.MakeFile("kurs/index.html",
                    "<A HREF=\"../main.html\">Start</A> <A HREF=\"EX PICK=2 FILE=reihe.qor WEITER=ende.html\">los</A>"
                    "<BODY WAIT=\"1000,auch-weg.htx\">\r");
    folder.MakeFile("kurs/reihe.qor", "QOR!02 <P><EX><A HREF=\"index.html\">gut</A>"
                                      "<EX><A HREF=\"nicht-da.htx\">schlecht</A></EX>\r");
    folder.MakeFile("notizen.txt", "<A HREF=\"egal.htx\">keine Seite</A>");
    int pages = 0;
    const std::vector<LinkProblem> problems = CheckPageFolder(ProgramPath(folder.Path()), &pages);
    EXPECT_EQ(pages, 4); // two pages and two exercise items
    std::vector<std::string> found;
    for (const LinkProblem& problem : problems)
        found.push_back(problem.page + ": " + problem.target);
    const std::vector<std::string> expected{
        "kurs/index.html: ende.html",
        "kurs/index.html: auch-weg.htx",
        "kurs/reihe.qor: nicht-da.htx",
        "main.html: fehlt.htx",
    };
    EXPECT_EQ(found, expected);
}
