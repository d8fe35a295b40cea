#include "editor/EditorFakes.h"
#include "editor/TVocEditorCore.h"
#include "platform/Cp1252.h"
#include "platform/MessageCapture.h"

#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {

using test::EntryRow;
using test::FillHalf;
using test::FillLibrary;

class EditorChecksTest : public test::EditorCoreFixture {
protected:
    void SetUp() override {
        FillHalf(dictionary, DictionaryDirection::FrenchGerman,
                 {{"chat", 1, "Katze"},
                  {"grand", 3, "gross; weit"},
                  {"maison (f)", 1, "Haus"},
                  {"rouge", 3, "rot"}});
        FillHalf(dictionary, DictionaryDirection::GermanFrench, {{"Haus", 1, "maison"}});
    }
    TVocEditorCore& Core(const std::vector<EntryRow>& entries) {
        FillLibrary(library, entries);
        return StartCore();
    }
};

const std::string kFinished = "Kontrolle beendet.";

TEST_F(EditorChecksTest, KontrollierenRunsToTheEndWhenEverythingAgrees) {
    TVocEditorCore& core =
        Core({{"chat", "Katze"}, {"grand", "weit", 2, false, "gross"}, {"Haus", "maison", 0, true}});
    core.SetAlwaysLookup(false);
    core.Kontrollieren();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kFinished});
    EXPECT_EQ(messages.Messages()[0].flags, 64);
    EXPECT_TRUE(core.AlwaysLookup());
    EXPECT_TRUE(core.CheckMultipleChoice());
    EXPECT_FALSE(core.Busy());
    EXPECT_EQ(library.Current(), 2);
    EXPECT_GE(view.processed, 3);
}

TEST_F(EditorChecksTest, KontrollierenStopsAtTheFirstFinding) {
    struct Case {
        std::string name;
        std::vector<EntryRow> entries;
        std::string message;
        int current;
    };
    const std::vector<Case> cases = {
        {"meanings",
         {{"chat", "Katze"}, {"rouge", "rot; rosa", 2}, {"grand", "x", 2}},
         std::string(
             "Diese Vokabel hat andere Bedeutungen als\rder entsprechende Eintrag im Wörterbuch!\r\r>"_cp) +
             "rot; rosa<\r\n>rot<",
         1},
        {"word class",
         {{"chat", "Katze"}, {"rouge", "rot", 1}},
         "Möglicher Fehler bei den Wortarten entdeckt.",
         1},
        {"length",
         {{"chat", "Katze"}, {"grand", "gross und breit und weit und hoch", 2}},
         "Die 1. Bedeutung ist für Multiple-Choice Aufgaben zu lang!\rSie sollten lieber das Eingabefeld "
         "\"Weitere:\" benutzen.",
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TVocEditorCore& core = Core(c.entries);
        core.Kontrollieren();
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{Cp1252FromUtf8(c.message)});
        EXPECT_EQ(library.Current(), c.current);
        EXPECT_FALSE(core.Busy());
    }
}

TEST_F(EditorChecksTest, KontrollierenWithoutTheLengthOptionAcceptsLongMeanings) {
    TVocEditorCore& core = Core({{"grand", "gross und breit und weit und hoch", 2}});
    core.SetCheckMultipleChoice(false);
    core.Kontrollieren();
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_NE(messages.Texts()[0], kFinished); // the meanings differ from the dictionary's
    EXPECT_FALSE(core.CheckMultipleChoice());
}

