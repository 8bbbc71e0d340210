#pragma once

#include <QDate>
#include <QList>
#include <QString>

// "On This Day": the notes of one day and month in every other year of the
// planner, later and earlier years alike, for a list beside the main window.

namespace plandeck {

// The years looked at: those the year buttons reach.
inline constexpr int kFirstOnThisDayYear = 1900;
inline constexpr int kLastOnThisDayYear = 2099;

struct OnThisDayRow
{
    QDate date;
    // The note's first lines, or the reason it could not be read.
    QString text;
};

struct OnThisDay
{
    QDate day;
    // Newest year first. 29 February has rows only in the other leap years.
    QList<OnThisDayRow> rows;
    // When data/ cannot be searched: the one line saying so, and no rows.
    QString folderError;
};

// Reads at most the reminder's share (16 KiB) of each note, so that any
// note costs little; meant for a worker thread.
OnThisDay onThisDay(const QDate& day);

// "3 years before", "1 year after": how far a row's date is from the day.
QString yearsApart(const QDate& day, const QDate& other);

} // namespace plandeck
