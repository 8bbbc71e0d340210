#pragma once

#include <QByteArray>
#include <QString>

// Notes are stored one byte per character in Windows-1252. The five bytes
// that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for
// the C1 control characters with the same number, so every byte has exactly
// one character and any file reads and writes back byte for byte.

namespace plandeck {

QString fromCodePage(const QByteArray& bytes);

// Characters without a Windows-1252 byte become '?'. A character outside the
// Basic Multilingual Plane (a surrogate pair) becomes a single '?'.
QByteArray toCodePage(const QString& text);

bool isInCodePage(char32_t codePoint);

// Replaces every character without a Windows-1252 byte by '?', so that what
// a note box shows is what the note file will hold.
QString restrictToCodePage(const QString& text);

} // namespace plandeck
