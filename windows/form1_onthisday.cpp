// The main window's On This Day window, which follows the day the cursor is
// in, and the reminder sent as a desktop notification.
#include "core/reminder/digest.h"
#include "windows/form1.h"
#include "windows/notebox.h"
#include "windows/notifier.h"
#include "windows/onthisdaywindow.h"

namespace plandeck {

void Form1::openOnThisDay()
{
    if (m_onThisDay == nullptr) {
        m_onThisDay = std::make_unique<OnThisDayWindow>();
        m_onThisDay->move(frameGeometry().center() - m_onThisDay->rect().center());
        connect(m_onThisDay.get(), &OnThisDayWindow::dateChosen, this, [this](const QDate& date) {
            if (showDate(date)) {
                bringToFront();
            }
        });
        // Connected after the grid's own handlers, so that the day the
        // cursor went into is recorded by then.
        for (int i = 1; i <= kGridCells; ++i) {
            connect(Text1[std::size_t(i)], &NoteBox::focusGained, this, &Form1::followOnThisDay);
        }
        connect(this, &Form1::unloaded, m_onThisDay.get(), &QWidget::close);
    }
    m_onThisDay->showDay(currentDay());
    m_onThisDay->bringUp();
}

void Form1::followOnThisDay()
{
    if (m_onThisDay != nullptr && m_onThisDay->isVisible() && currentDay() != m_onThisDay->day()) {
        m_onThisDay->showDay(currentDay());
    }
}

bool Form1::notifyReminder(const ReminderNotes& notes)
{
    m_notifier = new Notifier(this);
    const ReminderNotice notice = reminderNotice(notes);
    if (!m_notifier->send(notice.summary, notice.body)) {
        delete m_notifier;
        m_notifier = nullptr;
        return false;
    }
    connect(m_notifier, &Notifier::openRequested, this, [this] {
        bringToFront();
        checkToday();
        showDate(m_services.today());
    });
    // Without its action taken, the notification was all: the program ends.
    connect(m_notifier, &Notifier::finished, this, [this] {
        if (m_loaded && !isVisible()) {
            close();
        }
    });
    return true;
}

} // namespace plandeck
