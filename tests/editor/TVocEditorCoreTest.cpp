#include "editor/TVocEditorCore.h"

#include "editor/EditorFakes.h"
#include "platform/Cp1252.h"
#include "platform/MessageCapture.h"
#include "platform/Random.h"

#include <gtest/gtest.h>
#include <memory>

namespace qor {
namespace {

using test::EntryRow;
using test::FillHalf;
using test::FillLibrary;

class EditorCoreTest : public test::EditorCoreFixture {
protected:
    void SetUp() override {
        FillLibrary(library, {{"maison", "Haus"}, {"grand", "gross", 2}, {"Zug", "train", 0, true}});
        FillHalf(dictionary, DictionaryDirection::FrenchGerman,
                 {{"chat", 1, "Katze"},
                  {"grand", 2, "lang"},
                  {"grand", 3, "gross; weit; breit"},
                  {"maison", 1, "Haus; Heim"}});
        FillHalf(dictionary, DictionaryDirection::GermanFrench, {{"Haus", 1, "maison"}, {"Zug", 1, "train"}});
    }
    TVocEditorCore& Core(EditorMode mode = EditorMode::Trainer, EditorEnvironment environment = {}) {
        return StartCore(mode, std::move(environment));
    }
};

TEST_F(EditorCoreTest, StartShowsTheFirstEntryTheListAndItsDictionaryEntry) {
    Core();
    EXPECT_EQ(view.position, 1);
    EXPECT_EQ(view.count, 3);
    EXPECT_EQ(view.fields.vokabel, "maison");
    EXPECT_EQ(view.fields.bedeutung0, "Haus");
    EXPECT_FALSE(view.germanOnTop);
    EXPECT_EQ(view.lines,
              (std::vector<std::string>{"$maison", "$grand", std::string("§"_cp) + "Zug", "$(leer)"}));
    EXPECT_EQ(view.selectedLine, 0);
    EXPECT_EQ(view.fileLabel, "Unbenannt");
    EXPECT_EQ(view.panel, (DictionaryPanelTexts{"maison", "Haus; Heim", 0}));
    EXPECT_EQ(view.directionCaption, std::string("Französisch-D"_cp));
    EXPECT_EQ(view.recentItems[0], "&1 ");
}

TEST_F(EditorCoreTest, LookUpFollowsDirectionAndWordClass) {
    TVocEditorCore& core = Core();
    core.ListeChange(1); // grand, Adjektiv: the dictionary's class 3
    EXPECT_EQ(view.panel, (DictionaryPanelTexts{"grand", "gross; weit; breit", 2}));
    core.WortartEdited(1); // Verb: class 2
    EXPECT_EQ(view.panel.bedeutung, "lang");
    core.ListeChange(2); // a German headword switches the half
    EXPECT_TRUE(dictionary.IsGermanFrench());
    EXPECT_EQ(view.panel.vokabel, "Zug");
    EXPECT_EQ(view.directionCaption, "Deutsch-F");

    core.SetAlwaysLookup(false);
    core.ListeChange(0);
    EXPECT_TRUE(dictionary.IsGermanFrench());
    EXPECT_EQ(view.panel.vokabel, "Zug");
}

TEST_F(EditorCoreTest, EditsWriteThroughAndUpdateTheListLine) {
    EditorEnvironment environment;
    environment.recordingLookup = [](std::string_view text) {
        return text == "chat" ? std::string("XF:chat.wav") : std::string();
    };
    TVocEditorCore& core = Core(EditorMode::Trainer, environment);
    core.VokabelEdited("chat");
    EXPECT_EQ(library.Vokabel(0), "chat");
    EXPECT_TRUE(library.Changed());
    EXPECT_EQ(view.lines[0], "$chat");
    EXPECT_EQ(view.panel.vokabel, "chat");
    EXPECT_EQ(view.recordingPath, "XF:chat.wav");
    core.Bedeutung0Edited("");
    EXPECT_EQ(view.lines[0], "$(leer)");
    core.Bedeutung0Edited("Katze");
    core.Bedeutung1Edited("Kater");
    core.KontextEdited(1, "le (chat)");
    core.KtxDazuEdited(1, true);
    core.SchwierigkeitEdited(9);
    const TVokabel entry = library.Entry(0);
    EXPECT_EQ(entry.Bedeutung0, "Katze");
    EXPECT_EQ(entry.Bedeutung1, "Kater");
    EXPECT_EQ(entry.Kontext1, "le (chat)");
    EXPECT_TRUE(entry.KtxDazu1);
    EXPECT_EQ(entry.Schwierigkeit, 4);
    core.VokabelEdited("chien");
    EXPECT_EQ(view.recordingPath, "");
}

TEST_F(EditorCoreTest, ToggleFlagSwapsDirectionSignAndDictionaryHalf) {
    TVocEditorCore& core = Core();
    core.ToggleFlag();
    EXPECT_TRUE(library.Deutsch(0));
    EXPECT_TRUE(view.germanOnTop);
    EXPECT_EQ(view.lines[0], std::string("§"_cp) + "maison");
    EXPECT_TRUE(dictionary.IsGermanFrench());
    core.ToggleFlag();
    EXPECT_FALSE(library.Deutsch(0));
    EXPECT_EQ(view.lines[0], "$maison");
    EXPECT_FALSE(dictionary.IsGermanFrench());
}

TEST_F(EditorCoreTest, TakeOverTwiceAlternatesTheMeaningLayout) {
    TVocEditorCore& core = Core();
    core.ListeChange(1);
    core.VokabelEdited("grand");
    core.TakeOver();
    EXPECT_EQ(library.Bedeutung(1, 0), "gross");
    EXPECT_EQ(library.Bedeutung(1, 1), "weit; breit");
    EXPECT_EQ(view.texts[EditorField::Bedeutung1], "weit; breit");
    core.TakeOver();
    EXPECT_EQ(library.Bedeutung(1, 0), "gross; weit");
    EXPECT_EQ(library.Bedeutung(1, 1), "breit");
    EXPECT_EQ(library.Wortart(1), 2);
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(EditorCoreTest, TakeOverFromTheOtherHalfSwapsHeadwordAndMeaning) {
    FillLibrary(library, {{"x", "y", 0, false, "", "un (x)"}});
    TVocEditorCore& core = Core();
    core.SetAlwaysLookup(false);
    dictionary.SetDirection(DictionaryDirection::GermanFrench);
    dictionary.First(); // Haus / maison
    messages.Answer(kIdNo);
    core.TakeOver();
    EXPECT_EQ(library.Vokabel(0), "maison");
    EXPECT_EQ(library.Bedeutung(0, 0), "Haus");
    EXPECT_EQ(library.Kontext(0, 0), "un (x)");
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, std::string("Auch Kontext(e) löschen?"_cp));
    EXPECT_EQ(messages.Messages()[0].flags, 36);

    dictionary.Next(); // Zug / train
    messages.Answer(kIdYes);
    core.TakeOver();
    EXPECT_EQ(library.Vokabel(0), "train");
    EXPECT_EQ(library.Kontext(0, 0), "");
    EXPECT_EQ(view.texts[EditorField::Kontext0], "");
}

TEST_F(EditorCoreTest, LeavingAnIncompleteEntryIsRefused) {
    FillLibrary(library, {{"maison", ""}, {"chat", "Katze"}});
    TVocEditorCore& core = Core();
    EXPECT_FALSE(core.ListeChange(1));
    EXPECT_EQ(library.Current(), 0);
    EXPECT_EQ(view.selectedLine, 0);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0], std::string("Die aktuelle Vokabel ist leer oder unvollständig!\rBitte "
                                               "vervollständigen oder löschen Sie die Vokabel."_cp));
    EXPECT_TRUE(core.ListeChange(0));
    core.Bedeutung0Edited("Haus");
    EXPECT_TRUE(core.ListeChange(1));
    EXPECT_EQ(library.Current(), 1);
}

