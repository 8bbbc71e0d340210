// Every text reads back from the bytes written for it, with its line breaks
// as a note box has them ('\n', stored as CR LF) or as they are; and a note
// read as Windows-1252 is written back byte for byte.
#include "core/notes/notetext.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    if (!bytes.isValidUtf8() && !bytes.startsWith("\xEF\xBB\xBF") &&
        plandeck::noteBytes(plandeck::noteText(bytes)) != bytes) {
        std::abort();
    }
    if (bytes.isEmpty()) {
        return 0;
    }
    // The rest of the input taken as Latin-1 (Windows-1252 texts, also those
    // whose bytes look like UTF-8), as UTF-8 or as UTF-16 (any character).
    const QByteArrayView rest = bytes.sliced(1);
    QString text;
    switch (bytes.front() % 3) {
    case 0:
        text = QString::fromLatin1(rest);
        break;
    case 1:
        text = QString::fromUtf8(rest);
        break;
    default:
        // Lone surrogates are no characters: toUtf8() makes them '?'.
        text = QString::fromUtf8(
            QString::fromUtf16(reinterpret_cast<const char16_t*>(rest.data()), rest.size() / 2)
                .toUtf8());
        break;
    }
    if (plandeck::noteText(plandeck::noteBytes(text)) != text) {
        std::abort();
    }
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (plandeck::displayText(plandeck::storedBytes(text)) != text) {
        std::abort();
    }
    return 0;
}
