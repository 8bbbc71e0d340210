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
// date format, also with a four-digit year where the format has two. Two-digit
// years are read as QLocale reads them (19xx).
TypedDate parseTypedDate(const QString& text, const QLocale& locale = QLocale());

} // namespace plandeck
