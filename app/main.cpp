#include "core/exchange/exchangecommand.h"
#include "core/version.h"
#include "startup/commandline.h"
#include "windows/form1.h"
#include "windows/shutdown.h"
#include "windows/translations.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>
#include <cstdio>

using namespace plandeck;

int main(int argc, char* argv[])
{
    // Export and import need no window, and so no display.
    if (isExchangeCommand(argc, argv)) {
        QCoreApplication app(argc, argv);
        installTranslations();
        QTextStream out(stdout);
        QTextStream err(stderr);
        return runExchangeCommand(QCoreApplication::arguments(),
                                  qEnvironmentVariable(kStartFolderVariable), out, err);
    }
    if (const int answered = answerInformationArguments(argc, argv); answered >= 0) {
        return answered;
    }
    // Qt would abort with its plugin message; every run left needs a window.
    if (!windowCanOpen(argc, argv)) {
        std::fputs(noDisplayMessage(), stderr);
        return 1;
    }
    catchTerminationSignals();
    // The run mode comes from the raw arguments: QApplication removes the
    // arguments it understands itself. `plandeck` has already ended a reminder
    // run with nothing to show; the load handler decides it again when this
    // program is started directly.
    const RunMode mode = runModeFromArguments(argc, argv);
    const ReminderOptions options =
        mode == RunMode::Remind ? *reminderOptions(argc, argv, 2) : ReminderOptions{};

    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(kProgramName));
    QApplication::setApplicationVersion(QLatin1String(kProgramVersion));
    installTranslations();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/plandeck/icon.gif")));
    // Wayland matches the window to the installed desktop entry by this id,
    // which CMake gives (PLANDECK_APP_ID, the entry's name without .desktop).
    QGuiApplication::setDesktopFileName(QLatin1String(PLANDECK_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);

    Form1 form(Services::desktop());
    QObject::connect(&form, &Form1::unloaded, &app, &QCoreApplication::quit);
    installShutdownHandlers(form);

    const LoadOutcome outcome = form.Form_Load(mode, options);
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
