#pragma once
// A fresh world for each user-records test: an empty user folder, a clock that only moves when the
// test says so, dialogs and message boxes that answer from a script and remember what they showed.

#include "platform/Cp1252.h"
#include "platform/MessageCapture.h"
#include "platform/MessagePresenter.h"
#include "platform/ScriptedMessagePresenter.h"
#include "platform/TempFolder.h"
#include "platform/WinPath.h"
#include "users/TXUserBase.h"
#include "users/UserDialogs.h"
#include "users/UserFile.h"
#include "users/UserNames.h"

#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace qor::test {

struct FakeClock {
    LocalDateTime now{2024, 3, 15, 10.0 / 24}; // 15.03.2024 10:00:00

    UserClock Clock() {
        return [this] { return now; };
    }
    // Moves the clock on by whole seconds, across midnight when it must.
    void Advance(int seconds) {
        double time = now.timeOfDay + seconds / 86400.0;
        while (time >= 1.0) {
            time -= 1.0;
            ++now.day; // the tests stay inside one month
        }
        now.timeOfDay = time;
    }
};

// Answers each dialog from its own queue; an empty queue answers Cancel.
class ScriptedUserDialogs : public UserDialogs {
public:
    std::deque<std::optional<UserCredentials>> passwortAnswers;
    std::deque<std::optional<PasswordChange>> changeAnswers;
    std::deque<std::optional<UserCredentials>> wizardAnswers;

    std::vector<PasswordRequest> passwortShown;
    std::vector<std::pair<std::string, std::string>> changeShown; // caption, name
    int wizardShown = 0;

    void AnswerPasswort(std::string name, std::string password) {
        passwortAnswers.push_back(UserCredentials{std::move(name), std::move(password)});
    }
    void CancelPasswort() { passwortAnswers.push_back(std::nullopt); }

    std::optional<UserCredentials> ShowTXPasswort(const PasswordRequest& request) override {
        passwortShown.push_back(request);
        return Next(passwortAnswers);
    }
    std::optional<PasswordChange> ShowTXChangePW(const std::string& caption,
                                                 const std::string& name) override {
        changeShown.emplace_back(caption, name);
        return Next(changeAnswers);
    }
    std::optional<UserCredentials> ShowTXLogInWizard() override {
        ++wizardShown;
        return Next(wizardAnswers);
    }

private:
    template <typename T> static std::optional<T> Next(std::deque<std::optional<T>>& answers) {
        if (answers.empty())
            return std::nullopt;
        std::optional<T> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class UserBaseTest : public ::testing::Test {
protected:
    TempFolder m_temp;
    std::string m_folder = ProgramPath(m_temp.Path()) + "/";
    FakeClock m_clock;
    ScriptedUserDialogs m_dialogs;
    MessageCapture m_messages;
    TXUserBase m_base{m_folder, m_dialogs, m_clock.Clock()};

    // A user file as another session left it.
    void WriteUser(const std::string& name, const std::string& password, std::vector<TXUserVoc> records = {},
                   double learningTime = 0) {
        UserFileContent content{CredentialsText(name, password), learningTime, std::move(records)};
        m_temp.MakeFile(name + "_F.qob", EncodeUserFile(content));
    }
    void WriteEmptyUser(const std::string& name) { m_temp.MakeFile(name + "_F.qob", ""); }

    UserFileContent ReadUser(const std::string& name) {
        UserFileContent content;
        EXPECT_EQ(DecodeUserFile(ReadFile(m_temp / (name + "_F.qob")), content), UserFileState::Content);
        return content;
    }
    std::string LogText(const std::string& name) { return ReadFile(m_temp / (name + "_F_LOG.txt")); }
};

} // namespace qor::test
