// For any note, the escaping equals the seven replacements done in turn, and
// the escaped text holds no markup of the note's own: the only
// tags are the <br> made of CR LF pairs, every & starts one of our entities,
// and decoding the HTML gives back what the user typed (tabs as eight
// non-breaking blanks, pairs of blanks as one non-breaking and one blank).
#include "core/report/report.h"

#include <cstdint>
#include <cstdlib>

namespace {

const char kNbsp = '\xA0';

QByteArray expectedText(const QByteArray& note)
{
    QByteArray text;
    for (qsizetype i = 0; i < note.size(); ++i) {
        if (note[i] == '\t') {
            text.append(QByteArray(8, kNbsp));
        } else if (note[i] == ' ' && i + 1 < note.size() && note[i + 1] == ' ') {
            text.append(kNbsp).append(' ');
            ++i;
        } else {
            text.append(note[i]);
        }
    }
    return text;
}

// Decodes the HTML the way a browser's parser sees it; aborts on anything a
// note could have injected.
QByteArray decode(const QByteArray& html)
{
    static const std::pair<const char*, const char*> tokens[] = {
        {"<br>", "\r\n"}, {"&amp;", "&"},   {"&lt;", "<"},
        {"&gt;", ">"},    {"&quot;", "\""}, {"&nbsp;", "\xA0"}};
    QByteArray text;
    for (qsizetype i = 0; i < html.size();) {
        const char c = html[i];
        if (c == '<' || c == '&') {
            bool known = false;
            for (const auto& [token, value] : tokens) {
                if (html.mid(i).startsWith(token)) {
                    text.append(value);
                    i += qsizetype(qstrlen(token));
                    known = true;
                    break;
                }
            }
            if (!known) {
                std::abort();
            }
            continue;
        }
        if (c == '>' || c == '"') {
            std::abort();
        }
        text.append(c);
        ++i;
    }
    return text;
}

// The escaping as seven replacements applied in turn, each over the whole
// text: the plain statement of what the one-pass escaping must produce.
QByteArray escapeBySteps(const QByteArray& note)
{
    QByteArray html = note;
    html.replace("&", "&amp;");
    html.replace("\t", "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;");
    html.replace("  ", "&nbsp; ");
    html.replace("\"", "&quot;");
    html.replace(">", "&gt;");
    html.replace("<", "&lt;");
    html.replace("\r\n", "<br>");
    return html;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray note(reinterpret_cast<const char*>(data), qsizetype(size));
    const QByteArray html = plandeck::escapeNote(note);
    if (html != escapeBySteps(note) || decode(html) != expectedText(note)) {
        std::abort();
    }
    return 0;
}
