#include "windows/form1.h"

#include "core/i18n/language.h"
#include "core/layout/windowplacement.h"
#include "core/notes/notestore.h"
#include "core/reminder/digest.h"
#include "core/report/report.h"
#include "core/version.h"
#include "windows/conflictmarks.h"
#include "windows/desktop.h"
#include "windows/exportwindow.h"
#include "windows/findwindow.h"
#include "windows/form3.h"
#include "windows/frmabout.h"
#include "windows/gotodatewindow.h"
#include "windows/notebox.h"
#include "windows/notecell.h"
#include "windows/notewatch.h"
#include "windows/onthisdaywindow.h"
#include "windows/pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextCursor>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>

namespace plandeck {

namespace {

const QString kWelcomeMarker = QStringLiteral("ft.txt");
constexpr int kTimerInterval = 65535;
constexpr int kDateWatchInterval = 30 * 1000;
constexpr float kSmallestNoteFont = 1;
constexpr float kLargestNoteFont = 200;

// Colours as 0x00BBGGRR.
constexpr quint32 kGreyBack = 0x00EEEEEE;
constexpr quint32 kTodayBack = 0x008888FF;
constexpr quint32 kWeekendBack = 0x00FF8888;
constexpr quint32 kWeekdayBack = 0x0088FF88;

void setBackColour(QWidget* widget, quint32 bgr)
{
    QPalette palette = widget->palette();
    const QColor colour = fromBgr(bgr);
    if (palette.color(QPalette::Base) != colour) {
        palette.setColor(QPalette::Base, colour);
        setReadableText(palette);
        widget->setPalette(palette);
    }
}

QFont namedFont(const QString& family, qreal points, bool bold = false)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString welcomeText()
{
    return Form1::tr("Fill in deposit maturity dates,\r\n"
                     "premium payment reminders,\r\n"
                     "birthdays, anniversaries,\r\n"
                     "project time lines,\r\n"
                     "your daily work etc. in this\r\n"
                     "simplest and greatest planner\r\n"
                     "in the world.");
}

// Size of a control given in twips, in whole pixels.
QSize pixelSize(float widthTwips, float heightTwips)
{
    return {toPixels(widthTwips), toPixels(heightTwips)};
}

} // namespace

Form1::Form1(Services services, QWidget* parent)
    : QWidget(parent), m_services(std::move(services)), m_design()
{
    setObjectName(QStringLiteral("Form1"));
    createControls();
    createGrid();
    for (std::size_t i = 1; i < m_cells.size(); ++i) {
        m_cells[i] = new NoteCell(Text1[i], this);
        connectCell(m_cells[i]);
    }
    m_watch = new NoteWatch(this);
    connect(m_watch, &NoteWatch::changed, this, &Form1::checkShownNotes);
    m_conflicts = new ConflictMarks(Text1, this);
    connect(m_watch, &NoteWatch::changed, m_conflicts, &ConflictMarks::refresh);
    connect(m_watch, &NoteWatch::cannotWatch, this, [this] {
        m_services.warn(tr("This system cannot watch the notes' files for changes, so changes "
                           "made by other programs may show only after two seconds."));
    });
    createShortcuts();
    createDayKeys();
    createHelpKeys();
    createConflictKeys();
    createRecovery();
    installAccessibleWindows();
}

Form1::~Form1()
{
    // Boxes going away must not save into a half-destroyed window; a save
    // on its way is written to the end by its cell.
    for (NoteBox* box : Text1) {
        disconnect(box, nullptr, nullptr, nullptr);
    }
    for (std::size_t i = 1; i < m_cells.size(); ++i) {
        disconnect(m_cells[i], nullptr, this, nullptr);
    }
}

void Form1::createControls()
{
    setWindowTitle(
        QStringLiteral("%1 %2").arg(QLatin1String(kProgramName), QLatin1String(kProgramVersion)));
    // Below this the top-row buttons are drawn over each other and rows get
    // lower than a day button.
    setMinimumSize(pixelSize(9035, 2180));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize design = pixelSize(11910, 8520);
    setGeometry(
        firstWindowGeometry(design, minimumSize(),
                            screen != nullptr ? screen->availableGeometry() : QRect({}, design)));

    auto makeButton = [this](const char* name, const QString& caption, float widthTwips) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->resize(pixelSize(widthTwips, 255));
        return button;
    };
    Command3 = makeButton("Command3", tr("Print"), 495);
    Command3->move(0, 0);
    Command2 = makeButton("Command2", tr("< Prev Month"), m_design.command2Width);
    // The two month buttons share one width.
    Command1 = makeButton("Command1", tr("Next Month >"), m_design.command2Width);
    Command10 = makeButton("Command10", tr("< Yr"), m_design.command10Width);
    Command11 = makeButton("Command11", tr("Yr >"), m_design.command11Width);
    Command7 = makeButton("Command7", QStringLiteral("+"), m_design.command7Width);
    Command8 = makeButton("Command8", QStringLiteral("-"), m_design.command8Width);
    Command8->setFont(namedFont(QStringLiteral("Courier New"), 8.25));
    Command9 = makeButton("Command9", tr("About"), m_design.command9Width);
    // The two month buttons and the two year buttons keep one size each.
    fitCaptions({Command2, Command1});
    fitCaptions({Command10, Command11});
    for (QPushButton* button : {Command3, Command7, Command8, Command9}) {
        fitCaptions({button});
    }

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(namedFont(QStringLiteral("Arial"), 9, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->resize(pixelSize(m_design.label1Width, m_design.label1Height));

    for (std::size_t i = 0; i < Command4.size(); ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("Command4(%1)").arg(i));
        button->setFont(namedFont(QStringLiteral("Arial"), 8.25));
        button->resize(pixelSize(375, 250));
        // Clicking a day number does nothing and must not end an edit.
        button->setFocusPolicy(Qt::NoFocus);
        button->setVisible(i >= 1 && i <= kGridCells);
        Command4[i] = button;
    }

    Text1[0] = new NoteBox(0, this);
    Text1[0]->setFont(namedFont(QStringLiteral("Arial"), 9));
    setBackColour(Text1[0], kGreyBack);
    Text1[0]->hide();

    Label3[0] = new QLabel(QStringLiteral("Label3"), this);
    Label3[0]->setObjectName(QStringLiteral("Label3(0)"));
    Label3[0]->setFont(namedFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    Label3[0]->setAlignment(Qt::AlignCenter);
    Label3[0]->setFrameShape(QFrame::Panel);
    Label3[0]->setFrameShadow(QFrame::Raised);
    Label3[0]->resize(Label3[0]->width(), toPixels(m_design.label3Height));
    Label3[0]->hide();

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(resourcePicture(QStringLiteral(":/plandeck/banner.gif")));
    Image1->resize(pixelSize(1725, 825));
    m_image1Twips = {0, 0, 1725, 825};

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();

    auto* dateWatch = new QTimer(this);
    dateWatch->setInterval(kDateWatchInterval);
    connect(dateWatch, &QTimer::timeout, this, &Form1::checkToday);
    dateWatch->start();

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command11, &QPushButton::clicked, this, &Form1::Command11_Click);
    connect(Command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
}

void Form1::createGrid()
{
    for (std::size_t i = 1; i < Label3.size(); ++i) {
        auto* label = new QLabel(weekdayHeader(int(i)), this);
        label->setObjectName(QStringLiteral("Label3(%1)").arg(i));
        label->setFont(Label3[0]->font());
        label->setAlignment(Label3[0]->alignment());
        label->setFrameStyle(Label3[0]->frameStyle());
        label->resize(Label3[0]->size());
        label->hide();
        Label3[i] = label;
    }
    for (int i = 1; i <= kGridCells; ++i) {
        auto* box = new NoteBox(i, this);
        box->setFont(Text1[0]->font());
        box->setPalette(Text1[0]->palette());
        box->resize(Text1[0]->size());
        box->hide();
        connect(box, &NoteBox::focusGained, this,
                [this](int index) { Text1_GotFocus(Int16(index)); });
        connect(box, &NoteBox::focusLost, this,
                [this](int index) { Text1_LostFocus(Int16(index)); });
        Text1[std::size_t(i)] = box;
    }
    // Day numbers sit on top of their boxes; the picture fills an empty cell.
    for (int i = 1; i <= kGridCells; ++i) {
        Command4[std::size_t(i)]->raise();
    }
    Image1->raise();
}

void Form1::createShortcuts()
{
    // A shortcut leaves the focus where it is, so unlike a click it does not
    // save the note being edited by a focus loss: it saves first.
    auto bind = [this](QKeySequence keys, void (Form1::*handler)(), bool savesFirst = true) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, handler, savesFirst] {
            if (savesFirst) {
                saveNotes(SaveOn::Now);
            }
            (this->*handler)();
        });
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_PageDown), &Form1::Command1_Click);
    bind(QKeySequence(Qt::CTRL | Qt::Key_PageUp), &Form1::Command2_Click);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown), &Form1::Command11_Click);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp), &Form1::Command10_Click);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Plus), &Form1::Command7_Click, false);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Equal), &Form1::Command7_Click, false);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Minus), &Form1::Command8_Click, false);
    bind(QKeySequence(Qt::CTRL | Qt::Key_P), &Form1::Command3_Click);
    bind(QKeySequence(Qt::CTRL | Qt::Key_F), &Form1::openFindWindow, false);
    bind(QKeySequence(Qt::CTRL | Qt::Key_G), &Form1::openGoToDateWindow, false);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Y), &Form1::openOnThisDay, false);
    bind(QKeySequence(Qt::CTRL | Qt::Key_E), &Form1::openExportWindow);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &Form1::openPrintDialog);
}

