#include "windowfixture.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace plandeck;

namespace {

using OddFiles = WindowTest;

// Name, type, size and content of every entry below a folder.
QStringList snapshot(const QString& folder)
{
    QStringList lines;
    for (const QString& name : QDir(folder).entryList(
             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString path = folder + QLatin1Char('/') + name;
        struct stat st
        {
        };
        ::lstat(path.toLocal8Bit().constData(), &st);
        QString line = name + QStringLiteral(" mode=%1 size=%2").arg(st.st_mode).arg(st.st_size);
        if (S_ISREG(st.st_mode)) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            line += QLatin1Char(' ') +
                    QString::fromLatin1(
                        QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());
        }
        lines.append(line);
    }
    return lines;
}

TEST_F(OddFiles, NothingInTheDataFolderBlocksCrashesOrIsChanged)
{
    writeFile("data/2007-12-01.txt", "");
    writeFile("data/2007-12-02.txt", QByteArray(10 * 1024 * 1024, 'x'));
    QByteArray every = allBytes();
    writeFile("data/2007-12-03.txt", every + every.right(128) + every.left(128));
    ASSERT_EQ(::mkfifo("data/2007-12-04.txt", 0600), 0);
    QDir().mkpath("data/2007-12-05.txt");
    ASSERT_EQ(::symlink("missing-target.txt", "data/2007-12-06.txt"), 0);
    writeFile("data/notes.txt", "not a date");
    writeFile("data/2007-13-01.txt", "no such month");
    writeFile("data/2007-12-7.txt", "no leading zero");
    const QStringList before = snapshot("data");

    auto form = openForm();
    EXPECT_EQ(boxOf(*form, 3)->toPlainText().size(), 512);
    EXPECT_TRUE(boxOf(*form, 2)->toPlainText().contains(QStringLiteral("too large")));
    EXPECT_TRUE(boxOf(*form, 2)->isReadOnly());
    for (int day = 1; day <= 7; ++day) {
        EXPECT_TRUE(boxOf(*form, day)->isVisible()) << day;
        click(boxOf(*form, day));
        form->Timer1_Timer();
    }
    click(form->Command1);
    click(form->Command2);
    click(form->Command3);
    form->resize(900, 700);
    QApplication::processEvents();
    EXPECT_TRUE(form->close());
    EXPECT_EQ(snapshot("data"), before);
}

TEST_F(OddFiles, NoteWithAReadErrorIsShownAndNeverWrittenOrDeleted)
{
    QDir().mkdir("data");
    // Reading /proc/self/mem at offset 0 fails with EIO.
    ASSERT_EQ(::symlink("/proc/self/mem", "data/2007-12-05.txt"), 0);
    auto form = openForm();
    NoteBox* box = boxOf(*form, 5);
    EXPECT_TRUE(box->toPlainText().contains(QStringLiteral("Input/output error")));
    click(box);
    QTest::keyClick(box, Qt::Key_Delete);
    form->Timer1_Timer();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(QFileInfo("data/2007-12-05.txt").isSymLink());
    EXPECT_EQ(QFileInfo("data/2007-12-05.txt").symLinkTarget(), QStringLiteral("/proc/self/mem"));
    EXPECT_EQ(entries("data"), QStringList{"2007-12-05.txt"});
}

TEST_F(OddFiles, ReportCleanUpWithUndeletableEntriesStillCloses)
{
    writeFile("temp/report-KEEPSAFEAAAAAAAAAAAAAAAAAAAAAAAAA.htm", "locked in");
    QDir().mkdir("temp/report-folder.htm");
    auto form = openForm();
    ASSERT_EQ(::chmod("temp", 0500), 0);
    {
        const WithoutFilePowers unprivileged;
        EXPECT_TRUE(form->close());
    }
    ::chmod("temp", 0700);
    EXPECT_EQ(form->windows().count(), 0);
    EXPECT_TRUE(exists("temp/report-KEEPSAFEAAAAAAAAAAAAAAAAAAAAAAAAA.htm"));
}

struct SaveFault
{
    const char* name;
    void (*cause)();
    void (*remedy)();
    const char* reason;
};

void PrintTo(const SaveFault& row, std::ostream* out)
{
    *out << row.name;
}

class SaveFaults : public WindowTest, public ::testing::WithParamInterface<SaveFault>
{
};

// Each fault keeps the old note byte for byte and the typed text in its box,
// names the date and the reason, and the first save after the remedy works.
TEST_P(SaveFaults, NothingTypedIsLost)
{
    const SaveFault& fault = GetParam();
    writeFile("data/2007-12-05.txt", "old note");
    const auto form = openForm();
    fault.cause();
    typeInto(*form, 5, QStringLiteral(" and the new part, long enough to pass any limit"));
    click(form->Command7);
    const QString expectedText =
        QStringLiteral("old note and the new part, long enough to pass any limit");
    EXPECT_EQ(boxOf(*form, 5)->toPlainText(), expectedText);
    ASSERT_FALSE(warnings.isEmpty());
    EXPECT_TRUE(warnings.first().contains(QStringLiteral("5-December-2007")));
    EXPECT_TRUE(warnings.first().contains(QString::fromLatin1(fault.reason)))
        << warnings.first().toStdString();
    if (QFileInfo("data/2007-12-05.txt").isFile()) {
        EXPECT_EQ(readFile("data/2007-12-05.txt"), QByteArray("old note"));
    }
    fault.remedy();
    form->Timer1_Timer();
    EXPECT_EQ(readFile("data/2007-12-05.txt"), expectedText.toLatin1());
    EXPECT_FALSE(form->hasUnsavedNotes());
}

rlimit g_savedLimit{};

INSTANTIATE_TEST_SUITE_P(
    Faults, SaveFaults,
    ::testing::Values(SaveFault{"FileSizeLimit",
                                [] {
                                    std::signal(SIGXFSZ, SIG_IGN);
                                    ::getrlimit(RLIMIT_FSIZE, &g_savedLimit);
                                    rlimit small = g_savedLimit;
                                    small.rlim_cur = 16;
                                    ::setrlimit(RLIMIT_FSIZE, &small);
                                },
                                [] {
                                    ::setrlimit(RLIMIT_FSIZE, &g_savedLimit);
                                    std::signal(SIGXFSZ, SIG_DFL);
                                },
                                "File too large"},
                      SaveFault{"DataIsAFile",
                                [] {
                                    QDir(QStringLiteral("data")).removeRecursively();
                                    QFile file(QStringLiteral("data"));
                                    file.open(QIODevice::WriteOnly);
                                },
                                [] { QFile::remove(QStringLiteral("data")); }, "Not a directory"},
                      SaveFault{
                          "NotePathIsAFolder",
                          [] {
                              QFile::remove(QStringLiteral("data/2007-12-05.txt"));
                              QDir().mkpath(QStringLiteral("data/2007-12-05.txt/inside"));
                          },
                          [] { QDir(QStringLiteral("data/2007-12-05.txt")).removeRecursively(); },
                          "not a regular file"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
