#pragma once
// A file dialog for tests: answers each request from a queue (nothing left: the learner cancelled)
// and remembers what was asked.

#include "settings/FileChooser.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace qor::test {

class QueuedFileChooser : public FileChooser {
public:
    std::deque<std::optional<std::string>> answers;
    std::vector<FileChoiceRequest> requests;

    std::optional<std::string> ChooseFile(const FileChoiceRequest& request) override {
        requests.push_back(request);
        if (answers.empty())
            return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace qor::test
