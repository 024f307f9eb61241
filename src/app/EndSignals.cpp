#include "EndSignals.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

void EndOnTerminationSignals(QWidget *mainWindow)
{
    if (signalPipe[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
            return;
        auto *notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, mainWindow);
        QPointer<QWidget> window(mainWindow);
        QObject::connect(notifier, &QSocketNotifier::activated, mainWindow, [window] {
            char byte;
            [[maybe_unused]] const auto read = ::read(signalPipe[1], &byte, 1);
            if (window)
                window->close();
        });
    }
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}
#else
void EndOnTerminationSignals(QWidget *)
{
}
#endif
