#include "windows/exportwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace plandeck {

namespace {

QString dialogPath(ExportWindow* window, ExportWindow::PathKind kind, const QString& current)
{
    switch (kind) {
    case ExportWindow::PathKind::ExportFile:
        return QFileDialog::getSaveFileName(window, ExportWindow::tr("Export to File"), current);
    case ExportWindow::PathKind::ExportFolder:
        return QFileDialog::getExistingDirectory(window, ExportWindow::tr("Export to Folder"),
                                                 current);
    case ExportWindow::PathKind::ImportCalendar:
        return QFileDialog::getOpenFileName(window, ExportWindow::tr("Import a Calendar File"),
                                            QDir::homePath(),
                                            ExportWindow::tr("iCalendar files (*.ics)"));
    case ExportWindow::PathKind::ImportFolder:
        return QFileDialog::getExistingDirectory(
            window, ExportWindow::tr("Import a Folder of Daily Notes"), QDir::homePath());
    }
    return {};
}

QDateEdit* makeDateEdit(QWidget* parent, const char* name)
{
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setDateRange(QDate(kFirstPlannerYear, 1, 1), QDate(kLastPlannerYear, 12, 31));
    edit->setCalendarPopup(true);
    return edit;
}

} // namespace

ExportWindow::ExportWindow() : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("ExportNotes"));
    setWindowTitle(tr("Export Notes"));
    m_choosePath = [this](PathKind kind, const QString& current) {
        return dialogPath(this, kind, current);
    };

    m_from = makeDateEdit(this, "ExportFrom");
    m_to = makeDateEdit(this, "ExportTo");
    m_format = new QComboBox(this);
    m_format->setObjectName(QStringLiteral("ExportFormat"));
    m_format->addItem(tr("Calendar (.ics)"), QStringLiteral("ics"));
    m_format->addItem(tr("Markdown, one file (.md)"), QStringLiteral("md"));
    m_format->addItem(tr("Daily notes, a folder of YYYY-MM-DD.md"), QStringLiteral("daily-md"));
    m_journal = new QCheckBox(tr("As journal entries instead of all-day events"), this);
    m_journal->setObjectName(QStringLiteral("ExportJournal"));
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("ExportPath"));
    auto* browse = new QPushButton(tr("Browse…"), this);
    browse->setObjectName(QStringLiteral("ExportBrowse"));
    auto* exportButton = new QPushButton(tr("Export"), this);
    exportButton->setObjectName(QStringLiteral("ExportButton"));
    exportButton->setDefault(true);

    auto* importButton = new QPushButton(tr("Import Notes…"), this);
    importButton->setObjectName(QStringLiteral("ImportButton"));
    auto* importMenu = new QMenu(importButton);
    QAction* calendar = importMenu->addAction(tr("Calendar File (.ics)…"));
    calendar->setObjectName(QStringLiteral("ImportCalendar"));
    QAction* folder = importMenu->addAction(tr("Folder of Daily Notes…"));
    folder->setObjectName(QStringLiteral("ImportFolder"));
    importButton->setMenu(importMenu);
    m_dryRun = new QCheckBox(tr("Only list what an import would change"), this);
    m_dryRun->setObjectName(QStringLiteral("ImportDryRun"));
    m_log = new QPlainTextEdit(this);
    m_log->setObjectName(QStringLiteral("ExchangeLog"));
    m_log->setReadOnly(true);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(browse);
    auto* form = new QFormLayout;
    form->addRow(tr("From:"), m_from);
    form->addRow(tr("To:"), m_to);
    form->addRow(tr("Format:"), m_format);
    form->addRow(QString(), m_journal);
    form->addRow(tr("Save as:"), pathRow);
    form->addRow(QString(), exportButton);
    auto* importRow = new QHBoxLayout;
    importRow->addWidget(importButton);
    importRow->addWidget(m_dryRun, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(importRow);
    layout->addWidget(m_log, 1);
    resize(520, 420);

    connect(m_format, &QComboBox::currentIndexChanged, this, &ExportWindow::formatChosen);
    connect(browse, &QPushButton::clicked, this, &ExportWindow::browse);
    connect(exportButton, &QPushButton::clicked, this, &ExportWindow::exportNotes);
    connect(calendar, &QAction::triggered, this, [this] { importNotes(PathKind::ImportCalendar); });
    connect(folder, &QAction::triggered, this, [this] { importNotes(PathKind::ImportFolder); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    m_buttons = {browse, exportButton, importButton};
    connect(&m_work, &QFutureWatcherBase::finished, this, &ExportWindow::finish);
}

ExportWindow::~ExportWindow()
{
    // Notes being written are written to the end.
    m_work.waitForFinished();
}

void ExportWindow::setPathChooser(PathChooser chooser)
{
    m_choosePath = std::move(chooser);
}

void ExportWindow::bringUp(Int16 month, Int16 year)
{
    const QDate first(year, month, 1);
    if (isPlannerDate(first)) {
        m_from->setDate(first);
        m_to->setDate(first.addDays(first.daysInMonth() - 1));
    }
    formatChosen();
    show();
    raise();
    activateWindow();
}

QString ExportWindow::defaultPath() const
{
    static const QStringList suffixes = {QStringLiteral(".ics"), QStringLiteral(".md"), QString()};
    const QString stem =
        m_from->date().toString(u"yyyy-MM") == m_to->date().toString(u"yyyy-MM")
            ? m_from->date().toString(u"yyyy-MM")
            : m_from->date().toString(Qt::ISODate) + u'_' + m_to->date().toString(Qt::ISODate);
    return QDir::home().filePath(QStringLiteral("plandeck-") + stem +
                                 suffixes.value(m_format->currentIndex()));
}

void ExportWindow::formatChosen()
{
    m_journal->setEnabled(m_format->currentData().toString() == u"ics");
    if (m_path->text().isEmpty() || m_path->text() == m_proposedPath) {
        m_proposedPath = defaultPath();
        m_path->setText(m_proposedPath);
    }
}

void ExportWindow::browse()
{
    const bool folder = m_format->currentData().toString() == u"daily-md";
    const QString chosen =
        m_choosePath(folder ? PathKind::ExportFolder : PathKind::ExportFile, m_path->text());
    if (!chosen.isEmpty()) {
        m_path->setText(chosen);
    }
}

void ExportWindow::exportNotes()
{
    ExportRequest request;
    request.from = m_from->date();
    request.to = m_to->date();
    request.format = exchangeFormat(m_format->currentData().toString()).value();
    request.journal = m_journal->isEnabled() && m_journal->isChecked();
    request.path = m_path->text();
    start([request] { return plandeck::exportNotes(request); }, false);
}

void ExportWindow::importNotes(PathKind kind)
{
    const QString path = m_choosePath(kind, QString());
    if (!path.isEmpty()) {
        const bool dryRun = m_dryRun->isChecked();
        start([path, dryRun] { return plandeck::importNotes(path, dryRun); }, !dryRun);
    }
}

void ExportWindow::start(std::function<ExchangeResult()> work, bool changesNotes)
{
    if (m_work.isRunning()) {
        return;
    }
    Q_EMIT notesNeeded();
    for (QWidget* button : std::as_const(m_buttons)) {
        button->setEnabled(false);
    }
    m_log->setPlainText(tr("Working…"));
    m_changesNotes = changesNotes;
    m_work.setFuture(QtConcurrent::run(std::move(work)));
}

void ExportWindow::finish()
{
    const ExchangeResult result = m_work.result();
    m_log->setPlainText(result.isOk() ? result.lines.join(u'\n') : result.error);
    for (QWidget* button : std::as_const(m_buttons)) {
        button->setEnabled(true);
    }
    if (result.isOk() && m_changesNotes) {
        Q_EMIT notesChanged();
    }
    Q_EMIT done();
}

} // namespace plandeck
