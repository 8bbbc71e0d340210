#include "windowfixture.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

using namespace plandeck;

namespace {

using Print = WindowTest;

QStringList reportsIn(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("report-*.htm")}, QDir::Files);
}

TEST_F(Print, WritesTheMonthWithTheNoteJustTypedAndOpensIt)
{
    writeFile("data/2007-12-01.txt", "first");
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("a<b & \"c\""));
    click(form->Command3);

    const QStringList reports = reportsIn("temp");
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^report-[A-Z]{32}\\.htm$"))
                    .match(reports.first())
                    .hasMatch());
    const QString path = QStringLiteral("temp/") + reports.first();
    EXPECT_EQ(readFile(path),
              QByteArray("<html><head></head><body>"
                         "<hr><b>1-December-2007 Saturday</b><br>first"
                         "<hr><b>5-December-2007 Wednesday</b><br>a&lt;b &amp; &quot;c&quot;"
                         "</body></html>"));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.first(), QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(Print, KeyboardShortcutSavesTheEditFirst)
{
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("by Ctrl+P"));
    QTest::keyClick(boxOf(*form, 5), Qt::Key_P, Qt::ControlModifier);
    const QStringList reports = reportsIn("temp");
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(readFile(QStringLiteral("temp/") + reports.first()).contains("by Ctrl+P"));
}

TEST_F(Print, EveryClickWritesANewReportAndClosingRemovesThemAll)
{
    writeFile("temp/report-FROMANEARLIERRUNAAAAAAAAAAAAAAAA.htm", "old");
    writeFile("temp/keep.txt", "not a report");
    auto form = openForm();
    click(form->Command3);
    click(form->Command3);
    EXPECT_EQ(reportsIn("temp").size(), 3);
    EXPECT_EQ(opened.size(), 2);
    EXPECT_NE(opened[0], opened[1]);
    form->close();
    EXPECT_TRUE(reportsIn("temp").isEmpty());
    EXPECT_EQ(readFile("temp/keep.txt"), QByteArray("not a report"));
}

TEST_F(Print, FailuresAreReportedAndTheProgramGoesOn)
{
    const auto form = openForm();
    writeFile("temp", "a file, not a folder");
    click(form->Command3);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains(QStringLiteral("not written")));
    EXPECT_TRUE(opened.isEmpty());

    QFile::remove("temp");
    openSucceeds = false;
    click(form->Command3);
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_TRUE(warnings.last().contains(QStringLiteral("could not be opened")));
    EXPECT_EQ(reportsIn("temp").size(), 1) << "the written report stays for the user";
    click(form->Command1);
    EXPECT_EQ(form->M, 1) << "still running";
}

TEST_F(Print, ANoteThatCannotBeSavedStopsTheReport)
{
    writeFile("data", "blocks every save");
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("unsaved"));
    click(form->Command3);
    EXPECT_TRUE(reportsIn("temp").isEmpty());
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_FALSE(warnings.isEmpty());
}

} // namespace
