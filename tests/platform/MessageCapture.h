#pragma once
// Records every message box for the lifetime of the object, and answers them from a script.

#include "platform/MessagePresenter.h"
#include "platform/ScriptedMessagePresenter.h"

#include <string>
#include <vector>

namespace qor::test {

class MessageCapture {
public:
    MessageCapture() { SetMessagePresenter(&m_presenter); }
    ~MessageCapture() { SetMessagePresenter(nullptr); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    // The button the next message box answers with.
    void Answer(int result) { m_presenter.AddAnswer(result); }
    const std::vector<LoggedMessage>& Messages() const { return m_presenter.Messages(); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const LoggedMessage& message : m_presenter.Messages())
            texts.push_back(message.text);
        return texts;
    }
    void Clear() { m_presenter.ClearMessages(); }

private:
    ScriptedMessagePresenter m_presenter;
};

} // namespace qor::test
