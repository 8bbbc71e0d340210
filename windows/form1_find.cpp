// The main window's Find Notes and Go to Date windows: one of each, kept
// while the program runs and closed with the main window.
#include "windows/findwindow.h"
#include "windows/form1.h"
#include "windows/gotodatewindow.h"
#include "windows/notewatch.h"

namespace plandeck {

void Form1::bringToFront()
{
    show();
    raise();
    activateWindow();
}

void Form1::openFindWindow()
{
    if (m_find == nullptr) {
        m_find = std::make_unique<FindWindow>(&m_watch->dataFolder());
        m_find->move(frameGeometry().center() - m_find->rect().center());
        connect(m_find.get(), &FindWindow::dateChosen, this,
                [this](const QDate& date, int cursorPosition) {
                    if (showDate(date, cursorPosition)) {
                        bringToFront();
                    }
                });
    }
    m_find->bringUp();
}

void Form1::openGoToDateWindow()
{
    if (m_goToDate == nullptr) {
        m_goToDate = std::make_unique<GoToDateWindow>(m_services.today);
        m_goToDate->move(frameGeometry().center() - m_goToDate->rect().center());
        connect(m_goToDate.get(), &GoToDateWindow::dateChosen, this, [this](const QDate& date) {
            if (showDate(date)) {
                m_goToDate->close();
                bringToFront();
            }
        });
    }
    m_goToDate->bringUp();
}

} // namespace plandeck
