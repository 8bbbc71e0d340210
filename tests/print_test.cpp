#include "windowfixture.h"

#include <QRegularExpression>

using namespace plandeck;

namespace {

using Print = WindowTest;

QStringList reports()
{
    return QDir(QStringLiteral("temp")).entryList({QStringLiteral("report-*.htm")}, QDir::Files);
}

// By click or by Ctrl+P: the note just typed is saved first and is in the
// report, and every print writes a new file. A report that cannot be opened
// or written is reported, and the program goes on.
TEST_F(Print, WritesTheMonthWithTheNoteJustTypedAndOpensIt)
{
    writeFile("data/2007-12-01.txt", "first");
    const auto form = openForm();
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey);
        typeInto(*form, 5, byKey ? QStringLiteral("\"c\"") : QStringLiteral("a<b & "));
        byKey ? QTest::keyClick(boxOf(*form, 5), Qt::Key_P, Qt::ControlModifier)
              : click(*form, QStringLiteral("Command3"));
        ASSERT_EQ(opened.size(), byKey ? 2 : 1);
        EXPECT_TRUE(opened.last().toLocalFile().contains(
            QRegularExpression(QStringLiteral("/temp/report-[A-Z]{32}\\.htm$"))));
        EXPECT_EQ(reports().size(), opened.size());
    }
    EXPECT_EQ(readFile(opened.last().toLocalFile()),
              QByteArray("<html><head></head><body>"
                         "<hr><b>1-December-2007 Saturday</b><br>first"
                         "<hr><b>5-December-2007 Wednesday</b><br>a&lt;b &amp; &quot;c&quot;"
                         "</body></html>"));
    EXPECT_TRUE(warnings.isEmpty());

    openSucceeds = false;
    click(*form, QStringLiteral("Command3"));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.last().contains(QStringLiteral("could not be opened")));
    EXPECT_EQ(reports().size(), 3) << "the written report stays for the user";
    QDir(QStringLiteral("temp")).removeRecursively();
    writeFile("temp", "a file, not a folder");
    click(*form, QStringLiteral("Command3"));
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_TRUE(warnings.last().contains(QStringLiteral("not written")));
    EXPECT_EQ(opened.size(), 3) << "nothing to open";
    click(*form, QStringLiteral("Command1"));
    EXPECT_EQ(caption(*form), QStringLiteral("January-2008")) << "still running";
}

} // namespace
