#include "core/calendar/typeddate.h"

#include "core/calendar/calendar.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <limits>

namespace plandeck {

namespace {

constexpr int kFirstYear = std::numeric_limits<Int16>::min();
constexpr int kLastYear = std::numeric_limits<Int16>::max();

// The year a two- or one-digit year means: the one within 50 years of today.
int nearYear(int shortYear, int thisYear)
{
    int year = thisYear - thisYear % 100 + shortYear;
    if (year > thisYear + 50) {
        year -= 100;
    } else if (year < thisYear - 50) {
        year += 100;
    }
    return year;
}

// Day, month and year as three numbers in the order of the locale's short
// format, with any separators, so that "4.7.2031" and "04.07.31" both count;
// formats with words (month names) go through QLocale instead.
QDate localeDate(const QString& text, const QLocale& locale, const QDate& today)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString order;
    for (const QChar c : format) {
        if ((c == u'd' || c == u'M' || c == u'y') && !order.contains(c)) {
            order += c;
        }
    }
    static const QRegularExpression numbers(
        QStringLiteral("^(\\d{1,4})\\D{1,3}(\\d{1,4})\\D{1,3}(\\d{1,4})\\D?$"));
    const QRegularExpressionMatch parts = numbers.match(text);
    if (order.size() != 3 || !parts.hasMatch()) {
        return locale.toDate(text, format);
    }
    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i) {
        const QString field = parts.captured(i + 1);
        const int value = field.toInt();
        if (order[i] == u'y') {
            year = field.size() <= 2 ? nearYear(value, today.year()) : value;
        } else if (field.size() > 2) {
            return {};
        } else {
            (order[i] == u'd' ? day : month) = value;
        }
    }
    if (month < 1 || month > 12 || day < 1 || day > GetDaysInMonth(Int16(month), Int16(year))) {
        return {};
    }
    return QDate(year, month, day);
}

// How the locale writes the date, with the full year when its short year
// would not lead back to the date.
QString exampleDate(const QDate& date, const QLocale& locale, const QDate& today)
{
    const QString text = locale.toString(date, QLocale::ShortFormat);
    if (localeDate(text, locale, today) == date) {
        return text;
    }
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) {
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    return locale.toString(date, format);
}

} // namespace

QString typedDateExample(const QLocale& locale, const QDate& today)
{
    return QCoreApplication::translate("TypedDate", "2031-07-04 or %1")
        .arg(exampleDate(QDate(2031, 7, 4), locale, today));
}

TypedDate parseTypedDate(const QString& text, const QLocale& locale, const QDate& today)
{
    const QString typed = text.trimmed();
    static const QRegularExpression iso(QStringLiteral("^(-?\\d{1,6})-(\\d{1,2})-(\\d{1,2})$"));
    QDate date;
    if (const QRegularExpressionMatch parts = iso.match(typed); parts.hasMatch()) {
        const int year = parts.captured(1).toInt();
        if (year < kFirstYear || year > kLastYear) {
            return {
                {},
                QCoreApplication::translate("TypedDate", "The planner's years run from %1 to %2.")
                    .arg(kFirstYear)
                    .arg(kLastYear)};
        }
        const int month = parts.captured(2).toInt();
        const int day = parts.captured(3).toInt();
        // The day must exist in the planner's own calendar as well as in QDate's.
        if (day <= GetDaysInMonth(Int16(month), Int16(year))) {
            date = QDate(year, month, day);
        }
    } else if (!typed.isEmpty()) {
        date = localeDate(typed, locale, today);
    }
    if (!date.isValid()) {
        const QString example = typedDateExample(locale, today);
        return {
            {},
            typed.isEmpty()
                ? QCoreApplication::translate("TypedDate", "Type a date, such as %1.").arg(example)
                : QCoreApplication::translate("TypedDate", "\"%1\" is not a date. Type it as %2.")
                      .arg(typed, example)};
    }
    return {date, {}};
}

} // namespace plandeck
