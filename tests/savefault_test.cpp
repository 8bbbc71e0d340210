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
    struct Row
    {
        SystemCallFault::Kind kind;
        int nth;
        int error;
        const char* says;
        QByteArray outside; // what another program wrote first ("": nothing)
        bool renamed;       // the new text already replaced the note
    };
    // A save opens the lock, the saving file, the note (to compare it) and
    // the folder, in that order; it syncs the saving file, then the folder.
    const Row rows[] = {
        {SystemCallFault::Open, 2, EACCES, "Cannot create the saving file for", {}, false},
        {SystemCallFault::Fchmod, 1, EPERM, "Cannot set the permissions of", {}, false},
        {SystemCallFault::Write, 1, ENOSPC, "Cannot write the saving file for", {}, false},
        {SystemCallFault::Fsync, 1, EIO, "Cannot sync the saving file for", {}, false},
        {SystemCallFault::Link, 1, EIO, "Cannot keep the text another program", "theirs", false},
        {SystemCallFault::Rename, 1, EIO, "Cannot rename the saving file over", {}, false},
        {SystemCallFault::Open, 4, EACCES, "Cannot sync the folder of", {}, true},
        {SystemCallFault::Fsync, 2, EIO, "Cannot sync the folder of", {}, true},
        {SystemCallFault::Unlink, 1, EACCES, "Cannot delete", {}, false},
    };
    writeFile(kNote, "old");
    const auto form = openForm();
    typeInto(*form, 5, QStringLiteral(" new"));
    NoteBox* box = boxOf(*form, 5);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.says);
        if (row.kind == SystemCallFault::Unlink) { // the note emptied
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
        }
        const QString typed = box->noteText();
        writeFile(kNote, row.outside.isEmpty() ? QByteArray("old") : row.outside);
        {
            const SystemCallFault fault(row.kind, row.nth, row.error);
            tick(*form);
        }
        EXPECT_TRUE(warnings.last().contains(QLatin1String(row.says)) &&
                    warnings.last().contains(QStringLiteral("5-December-2007")))
            << warnings.last().toStdString();
        EXPECT_EQ(box->noteText(), typed);
        EXPECT_EQ(readFile(kNote),
                  row.renamed ? typed.toLatin1() : (row.outside.isEmpty() ? "old" : row.outside));
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
        const SystemCallFault fault(SystemCallFault::Link, 1, EEXIST);
        EXPECT_TRUE(form->saveNotes());
    }
    const QStringList kept = entries("data").filter(
        QRegularExpression(QStringLiteral("\\A2007-12-05\\.txt\\.outside-\\d{8}T\\d{6}-2\\z")));
    ASSERT_EQ(kept.size(), 1) << entries("data").join(' ').toStdString();
    EXPECT_EQ(readFile(QStringLiteral("data/") + kept[0]), QByteArray("theirs"));
}

} // namespace
