#pragma once

#include <QDate>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;

namespace plandeck {

// "Go to Date": a field for a date, ISO or in the locale's short format.
// Enter asks the main window to show it; a text that is no date gets a
// message here and moves nothing. Closing hides the window.
//
// Object names: "GoToDate" (the window), "GoToDateText" (the field),
// "GoToDateMessage" (why a text was refused).
class GoToDateWindow : public QWidget
{
    Q_OBJECT

public:
    // today gives the date two-digit years are read near.
    explicit GoToDateWindow(std::function<QDate()> today);

    // Shows and activates the window with its field selected.
    void bringUp();

Q_SIGNALS:
    void dateChosen(const QDate& date);

private:
    void go();

    QLineEdit* m_text = nullptr;
    QLabel* m_message = nullptr;
    std::function<QDate()> m_today;
};

} // namespace plandeck
