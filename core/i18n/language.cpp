#include "core/i18n/language.h"

#include <QLocale>
#include <array>
#include <atomic>

namespace plandeck {

namespace {

std::atomic<bool> g_translated{false};

// The main window's headers have always said "Thurs".
const std::array<QString, 7> kLongNames = {QStringLiteral("Sunday"),   QStringLiteral("Monday"),
                                           QStringLiteral("Tuesday"),  QStringLiteral("Wednesday"),
                                           QStringLiteral("Thursday"), QStringLiteral("Friday"),
                                           QStringLiteral("Saturday")};
const std::array<QString, 7> kHeaders = {
    QStringLiteral("Sun"),   QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
    QStringLiteral("Thurs"), QStringLiteral("Fri"), QStringLiteral("Sat")};

QString dayName(int weekday, const std::array<QString, 7>& english, QLocale::FormatType format)
{
    if (weekday < 1 || weekday > 7) {
        return {};
    }
    // QLocale counts from Monday = 1 to Sunday = 7.
    return g_translated ? QLocale().dayName(weekday == 1 ? 7 : weekday - 1, format)
                        : english[std::size_t(weekday - 1)];
}

} // namespace

bool interfaceTranslated()
{
    return g_translated;
}

void setInterfaceTranslated(bool translated)
{
    g_translated = translated;
}

QString weekdayName(int weekday)
{
    return dayName(weekday, kLongNames, QLocale::LongFormat);
}

QString weekdayHeader(int weekday)
{
    return dayName(weekday, kHeaders, QLocale::ShortFormat);
}

} // namespace plandeck
