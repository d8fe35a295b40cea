#pragma once
// A message box for tests and headless runs. Each message is logged as one line
//     <flags>|<caption>|<text with line breaks written as \n>
// in UTF-8, and answered from a script: a list of answers ("OK", "Cancel", "Retry", "Yes", "No"),
// used in order; when the script is used up every message gets its default answer.

#include "platform/MessagePresenter.h"

#include <deque>
#include <fstream>
#include <string>
#include <vector>

namespace qor {

struct LoggedMessage {
    int flags = 0;
    std::string caption; // Windows-1252
    std::string text;    // Windows-1252
};

class ScriptedMessagePresenter : public MessagePresenter {
public:
    ScriptedMessagePresenter() = default;
    // Reads answers from `scriptPath` (one per line; blank lines and lines starting with '#' are
    // skipped) and logs to `logPath` when not empty. Unreadable scripts give no answers.
    ScriptedMessagePresenter(const std::string& scriptPath, const std::string& logPath);

    void AddAnswer(int result) { m_answers.push_back(result); }
    int Show(std::string_view text, std::string_view caption, int flags) override;

    const std::vector<LoggedMessage>& Messages() const { return m_messages; }
    void ClearMessages() { m_messages.clear(); }

    // "Yes" → kIdYes etc.; -1 for an unknown word (case is ignored).
    static int ParseAnswer(std::string_view word);
    // The log line of a message (UTF-8, no line break at the end).
    static std::string FormatLogLine(const LoggedMessage& message);

private:
    std::deque<int> m_answers;
    std::vector<LoggedMessage> m_messages;
    std::string m_logPath;
};

// When the environment variable QOR_MESSAGE_SCRIPT is set, installs a scripted presenter for the
// whole process: its value is the answer script's path ("none" for no script), and QOR_MESSAGE_LOG
// names the log file. Returns whether it did.
bool InstallScriptedPresenterFromEnvironment();

} // namespace qor
