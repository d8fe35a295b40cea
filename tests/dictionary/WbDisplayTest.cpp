#include "dictionary/WbDisplay.h"

#include "DictionaryTestSupport.h"
#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

TEST(WbDisplay, CaptionAndCountFollowTheCurrentHalf) {
    TXDatabase dictionary;
    FillHalf(dictionary, DictionaryDirection::GermanFrench, {{"Haus", 1, "maison (f)"}});
    FillHalf(dictionary, DictionaryDirection::FrenchGerman,
             {{"chat (m)", 1, "Katze"}, {"chien (m)", 1, "Hund"}, {"manger", 2, "essen"}});
    EXPECT_EQ(WbCaption(dictionary), CpText("qor französisch (3)"_cp));
    dictionary.SetDirection(DictionaryDirection::GermanFrench);
    EXPECT_EQ(WbCaption(dictionary), CpText("qor französisch (1)"_cp));

    // Unlike the page's result line, the window says "Einträge" for one and for none.
    for (int count : {0, 1, 12})
        EXPECT_EQ(WbResultCountText(count), std::to_string(count) + CpText(" Einträge gefunden."_cp));
}

TEST(WbDisplay, ResultRowsOrOneBlankRow) {
    TXDatabase dictionary;
    FillHalf(dictionary, DictionaryDirection::FrenchGerman,
             {{"chat (m)", 1, "Katze"}, {"chaton (m)", 1, CpText("Kätzchen"_cp)}, {"manger", 2, "essen"}});
    dictionary.Search("chat", WholeWords::No, TermLanguage::French, SearchScope::CurrentHalf);
    const std::vector<WbRow> rows = WbResultRows(dictionary);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (WbRow{"1", "chat (m)", "Katze", std::string(WordClassShortName(1))}));
    EXPECT_EQ(rows[1].number, "2");
    EXPECT_EQ(rows[1].vokabel, "chaton (m)");

    dictionary.Search("zzz", WholeWords::No, TermLanguage::French, SearchScope::CurrentHalf);
    EXPECT_EQ(WbResultRows(dictionary), std::vector<WbRow>{WbRow{}});
}

TEST(WbDisplay, TheFrenchTextOfARowDependsOnTheHalf) {
    const WbRow row{"1", "Haus", "maison (f)", "Nomen"};
    EXPECT_EQ(WbFrenchText(row, true), "maison (f)");
    EXPECT_EQ(WbFrenchText(row, false), "Haus");
}

TEST(WbDisplay, ColumnsShareTheGridsWidth) {
    struct Case {
        int clientWidth;
        int gridWidth;
        std::array<int, 4> columns;
    };
    const Case cases[] = {
        {600, 346, {20, 103, 146, 57}},
        {1024, 770, {20, 280, 393, 57}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clientWidth);
        EXPECT_EQ(WbGridWidth(c.clientWidth), c.gridWidth);
        EXPECT_EQ(WbColumnWidths(c.gridWidth), c.columns);
        const std::array<int, 4> columns = WbColumnWidths(c.gridWidth);
        EXPECT_EQ(columns[0] + columns[1] + columns[2] + columns[3] + 20, c.gridWidth)
            << "the columns with the grid's lines and scroll bar fill it";
    }
}

} // namespace
} // namespace qor::test
