#include "windowfixture.h"

#include "core/colour/contrast.h"
#include "windows/desktop.h"
#include "windows/form3.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

using namespace plandeck;

namespace {

// December 2007 with the 5th as today, under a dark theme's light text.
class Desktop : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        QPalette dark = m_theme;
        dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
        dark.setColor(QPalette::Text, Qt::white);
        QApplication::setPalette(dark);
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        QApplication::setPalette(m_theme);
    }
    static QString nameOf(QWidget* widget)
    {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }

private:
    const QPalette m_theme = QApplication::palette();
};

TEST_F(Desktop, TextOnTheProgramsColoursIsReadableUnderADarkTheme)
{
    auto form = openForm();
    Form3 reminder;
    QList<QWidget*> boxes{child<QWidget>(reminder, QStringLiteral("Text1"))};
    for (NoteBox* box : form->findChildren<NoteBox*>()) {
        boxes.append(box);
    }
    auto toBgr = [](const QColor& c) { return c.red() | c.green() << 8 | c.blue() << 16; };
    QSet<quint32> backgrounds;
    QStringList unreadable;
    for (const QWidget* box : boxes) {
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const quint32 back = toBgr(box->palette().color(group, QPalette::Base));
            if (contrastRatio(back, toBgr(box->palette().color(group, QPalette::Text))) <
                kReadableContrast) {
                unreadable.append(box->objectName());
            }
            backgrounds.insert(back);
        }
    }
    EXPECT_EQ(unreadable, QStringList());
    // Today, weekend, weekday, the grey template and the reminder's yellow.
    for (const quint32 back : {0x008888FFu, 0x00FF8888u, 0x0088FF88u, 0x00EEEEEEu, 0x00CCFFFFu}) {
        EXPECT_TRUE(backgrounds.contains(back)) << std::hex << back;
    }
}

TEST_F(Desktop, TopRowCaptionsFitAtDefaultFontsOf9To12PointsAnd96To144Dpi)
{
    auto form = openForm();
    // Each button's width in twips, as designed.
    const std::pair<const char*, float> rows[] = {
        {"Command3", 495},  {"Command2", 1215}, {"Command1", 1215}, {"Command10", 495},
        {"Command11", 495}, {"Command7", 255},  {"Command8", 255},  {"Command9", 735}};
    for (const auto& [name, widthTwips] : rows) {
        QPushButton* button = child(*form, QLatin1String(name));
        const QString text = button->text();
        const QSizeF room = captionRoom(button);
        EXPECT_EQ(button->width(), toPixels(widthTwips)) << name;
        EXPECT_TRUE(captionFits(text, QFontMetricsF(button->font(), button), room)) << name;
        for (const int dpi : {96, 120, 144}) {
            QImage screen(1, 1, QImage::Format_RGB32);
            screen.setDotsPerMeterX(qRound(dpi / 0.0254));
            screen.setDotsPerMeterY(qRound(dpi / 0.0254));
            for (const qreal points : {9.0, 10.0, 11.0, 12.0}) {
                QFont font = QApplication::font();
                font.setPointSizeF(points);
                const qreal fitted = fittedPointSize(text, font, room, &screen);
                SCOPED_TRACE(testing::Message()
                             << name << ' ' << dpi << " dpi " << points << " pt: " << fitted);
                ASSERT_LE(fitted, points);
                font.setPointSizeF(fitted);
                EXPECT_TRUE(captionFits(text, QFontMetricsF(font, &screen), room));
                font.setPointSizeF(fitted + 0.25); // shrunk no further than needed
                EXPECT_TRUE(fitted == points ||
                            !captionFits(text, QFontMetricsF(font, &screen), room));
            }
        }
    }
}