LoadOutcome Form1::Form_Load(RunMode mode, ReminderOptions options)
{
    if (QFileInfo(kWelcomeMarker).isFile()) {
        m_services.showWelcome(QLatin1String(kProgramName), welcomeText());
        if (!QFile::remove(kWelcomeMarker)) {
            m_services.warn(tr("%1 could not be deleted; the welcome message will "
                               "show again at the next start.")
                                .arg(kWelcomeMarker));
        }
    }
    m_random.seed(QRandomGenerator::system()->generate());
    EditIndex = 0;
    DayFontSize = Int16(std::nearbyint(Command4[0]->font().pointSizeF()));
    const QDate today = m_services.today();
    EditDay = Int16(today.day());
    y = Int16(today.year());
    M = Int16(today.month());
    setToday(today);

    m_loaded = true;
    Command1->setFocus();
    if (mode == RunMode::Remind) {
        const ReminderNotes notes = reminderNotes(TodayDay, M, TodayYear, options.daysAhead);
        if (notes.isEmpty()) {
            m_loaded = false;
            return LoadOutcome::Quit;
        }
        hide();
        if (options.notify && notifyReminder(notes)) {
            return LoadOutcome::ShowReminder;
        }
        m_form3 = std::make_unique<Form3>();
        connect(m_form3.get(), &Form3::bringUpRequested, this, [this] {
            show();
            raise();
            activateWindow();
        });
        // Closing the reminder closes the program, this window included.
        connect(m_form3.get(), &Form3::closed, this, [this] {
            if (m_loaded) {
                close();
            }
        });
        m_form3->setWindowTitle(reminderCaption(TodayDay, M, TodayYear));
        m_form3->setDigest(reminderDigest(notes));
        m_form3->show();
        return LoadOutcome::ShowReminder;
    }
    // The reminder leaves unsaved text of an earlier run for the window.
    restoreRecovered();
    return LoadOutcome::ShowMain;
}