TEST_F(EditorChecksTest, KontrollierenAddsMissingWords) {
    TVocEditorCore& core = Core({{"chien", "Hund"}, {"chat", "Katze"}});
    messages.Answer(kIdNo);
    core.Kontrollieren();
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].flags, 68);
    EXPECT_EQ(dictionary.FindIndex("chien", 1), 1); // "chat" < "chien" < "grand": not there yet
    EXPECT_NE(dictionary.Vokabel(1), "chien");

    messages.Clear();
    core.Kontrollieren();
    EXPECT_EQ(messages.Texts().back(), kFinished);
    const int added = dictionary.FindIndex("chien", 1);
    EXPECT_EQ(dictionary.Vokabel(added), "chien");
    EXPECT_EQ(dictionary.Bedeutung(added), "Hund");
    EXPECT_EQ(dictionary.Wortart(added), 1);

    FillHalf(dictionary, DictionaryDirection::FrenchGerman, {});
    TVocEditorCore& automatic = Core({{"arbre", std::string("Baum; Gehölz"_cp)}});
    automatic.SetAddToDictionaryAutomatically(true);
    automatic.Kontrollieren();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kFinished});
    EXPECT_EQ(dictionary.FindIndex("arbre", 1), 0);
    EXPECT_EQ(dictionary.Bedeutung(0), std::string("Baum; Gehölz"_cp));
}

// Headwords with accents and capitals, in the dictionary's order, are found by both checks.
TEST_F(EditorChecksTest, BothChecksFindAccentedHeadwordsInTheSortedDictionary) {
    for (DictionaryDirection half : {DictionaryDirection::GermanFrench, DictionaryDirection::FrenchGerman}) {
        dictionary.SetDirection(half);
        dictionary.DeleteAll();
    }
    FillHalf(
        dictionary, DictionaryDirection::FrenchGerman,
        {{"abricot", 1, "Aprikose"}, {"\xE9t\xE9", 1, "Sommer"}, {"\xEAtre", 2, "sein"}, {"zoo", 1, "Zoo"}});
    FillHalf(dictionary, DictionaryDirection::GermanFrench,
             {{"essen", 2, "manger"},
              {"Essen", 1, "repas"},
              {"Stra\xDF"
               "e",
               1, "rue"},
              {"\xDC"
               "bung",
               1, "exercice"},
              {"Zug", 1, "train"}});
    const std::vector<EntryRow> entries = {{"\xE9t\xE9", "Sommer"},
                                           {"\xEAtre", "sein", 1},
                                           {"zoo", "Zoo"},
                                           {"Essen", "repas", 0, true},
                                           {"essen", "manger", 1, true},
                                           {"Stra\xDF"
                                            "e",
                                            "rue", 0, true},
                                           {"\xDC"
                                            "bung",
                                            "exercice", 0, true},
                                           {"Zug", "train", 0, true}};
    for (bool express : {false, true}) {
        SCOPED_TRACE(express ? "XPress-Kontrolle" : "Kontrollieren");
        TVocEditorCore& core = Core(entries);
        messages.Clear();
        express ? core.XPressKontrolle() : core.Kontrollieren();
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{kFinished});
    }
}

TEST_F(EditorChecksTest, KontrollierenTakesTheDictionaryMeaningForAQuestionMark) {
    TVocEditorCore& core = Core({{"maison", "?"}});
    core.Kontrollieren();
    EXPECT_EQ(library.Vokabel(0), "maison (f)");
    EXPECT_EQ(library.Bedeutung(0, 0), "Haus");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kFinished});
}

TEST_F(EditorChecksTest, PressingAgainAbortsAndLeavingIsRefusedMeanwhile) {
    TVocEditorCore& core = Core({{"chat", "Katze"}, {"grand", "gross; weit", 2}, {"rouge", "rot", 2}});
    std::vector<EditorExit> exits;
    view.onProcessMessages = [&] {
        exits.push_back(core.Leave(LeaveCommand::Close));
        if (library.Current() == 1)
            core.Kontrollieren();
    };
    core.Kontrollieren();
    EXPECT_EQ(library.Current(), 1);
    EXPECT_EQ(exits, (std::vector<EditorExit>{EditorExit::Stay, EditorExit::Stay}));
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Kann diese Seite noch nicht verlassen!",
                                                          "Kann diese Seite noch nicht verlassen!",
                                                          "Kontrolle wurde abgebrochen."}));
    EXPECT_FALSE(core.Busy());
}

