#include "windows/onthisdaywindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace plandeck {

OnThisDayWindow::OnThisDayWindow() : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("OnThisDay"));
    resize(640, 360);

    m_rows = new QTreeWidget(this);
    m_rows->setObjectName(QStringLiteral("OnThisDayRows"));
    m_rows->setHeaderLabels({tr("Date"), tr("Years"), tr("Note")});
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setAllColumnsShowFocus(true);
    m_rows->header()->setStretchLastSection(true);
    m_rows->setColumnWidth(0, 220);
    m_rows->setColumnWidth(1, 110);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("OnThisDayStatus"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_rows, 1);
    layout->addWidget(m_status);

    // Enter and a double click both activate a row.
    connect(m_rows, &QTreeWidget::itemActivated, this, [this](const QTreeWidgetItem* item) {
        Q_EMIT dateChosen(item->data(0, Qt::UserRole).toDate());
    });
    connect(&m_reading, &QFutureWatcherBase::finished, this, &OnThisDayWindow::showRows);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

OnThisDayWindow::~OnThisDayWindow()
{
    m_reading.waitForFinished();
}

void OnThisDayWindow::showDay(const QDate& day)
{
    m_day = day;
    setWindowTitle(tr("On This Day: %1").arg(QLocale().toString(day, QLocale::LongFormat)));
    // One reading at a time; the rows of a day no longer shown are read
    // again for the day that is (showRows).
    if (m_reading.isRunning()) {
        return;
    }
    m_status->setText(tr("Reading the notes…"));
    m_reading.setFuture(QtConcurrent::run(&onThisDay, day));
}

void OnThisDayWindow::bringUp()
{
    show();
    raise();
    activateWindow();
    m_rows->setFocus();
}

void OnThisDayWindow::showRows()
{
    const OnThisDay found = m_reading.result();
    if (found.day != m_day) {
        m_reading.setFuture(QtConcurrent::run(&onThisDay, m_day));
        return;
    }
    m_rows->clear();
    QList<QTreeWidgetItem*> items;
    for (const OnThisDayRow& row : found.rows) {
        auto* item = new QTreeWidgetItem({QLocale().toString(row.date, QLocale::LongFormat),
                                          yearsApart(found.day, row.date), row.text});
        item->setData(0, Qt::UserRole, row.date);
        item->setToolTip(2, row.text);
        items.append(item);
    }
    m_rows->addTopLevelItems(items);
    if (!items.isEmpty()) {
        m_rows->setCurrentItem(items.first());
    }
    if (!found.folderError.isEmpty()) {
        m_status->setText(found.folderError);
    } else if (items.isEmpty()) {
        m_status->setText(tr("No other year has a note on this day."));
    } else {
        m_status->setText(items.size() == 1 ? tr("1 note") : tr("%1 notes").arg(items.size()));
    }
}

} // namespace plandeck
