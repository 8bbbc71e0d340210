// The main window's keys for moving from day to day, back to today, and
// quitting. Each jump goes through showDate, which saves first as a
// navigation click does and puts the cursor into the day's note box.
#include "windows/form1.h"

#include <QShortcut>
#include <limits>

namespace plandeck {

void Form1::createDayKeys()
{
    const struct
    {
        QKeyCombination keys;
        int days;
    } steps[] = {{Qt::ALT | Qt::Key_Left, -1},
                 {Qt::ALT | Qt::Key_Right, +1},
                 {Qt::ALT | Qt::Key_Up, -7},
                 {Qt::ALT | Qt::Key_Down, +7}};
    for (const auto& step : steps) {
        auto* shortcut = new QShortcut(QKeySequence(step.keys), this);
        connect(shortcut, &QShortcut::activated, this, [this, days = step.days] {
            const QDate date = currentDay().addDays(days);
            // The displayed year is 16 bits wide, as the month buttons keep it.
            if (date.year() >= std::numeric_limits<Int16>::min() &&
                date.year() <= std::numeric_limits<Int16>::max()) {
                showDate(date);
            }
        });
    }
    auto* home = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Home), this);
    connect(home, &QShortcut::activated, this, [this] {
        checkToday();
        showDate(m_services.today());
    });
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
}

QDate Form1::currentDay() const
{
    if (EditIndex != 0 && EditDay != 0) {
        return QDate(y, M, EditDay);
    }
    if (TodayMonth.toInt() == M && TodayYear == y) {
        return QDate(y, M, TodayDay);
    }
    return QDate(y, M, 1);
}

} // namespace plandeck
