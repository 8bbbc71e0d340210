#pragma once

#include "core/calendar/calendar.h"
#include "core/notes/notestamp.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <array>

// Loads the shown month's notes into their boxes and keeps them in step with
// data/ while the month is shown: another program (a sync tool, an editor,
// a second copy of Plandeck) may change, create or delete a note at any time.
// It follows the file system's change notifications, so an idle window does
// not wake up for it; on a change it compares each day's file with the state
// its box shows and reloads only the boxes whose file changed. A box being
// edited (with unsaved text, or with the cursor in it) is never reloaded; it
// is looked at again when it loses the focus.

namespace plandeck {

class NoteBox;

class NoteWatch : public QObject
{
    Q_OBJECT

public:
    // The boxes of the grid, by cell index; element 0 is unused.
    NoteWatch(const std::array<NoteBox*, 36>& boxes, QObject* parent);

    // Shows the note of a day in the box of cell `index`: a note too large
    // to lay out at once as a preview, unless the box has the focus.
    void load(Int16 index, Int16 day, Int16 month, Int16 year);
    // From now on follows the notes of this month, whose boxes are loaded.
    void follow(Int16 month, Int16 year);
    // The box of cell `index` has just been saved: its file holds its text.
    void saved(Int16 index);

private:
    struct Shown
    {
        QString source; // the note's file name
        NoteStamp stamp;
    };

    // Reloads every box that is not being edited and whose file changed.
    void check();
    void watchPaths();
    void boxFocused(int index);

    const std::array<NoteBox*, 36> m_boxes;
    std::array<Shown, 36> m_shown{};
    Int16 m_month = 0;
    Int16 m_year = 0;
    QFileSystemWatcher m_watcher;
    // Several notifications of one change (a write in chunks, a save through
    // a temporary file) lead to one check.
    QTimer m_settle;
};

} // namespace plandeck
