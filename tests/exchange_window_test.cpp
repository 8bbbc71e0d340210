#include "windowfixture.h"
#include "windows/exportwindow.h"

#include <QAction>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>

using namespace plandeck;

namespace {

using ExchangeWindow = WindowTest;

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished()) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Ctrl+E saves the note being typed and opens Export Notes on the shown
// month; Export writes it. Importing a folder of daily notes appends to the
// day's note, which the month shows at once.
TEST_F(ExchangeWindow, ExportsTheShownMonthAndShowsWhatItImported)
{
    writeFile("data/2007-12-05.txt", "Dentist, 10:30");
    writeFile("daily/2007-12-06.md", "Imported\n");
    const auto form = openForm();
    typeInto(*form, 7, QStringLiteral("typed"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::ControlModifier);
    auto* window = qobject_cast<ExportWindow*>(topLevel(QStringLiteral("ExportNotes")));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(child<QDateEdit>(*window, QStringLiteral("ExportFrom"))->date(), QDate(2007, 12, 1));
    EXPECT_EQ(child<QDateEdit>(*window, QStringLiteral("ExportTo"))->date(), QDate(2007, 12, 31));
    auto* path = child<QLineEdit>(*window, QStringLiteral("ExportPath"));
    EXPECT_EQ(path->text(), QDir::home().filePath(QStringLiteral("plandeck-2007-12.ics")));
    path->setText(QDir::current().filePath(QStringLiteral("month.ics")));
    QSignalSpy done(window, &ExportWindow::done);
    click(*window, QStringLiteral("ExportButton"));
    ASSERT_TRUE(done.wait());
    const QByteArray calendar = readFile("month.ics");
    EXPECT_TRUE(calendar.contains("SUMMARY:Dentist\\, 10:30") && calendar.contains("SUMMARY:typed"))
        << calendar.toStdString();
    EXPECT_TRUE(child<QPlainTextEdit>(*window, QStringLiteral("ExchangeLog"))
                    ->toPlainText()
                    .startsWith(QStringLiteral("Notes exported: 2,")));

    window->setPathChooser([](ExportWindow::PathKind kind, const QString&) {
        return kind == ExportWindow::PathKind::ImportFolder ? QStringLiteral("daily") : QString();
    });
    child<QAction>(*window, QStringLiteral("ImportFolder"))->trigger();
    ASSERT_TRUE(done.wait());
    EXPECT_EQ(readFile("data/2007-12-06.txt"), "Imported");
    EXPECT_EQ(boxOf(*form, 6)->toPlainText(), QStringLiteral("Imported"));
}

// Ctrl+Shift+P opens the print dialog without waiting on it; printing to a
// file gives a PDF of one page with the caption, the weekday headers and
// every day's note, even a day wrapped into the first row and a note far
// longer than its cell.
TEST_F(ExchangeWindow, PrintsTheMonthOnOnePage)
{
    writeFile("data/2007-12-05.txt", "Dentist at 10:30");
    writeFile("data/2007-12-31.txt", "New Year's Eve party");
    QByteArray longNote;
    for (int line = 1; line <= 300; ++line) {
        longNote += "line " + QByteArray::number(line) + "\r\n";
    }
    writeFile("data/2007-12-10.txt", longNote);
    const auto form = openForm();
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    auto* dialog = child<QPrintDialog>(*form, QStringLiteral("PrintDialog"));
    ASSERT_TRUE(dialog != nullptr && dialog->isVisible());
    // Only "Print to file" may be accepted: a test never prints on paper.
    auto* fileName = child<QLineEdit>(*dialog, QStringLiteral("filename"));
    if (!fileName->isEnabled()) {
        dialog->reject();
        GTEST_SKIP() << "a printer is installed and chosen; this test prints to files only";
    }
    const QString pdf = QDir::current().filePath(QStringLiteral("month.pdf"));
    fileName->setText(pdf);
    dialog->accept();
    EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {pdf})
                    .contains(QRegularExpression(QStringLiteral("Pages: +1\n"))));
    const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    for (const char* shown : {"December-2007", "Sun", "Sat", "Dentist at 10:30",
                              "New Year's Eve party", "31", "line 1\n"}) {
        EXPECT_TRUE(text.contains(QLatin1String(shown))) << shown << " in " << text.toStdString();
    }
}

} // namespace
