#include "app/qt/ProgramEnd.h"

#include "app/qt/ProgramWindows.h"
#include "platform/Cp1252.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace qor {

namespace {

// An end from outside must be over quickly: a shutdown does not wait long.
constexpr int kDialogCloseInterval = 100;
constexpr int kLastMoment = 1500;

} // namespace

ProgramEnd::ProgramEnd(LongLivedObjects& objects, Learner learner) : m_learner(learner) {
    m_end.objects = &objects;
    m_end.processPendingMessages = [] { QCoreApplication::processEvents(); };
}

void ProgramEnd::EndAsked() {
    if (m_ended)
        return;
    const auto mayStay =
        m_learner == Learner::MayStay ? ProgramWindows::MayStay::Yes : ProgramWindows::MayStay::No;
    if (m_windows && !m_windows->CloseWindowsForEnd(EndQuestions::Ask, mayStay))
        return;
    m_ended = true;
    Beenden(m_end);
    // exit, not quit: quit asks the windows, and the dictionary window only hides when asked.
    QCoreApplication::exit(m_exitCode);
}

void ProgramEnd::EndWithoutQuestions() {
    SetMessagePresenter(&m_silentMessages);
    if (m_ended) {
        CloseModalDialogs();
        auto* closer = new QTimer(this);
        connect(closer, &QTimer::timeout, this, &ProgramEnd::CloseModalDialogs);
        closer->start(kDialogCloseInterval);
        QTimer::singleShot(kLastMoment, [this] {
            std::fflush(nullptr);
            std::_Exit(m_exitCode);
        });
        return;
    }
    m_ended = true;
    if (m_windows)
        m_windows->CloseWindowsForEnd(EndQuestions::None, ProgramWindows::MayStay::No);
    m_end.state = ApplicationState::Terminating;
    m_end.questions = EndQuestions::None;
    Beenden(m_end);
    for (const LoggedMessage& message : m_silentMessages.Messages())
        std::fprintf(stderr, "qor: %s\n", Utf8FromCp1252(message.text).c_str());
    std::fflush(nullptr);
    // Whatever loop the signal arrived in (a dialog, a presentation) must not go on with the
    // objects just freed.
    std::_Exit(m_exitCode);
}

void ProgramEnd::CloseModalDialogs() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
}

} // namespace qor
