#include "core/notes/codepage.h"

#include <QStringView>
#include <array>

namespace plandeck {

namespace {

// Characters of the bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Byte for a character, or -1 when the code page has none.
int byteFor(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return int(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return int(0x80 + i);
        }
    }
    return -1;
}

// Walks the text by code point, handing each one and the text it came from
// (one or two UTF-16 units) to the visitor.
template <typename Visitor> void forEachCodePoint(const QString& text, Visitor&& visit)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            visit(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else {
            visit(char32_t(c.unicode()));
        }
    }
}

} // namespace

bool isInCodePage(char32_t codePoint)
{
    return byteFor(codePoint) >= 0;
}

QString fromCodePage(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ =
            (value >= 0x80 && value < 0xA0) ? QChar(kHighControls[value - 0x80]) : QChar(value);
    }
    return text;
}

QByteArray toCodePage(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    forEachCodePoint(text, [&bytes](char32_t codePoint) {
        const int byte = byteFor(codePoint);
        bytes.append(byte >= 0 ? char(byte) : '?');
    });
    return bytes;
}

QString restrictToCodePage(const QString& text)
{
    return fromCodePage(toCodePage(text));
}

} // namespace plandeck
