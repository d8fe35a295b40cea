#include "app/ScriptDriver.h"

#include "app/ScriptedFileChooser.h"
#include "app/ScriptedUserDialogs.h"
#include "platform/Cp1252.h"
#include "platform/Random.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/WinPath.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>

namespace qor {

std::string WalkReport(const std::vector<WalkItem>& items) {
    std::string report;
    for (const WalkItem& item : items)
        report +=
            item.where + "\t" + item.what + "\t" + (item.effect.empty() ? "NICHTS" : item.effect) + "\n";
    return report;
}

namespace {

// The text of page markup without its tags ("<a href=\"x\" >chat</a>" shows "chat").
std::string WithoutTags(std::string_view markup) {
    std::string text;
    bool inTag = false;
    for (const char c : markup) {
        if (c == '<')
            inTag = true;
        else if (c == '>')
            inTag = false;
        else if (!inTag)
            text += c;
    }
    return text;
}

// How a step's arguments are read: a fixed number of numbers, one word, a word and the rest of the
// line, or the whole rest of the line as one text.
enum class ArgShape { None, Numbers2, Numbers4, Number, Word, Text, WordAndText };

struct StepSyntax {
    std::string_view verb;
    ArgShape shape;
};

constexpr StepSyntax kSteps[] = {
    {"click-link", ArgShape::Text},
    {"click", ArgShape::Numbers2},
    {"right-click", ArgShape::Numbers2},
    {"move", ArgShape::Numbers2},
    {"drag", ArgShape::Numbers4},
    {"type", ArgShape::Text},
    {"key", ArgShape::Word},
    {"command", ArgShape::Text},
    {"wait", ArgShape::Number},
    {"wait-file", ArgShape::Text},
    {"answer-message", ArgShape::Word},
    {"answer-dialog", ArgShape::Text},
    {"expect-dialog", ArgShape::Word},
    {"answer-file", ArgShape::Text},
    {"expect-file-dialog", ArgShape::Text},
    {"expect-page", ArgShape::Text},
    {"expect-title", ArgShape::Text},
    {"expect-macro", ArgShape::WordAndText},
    {"expect-condition", ArgShape::Word},
    {"expect-no-condition", ArgShape::Word},
    {"expect-message", ArgShape::Text},
    {"expect-no-message", ArgShape::None},
    {"expect-focus-text", ArgShape::Text},
    {"screenshot", ArgShape::Text},
    {"click-gap", ArgShape::Number},
    {"drag-block", ArgShape::Text},
    {"build-sentence", ArgShape::Number},
    {"choose", ArgShape::Text},
    {"choose-right", ArgShape::None},
    {"answer-gap", ArgShape::Number},
    {"answer-right", ArgShape::None},
    {"answer-wrong", ArgShape::None},
    {"seed", ArgShape::Number},
    {"expect-visited", ArgShape::Text},
    {"expect-feedback", ArgShape::Text},
    {"after", ArgShape::Text},
    {"press", ArgShape::Text},
    {"select", ArgShape::WordAndText},
    {"check", ArgShape::WordAndText},
    {"slide", ArgShape::WordAndText},
    {"expect-text", ArgShape::WordAndText},
    {"walk-links", ArgShape::Text},
    {"walk-library", ArgShape::Text},
    {"walk-context", ArgShape::Text},
    {"walk-window", ArgShape::WordAndText},
};

// wait-file looks for its file this often, and gives up after a minute.
constexpr int kFilePollInterval = 50;
constexpr int kFileWaitLimit = 60000;

// The steps that "after" may run later: actions, and reading what a widget of an open dialog shows
// (the dialog keeps the script waiting in the step that opened it).
constexpr std::string_view kLaterSteps[] = {"click",   "right-click", "move",       "key",   "type",
                                            "command", "click-link",  "screenshot", "press", "select",
                                            "check",   "slide",       "expect-text"};

// Pages name their folders with "\" or "/" and in any case; a visited page is kept in one form.
std::string VisitedName(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return LowerCp1252(path);
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t')
            ++i;
        if (i > start)
            words.emplace_back(text.substr(start, i - start));
    }
    return words;
}

bool ReadInt(std::string_view text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool ReadArgs(ArgShape shape, std::string_view rest, std::vector<std::string>& args, std::string& why) {
    const std::vector<std::string> words = Words(rest);
    auto numbers = [&](std::size_t count) {
        if (words.size() != count) {
            why = "expects " + std::to_string(count) + (count == 1 ? " number" : " numbers");
            return false;
        }
        for (const std::string& word : words) {
            int unused = 0;
            if (!ReadInt(word, unused)) {
                why = "'" + word + "' is not a number";
                return false;
            }
        }
        args = words;
        return true;
    };
    switch (shape) {
    case ArgShape::None:
        if (!words.empty()) {
            why = "takes no arguments";
            return false;
        }
        return true;
    case ArgShape::Number:
        return numbers(1);
    case ArgShape::Numbers2:
        return numbers(2);
    case ArgShape::Numbers4:
        return numbers(4);
    case ArgShape::Word:
        if (words.size() != 1) {
            why = "expects one word";
            return false;
        }
        args = words;
        return true;
    case ArgShape::Text:
        if (rest.empty()) {
            why = "expects a text";
            return false;
        }
        args = {std::string(rest)};
        return true;
    case ArgShape::WordAndText: {
        if (words.empty()) {
            why = "expects a name and a value";
            return false;
        }
        std::string_view value = Trim(rest.substr(rest.find(words[0]) + words[0].size()));
        args = {words[0], std::string(value)};
        return true;
    }
    }
    return false;
}

} // namespace

namespace {

// "after MS STEP": a number of milliseconds and one action step with its arguments.
bool CheckLaterStep(std::string_view text, std::string& why) {
    const std::size_t blank = text.find(' ');
    int milliseconds = 0;
    if (blank == std::string_view::npos || !ReadInt(text.substr(0, blank), milliseconds) ||
        milliseconds < 0) {
        why = "expects milliseconds and a step";
        return false;
    }
    std::vector<ScriptStep> later;
    std::string error;
    const std::string_view step = Trim(text.substr(blank + 1));
    if (!ParseScript(step, later, error) || later.size() != 1) {
        why = "expects one step after the milliseconds" + (error.empty() ? "" : " (" + error + ")");
        return false;
    }
    if (std::find(std::begin(kLaterSteps), std::end(kLaterSteps), later.front().verb) ==
        std::end(kLaterSteps)) {
        why = "runs only actions later, not '" + later.front().verb + "'";
        return false;
    }
    return true;
}

} // namespace

bool ParseScript(std::string_view text, std::vector<ScriptStep>& steps, std::string& error) {
    steps.clear();
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t blank = line.find_first_of(" \t");
        const std::string_view verb = line.substr(0, blank);
        const std::string_view rest =
            blank == std::string_view::npos ? std::string_view() : Trim(line.substr(blank));
        const auto syntax = std::find_if(std::begin(kSteps), std::end(kSteps),
                                         [&](const StepSyntax& s) { return s.verb == verb; });
        if (syntax == std::end(kSteps)) {
            error = "line " + std::to_string(lineNumber) + ": unknown step '" + std::string(verb) + "'";
            return false;
        }
        ScriptStep step;
        step.line = lineNumber;
        step.verb = std::string(verb);
        std::string why;
        if (!ReadArgs(syntax->shape, rest, step.args, why) ||
            (step.verb == "after" && !CheckLaterStep(step.args.front(), why))) {
            error = "line " + std::to_string(lineNumber) + ": " + step.verb + " " + why;
            return false;
        }
        steps.push_back(std::move(step));
    }
    return true;
}