TEST_F(EditorCoreTest, GoRightAppendsAfterACompleteLastEntryAndStopsAtABlankOne) {
    FillLibrary(library, {{"maison", "Haus"}});
    TVocEditorCore& core = Core();
    core.GoRight();
    EXPECT_EQ(library.Current(), 1);
    EXPECT_EQ(view.focus, EditorField::Vokabel);
    core.GoRight();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Ende der Bibliothek erreicht!"});
    EXPECT_EQ(library.Count(CountMode::Full), 2);

    core.VokabelEdited("chat");
    core.Bedeutung0Edited("Katze");
    core.GoRight();
    EXPECT_EQ(library.Current(), 2);
    EXPECT_EQ(library.Count(CountMode::Full), 3);
    EXPECT_EQ(view.lines.back(), "$(leer)");

    messages.Clear();
    core.GoLeft();
    core.GoLeft();
    EXPECT_EQ(library.Current(), 0);
    EXPECT_TRUE(messages.Texts().empty());
    core.GoLeft();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Anfang der Bibliothek erreicht!"});
}

TEST_F(EditorCoreTest, InsertBeforeAndAfterAndDelete) {
    TVocEditorCore& core = Core();
    core.ListeChange(1);
    core.InsertBefore();
    EXPECT_EQ(library.Count(CountMode::Full), 5);
    EXPECT_TRUE(library.IsBlank(1));
    EXPECT_EQ(view.lines[1], "$(leer)");
    EXPECT_EQ(view.focus, EditorField::Vokabel);
    core.InsertBefore(); // refused: the current entry is blank
    EXPECT_EQ(library.Count(CountMode::Full), 5);

    core.Loeschen();
    EXPECT_EQ(library.Count(CountMode::Full), 4);
    EXPECT_EQ(library.Vokabel(1), "grand");
    EXPECT_EQ(view.fields.vokabel, "grand");

    core.InsertAfter(); // grand → Zug, then a blank line before Zug
    EXPECT_EQ(library.Vokabel(2), "");
    EXPECT_EQ(library.Vokabel(3), "Zug");

    FillLibrary(library, {});
    TVocEditorCore& single = Core();
    single.Loeschen();
    EXPECT_EQ(library.Count(CountMode::Full), 1);
    EXPECT_EQ(view.lines, std::vector<std::string>{"$(leer)"});
}

