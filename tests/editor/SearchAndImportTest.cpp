#include "editor/ImportSettings.h"
#include "editor/SearchRequest.h"
#include "platform/Cp1252.h"
#include "platform/WinPath.h"
#include "settings/MemoryRegistry.h"
#include "settings/QueuedFileChooser.h"
#include "settings/SettingsTestSupport.h"
#include "vocab/TBibliothek.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(SearchRequest, PresetKeepsTheCaseOptionOnlyWithALastText) {
    struct Case {
        std::string text;
        bool caseSensitive;
        SearchRequest preset;
    };
    const std::vector<Case> cases = {
        {"", true, {"", false}},
        {"", false, {"", false}},
        {"maison", true, {"maison", true}},
        {"maison", false, {"maison", false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + (c.caseSensitive ? " +case" : ""));
        VocSearch search;
        search.text = c.text;
        search.caseSensitive = c.caseSensitive;
        EXPECT_EQ(SearchDialogPreset(search), c.preset);
    }
}

TEST(SearchRequest, RestartBeginsAtTheFirstEntry) {
    VocSearch search;
    search.text = "alt";
    search.found = true;
    search.entry = 12;
    search.field = 3;
    search.position = 7;
    RestartSearch(search, {"Haus", true});
    EXPECT_EQ(search.text, "Haus");
    EXPECT_TRUE(search.caseSensitive);
    EXPECT_FALSE(search.found);
    EXPECT_EQ(search.entry, -1);
    EXPECT_EQ(search.field, 0);
    EXPECT_EQ(search.position, 1);
}

TEST(ImportSeparator, BracketsAndTabFollowTheRules) {
    const std::vector<std::pair<std::string_view, std::string>> cases = {
        {"[;]", ";"},
        {"Semikolon [;]", ";"},
        {"Tabulator [TAB]", "\t"},
        {"TAB", "\t"},
        {"[TAB]", "\t"},
        {"tab", "tab"},
        {";", ";"},
        {" - ", " - "},
        {"Komma [,]", ","},
        {"Schrägstrich [/]"_cp, "/"},
        {"[]", ""},
        {"a[b]c", "a[b]c"}, // "]" is not last
        {"]", "]"},         // no "["
        {"[ab", "[ab"},     // no "]"
        {"x [[;]", "[;"},   // from the first "["
        {"[a]]", "a]"},
        {"[::]", "::"},
    };
    for (const auto& [typed, separator] : cases) {
        SCOPED_TRACE(std::string(typed));
        EXPECT_EQ(ImportSeparator(typed), separator);
    }
}

TEST(ImportSeparator, EveryOfferedItemNamesItsCharacter) {
    const std::vector<std::string> characters = {"\t", ":", "-", ";", ",", "/"};
    const auto items = ImportSeparatorItems();
    for (std::size_t index = 0; index < items.size(); ++index) {
        SCOPED_TRACE(items[index]);
        EXPECT_EQ(ImportSeparator(items[index]), characters[index]);
    }
}

TEST(ImportSettings, MissingValuesTakeTheFirstItems) {
    test::MemoryRegistry registry;
    const ImportSettings empty = ReadImportSettings(registry);
    EXPECT_EQ(empty.separator, "Tabulator [TAB]");
    EXPECT_EQ(empty.layout, "Vokabel, Bedeutung");
    EXPECT_EQ(empty.folder, "");

    const ImportSettings typed{"[;]", "Vokabel, Bedeutung, Wortart", "/daten/listen/"};
    WriteImportSettings(registry, typed);
    EXPECT_EQ(ReadImportSettings(registry), typed);
    EXPECT_EQ(registry.ReadText("SOFTWARE\\QOR\\IMPORT", "trennzeichen").value_or(""), "[;]");
    EXPECT_EQ(registry.ReadText(kImportKey, "Struktur").value_or(""), "Vokabel, Bedeutung, Wortart");
    EXPECT_EQ(registry.ReadText(kImportKey, "Verzeichnis").value_or(""), "/daten/listen/");
}

TEST(ImportSettings, StartFolderIsTheLastOneWhileItExists) {
    test::TempFolder folder;
    const std::string last = folder.MakeFolder("import");
    EXPECT_EQ(ImportStartFolder(last, "/vokabeln/"), last);
    EXPECT_EQ(ImportStartFolder(folder.Folder() + "weg/", "/vokabeln/"), "/vokabeln/");
    EXPECT_EQ(ImportStartFolder("", "/vokabeln/"), "/vokabeln/");
}

TEST(ImportChosenFile, ImportsWithTheTypedSeparatorAndRemembersTheFolder) {
    test::TempFolder folder;
    const std::string file =
        folder.Touch("listen/woerter.txt", "maison;Haus\r\nchat ; Katze, Kater\r\nnur\r\n");
    test::MemoryRegistry registry;
    registry.WriteText(kImportKey, kImportFolderValue, folder.Folder() + "listen/");
    test::QueuedFileChooser chooser;
    chooser.answers.push_back(file);
    TBibliothek library;

    ASSERT_TRUE(
        ImportChosenFile({"Semikolon [;]", "Vokabel, Bedeutung", ""}, "/vok/", chooser, registry, library));
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(chooser.requests[0].startFolder, folder.Folder() + "listen/");
    EXPECT_EQ(chooser.requests[0].filter, "Text-Dateien|*.txt");
    ASSERT_EQ(library.Count(), 2);
    EXPECT_EQ(library.Entry(1).Vokabel, "chat");
    EXPECT_EQ(library.Entry(1).Bedeutung0, "Katze; Kater");

    const ImportSettings stored = ReadImportSettings(registry);
    EXPECT_EQ(stored.separator, "Semikolon [;]");
    EXPECT_EQ(stored.layout, "Vokabel, Bedeutung");
    EXPECT_EQ(stored.folder, FolderPart(file));
}

TEST(ImportChosenFile, TabSeparatorAndCancel) {
    test::TempFolder folder;
    const std::string file = folder.Touch("tab.txt", "maison\tHaus\tle chat\r\n");
    test::MemoryRegistry registry;
    test::QueuedFileChooser chooser;
    TBibliothek library;

    EXPECT_FALSE(
        ImportChosenFile({"TAB", "Vokabel, Bedeutung, Kontext", ""}, "/vok/", chooser, registry, library));
    EXPECT_EQ(chooser.requests.at(0).startFolder, "/vok/");
    EXPECT_EQ(registry.writes, 0);

    chooser.answers.push_back(file);
    ASSERT_TRUE(
        ImportChosenFile({"TAB", "Vokabel, Bedeutung, Kontext", ""}, "/vok/", chooser, registry, library));
    ASSERT_EQ(library.Count(), 1);
    EXPECT_EQ(library.Entry(0).Kontext0, "le chat");
    EXPECT_EQ(ReadImportSettings(registry).separator, "TAB");
}

} // namespace
} // namespace qor
