#include "windowfixture.h"

#include "core/reminder/digest.h"

#include <QCryptographicHash>
#include <sys/stat.h>

using namespace plandeck;

namespace {

using OddFiles = WindowTest;

const QString kNote5 = QStringLiteral("data/2007-12-05.txt");

// Name, type, size, and content or link target of every entry in a folder.
QStringList snapshot(const QString& folder)
{
    QStringList lines;
    for (const QString& name : WorkFolderTest::entries(folder)) {
        const QString path = folder + QLatin1Char('/') + name;
        struct stat st = {};
        ::lstat(path.toLocal8Bit().constData(), &st);
        // A FIFO is never opened, here either.
        const QByteArray content = S_ISREG(st.st_mode)   ? WorkFolderTest::readFile(path)
                                   : S_ISLNK(st.st_mode) ? QFileInfo(path).symLinkTarget().toUtf8()
                                                         : QByteArray();
        lines.append(QStringLiteral("%1 %2 %3 ").arg(name).arg(st.st_mode).arg(st.st_size) +
                     QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex());
    }
    return lines;
}

// Odd entries with a note's name are shown for what they are and come out
// unchanged: a note that cannot be read (no permission; a link to a file not
// named like a note, such as /proc/self/mem) is shown as such, read-only, is
// listed as unreadable by the reminder and stops the report.
TEST_F(OddFiles, NothingInTheDataFolderBlocksCrashesOrIsChanged)
{
    writeFile("data/2007-12-01.txt", "");
    writeFile("data/2007-12-02.txt", QByteArray(10 * 1024 * 1024, 'x'));
    writeFile("data/2007-12-03.txt", allBytes() + allBytes());
    ASSERT_EQ(::mkfifo("data/2007-12-04.txt", 0600), 0);
    QDir().mkpath("data/2007-12-05.txt");
    ASSERT_EQ(::symlink("missing-target.txt", "data/2007-12-06.txt"), 0);
    writeFile("data/2007-12-07.txt", QByteArray(20000, 'y') + "\r\nshort line");
    writeFile("data/2007-12-08.txt", "private");
    ASSERT_EQ(::chmod("data/2007-12-08.txt", 0), 0);
    ASSERT_EQ(::symlink("/proc/self/mem", "data/2007-12-09.txt"), 0);
    writeFile("data/notes.txt", "not a date");
    writeFile("data/2007-12-7.txt", "no leading zero");
    const QStringList before = snapshot("data");
    {
        const auto form = openForm();
        EXPECT_EQ(boxOf(*form, 3)->toPlainText().size(), 512);
        for (const auto& [day, shown] :
             {std::pair(2, "too large"), std::pair(7, "too large"),
              std::pair(8, "could not be read"), std::pair(9, "could not be read")}) {
            EXPECT_TRUE(boxOf(*form, day)->toPlainText().contains(QLatin1String(shown))) << day;
            EXPECT_TRUE(boxOf(*form, day)->isReadOnly()) << day;
            click(boxOf(*form, day));
            QTest::keyClick(boxOf(*form, day), Qt::Key_Delete);
            QTest::keyClick(boxOf(*form, day), Qt::Key_Backspace);
        }
        EXPECT_TRUE(boxOf(*form, 8)->toPlainText().contains(QStringLiteral("Permission denied")));
        EXPECT_TRUE(boxOf(*form, 9)->toPlainText().contains(
            QStringLiteral("links to a file that is not a note")));
        for (int day = 1; day <= 9; ++day) {
            click(boxOf(*form, day));
            tick(*form);
            const QString digest = reminderDigest(Int16(day), 12, 2008);
            EXPECT_EQ(digest.contains(QStringLiteral("could not be read")), day >= 8) << day;
        }
        click(*form, QStringLiteral("Command3"));
        ASSERT_EQ(warnings.size(), 1) << warnings.join("|").toStdString();
        EXPECT_TRUE(warnings.first().contains(QStringLiteral("2007-12-08")));
        EXPECT_FALSE(exists("temp"));
        click(*form, QStringLiteral("Command1"));
        click(*form, QStringLiteral("Command2"));
        EXPECT_TRUE(form->close());
    }
    EXPECT_EQ(snapshot("data"), before);
    // The snapshot could not read the private note.
    ASSERT_EQ(::chmod("data/2007-12-08.txt", 0600), 0);
    EXPECT_EQ(readFile("data/2007-12-08.txt"), QByteArray("private"));
}

} // namespace
