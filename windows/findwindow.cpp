#include "windows/findwindow.h"

#include "core/notes/conflictcopies.h"
#include "core/notes/notefilename.h"
#include "core/search/notefinder.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QSet>
#include <QShortcut>
#include <QTreeView>
#include <QVBoxLayout>
#include <QtConcurrentRun>
#include <sys/stat.h>

namespace plandeck {

// The rows of a search: the date in the locale's long format and the line of
// the first match. Lines come with the results; rows beyond the first ones
// are asked of the finder when the list first shows them.
class FoundNotesModel : public QAbstractTableModel
{
public:
    FoundNotesModel(NoteFinder* finder, QObject* parent)
        : QAbstractTableModel(parent), m_finder(finder)
    {
    }

    // Rows that extend the ones shown (more of the same search, read since)
    // are added below them, so that the selection and scroll stay.
    void setMatches(const QString& text, const QList<NoteMatch>& matches)
    {
        const qsizetype shown = m_matches.size();
        const bool extends = text == m_text && m_extendable && matches.size() >= shown &&
                             (shown == 0 || matches[shown - 1].date == m_matches.last().date);
        if (extends && matches.size() > shown) {
            beginInsertRows({}, int(shown), int(matches.size() - 1));
            m_matches = matches;
            endInsertRows();
        } else if (!extends && (text != m_text || !sameDates(matches))) {
            beginResetModel();
            m_matches = matches;
            endResetModel();
        } else if (!m_matches.isEmpty()) {
            // The same notes, whose texts may have changed.
            m_matches = matches;
            Q_EMIT dataChanged(index(0, 1), index(rowCount() - 1, 1));
        }
        m_text = text;
        m_asked.clear();
    }
    // Rows described on request, for the same text.
    void setDescribed(const QString& text, int from, const QList<NoteMatch>& rows)
    {
        if (text != m_text || from < 0 || from + rows.size() > m_matches.size()) {
            return;
        }
        for (int i = 0; i < rows.size(); ++i) {
            if (m_matches[from + i].date == rows[i].date) {
                m_matches[from + i] = rows[i];
            }
        }
        Q_EMIT dataChanged(index(from, 1), index(from + int(rows.size()) - 1, 1));
    }
    // Whether the next rows for the same text may extend these.
    void setExtendable(bool extendable) { m_extendable = extendable; }

    const NoteMatch& noteAt(int row) const { return m_matches[row]; }
    // Asks the finder for the row's line and position, once per block.
    void ask(int row) const
    {
        const int block = row / NoteFinder::kDescribedRows;
        if (!m_asked.contains(block)) {
            m_asked.insert(block);
            m_finder->describe(m_text, block * NoteFinder::kDescribedRows,
                               NoteFinder::kDescribedRows);
        }
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_matches.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : 2;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
            return {};
        }
        const NoteMatch& found = m_matches[index.row()];
        if (index.column() == 0) {
            return QLocale().toString(found.date, QLocale::LongFormat);
        }
        if (!found.isDescribed()) {
            ask(index.row());
            return QString(QChar(0x2026));
        }
        return found.line;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
            return {};
        }
        return section == 0 ? FindWindow::tr("Date") : FindWindow::tr("Line");
    }

private:
    bool sameDates(const QList<NoteMatch>& matches) const
    {
        return std::equal(matches.begin(), matches.end(), m_matches.begin(), m_matches.end(),
                          [](const NoteMatch& a, const NoteMatch& b) {
                              return a.date == b.date && a.error == b.error;
                          });
    }

    NoteFinder* m_finder;
    QString m_text;
    QList<NoteMatch> m_matches;
    mutable QSet<int> m_asked; // blocks of rows asked for
    bool m_extendable = false;
};

namespace {

QString notesCount(int count)
{
    return count == 1 ? FindWindow::tr("1 note") : FindWindow::tr("%1 notes").arg(count);
}

} // namespace

