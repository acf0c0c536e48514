#include "platform/termination.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace termination {
namespace {

// The handler only writes one byte into a socket pair; the event loop reads
// it at its next turn.
int pipeFds[2] = {-1, -1};

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignalArrived(int) {
    const int savedErrno = errno;
    // The next one ends the program as it would without us.
    for (int sig : kSignals) ::signal(sig, SIG_DFL);
    const char byte = 1;
    const ssize_t written = ::write(pipeFds[0], &byte, 1);
    (void)written;
    errno = savedErrno;
}

std::function<void()>& callback() {
    static std::function<void()> f;
    return f;
}

// Closes each modal window once.
void closeModalWindows() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (!w->isVisible() || !w->isModal()) continue;
        if (auto* dialog = qobject_cast<QDialog*>(w))
            dialog->reject();
        else
            w->close();
    }
}

QTimer*& modalCloser() {
    static QTimer* closer = nullptr;
    return closer;
}

}  // namespace

void CloseModalWindowsFromNowOn() {
    closeModalWindows();
    QTimer*& closer = modalCloser();
    if (closer || !QCoreApplication::instance()) return;
    closer = new QTimer(QCoreApplication::instance());
    closer->setInterval(100);
    QObject::connect(closer, &QTimer::timeout, [] { closeModalWindows(); });
    QObject::connect(closer, &QObject::destroyed, [] { modalCloser() = nullptr; });
    closer->start();
}

void StopClosingModalWindows() {
    QTimer*& closer = modalCloser();
    if (!closer) return;
    closer->stop();
    closer->deleteLater();
    closer = nullptr;
}

void CatchSignals(std::function<void()> onSignal) {
    callback() = std::move(onSignal);
    if (pipeFds[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeFds) != 0) {
        qWarning("The program cannot catch the signals that ask it to end");
        return;
    }
    auto* notifier = new QSocketNotifier(pipeFds[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char bytes[16];
        while (::read(pipeFds[1], bytes, sizeof bytes) > 0) {
        }
        if (callback()) callback()();
    });

    struct sigaction action {};
    action.sa_handler = onSignalArrived;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : kSignals) ::sigaction(sig, &action, nullptr);
}

}  // namespace termination
