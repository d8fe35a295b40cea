#include "vocab/verbs/VerbSelectionMarks.h"

#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

// Verbs named by `names`; an empty name is a verb without an infinitive.
std::vector<TVerb> Verbs(const std::vector<std::string>& names) {
    std::vector<TVerb> verbs(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        verbs[i].infinitive = names[i];
    return verbs;
}

TEST(VerbSelectionMarks, ListLinesAndTheVerbTextBuiltFromThem) {
    struct Case {
        std::vector<std::string> names;
        std::string verbText;
        std::vector<std::string> lines;
        std::vector<int> verbs;
        std::string rebuilt; // a verb without a line is never chosen again
    };
    const std::vector<Case> cases = {
        {{"avoir", std::string("être"_cp), "aller"},
         "+-+",
         {"\xA7"
          "avoir",
          "$\xEAtre",
          "\xA7"
          "aller"},
         {0, 1, 2},
         "+-+"},
        {{"avoir", "", "aller"},
         "+++",
         {"\xA7"
          "avoir",
          "\xA7"
          "aller"},
         {0, 2},
         "+-+"},
        {{"avoir", "aller"},
         "+",
         {"\xA7"
          "avoir",
          "$aller"},
         {0, 1},
         "+-"}, // a short text marks the rest off
        {{}, "", {}, {}, ""},
    };
    for (const Case& example : cases) {
        SCOPED_TRACE(example.verbText);
        const std::vector<TVerb> table = Verbs(example.names);
        const VerbMarkList list = VerbMarkLines(table, example.verbText);
        EXPECT_EQ(list.lines, example.lines);
        EXPECT_EQ(list.verbs, example.verbs);
        EXPECT_EQ(VerbTextFromMarks(list.lines, list.verbs, static_cast<int>(table.size())), example.rebuilt);
    }
}

TEST(VerbSelectionMarks, HiddenTenseBoxesNeverChooseTheirTense) {
    struct Case {
        std::string tenseText;
        std::vector<std::string> captions;
        std::string rebuilt;
    };
    const std::vector<std::string> all = TenseCaptions();
    std::vector<std::string> withoutSecond = all;
    withoutSecond[1].clear();
    const std::vector<Case> cases = {
        {"++--------------", all, "++--------------"},
        {"++--------------", withoutSecond, "+---------------"},
        {"++++++++++++++++", {"a", "b"}, "++--------------"}, // missing captions hide the boxes
        {"+", all, "+---------------"},
    };
    for (const Case& example : cases) {
        SCOPED_TRACE(example.tenseText + " " + std::to_string(example.captions.size()));
        EXPECT_EQ(TenseTextFromBoxes(TenseBoxesFor(example.tenseText, example.captions)), example.rebuilt);
    }
}

} // namespace
} // namespace qor
