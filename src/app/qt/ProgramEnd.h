#pragma once
// How the trainer ends: by the learner ("Beenden", the last window closed, the end of a script),
// asking what Beenden asks; or from outside (a signal, the desktop session ending), without a
// question: everything changed is saved, or copied to the recovery folder, and the process exits
// at once, from whatever loop it is in.

#include "app/Beenden.h"
#include "platform/ScriptedMessagePresenter.h"

#include <QObject>

namespace qor {

class ProgramWindows;

class ProgramEnd : public QObject {
    Q_OBJECT
public:
    enum class Learner { MayStay, MustGo };
    // `objects` must outlive this object. MustGo: a script's end ends the program even when the
    // editor would keep the learner.
    ProgramEnd(LongLivedObjects& objects, Learner learner);

    void SetWindows(ProgramWindows* windows) { m_windows = windows; }
    void SetExitCode(int code) { m_exitCode = code; }
    int ExitCode() const { return m_exitCode; }

    // Beenden with its questions, then the message loop ends with the exit code. Nothing happens
    // when the learner chose to stay in the editor, or when the end has begun already.
    void EndAsked();
    // Saves without questions and exits the process. While Beenden is still asking, its open
    // dialogs are closed so that it finishes on its own, and the process exits soon after.
    void EndWithoutQuestions();

private:
    void CloseModalDialogs();

    EndOfProgram m_end;
    Learner m_learner;
    ProgramWindows* m_windows = nullptr;
    int m_exitCode = 0;
    bool m_ended = false;
    // Every message of an end without questions: logged, answered with its first button.
    ScriptedMessagePresenter m_silentMessages;
};

} // namespace qor