int VirtualKeyFromName(std::string_view name) {
    struct Named {
        std::string_view name;
        int key;
    };
    static constexpr Named kKeys[] = {
        {"Return", 13},   {"Enter", 13},  {"Tab", 9},     {"Escape", 27},   {"Space", 32}, {"Back", 8},
        {"Backspace", 8}, {"Delete", 46}, {"Left", 37},   {"Up", 38},       {"Right", 39}, {"Down", 40},
        {"Home", 36},     {"End", 35},    {"PageUp", 33}, {"PageDown", 34},
    };
    for (const Named& key : kKeys) {
        if (SameTextInsensitive(key.name, name))
            return key.key;
    }
    int number = 0;
    if ((name.size() == 2 || name.size() == 3) && (name[0] == 'F' || name[0] == 'f') &&
        ReadInt(name.substr(1), number) && number >= 1 && number <= 12)
        return 111 + number; // F1 is 112
    if (name.size() == 1) {
        const char c = name[0];
        if (c >= 'a' && c <= 'z')
            return c - 'a' + 'A';
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            return c;
    }
    return 0;
}

ScriptRunner::ScriptRunner(ScriptTarget& target, ScriptedMessagePresenter& messages, std::string scriptName)
    : m_target(target), m_messages(messages), m_scriptName(std::move(scriptName)) {}

void ScriptRunner::NoteVisitedPages() {
    for (const std::string& page : m_target.TakeShownPages())
        m_visited.insert(VisitedName(page));
    m_visited.insert(VisitedName(m_target.CurrentPage()));
}

