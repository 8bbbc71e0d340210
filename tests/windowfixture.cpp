#include "windowfixture.h"

#include <QApplication>
#include <QTest>
#include <QTextCursor>

using namespace plandeck;

void WindowTest::TearDown()
{
    // Windows of a test are gone before its folder is.
    QApplication::closeAllWindows();
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
    const LoadOutcome outcome = form->Form_Load(mode);
    if (outcome == LoadOutcome::ShowMain) {
        showAndActivate(*form);
    }
    return form;
}

NoteBox* WindowTest::boxOf(Form1& form, int day)
{
    return form.Text1[std::size_t(GetIndex(Int16(day), form.M, form.y))];
}

QPushButton* WindowTest::dayButtonOf(Form1& form, int day)
{
    return form.Command4[std::size_t(GetIndex(Int16(day), form.M, form.y))];
}

void WindowTest::click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void WindowTest::typeInto(Form1& form, int day, const QString& text)
{
    NoteBox* box = boxOf(form, day);
    click(box);
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, text);
}
