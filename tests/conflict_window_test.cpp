#include "core/notes/notestore.h"
#include "windowfixture.h"
#include "windows/conflictwindow.h"

#include <QPlainTextEdit>
#include <QToolButton>

// Conflict copies beside a shown day's note: the marker, and settling them.

using namespace plandeck;

namespace {

const QString kNote = GetFileName(6, 12, 2026);
const QString kCopy1 = QStringLiteral("data/2026-12-06.sync-conflict-20261206-173516-6KXXKVO.txt");
const QString kCopy2 = QStringLiteral("data/2026-12-06_conflict-20261206-180000.txt");

class Conflicts : public WindowTest
{
public:
    void SetUp() override
    {
        WindowTest::SetUp();
        // Settled copies go to a trash of the test's own, which must be on
        // the notes' file system and in an existing folder.
        QDir().mkpath("xdg");
        qputenv("HOME", QDir::currentPath().toLocal8Bit());
        qputenv("XDG_DATA_HOME", QDir::current().absoluteFilePath("xdg").toLocal8Bit());
        today = {2026, 12, 6};
        writeFile(kNote, "dentist 9:00\r\nbuy milk");
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        qputenv("XDG_DATA_HOME", m_xdgDataHome);
        qputenv("HOME", m_home);
    }
    static QToolButton* marker(const QWidget& form, int day)
    {
        const QString box = boxOf(form, day)->objectName();
        return child<QToolButton>(form, "ConflictMarker" + box.mid(5));
    }
    static ConflictWindow* settling()
    {
        return QTest::qWaitFor([] { return topLevel(QStringLiteral("ConflictWindow")); }, 2000)
                   ? qobject_cast<ConflictWindow*>(topLevel(QStringLiteral("ConflictWindow")))
                   : nullptr;
    }
    static QStringList trashed() { return entries(QStringLiteral("xdg/Trash/files")); }

private:
    QByteArray m_xdgDataHome = qgetenv("XDG_DATA_HOME");
    QByteArray m_home = qgetenv("HOME");
};

// A copy arriving shows within two seconds as a marker and in the box's
// name; Enter in the window it opens keeps both texts and trashes the copy.
TEST_F(Conflicts, AMarkerShowsAndKeepBothMergesIntoTheNote)
{
    const auto form = openForm();
    EXPECT_FALSE(marker(*form, 6)->isVisible());
    writeFile(kCopy1, "dentist 9:00\r\ncall Anna\r\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return marker(*form, 6)->isVisible(); }, 2000));
    EXPECT_TRUE(boxOf(*form, 6)->accessibleName().endsWith(", today, has a conflict copy"));
    EXPECT_FALSE(marker(*form, 7)->isVisible());

    click(marker(*form, 6));
    ConflictWindow* window = settling();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->windowTitle().contains("Conflict"));
    EXPECT_TRUE(window->windowTitle().contains(QLocale().toString(today, QLocale::LongFormat)));
    EXPECT_FALSE(window->isModal());
    const QString copySide = child<QPlainTextEdit>(*window, "CopyText")->toPlainText();
    EXPECT_EQ(copySide, QStringLiteral("  dentist 9:00\n\u2503 call Anna"));
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(readFile(kNote), QByteArray("dentist 9:00\r\nbuy milk\r\ncall Anna"));
    EXPECT_EQ(boxOf(*form, 6)->noteText(), QStringLiteral("dentist 9:00\nbuy milk\ncall Anna"));
    EXPECT_FALSE(exists(kCopy1));
    EXPECT_EQ(trashed(), QStringList{QFileInfo(kCopy1).fileName()});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !marker(*form, 6)->isVisible(); }, 2000));
    EXPECT_FALSE(boxOf(*form, 6)->accessibleName().contains("conflict"));
}

// Two copies settle one after the other from Ctrl+Shift+C; Escape decides
// later and leaves the copy; text typed meanwhile is part of the note.
TEST_F(Conflicts, CopiesSettleOneAfterAnother)
{
    writeFile(kCopy1, "from the laptop");
    writeFile(kCopy2, "from the phone");
    const auto form = openForm();
    typeInto(*form, 6, QStringLiteral("!"));
    QTest::keyClick(boxOf(*form, 6), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    ConflictWindow* window = settling();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(readFile(kNote), QByteArray("dentist 9:00\r\nbuy milk!"));
    click(*window, QStringLiteral("UseCopy"));
    EXPECT_EQ(readFile(kNote), QByteArray("from the laptop"));
    window = settling();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(child<QPlainTextEdit>(*window, "CopyText")->toPlainText(),
              QStringLiteral("\u2503 from the phone"));
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([] { return topLevel("ConflictWindow") == nullptr; }, 1000));
    EXPECT_TRUE(exists(kCopy2));
    EXPECT_TRUE(marker(*form, 6)->isVisible());

    click(marker(*form, 6));
    window = settling();
    ASSERT_NE(window, nullptr);
    click(*window, QStringLiteral("KeepNote"));
    EXPECT_EQ(readFile(kNote), QByteArray("from the laptop"));
    EXPECT_EQ(trashed().size(), 2);
    EXPECT_TRUE(entries("data") == QStringList{QFileInfo(kNote).fileName()});
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

} // namespace
