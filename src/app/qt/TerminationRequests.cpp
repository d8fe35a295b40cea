#include "app/qt/TerminationRequests.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace qor {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may only do what is safe in a signal handler: it writes one byte to a socket that
// the event loop watches. The same signal often comes twice (to the process and to its group, as
// `timeout` sends it); the second request finds the end under way.
int g_pipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int number) {
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
}

} // namespace

TerminationRequests::TerminationRequests(std::function<void()> onRequest, QObject* parent)
    : QObject(parent), m_onRequest(std::move(onRequest)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_pipe) == 0) {
        m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &TerminationRequests::SignalArrived);
        struct sigaction action = {};
        action.sa_handler = OnTerminationSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int number : kSignals)
            ::sigaction(number, &action, nullptr);
    }
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(application, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
            if (m_onRequest)
                m_onRequest();
        });
}

TerminationRequests::~TerminationRequests() {
    for (int number : kSignals)
        std::signal(number, SIG_DFL);
    if (g_pipe[0] >= 0) {
        ::close(g_pipe[0]);
        ::close(g_pipe[1]);
        g_pipe[0] = g_pipe[1] = -1;
    }
}

void TerminationRequests::SignalArrived() {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(g_pipe[0], &byte, 1);
    if (m_onRequest)
        m_onRequest();
}

} // namespace qor
