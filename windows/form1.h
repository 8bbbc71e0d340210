#pragma once

#include "core/calendar/calendar.h"
#include "core/layout/formlayout.h"
#include "core/notes/notestore.h"
#include "startup/frontdoor.h"
#include "windows/conflictwindow.h"
#include "windows/notecell.h"
#include "windows/services.h"

#include <QRandomGenerator>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QLabel;
class QPrintDialog;
class QPushButton;
class QTimer;

namespace plandeck {

class ConflictMarks;
class NoteBox;
class NoteWatch;
class Form3;
class frmAbout;
class FindWindow;
class GoToDateWindow;
class OnThisDayWindow;
class Notifier;
struct ReminderNotes;
class HelpWindow;
class ExportWindow;
class RecoveryRecorder;

// What main() does after the load handler.
enum class LoadOutcome { ShowMain, ShowReminder, Quit };

// The main window: one month as a 5 x 7 grid of day cells under the weekday
// headers, with the navigation, zoom, print and about buttons on top. Notes are
// typed into the cells and saved on focus loss, at every timer tick and when
// the window closes.
//
// Every control carries its name as object name ("Command1", "Label1",
// "Text1(5)", "Command4(5)"), so that it can be found by name.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(Services services, QWidget* parent = nullptr);
    ~Form1() override;

    // Welcome message, today's date and the run mode; a reminder run shows
    // what the options ask for, and how.
    LoadOutcome Form_Load(RunMode mode, ReminderOptions options = {});

    // Saves every box with unsaved text, as the end of the session
    // requires: a save on the worker thread is waited for first. False while
    // a note cannot be saved; each failure is reported once.
    bool saveNotes();
    // As saveNotes; what cannot be saved is kept for the next start at once,
    // with a line on standard error (the end of the desktop session).
    bool saveOrKeepNotes();
    // Closes without asking about a note that cannot be saved (SIGTERM).
    void closeForShutdown();
    // Shows the month of the date, saving first as a navigation click does,
    // and puts the cursor into that day's note box at the given position.
    // False when a note that cannot be saved keeps the month where it is.
    bool showDate(const QDate& date, int cursorPosition = 0);

Q_SIGNALS:
    // Every window of the program has been unloaded; the program may end.
    void unloaded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createGrid();
    void createShortcuts();
    // Alt+arrows, Alt+Home and Ctrl+Q (form1_keyboard.cpp).
    void createDayKeys();
    // Tab from day to day, the edit frame, tooltips and F1 (form1_help.cpp).
    void createHelpKeys();
    // Where Tab (forward) or Shift+Tab leads from a note box or an end of
    // the top row; nullptr where Qt's own focus chain serves.
    QWidget* tabTarget(const QObject* from, bool forward) const;
    // The day the Alt+arrow keys step from: the one being edited, else
    // today if it is shown, else the first of the shown month.
    QDate currentDay() const;

    void ShowMonth(Int16 month, Int16 year);
    void Form_Resize();
    // Where a save's conversion and writing run: at once, or for the large
    // note being typed into at a timer tick, on a worker thread.
    using SaveOn = NoteCell::SaveOn;
    bool UpdateDay(Int16 Index, Int16 month, Int16 year, SaveOn on = SaveOn::Now);
    bool saveNotes(SaveOn on);
    // Wires a cell's saves to the window's messages and waiting actions.
    void connectCell(NoteCell* cell);
    void saveFailed(const NoteCell* cell, const QString& error);
    void takeInSave(const NoteCell* cell, const QString& keptFile);
    void takeBackResolvedWarning();
    // While a cell saves on the worker thread, an action that needs its
    // note saved (another month, Print, a jump) waits for it without holding
    // up the window: it is kept, and run when no cell is busy. True when the
    // action was kept.
    bool whenIdle(std::function<void()> action);
    // The watch tells that data/ changed: every shown cell looks at its file.
    void checkShownNotes();
    void followShownNotes();
    bool Form_Unload(bool askBeforeDiscarding);

    void Text1_GotFocus(Int16 Index);
    void Text1_LostFocus(Int16 Index);
    void Timer1_Timer();

    void Command1_Click();  // Next Month >
    void Command2_Click();  // < Prev Month
    void Command11_Click(); // Yr >
    void Command10_Click(); // < Yr
    void Command7_Click();  // +
    void Command8_Click();  // -
    void Command3_Click();  // Print
    void Command9_Click();  // About

