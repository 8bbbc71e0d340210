#include "windowfixture.h"

#include "core/colour/contrast.h"
#include "windows/desktop.h"
#include "windows/form3.h"
#include "windows/pictures.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>

using namespace plandeck;

namespace {

using Desktop = WindowTest;

// With a dark theme's light text, every text on a background of the
// program's own (today, weekend, weekday, the grey template and the
// reminder's yellow) is readable. Screen readers hear the note boxes by their
// dates and not the day buttons; the reminder is a dialog. Each top-row
// button keeps its width (twips, as designed) and its caption fits; at 12
// points on a 144 dpi screen the caption's font shrinks, no further than
// needed, until it fits. The zoom buttons change every note box by one point
// within limits, and nothing else.
TEST_F(Desktop, ThemesScreenReadersLargeFontsAndZoomMeetTheWindow)
{
    const QPalette theme = QApplication::palette();
    QPalette dark = theme;
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    auto form = openForm();
    Form3 reminder;
    QList<QWidget*> boxes =
        form->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^Text1")));
    boxes.append(child<QWidget>(reminder, QStringLiteral("Text1")));
    auto bgr = [](const QColor& c) { return c.red() | c.green() << 8 | c.blue() << 16; };
    QSet<quint32> seen;
    for (const QWidget* box : boxes) {
        const quint32 back = bgr(box->palette().color(QPalette::Base));
        EXPECT_GE(contrastRatio(back, bgr(box->palette().color(QPalette::Text))), kReadableContrast)
            << box->objectName().toStdString();
        seen.insert(back);
    }
    EXPECT_TRUE(seen.contains({0x008888FFu, 0x00FF8888u, 0x0088FF88u, 0x00EEEEEEu, 0x00CCFFFFu}));
    QApplication::setPalette(theme);

    auto accessible = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w); };
    EXPECT_EQ(accessible(boxOf(*form, 5))->text(QAccessible::Name),
              QStringLiteral("Wednesday, 5 December 2007, week 49, today"));
    EXPECT_EQ(dayButtonOf(*form, 31)->toolTip(),
              QStringLiteral("Monday, 31 December 2007, week 1"));
    EXPECT_EQ(accessible(&reminder)->role(), QAccessible::Dialog);
    QStringList presented;
    for (int i = 0; i < accessible(form.get())->childCount(); ++i) {
        presented.append(accessible(form.get())->child(i)->object()->objectName());
    }
    EXPECT_EQ(presented.filter(QStringLiteral("Text1(")).size(), 35) << "not the template";
    EXPECT_EQ(presented.filter(QRegularExpression(QStringLiteral("^(Command4|Label3)\\(0"))),
              QStringList());
    // Find Notes and Go to Date: dialogs, their fields and list named.
    for (const auto& [keys, name, fields] :
         {std::tuple(Qt::Key_F, "FindNotes", QStringList{"FindText", "FindResults"}),
          std::tuple(Qt::Key_G, "GoToDate", QStringList{"GoToDateText"})}) {
        QTest::keyClick(form.get(), keys, Qt::ControlModifier);
        QWidget* window = topLevel(QLatin1String(name));
        ASSERT_NE(window, nullptr) << name;
        EXPECT_EQ(accessible(window)->role(), QAccessible::Dialog) << name;
        for (const QString& field : fields) {
            EXPECT_FALSE(
                accessible(child<QWidget>(*window, field))->text(QAccessible::Name).isEmpty())
                << field.toStdString();
        }
    }

    QImage screen(1, 1, QImage::Format_RGB32);
    screen.setDotsPerMeterX(5669); // 144 dpi
    screen.setDotsPerMeterY(5669);
    const std::pair<const char*, float> rows[] = {
        {"Command3", 495},  {"Command2", 1215}, {"Command1", 1215}, {"Command10", 495},
        {"Command11", 495}, {"Command7", 255},  {"Command8", 255},  {"Command9", 735}};
    for (const auto& [name, widthTwips] : rows) {
        QPushButton* button = child(*form, QLatin1String(name));
        const QSizeF room = captionRoom(button);
        EXPECT_EQ(button->width(), toPixels(widthTwips)) << name;
        EXPECT_TRUE(captionFits(button->text(), QFontMetricsF(button->font(), button), room));
        QFont font = QApplication::font();
        const auto fitsAt = [&](qreal points) {
            font.setPointSizeF(points);
            return captionFits(button->text(), QFontMetricsF(font, &screen), room);
        };
        font.setPointSizeF(12);
        const qreal fitted = fittedPointSize(button->text(), font, room, &screen);
        EXPECT_TRUE(fitted <= 12 && fitsAt(fitted) && (fitted == 12 || !fitsAt(fitted + 0.25)))
            << name << ": " << fitted;
    }

    const std::pair<int, qreal> steps[] = {{+3, 12}, {-1, 11}, {-20, 1}, {+250, 200}};
    for (const auto& [clicks, points] : steps) {
        for (int i = 0; i < std::abs(clicks); ++i) {
            child(*form, QLatin1String(clicks > 0 ? "Command7" : "Command8"))->click();
        }
        for (int i = 1; i <= kGridCells; ++i) {
            ASSERT_EQ(cell(*form, i)->font().pointSizeF(), points) << "hidden ones too: " << i;
        }
        click(*form, QStringLiteral("Command1"));
    }
    EXPECT_EQ(dayButtonOf(*form, 1)->font().pointSizeF(), 8.25) << "day buttons keep their size";
    EXPECT_FALSE(exists("data")) << "a font change is no edit";
}

