#pragma once

#include "core/reminder/onthisday.h"

#include <QDate>
#include <QFutureWatcher>
#include <QWidget>

class QLabel;
class QTreeWidget;

namespace plandeck {

// "On This Day": the notes of the shown day's day and month in every other
// year, newest year first, each row with its date, how many years before or
// after, and the note's first lines. Not modal; closing hides it. The notes
// are read on a worker thread, so that no file is read on the window's.
//
// Object names: "OnThisDay" (the window), "OnThisDayRows" (the list),
// "OnThisDayStatus" (reading, no notes, or why none can be read).
class OnThisDayWindow : public QWidget
{
    Q_OBJECT

public:
    OnThisDayWindow();
    ~OnThisDayWindow() override;

    // Shows that day's rows, read afresh.
    void showDay(const QDate& day);
    void bringUp();
    QDate day() const { return m_day; }

Q_SIGNALS:
    // A row was chosen (Enter or a double click): show that date.
    void dateChosen(const QDate& date);

private:
    void showRows();

    QTreeWidget* m_rows = nullptr;
    QLabel* m_status = nullptr;
    QDate m_day;
    QFutureWatcher<OnThisDay> m_reading;
};

} // namespace plandeck
