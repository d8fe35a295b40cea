// IF, ELSE, /IF, TITLE: one skip flag, no nesting.

#include "MarkupTestSupport.h"

#include <gtest/gtest.h>

namespace qor::test {
namespace {

// The words of the page, joined by "|" (spaces left out).
std::string Words(const PageDocument& document) {
    std::string words;
    for (const tFormatted_text& element : document.elements) {
        if (element.kind == ElementKind::Word) {
            words += (words.empty() ? "" : "|") + element.text;
        }
    }
    return words;
}

struct ConditionCase {
    const char* name;
    std::vector<std::string> conditions;
    std::string markup;
    std::string words;
};

TEST(Conditions, SectionsShowOrSkip) {
    const std::vector<ConditionCase> cases = {
        {"held condition shows", {"x"}, "<IF x>a</IF>b", "a|b"},
        {"missing condition skips", {}, "<IF x>a</IF>b", "b"},
        {"conditions ignore case", {"next"}, "<IF NEXT>a</IF>", "a"},
        {"IF without a condition changes nothing", {}, "<IF>a</IF>b", "a|b"},
        {"ELSE after a false condition", {}, "<IF x>a<ELSE>b</IF>c", "b|c"},
        {"ELSE after a true condition", {"x"}, "<IF x>a<ELSE>b</IF>c", "a|c"},
        {"second ELSE shows after a false condition", {}, "<IF x>a<ELSE>b<ELSE>c</IF>", "b|c"},
        {"second ELSE shows after a true condition", {"x"}, "<IF x>a<ELSE>b<ELSE>c</IF>", "a|c"},
        {"inner /IF ends the outer section", {}, "<IF x>a<IF y>b</IF>c</IF>d", "c|d"},
        {"tags inside a skipped section are ignored", {}, "<IF x><B>a</IF>b", "b"},
        {"skipped section running to the end", {}, "a<IF x>b c d", "a"},
        {"skipped double brackets stay skipped", {}, "<IF x>a<<b</IF>c", "c"},
        {"macro with a value", {}, "<DEFINE $m=\"v\"><IF $m>a</IF>", "a"},
        {"macro without a value", {}, "<DEFINE $m=\"\"><IF $m>a</IF>", ""},
        {"undefined macro", {}, "<IF $m>a</IF>", ""},
        {"ELSE after a macro condition always shows", {}, "<DEFINE $m=\"v\"><IF $m>a<ELSE>b</IF>", "a|b"},
        {"special code without handler skips", {}, "<IF ?frage>a<ELSE>b</IF>", "b"},
        {"link alias with a target", {}, "<ALIAS #n=\"x.htx\"><IF #n>a<ELSE>b</IF>", "a"},
        {"empty link alias", {}, "<ALIAS #n=\"\"><IF #n>a<ELSE>b</IF>", "b"},
        {"undefined link alias", {}, "<IF #n>a<ELSE>b</IF>", "b"},
        {"#ex outside an exercise", {}, "<IF #ex>a</IF>b", "b"},
    };
    for (const ConditionCase& conditionCase : cases) {
        SCOPED_TRACE(conditionCase.name);
        TestPage page;
        for (const std::string& condition : conditionCase.conditions) {
            page.document.conditions.Set(condition);
        }
        page.Parse(conditionCase.markup);
        EXPECT_EQ(Words(page.document), conditionCase.words);
    }
}

TEST(Conditions, SpecialCodesAskTheHandler) {
    TestPage page;
    page.host.SetSpecialCodeHandler([](std::string& code) { code = code == "ja" ? "+" : "-"; });
    page.Parse("<IF ?ja>a</IF><IF ?nein>b<ELSE>c</IF><IF ?ja>d<ELSE>e</IF>");
    EXPECT_EQ(Words(page.document), "a|c|d|e");
}

TEST(Conditions, ExerciseFlagMakesExTrue) {
    TestPage page;
    page.document.exerciseItem = true;
    page.Parse("<IF #ex>a</IF>b");
    EXPECT_EQ(Words(page.document), "a|b");
}

TEST(Conditions, ElseAfterExFollowsTheExerciseFlag) {
    // An exercise item shows only the IF part, any other page only the ELSE part.
    for (bool exercise : {true, false}) {
        TestPage page;
        page.document.exerciseItem = exercise;
        page.Parse("<IF #ex>Aufgabe<ELSE>Einleitung</IF>Ende");
        EXPECT_EQ(Words(page.document), exercise ? "Aufgabe|Ende" : "Einleitung|Ende");
    }
}

TEST(Conditions, ConditionListSetsOnceAndClearsIgnoringCase) {
    ConditionList conditions;
    conditions.Set("next");
    conditions.Set("NEXT");
    conditions.Set("prev");
    EXPECT_EQ(conditions.Names(), (std::vector<std::string>{"next", "prev"}));
    EXPECT_TRUE(conditions.Test("Next"));
    conditions.Clear("NeXt");
    EXPECT_FALSE(conditions.Test("next"));
    EXPECT_TRUE(conditions.Test("prev"));
}

TEST(Conditions, TitleTakesTheTextUpToTheNextTag) {
    struct TitleCase {
        const char* name;
        std::string markup;
        std::string title;
        std::string words;
    };
    const std::vector<TitleCase> cases = {
        {"plain title", "<TITLE> Meine Seite </TITLE>a", "Meine Seite", "a"},
        {"no title", "a", "ohne Titel", "a"},
        {"title to the end", "<TITLE>Ende", "Ende", ""},
        {"double bracket in a title", "<TITLE>a<<b</TITLE>", "a<b", ""},
        {"a tag inside the title starts it again", "<TITLE>abc<B>def</TITLE>x", "def", "x"},
        {"IF ends the title mode", "<TITLE>t</TITLE><IF x>skipped</IF>", "t", ""},
    };
    for (const TitleCase& titleCase : cases) {
        SCOPED_TRACE(titleCase.name);
        TestPage page;
        page.Parse(titleCase.markup);
        EXPECT_EQ(page.document.title, titleCase.title);
        EXPECT_EQ(Words(page.document), titleCase.words);
    }
}

TEST(Conditions, EveryParseStartsUnskipped) {
    TestPage page;
    page.Parse("<IF x>a");
    EXPECT_TRUE(page.document.skipping);
    page.Parse("b");
    EXPECT_EQ(Words(page.document), "b");
}

} // namespace
} // namespace qor::test
