// Every text reads back from the bytes written for it, with its line breaks
// as a note box has them ('\n', stored as CR LF) or as they are; and a note
// read as Windows-1252 is written back byte for byte.
#include "core/notes/notetext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace plandeck;
    const QByteArrayView bytes(data, qsizetype(size));
    bool ok = bytes.isValidUtf8() || bytes.startsWith("\xEF\xBB\xBF") ||
              noteBytes(noteText(bytes)) == bytes;
    // The input as Latin-1 (Windows-1252 texts, also those whose bytes look
    // like UTF-8), as UTF-8 and as UTF-16 (any character; lone surrogates are
    // no characters, toUtf8() makes them '?').
    const QString utf16 =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    for (QString text : {QString::fromLatin1(bytes), QString::fromUtf8(bytes),
                         QString::fromUtf8(utf16.toUtf8())}) {
        ok = ok && noteText(noteBytes(text)) == text;
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        ok = ok && displayText(storedBytes(text)) == text;
    }
    if (!ok) {
        std::abort();
    }
    return 0;
}