TEST_F(EditorChecksTest, XPressFindsDifferencesWithoutTheWindow) {
    TVocEditorCore& core = Core({{"chat", "Katze"},
                                 {"Haus", "maison", 0, true},
                                 {"bleu", "?", 2},
                                 {"rouge", "rot; rosa", 2},
                                 {"chat", "Katze"}});
    core.SetAlwaysLookup(false);
    const int processedBefore = view.processed;
    core.XPressKontrolle();
    EXPECT_EQ(library.Current(), 3);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_NE(messages.Texts()[0].find(">rot; rosa<\r\n>rot<"), std::string::npos);
    EXPECT_EQ(view.processed, processedBefore);
    EXPECT_EQ(library.Bedeutung(2, 0), "?"); // a "?" is left for the window's check

    library.SetBedeutung(3, 0, "rot");
    messages.Clear();
    core.XPressKontrolle();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kFinished});
}

TEST_F(EditorChecksTest, XPressAddsMissingWordsAndChecksLengths) {
    TVocEditorCore& core = Core({{"chat", "Katze"}, {"vert", "grün", 2}});
    core.SetAddToDictionaryAutomatically(true);
    core.XPressKontrolle();
    EXPECT_EQ(library.Current(), 1);
    EXPECT_EQ(dictionary.Vokabel(dictionary.FindIndex("vert", 3)), "vert");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kFinished});

    TVocEditorCore& lengthy = Core({{"chat", "Katze"}, {"grand", "gross und breit und weit und hoch", 2}});
    lengthy.XPressKontrolle();
    EXPECT_EQ(library.Current(), 1);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0].substr(0, 15), "Die 1. Bedeutun");
}

TEST_F(EditorChecksTest, KontexteAbgleichenRepairsAndAligns) {
    TVocEditorCore& core = Core({{"Chat", "Kater", 0, false, "", "le (chat("},
                                 {"maison", "Heim", 2},
                                 {"rouge", "rot", 2, false, "", "(le (vin (rouge"},
                                 {"grand", "x", 2, false, "", "un (grand) (homme)"}});
    core.KontexteAbgleichen();
    EXPECT_EQ(library.Vokabel(0), "chat");
    EXPECT_EQ(library.Bedeutung(0, 0), "Katze");
    EXPECT_EQ(library.Kontext(0, 0), "le (chat)");
    EXPECT_EQ(library.Vokabel(1), "maison (f)");
    EXPECT_EQ(library.Bedeutung(1, 0), "Haus");
    EXPECT_EQ(library.Wortart(1), 0);
    EXPECT_EQ(library.Kontext(2, 0), "le (vin )rouge");
    EXPECT_EQ(library.Current(), 3);
    EXPECT_EQ(library.Bedeutung(3, 0), "x"); // the run stops at the bad context first
    EXPECT_EQ(view.focus, EditorField::Kontext0);
}

TEST_F(EditorChecksTest, KontexteAbgleichenStopsWhereTheDictionaryDisagrees) {
    TVocEditorCore& core = Core({{"Tisch, e", "table", 0, true}, {"chat", "Katze"}});
    core.KontexteAbgleichen();
    EXPECT_EQ(library.Vokabel(0), "Tisch, -e");
    EXPECT_EQ(library.Current(), 0);
}

TEST(EditorChecksWithoutDictionary, ChecksDoNothing) {
    TBibliothek library;
    FillLibrary(library, {{"chat", "?"}});
    test::FakeEditorView view;
    test::FakeEditorDialogs dialogs;
    test::MessageCapture messages;
    TVocEditorCore core(library, nullptr, view, dialogs, EditorMode::Standalone);
    core.Start();
    core.Kontrollieren();
    core.XPressKontrolle();
    core.KontexteAbgleichen();
    core.TakeOver();
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(library.Bedeutung(0, 0), "?");
    EXPECT_FALSE(core.Busy());
}

} // namespace
} // namespace qor
