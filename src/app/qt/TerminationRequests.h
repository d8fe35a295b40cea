#pragma once
// Requests to end the program that come from outside: the signals SIGTERM, SIGINT and SIGHUP
// (a shutdown, `kill`, the terminal closing) and the desktop session ending. Each reaches the
// user-interface thread as one call of `onRequest`; nobody can be asked then, so the program saves
// everything without questions and exits.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace qor {

class TerminationRequests : public QObject {
    Q_OBJECT
public:
    // At most one object at a time; it installs the signal handlers and removes them again.
    explicit TerminationRequests(std::function<void()> onRequest, QObject* parent = nullptr);
    ~TerminationRequests() override;

private:
    void SignalArrived();

    std::function<void()> m_onRequest;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace qor
