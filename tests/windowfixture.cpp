#include "windowfixture.h"

#include <QApplication>
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
    QApplication::processEvents();
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
    s.confirm = [this](const QString&) {
        ++confirmations;
        return confirmAnswer;
    };
    s.openUrl = [this](const QUrl& url) {
        opened.append(url);
        return openSucceeds;
    };
    return s;
}

void WindowTest::showAndActivate(QWidget& window)
{
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
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
    int count = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        count += window->objectName() == name ? 1 : 0;
    }
    return count;
}

QString WindowTest::caption(const Form1& form)
{
    return child<QLabel>(form, QStringLiteral("Label1"))->text();
}

QPushButton* WindowTest::dayButtonOf(const Form1& form, int day)
{
    for (int i = 1; i <= kGridCells; ++i) {
        auto* button = form.findChild<QPushButton*>(QStringLiteral("Command4(%1)").arg(i));
        auto* box = form.findChild<NoteBox*>(QStringLiteral("Text1(%1)").arg(i));
        if (!box->isHidden() && button->text() == QString::number(day)) {
            return button;
        }
    }
    ADD_FAILURE() << "no cell shows day " << day;
    return nullptr;
}

NoteBox* WindowTest::boxOf(const Form1& form, int day)
{
    const QString name =
        dayButtonOf(form, day)->objectName().replace(0, 8, QStringLiteral("Text1"));
    return child<NoteBox>(form, name);
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
    QTest::keyClicks(box, text);
}

void WindowTest::tick(const Form1& form)
{
    for (QTimer* timer : form.findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
        QMetaObject::invokeMethod(timer, "timeout");
    }
}
