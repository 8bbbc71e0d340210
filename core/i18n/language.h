#pragma once

#include <QString>

// Which language the program speaks. Until a translation is loaded it speaks
// English, with the English weekday names it has always written, whatever the
// locale; with a translation its weekday names come from the locale too, so
// that a caption never mixes two languages.

namespace plandeck {

bool interfaceTranslated();
void setInterfaceTranslated(bool translated);

// Weekday 1 (Sunday) to 7 (Saturday): "Sunday" and "Sun" in English, the
// locale's long and short day names when translated. Empty outside 1 to 7.
QString weekdayName(int weekday);
QString weekdayHeader(int weekday);

} // namespace plandeck
