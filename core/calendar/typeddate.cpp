#include "core/calendar/typeddate.h"

#include "core/calendar/calendar.h"

#include <QRegularExpression>
#include <limits>

namespace plandeck {

namespace {

constexpr int kFirstYear = std::numeric_limits<Int16>::min();
constexpr int kLastYear = std::numeric_limits<Int16>::max();

QDate localeDate(const QString& text, const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QDate date = locale.toDate(text, format);
    if (!date.isValid() && !format.contains(QStringLiteral("yyyy"))) {
        QString longYears = format;
        longYears.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
        date = locale.toDate(text, longYears);
    }
    return date;
}

} // namespace

TypedDate parseTypedDate(const QString& text, const QLocale& locale)
{
    const QString typed = text.trimmed();
    static const QRegularExpression iso(QStringLiteral("^(-?\\d{1,6})-(\\d{1,2})-(\\d{1,2})$"));
    QDate date;
    if (const QRegularExpressionMatch parts = iso.match(typed); parts.hasMatch()) {
        const int year = parts.captured(1).toInt();
        if (year < kFirstYear || year > kLastYear) {
            return {{},
                    QStringLiteral("The planner's years run from %1 to %2.")
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
        date = localeDate(typed, locale);
    }
    if (!date.isValid()) {
        const QString example = QStringLiteral("2031-07-04 or %1")
                                    .arg(locale.toString(QDate(2031, 7, 4), QLocale::ShortFormat));
        return {{},
                typed.isEmpty()
                    ? QStringLiteral("Type a date, such as %1.").arg(example)
                    : QStringLiteral("\"%1\" is not a date. Type it as %2.").arg(typed, example)};
    }
    return {date, {}};
}

} // namespace plandeck
