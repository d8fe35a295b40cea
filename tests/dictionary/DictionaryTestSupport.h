#pragma once
// Dictionaries built from tables, file dialogs answered from a list, and a change counter.

#include "dictionary/DictionaryDialogs.h"
#include "dictionary/TXDatabase.h"
#include "platform/MessageCapture.h"
#include "platform/TempFolder.h"
#include "platform/WinPath.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace qor::test {

// A `_cp` text as a std::string. (clang 14 crashes on `std::string text("..."_cp);`.)
inline std::string CpText(std::string_view text) {
    return std::string(text);
}

// One entry as the tables write it: headword, word class, meaning.
struct Row {
    std::string word;
    int wortart = 1;
    std::string meaning;
};

inline void FillHalf(TXDatabase& database, DictionaryDirection direction, const std::vector<Row>& rows) {
    database.SetDirection(direction);
    for (const Row& row : rows)
        database.AddEntry(row.word, std::to_string(row.wortart), row.meaning);
}

// The current half as rows, in list order.
inline std::vector<std::string> Words(const TXDatabase& database) {
    std::vector<std::string> words;
    for (int i = 0; i < database.Count(); ++i)
        words.push_back(database.Vokabel(i));
    return words;
}

inline std::string ProgramPathOf(const std::filesystem::path& path) {
    return ProgramPath(path);
}

struct DialogCall {
    std::string title;
    std::string proposedName;
    std::string filter;
};

class ListedDialogs : public DictionaryDialogs {
public:
    // The next dialog's answer; nothing stands for Cancel.
    void Answer(std::optional<std::string> path) { m_answers.push_back(std::move(path)); }

    std::optional<std::string> AskSavePath(std::string_view title, std::string_view proposedName,
                                           std::string_view filter) override {
        calls.push_back({std::string(title), std::string(proposedName), std::string(filter)});
        return Next();
    }
    std::optional<std::string> AskOpenPath(std::string_view proposedName) override {
        calls.push_back({std::string(), std::string(proposedName), std::string()});
        return Next();
    }

    std::vector<DialogCall> calls;

private:
    std::optional<std::string> Next() {
        if (m_answers.empty())
            return std::nullopt;
        std::optional<std::string> answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    std::deque<std::optional<std::string>> m_answers;
};

// Counts the change notifications of one database.
struct ChangeCounter {
    explicit ChangeCounter(TXDatabase& database) {
        database.SetOnChange([this] { ++count; });
    }
    int count = 0;
};

} // namespace qor::test
