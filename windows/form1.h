#pragma once

#include "core/layout/formlayout.h"
#include "startup/frontdoor.h"
#include "windows/services.h"
#include "windows/windowlist.h"
#include "core/calendar/calendar.h"

#include <QRandomGenerator>
#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace plandeck {

class NoteBox;
class Form3;
class frmAbout;

// What main() does after the load handler.
enum class LoadOutcome { ShowMain, ShowReminder, Quit };

// The main window: one month as a 5 x 7 grid of day cells under the weekday
// headers, with the navigation, zoom, print and about buttons on top. Notes are
// typed into the cells and saved on focus loss, at every timer tick and when
// the window closes.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(Services services, QWidget* parent = nullptr);
    ~Form1() override;

    // Welcome message, today's date, run mode, headers and note boxes.
    LoadOutcome Form_Load(RunMode mode);

    void ShowMonth(Int16 month, Int16 year);
    void Form_Resize();
    bool UpdateDay(Int16 Index, Int16 month, Int16 year);

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

    // Saves the note being edited, as a session end or SIGTERM requires.
    void saveEditedNote();
    // Closes without asking about a note that cannot be saved (SIGTERM).
    void closeForShutdown();
    // Follows the clock when the date changes while the program runs.
    void checkToday();

    WindowList& windows() { return m_windows; }
    Form3* reminderWindow() const { return m_form3.get(); }
    frmAbout* aboutWindow() const { return m_about.get(); }
    const FormLayout& layoutInTwips() const { return m_layout; }
    TwipsRect imageTwips() const { return m_image1Twips; }
    // Typed text that has not reached its file yet (a save failed).
    bool hasUnsavedNotes() const;

    // Controls, named as the rest of the program knows them. Element 0 of
    // each array is the hidden template; the grid uses 1 to 35.
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

    // Displayed month and year.
    Int16 M = 1;
    Int16 y = 1900;
    Int16 EditDay = 0;
    Int16 TodayDay = 0;
    Int16 TodayYear = 0;
    QString TodayMonth;
    Int16 EditIndex = 0;
    Int16 DayFontSize = 0;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createShortcuts();
    void setToday(const QDate& today);
    bool Form_Unload(bool askBeforeDiscarding);
    void colourCell(Int16 index, Int16 day, Int16 month, Int16 year);
    // Saves every box with unsaved text; false while one cannot be saved, so
    // that the caller keeps that text on screen instead of replacing it.
    bool savePendingNotes();
    void stepMonth(int delta);
    void stepYear(int delta);
    void showSteppedMonth();
    void zoomNotes(float step);
    void placeControls();
    void setDayButtonHighlight(Int16 Index, bool editing);
    // The load handler builds the headers and note boxes; timers and events
    // that come earlier (the welcome message waits in an event loop of its
    // own) find no grid yet.
    bool isGridBuilt() const { return Text1[kGridCells] != nullptr; }
    // Loaded from the end of the load handler until the unload handler has
    // run; a closing window saves nothing more.
    bool isLoaded() const { return m_windows.contains(this); }

    Services m_services;
    WindowList m_windows;
    QRandomGenerator m_random;
    FormLayout m_layout;
    TwipsRect m_image1Twips;
    std::unique_ptr<Form3> m_form3;
    std::unique_ptr<frmAbout> m_about;
    QTimer* m_dateWatch = nullptr;
};

} // namespace plandeck