FindWindow::FindWindow(const DataFolderWatch* watch) : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("FindNotes"));
    setWindowTitle(tr("Find Notes"));
    resize(600, 400);

    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("FindText"));
    m_text->setPlaceholderText(tr("Text to find in every note"));
    m_text->setAccessibleName(tr("Text to find"));
    m_text->setClearButtonEnabled(true);
    m_text->installEventFilter(this);

    m_finder = new NoteFinder(watch, this);
    m_model = new FoundNotesModel(m_finder, this);
    m_results = new QTreeView(this);
    m_results->setObjectName(QStringLiteral("FindResults"));
    m_results->setAccessibleName(tr("Notes found"));
    m_results->setModel(m_model);
    m_results->setRootIsDecorated(false);
    m_results->setUniformRowHeights(true);
    m_results->setAllColumnsShowFocus(true);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->header()->setStretchLastSection(true);
    m_results->setColumnWidth(0, 220);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("FindCount"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("FindProgress"));
    m_progress->setFormat(tr("Reading notes: %v of %m"));
    m_progress->hide();

    // Conflict copies are never searched as notes; they are listed as such.
    m_copies = new QLabel(this);
    m_copies->setObjectName(QStringLiteral("FindCopies"));
    m_copies->setWordWrap(true);
    m_copies->hide();
    connect(&m_copiesListed, &QFutureWatcherBase::finished, this, [this] {
        const QList<ConflictCopy> copies = m_copiesListed.result();
        QStringList lines;
        for (const ConflictCopy& copy : copies.first(std::min<qsizetype>(copies.size(), 5))) {
            lines << tr("%1: %2").arg(QLocale().toString(copy.date, QLocale::LongFormat),
                                      copyKindText(copy.kind));
        }
        if (copies.size() > 5) {
            lines << tr("and %1 more").arg(copies.size() - 5);
        }
        m_copies->setText(tr("Conflict copies beside notes (not searched):") + QLatin1Char('\n') +
                          lines.join(QLatin1Char('\n')));
        m_copies->setVisible(!copies.isEmpty());
    });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_count, 1);
    bottom->addWidget(m_progress, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_copies);
    layout->addLayout(bottom);

    connect(m_finder, &NoteFinder::found, this, &FindWindow::showFound);
    connect(m_finder, &NoteFinder::described, this,
            [this](const QString& text, int from, const QList<NoteMatch>& rows) {
                m_model->setDescribed(text, from, rows);
                for (const NoteMatch& row : rows) {
                    if (m_chosen.isValid() && row.date == m_chosen && text == m_text->text()) {
                        m_chosen = {};
                        Q_EMIT dateChosen(row.date, row.position);
                    }
                }
            });
    connect(m_text, &QLineEdit::textChanged, m_finder, &NoteFinder::search);
    connect(m_text, &QLineEdit::returnPressed, this, [this] {
        const QModelIndex current = m_results->currentIndex();
        chooseRow(current.isValid() ? current.row() : 0);
    });
    connect(m_results, &QTreeView::activated, this,
            [this](const QModelIndex& index) { chooseRow(index.row()); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

FindWindow::~FindWindow() = default;

void FindWindow::bringUp()
{
    show();
    raise();
    activateWindow();
    m_text->setFocus();
    m_text->selectAll();
}

void FindWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Coming back to the window: notes may have been saved meanwhile. The
    // first time, this starts reading the notes before anything is typed.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_finder->checkFiles();
        m_finder->search(m_text->text());
        // Copies come and go by name, which changes the folder's time: the
        // folder is listed again only then.
        struct stat st
        {
        };
        const qint64 changed = ::stat(kDataFolder, &st) == 0
                                   ? qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec
                                   : -1;
        if (!m_copiesListed.isRunning() && (changed != m_copiesListedAt || changed < 0)) {
            m_copiesListedAt = changed;
            m_copiesListed.setFuture(QtConcurrent::run(&allConflictCopies));
        }
    }
}

bool FindWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_results, event);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FindWindow::showFound(const QString& text, const FoundNotes& notes, int done, int total)
{
    m_model->setMatches(text, notes.matches);
    const bool reading = done < total;
    m_model->setExtendable(reading);
    m_progress->setVisible(reading && !text.isEmpty());
    m_progress->setRange(0, total);
    m_progress->setValue(done);
    if (text.isEmpty()) {
        m_count->clear();
        return;
    }
    QString count = notesCount(notes.matching);
    if (const int unreadable = int(notes.matches.size()) - notes.matching; unreadable > 0) {
        count += tr(" (%1 could not be read)").arg(unreadable);
    }
    m_count->setText(reading ? tr("%1 so far").arg(count) : count);
}

void FindWindow::chooseRow(int row)
{
    m_chosen = {};
    if (row < 0 || row >= m_model->rowCount()) {
        return;
    }
    const NoteMatch& match = m_model->noteAt(row);
    if (!match.isDescribed()) {
        // Its position comes from the finder; the row is shown then.
        m_chosen = match.date;
        m_model->ask(row);
        return;
    }
    Q_EMIT dateChosen(match.date, match.position);
}

} // namespace plandeck
