#include "app/ScriptDriver.h"

#include "app/ScriptedFileChooser.h"
#include "app/ScriptedUserDialogs.h"
#include "platform/Cp1252.h"
#include "platform/MessagePresenter.h"
#include "platform/Random.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <utility>

using namespace qor;

namespace {

// Records every action as one line and answers questions from its members.
class FakeTarget : public ScriptTarget {
public:
    std::vector<std::string> actions;
    std::string page = "main.htx";
    std::string title = "Start";
    std::map<std::string, std::string> macros;
    std::set<std::string> conditions;
    std::optional<std::string> focusedText;
    std::set<std::string> links{"Weiter", "lektion01.htx"};
    ScriptedMessagePresenter* messages = nullptr;
    UserDialogs* dialogs = nullptr;
    FileChooser* files = nullptr;

    bool ClickLink(std::string_view text) override {
        actions.push_back("click-link " + std::string(text));
        return links.count(std::string(text)) != 0;
    }
    void Click(int x, int y, MouseButton button) override {
        actions.push_back((button == MouseButton::Left ? "left " : "right ") + std::to_string(x) + "," +
                          std::to_string(y));
    }
    void Move(int x, int y) override {
        actions.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    }
    void Drag(int x1, int y1, int x2, int y2) override {
        actions.push_back("drag " + std::to_string(x1) + "," + std::to_string(y1) + "-" + std::to_string(x2) +
                          "," + std::to_string(y2));
    }
    void Type(std::string_view text) override { actions.push_back("type " + std::string(text)); }
    bool ClickGap(int number) override {
        actions.push_back("gap " + std::to_string(number));
        return number >= 1 && number <= 2;
    }
    bool DragBlock(std::string_view word) override {
        actions.push_back("block " + std::string(word));
        return word == "le";
    }
    bool BuildSentence(int number) override {
        actions.push_back("sentence " + std::to_string(number));
        return number == 1;
    }
    bool Choose(std::string_view text) override {
        actions.push_back("choose " + std::string(text));
        return text == "la";
    }
    bool ChooseRight() override {
        actions.push_back("choose-right");
        return hasChoice;
    }
    bool AnswerGap(int number) override {
        actions.push_back("answer " + std::to_string(number));
        return number == 1;
    }
    bool hasChoice = true;
    // Answering leads to the page named for the answer, as a query does.
    bool AnswerQuestion(Answer answer) override {
        actions.push_back(answer == Answer::Right ? "answer-right" : "answer-wrong");
        if (!hasQuestion)
            return false;
        page = answer == Answer::Right ? "va_richtig.htx" : "Kurs\\Falsch.htx";
        return true;
    }
    bool hasQuestion = true;
    void Key(int key) override { actions.push_back("key " + std::to_string(key)); }
    void Command(std::string_view text) override {
        actions.push_back("command " + std::string(text));
        if (text == "vegas") {
            shown.push_back("vegas\\start.htx");
            RunDue(60000);
            page = "vokabeln.htx";
        }
        // A command that asks a question, as "go" does.
        if (text == "go" && messages)
            messages->Show("Die aktuelle Bibliothek wurde verändert."_cp, "qor", kMbYesNoCancel);
        // A command that asks for a file to save to, as "go" does, recording the answer.
        if (files && text == "save") {
            FileChoiceRequest request;
            request.proposedName = "C:/vokabeln/OhneNamen.asc";
            const auto file = files->ChooseFile(request);
            actions.push_back(file ? "saved " + *file : "save cancelled");
        }
        // Commands that open the log-in dialogs, recording what the dialogs answered.
        if (dialogs && text == "chusr") {
            PasswordRequest request;
            request.names = {"Anna", "Ben"};
            const auto answer = dialogs->ShowTXPasswort(request);
            actions.push_back(answer ? "user " + answer->name + "/" + answer->password : "user cancelled");
        }
        if (dialogs && text == "chpw") {
            const auto answer = dialogs->ShowTXChangePW("Passwort", "Anna");
            actions.push_back(answer ? "password " + answer->oldPassword + "/" + answer->newPassword + "/" +
                                           answer->confirmation
                                     : "password cancelled");
        }
    }
    // "Importieren..." stands for a menu item that opens a dialog with its own page: the script
    // waits in the step until a later press of "Abbrechen" closes it.
    bool Press(std::string_view text) override {
        if (text == "Abbrechen" && dialogOpen) {
            actions.push_back("press Abbrechen");
            dialogOpen = false;
            return true;
        }
        if (text != "Importieren...")
            return false;
        actions.push_back("press Importieren...");
        const std::string window = std::exchange(page, "_import.htx");
        dialogOpen = true;
        RunDue(60000);
        page = window;
        return !dialogOpen;
    }
    bool dialogOpen = false;
    void Wait(int ms) override {
        actions.push_back("wait " + std::to_string(ms));
        RunDue(ms);
    }
    // Later actions fall due as the program runs: in a wait, or in a command that runs a while
    // ("vegas" stands for a game that takes a minute and shows its page meanwhile).
    void Later(int ms, std::function<void()> action) override {
        actions.push_back("later " + std::to_string(ms));
        later.emplace_back(ms, std::move(action));
    }
    void RunDue(int ms) {
        std::vector<std::pair<int, std::function<void()>>> waiting = std::move(later);
        later.clear();
        for (auto& [due, action] : waiting) {
            if (due <= ms)
                action();
            else
                later.emplace_back(due - ms, std::move(action));
        }
    }
    std::vector<std::pair<int, std::function<void()>>> later;
    std::vector<std::string> TakeShownPages() override { return std::exchange(shown, {}); }
    std::vector<std::string> shown;
    std::string CurrentPage() const override { return page; }
    std::string PageTitle() const override { return title; }
    std::optional<std::string> Macro(std::string_view name) const override {
        auto it = macros.find(std::string(name));
        return it == macros.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    bool Condition(std::string_view name) const override { return conditions.count(std::string(name)) != 0; }
    std::string TakeFeedback() override { return std::exchange(feedback, std::string()); }
    std::string feedback;
    std::optional<std::string> FocusedText() const override { return focusedText; }
    // One selection box "cModus", one check box "cKontext", one slider "TrackMultiple" (0..100).
    bool SelectItem(std::string_view widget, std::string_view item) override {
        if (widget != "cModus" || (item != "Vorw\xE4"
                                           "rts" &&
                                   item != "#2"))
            return false;
        widgets["cModus"] = item == "#2" ? "R\xFC"
                                           "ckw\xE4"
                                           "rts"
                                         : std::string(item);
        return true;
    }
    bool SetChecked(std::string_view widget, bool checked) override {
        if (widget != "cKontext")
            return false;
        widgets["cKontext"] = checked ? "an" : "aus";
        return true;
    }
    bool SetSliderValue(std::string_view widget, int value) override {
        if (widget != "TrackMultiple" || value < 0 || value > 100)
            return false;
        widgets["TrackMultiple"] = std::to_string(value);
        return true;
    }
    std::optional<std::string> WidgetText(std::string_view widget) const override {
        auto it = widgets.find(std::string(widget));
        return it == widgets.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    std::map<std::string, std::string> widgets;
    std::optional<std::vector<WalkItem>> WalkLinks() override { return walked; }
    std::optional<std::vector<WalkItem>> WalkWindow(std::string_view command,
                                                    const std::string& library) override {
        actions.push_back("walk-window " + std::string(command) + " " + library);
        return walked;
    }
    std::optional<std::vector<WalkItem>> walked;
    bool Screenshot(const std::string& path) override {
        actions.push_back("screenshot " + path);
        return path != "/unwritable.png";
    }
};

ScriptResult RunText(FakeTarget& target, ScriptedMessagePresenter& messages, std::string_view text) {
    std::vector<ScriptStep> steps;
    std::string error;
    EXPECT_TRUE(ParseScript(text, steps, error)) << error;
    target.messages = &messages;
    ScriptRunner runner(target, messages, "t.script");
    return runner.Run(steps);
}

} // namespace

TEST(ScriptDriver, RejectsMalformedLinesBeforeRunning) {
    const struct {
        std::string_view script;
        std::string_view error;
    } cases[] = {
        {"click 1", "line 1: click expects 2 numbers"},
        {"# comment\n\nclick a b", "line 3: click 'a' is not a number"},
        {"drag 1 2 3", "line 1: drag expects 4 numbers"},
        {"wait", "line 1: wait expects 1 number"},
        {"hover 3 4", "line 1: unknown step 'hover'"},
        {"key Return Tab", "line 1: key expects one word"},
        {"expect-page", "line 1: expect-page expects a text"},
        {"expect-no-message now", "line 1: expect-no-message takes no arguments"},
        {"expect-macro", "line 1: expect-macro expects a name and a value"},
        {"after key Escape", "line 1: after expects milliseconds and a step"},
        {"after -5 key Escape", "line 1: after expects milliseconds and a step"},
        {"after 500", "line 1: after expects milliseconds and a step"},
        {"after 500 expect-page main.htx", "line 1: after runs only actions later, not 'expect-page'"},
        {"after 500 hover 3 4",
         "line 1: after expects one step after the milliseconds (line 1: unknown step 'hover')"},
        {"after 500 click 3",
         "line 1: after expects one step after the milliseconds (line 1: click expects 2 numbers)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        std::vector<ScriptStep> steps;
        std::string error;
        EXPECT_FALSE(ParseScript(c.script, steps, error));
        EXPECT_EQ(error, c.error);
    }
}

TEST(ScriptDriver, TextArgumentsKeepTheirBlanksAndWindowsLineEnds) {
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(ParseScript("  type  le chat noir \r\nexpect-macro Name Jean Dupont\r\n", steps, error))
        << error;
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].args, std::vector<std::string>{"le chat noir"});
    EXPECT_EQ(steps[1].line, 2);
    EXPECT_EQ(steps[1].args, (std::vector<std::string>{"Name", "Jean Dupont"}));
}

TEST(ScriptDriver, ActionsReachTheTargetInOrderAndInWindows1252) {
    FakeTarget target;
    ScriptedMessagePresenter messages;
    const ScriptResult result = RunText(target, messages,
                                        "click 10 20\nright-click 5 6\nmove 7 8\ndrag 1 2 300 400\n"
                                        "type à bientôt\nkey Return\nkey F1\nkey a\ncommand gws,s2,go\n"
                                        "wait 250\nscreenshot /tmp/x.png\nclick-gap 2\ndrag-block le\n"
                                        "build-sentence 1\nchoose la\nchoose-right\nanswer-gap 1\n");
    ASSERT_TRUE(result.ok) << result.failure;
    EXPECT_EQ(result.stepsRun, 17);
    const std::vector<std::string> expected{"left 10,20",
                                            "right 5,6",
                                            "move 7,8",
                                            "drag 1,2-300,400",
                                            "type " + std::string("à bientôt"_cp),
                                            "key 13",
                                            "key 112",
                                            "key 65",
                                            "command gws,s2,go",
                                            "wait 250",
                                            "screenshot /tmp/x.png",
                                            "gap 2",
                                            "block le",
                                            "sentence 1",
                                            "choose la",
                                            "choose-right",
                                            "answer 1"};
    EXPECT_EQ(target.actions, expected);
}

TEST(ScriptDriver, StopsAtTheFirstFailedExpectationWithItsLine) {
    const struct {
        std::string_view script;
        std::string_view failure;
    } cases[] = {
        {"expect-page lektion01.htx", "t.script:1: expect-page lektion01.htx: the page is 'main.htx'"},
        {"expect-title Anfang", "t.script:1: expect-title Anfang: the title is 'Start'"},
        {"expect-macro user Ann", "t.script:1: expect-macro user Ann: the macro is not set"},
        {"expect-macro LabErgebnis Gut",
         "t.script:1: expect-macro LabErgebnis Gut: the value is 'Sehr schön!'"},
        {"expect-condition login", "t.script:1: expect-condition login: the condition is not set"},
        {"expect-no-condition f", "t.script:1: expect-no-condition f: the condition is set"},
        {"click-link Zurück", "t.script:1: click-link Zurück: the page 'main.htx' has no such link"},
        {"expect-focus-text x", "t.script:1: expect-focus-text x: no text field has the focus"},
        {"key Hyper", "t.script:1: key Hyper: unknown key"},
        {"answer-message Maybe",
         "t.script:1: answer-message Maybe: unknown answer (OK, Cancel, Retry, Yes, No)"},
        {"screenshot /unwritable.png", "t.script:1: screenshot /unwritable.png: cannot write the picture"},
        {"expect-message Fehler", "t.script:1: expect-message Fehler: no message was shown"},
        {"click-gap 3", "t.script:1: click-gap 3: the page has no such gap"},
        {"drag-block un", "t.script:1: drag-block un: no block with this word and a gap for it"},
        {"build-sentence 2",
         "t.script:1: build-sentence 2: the page has no such sentence, or its parts did not come into order"},
        {"choose les", "t.script:1: choose les: the page shows no choice with this text"},
        {"answer-gap 2", "t.script:1: answer-gap 2: the page has no such open gap"},
        {"expect-feedback Unglaublich!",
         "t.script:1: expect-feedback Unglaublich!: no feedback was shown since the last check"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        FakeTarget target;
        target.macros["LabErgebnis"] = std::string("Sehr schön!"_cp);
        target.conditions.insert("f");
        ScriptedMessagePresenter messages;
        const ScriptResult result = RunText(target, messages, std::string(c.script) + "\nclick 1 1\n");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.failure, c.failure);
        EXPECT_EQ(result.stepsRun, 1);
        EXPECT_TRUE(std::find(target.actions.begin(), target.actions.end(), "left 1,1") ==
                    target.actions.end())
            << "steps after a failure must not run";
    }
}

TEST(ScriptDriver, PassingExpectationsCompareExactlyAndPagesWithoutCase) {
    FakeTarget target;
    target.page = "Kurs\\Lektion01.htx";
    target.macros["LabErgebnis"] = std::string("Leider daneben!");
    target.macros["leer"] = "";
    target.conditions.insert("login");
    target.focusedText = std::string("élève"_cp);
    target.feedback = "Oh nein!!!";
    ScriptedMessagePresenter messages;
    const ScriptResult result = RunText(
        target, messages,
        "expect-page kurs/lektion01.htx\nexpect-macro LabErgebnis Leider daneben!\nexpect-macro leer\n"
        "expect-condition login\nexpect-no-condition cdrom\nexpect-focus-text élève\n"
        "click-link Weiter\nexpect-no-message\nexpect-feedback Oh nein!!!\n");
    EXPECT_TRUE(result.ok) << result.failure;
    EXPECT_EQ(result.stepsRun, 9);
    EXPECT_EQ(target.feedback, "") << "a feedback is matched once";
}

TEST(ScriptDriver, MessagesAreAnsweredFromTheScriptAndMatchedOnce) {
    FakeTarget target;
    ScriptedMessagePresenter messages;
    ScriptResult result =
        RunText(target, messages,
                "answer-message Cancel\ncommand go\nexpect-message Bibliothek wurde verändert\n"
                "expect-no-message\n");
    ASSERT_TRUE(result.ok) << result.failure;
    ASSERT_EQ(messages.Messages().size(), 1u);

    // The message was consumed by the first check: a second check of it fails.
    FakeTarget again;
    ScriptedMessagePresenter second;
    result = RunText(again, second, "command go\nexpect-message verändert\nexpect-message verändert\n");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.stepsRun, 3);

