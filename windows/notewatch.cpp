#include "windows/notewatch.h"

#include "core/notes/notetext.h"
#include "windows/notebox.h"

#include <QFileInfo>

namespace plandeck {

namespace {

const QString kDataFolder = QStringLiteral("data");
// While data/ does not exist, the working folder is followed instead, so
// that a data/ made later is followed from then on.
const QString kWorkingFolder = QStringLiteral(".");
// Well within the second in which an outside change must show.
constexpr int kSettleMilliseconds = 150;

bool isBeingEdited(const NoteBox* box)
{
    return box->isEdited() || box->hasFocus();
}

} // namespace

NoteWatch::NoteWatch(const std::array<NoteBox*, 36>& boxes, QObject* parent)
    : QObject(parent), m_boxes(boxes)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &NoteWatch::check);
    auto changed = [this] {
        if (!m_settle.isActive()) {
            m_settle.start();
        }
    };
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
    for (std::size_t i = 1; i < m_boxes.size(); ++i) {
        connect(m_boxes[i], &NoteBox::focusGained, this, &NoteWatch::boxFocused);
        // A box left without edits may have missed a change meanwhile.
        connect(m_boxes[i], &NoteBox::focusLost, this, &NoteWatch::check);
    }
}

void NoteWatch::load(Int16 index, Int16 day, Int16 month, Int16 year)
{
    NoteBox* box = m_boxes[std::size_t(index)];
    Shown& shown = m_shown[std::size_t(index)];
    const QString source = GetFileName(day, month, year);
    // Stamped before reading: a change while reading shows as one more change.
    const NoteStamp stamp = noteStamp(day, month, year);
    // Already showing this very file (the month shown again): keep the box
    // as it is, with its cursor, scroll position and undo steps.
    if (shown.source == source && shown.stamp == stamp && !(box->isPreview() && box->hasFocus())) {
        return;
    }
    // A box with the cursor in it is edited at once, so it gets the whole
    // note, up to the largest a box edits.
    box->showNote(
        readNoteUpTo(day, month, year, box->hasFocus() ? kLargestEditableNote : kPreviewBytes),
        source);
    shown = {source, stamp};
}

void NoteWatch::follow(Int16 month, Int16 year)
{
    m_month = month;
    m_year = year;
    watchPaths();
}

void NoteWatch::saved(Int16 index)
{
    const Int16 day = GetDay(index, m_month, m_year);
    if (day != 0) {
        m_shown[std::size_t(index)] = {GetFileName(day, m_month, m_year),
                                       noteStamp(day, m_month, m_year)};
    }
}

void NoteWatch::boxFocused(int index)
{
    const Int16 day = GetDay(Int16(index), m_month, m_year);
    if (day != 0 && m_boxes[std::size_t(index)]->isPreview()) {
        load(Int16(index), day, m_month, m_year);
    }
}

void NoteWatch::check()
{
    if (m_month == 0) {
        return;
    }
    const Int16 days = GetDaysInMonth(m_month, m_year);
    for (Int16 d = 1; d <= days; ++d) {
        const Int16 index = GetIndex(d, m_month, m_year);
        if (!isBeingEdited(m_boxes[std::size_t(index)]) &&
            m_shown[std::size_t(index)].stamp != noteStamp(d, m_month, m_year)) {
            load(index, d, m_month, m_year);
        }
    }
    watchPaths();
}

// The data folder tells of notes made, deleted or replaced by a rename; a
// note's own file tells of a rewrite in place, which its folder does not.
void NoteWatch::watchPaths()
{
    QStringList wanted;
    wanted << (QFileInfo(kDataFolder).isDir() ? kDataFolder : kWorkingFolder);
    const Int16 days = GetDaysInMonth(m_month, m_year);
    for (Int16 d = 1; d <= days; ++d) {
        if (m_shown[std::size_t(GetIndex(d, m_month, m_year))].stamp != NoteStamp{}) {
            wanted << GetFileName(d, m_month, m_year);
        }
    }
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    QStringList gone;
    for (const QString& path : watched) {
        if (!wanted.contains(path)) {
            gone << path;
        }
    }
    QStringList added;
    for (const QString& path : wanted) {
        if (!watched.contains(path)) {
            added << path;
        }
    }
    if (!gone.isEmpty()) {
        m_watcher.removePaths(gone);
    }
    if (!added.isEmpty()) {
        m_watcher.addPaths(added);
    }
}

} // namespace plandeck
