#include "windows/shutdown.h"

#include "windows/form1.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace plandeck {

namespace {

int g_signalPipe[2] = {-1, -1};
bool g_terminationRequested = false;

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(g_signalPipe[0], &byte, 1);
}

} // namespace

bool terminationRequested()
{
    return g_terminationRequested;
}

void catchTerminationSignals()
{
    if (g_signalPipe[0] >= 0 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0) {
        return;
    }
    struct sigaction action
    {
    };
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signalNumber, &action, nullptr);
    }
}

void installShutdownHandlers(Form1& form)
{
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.saveOrKeepNotes(); });

    catchTerminationSignals();
    if (g_signalPipe[1] < 0) {
        return;
    }
    // A signal caught before this point is waiting in the pipe and is
    // handled as soon as the event loop runs.
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, &form);
    QObject::connect(notifier, &QSocketNotifier::activated, &form, [&form] {
        char byte;
        [[maybe_unused]] const ssize_t ignored = ::read(g_signalPipe[1], &byte, 1);
        g_terminationRequested = true;
        form.closeForShutdown();
        // exit() rather than quit(): it also ends the welcome message's own
        // event loop, which runs before the main one.
        QCoreApplication::exit(0);
    });
}

} // namespace plandeck
