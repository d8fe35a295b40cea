#include "editor/EditorScheme.h"

#include "platform/Cp1252.h"
#include "platform/Fonts.h"
#include "platform/WinPath.h"
#include "settings/SettingsTestSupport.h"

#include <functional>
#include <gtest/gtest.h>

namespace qor {
namespace {

constexpr std::int32_t kRed = 0x0000FF; // Windows colour values: red in the low byte
constexpr std::int32_t kBlue = 0xFF0000;

TEST(SchemeColour, RrggbbBecomesWindowsColourAndBack) {
    struct Case {
        std::string_view text;
        std::optional<std::int32_t> colour;
    };
    const std::vector<Case> cases = {
        {"FF0000", kRed},     {"0000FF", kBlue},        {"ff0000", kRed},          {"123456", 0x563412},
        {"C0C0C0", 0xC0C0C0}, {"FF000", std::nullopt},  {"FF00000", std::nullopt}, {"GG0000", std::nullopt},
        {"", std::nullopt},   {"12 456", std::nullopt}, {"-12345", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(ParseRrggbb(c.text), c.colour);
        if (c.colour) {
            EXPECT_EQ(FormatRrggbb(*c.colour), UpperCp1252(c.text));
        }
    }
}

TEST(SchemeColour, FileValuesFallBackToGreyOrBlue) {
    struct Case {
        std::string_view value;
        std::int32_t colour;
    };
    const std::vector<Case> cases = {
        {"#FF0000", kRed},  {"FF0000", 0xC0C0C0}, {"", 0xC0C0C0},        {"#", kBlue},
        {"#XYZXYZ", kBlue}, {"#FF00", kBlue},     {"#00FF00", 0x00FF00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.value));
        EXPECT_EQ(ParseSchemeColour(c.value), c.colour);
    }
}

TEST(SchemeHeight, ClassesFollowTheWindowHeight) {
    const std::vector<std::pair<int, int>> cases = {{480, 0}, {533, 0}, {534, 1},
                                                    {700, 1}, {701, 2}, {1000, 2}};
    for (const auto& [height, heightClass] : cases) {
        SCOPED_TRACE(height);
        EXPECT_EQ(SchemeHeightClass(height), heightClass);
    }
}

TEST(SchemeText, KeysAndValuesAreTrimmedAndCaseBlind) {
    FixedAdvanceFonts fonts;
    EditorScheme scheme;
    scheme.changed = true;
    ReadSchemeText("farbe2 = #ff0000\r\n  Schrift =  Verdana \r\nfett= 1\r\nsize2 =12\r\n", scheme, fonts);
    EXPECT_EQ(scheme.colours[1], kRed);
    EXPECT_EQ(scheme.fontName, "Verdana");
    EXPECT_TRUE(scheme.bold);
    EXPECT_EQ(scheme.sizes[1], 12);
    EXPECT_FALSE(scheme.changed);
}

TEST(SchemeText, EachKeyTakesItsValueOrItsDefault) {
    FixedAdvanceFonts fonts;
    struct Case {
        std::string_view line;
        std::function<bool(const EditorScheme&)> holds;
    };
    const std::vector<Case> cases = {
        {"SCHRIFT=Comic Sans MS", [](const EditorScheme& s) { return s.fontName == "Comic Sans MS"; }},
        {"SCHRIFT=Keine Solche Schrift", [](const EditorScheme& s) { return s.fontName == "Arial"; }},
        {"FETT=1", [](const EditorScheme& s) { return s.bold; }},
        {"FETT=ja", [](const EditorScheme& s) { return !s.bold; }},
        {"FETT=0", [](const EditorScheme& s) { return !s.bold; }},
        {"SIZE1=5", [](const EditorScheme& s) { return s.sizes[0] == 9; }},
        {"SIZE1=6", [](const EditorScheme& s) { return s.sizes[0] == 6; }},
        {"SIZE2=14", [](const EditorScheme& s) { return s.sizes[1] == 14; }},
        {"SIZE2=15", [](const EditorScheme& s) { return s.sizes[1] == 10; }},
        {"SIZE3=20", [](const EditorScheme& s) { return s.sizes[2] == 14; }},
        {"SIZE3=zwölf", [](const EditorScheme& s) { return s.sizes[2] == 14; }},
        {"SIZE3=8x", [](const EditorScheme& s) { return s.sizes[2] == 14; }},
        {"SIZE3=", [](const EditorScheme& s) { return s.sizes[2] == 14; }},
        {"FARBE7=#0000ff", [](const EditorScheme& s) { return s.colours[6] == kBlue; }},
        {"FARBE1=FF0000", [](const EditorScheme& s) { return s.colours[0] == 0xC0C0C0; }},
        {"FARBE3=#FFQQ00", [](const EditorScheme& s) { return s.colours[2] == kBlue; }},
        {"FARBE8=#FF0000", [](const EditorScheme& s) { return s.colours == EditorScheme{}.colours; }},
        {"FARBE1 #FF0000", [](const EditorScheme& s) { return s.colours == EditorScheme{}.colours; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line));
        EditorScheme scheme;
        scheme.sizes = {8, 8, 8}; // a missing key keeps what was there, a bad value takes the default
        if (c.line.starts_with("SIZE"))
            scheme.sizes = {11, 11, 11};
        ReadSchemeText(c.line, scheme, fonts);
        EXPECT_TRUE(c.holds(scheme));
    }
}

TEST(SchemeText, MissingKeysKeepTheirValues) {
    FixedAdvanceFonts fonts;
    EditorScheme scheme;
    scheme.fontName = "Verdana";
    scheme.sizes = {7, 8, 11};
    scheme.colours[3] = 0x123456;
    ReadSchemeText("irgendwas\r\n=\r\nFARBE1=#000000", scheme, fonts);
    EXPECT_EQ(scheme.fontName, "Verdana");
    EXPECT_EQ(scheme.sizes, (std::array<int, 3>{7, 8, 11}));
    EXPECT_EQ(scheme.colours[3], 0x123456);
    EXPECT_EQ(scheme.colours[0], 0);
}

TEST(SchemeText, WritesElevenLinesInOrder) {
    EditorScheme scheme;
    scheme.fontName = "Verdana";
    scheme.bold = true;
    scheme.sizes = {8, 20, 13};
    scheme.colours = {kRed, kBlue, 0x00FF00, 0, 0xFFFFFF, 0x563412, 0xC0C0C0};
    EXPECT_EQ(FormatSchemeText(scheme),
              "SCHRIFT=Verdana\r\nFETT=1\r\nSIZE1=8\r\nSIZE2=20\r\nSIZE3=13\r\n"
              "FARBE1=#FF0000\r\nFARBE2=#0000FF\r\nFARBE3=#00FF00\r\nFARBE4=#000000\r\n"
              "FARBE5=#FFFFFF\r\nFARBE6=#123456\r\nFARBE7=#C0C0C0\r\n");
    scheme.bold = false;
    EXPECT_NE(FormatSchemeText(scheme).find("\r\nFETT=0\r\n"), std::string::npos);
}

TEST(SchemeText, ASizeOfTwentyIsWrittenButReadsBackAsTheDefault) {
    FixedAdvanceFonts fonts;
    EditorScheme written;
    written.fontName = "Courier New";
    written.sizes = {20, 12, 6};
    written.colours[4] = 0x0A0B0C;
    EditorScheme read;
    ReadSchemeText(FormatSchemeText(written), read, fonts);
    EXPECT_EQ(read.fontName, "Courier New");
    EXPECT_EQ(read.sizes, (std::array<int, 3>{9, 12, 6}));
    EXPECT_EQ(read.colours, written.colours);
}

TEST(SchemeFiles, SaveLoadAndListNamedSchemes) {
    test::TempFolder folder;
    FixedAdvanceFonts fonts;
    EditorScheme scheme;
    scheme.colours[1] = kRed;
    ASSERT_TRUE(SaveScheme(folder.Folder(), "blau", scheme));
    ASSERT_TRUE(SaveScheme(folder.Folder(), "default", scheme));
    folder.Touch("editor/Abend.ED", "FARBE1=#00FF00\r\n");
    folder.Touch("editor/notiz.txt");
    folder.MakeFolder("editor/ordner.ed");
    EXPECT_EQ(NamedSchemes(folder.Folder()), (std::vector<std::string>{"Abend", "blau"}));

    EditorScheme loaded;
    loaded.changed = true;
    ASSERT_TRUE(LoadScheme(folder.Folder(), "blau", loaded, fonts));
    EXPECT_EQ(loaded.colours[1], kRed);
    EXPECT_EQ(loaded.name, "blau");
    EXPECT_FALSE(loaded.changed);

    EditorScheme untouched;
    untouched.changed = true;
    EXPECT_FALSE(LoadScheme(folder.Folder(), "fehlt", untouched, fonts));
    EXPECT_EQ(untouched.name, "default");
    EXPECT_TRUE(untouched.changed);
    EXPECT_EQ(SchemeFilePath("C:\\qor\\", "blau"),
              std::string("C:\\qor\\editor") + kPathSeparator + "blau.ed");
}

TEST(SchemeFiles, OnlyAChangedSchemeIsWrittenAsDefault) {
    test::TempFolder folder;
    folder.MakeFolder("editor");
    EditorScheme scheme;
    scheme.name = "blau";
    EXPECT_FALSE(SaveChangedScheme(folder.Folder(), scheme));
    EXPECT_FALSE(FileExists(SchemeFilePath(folder.Folder(), "default")));
    scheme.changed = true;
    EXPECT_TRUE(SaveChangedScheme(folder.Folder(), scheme));
    std::string contents;
    ASSERT_TRUE(ReadWholeFile(SchemeFilePath(folder.Folder(), "default"), contents));
    EXPECT_EQ(contents, FormatSchemeText(scheme));
}

TEST(SchemeFiles, WritingOutsideAnExistingProgramFolderFails) {
    test::TempFolder folder;
    EXPECT_FALSE(SaveScheme(folder.Folder() + "fehlt/", "alt", EditorScheme{}));
    EXPECT_FALSE(FileExists(SchemeFilePath(folder.Folder() + "fehlt/", "alt")));
}

TEST(SchemeFiles, TheShippedDefaultSchemeIsTheBuiltInOne) {
    std::string contents;
    ASSERT_TRUE(
        ReadWholeFile(std::string(QOR_TEST_DATA_DIR) + "/../../content/editor/default.ed.txt", contents));
    FixedAdvanceFonts fonts;
    EditorScheme shipped;
    shipped.colours.fill(0);
    shipped.sizes = {0, 0, 0};
    shipped.bold = true;
    ReadSchemeText(contents, shipped, fonts);
    const EditorScheme builtIn;
    EXPECT_EQ(shipped.fontName, builtIn.fontName);
    EXPECT_EQ(shipped.bold, builtIn.bold);
    EXPECT_EQ(shipped.sizes, builtIn.sizes);
    EXPECT_EQ(shipped.colours, builtIn.colours);
}

} // namespace
} // namespace qor