    // An unexpected message makes expect-no-message fail with its text.
    FakeTarget third;
    ScriptedMessagePresenter thirdMessages;
    result = RunText(third, thirdMessages, "command go\nexpect-no-message\n");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.failure.find("a message was shown: 'Die aktuelle Bibliothek"), std::string::npos)
        << result.failure;
}

TEST(ScriptDriver, LogInDialogsAreAnsweredFromTheScriptAndMatchedOnce) {
    FakeTarget target;
    ScriptedMessagePresenter messages;
    ScriptedUserDialogs dialogs;
    target.dialogs = &dialogs;
    const std::string script = "answer-dialog Jürgen geheim\n"
                               "command chusr\n"
                               "expect-dialog TXPasswort\n"
                               "answer-dialog \"\" neu neu\n"
                               "command chpw\n"
                               "command chusr\n"
                               "expect-dialog TXChangePW\n"
                               "expect-dialog TXPasswort\n"
                               "answer-dialog Cancel\n"
                               "command chpw\n";
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(ParseScript(script, steps, error)) << error;
    target.messages = &messages;
    ScriptRunner runner(target, messages, "t.script");
    runner.SetUserDialogs(&dialogs);
    const ScriptResult result = runner.Run(steps);
    ASSERT_TRUE(result.ok) << result.failure;
    std::vector<std::string> answers;
    for (const std::string& action : target.actions)
        if (action.starts_with("user") || action.starts_with("password"))
            answers.push_back(action);
    EXPECT_EQ(answers, (std::vector<std::string>{"user J\xFCrgen/geheim", "password /neu/neu",
                                                 "user cancelled", "password cancelled"}))
        << "a dialog without an answer is cancelled; the texts are Windows-1252";
    EXPECT_EQ(dialogs.Shown(),
              (std::vector<std::string>{"TXPasswort", "TXChangePW", "TXPasswort", "TXChangePW"}));

    // Each shown dialog is matched once, in order.
    ScriptRunner again(target, messages, "t.script");
    again.SetUserDialogs(&dialogs);
    std::vector<ScriptStep> twice;
    ASSERT_TRUE(ParseScript(
        "expect-dialog TXChangePW\nexpect-dialog TXChangePW\nexpect-dialog TXLogInWizard\n", twice, error));
    const ScriptResult second = again.Run(twice);
    EXPECT_FALSE(second.ok);
    EXPECT_EQ(second.stepsRun, 3)
        << "the first two find the two new-password dialogs, the wizard never showed";
    EXPECT_NE(second.failure.find("t.script:3: expect-dialog TXLogInWizard"), std::string::npos)
        << second.failure;

    // Without log-in dialogs in the run, answering one is an error of the script.
    FakeTarget lone;
    EXPECT_FALSE(RunText(lone, messages, "answer-dialog Anna\n").ok);
}

