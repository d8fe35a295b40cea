#include "page/render/PageContainers.h"

#include "platform/Cp1252.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor {
namespace {

struct EntityCase {
    const char* label;
    std::string input;
    std::string expected;
};

TEST(DecodeFirstEntity, ReplacesOnlyTheFirstKnownName) {
    const std::vector<EntityCase> cases = {
        {"markup characters", "&amp;", "&"},
        {"less than", "a&lt;b", "a<b"},
        {"greater than", "&gt;", ">"},
        {"quote, only the first", "&quot;x&quot;", "\"x&quot;"},
        {"first only, second stays", "&amp;&lt;", "&&lt;"},
        {"first Latin-1 name", "&nbsp;", "\xA0"},
        {"last Latin-1 name", "&yuml;", "\xFF"},
        {"soft hyphen", "&shy;", "\xAD"},
        {"times sign", "&times;", "\xD7"},
        {"sharp s", "Stra&szlig;e", std::string("Straße"_cp)},
        {"divide sign", "&divide;", "\xF7"},
        {"accented word", "caf&eacute;", std::string("café"_cp)},
        {"capital name", "&Agrave;", "\xC0"},
        {"small name", "&agrave;", "\xE0"},
        {"capital eth and thorn", "&ETH;&THORN;", "\xD0&THORN;"},
        {"names are case-sensitive", "&AGRAVE;x", "x"},
        {"nil gives nothing", "a&nil;b", "ab"},
        {"unknown name gives nothing", "x&foo;y", "xy"},
        {"empty name gives nothing", "&;z", "z"},
        {"ampersand without semicolon", "a&b", "a&b"},
        {"semicolon before ampersand", "a;b&c", "a;b&c"},
        {"no entity", "Wort", "Wort"},
        {"empty text", "", ""},
    };
    for (const EntityCase& c : cases) {
        SCOPED_TRACE(c.label);
        std::string text = c.input;
        DecodeFirstEntity(text);
        EXPECT_EQ(text, c.expected);
    }
}

TEST(DecodeFirstEntity, EveryLatin1NameGivesItsCode) {
    // A few names spread over the table, each checked against its character code.
    const std::vector<std::pair<std::string, int>> names = {
        {"iexcl", 161}, {"copy", 169},   {"deg", 176},  {"frac34", 190}, {"iquest", 191}, {"Auml", 196},
        {"AElig", 198}, {"Ccedil", 199}, {"Ouml", 214}, {"Oslash", 216}, {"Uuml", 220},   {"Yacute", 221},
        {"auml", 228},  {"eth", 240},    {"ouml", 246}, {"oslash", 248}, {"uuml", 252},   {"thorn", 254},
    };
    for (const auto& [name, code] : names) {
        SCOPED_TRACE(name);
        std::string text = "&" + name + ";";
        DecodeFirstEntity(text);
        ASSERT_EQ(text.size(), 1u);
        EXPECT_EQ(static_cast<unsigned char>(text[0]), code);
    }
}

TEST(FormattedTextList, AddsElementsWithStyleAndDecodesOnRequest) {
    tFormatted_text_list list;
    EXPECT_TRUE(list.Empty());
    TextStyle style;
    style.block.styleBits = kBold;
    style.leftMargin = 42;

    EXPECT_EQ(list.Add(style, ElementKind::Word, "&amp;x", false), 0u);
    EXPECT_EQ(list.Add(style, ElementKind::Word, "&amp;x", true), 1u);
    EXPECT_EQ(list.Add(style, ElementKind::Space, " ", true), 2u);
    EXPECT_EQ(list.Add(TextStyle{}, ElementKind::LineBreak), 3u);

    ASSERT_EQ(list.Count(), 4u);
    EXPECT_EQ(list[0].text, "&amp;x");
    EXPECT_EQ(list[1].text, "&x");
    EXPECT_EQ(list[2].kind, ElementKind::Space);
    EXPECT_EQ(list[1].style, style);
    EXPECT_EQ(list[1].counter, 0);
    EXPECT_EQ(list[1].tabPosition, 0);
    EXPECT_EQ(list.Last().kind, ElementKind::LineBreak);
    EXPECT_TRUE(list.Last().text.empty());
    EXPECT_EQ(list.Last().style.leftMargin, 8);

    list.Clear();
    EXPECT_TRUE(list.Empty());
}

TEST(TXAliasList, StarPrefixesTheOldValueAndNamesAreCapitals) {
    TXAliasList aliases;
    aliases.Set("#x", "a");
    aliases.Set("#x", "*");
    EXPECT_EQ(aliases.Get("#x", "-"), "*a");
    EXPECT_EQ(aliases.Find("#X"), 0);
    EXPECT_EQ(aliases.Find("#x"), 0);
    EXPECT_EQ(aliases.NameAt(0), "#X");
    EXPECT_EQ(aliases.Count(), 1);

    aliases.Set("#X", "b"); // any other value replaces
    EXPECT_EQ(aliases.Get("#x", "-"), "b");

    aliases.Set("neu", "*"); // "*" on a new entry marks the empty value
    EXPECT_EQ(aliases.Get("NEU", "-"), "*");
    EXPECT_EQ(aliases.Get("fehlt", "[undefined]"), "[undefined]");
    EXPECT_EQ(aliases.Find("fehlt"), -1);
}

TEST(TXAliasList, AddGivesEmptyEntriesAndTheFirstMatchWins) {
    TXAliasList aliases;
    EXPECT_EQ(aliases.Add("farbe"), 0);
    EXPECT_EQ(aliases.Add("FARBE"), 1);
    EXPECT_EQ(aliases.ValueAt(0), "");
    aliases.Set("Farbe", "#FF0000");
    EXPECT_EQ(aliases.ValueAt(0), "#FF0000");
    EXPECT_EQ(aliases.ValueAt(1), "");

    aliases.Set("größe"_cp, "1");
    EXPECT_EQ(aliases.Find("GRÖßE"_cp), 2);
    EXPECT_EQ(aliases.NameAt(2), std::string("GRÖßE"_cp));

    aliases.Clear();
    EXPECT_EQ(aliases.Count(), 0);
    EXPECT_EQ(aliases.Find("farbe"), -1);
}

TEST(TXStyleList, TheLastStyleOfANameWinsAndCaseMatters) {
    TXStyleList styles;
    EXPECT_EQ(styles.Find("kopf"), nullptr);
    NamedStyle first;
    first.name = "kopf";
    first.lineSpacing = 1;
    NamedStyle other;
    other.name = "fuss";
    NamedStyle second;
    second.name = "kopf";
    second.lineSpacing = 2;
    second.block.fontSize = 5;
    styles.Add(first);
    styles.Add(other);
    styles.Add(second);

    ASSERT_NE(styles.Find("kopf"), nullptr);
    EXPECT_EQ(styles.Find("kopf")->lineSpacing, 2);
    EXPECT_EQ(styles.Find("kopf")->block.fontSize, 5);
    EXPECT_EQ(styles.Find("Kopf"), nullptr);
    EXPECT_EQ(styles.Count(), 3);
    styles.Clear();
    EXPECT_EQ(styles.Find("fuss"), nullptr);
}

TEST(TMapList, AreasGoToTheNewestMapAndTheLastNameWins) {
    tMapList maps;
    EXPECT_FALSE(maps.AddArea(tArea{1, 2, 3, 4, "ziel"}));
    EXPECT_EQ(maps.Count(), 0);

    maps.AddMap("karte");
    EXPECT_TRUE(maps.AddArea(tArea{1, 2, 3, 4, "a.htm"}));
    maps.AddMap("andere");
    EXPECT_TRUE(maps.AddArea(tArea{5, 6, 7, 8, "b.htm"}));
    EXPECT_TRUE(maps.AddArea(tArea{9, 9, 9, 9, "c.htm"}));

    ASSERT_NE(maps.Find("karte"), nullptr);
    ASSERT_EQ(maps.Find("karte")->areas.size(), 1u);
    EXPECT_EQ(maps.Find("karte")->areas[0].target, "a.htm");
    ASSERT_EQ(maps.Find("andere")->areas.size(), 2u);
    EXPECT_EQ(maps.Find("andere")->areas[1].x, 9);
    EXPECT_EQ(maps.Find("Karte"), nullptr);

    maps.AddMap("karte"); // a second map of that name hides the first
    EXPECT_TRUE(maps.Find("karte")->areas.empty());
    EXPECT_EQ(maps.Count(), 3);
    maps.Clear();
    EXPECT_EQ(maps.Find("andere"), nullptr);
}

} // namespace
} // namespace qor

#include "page/render/TXBitmapList.h"

namespace qor {
namespace {

TEST(TXBitmapList, EntriesKeepTheirAddressWhileTheListGrows) {
    TXBitmapList list;
    EXPECT_EQ(list.Add(TXBitmap(2, 3)), 0);
    const TXBitmap* first = &list.At(0);
    for (int i = 1; i < 100; ++i)
        EXPECT_EQ(list.Add(TXBitmap(i, 1)), i);
    EXPECT_EQ(&list.At(0), first);
    EXPECT_EQ(list.At(0).Height(), 3);
    EXPECT_EQ(list.At(42).Width(), 42);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
} // namespace qor