void Form1::setToday(const QDate& today)
{
    TodayDay = Int16(today.day());
    TodayYear = Int16(today.year());
    TodayMonth = QString::number(today.month());
}

void Form1::checkToday()
{
    const QDate today = m_services.today();
    if (today.day() == TodayDay && QString::number(today.month()) == TodayMonth &&
        today.year() == TodayYear) {
        return;
    }
    setToday(today);
    const Int16 days = GetDaysInMonth(M, y);
    for (Int16 d = 1; d <= days; ++d) {
        colourCell(GetIndex(d, M, y), d, M, y);
    }
}

void Form1::colourCell(Int16 index, Int16 day, Int16 month, Int16 year)
{
    const int weekday = weekdayNumber(day, month, year);
    const bool isToday = TodayMonth.toInt() == month && day == TodayDay && year == TodayYear;
    Text1[std::size_t(index)]->setAccessibleName(
        noteBoxName(QDate(year, month, day), isToday, m_conflicts->hasCopies(index)));
    Command4[std::size_t(index)]->setToolTip(dayName(QDate(year, month, day)));
    quint32 colour = kWeekdayBack;
    if (isToday) {
        colour = kTodayBack;
    } else if (weekday == 1 || weekday == 7) {
        colour = kWeekendBack;
    }
    setBackColour(Text1[std::size_t(index)], colour);
}