TEST_F(EditorCoreTest, SortierenPutsFrenchFirstOrShowsTheIncompleteEntry) {
    TVocEditorCore& core = Core();
    core.ListeChange(2);
    core.Sortieren();
    EXPECT_EQ(view.lines,
              (std::vector<std::string>{"$grand", "$maison", std::string("§"_cp) + "Zug", "$(leer)"}));
    EXPECT_EQ(library.Current(), 0);
    EXPECT_EQ(view.selectedLine, 0);

    FillLibrary(library, {{"maison", "Haus"}, {"chat", ""}, {"arbre", "Baum"}});
    TVocEditorCore& refusing = Core();
    refusing.Sortieren();
    EXPECT_EQ(library.Current(), 1);
    EXPECT_EQ(view.selectedLine, 1);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{
                  std::string("Die Bibliothek enthält eine unvollständige Vokabel!\rBitte vervollständigen "
                              "oder löschen Sie diese Vokabel."_cp)});
    EXPECT_EQ(library.Vokabel(0), "maison");
}

TEST_F(EditorCoreTest, DuplicatesAreCountedInTheMessage) {
    FillLibrary(library, {{"chat", "Katze"}, {"chat", "katze"}, {"maison", "Haus"}});
    TVocEditorCore& core = Core();
    core.ListeChange(2);
    core.DoppelteRaus();
    EXPECT_EQ(library.Count(), 2);
    EXPECT_EQ(library.Current(), 0);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"1 doppelte Vokabeln wurden entfernt!"});
}

TEST_F(EditorCoreTest, ReverseAndShuffleStartAtTheFirstLine) {
    TVocEditorCore& core = Core();
    core.ListeChange(2);
    core.Umkehren();
    EXPECT_EQ(library.Count(), 6);
    EXPECT_EQ(view.lines.size(), 7u);
    EXPECT_EQ(view.lines[3], std::string("§"_cp) + "Haus");
    EXPECT_EQ(library.Current(), 0);
    EXPECT_GT(view.processed, 0);
    core.ListeChange(4);
    core.Mischen();
    EXPECT_EQ(library.Current(), 0);
    EXPECT_EQ(library.Count(), 6);
}

TEST_F(EditorCoreTest, SearchSelectsTheHitInItsField) {
    FillLibrary(library, {{"maison", "Haus", 0, false, "Heim; Bau"},
                          {"chat", "Katze", 0, false, "", "le (chat) noir"}});
    TVocEditorCore& core = Core();
    dialogs.searchAnswer = SearchRequest{"bau", false};
    core.Suchen();
    EXPECT_EQ(dialogs.searchPresets.back(), (SearchRequest{"", false}));
    EXPECT_EQ(library.Current(), 0);
    ASSERT_TRUE(view.selection);
    EXPECT_EQ(*view.selection, (test::FakeEditorView::Selection{EditorField::Bedeutung1, 6, 3}));
    EXPECT_EQ(view.focus, EditorField::Bedeutung1);

    dialogs.searchAnswer = SearchRequest{"chat", true};
    core.Suchen();
    EXPECT_EQ(library.Current(), 1);
    EXPECT_EQ(*view.selection, (test::FakeEditorView::Selection{EditorField::Vokabel, 0, 4}));
    core.Weitersuchen();
    EXPECT_EQ(*view.selection, (test::FakeEditorView::Selection{EditorField::Kontext0, 5, 4}));
    EXPECT_EQ(dialogs.searchPresets.size(), 2u);

    dialogs.searchAnswer = SearchRequest{"Hund", false};
    core.Suchen();
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Suche blieb erfolglos!"});
}

