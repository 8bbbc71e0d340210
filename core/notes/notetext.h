#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// How a note's text and its file's bytes map onto each other.
//
// Reading: bytes that start with the UTF-8 byte-order mark are UTF-8 and the
// mark is not part of the text; otherwise bytes that are valid UTF-8 with at
// least one multi-byte sequence are UTF-8; anything else is Windows-1252, one
// character per byte, the five bytes Windows-1252 leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) standing for the C1 controls of the same number,
// so every old note reads and writes back byte for byte.
//
// Writing: a text whose every character has a Windows-1252 byte is written in
// Windows-1252 unless those bytes would read back as UTF-8; any other text is
// UTF-8 without a byte-order mark. Reading what was written gives the text
// back for every text (a lone surrogate is no character and is written as
// U+FFFD; a text that itself starts with U+FEFF gets a mark in front of it so
// that its first character is not taken for the mark).

namespace plandeck {

QString noteText(QByteArrayView bytes);
// True when the bytes read as Windows-1252: each byte is one character of
// the text (plain ASCII, which reads the same either way, included).
bool isWindows1252Note(QByteArrayView bytes);
QByteArray noteBytes(QStringView text);

// The first bytes of a longer note, without the start of a UTF-8 sequence
// that the cut left incomplete: the rest then reads by the same rule as the
// whole note, where that start would turn a UTF-8 note into Windows-1252.
QByteArrayView withoutCutSequence(QByteArrayView firstBytes);

// How a note box shows stored bytes: every CR LF, lone CR and lone LF becomes
// one line break '\n'.
QString displayText(QByteArrayView bytes);

// How a note box's text is stored: each '\n' as CR LF, encoded as noteBytes()
// does, without first making a copy of the text with CR LF in it.
QByteArray storedBytes(QStringView boxText);
// The same for an edited note, keeping the encoding its file was read in: a
// note loaded as UTF-8 stays UTF-8 (with its byte-order mark, if it had one),
// so that an editor on another machine still reads it; a Windows-1252 or
// plain ASCII note, and a new one, follow the rule above.
QByteArray storedBytes(QStringView boxText, QByteArrayView loadedBytes);

// The Windows-1252 byte of a character, or -1 when the code page has none.
int windows1252Byte(char32_t codePoint);

// Text layout slows down steeply with very long lines, so a note beyond these
// sizes is shown as a notice instead of being laid out in a small cell.
inline constexpr qsizetype kLargestEditableNote = 4 * 1024 * 1024;
inline constexpr qsizetype kLongestEditableLine = 16 * 1024;
bool isTooLargeToEdit(const QByteArray& bytes);

} // namespace plandeck