ScriptResult ScriptRunner::Run(const std::vector<ScriptStep>& steps) {
    ScriptResult result;
    NoteVisitedPages();
    for (const ScriptStep& step : steps) {
        std::string why;
        bool ok = RunStep(step, why);
        NoteVisitedPages();
        ++result.stepsRun;
        if (ok && !m_laterFailure.empty()) {
            ok = false;
            why = m_laterFailure;
        }
        if (!ok) {
            result.ok = false;
            result.failure = m_scriptName + ":" + std::to_string(step.line) + ": " + step.verb;
            for (const std::string& arg : step.args)
                result.failure += " " + arg;
            result.failure += ": " + why;
            break;
        }
    }
    return result;
}

bool ScriptRunner::RunStep(const ScriptStep& step, std::string& why) {
    const std::vector<std::string>& a = step.args;
    auto number = [&](std::size_t i) {
        int value = 0;
        ReadInt(a[i], value);
        return value;
    };
    // Texts in the script are UTF-8; the program speaks Windows-1252.
    auto cp = [&](std::size_t i) { return Cp1252FromUtf8(a[i]); };
    auto shown = [](std::string_view text) { return "'" + Utf8FromCp1252(text) + "'"; };
    const std::string& verb = step.verb;

    if (verb == "click-link") {
        if (!m_target.ClickLink(cp(0))) {
            why = "the page " + shown(m_target.CurrentPage()) + " has no such link";
            return false;
        }
    } else if (verb == "click" || verb == "right-click") {
        m_target.Click(number(0), number(1), verb == "click" ? MouseButton::Left : MouseButton::Right);
    } else if (verb == "move") {
        m_target.Move(number(0), number(1));
    } else if (verb == "drag") {
        m_target.Drag(number(0), number(1), number(2), number(3));
    } else if (verb == "type") {
        m_target.Type(cp(0));
    } else if (verb == "key") {
        const int key = VirtualKeyFromName(a[0]);
        if (key == 0) {
            why = "unknown key";
            return false;
        }
        m_target.Key(key);
    } else if (verb == "click-gap") {
        if (!m_target.ClickGap(number(0))) {
            why = "the page has no such gap";
            return false;
        }
    } else if (verb == "drag-block") {
        if (!m_target.DragBlock(cp(0))) {
            why = "no block with this word and a gap for it";
            return false;
        }
    } else if (verb == "build-sentence") {
        if (!m_target.BuildSentence(number(0))) {
            why = "the page has no such sentence, or its parts did not come into order";
            return false;
        }
    } else if (verb == "choose") {
        if (!m_target.Choose(cp(0))) {
            why = "the page shows no choice with this text";
            return false;
        }
    } else if (verb == "choose-right") {
        if (!m_target.ChooseRight()) {
            why = "the page shows no multiple choice";
            return false;
        }
    } else if (verb == "answer-gap") {
        if (!m_target.AnswerGap(number(0))) {
            why = "the page has no such open gap";
            return false;
        }
    } else if (verb == "answer-right" || verb == "answer-wrong") {
        const auto answer =
            verb == "answer-right" ? ScriptTarget::Answer::Right : ScriptTarget::Answer::Wrong;
        if (!m_target.AnswerQuestion(answer)) {
            why = "the page " + shown(m_target.CurrentPage()) + " shows no question to answer";
            return false;
        }
    } else if (verb == "seed") {
        FixRandomSeed(static_cast<std::uint32_t>(number(0)));
    } else if (verb == "expect-visited") {
        if (m_visited.count(VisitedName(cp(0))) == 0) {
            why = "the page was not shown";
            return false;
        }
    } else if (verb == "command") {
        m_target.Command(cp(0));
    } else if (verb == "press") {
        if (!m_target.Press(cp(0))) {
            why = "no window in front has a menu item or button with this caption";
            return false;
        }
    } else if (verb == "wait") {
        m_target.Wait(number(0));
    } else if (verb == "wait-file") {
        // Lets a test harness act on the program's files at a known moment.
        const std::filesystem::path file(a[0]);
        std::error_code error;
        for (int waited = 0; !std::filesystem::exists(file, error); waited += kFilePollInterval) {
            if (waited >= kFileWaitLimit) {
                why = "the file did not appear";
                return false;
            }
            m_target.Wait(kFilePollInterval);
        }
    } else if (verb == "after") {
        // Checked when the script was read: a number and an action step.
        const std::string_view text = a[0];
        const std::size_t blank = text.find(' ');
        int milliseconds = 0;
        ReadInt(text.substr(0, blank), milliseconds);
        std::vector<ScriptStep> later;
        std::string error;
        ParseScript(Trim(text.substr(blank + 1)), later, error);
        ScriptStep action = later.front();
        action.line = step.line;
        m_target.Later(milliseconds, [this, action] {
            // A dialog that a step keeps open shows its own page: it counts as visited.
            NoteVisitedPages();
            std::string laterWhy;
            if (!RunStep(action, laterWhy) && m_laterFailure.empty())
                m_laterFailure = "the later " + action.verb + ": " + laterWhy;
        });
    } else if (verb == "answer-message") {
        const int answer = ScriptedMessagePresenter::ParseAnswer(a[0]);
        if (answer < 0) {
            why = "unknown answer (OK, Cancel, Retry, Yes, No)";
            return false;
        }
        m_messages.AddAnswer(answer);
    } else if (verb == "answer-dialog") {
        if (m_dialogs == nullptr) {
            why = "this run shows no log-in dialogs";
            return false;
        }
        m_dialogs->AddAnswer(DialogAnswer(a[0]));
    } else if (verb == "expect-dialog") {
        return ExpectDialog(a[0], why);
    } else if (verb == "answer-file") {
        if (m_files == nullptr) {
            why = "this run shows no file dialogs";
            return false;
        }
        m_files->AddAnswer(a[0] == "Cancel" ? std::nullopt
                                            : std::optional<std::string>(ProgramPath(
                                                  std::filesystem::absolute(std::filesystem::path(a[0])))));
    } else if (verb == "select") {
        if (!m_target.SelectItem(a[0], cp(1))) {
            why = "no list or selection box of that name shows the item";
            return false;
        }
    } else if (verb == "check") {
        if (a[1] != "on" && a[1] != "off") {
            why = "expects on or off";
            return false;
        }
        if (!m_target.SetChecked(a[0], a[1] == "on")) {
            why = "no check box of that name";
            return false;
        }
    } else if (verb == "slide") {
        int value = 0;
        if (!ReadInt(a[1], value) || !m_target.SetSliderValue(a[0], value)) {
            why = "no slider of that name takes the value";
            return false;
        }
    } else if (verb == "walk-context") {
        m_walkContext.insert(a[0]);
    } else if (verb == "walk-library") {
        m_walkLibrary = ProgramPath(std::filesystem::absolute(std::filesystem::path(a[0])));
    } else if (verb == "walk-links" || verb == "walk-window") {
        const std::optional<std::vector<WalkItem>> items =
            verb == "walk-links" ? m_target.WalkLinks() : m_target.WalkWindow(cp(1), m_walkLibrary);
        if (!items) {
            why = "this program cannot walk";
            return false;
        }
        return WalkFinished(*items, a[0], why);
    } else if (verb == "expect-text") {
        const std::optional<std::string> text = m_target.WidgetText(a[0]);
        if (!text || *text != cp(1)) {
            why = text ? "it shows " + shown(*text) : std::string("no widget of that name");
            return false;
        }
    } else if (verb == "expect-file-dialog") {
        return ExpectFileDialog(cp(0), why);
    } else if (verb == "expect-page") {
        // Pages name their folders with "\" or "/"; either matches either.
        const auto slashes = [](std::string path) {
            std::replace(path.begin(), path.end(), '\\', '/');
            return path;
        };
        const std::string page = m_target.CurrentPage();
        if (!SameTextInsensitive(slashes(page), slashes(cp(0)))) {
            why = "the page is " + shown(page);
            return false;
        }
    } else if (verb == "expect-title") {
        const std::string title = m_target.PageTitle();
        if (title != cp(0)) {
            why = "the title is " + shown(title);
            return false;
        }
    } else if (verb == "expect-macro") {
        // A macro that links its words (to their recording) is expected by the words it shows.
        const std::optional<std::string> value = m_target.Macro(cp(0));
        if (!value || (*value != cp(1) && WithoutTags(*value) != cp(1))) {
            why = value ? "the value is " + shown(*value) : std::string("the macro is not set");
            return false;
        }
    } else if (verb == "expect-condition" || verb == "expect-no-condition") {
        const bool wanted = verb == "expect-condition";
        if (m_target.Condition(cp(0)) != wanted) {
            why = wanted ? "the condition is not set" : "the condition is set";
            return false;
        }
    } else if (verb == "expect-message") {
        return ExpectMessage(cp(0), why);
    } else if (verb == "expect-no-message") {
        const auto& messages = m_messages.Messages();
        if (messages.size() > m_messagesSeen) {
            why = "a message was shown: " + shown(messages[m_messagesSeen].text);
            return false;
        }
    } else if (verb == "expect-feedback") {
        const std::string feedback = m_target.TakeFeedback();
        if (feedback != cp(0)) {
            why = feedback.empty() ? std::string("no feedback was shown since the last check")
                                   : "the feedback was " + shown(feedback);
            return false;
        }
    } else if (verb == "expect-focus-text") {
        const std::optional<std::string> text = m_target.FocusedText();
        if (!text || *text != cp(0)) {
            why = text ? "the field holds " + shown(*text) : std::string("no text field has the focus");
            return false;
        }
    } else if (verb == "screenshot") {
        if (!m_target.Screenshot(a[0])) {
            why = "cannot write the picture";
            return false;
        }
    }
    return true;
}

