#include "core/colour/contrast.h"
#include "core/notes/notestore.h"
#include "windows/desktop.h"
#include "windows/form1.h"
#include "windows/form3.h"
#include "windows/notebox.h"
#include "workfolder.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace plandeck;

namespace {

// A main window showing December 2007 with 5 December as today, under a
// dark theme: light text on dark windows, as GTK's and KDE's dark themes set it.
class Desktop : public WorkFolderTest
{
protected:
    void SetUp() override
    {
        WorkFolderTest::SetUp();
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
            dark.setColor(role, Qt::white);
        }
        QApplication::setPalette(dark);
    }

    void TearDown() override
    {
        QApplication::closeAllWindows();
        QApplication::setPalette(m_theme);
        WorkFolderTest::TearDown();
    }

    std::unique_ptr<Form1> openForm()
    {
        Services services;
        services.today = [] { return QDate(2007, 12, 5); };
        services.showWelcome = [](const QString&, const QString&) {};
        services.warn = [](const QString&) {};
        services.dismissWarning = [] {};
        services.confirm = [](const QString&) { return true; };
        services.openUrl = [](const QUrl&) { return true; };
        auto form = std::make_unique<Form1>(services);
        form->Form_Load(RunMode::Normal);
        activate(*form);
        return form;
    }

    static void activate(QWidget& window)
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static NoteBox* boxOf(const Form1& form, const QDate& date)
    {
        const Int16 index = GetIndex(Int16(date.day()), Int16(date.month()), Int16(date.year()));
        return form.findChild<NoteBox*>(QStringLiteral("Text1(%1)").arg(index));
    }

    static QString accessibleName(QWidget* widget)
    {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }

private:
    QPalette m_theme = QApplication::palette();
};

quint32 toBgr(const QColor& colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

TEST_F(Desktop, TextOnTheProgramsColoursIsReadableUnderADarkTheme)
{
    auto form = openForm();
    Form3 reminder;
    QList<QWidget*> boxes{reminder.findChild<QWidget*>(QStringLiteral("Text1"))};
    for (NoteBox* box : form->findChildren<NoteBox*>()) {
        boxes.append(box);
    }
    QSet<quint32> backgrounds;
    QStringList unreadable;
    for (QWidget* box : boxes) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const quint32 back = toBgr(box->palette().color(group, QPalette::Base));
            const quint32 text = toBgr(box->palette().color(group, QPalette::Text));
            if (contrastRatio(back, text) < kReadableContrast) {
                unreadable.append(box->objectName());
            }
            backgrounds.insert(back);
        }
    }
    EXPECT_EQ(unreadable, QStringList());
    const struct
    {
        const char* name;
        quint32 back;
    } rows[] = {{"today", 0x008888FF},
                {"weekend", 0x00FF8888},
                {"weekday", 0x0088FF88},
                {"grey", 0x00EEEEEE},
                {"reminder", 0x00CCFFFF}};
    for (const auto& row : rows) {
        EXPECT_TRUE(backgrounds.contains(row.back)) << row.name;
    }
}

TEST_F(Desktop, TopRowCaptionsFitAtEveryFontAndResolution)
{
    auto form = openForm();
    const LayoutInput design;
    const struct
    {
        const char* name;
        float widthTwips;
    } rows[] = {{"Command3", 495},
                {"Command2", design.command2Width},
                {"Command1", design.command2Width},
                {"Command10", design.command10Width},
                {"Command11", design.command11Width},
                {"Command7", design.command7Width},
                {"Command8", design.command8Width},
                {"Command9", design.command9Width}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto* button = form->findChild<QPushButton*>(QLatin1String(row.name));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->width(), toPixels(row.widthTwips));
        const QSizeF room = captionRoom(button);
        EXPECT_TRUE(captionFits(button->text(), QFontMetricsF(button->font(), button), room));
        for (const int dpi : {96, 120, 144}) {
            QImage screen(1, 1, QImage::Format_RGB32);
            screen.setDotsPerMeterX(qRound(dpi / 0.0254));
            screen.setDotsPerMeterY(qRound(dpi / 0.0254));
            for (const qreal points : {9.0, 10.0, 11.0, 12.0}) {
                QFont font = QApplication::font();
                font.setPointSizeF(points);
                const qreal fitted = fittedPointSize(button->text(), font, room, &screen);
                SCOPED_TRACE(testing::Message() << dpi << " dpi, " << points << " pt: " << fitted);
                ASSERT_LE(fitted, points);
                font.setPointSizeF(fitted);
                EXPECT_TRUE(captionFits(button->text(), QFontMetricsF(font, &screen), room));
                // Shrunk no further than needed.
                font.setPointSizeF(fitted + 0.25);
                EXPECT_TRUE(fitted == points ||
                            !captionFits(button->text(), QFontMetricsF(font, &screen), room));
            }
        }
    }
}

