#pragma once

#include "windows/form1.h"
#include "windows/notebox.h"
#include "workfolder.h"

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <memory>

// A main window in a fresh working folder, with a fixed "today", messages
// recorded instead of shown and reports never handed to a browser. Controls
// are found by their object names; the window's state is read through what
// it shows.
class WindowTest : public WorkFolderTest
{
public:
    void TearDown() override
    {
        // Windows of a test are gone before its folder is.
        QApplication::closeAllWindows();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        WorkFolderTest::TearDown();
    }

    plandeck::Services services()
    {
        return {.today = [this] { return today; },
                .showWelcome = [this](const QString& title,
                                      const QString& text) { welcomes.append(title + '|' + text); },
                .warn = [this](const QString& text) { warnings.append(text); },
                .dismissWarning = [this] { ++dismissals; },
                .confirm = [this](const QString&) { return ++confirmations, false; },
                .openUrl = [this](const QUrl& url) { return opened.append(url), openSucceeds; }};
    }

    // Runs the load handler; in normal mode shows the window and waits until
    // it is active.
    std::unique_ptr<plandeck::Form1> openForm(plandeck::RunMode mode = plandeck::RunMode::Normal)
    {
        auto form = std::make_unique<plandeck::Form1>(services());
        if (form->Form_Load(mode) == plandeck::LoadOutcome::ShowMain) {
            showAndActivate(*form);
        }
        return form;
    }
    static void showAndActivate(QWidget& window)
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <class T = QPushButton> static T* child(const QWidget& window, const QString& name)
    {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // Note box i (1 to 35) of the grid.
    static plandeck::NoteBox* cell(const QWidget& form, int i)
    {
        return child<plandeck::NoteBox>(form, QStringLiteral("Text1(%1)").arg(i));
    }
    // The windows of that object name, visible or not; and the visible one.
    static QWidgetList topLevels(const QString& name, bool shownOnly = false)
    {
        QWidgetList windows = QApplication::topLevelWidgets();
        windows.removeIf([&](const QWidget* w) {
            return w->objectName() != name || (shownOnly && !w->isVisible());
        });
        return windows;
    }
    static QWidget* topLevel(const QString& name) { return topLevels(name, true).value(0); }
    // The month caption, e.g. "December-2007".
    static QString caption(const QWidget& form)
    {
        return child<QLabel>(form, QStringLiteral("Label1"))->text();
    }
    // The day button and note box of a day of the displayed month: the cell
    // whose shown day button carries that number.
    static QPushButton* dayButtonOf(const QWidget& form, int day)
    {
        for (int i = 1; i <= plandeck::kGridCells; ++i) {
            auto* button = child(form, QStringLiteral("Command4(%1)").arg(i));
            if (!cell(form, i)->isHidden() && button->text() == QString::number(day)) {
                return button;
            }
        }
        ADD_FAILURE() << "no cell shows day " << day;
        return nullptr;
    }
    static plandeck::NoteBox* boxOf(const QWidget& form, int day)
    {
        return cell(form, dayButtonOf(form, day)->objectName().mid(9).chopped(1).toInt());
    }
    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    static void click(const QWidget& window, const QString& name) { click(child(window, name)); }
    // Clicks into the box of a day and types the text at its end; '\n' is
    // the Return key.
    static void typeInto(const QWidget& form, int day, const QString& text)
    {
        plandeck::NoteBox* box = boxOf(form, day);
        click(box);
        box->moveCursor(QTextCursor::End);
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, box,
                                c == QLatin1Char('\n') ? Qt::Key_Return : Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
        }
    }
    // Every timer of the window fires once: the save tick and the date watch.
    static void tick(const QWidget& form)
    {
        for (QTimer* timer : form.findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(timer->isActive()) << "a timer that does not run never ticks";
            QMetaObject::invokeMethod(timer, "timeout");
        }
    }

    QDate today{2007, 12, 5};
    QStringList welcomes;
    QStringList warnings;
    int dismissals = 0;
    QList<QUrl> opened;
    bool openSucceeds = true;
    int confirmations = 0;
};