TEST_F(EditorCoreTest, DictionaryPanelEditsAndButtons) {
    TVocEditorCore& core = Core();
    core.DictionaryBedeutungEdited("Haus; Heim; Bau");
    EXPECT_EQ(dictionary.Bedeutung(), "Haus; Heim; Bau");
    core.DictionaryWortartEdited(1);
    EXPECT_EQ(dictionary.Wortart(), 2);
    core.DictionaryFirst();
    EXPECT_EQ(view.panel.vokabel, "chat");
    core.DictionaryNext();
    EXPECT_EQ(view.panel.vokabel, "grand");
    core.DictionaryAdd();
    EXPECT_EQ(dictionary.Count(), 5);
    EXPECT_EQ(view.focus, EditorField::DBVokabel);
    core.DictionaryNext(); // refused: the new entry is empty
    EXPECT_EQ(dictionary.Vokabel(), "");
    messages.Answer(kIdNo);
    core.DictionaryDelete();
    EXPECT_EQ(dictionary.Count(), 5);
    messages.Answer(kIdYes);
    core.DictionaryDelete();
    EXPECT_EQ(dictionary.Count(), 4);
    core.DictionaryDirection();
    EXPECT_TRUE(dictionary.IsGermanFrench());
    EXPECT_EQ(view.directionCaption, "Deutsch-F");
}

TEST_F(EditorCoreTest, RandomLibraryDrawsFromTheHalvesByShare) {
    FillHalf(dictionary, DictionaryDirection::FrenchGerman, {{"avoir lieu", 5, "stattfinden"}});
    struct Case {
        int fremdShare;
        bool idioms;
        int minimumGerman;
        int maximumGerman;
    };
    const std::vector<Case> cases = {{0, true, 35, 40}, {100, false, 0, 0}, {50, true, 5, 35}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fremdShare);
        SeedRandom(7);
        library.SetChanged(false);
        TVocEditorCore& core = Core();
        dialogs.randomAnswer = RandomLibraryRequest{40, c.fremdShare, c.idioms, true};
        core.ZufallErzeugen();
        EXPECT_EQ(library.Count(), 40);
        const int german = library.CountWithDirection(true);
        EXPECT_GE(german, c.minimumGerman);
        EXPECT_LE(german, c.maximumGerman);
        int idioms = 0;
        for (int i = 0; i < library.Count(); ++i) {
            idioms += library.Wortart(i) >= kRwMitVerb ? 1 : 0;
            EXPECT_EQ(library.Deutsch(i), i >= 40 - german); // sorted: French entries first
        }
        if (!c.idioms) {
            EXPECT_EQ(idioms, 0);
        }
        EXPECT_EQ(library.Current(), 0);
        EXPECT_TRUE(core.AlwaysLookup());
    }
    dialogs.randomAnswer.reset();
    library.SetVokabel(0, "anders");
    Core().ZufallErzeugen();
    EXPECT_EQ(library.Vokabel(0), "anders");
}

TEST_F(EditorCoreTest, LeavingDecisions) {
    struct Case {
        std::string name;
        EditorMode mode;
        LeaveCommand command;
        bool changed;
        int answer;
        EditorExit exit;
        int questions;
    };
    const std::vector<Case> cases = {
        {"close editor mode", EditorMode::Standalone, LeaveCommand::Close, false, 0, EditorExit::EndProgram,
         0},
        {"close trainer", EditorMode::Trainer, LeaveCommand::Close, false, 0, EditorExit::MainWindow, 0},
        {"home editor mode", EditorMode::Standalone, LeaveCommand::Home, false, 0, EditorExit::MainWindow, 0},
        {"close cancelled", EditorMode::Standalone, LeaveCommand::Close, true, kIdCancel, EditorExit::Stay,
         1},
        {"close unsaved", EditorMode::Trainer, LeaveCommand::Close, true, kIdNo, EditorExit::MainWindow, 1},
        {"save dialog cancelled", EditorMode::Trainer, LeaveCommand::Close, true, kIdYes, EditorExit::Stay,
         1},
        {"settings", EditorMode::Trainer, LeaveCommand::Einstellungen, true, 0, EditorExit::SettingsWindow,
         0},
        {"query", EditorMode::Trainer, LeaveCommand::Abfrage, true, 0, EditorExit::Query, 0},
        {"klassisch", EditorMode::Trainer, LeaveCommand::Klassisch, false, 0, EditorExit::StyleKlassisch, 0},
        {"abgedreht", EditorMode::Trainer, LeaveCommand::Abgedreht, false, 0, EditorExit::StyleAbgedreht, 0},
        {"techno", EditorMode::Trainer, LeaveCommand::Techno, true, kIdNo, EditorExit::StyleTechno, 1},
        {"super dd cancelled", EditorMode::Trainer, LeaveCommand::SuperDD, true, kIdCancel, EditorExit::Stay,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TVocEditorCore& core = Core(c.mode);
        library.SetChanged(c.changed);
        if (c.answer != 0)
            messages.Answer(c.answer);
        EXPECT_EQ(core.Leave(c.command), c.exit);
        EXPECT_EQ(static_cast<int>(messages.Messages().size()), c.questions);
        if (c.questions > 0) {
            EXPECT_EQ(messages.Messages()[0].flags, 35);
        }
    }
}

} // namespace
} // namespace qor