TEST_F(Desktop, AltKeysMoveFromDayToDaySavingFirst)
{
    const QDate today(2007, 12, 5);
    const struct
    {
        const char* name;
        bool nextMonthFirst;
        int editedDay; // 0: no note box has the focus
        QKeyCombination key;
        QDate expected;
    } rows[] = {
        {"right_from_today", false, 0, Qt::ALT | Qt::Key_Right, {2007, 12, 6}},
        {"right_from_day_1_of_another_month", true, 0, Qt::ALT | Qt::Key_Right, {2008, 1, 2}},
        {"left_across_the_month", false, 1, Qt::ALT | Qt::Key_Left, {2007, 11, 30}},
        {"right_across_the_year", false, 31, Qt::ALT | Qt::Key_Right, {2008, 1, 1}},
        {"down_across_the_year", false, 28, Qt::ALT | Qt::Key_Down, {2008, 1, 4}},
        {"up_across_the_month", false, 3, Qt::ALT | Qt::Key_Up, {2007, 11, 26}},
        {"home_from_an_edited_day", false, 20, Qt::ALT | Qt::Key_Home, today},
        {"home_from_another_month", true, 0, Qt::ALT | Qt::Key_Home, today},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto form = openForm();
        if (row.nextMonthFirst) {
            QTest::keyClick(form.get(), Qt::Key_PageDown, Qt::ControlModifier);
        }
        QWidget* focus = form->focusWidget();
        if (row.editedDay != 0) {
            focus = boxOf(*form, QDate(2007, 12, row.editedDay));
            QTest::mouseClick(focus, Qt::LeftButton);
            QTest::keyClicks(focus, QStringLiteral("n"));
        }
        QTest::keyClick(focus, row.key.key(), row.key.keyboardModifiers());
        if (row.editedDay != 0) {
            EXPECT_EQ(GetData(Int16(row.editedDay), 12, 2007).bytes, QByteArray("n"));
        }
        EXPECT_EQ(form->focusWidget(), boxOf(*form, row.expected));
        EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                  monthCaption(row.expected.month(), row.expected.year()));
    }
}

TEST_F(Desktop, CtrlQClosesAsTheCloseBoxDoes)
{
    auto form = openForm();
    QSignalSpy unloaded(form.get(), &Form1::unloaded);
    NoteBox* box = boxOf(*form, QDate(2007, 12, 9));
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, QStringLiteral("q"));
    QTest::keyClick(box, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(GetData(9, 12, 2007).bytes, QByteArray("q"));
}

TEST_F(Desktop, ReminderKeys)
{
    const struct
    {
        const char* focus;
        Qt::Key key;
        bool bringsUp;
    } rows[] = {{"Text1", Qt::Key_Escape, false},
                {"Command1", Qt::Key_Escape, false},
                {"Text1", Qt::Key_Return, true},
                {"Command1", Qt::Key_Enter, true},
                {"Command2", Qt::Key_Return, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.focus << ' ' << row.key);
        Form3 reminder;
        reminder.setDigest(QStringLiteral("A"));
        activate(reminder);
        QSignalSpy bringUp(&reminder, &Form3::bringUpRequested);
        QSignalSpy closed(&reminder, &Form3::closed);
        auto* focus = reminder.findChild<QWidget*>(QLatin1String(row.focus));
        focus->setFocus();
        QTest::keyClick(focus, row.key);
        EXPECT_EQ(bringUp.count(), row.bringsUp ? 1 : 0);
        EXPECT_EQ(closed.count(), row.bringsUp ? 0 : 1);
    }
}

TEST_F(Desktop, ScreenReadersHearDatesAndWindows)
{
    auto form = openForm();
    EXPECT_EQ(accessibleName(boxOf(*form, {2007, 12, 5})),
              QStringLiteral("Wednesday, 5 December 2007, today"));
    EXPECT_EQ(accessibleName(boxOf(*form, {2007, 12, 6})),
              QStringLiteral("Thursday, 6 December 2007"));

    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), form->windowTitle());
    QStringList presented;
    for (int i = 0; i < window->childCount(); ++i) {
        presented.append(window->child(i)->object()->objectName());
    }
    EXPECT_EQ(presented.filter(QStringLiteral("Text1(")).size(), 36);
    EXPECT_EQ(presented.filter(QStringLiteral("Command4(")), QStringList());
    auto* dayButton = form->findChild<QPushButton*>(QStringLiteral("Command4(9)"));
    EXPECT_EQ(window->indexOfChild(QAccessible::queryAccessibleInterface(dayButton)), -1);

    Form3 reminder;
    reminder.setWindowTitle(QStringLiteral("5-December-2007 Wednesday"));
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&reminder);
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), QStringLiteral("5-December-2007 Wednesday"));
}

} // namespace
