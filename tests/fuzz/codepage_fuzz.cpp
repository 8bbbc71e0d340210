// Any bytes read as a note and written back give the same bytes, and any
// text the box can hold encodes to one byte per character it shows.
#include "core/notes/codepage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = plandeck::fromCodePage(bytes);
    if (text.size() != bytes.size() || plandeck::toCodePage(text) != bytes) {
        std::abort();
    }
    // The same input taken as UTF-16 text: restricting it keeps it stable.
    const QString utf16 =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    const QString restricted = plandeck::restrictToCodePage(utf16);
    if (plandeck::restrictToCodePage(restricted) != restricted ||
        plandeck::toCodePage(restricted).size() != restricted.size()) {
        std::abort();
    }
    return 0;
}
