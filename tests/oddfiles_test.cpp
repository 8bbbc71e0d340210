#include "windowfixture.h"

#include "core/reminder/digest.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace plandeck;

namespace {

using OddFiles = WindowTest;

const QString kNote5 = QStringLiteral("data/2007-12-05.txt");

// Name, type, size and content of every entry below a folder.
QStringList snapshot(const QString& folder)
{
    QStringList lines;
    for (const QString& name : WorkFolderTest::entries(folder)) {
        const QString path = folder + QLatin1Char('/') + name;
        struct stat st
        {
        };
        ::lstat(path.toLocal8Bit().constData(), &st);
        QString line = name + QStringLiteral(" mode=%1 size=%2").arg(st.st_mode).arg(st.st_size);
        if (S_ISREG(st.st_mode)) {
            line += QLatin1Char(' ') +
                    QString::fromLatin1(QCryptographicHash::hash(WorkFolderTest::readFile(path),
                                                                 QCryptographicHash::Sha1)
                                            .toHex());
        } else if (S_ISLNK(st.st_mode)) {
            line += QLatin1Char(' ') + QFileInfo(path).symLinkTarget();
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

    const auto form = openForm();
    EXPECT_EQ(boxOf(*form, 3)->toPlainText().size(), 512);
    EXPECT_TRUE(boxOf(*form, 2)->toPlainText().contains(QStringLiteral("too large")));
    EXPECT_TRUE(boxOf(*form, 2)->isReadOnly());
    for (int day = 1; day <= 7; ++day) {
        click(boxOf(*form, day));
        tick(*form);
    }
    click(*form, QStringLiteral("Command1"));
    click(*form, QStringLiteral("Command2"));
    click(*form, QStringLiteral("Command3"));
    EXPECT_TRUE(form->close());
    EXPECT_EQ(snapshot("data"), before);
}

// A note that cannot be read is shown as such, never written or deleted,
// and stops the report instead of printing as empty.
struct Unreadable
{
    const char* name;
    void (*make)();
    const char* reason;
};

void PrintTo(const Unreadable& row, std::ostream* out)
{
    *out << row.name;
}

class UnreadableNotes : public WindowTest, public ::testing::WithParamInterface<Unreadable>
{
};

TEST_P(UnreadableNotes, AreShownAndLeftAlone)
{
    QDir().mkdir("data");
    GetParam().make();
    const QStringList before = snapshot("data");
    {
        const WithoutFilePowers unprivileged;
        const auto form = openForm();
        NoteBox* box = boxOf(*form, 5);
        EXPECT_TRUE(box->toPlainText().contains(QStringLiteral("could not be read")));
        EXPECT_TRUE(box->toPlainText().contains(QString::fromLatin1(GetParam().reason)))
            << box->toPlainText().toStdString();
        EXPECT_TRUE(box->isReadOnly());
        click(box);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_Backspace);
        tick(*form);
        click(*form, QStringLiteral("Command3"));
        ASSERT_EQ(warnings.size(), 1);
        EXPECT_TRUE(warnings.first().contains(QStringLiteral("2007-12-05")));
        EXPECT_FALSE(exists("temp"));
        EXPECT_TRUE(reminderDigest(5, 12, 2008).contains(QStringLiteral("could not be read")));
        click(*form, QStringLiteral("Command1"));
        EXPECT_TRUE(form->close());
    }
    EXPECT_EQ(snapshot("data"), before);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnreadableNotes,
    ::testing::Values(Unreadable{"PermissionDenied",
                                 [] {
                                     WorkFolderTest::writeFile(kNote5, "private");
                                     ASSERT_EQ(::chmod("data/2007-12-05.txt", 0), 0);
                                 },
                                 "Permission denied"},
                      // Reading /proc/self/mem at offset 0 fails with EIO.
                      Unreadable{
                          "InputOutputError",
                          [] { ASSERT_EQ(::symlink("/proc/self/mem", "data/2007-12-05.txt"), 0); },
                          "Input/output error"}),
    [](const auto& row) { return std::string(row.param.name); });

// Each fault keeps the old note byte for byte and the typed text in its box,
// names the date and the reason once, keeps the month, the report and the
// window from replacing the text, and the first save after the remedy works.
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

TEST_P(SaveFaults, NothingTypedIsLost)
{
    const SaveFault& fault = GetParam();
    writeFile(kNote5, "old note");
    const auto form = openForm();
    fault.cause();
    typeInto(*form, 5, QStringLiteral(" and the new part, long enough to pass any limit"));
    click(*form, QStringLiteral("Command1"));
    const QString expectedText =
        QStringLiteral("old note and the new part, long enough to pass any limit");
    EXPECT_EQ(boxOf(*form, 5)->toPlainText(), expectedText);
    EXPECT_EQ(caption(*form), QStringLiteral("December-2007")) << "the month stays";
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains(QStringLiteral("5-December-2007")));
    EXPECT_TRUE(warnings.first().contains(QString::fromLatin1(fault.reason)))
        << warnings.first().toStdString();
    if (QFileInfo(kNote5).isFile()) {
        EXPECT_EQ(readFile(kNote5), QByteArray("old note"));
    }
    click(*form, QStringLiteral("Command3"));
    EXPECT_FALSE(exists("temp")) << "no report without the unsaved note";
    EXPECT_FALSE(form->close());
    EXPECT_EQ(confirmations, 1) << "closing asks first";
    EXPECT_EQ(boxOf(*form, 5)->toPlainText(), expectedText);

    fault.remedy();
    EXPECT_EQ(dismissals, 0);
    tick(*form);
    EXPECT_EQ(readFile(kNote5), expectedText.toLatin1());
    EXPECT_EQ(dismissals, 1) << "the warning is taken back";
    click(*form, QStringLiteral("Command1"));
    EXPECT_EQ(caption(*form), QStringLiteral("January-2008"));
}

rlimit g_savedLimit{};
std::optional<WithoutFilePowers> g_unprivileged;

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
                                    WorkFolderTest::writeFile(QStringLiteral("data"),
                                                              "blocks the folder");
                                },
                                [] { QFile::remove(QStringLiteral("data")); }, "Not a directory"},
                      SaveFault{"NotePathIsAFolder",
                                [] {
                                    QFile::remove(kNote5);
                                    QDir().mkpath(kNote5 + QStringLiteral("/inside"));
                                },
                                [] { QDir(kNote5).removeRecursively(); }, "not a regular file"},
                      SaveFault{"DataIsReadOnly",
                                [] {
                                    ::chmod("data", 0500);
                                    g_unprivileged.emplace();
                                },
                                [] {
                                    g_unprivileged.reset();
                                    ::chmod("data", 0700);
                                },
                                "Permission denied"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
