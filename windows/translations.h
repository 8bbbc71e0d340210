#pragma once

#include <QLocale>

// The program's languages: its own translations, built into the program
// from translations/plandeck_<language>.ts, and Qt's for its standard
// buttons where Debian has installed them.

namespace plandeck {

// Loads the program's translation for the locale's languages, in the order
// the user prefers them, and Qt's own. True when the program's was found;
// English and the C locale need none and keep the program's own texts.
bool installTranslations(const QLocale& locale = QLocale());

// Back to the program's own English texts.
void removeTranslations();

} // namespace plandeck
