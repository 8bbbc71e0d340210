#pragma once

#include <QColor>
#include <QDate>
#include <QFont>
#include <QList>
#include <QSizeF>
#include <QString>

class QFontMetricsF;
class QPaintDevice;
class QPalette;
class QPushButton;

// How the windows meet the desktop they run on: any theme's colours, any
// font and screen, and screen readers.

namespace plandeck {

// A colour written 0x00BBGGRR, as the program writes its own.
QColor fromBgr(quint32 bgr);

// Where the program chooses a background (Base), it chooses the text colour
// too, so that a dark theme's light text never lands on a light cell.
void setReadableText(QPalette& palette);

// Whether a caption drawn centred in a button's room, as the style draws it,
// keeps all its ink inside.
bool captionFits(const QString& caption, const QFontMetricsF& metrics, const QSizeF& room);
// The largest point size, from the font's own down in quarter points, at
// which the caption fits the room when drawn on the device (a screen, or an
// image of any resolution).
qreal fittedPointSize(const QString& caption, QFont font, const QSizeF& room,
                      const QPaintDevice* device);
// The room the button's style leaves for its caption.
QSizeF captionRoom(const QPushButton* button);
// Captions that do not fit their buttons at the current font and resolution
// get a smaller font; the buttons keep their widths. The buttons of a group
// share the smallest size any of them needs.
void fitCaptions(const QList<QPushButton*>& buttons);

// A day as the day-number buttons' tooltips name it: the date in the user's
// long format and its ISO week ("Sunday, 6 December 2026, week 49").
QString dayName(const QDate& date);
// What a screen reader says for a day's note box: the day, whether it is
// today, and whether the day has a conflict copy.
QString noteBoxName(const QDate& date, bool isToday, bool hasConflictCopy = false);

// The main window is presented as a window without the day-number buttons,
// which do nothing; the reminder, Find Notes and Go to Date as dialogs.
void installAccessibleWindows();

} // namespace plandeck