TEST(ScriptDriver, FileDialogsAreAnsweredFromTheScriptAndMatchedOnce) {
    FakeTarget target;
    ScriptedMessagePresenter messages;
    ScriptedFileChooser files;
    target.files = &files;
    const std::string script = "answer-file /tmp/gespeichert.asc\n"
                               "command save\n"
                               "command save\n"
                               "expect-file-dialog OhneNamen.asc\n"
                               "expect-file-dialog OhneNamen.asc\n"
                               "expect-file-dialog OhneNamen.asc\n";
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(ParseScript(script, steps, error)) << error;
    ScriptRunner runner(target, messages, "t.script");
    runner.SetFileChooser(&files);
    const ScriptResult result = runner.Run(steps);
    EXPECT_EQ(result.stepsRun, 6) << "two dialogs were shown: the third check fails";
    EXPECT_NE(result.failure.find("t.script:6: expect-file-dialog OhneNamen.asc: no file dialog"),
              std::string::npos)
        << result.failure;
    EXPECT_EQ(std::count(target.actions.begin(), target.actions.end(), "saved /tmp/gespeichert.asc"), 1);
    EXPECT_EQ(std::count(target.actions.begin(), target.actions.end(), "save cancelled"), 1)
        << "a dialog without an answer is cancelled";

    // Without file dialogs in the run, answering one is an error of the script; waiting for a
    // file that is there already goes on at once.
    FakeTarget lone;
    EXPECT_FALSE(RunText(lone, messages, "answer-file a.asc\n").ok);
    EXPECT_TRUE(RunText(lone, messages, "wait-file /\n").ok);
}

