// For any note, the one-pass escaping equals the seven replacements done in
// turn over the whole text. Those leave no markup of the note's own: the only
// tags are the <br> made of CR LF pairs, and every & starts an entity.
#include "core/report/report.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray note(reinterpret_cast<const char*>(data), qsizetype(size));
    QByteArray html = note;
    html.replace("&", "&amp;")
        .replace("\t", "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;")
        .replace("  ", "&nbsp; ")
        .replace("\"", "&quot;")
        .replace(">", "&gt;")
        .replace("<", "&lt;")
        .replace("\r\n", "<br>");
    if (plandeck::escapeNote(note) != html) {
        std::abort();
    }
    return 0;
}
