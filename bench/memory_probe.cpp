#include "bench/benchsupport.h"

#include "windows/form1.h"
#include "windows/notebox.h"

#include <QApplication>
#include <QPixmap>

// Opens the main window on a month with a 1 KB note on every day, draws it
// once and exits, so that the peak resident memory of a typical window can be
// measured from outside (/usr/bin/time -f %M). Prints nothing; the exit
// status tells whether the window showed the month.

using namespace plandeck;
using namespace plandeck::bench;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);

    BenchFolder folder;
    const auto month = Int16(kToday.month());
    const auto year = Int16(kToday.year());
    if (!folder.isValid() || !fillMonth(month, year, 1024)) {
        return 2;
    }
    Form1 form(quietServices());
    if (form.Form_Load(RunMode::Normal) != LoadOutcome::ShowMain) {
        return 3;
    }
    form.show();
    QApplication::processEvents();
    const QPixmap shot = form.grab();
    const bool shown = !shot.isNull() && form.M == month &&
                       !form.Text1[std::size_t(GetIndex(1, month, year))]->toPlainText().isEmpty();
    return shown ? 0 : 4;
}
