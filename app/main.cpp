#include "app/form1.h"
#include "app/shutdown.h"
#include "reminder/digest.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>

using namespace plandeck;

int main(int argc, char* argv[])
{
    // The run mode comes from the raw arguments: QApplication removes the
    // arguments it understands itself.
    const RunMode mode = runModeFromArguments(argc, argv);

    // A login reminder with nothing to say ends here, before any connection
    // to the window system; the welcome message would still need a window.
    if (mode == RunMode::Remind && !QFileInfo(QStringLiteral("ft.txt")).isFile()) {
        const QDate today = QDate::currentDate();
        if (reminderDigest(Int16(today.day()), Int16(today.month()), Int16(today.year()))
                .isEmpty()) {
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plandeck"));
    QApplication::setQuitOnLastWindowClosed(false);

    Form1 form(Services::desktop());
    QObject::connect(&form.windows(), &WindowList::allUnloaded, &app, &QCoreApplication::quit);
    installShutdownHandlers(form);

    switch (form.Form_Load(mode)) {
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