    void setToday(const QDate& today);
    // Follows the clock when the date changes while the program runs.
    void checkToday();
    void colourCell(Int16 index, Int16 day, Int16 month, Int16 year);
    // Typed text that has not reached its file yet: a save failed. The month
    // does not change while there is any.
    bool hasUnsavedNotes();
    // Shows another month in the grid; the cell being edited keeps the focus.
    void changeMonth(Int16 month, Int16 year);
    void stepMonth(int delta);
    void stepYear(int delta);
    void zoomNotes(float step);
    void placeControls();
    void placePicture(Int16 month, Int16 year);
    void setDayButtonHighlight(Int16 Index, bool editing);
    void showReminder();
    // Ctrl+F and Ctrl+G (form1_find.cpp).
    void openFindWindow();
    void openGoToDateWindow();
    // Ctrl+E and Ctrl+Shift+P (form1_exchange.cpp).
    void openExportWindow();
    void openPrintDialog();
    // Conflict copies (form1_conflicts.cpp): Ctrl+Shift+C or the marker opens
    // the settling window for the day in that cell, one copy at a time.
    void createConflictKeys();
    void openConflictWindow(Int16 index);
    void openConflictWindow(const QDate& date);
    void settleConflict(const QDate& date, const QString& copyPath, ConflictWindow::Choice choice);
    void conflictsChanged();
    void bringToFront();
    // Ctrl+Y, and the window following the cursor (form1_onthisday.cpp).
    void openOnThisDay();
    void followOnThisDay();
    // The reminder as a desktop notification; false when there is no
    // notification service (form1_onthisday.cpp).
    bool notifyReminder(const ReminderNotes& notes);
    // The recovery journal of unsaved text (form1_recovery.cpp): recording
    // each change, forgetting a saved cell, restoring at the start and
    // keeping what a forced end cannot save.
    void createRecovery();
    void cellChangedForRecovery(Int16 Index);
    void cellSavedForRecovery(Int16 Index);
    void restoreRecovered();
    void keepUnsavedForRecovery();
    void discardRecovered();

    // Controls. Element 0 of each array is the hidden template; the grid
    // uses 1 to 35.
    std::array<QPushButton*, 43> Command4{};
    std::array<NoteBox*, 36> Text1{};
    std::array<QLabel*, 8> Label3{};
    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command11 = nullptr;
    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;

    // Displayed month and year, today, and the cell being edited.
    Int16 M = 1;
    Int16 y = 1900;
    Int16 EditDay = 0;
    Int16 TodayDay = 0;
    Int16 TodayYear = 0;
    QString TodayMonth;
    Int16 EditIndex = 0;
    Int16 DayFontSize = 0;

    Services m_services;
    QRandomGenerator m_random;
    const LayoutInput m_design;
    FormLayout m_layout;
    TwipsRect m_image1Twips;
    // From the end of the load handler until the unload handler has run; a
    // closing window saves nothing more.
    bool m_loaded = false;
    // The grid shows M and y: resizing moves the cells but reads no file.
    bool m_filled = false;
    // A save failure is on screen; it is taken back once every note is saved.
    bool m_saveWarningShown = false;
    // The note of each grid cell, by index; element 0 is unused.
    std::array<NoteCell*, 36> m_cells{};
    // The action waiting for a busy cell (see whenIdle).
    std::function<void()> m_whenIdle;
    // Tells when the shown month's note files change.
    NoteWatch* m_watch = nullptr;
    RecoveryRecorder* m_recovery = nullptr;
    std::unique_ptr<Form3> m_form3;
    std::unique_ptr<frmAbout> m_about;
    std::unique_ptr<FindWindow> m_find;
    std::unique_ptr<GoToDateWindow> m_goToDate;
    std::unique_ptr<OnThisDayWindow> m_onThisDay;
    Notifier* m_notifier = nullptr;
    HelpWindow* m_help = nullptr; // a child: goes with the window
    std::unique_ptr<ExportWindow> m_export;
    // Kept, with its printer, so that the next print starts from the same
    // choices.
    QPrintDialog* m_printDialog = nullptr;
    // Marks the shown days that have conflict copies; the window settling one.
    ConflictMarks* m_conflicts = nullptr;
    std::unique_ptr<ConflictWindow> m_conflictWindow;
};

} // namespace plandeck
