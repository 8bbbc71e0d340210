#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// A date typed by the user, as the Go to Date window takes it.

namespace plandeck {

struct TypedDate
{
    QDate date;
    QString error; // why the text is no date the planner can show, in words for the user

    bool isValid() const { return error.isEmpty(); }
};

// Accepts ISO dates (2031-07-04, years from -32768 to 32767 as the month
// buttons reach them, except year 0, which QDate lacks) and the locale's short
// date format, with one or two digits for day and month and two or four for
// the year. A two-digit year is the one within 50 years of today. The message
// for a refused text gives an example that leads to the date it names.
TypedDate parseTypedDate(const QString& text, const QLocale& locale = QLocale(),
                         const QDate& today = QDate::currentDate());

// The example the message and the field give: 4 July 2031, ISO and as the
// locale writes it.
QString typedDateExample(const QLocale& locale, const QDate& today);

} // namespace plandeck
