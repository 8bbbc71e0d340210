#include "windowfixture.h"

#include "core/calendar/typeddate.h"
#include "core/colour/contrast.h"
#include "core/reminder/digest.h"
#include "windows/desktop.h"
#include "windows/form3.h"
#include "windows/gotodatewindow.h"
#include "windows/pictures.h"
#include "windows/translations.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextBrowser>

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

// The main window's captions: the top-row buttons and the weekday headers.
QStringList captions(const QWidget& form)
{
    QStringList texts;
    for (const QString& name : QString("3 2 1 10 11 9").split(' ')) {
        texts.append(WindowTest::child(form, "Command" + name)->text());
    }
    for (int i = 1; i <= 7; ++i) {
        texts.append(WindowTest::child<QLabel>(form, QStringLiteral("Label3(%1)").arg(i))->text());
    }
    return texts;
}

class Languages : public WindowTest
{
public:
    void TearDown() override
    {
        removeTranslations();
        QLocale::setDefault(QLocale::c());
        WindowTest::TearDown();
    }
};

// Under German and French every caption of the main window, the weekday
// headers, the reminder's heading and Go to Date's message speak the
// language; English and the C locale keep the program's own texts.
TEST_F(Languages, TheWindowsSpeakTheLocalesLanguage)
{
    const QStringList english = {"Print", "< Prev Month", "Next Month >", "< Yr", "Yr >",
                                 "About", "Sun",          "Mon",          "Tue",  "Wed",
                                 "Thurs", "Fri",          "Sat"};
    const std::tuple<QLocale::Language, const char*, const char*, const char*> rows[] = {
        {QLocale::German, "Do.", "5-Dezember-2007 Mittwoch", "Geben Sie ein Datum ein"},
        {QLocale::French, "jeu.", "5-décembre-2007 mercredi", "Saisissez une date"},
        {QLocale::English, "Thurs", "5-December-2007 Wednesday", "Type a date"},
        {QLocale::C, "Thurs", "5-December-2007 Wednesday", "Type a date"}};
    for (const auto& [language, thursday, heading, message] : rows) {
        SCOPED_TRACE(QLocale::languageToString(language).toStdString());
        const QLocale locale(language);
        QLocale::setDefault(locale);
        EXPECT_EQ(installTranslations(locale),
                  language != QLocale::English && language != QLocale::C);
        auto form = openForm();
        const QStringList shown = captions(*form);
        EXPECT_EQ(shown.at(10), QLatin1String(thursday));
        for (qsizetype i = 0; i < english.size(); ++i) {
            EXPECT_EQ(shown.at(i) == english.at(i), thursday == QLatin1String("Thurs"))
                << shown.at(i).toStdString();
        }
        EXPECT_EQ(reminderCaption(5, 12, 2007), QString::fromUtf8(heading));
        EXPECT_TRUE(parseTypedDate(QString(), locale).error.contains(QLatin1String(message)));
        form.reset();
        removeTranslations();
    }
}

// Tab and Shift+Tab go from day to day, through the wrap of the 30th and
// 31st into the top row, and past the top row's ends into the month's first
// and last days; Ctrl+Tab types a tab. The edited cell wears the focus frame.
TEST_F(Languages, TabMovesBetweenDaysAndCtrlTabTypesATab)
{
    const auto form = openForm();
    auto box = [&](int day) -> QWidget* { return boxOf(*form, day); };
    const std::tuple<std::function<QWidget*()>, Qt::Key, std::function<QWidget*()>> rows[] = {
        {[&] { return box(5); }, Qt::Key_Tab, [&] { return box(6); }},
        {[&] { return box(29); }, Qt::Key_Tab, [&] { return box(30); }},
        {[&] { return box(31); }, Qt::Key_Tab, [&] { return child(*form, "Command3"); }},
        {[&] { return child(*form, "Command9"); }, Qt::Key_Tab, [&] { return box(1); }},
        {[&] { return box(1); }, Qt::Key_Backtab, [&] { return child(*form, "Command9"); }},
        {[&] { return child(*form, "Command3"); }, Qt::Key_Backtab, [&] { return box(31); }},
        {[&] { return box(30); }, Qt::Key_Backtab, [&] { return box(29); }}};
    for (const auto& [from, key, to] : rows) {
        from()->setFocus();
        QTest::keyClick(from(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(QApplication::focusWidget(), to()) << from()->objectName().toStdString();
    }
    typeInto(*form, 12, QStringLiteral("a"));
    QTest::keyClick(box(12), Qt::Key_Tab, Qt::ControlModifier);
    const QWidget* frame = child<QWidget>(*form, QStringLiteral("EditFrame"));
    EXPECT_TRUE(frame->isVisible() && frame->geometry() == box(12)->geometry());
    QTest::keyClick(box(12), Qt::Key_Tab);
    EXPECT_EQ(readFile("data/2007-12-12.txt"), QByteArray("a\t"));
    EXPECT_EQ(frame->geometry(), box(13)->geometry());
    EXPECT_EQ(form->grab().toImage().pixelColor(box(13)->geometry().topLeft() + QPoint(1, 9)),
              box(13)->palette().color(QPalette::Text));

    QTest::keyClick(box(13), Qt::Key_F1);
    const auto* help = form->findChild<QTextBrowser*>(QStringLiteral("HelpText"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->toPlainText().contains(QDir::current().absoluteFilePath("data")));
    EXPECT_TRUE(help->toPlainText().contains(QLatin1String("Ctrl+Tab")));
    for (const QPushButton* button : form->findChildren<QPushButton*>(
             QRegularExpression(QStringLiteral("^Command([1-9]|1[01])$")))) {
        EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
    }
}

// Go to Date's message shows whole from 9 pt at 96 dpi to 14 pt at 144 dpi
// (12 to 28 pixels).
TEST_F(Languages, GoToDatesMessageIsNeverClipped)
{
    const QFont font = QApplication::font();
    for (const int pixels : {12, 16, 21, 28}) {
        QFont large = font;
        large.setPixelSize(pixels);
        QApplication::setFont(large);
        GoToDateWindow window([this] { return today; });
        showAndActivate(window);
        auto* field = child<QLineEdit>(window, QStringLiteral("GoToDateText"));
        QTest::keyClicks(field, QStringLiteral("no such day"));
        QTest::keyClick(field, Qt::Key_Return);
        const auto* message = child<QLabel>(window, QStringLiteral("GoToDateMessage"));
        EXPECT_GE(message->height(), message->heightForWidth(message->width())) << pixels;
        EXPECT_TRUE(window.rect().contains(message->geometry())) << pixels;
    }
    QApplication::setFont(font);
}

} // namespace
