#pragma once
// Every message box of the program goes through one presenter: the Qt one on screen, the scripted
// one in tests and headless runs (it logs each message and answers from a script).

#include <memory>
#include <string>
#include <string_view>

namespace qor {

// Windows message-box flags as the program uses them (buttons in the low nibble, icon above).
enum MessageFlags : int {
    kMbOk = 0x00,
    kMbOkCancel = 0x01,
    kMbAbortRetryIgnore = 0x02,
    kMbRetryCancel = 0x05,
    kMbYesNoCancel = 0x03,
    kMbYesNo = 0x04,
    kMbIconError = 0x10,
    kMbIconQuestion = 0x20,
    kMbIconExclamation = 0x30,
    kMbIconInformation = 0x40,
};

// Button results.
enum MessageResult : int {
    kIdOk = 1,
    kIdCancel = 2,
    kIdAbort = 3,
    kIdRetry = 4,
    kIdIgnore = 5,
    kIdYes = 6,
    kIdNo = 7,
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows `text` (Windows-1252, lines separated by "\r" or "\n") and returns the button chosen.
    virtual int Show(std::string_view text, std::string_view caption, int flags) = 0;
};

// The presenter in force; a scripted one that answers every question with its default until the
// front end installs its own.
MessagePresenter& CurrentMessagePresenter();
// Installs `presenter` (not owned); nullptr restores the default.
void SetMessagePresenter(MessagePresenter* presenter);

// The button a message box returns when it is simply confirmed (its first button): OK, Abort,
// Retry, Yes.
int DefaultAnswer(int flags);

} // namespace qor