bool ScriptRunner::InWalkContext(const std::string& what) const {
    for (const std::string& known : m_walkContext) {
        const bool prefix = !known.empty() && known.back() == '*';
        if (prefix ? what.starts_with(std::string_view(known).substr(0, known.size() - 1)) : what == known)
            return true;
    }
    return false;
}

bool ScriptRunner::WalkFinished(const std::vector<WalkItem>& items, const std::string& reportFile,
                                std::string& why) {
    {
        std::ofstream report(std::filesystem::path(reportFile), std::ios::binary | std::ios::trunc);
        report << WalkReport(items);
        if (!report) {
            why = "cannot write " + reportFile;
            return false;
        }
    }
    if (items.empty()) {
        why = "found nothing to walk";
        return false;
    }
    std::vector<std::string> idle;
    for (const WalkItem& item : items) {
        if (item.effect.empty() && !InWalkContext(item.what))
            idle.push_back(item.where + ": " + item.what);
    }
    if (idle.empty())
        return true;
    why = std::to_string(idle.size()) + " of " + std::to_string(items.size()) + " do nothing:";
    for (std::size_t i = 0; i < idle.size() && i < 20; ++i)
        why += "\n  " + idle[i];
    return false;
}

bool ScriptRunner::ExpectFileDialog(std::string_view proposedName, std::string& why) {
    const std::vector<FileChoiceRequest> none;
    const std::vector<FileChoiceRequest>& shown = m_files != nullptr ? m_files->Shown() : none;
    for (std::size_t i = m_fileDialogsSeen; i < shown.size(); ++i) {
        if (FileNamePart(shown[i].proposedName) == proposedName) {
            m_fileDialogsSeen = i + 1;
            return true;
        }
    }
    why = shown.size() > m_fileDialogsSeen
              ? "the file dialogs since the last check proposed other names (first: " +
                    Utf8FromCp1252(shown[m_fileDialogsSeen].proposedName) + ")"
              : std::string("no file dialog was shown");
    return false;
}

