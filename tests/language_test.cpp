#include "windowfixture.h"

#include "core/calendar/typeddate.h"
#include "core/reminder/digest.h"
#include "windows/gotodatewindow.h"
#include "windows/translations.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QTextBrowser>

using namespace plandeck;

namespace {

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