void Form1::placePicture(Int16 month, Int16 year)
{
    for (Int16 i = 1; i <= kGridCells; ++i) {
        if (GetDay(i, month, year) == 0) {
            m_image1Twips =
                centreOn(m_layout.cells[std::size_t(i)], m_image1Twips.Width, m_image1Twips.Height);
            Image1->move(toPixels(m_image1Twips.Left), toPixels(m_image1Twips.Top));
            return;
        }
    }
}

void Form1::ShowMonth(Int16 month, Int16 year)
{
    placePicture(month, year);
    for (Int16 i = 1; i <= kGridCells; ++i) {
        if (GetDay(i, month, year) == 0) {
            m_cells[std::size_t(i)]->clearDay();
            Text1[std::size_t(i)]->hide();
            Command4[std::size_t(i)]->hide();
        }
    }
    m_conflicts->follow(month, year);
    const Int16 days = GetDaysInMonth(month, year);
    for (Int16 d = 1; d <= days; ++d) {
        const Int16 n = GetIndex(d, month, year);
        NoteBox* box = Text1[std::size_t(n)];
        // A note that could not be saved stays in its box, not the old file.
        m_cells[std::size_t(n)]->showDay(d, month, year);
        Command4[std::size_t(n)]->setText(QString::number(d));
        colourCell(n, d, month, year);
        box->show();
        Command4[std::size_t(n)]->show();
    }
    Label1->setText(monthCaption(month, year));
    followShownNotes();
    m_filled = true;
}

void Form1::checkShownNotes()
{
    for (NoteCell* cell : m_cells) {
        if (cell != nullptr) {
            cell->checkOutside();
        }
    }
    followShownNotes();
}

