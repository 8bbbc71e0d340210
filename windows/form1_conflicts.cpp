// The main window's conflict copies: marking the days that have them and
// settling them one copy at a time.
#include "core/notes/conflictcopies.h"
#include "core/notes/mergenotes.h"
#include "core/notes/notetext.h"
#include "windows/conflictmarks.h"
#include "windows/conflictwindow.h"
#include "windows/form1.h"

#include <QFile>
#include <QFileInfo>
#include <QShortcut>

namespace plandeck {

void Form1::createConflictKeys()
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    connect(shortcut, &QShortcut::activated, this, [this] {
        if (EditIndex != 0) {
            openConflictWindow(EditIndex);
        }
    });
    connect(m_conflicts, &ConflictMarks::markerClicked, this,
            [this](int index) { openConflictWindow(Int16(index)); });
    connect(m_conflicts, &ConflictMarks::changed, this, &Form1::conflictsChanged);
}

void Form1::conflictsChanged()
{
    // The note boxes' names tell screen readers which days have copies.
    const Int16 days = GetDaysInMonth(M, y);
    for (Int16 d = 1; d <= days; ++d) {
        colourCell(GetIndex(d, M, y), d, M, y);
    }
}

void Form1::openConflictWindow(Int16 index)
{
    const Int16 day = GetDay(index, M, y);
    if (day != 0 && m_conflicts->hasCopies(index)) {
        openConflictWindow(QDate(y, M, day));
    }
}

void Form1::openConflictWindow(const QDate& date)
{
    if (m_conflictWindow != nullptr) {
        m_conflictWindow->raise();
        m_conflictWindow->activateWindow();
        return;
    }
    const auto day = Int16(date.day());
    const auto month = Int16(date.month());
    const auto year = Int16(date.year());
    // What the user typed counts as the note: it is saved first.
    if (!saveNotes()) {
        return;
    }
    const QList<ConflictCopy> copies = conflictCopies(day, month, year);
    if (copies.isEmpty()) {
        m_conflicts->refresh();
        return;
    }
    const QString path = copies.first().path;
    const ConflictTexts texts = readConflict(day, month, year, path);
    if (!texts.error.isEmpty()) {
        m_services.warn(tr("The conflict copy of %1 cannot be compared.\n%2")
                            .arg(dayHeading(day, month, year), texts.error));
        return;
    }
    m_conflictWindow = std::make_unique<ConflictWindow>(
        date, displayText(texts.note), displayText(texts.copy), QFileInfo(path).fileName());
    connect(
        m_conflictWindow.get(), &ConflictWindow::decided, this,
        [this, date, path](ConflictWindow::Choice choice) { settleConflict(date, path, choice); });
    connect(m_conflictWindow.get(), &QDialog::rejected, this,
            [this] { m_conflictWindow.release()->deleteLater(); });
    connect(this, &Form1::unloaded, m_conflictWindow.get(), &QDialog::reject);
    m_conflictWindow->move(frameGeometry().center() - m_conflictWindow->rect().center());
    m_conflictWindow->show();
    m_conflictWindow->raise();
    m_conflictWindow->activateWindow();
}

void Form1::settleConflict(const QDate& date, const QString& copyPath,
                           ConflictWindow::Choice choice)
{
    const auto day = Int16(date.day());
    const auto month = Int16(date.month());
    const auto year = Int16(date.year());
    const QString heading = dayHeading(day, month, year);
    // Typed since the window opened: saved first, and merged like the rest.
    if (!saveNotes()) {
        return;
    }
    const ConflictTexts texts = readConflict(day, month, year, copyPath);
    if (!texts.error.isEmpty()) {
        m_services.warn(
            tr("The conflict copy of %1 was not settled.\n%2").arg(heading, texts.error));
        return;
    }
    std::optional<QByteArray> bytes;
    if (choice == ConflictWindow::Choice::KeepBoth) {
        const QString noteText = displayText(texts.note);
        const QString merged = keepBoth(noteText, displayText(texts.copy));
        if (merged != noteText) {
            bytes = storedBytes(merged, texts.note);
        }
    } else if (choice == ConflictWindow::Choice::UseCopy) {
        bytes = texts.copy;
    }
    // The usual safe save: should someone write the note meanwhile, their
    // text is kept beside it and shows as a copy of its own.
    if (bytes) {
        const StoreResult result = UpdateData(day, month, year, *bytes, &texts.note);
        if (!result.isOk()) {
            m_services.warn(
                tr("The conflict copy of %1 was not settled.\n%2").arg(heading, result.error));
            return;
        }
    }
    if (!QFile::moveToTrash(copyPath)) {
        m_services.warn(tr("The conflict copy %1 could not be moved to the trash; it stays "
                           "where it is.")
                            .arg(copyPath));
    }
    ConflictWindow* settled = m_conflictWindow.release();
    settled->disconnect(this);
    disconnect(this, nullptr, settled, nullptr);
    settled->hide();
    settled->deleteLater();
    // The shown cell takes the settled note in, unless it holds unsaved text.
    if (date.month() == M && date.year() == y) {
        m_cells[std::size_t(GetIndex(day, M, y))]->takeInRewrite();
    }
    m_conflicts->refresh();
    // The next copy of the same day, if any, right after.
    if (!QFileInfo::exists(copyPath) && !conflictCopies(day, month, year).isEmpty()) {
        openConflictWindow(date);
    }
}

} // namespace plandeck