bool ScriptRunner::ExpectDialog(std::string_view name, std::string& why) {
    const std::vector<std::string> none;
    const std::vector<std::string>& shown = m_dialogs != nullptr ? m_dialogs->Shown() : none;
    for (std::size_t i = m_dialogsSeen; i < shown.size(); ++i) {
        if (shown[i] == name) {
            m_dialogsSeen = i + 1;
            return true;
        }
    }
    why = shown.size() > m_dialogsSeen
              ? "the dialogs since the last check were different (first: " + shown[m_dialogsSeen] + ")"
              : std::string("no dialog was shown");
    return false;
}

std::optional<std::vector<std::string>> DialogAnswer(std::string_view text) {
    if (Trim(text) == "Cancel")
        return std::nullopt;
    std::vector<std::string> fields = Words(text);
    for (std::string& field : fields)
        field = field == "\"\"" ? std::string() : Cp1252FromUtf8(field);
    return fields;
}

std::size_t TakeLeadingDialogAnswers(const std::vector<ScriptStep>& steps, ScriptedUserDialogs& dialogs) {
    std::size_t taken = 0;
    while (taken < steps.size() && steps[taken].verb == "answer-dialog") {
        dialogs.AddAnswer(DialogAnswer(steps[taken].args[0]));
        ++taken;
    }
    return taken;
}

bool ScriptRunner::ExpectMessage(std::string_view text, std::string& why) {
    const auto& messages = m_messages.Messages();
    for (std::size_t i = m_messagesSeen; i < messages.size(); ++i) {
        if (messages[i].text.find(text) != std::string::npos) {
            m_messagesSeen = i + 1;
            return true;
        }
    }
    why = messages.size() > m_messagesSeen ? "the messages since the last check were different (first: '" +
                                                 Utf8FromCp1252(messages[m_messagesSeen].text) + "')"
                                           : std::string("no message was shown");
    return false;
}

} // namespace qor
