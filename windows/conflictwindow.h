#pragma once

#include <QDate>
#include <QDialog>
#include <QString>

class QPlainTextEdit;

// Settling one conflict copy of a day's note: the note and the copy side by
// side, each line the other text lacks marked, and the three ways out. It is
// not modal, so the planner stays usable while the user compares; Escape
// closes it and decides nothing.

namespace plandeck {

class ConflictWindow : public QDialog
{
    Q_OBJECT

public:
    enum class Choice { KeepBoth, KeepNote, UseCopy };

    // copyName says which copy this is ("2026-12-06_conflict-….txt").
    ConflictWindow(const QDate& date, const QString& noteText, const QString& copyText,
                   const QString& copyName, QWidget* parent = nullptr);

    const QDate& date() const { return m_date; }

Q_SIGNALS:
    void decided(plandeck::ConflictWindow::Choice choice);

private:
    QDate m_date;
};

// The window's title: "Conflict: Sunday, 6 December 2026".
QString conflictTitle(const QDate& date);

} // namespace plandeck
