#include "bench/benchsupport.h"

#include "windows/form1.h"
#include "windows/notebox.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

// Start-up and peak memory of the main window, measured from outside
// (hyperfine, /usr/bin/time -f %M) on a folder written beforehand:
//   startup_probe --write FOLDER [large]   a 1 KB note on every day of
//       kToday's month, and with "large" one kLargeNoteSize note on the 15th
//   startup_probe FOLDER                   opens the main window there and
//       exits once it is shown and painted: under X11 at the X server's first
//       Expose of the mapped window, offscreen after one drawing
//   startup_probe --bare FOLDER            the same for a bare Qt window with
//       35 plain text boxes holding the same notes, the yardstick
// Prints nothing; the exit status tells whether the window showed the month.
// Both end the moment the window is painted, without tearing it down, so the
// time is start-up alone. (Tearing down differs: the main window's two inotify
// instances take the kernel some 25 ms to close, and a bare window has none.)

using namespace plandeck;
using namespace plandeck::bench;

namespace {

// Quits at the first Expose the X server sends after a MapNotify.
class ExposeWatch : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t") {
            return false;
        }
        constexpr quint8 kExpose = 12, kMapNotify = 19;
        const quint8 kind = *static_cast<const quint8*>(message) & 0x7f;
        m_mapped = m_mapped || kind == kMapNotify;
        if (m_mapped && kind == kExpose && !m_exposed) {
            m_exposed = true;
            // Qt paints on this Expose; the program ends right after.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
    bool exposed() const { return m_exposed; }

private:
    bool m_mapped = false;
    bool m_exposed = false;
};

// Shows the window until it is painted; true when it was.
bool showUntilPainted(QWidget& window)
{
    window.show();
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        QApplication::processEvents();
        return !window.grab().isNull();
    }
    ExposeWatch watch;
    qApp->installNativeEventFilter(&watch);
    QTimer::singleShot(10'000, qApp, &QCoreApplication::quit);
    QApplication::exec();
    // Whatever drawing that Expose started is done and sent.
    QApplication::processEvents();
    return watch.exposed();
}

// Ends the run where start-up ends.
[[noreturn]] void leave(int status)
{
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace

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
    const bool bare = !args.isEmpty() && args[0] == QLatin1String("--bare");
    if (args.size() != (bare ? 2 : 1) || !QDir::setCurrent(args.last())) {
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    if (bare) {
        QWidget window;
        auto* grid = new QGridLayout(&window);
        for (int box = 0; box < 35; ++box) {
            auto* text = new QPlainTextEdit(&window);
            QFile note(GetFileName(Int16(box + 1), month, year));
            if (box < GetDaysInMonth(month, year) && note.open(QIODevice::ReadOnly)) {
                text->setPlainText(QString::fromLatin1(note.readAll()));
            }
            grid->addWidget(text, box / 7, box % 7);
        }
        window.resize(1000, 700);
        leave(showUntilPainted(window) ? 0 : 4);
    }
    Form1 form(quietServices());
    if (form.Form_Load(RunMode::Normal) != LoadOutcome::ShowMain) {
        return 3;
    }
    const auto* first =
        form.findChild<NoteBox*>(QStringLiteral("Text1(%1)").arg(GetIndex(1, month, year)));
    leave(showUntilPainted(form) && first != nullptr && !first->toPlainText().isEmpty() ? 0 : 4);
}