// Alt+arrows step from today when the focus is on a button, from the 1st of
// another month, or from the day being edited, saving it first; Alt+Home goes
// back to today.
TEST_F(Desktop, AltKeysGoFromDayToDaySavingFirst)
{
    const std::tuple<bool, int, QKeyCombination, QDate> rows[] = {
        // Next month first; the day edited (0: none); the key; where it goes.
        {false, 0, Qt::ALT | Qt::Key_Down, {2007, 12, 12}},
        {false, 31, Qt::ALT | Qt::Key_Right, {2008, 1, 1}},
        {true, 0, Qt::ALT | Qt::Key_Left, {2007, 12, 31}},
        {false, 3, Qt::ALT | Qt::Key_Up, {2007, 11, 26}},
        {true, 0, Qt::ALT | Qt::Key_Home, {2007, 12, 5}}};
    for (const auto& [nextMonthFirst, edited, key, to] : rows) {
        SCOPED_TRACE(testing::Message() << edited << " to " << to.toString().toStdString());
        auto form = openForm();
        if (nextMonthFirst) {
            QTest::keyClick(form.get(), Qt::Key_PageDown, Qt::ControlModifier);
        }
        if (edited != 0) {
            typeInto(*form, edited, QStringLiteral("n"));
        }
        QTest::keyClick(form->focusWidget(), key.key(), key.keyboardModifiers());
        EXPECT_EQ(readFile(QString::asprintf("data/2007-12-%02d.txt", edited)), edited ? "n" : "");
        EXPECT_EQ(caption(*form), monthCaption(to.month(), to.year()));
        EXPECT_EQ(form->focusWidget(), boxOf(*form, to.day()));
    }
}

// The banner and the icon come at the screen's density, in their designed
// size: run once more with QT_SCALE_FACTOR=2 (pictures.at_scale_2), where they
// must come from their @2x files instead of being scaled up.
TEST(Pictures, FollowTheScreensDensity)
{
    for (const auto& [path, size] : {std::pair(":/plandeck/banner.gif", QSizeF(115, 55)),
                                     std::pair(":/plandeck/icon.gif", QSizeF(47, 47))}) {
        const QPixmap pixmap = resourcePicture(QString::fromLatin1(path));
        EXPECT_EQ(pixmap.deviceIndependentSize(), size) << path;
        EXPECT_EQ(pixmap.devicePixelRatio(), qApp->devicePixelRatio()) << path;
    }
}

} // namespace