TEST_F(Desktop, AltKeysGoFromDayToDaySavingFirst)
{
    const struct
    {
        const char* name;
        bool nextMonthFirst;
        int editedDay; // 0: the focus is on a button
        QKeyCombination key;
        QDate to;
    } rows[] = {
        {"right_from_today", false, 0, Qt::ALT | Qt::Key_Right, {2007, 12, 6}},
        {"right_from_day_1_of_another_month", true, 0, Qt::ALT | Qt::Key_Right, {2008, 1, 2}},
        {"left_across_the_month", false, 1, Qt::ALT | Qt::Key_Left, {2007, 11, 30}},
        {"right_across_the_year", false, 31, Qt::ALT | Qt::Key_Right, {2008, 1, 1}},
        {"down_across_the_year", false, 28, Qt::ALT | Qt::Key_Down, {2008, 1, 4}},
        {"up_across_the_month", false, 3, Qt::ALT | Qt::Key_Up, {2007, 11, 26}},
        {"home_from_an_edited_day", false, 20, Qt::ALT | Qt::Key_Home, {2007, 12, 5}},
        {"home_from_another_month", true, 0, Qt::ALT | Qt::Key_Home, {2007, 12, 5}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto form = openForm();
        if (row.nextMonthFirst) {
            QTest::keyClick(form.get(), Qt::Key_PageDown, Qt::ControlModifier);
        }
        if (row.editedDay != 0) {
            typeInto(*form, row.editedDay, QStringLiteral("n"));
        }
        QTest::keyClick(form->focusWidget(), row.key.key(), row.key.keyboardModifiers());
        if (row.editedDay != 0) {
            EXPECT_EQ(readFile(QString::asprintf("data/2007-12-%02d.txt", row.editedDay)), "n");
        }
        EXPECT_EQ(caption(*form), monthCaption(row.to.month(), row.to.year()));
        EXPECT_EQ(form->focusWidget(), boxOf(*form, row.to.day()));
    }
}

TEST_F(Desktop, CtrlQClosesAsTheCloseBoxDoes)
{
    auto form = openForm();
    QSignalSpy unloaded(form.get(), &Form1::unloaded);
    typeInto(*form, 9, QStringLiteral("q"));
    QTest::keyClick(form->focusWidget(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(readFile(QStringLiteral("data/2007-12-09.txt")), "q");
}

TEST_F(Desktop, ReminderEscapeClosesAndEnterPressesTheDefaultButton)
{
    const std::tuple<const char*, Qt::Key, bool> rows[] = {{"Text1", Qt::Key_Escape, false},
                                                           {"Command1", Qt::Key_Escape, false},
                                                           {"Text1", Qt::Key_Return, true},
                                                           {"Text1", Qt::Key_Enter, true},
                                                           {"Command2", Qt::Key_Return, false}};
    for (const auto& [focusName, key, bringsUp] : rows) {
        SCOPED_TRACE(testing::Message() << focusName << ' ' << key);
        Form3 reminder;
        showAndActivate(reminder);
        QSignalSpy bringUp(&reminder, &Form3::bringUpRequested);
        QSignalSpy closed(&reminder, &Form3::closed);
        QWidget* focus = child<QWidget>(reminder, QLatin1String(focusName));
        focus->setFocus();
        QTest::keyClick(focus, key);
        EXPECT_EQ(bringUp.count(), bringsUp ? 1 : 0);
        EXPECT_EQ(closed.count(), bringsUp ? 0 : 1);
    }
}

TEST_F(Desktop, ScreenReadersHearDatesAndWindowsButNoDayButtons)
{
    auto form = openForm();
    EXPECT_EQ(nameOf(boxOf(*form, 5)), QStringLiteral("Wednesday, 5 December 2007, today"));
    EXPECT_EQ(nameOf(boxOf(*form, 6)), QStringLiteral("Thursday, 6 December 2007"));

    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), form->windowTitle());
    QStringList presented;
    for (int i = 0; i < window->childCount(); ++i) {
        presented.append(window->child(i)->object()->objectName());
    }
    EXPECT_EQ(presented.filter(QStringLiteral("Text1(")).size(), 36);
    EXPECT_EQ(presented.filter(QStringLiteral("Command4(")), QStringList());
    EXPECT_EQ(window->indexOfChild(QAccessible::queryAccessibleInterface(dayButtonOf(*form, 9))),
              -1);

    Form3 reminder;
    reminder.setWindowTitle(QStringLiteral("5-December-2007 Wednesday"));
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&reminder);
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), reminder.windowTitle());
}

} // namespace
