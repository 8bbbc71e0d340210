// A planner on 5 December 2007 that types its second argument into the
// cell of the day its first argument gives, says "typed" and runs, with the
// text unsaved, until it is ended from outside.
#include "windows/form1.h"
#include "windows/notebox.h"
#include "windows/shutdown.h"

#include <QApplication>
#include <QTest>
#include <cstdio>

using namespace plandeck;

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    catchTerminationSignals();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    Form1 form({.today = [] { return QDate(2007, 12, 5); },
                .showWelcome = [](const QString&, const QString&) {},
                .warn = [](const QString&) {},
                .dismissWarning = [] {},
                .confirm = [](const QString&) { return false; },
                .openUrl = [](const QUrl&) { return false; }});
    QObject::connect(&form, &Form1::unloaded, &app, &QCoreApplication::quit);
    installShutdownHandlers(form);
    form.Form_Load(RunMode::Normal);
    form.show();
    auto* box = form.findChild<NoteBox*>(
        QStringLiteral("Text1(%1)").arg(GetIndex(Int16(atoi(argv[1])), 12, 2007)));
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, QString::fromLocal8Bit(argv[2]));
    std::puts("typed");
    std::fflush(stdout);
    return QApplication::exec();
}