TEST(ScriptDriver, WidgetsAreSetAndReadByName) {
    FakeTarget target;
    ScriptedMessagePresenter messages;
    const ScriptResult ok =
        RunText(target, messages,
                "select cModus Vorwärts\nexpect-text cModus Vorwärts\nselect cModus #2\n"
                "check cKontext on\nslide TrackMultiple 40\nexpect-text TrackMultiple 40\n");
    ASSERT_TRUE(ok.ok) << ok.failure;
    EXPECT_EQ(target.widgets["cModus"], "R\xFC"
                                        "ckw\xE4"
                                        "rts");
    EXPECT_EQ(target.widgets["cKontext"], "an");
    const struct {
        const char* script;
        const char* failure;
    } failing[] = {
        {"select cModus Seitwärts\n", "no list or selection box of that name shows the item"},
        {"check cKontext ja\n", "expects on or off"},
        {"check Kontext on\n", "no check box of that name"},
        {"slide TrackMultiple 101\n", "no slider of that name takes the value"},
        {"slide TrackMultiple viel\n", "no slider of that name takes the value"},
        {"expect-text TrackMultiple 41\n", "it shows '40'"},
        {"expect-text Counter 3 Vokabeln\n", "no widget of that name"},
    };
    for (const auto& c : failing) {
        SCOPED_TRACE(c.script);
        const ScriptResult result = RunText(target, messages, c.script);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.failure.find(c.failure), std::string::npos) << result.failure;
    }
}

