#pragma once

#include "core/calendar/calendar.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;

namespace plandeck {

// "Export Notes": the range (the shown month at first), the format, the file
// or folder, and "Import Notes…" for a calendar file or a folder of daily
// notes. What was done, or why nothing was, shows in the window's log.
//
// Object names: "ExportNotes" (the window), "ExportFrom", "ExportTo",
// "ExportFormat", "ExportJournal", "ExportPath", "ExportBrowse",
// "ExportButton", "ImportButton" with the actions "ImportCalendar" and
// "ImportFolder", "ImportDryRun", "ExchangeLog".
class ExportWindow : public QWidget
{
    Q_OBJECT

public:
    ExportWindow();

    enum class PathKind { ExportFile, ExportFolder, ImportCalendar, ImportFolder };
    // Asks the user for a path of the kind; empty when the user gave none.
    // File dialogs by default; tests give the path directly.
    using PathChooser = std::function<QString(PathKind kind, const QString& current)>;
    void setPathChooser(PathChooser chooser);

    // Shows and activates the window, its range set to the month.
    void bringUp(Int16 month, Int16 year);

Q_SIGNALS:
    // Emitted before notes are read or written: text being edited must be
    // in its file first.
    void notesNeeded();
    // An import changed notes.
    void notesChanged();

private:
    void formatChosen();
    void browse();
    void exportNotes();
    void importNotes(PathKind kind);
    void report(const QStringList& lines);
    QString defaultPath() const;

    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QComboBox* m_format = nullptr;
    QCheckBox* m_journal = nullptr;
    QLineEdit* m_path = nullptr;
    QCheckBox* m_dryRun = nullptr;
    QPlainTextEdit* m_log = nullptr;
    PathChooser m_choosePath;
    // The path the window proposed, which it may change while the user has
    // not typed one of their own.
    QString m_proposedPath;
};

} // namespace plandeck
