#include "windowfixture.h"

#include "windows/shutdown.h"

#include <QClipboard>
#include <QSessionManager>

using namespace plandeck;

namespace {

using Editing = WindowTest;

const QString kNote5 = QStringLiteral("data/2007-12-05.txt");

// Each way of leaving a box or ending the program saves what was typed.
TEST_F(Editing, EveryWayOfLeavingTheBoxSavesIt)
{
    const std::pair<const char*, std::function<void(Form1&)>> ways[] = {
        {"window close", [](Form1& form) { form.close(); }},
        {"Ctrl+Q",
         [](Form1& form) { QTest::keyClick(boxOf(form, 5), Qt::Key_Q, Qt::ControlModifier); }},
        {"session end",
         [](Form1&) {
             Q_EMIT qGuiApp->commitDataRequest(*qGuiApp->findChild<QSessionManager*>());
         }},
        {"SIGTERM", [](Form1&) { ::raise(SIGTERM); }},
        {"SIGINT", [](Form1&) { ::raise(SIGINT); }},
        {"SIGHUP", [](Form1&) { ::raise(SIGHUP); }},
    };
    for (const auto& [name, leave] : ways) {
        SCOPED_TRACE(name);
        const QByteArray typed(name);
        QFile::remove(kNote5);
        const auto form = openForm();
        installShutdownHandlers(*form);
        typeInto(*form, 5, QString::fromLatin1(typed));
        leave(*form);
        // Signals are handled by the event loop; a save takes a moment.
        EXPECT_TRUE(QTest::qWaitFor([&] { return readFile(kNote5) == typed; }, 5000));
    }
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        std::signal(signalNumber, SIG_DFL);
    }
}

// Opening, leaving or idling in a cell never rewrites its note, nor does
// typing and undoing it back (no normalised copy is written); an emptied
// note deletes its file, and leaving empty boxes writes nothing. What is typed
// or pasted reaches the file with CR LF breaks, in Windows-1252 when every
// character fits and it would not read as UTF-8, otherwise in UTF-8; no-break
// spaces stay. The cell of 10 December shows 14 January a month later, here
// with the same text: the box shows the stored note, and undo cannot reach
// back into the other day's typing.
TEST_F(Editing, OnlyEditsAreWrittenAsTheBoxShowsThemUnderTheirOwnDay)
{
    const QByteArray odd("lone\nLF, lone\rCR, tab\t, NUL\0 and \x81\xFF", 36);
    writeFile(kNote5, odd);
    writeFile("data/2007-12-06.txt", "x");
    writeFile("data/2008-01-14.txt", "abc\r\ndef");
    writeFile("data/2007-12-11.txt", "eleventh");
    const auto form = openForm();
    click(boxOf(*form, 5));
    tick(*form);
    click(boxOf(*form, 7));
    EXPECT_EQ(readFile(kNote5), odd);
    typeInto(*form, 5, QStringLiteral("x"));
    QTest::keyClick(boxOf(*form, 5), Qt::Key_Backspace);
    typeInto(*form, 6, QString());
    QTest::keyClick(boxOf(*form, 6), Qt::Key_Backspace);
    click(boxOf(*form, 7));
    tick(*form);
    EXPECT_EQ(readFile(kNote5), odd);
    EXPECT_EQ(entries("data"), QStringList({"2007-12-05.txt", "2007-12-11.txt", "2008-01-14.txt"}));

    // The day typed into; typed, pasted; stored.
    const std::tuple<int, QString, QString, QByteArray> rows[] = {
        {20, QStringLiteral("one\ntwo, nb\u00a0sp \u00e9"), {}, "one\r\ntwo, nb\xA0sp \xE9"},
        {21, QStringLiteral("\u0141\u00f3d\u017a"), QStringLiteral(" \u2713"),
         "\xC5\x81\xC3\xB3\x64\xC5\xBA \xE2\x9C\x93"}};
    for (const auto& [day, typed, pasted, stored] : rows) {
        typeInto(*form, day, typed);
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(boxOf(*form, day), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(boxOf(*form, day)->noteText(), typed + pasted);
        tick(*form);
        EXPECT_EQ(readFile(QStringLiteral("data/2007-12-%1.txt").arg(day)), stored);
    }

    typeInto(*form, 10, QStringLiteral("abc\ndef"));
    NoteBox* box = boxOf(*form, 10);
    click(*form, QStringLiteral("Command1"));
    ASSERT_EQ(boxOf(*form, 14), box);
    EXPECT_EQ(boxOf(*form, 15)->toPlainText(), QString());
    click(box);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    tick(*form);
    EXPECT_EQ(box->toPlainText(), QStringLiteral("abc\ndef"));
    EXPECT_EQ(readFile("data/2008-01-14.txt"), QByteArray("abc\r\ndef"));
    EXPECT_EQ(readFile("data/2007-12-10.txt"), QByteArray("abc\r\ndef"));
}

} // namespace