TEST(ScriptDriver, OpeningDialogAnswersAreTakenBeforeTheStart) {
    std::vector<ScriptStep> steps;
    std::string error;
    ASSERT_TRUE(ParseScript("# first start\nanswer-dialog Anna\nanswer-dialog Cancel\nexpect-page main.htx\n"
                            "answer-dialog Ben\n",
                            steps, error));
    ScriptedUserDialogs dialogs;
    EXPECT_EQ(TakeLeadingDialogAnswers(steps, dialogs), 2u);
    EXPECT_EQ(dialogs.PendingAnswers(), 2u);
    const auto first = dialogs.ShowTXLogInWizard();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->name, "Anna");
    EXPECT_EQ(first->password, "");
    EXPECT_FALSE(dialogs.ShowTXLogInWizard());
    EXPECT_FALSE(dialogs.ShowTXLogInWizard()) << "nothing left: cancelled";

    // A locked name stays as it was filled in, whatever the answer names.
    dialogs.AddAnswer(std::vector<std::string>{"Ben", "geheim"});
    PasswordRequest locked;
    locked.presetName = "Anna";
    locked.nameField = NameField::Locked;
    const auto answer = dialogs.ShowTXPasswort(locked);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->name, "Anna");
    EXPECT_EQ(answer->password, "geheim");
}

