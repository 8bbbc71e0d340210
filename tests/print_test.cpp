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

// By click or by Ctrl+P, the note just typed is saved and in the report.
class PrintTrigger : public WindowTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P(PrintTrigger, WritesTheMonthWithTheNoteJustTypedAndOpensIt)
{
    writeFile("data/2007-12-01.txt", "first");
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral("a<b & \"c\""));
    if (GetParam()) {
        QTest::keyClick(boxOf(*form, 5), Qt::Key_P, Qt::ControlModifier);
    } else {
        click(*form, QStringLiteral("Command3"));
    }
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

INSTANTIATE_TEST_SUITE_P(ClickOrShortcut, PrintTrigger, ::testing::Values(false, true),
                         [](const auto& row) {
                             return std::string(row.param ? "Shortcut" : "Click");
                         });

TEST_F(Print, EveryClickWritesANewReport)
{
    const auto form = openForm();
    click(*form, QStringLiteral("Command3"));
    click(*form, QStringLiteral("Command3"));
    EXPECT_EQ(reportsIn("temp").size(), 2);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_NE(opened[0], opened[1]);
}

TEST_F(Print, FailuresAreReportedAndTheProgramGoesOn)
{
    const auto form = openForm();
    writeFile("temp", "a file, not a folder");
    click(*form, QStringLiteral("Command3"));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains(QStringLiteral("not written")));
    EXPECT_TRUE(opened.isEmpty());

    QFile::remove("temp");
    openSucceeds = false;
    click(*form, QStringLiteral("Command3"));
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_TRUE(warnings.last().contains(QStringLiteral("could not be opened")));
    EXPECT_EQ(reportsIn("temp").size(), 1) << "the written report stays for the user";
    click(*form, QStringLiteral("Command1"));
    EXPECT_EQ(caption(*form), QStringLiteral("January-2008")) << "still running";
}

} // namespace
