#include "core/notes/notestore.h"
#include "windowfixture.h"
#include "windows/conflictwindow.h"

#include <QPlainTextEdit>
#include <QToolButton>

// Conflict copies beside a shown day's note: the marker, and settling them.

using namespace plandeck;

namespace {

using Conflicts = WindowTest;

const QString kNote = GetFileName(6, 12, 2026);

QWidget* settling()
{
    return QTest::qWaitFor([] { return WindowTest::topLevel("ConflictWindow"); }, 2000)
               ? WindowTest::topLevel("ConflictWindow")
               : nullptr;
}

// Copies arriving show within two seconds as a marker and in the box's name.
// They settle one after another, each by its choice; text typed before is
// part of the note; Escape decides later; each settled copy goes to the trash.
TEST_F(Conflicts, CopiesAreMarkedAndSettleOneAfterAnother)
{
    const QByteArray home = qgetenv("HOME"), dataHome = qgetenv("XDG_DATA_HOME");
    // A trash of the test's own, in an existing folder on the notes' file system.
    QDir().mkpath("xdg");
    qputenv("HOME", QDir::currentPath().toLocal8Bit());
    qputenv("XDG_DATA_HOME", QDir::current().absoluteFilePath("xdg").toLocal8Bit());
    today = {2026, 12, 6};
    // UTF-8, which an edit keeps.
    writeFile(kNote, "Cr\xC3\xA8me 9:00\r\nbuy milk");
    const auto form = openForm();
    auto* marker =
        child<QToolButton>(*form, "ConflictMarker" + boxOf(*form, 6)->objectName().mid(5));
    EXPECT_FALSE(marker->isVisible());
    // In the order they settle: by name.
    writeFile("data/2026-12-06 (conflicted copy 2026-12-06 173516).txt",
              "Cr\xC3\xA8me 9:00\ncall Anna\n");
    writeFile("data/2026-12-06.sync-conflict-20261206-173516-6KXXKVO.txt", "from the laptop");
    writeFile("data/2026-12-06_conflict-20261206-180000.txt", "from the phone");
    EXPECT_TRUE(QTest::qWaitFor([&] { return marker->isVisible(); }, 2000));
    EXPECT_TRUE(boxOf(*form, 6)->accessibleName().endsWith(", today, has a conflict copy"));
    EXPECT_FALSE(boxOf(*form, 7)->findChild<QToolButton*>()->isVisible());

    // Find lists the copies as such, beside its search.
    QTest::keyClick(boxOf(*form, 6), Qt::Key_F, Qt::ControlModifier);
    auto* copies = child<QLabel>(*topLevel("FindNotes"), "FindCopies");
    EXPECT_TRUE(QTest::qWaitFor([&] { return copies->text().contains("(Syncthing)"); }, 2000));
    topLevel("FindNotes")->close();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    typeInto(*form, 6, QStringLiteral("!"));
    QTest::keyClick(boxOf(*form, 6), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QWidget* window = settling();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(readFile(kNote), QByteArray("Cr\xC3\xA8me 9:00\r\nbuy milk!"));
    EXPECT_TRUE(window->windowTitle().contains("Conflict"));
    EXPECT_TRUE(window->windowTitle().contains(QLocale().toString(today, QLocale::LongFormat)));
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(child<QPlainTextEdit>(*window, "CopyText")->toPlainText(),
              QStringLiteral("  Crème 9:00\n\u2503 call Anna"));
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(readFile(kNote), QByteArray("Cr\xC3\xA8me 9:00\r\nbuy milk!\r\ncall Anna"));
    EXPECT_EQ(boxOf(*form, 6)->noteText(), QStringLiteral("Crème 9:00\nbuy milk!\ncall Anna"));

    ASSERT_NE(window = settling(), nullptr);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([] { return topLevel("ConflictWindow") == nullptr; }, 1000));
    EXPECT_EQ(entries("data").size(), 3);
    EXPECT_TRUE(marker->isVisible());
    click(marker);
    ASSERT_NE(window = settling(), nullptr);
    click(*window, QStringLiteral("UseCopy"));
    EXPECT_EQ(readFile(kNote), QByteArray("from the laptop"));
    ASSERT_NE(window = settling(), nullptr);
    click(*window, QStringLiteral("KeepNote"));
    EXPECT_EQ(readFile(kNote), QByteArray("from the laptop"));

    EXPECT_EQ(entries("xdg/Trash/files").size(), 3);
    EXPECT_EQ(entries("data"), QStringList{QFileInfo(kNote).fileName()});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !marker->isVisible(); }, 2000));
    EXPECT_FALSE(boxOf(*form, 6)->accessibleName().contains("conflict"));
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", dataHome);
}

} // namespace