TEST(ScriptDriver, KeyNames) {
    const struct {
        std::string_view name;
        int key;
    } cases[] = {{"Return", 13},   {"enter", 13}, {"TAB", 9}, {"Escape", 27}, {"F1", 112},
                 {"f12", 123},     {"F13", 0},    {"F0", 0},  {"z", 'Z'},     {"7", '7'},
                 {"PageDown", 34}, {"", 0},       {"ä", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(VirtualKeyFromName(c.name), c.key);
    }
}

TEST(ScriptDriver, AnswersQuestionsOfAnyFormAndRemembersThePagesShown) {
    FakeTarget target;
    ScriptedMessagePresenter messages;
    const ScriptResult result = RunText(target, messages,
                                        "seed 7\n"
                                        "answer-wrong\n"
                                        "answer-right\n"
                                        "expect-visited main.htx\n"
                                        "expect-visited kurs/falsch.htx\n"
                                        "expect-visited VA_RICHTIG.HTX\n");
    EXPECT_TRUE(result.ok) << result.failure;
    EXPECT_EQ(target.actions, (std::vector<std::string>{"answer-wrong", "answer-right"}));

    // A fixed seed keeps the clock out: reseeding does not change what is drawn next.
    FixRandomSeed(7);
    const int first = RandomBelow(1000000);
    FixRandomSeed(7);
    SeedRandomFromClock();
    EXPECT_EQ(RandomBelow(1000000), first);

    FakeTarget other;
    EXPECT_FALSE(RunText(other, messages, "expect-visited va_richtig.htx\n").ok);
    other.hasQuestion = false;
    const ScriptResult noQuestion = RunText(other, messages, "answer-right\n");
    EXPECT_FALSE(noQuestion.ok);
    EXPECT_NE(noQuestion.failure.find("shows no question"), std::string::npos) << noQuestion.failure;
}

TEST(ScriptDriver, LaterStepsRunWhileACommandKeepsTheScriptWaiting) {
    FakeTarget target;
    ScriptedMessagePresenter messages;
    const ScriptResult result = RunText(target, messages,
                                        "after 3000 key Escape\n"
                                        "after 90000   click  5 6\n"
                                        "command vegas\n"
                                        "expect-visited vegas/start.htx\n"
                                        "expect-page vokabeln.htx\n"
                                        "wait 40000\n");
    EXPECT_TRUE(result.ok) << result.failure;
    EXPECT_EQ(target.actions, (std::vector<std::string>{"later 3000", "later 90000", "command vegas",
                                                        "key 27", "wait 40000", "left 5,6"}));

    // A later step that fails fails the script at the step it ran in.
    FakeTarget failing;
    failing.links.clear();
    const ScriptResult failed = RunText(failing, messages,
                                        "after 10 click-link Weiter\n"
                                        "expect-page main.htx\n"
                                        "wait 20\n"
                                        "expect-page main.htx\n");
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.stepsRun, 3);
    EXPECT_NE(failed.failure.find("t.script:3: wait 20: the later click-link"), std::string::npos)
        << failed.failure;
}

