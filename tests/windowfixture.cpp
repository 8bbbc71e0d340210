#include "windowfixture.h"

#include <QLabel>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

using namespace plandeck;

void WindowTest::TearDown()
{
    // Windows of a test are gone before its folder is.
    QApplication::closeAllWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    WorkFolderTest::TearDown();
}

Services WindowTest::services()
{
    Services s;
    s.today = [this] { return today; };
    s.showWelcome = [this](const QString& title, const QString& text) {
        welcomes.append(title + QLatin1Char('|') + text);
    };
    s.warn = [this](const QString& text) { warnings.append(text); };
    s.dismissWarning = [this] { ++dismissals; };
    s.confirm = [this](const QString&) { return ++confirmations, confirmAnswer; };
    s.openUrl = [this](const QUrl& url) { return opened.append(url), openSucceeds; };
    return s;
}

void WindowTest::showAndActivate(QWidget& window)
{
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

std::unique_ptr<Form1> WindowTest::openForm(RunMode mode)
{
    auto form = std::make_unique<Form1>(services());
    if (form->Form_Load(mode) == LoadOutcome::ShowMain) {
        showAndActivate(*form);
    }
    return form;
}

NoteBox* WindowTest::cell(const QWidget& form, int i)
{
    return child<NoteBox>(form, QStringLiteral("Text1(%1)").arg(i));
}

QWidget* WindowTest::topLevel(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

int WindowTest::countTopLevels(const QString& name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.begin(), windows.end(),
                             [&](const QWidget* w) { return w->objectName() == name; }));
}

QString WindowTest::caption(const Form1& form)
{
    return child<QLabel>(form, QStringLiteral("Label1"))->text();
}

QPushButton* WindowTest::dayButtonOf(const Form1& form, int day)
{
    for (int i = 1; i <= kGridCells; ++i) {
        auto* button = child(form, QStringLiteral("Command4(%1)").arg(i));
        if (!cell(form, i)->isHidden() && button->text() == QString::number(day)) {
            return button;
        }
    }
    ADD_FAILURE() << "no cell shows day " << day;
    return nullptr;
}

NoteBox* WindowTest::boxOf(const Form1& form, int day)
{
    return cell(form, dayButtonOf(form, day)->objectName().mid(9).chopped(1).toInt());
}

void WindowTest::click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void WindowTest::click(const QWidget& window, const QString& buttonName)
{
    click(child(window, buttonName));
}

void WindowTest::typeInto(const Form1& form, int day, const QString& text)
{
    NoteBox* box = boxOf(form, day);
    click(box);
    box->moveCursor(QTextCursor::End);
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void WindowTest::tick(const Form1& form)
{
    for (QTimer* timer : form.findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(timer->isActive()) << "a timer that does not run never ticks";
        QMetaObject::invokeMethod(timer, "timeout");
    }
}
