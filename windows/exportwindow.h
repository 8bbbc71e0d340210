#pragma once

#include "core/calendar/calendar.h"
#include "core/exchange/exchange.h"

#include <QFutureWatcher>
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
// notes. What was done, or why nothing was, shows in the window's log. The
// work runs on a worker thread, so that a century of notes does not stop the
// windows; the buttons wait for it.
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
    ~ExportWindow() override;

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
    // An export or import has ended; the log says how.
    void done();

private:
    void formatChosen();
    void browse();
    void exportNotes();
    void importNotes(PathKind kind);
    void start(std::function<ExchangeResult()> work, bool changesNotes);
    void finish();
    QString defaultPath() const;

    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QComboBox* m_format = nullptr;
    QCheckBox* m_journal = nullptr;
    QLineEdit* m_path = nullptr;
    QCheckBox* m_dryRun = nullptr;
    QPlainTextEdit* m_log = nullptr;
    QList<QWidget*> m_buttons;
    QFutureWatcher<ExchangeResult> m_work;
    bool m_changesNotes = false;
    PathChooser m_choosePath;
    // The path the window proposed, which it may change while the user has
    // not typed one of their own.
    QString m_proposedPath;
};

} // namespace plandeck