TEST(ScriptDriver, PressedDialogsCountAsVisitedAndUnknownCaptionsFail) {
    FakeTarget target;
    ScriptedMessagePresenter messages;
    const ScriptResult result = RunText(target, messages,
                                        "after 500 press Abbrechen\n"
                                        "press Importieren...\n"
                                        "expect-visited _import.htx\n"
                                        "expect-page main.htx\n");
    EXPECT_TRUE(result.ok) << result.failure;
    EXPECT_EQ(target.actions,
              (std::vector<std::string>{"later 500", "press Importieren...", "press Abbrechen"}));

    FakeTarget other;
    const ScriptResult missing = RunText(other, messages, "press Speichern\n");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.failure.find("t.script:1: press Speichern: no window in front"), std::string::npos)
        << missing.failure;
}

namespace qor {
namespace {

TEST(ScriptDriver, WalksWriteTheirReportAndFailNamingWhatDidNothing) {
    test::TempFolder folder;
    const std::string report = (folder.Path() / "walk.txt").string();
    ScriptedMessagePresenter messages;
    struct Case {
        std::optional<std::vector<WalkItem>> walked;
        bool ok;
        const char* failure;    // a part of it
        const char* steps = ""; // before the walk
    };
    const std::vector<Case> cases = {
        {std::vector<WalkItem>{{"main.htx", "kurs.htx", "Seite kurs.htx"}, {"main.htx", "§wb", "Fenster"}},
         true, ""},
        {std::vector<WalkItem>{{"main.htx", "a.htx", "Seite a.htx"}, {"b.htx", "§nix", ""}}, false,
         "1 of 2 do nothing:\n  b.htx: §nix"},
        {std::vector<WalkItem>{{"b.htx", "§stop", ""}, {"b.htx", "§nix", ""}, {"W", "1 /a.asc", ""}}, false,
         "1 of 3 do nothing:\n  b.htx: §nix", "walk-context §stop\nwalk-context 1 *\n"},
        {std::vector<WalkItem>{}, false, "found nothing to walk"},
        {std::nullopt, false, "this program cannot walk"},
    };
    for (const Case& c : cases) {
        FakeTarget target;
        target.walked = c.walked;
        const ScriptResult result = RunText(target, messages, c.steps + ("walk-links " + report + "\n"));
        EXPECT_EQ(result.ok, c.ok) << result.failure;
        EXPECT_NE(result.failure.find(c.failure), std::string::npos) << result.failure;
        if (c.walked && !c.walked->empty()) {
            std::ifstream written(report, std::ios::binary);
            const std::string text((std::istreambuf_iterator<char>(written)), {});
            EXPECT_EQ(text, WalkReport(*c.walked));
            EXPECT_NE(text.find(c.ok ? "\tFenster\n" : "\tNICHTS\n"), std::string::npos) << text;
        }
    }

    FakeTarget windows;
    windows.walked = std::vector<WalkItem>{{"Editor", "Sortieren", "Anzeige"}};
    const ScriptResult result =
        RunText(windows, messages, "walk-library lib.asc\nwalk-window " + report + " editor,x\n");
    ASSERT_TRUE(result.ok) << result.failure;
    ASSERT_EQ(windows.actions.size(), 1u);
    EXPECT_TRUE(windows.actions[0].starts_with("walk-window editor,x /")) << windows.actions[0];
    EXPECT_TRUE(windows.actions[0].ends_with("/lib.asc")) << windows.actions[0];
}

} // namespace
} // namespace qor
