#include "app/form1.h"
#include "app/shutdown.h"

#include <QApplication>
#include <QDate>

using namespace plandeck;

int main(int argc, char* argv[])
{
    // The run mode comes from the raw arguments: QApplication removes the
    // arguments it understands itself.
    catchTerminationSignals();
    const RunMode mode = runModeFromArguments(argc, argv);

    // `plandeck` has usually decided this already; started directly, this
    // program too ends a reminder run with nothing to show before it
    // connects to the window system.
    const QDate today = QDate::currentDate();
    if (mode == RunMode::Remind && nothingToRemind(today.day(), today.month(), today.year())) {
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plandeck"));
    QApplication::setQuitOnLastWindowClosed(false);

    Form1 form(Services::desktop());
    QObject::connect(&form.windows(), &WindowList::allUnloaded, &app, &QCoreApplication::quit);
    installShutdownHandlers(form);

    const LoadOutcome outcome = form.Form_Load(mode);
    if (terminationRequested()) {
        return 0;
    }
    switch (outcome) {
    case LoadOutcome::Quit:
        return 0;
    case LoadOutcome::ShowMain:
        form.show();
        break;
    case LoadOutcome::ShowReminder:
        break;
    }
    return QApplication::exec();
}
