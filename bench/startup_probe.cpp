#include "bench/benchsupport.h"

#include "windows/form1.h"
#include "windows/notebox.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

// Start-up and peak memory of the main window, measured from outside
// (hyperfine, /usr/bin/time -f %M) on a folder written beforehand:
//   startup_probe --write FOLDER [large]   a 1 KB note on every day of
//       kToday's month, and with "large" one kLargeNoteSize note on the 15th
//   startup_probe FOLDER                   opens the main window there, draws
//       it once and exits
// Prints nothing; the exit status tells whether the window showed the month.

using namespace plandeck;
using namespace plandeck::bench;

int main(int argc, char** argv)
{
    const auto month = Int16(kToday.month());
    const auto year = Int16(kToday.year());
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i) {
            list << QString::fromLocal8Bit(argv[i]);
        }
        return list;
    }();
    if (!args.isEmpty() && args[0] == QLatin1String("--write")) {
        const bool large = args.size() > 2 && args[2] == QLatin1String("large");
        return args.size() > 1 && QDir().mkpath(args[1]) && QDir::setCurrent(args[1]) &&
                       fillMonth(month, year, 1024) &&
                       (!large ||
                        writeNote(15, month, year, makeNote(kLargeNoteSize, NoteKind::Plain, 1)))
                   ? 0
                   : 2;
    }
    if (args.size() != 1 || !QDir::setCurrent(args[0])) {
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    Form1 form(quietServices());
    if (form.Form_Load(RunMode::Normal) != LoadOutcome::ShowMain) {
        return 3;
    }
    form.show();
    QApplication::processEvents();
    const QPixmap shot = form.grab();
    const auto* first =
        form.findChild<NoteBox*>(QStringLiteral("Text1(%1)").arg(GetIndex(1, month, year)));
    return !shot.isNull() && first != nullptr && !first->toPlainText().isEmpty() ? 0 : 4;
}
