#include "platform/ScriptedMessagePresenter.h"

#include "platform/Cp1252.h"
#include "platform/WinPath.h"

#include <cstdlib>
#include <memory>

namespace qor {

namespace {

std::string_view Trimmed(std::string_view text) {
    const char* blanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace

ScriptedMessagePresenter::ScriptedMessagePresenter(const std::string& scriptPath, const std::string& logPath)
    : m_logPath(logPath) {
    std::string script;
    if (scriptPath.empty() || !ReadWholeNativeFile(scriptPath, script, 1 << 20))
        return;
    std::size_t start = 0;
    while (start < script.size()) {
        std::size_t end = script.find('\n', start);
        if (end == std::string::npos)
            end = script.size();
        std::string_view line = Trimmed(std::string_view(script).substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == '#')
            continue;
        // An unknown word still takes its turn (and gives the default answer), so one typo does not
        // shift every answer after it.
        m_answers.push_back(ParseAnswer(line));
    }
}

int ScriptedMessagePresenter::Show(std::string_view text, std::string_view caption, int flags) {
    LoggedMessage message{flags, std::string(caption), std::string(text)};
    if (!m_logPath.empty()) {
        std::ofstream log(m_logPath, std::ios::binary | std::ios::app);
        log << FormatLogLine(message) << '\n';
    }
    m_messages.push_back(std::move(message));
    int answer = -1;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    return answer < 0 ? DefaultAnswer(flags) : answer;
}

int ScriptedMessagePresenter::ParseAnswer(std::string_view word) {
    struct Name {
        std::string_view word;
        int result;
    };
    static constexpr Name names[] = {{"OK", kIdOk},       {"Cancel", kIdCancel}, {"Abort", kIdAbort},
                                     {"Retry", kIdRetry}, {"Ignore", kIdIgnore}, {"Yes", kIdYes},
                                     {"No", kIdNo}};
    for (const Name& name : names)
        if (SameTextInsensitive(word, name.word))
            return name.result;
    return -1;
}

std::string ScriptedMessagePresenter::FormatLogLine(const LoggedMessage& message) {
    std::string text;
    for (std::size_t i = 0; i < message.text.size(); ++i) {
        char c = message.text[i];
        if (c == '\r' || c == '\n') {
            text += "\\n";
            if (c == '\r' && i + 1 < message.text.size() && message.text[i + 1] == '\n')
                ++i;
        } else {
            text += c;
        }
    }
    return std::to_string(message.flags) + "|" + Utf8FromCp1252(message.caption) + "|" + Utf8FromCp1252(text);
}

bool InstallScriptedPresenterFromEnvironment() {
    const char* script = std::getenv("QOR_MESSAGE_SCRIPT");
    if (!script)
        return false;
    const char* log = std::getenv("QOR_MESSAGE_LOG");
    std::string scriptPath = std::string_view(script) == "none" ? std::string() : std::string(script);
    static std::unique_ptr<ScriptedMessagePresenter> installed;
    auto presenter =
        std::make_unique<ScriptedMessagePresenter>(scriptPath, log ? std::string(log) : std::string());
    SetMessagePresenter(presenter.get());
    installed = std::move(presenter);
    return true;
}

} // namespace qor
