#include "core/notes/notetext.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QtCore/qstringalgorithms.h>
#include <algorithm>
#include <array>
#include <optional>

namespace plandeck {

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr qsizetype kByteOrderMarkSize = 3;
constexpr QChar kZeroWidthNoBreakSpace(0xFEFF);

// Characters of the bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(QByteArrayView bytes)
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

// The number of '\n' in the text. Counted in 16 bits a chunk at a time, so
// that the compiler vectorises the count eight characters a step; count()
// in Qt 6.4 takes one character at a time.
qsizetype lineBreaksIn(QStringView text)
{
    qsizetype lineBreaks = 0;
    while (!text.isEmpty()) {
        const QStringView chunk = text.first(std::min<qsizetype>(text.size(), 0xFFFF));
        char16_t inChunk = 0;
        for (const QChar c : chunk) {
            inChunk += c == u'\n';
        }
        lineBreaks += inChunk;
        text = text.sliced(chunk.size());
    }
    return lineBreaks;
}

// The text, which has a character outside ASCII, in Windows-1252, with each
// '\n' as CR LF when asked. Nothing when a character has no byte (the walk
// stops there) or when the bytes would not read back as Windows-1252.
std::optional<QByteArray> windows1252Bytes(QStringView text, bool crLf)
{
    QByteArray bytes(crLf ? 2 * text.size() : text.size(), Qt::Uninitialized);
    char* const begin = bytes.data();
    char* out = begin;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80) {
            if (unit == u'\n' && crLf) {
                *out++ = '\r';
            }
            *out++ = char(unit);
            continue;
        }
        const int byte = windows1252Byte(unit);
        if (byte < 0) {
            return std::nullopt;
        }
        *out++ = char(byte);
    }
    if (!isWindows1252Note(QByteArrayView(begin, out))) {
        return std::nullopt;
    }
    bytes.truncate(out - begin);
    bytes.squeeze();
    return bytes;
}

// The text in UTF-8, each '\n' as CR LF when asked, written into a buffer of
// `capacity` bytes that is cut to what was written.
QByteArray utf8Bytes(QStringView text, bool crLf, qsizetype capacity)
{
    // Lone surrogates become U+FFFD right where they are.
    QStringEncoder encoder(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    QByteArray bytes(capacity, Qt::Uninitialized);
    char* const begin = bytes.data();
    char* out = begin;
    if (text.startsWith(kZeroWidthNoBreakSpace)) {
        out = std::copy_n(kByteOrderMark, kByteOrderMarkSize, out);
    }
    // A line at a time: indexOf and the encoder both take many characters at
    // once (the encoder copies ASCII with SIMD).
    qsizetype from = 0;
    for (qsizetype lf = 0; crLf && (lf = text.indexOf(u'\n', from)) >= 0; from = lf + 1) {
        out = encoder.appendToBuffer(out, text.sliced(from, lf - from));
        *out++ = '\r';
        *out++ = '\n';
    }
    out = encoder.appendToBuffer(out, text.sliced(from));
    if (out - begin < bytes.size()) {
        bytes.truncate(out - begin);
        bytes.squeeze();
    }
    return bytes;
}

QByteArray encode(QStringView text, bool crLf)
{
    // ASCII is the same bytes in Windows-1252 and UTF-8; Qt's UTF-8 encoder
    // is the faster of the two, and with the line breaks counted the buffer
    // has the exact size.
    if (QtPrivate::isAscii(text)) {
        return utf8Bytes(text, crLf, text.size() + (crLf ? lineBreaksIn(text) : 0));
    }
    if (std::optional<QByteArray> bytes = windows1252Bytes(text, crLf)) {
        return *std::move(bytes);
    }
    // A UTF-16 unit gives at most three bytes, a '\n' two; the mark three.
    return utf8Bytes(text, crLf, 3 * text.size() + kByteOrderMarkSize);
}

} // namespace

int windows1252Byte(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return int(codePoint);
    }
    const auto* found = std::find(kHighControls.begin(), kHighControls.end(), codePoint);
    return found == kHighControls.end() ? -1 : int(0x80 + (found - kHighControls.begin()));
}

bool isWindows1252Note(QByteArrayView bytes)
{
    const char* const high =
        std::find_if(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
    // Qt's check stops at the first byte that cannot be UTF-8, which in real
    // Windows-1252 text is the first accented letter.
    return high == bytes.end() ||
           (!bytes.startsWith(kByteOrderMark) && !QByteArrayView(high, bytes.end()).isValidUtf8());
}

QString noteText(QByteArrayView bytes)
{
    if (isWindows1252Note(bytes)) {
        return fromWindows1252(bytes);
    }
    // Told to keep an initial mark, the decoder leaves a U+FEFF that starts
    // the text after the file's mark as the text's own.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(bytes.startsWith(kByteOrderMark) ? bytes.sliced(kByteOrderMarkSize) : bytes);
}

QByteArray noteBytes(QStringView text)
{
    return encode(text, false);
}

QByteArrayView withoutCutSequence(QByteArrayView firstBytes)
{
    // Back over at most three continuation bytes to the byte that starts the
    // last sequence; cut it off when it announces more bytes than follow.
    for (qsizetype back = 1; back <= std::min<qsizetype>(4, firstBytes.size()); ++back) {
        const auto byte = static_cast<unsigned char>(firstBytes[firstBytes.size() - back]);
        if ((byte & 0xC0) != 0x80) {
            const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return length > back ? firstBytes.chopped(back) : firstBytes;
        }
    }
    return firstBytes;
}

QString displayText(QByteArrayView bytes)
{
    QString text = noteText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QByteArray storedBytes(QStringView boxText)
{
    return encode(boxText, true);
}

QByteArray storedBytes(QStringView boxText, QByteArrayView loadedBytes)
{
    if (loadedBytes.isEmpty() || isWindows1252Note(loadedBytes)) {
        return storedBytes(boxText);
    }
    QByteArray bytes = utf8Bytes(boxText, true, 3 * boxText.size() + kByteOrderMarkSize);
    // A text that starts with U+FEFF got its mark from utf8Bytes already.
    if (loadedBytes.startsWith(kByteOrderMark) && !boxText.startsWith(kZeroWidthNoBreakSpace)) {
        bytes.prepend(kByteOrderMark, kByteOrderMarkSize);
    }
    return bytes;
}

bool isTooLargeToEdit(const QByteArray& bytes)
{
    if (bytes.size() > kLargestEditableNote) {
        return true;
    }
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i == bytes.size() || bytes[i] == '\n' || bytes[i] == '\r') {
            if (i - lineStart > kLongestEditableLine) {
                return true;
            }
            lineStart = i + 1;
        }
    }
    return false;
}

} // namespace plandeck
