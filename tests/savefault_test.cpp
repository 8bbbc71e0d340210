// A save failing at each of its steps, through the real window: the text
// stays in its cell, the old note stays whole and the message names the
// step; the month, the report and closing wait for the text; the first save
// after the remedy works.
#include "core/notes/notestore.h"
#include "systemcallfault.h"
#include "windowfixture.h"

#include <QRegularExpression>

using namespace plandeck;

namespace {

using SaveFault = WindowTest;

const QString kNote = GetFileName(5, 12, 2007);

TEST_F(SaveFault, NothingTypedIsLostWhenAStepFails)
{
    // A save opens the lock, the saving file, what came out of the note's name
    // when the saving file was swapped in (to compare it with what was
    // loaded; in the second renameat2 row another program changed it first,
    // and it is renamed to a kept name) and the folder, in that order; it
    // syncs the saving file, then the folder.
    const std::tuple<SystemCallFault::Kind, int, const char*> rows[] = {
        {SystemCallFault::Open, 2, "Cannot create the saving file for"},
        {SystemCallFault::Fchmod, 1, "Cannot set the permissions of"},
        {SystemCallFault::Write, 1, "Cannot write the saving file for"},
        {SystemCallFault::Fsync, 1, "Cannot sync the saving file for"},
        {SystemCallFault::Renameat2, 1, "Cannot rename the saving file over"},
        {SystemCallFault::Renameat2, 2, "Cannot keep the text another program"},
        {SystemCallFault::Open, 4, "Cannot sync the folder of"},
        {SystemCallFault::Fsync, 2, "Cannot sync the folder of"},
        {SystemCallFault::Unlink, 1, "Cannot delete"}, // the note emptied
    };
    writeFile(kNote, "old");
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral(" new"));
    NoteBox* box = boxOf(*form, 5);
    for (const auto& [kind, nth, says] : rows) {
        SCOPED_TRACE(says);
        if (kind == SystemCallFault::Unlink) {
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
        }
        const QByteArray before = nth == 2 && kind == SystemCallFault::Renameat2 ? "theirs" : "old";
        writeFile(kNote, before);
        {
            const SystemCallFault fault(kind, nth, ENOSPC);
            tick(*form);
        }
        EXPECT_TRUE(warnings.last().contains(QLatin1String(says)) &&
                    warnings.last().contains(QStringLiteral("5-December-2007")))
            << warnings.last().toStdString();
        EXPECT_EQ(box->noteText(), kind == SystemCallFault::Unlink ? "" : "old new");
        EXPECT_EQ(readFile(kNote), QString(says).contains("folder") ? "old new" : before);
        EXPECT_EQ(entries("data").filter(QStringLiteral(".saving")), QStringList());
    }
    {
        const SystemCallFault fault(SystemCallFault::Unlink, 1, EACCES);
        click(*form, QStringLiteral("Command1"));
    }
    EXPECT_EQ(caption(*form), QStringLiteral("December-2007")) << "the month stays";
    click(*form, QStringLiteral("Command3"));
    EXPECT_FALSE(exists("temp")) << "no report without the unsaved note";
    {
        const SystemCallFault fault(SystemCallFault::Unlink, 1, EACCES);
        EXPECT_FALSE(form->close());
    }
    EXPECT_EQ(confirmations, 1) << "closing asks first";
    // The remedy: the next save works and takes the message back.
    tick(*form);
    EXPECT_FALSE(exists(kNote));
    EXPECT_EQ(dismissals, 1);
    click(*form, QStringLiteral("Command1"));
    EXPECT_EQ(caption(*form), QStringLiteral("January-2008"));

    // A name for the kept text that is already taken gets "-2".
    click(*form, QStringLiteral("Command2"));
    writeFile(kNote, "old");
    typeInto(*form, 5, QStringLiteral(" new"));
    writeFile(kNote, "theirs");
    {
        const SystemCallFault fault(SystemCallFault::Renameat2, 2, EEXIST);
        EXPECT_TRUE(form->saveNotes());
    }
    const QStringList kept = entries("data").filter(
        QRegularExpression(QStringLiteral("\\A2007-12-05\\.outside-\\d{8}-\\d{6}-2\\.txt\\z")));
    ASSERT_EQ(kept.size(), 1) << entries("data").join(' ').toStdString();
    EXPECT_EQ(readFile(QStringLiteral("data/") + kept[0]), QByteArray("theirs"));
}

} // namespace
