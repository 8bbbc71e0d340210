// The main window's help for keyboard users: Tab and Shift+Tab from day to
// day, Ctrl+Tab for a tab character, a focus frame on the edited cell, the
// top-row buttons' tooltips and F1's help window.
#include "core/notes/notefilename.h"
#include "windows/form1.h"
#include "windows/helpwindow.h"
#include "windows/notebox.h"

#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace plandeck {

namespace {

// A ring drawn over the edges of the cell being edited, in the cell's own
// text colour: the program chose that colour to be readable on the cell's
// background under any theme, so the ring shows wherever the style's own
// focus marks would not.
class EditFrame : public QWidget
{
public:
    explicit EditFrame(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("EditFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

    void follow(const QWidget* box)
    {
        m_colour = box->palette().color(QPalette::Text);
        setGeometry(box->geometry());
        const QRect inside = rect().adjusted(kWidth, kWidth, -kWidth, -kWidth);
        setMask(QRegion(rect()).subtracted(QRegion(inside)));
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), m_colour); }

private:
    static constexpr int kWidth = 2;
    QColor m_colour;
};

// Watches the note boxes and the buttons at both ends of the top row. A
// note box would type Tab into the note, and a day that leaves the month
// grid would break Qt's own focus chain, which follows the cells, not the
// days.
class TabKeys : public QObject
{
public:
    TabKeys(std::function<QWidget*(const QObject*, bool)> target, QObject* parent)
        : QObject(parent), m_target(std::move(target))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<NoteBox*>(watched);
        const bool moved = event->type() == QEvent::Move || event->type() == QEvent::Resize;
        if (box != nullptr && (event->type() == QEvent::FocusIn || (moved && box->hasFocus()))) {
            frame()->follow(box);
        } else if (event->type() == QEvent::FocusOut && box != nullptr) {
            frame()->hide();
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
            if (key->key() == Qt::Key_Tab && modifiers == Qt::ControlModifier && box != nullptr) {
                if (!box->isReadOnly()) {
                    box->insertPlainText(QStringLiteral("\t"));
                }
                return true;
            }
            const bool forward = key->key() == Qt::Key_Tab && modifiers == Qt::NoModifier;
            const bool backward = key->key() == Qt::Key_Backtab ||
                                  (key->key() == Qt::Key_Tab && modifiers == Qt::ShiftModifier);
            if (forward || backward) {
                if (QWidget* next = m_target(watched, forward)) {
                    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    EditFrame* frame()
    {
        if (m_frame == nullptr) {
            m_frame = new EditFrame(qobject_cast<QWidget*>(parent()));
        }
        return m_frame;
    }

    std::function<QWidget*(const QObject*, bool)> m_target;
    EditFrame* m_frame = nullptr;
};

QString withKeys(const QString& action, QKeySequence keys)
{
    return Form1::tr("%1 (%2)").arg(action, keys.toString(QKeySequence::NativeText));
}

} // namespace

void Form1::createHelpKeys()
{
    auto* keys = new TabKeys(
        [this](const QObject* from, bool forward) { return tabTarget(from, forward); }, this);
    for (std::size_t i = 1; i < Text1.size(); ++i) {
        Text1[i]->installEventFilter(keys);
    }
    Command3->installEventFilter(keys);
    Command9->installEventFilter(keys);

    Command3->setToolTip(
        withKeys(tr("Print the month's notes as a web page"), Qt::CTRL | Qt::Key_P));
    Command2->setToolTip(withKeys(tr("Previous month"), Qt::CTRL | Qt::Key_PageUp));
    Command1->setToolTip(withKeys(tr("Next month"), Qt::CTRL | Qt::Key_PageDown));
    Command10->setToolTip(withKeys(tr("Previous year"), Qt::CTRL | Qt::SHIFT | Qt::Key_PageUp));
    Command11->setToolTip(withKeys(tr("Next year"), Qt::CTRL | Qt::SHIFT | Qt::Key_PageDown));
    Command7->setToolTip(withKeys(tr("Larger note text"), Qt::CTRL | Qt::Key_Plus));
    Command8->setToolTip(withKeys(tr("Smaller note text"), Qt::CTRL | Qt::Key_Minus));
    // About has no key of its own; its tooltip points to the help's.
    Command9->setToolTip(tr("About Plandeck; %1 shows the keys")
                             .arg(QKeySequence(Qt::Key_F1).toString(QKeySequence::NativeText)));

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] {
        if (m_help == nullptr) {
            m_help = new HelpWindow(QDir::toNativeSeparators(QDir::current().absoluteFilePath(
                                        QString::fromLatin1(kDataFolder))),
                                    this);
        }
        m_help->show();
        m_help->raise();
        m_help->activateWindow();
    });
}

QWidget* Form1::tabTarget(const QObject* from, bool forward) const
{
    const Int16 days = GetDaysInMonth(M, y);
    if (from == Command9 && forward) {
        return Text1[std::size_t(GetIndex(1, M, y))];
    }
    if (from == Command3 && !forward) {
        return Text1[std::size_t(GetIndex(days, M, y))];
    }
    for (Int16 i = 1; i <= kGridCells; ++i) {
        if (Text1[std::size_t(i)] != from) {
            continue;
        }
        const int day = GetDay(i, M, y) + (forward ? 1 : -1);
        if (day < 1) {
            return Command9;
        }
        if (day > days) {
            return Command3;
        }
        return Text1[std::size_t(GetIndex(Int16(day), M, y))];
    }
    return nullptr;
}

} // namespace plandeck