void Form1::followShownNotes()
{
    QStringList files;
    for (const NoteCell* cell : m_cells) {
        if (cell != nullptr && cell->day() != 0 && cell->hasNoteFile()) {
            files << GetFileName(cell->day(), cell->month(), cell->year());
        }
    }
    m_watch->follow(files);
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form1::Form_Resize()
{
    LayoutInput in = m_design;
    in.W = float(frameGeometry().width()) * kTwipsPerPixel;
    in.H = float(frameGeometry().height()) * kTwipsPerPixel;
    m_layout = computeFormLayout(in);
    placeControls();
    // The first pass fills the grid; later passes only move the cells, whose
    // notes are already there.
    if (m_filled) {
        placePicture(M, y);
    } else {
        ShowMonth(M, y);
    }
}

void Form1::placeControls()
{
    Label1->move(toPixels(m_layout.label1Left), Label1->y());
    Command1->move(toPixels(m_layout.command1Left), Command1->y());
    Command2->move(toPixels(m_layout.command2Left), Command2->y());
    Command9->move(toPixels(m_layout.command9Left), Command9->y());
    Command8->move(toPixels(m_layout.command8Left), Command8->y());
    Command7->move(toPixels(m_layout.command7Left), Command7->y());
    Command11->move(toPixels(m_layout.command11Left), Command11->y());
    Command10->move(toPixels(m_layout.command10Left), Command10->y());
    for (std::size_t i = 1; i < Label3.size(); ++i) {
        const QRect r = toPixels(m_layout.headers[i]);
        Label3[i]->setGeometry(r.x(), r.y(), r.width(), Label3[i]->height());
        Label3[i]->show();
    }
    for (std::size_t k = 1; k <= std::size_t(kGridCells); ++k) {
        const QRect r = toPixels(m_layout.cells[k]);
        Text1[k]->setGeometry(r);
        // Pinned to the box's right edge in pixels, so the two always meet.
        Command4[k]->move(r.x() + r.width() - Command4[k]->width(), r.y());
    }
}

void Form1::stepMonth(int delta)
{
    if (whenIdle([this, delta] { stepMonth(delta); }) || hasUnsavedNotes()) {
        return;
    }
    // The year is 16 bits wide; the month buttons stop at its ends.
    const bool atEnd = (delta > 0 && M == 12 && y == std::numeric_limits<Int16>::max()) ||
                       (delta < 0 && M == 1 && y == std::numeric_limits<Int16>::min());
    if (!atEnd) {
        M = Int16(M + delta);
        if (M == 13) {
            M = 1;
            y = Int16(y + 1);
        } else if (M == 0) {
            M = 12;
            y = Int16(y - 1);
        }
    }
    changeMonth(M, y);
}

void Form1::stepYear(int delta)
{
    if (whenIdle([this, delta] { stepYear(delta); }) || hasUnsavedNotes()) {
        return;
    }
    const bool atEnd = (delta > 0 && y == std::numeric_limits<Int16>::max()) ||
                       (delta < 0 && y == std::numeric_limits<Int16>::min());
    if (!atEnd) {
        y = Int16(y + delta);
    }
    if (y == 2100) {
        y = 2099;
    } else if (y == 1899) {
        y = 1900;
    }
    changeMonth(M, y);
}

void Form1::changeMonth(Int16 month, Int16 year)
{
    M = month;
    y = year;
    ShowMonth(M, y);
    // After a shortcut the focus stays in its box, which now shows another day.
    if (EditIndex != 0) {
        EditDay = GetDay(EditIndex, M, y);
    }
    followOnThisDay();
}

bool Form1::showDate(const QDate& date, int cursorPosition)
{
    saveNotes(SaveOn::Now);
    if (whenIdle([this, date, cursorPosition] { showDate(date, cursorPosition); })) {
        return true;
    }
    if (hasUnsavedNotes() || !date.isValid()) {
        return false;
    }
    changeMonth(Int16(date.month()), Int16(date.year()));
    NoteBox* box = Text1[std::size_t(GetIndex(Int16(date.day()), M, y))];
    box->setFocus();
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(std::clamp(cursorPosition, 0, box->document()->characterCount() - 1));
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
    return true;
}

void Form1::Command1_Click()
{
    stepMonth(+1);
}
void Form1::Command2_Click()
{
    stepMonth(-1);
}
void Form1::Command11_Click()
{
    stepYear(+1);
}
void Form1::Command10_Click()
{
    stepYear(-1);
}

void Form1::zoomNotes(float step)
{
    for (int i = 1; i <= kGridCells; ++i) {
        NoteBox* box = Text1[std::size_t(i)];
        QFont font = box->font();
        const float size = float(font.pointSizeF()) + step;
        font.setPointSizeF(std::clamp(size, kSmallestNoteFont, kLargestNoteFont));
        box->setFont(font);
    }
}

void Form1::Command7_Click()
{
    zoomNotes(+1);
}
void Form1::Command8_Click()
{
    zoomNotes(-1);
}

void Form1::Command3_Click()
{
    // The note being edited was saved by the focus loss of the click or by
    // the shortcut; a note that still cannot be saved would be missing.
    if (whenIdle([this] { Command3_Click(); }) || hasUnsavedNotes()) {
        return;
    }
    const ReportPage page = buildReport(M, y);
    if (!page.error.isEmpty()) {
        m_services.warn(tr("The report was not written.\n%1").arg(page.error));
        return;
    }
    const ReportFile file = writeReport(page.html, m_random);
    if (!file.error.isEmpty()) {
        m_services.warn(tr("The report was not written.\n%1").arg(file.error));
        return;
    }
    const QUrl url = QUrl::fromLocalFile(QFileInfo(file.path).absoluteFilePath());
    if (!m_services.openUrl(url)) {
        m_services.warn(tr("The report %1 was written but could not be opened.").arg(file.path));
    }
}

void Form1::Command9_Click()
{
    if (m_about == nullptr) {
        m_about = std::make_unique<frmAbout>();
        connect(m_about.get(), &frmAbout::closed, this,
                [this] { m_about.release()->deleteLater(); });
    }
    m_about->move(pos());
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

} // namespace plandeck
