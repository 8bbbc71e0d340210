#include "core/search/notesearch.h"

#include "core/notes/notestore.h"
#include "core/notes/notetext.h"

#include <QHash>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <dirent.h>
#include <limits>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <vector>

namespace plandeck {

namespace {

// Ends each note's folded text; UTF-8 has no such byte.
constexpr char kSeparator = char(0xFF);

// Calls visit(codePoint, start) for each code point of the text with the
// position of its first UTF-16 unit; a lone surrogate counts as itself.
template <typename Visitor> void forEachCodePoint(QStringView text, Visitor&& visit)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
            visit(QChar::surrogateToUcs4(c, text[i + 1]), i);
            ++i;
        } else {
            visit(char32_t(c.unicode()), i);
        }
    }
}

QByteArray foldCodePoint(char32_t codePoint)
{
    QString folded =
        QString::fromUcs4(&codePoint, 1).toCaseFolded().normalized(QString::NormalizationForm_D);
    folded.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    // Qt folds one character to one; German spellings need sharp s as "ss".
    folded.replace(QChar(0x00DF), QStringLiteral("ss"));
    return folded.toUtf8();
}

// Folding a character goes through normalisation, which is slow; a note uses
// few distinct characters, so each is folded once per thread.
const QByteArray& foldedCodePoint(char32_t codePoint)
{
    thread_local QHash<char32_t, QByteArray> cache;
    auto it = cache.constFind(codePoint);
    if (it == cache.cend()) {
        it = cache.insert(codePoint, foldCodePoint(codePoint));
    }
    return *it;
}

// How many bytes the folded form of a code point takes.
qsizetype foldedSize(char32_t codePoint)
{
    return codePoint < 0x80 ? 1 : foldedCodePoint(codePoint).size();
}

// The date of a note's file name as the store writes it: "2007-12-05.txt",
// the year without leading zeros or plus sign.
std::optional<QDate> noteDate(std::string_view fileName)
{
    constexpr std::string_view kSuffix = ".txt";
    if (!fileName.ends_with(kSuffix) || fileName.size() < kSuffix.size() + 7) {
        return {};
    }
    const std::string_view name = fileName.substr(0, fileName.size() - kSuffix.size());
    const std::size_t n = name.size();
    const std::string_view yearDigits = name.substr(0, n - 6);
    auto number = [](std::string_view digits, int& value) {
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return error == std::errc() && end == digits.data() + digits.size();
    };
    int year = 0, month = 0, day = 0;
    if (name[n - 3] != '-' || name[n - 6] != '-' || yearDigits.starts_with('0') ||
        yearDigits.starts_with("-0") || !number(yearDigits, year) ||
        !number(name.substr(n - 5, 2), month) || !number(name.substr(n - 2), day) ||
        year < std::numeric_limits<Int16>::min() || year > std::numeric_limits<Int16>::max() ||
        month < 1 || month > 12 || day < 1 || day > GetDaysInMonth(Int16(month), Int16(year))) {
        return {};
    }
    // QDate has no year 0, so neither has the search.
    const QDate date(year, month, day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

struct Listed
{
    QDate date;
    std::string name;
};

// The names of data/ that are note names, newest first. Whether each is a
// regular file is looked up while reading, in the same order.
std::vector<Listed> listNotes()
{
    std::vector<Listed> listed;
    DIR* folder = ::opendir(kDataFolder);
    if (folder == nullptr) {
        return listed;
    }
    while (const dirent* entry = ::readdir(folder)) {
        const std::string_view name(entry->d_name);
        if (const std::optional<QDate> date = noteDate(name)) {
            listed.push_back({*date, std::string(name)});
        }
    }
    ::closedir(folder);
    std::sort(listed.begin(), listed.end(),
              [](const Listed& a, const Listed& b) { return a.date > b.date; });
    return listed;
}

qint64 nanoseconds(const timespec& time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

} // namespace

QByteArray foldedText(QStringView text)
{
    // Written through a pointer: ASCII, most of any note, takes one byte and
    // no lookup, and this runs over every note once.
    QByteArray folded(text.size(), Qt::Uninitialized);
    char* out = folded.data();
    qsizetype written = 0;
    forEachCodePoint(text, [&](char32_t codePoint, qsizetype start) {
        if (codePoint < 0x80) {
            out[written++] =
                char(codePoint >= 'A' && codePoint <= 'Z' ? codePoint + 32 : codePoint);
            return;
        }
        const QByteArray& bytes = foldedCodePoint(codePoint);
        // Room for these bytes and one for each unit still to come.
        const qsizetype needed = written + bytes.size() + (text.size() - start - 1);
        if (needed > folded.size()) {
            folded.resize(needed + needed / 4);
            out = folded.data();
        }
        std::memcpy(out + written, bytes.constData(), std::size_t(bytes.size()));
        written += bytes.size();
    });
    folded.resize(written);
    return folded;
}

qsizetype unfoldedPosition(QStringView text, qsizetype foldedOffset)
{
    qsizetype foldedSoFar = 0;
    qsizetype position = -1;
    forEachCodePoint(text, [&](char32_t codePoint, qsizetype start) {
        foldedSoFar += foldedSize(codePoint);
        if (position < 0 && foldedSoFar > foldedOffset) {
            position = start;
        }
    });
    return position < 0 ? text.size() : position;
}

MatchInNote locateMatch(const QString& noteText, const QString& text)
{
    const QByteArray pattern = foldedText(text);
    const qsizetype at = pattern.isEmpty() ? -1 : foldedText(noteText).indexOf(pattern);
    const qsizetype match = at < 0 ? 0 : unfoldedPosition(noteText, at);
    qsizetype start = match > 0 ? noteText.lastIndexOf(QLatin1Char('\n'), match - 1) + 1 : 0;
    qsizetype end = noteText.indexOf(QLatin1Char('\n'), match);
    end = end < 0 ? noteText.size() : end;
    // A long line shows from shortly before the match.
    const bool cutBefore = end - start > kShownLineLength && match - start > kShownLineLength / 4;
    if (cutBefore) {
        start = match - kShownLineLength / 4;
    }
    const bool cutAfter = end - start > kShownLineLength;
    if (cutAfter) {
        end = start + kShownLineLength;
    }
    const QString ellipsis(QChar(0x2026));
    return {int(match), (cutBefore ? ellipsis : QString()) + noteText.mid(start, end - start) +
                            (cutAfter ? ellipsis : QString())};
}

MatchInNote locateMatch(const QDate& date, const QString& text)
{
    const NoteRead note = GetData(Int16(date.day()), Int16(date.month()), Int16(date.year()));
    return note.isReadable() ? locateMatch(displayText(note.bytes), text)
                             : MatchInNote{0, note.error};
}

void NoteIndex::append(const Note& note, QByteArrayView folded, const QString& error)
{
    if (!error.isEmpty()) {
        m_unreadable.emplace_back(m_notes.size(), error);
    }
    m_notes.push_back({note.date, note.stamp, m_folded.size()});
    m_folded.append(folded);
    m_folded.append(kSeparator);
}

QByteArrayView NoteIndex::foldedOf(std::size_t index) const
{
    const qsizetype end = index + 1 < m_notes.size() ? m_notes[index + 1].folded : m_folded.size();
    return QByteArrayView(m_folded).sliced(m_notes[index].folded, end - 1 - m_notes[index].folded);
}

const QString* NoteIndex::errorOf(std::size_t index) const
{
    const auto it = std::lower_bound(m_unreadable.begin(), m_unreadable.end(), index,
                                     [](const std::pair<std::size_t, QString>& entry,
                                        std::size_t i) { return entry.first < i; });
    return it != m_unreadable.end() && it->first == index ? &it->second : nullptr;
}

bool NoteIndex::refresh(const Progress& progress)
{
    const std::vector<Listed> listed = listNotes();
    const int total = int(listed.size());
    auto stopped = [&](std::size_t done) {
        return progress && done % 256 == 0 && !progress(int(done), total);
    };
    // As the store reads: a missing name or one that is no regular file (a
    // folder, FIFO or socket) is no note and is never opened. A name that
    // cannot be looked up is read, so that the store gives the reason.
    auto lookUp = [](const Listed& entry) -> std::optional<std::size_t> {
        const std::string path = std::string(kDataFolder) + '/' + entry.name;
        struct stat st
        {
        };
        if (::stat(path.c_str(), &st) != 0) {
            if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP) {
                return {};
            }
            return 0;
        }
        if (!S_ISREG(st.st_mode)) {
            return {};
        }
        const std::size_t stamp =
            qHashMulti(0, qint64(st.st_size), nanoseconds(st.st_mtim), nanoseconds(st.st_ctim),
                       quint64(st.st_dev), quint64(st.st_ino));
        return stamp != 0 ? stamp : 1;
    };
    auto readInto = [](NoteIndex& index, const QDate& date, std::size_t stamp) {
        const NoteRead note = GetData(Int16(date.day()), Int16(date.month()), Int16(date.year()));
        const QByteArray folded =
            note.isReadable() ? foldedText(displayText(note.bytes)) : QByteArray();
        index.append({date, stamp}, folded, note.error);
    };

    if (m_notes.empty()) {
        // The first reading fills the index in place, newest first, so that
        // a search while it runs finds the notes read so far.
        m_folded.clear();
        m_unreadable.clear();
        for (std::size_t i = 0; i < listed.size(); ++i) {
            if (stopped(i)) {
                return !m_notes.empty();
            }
            if (const std::optional<std::size_t> stamp = lookUp(listed[i])) {
                readInto(*this, listed[i].date, *stamp);
            }
        }
        m_complete = true;
        return !m_notes.empty();
    }

    // Later refreshes look every name up first and rebuild only when
    // anything differs; searches meanwhile see the index as it was.
    struct Step
    {
        QDate date;
        std::size_t stamp;
        std::ptrdiff_t known; // the unchanged note in m_notes, or -1
    };
    std::vector<Step> steps;
    steps.reserve(listed.size());
    bool changed = false;
    std::size_t old = 0;
    for (std::size_t i = 0; i < listed.size(); ++i) {
        if (stopped(i)) {
            return false;
        }
        const Listed& entry = listed[i];
        for (; old < m_notes.size() && m_notes[old].date > entry.date; ++old) {
            changed = true; // gone
        }
        const bool known = old < m_notes.size() && m_notes[old].date == entry.date;
        const std::optional<std::size_t> stamp = lookUp(entry);
        const bool same = known && stamp && *stamp != 0 && m_notes[old].stamp == *stamp;
        changed = changed || (stamp ? !same : known);
        if (stamp) {
            steps.push_back({entry.date, *stamp, same ? std::ptrdiff_t(old) : -1});
        }
        old += known ? 1 : 0;
    }
    changed = changed || old < m_notes.size();
    if (!changed) {
        m_complete = true;
        return false;
    }
    NoteIndex next;
    next.m_notes.reserve(steps.size());
    next.m_folded.reserve(m_folded.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (stopped(i)) {
            return false;
        }
        const Step& step = steps[i];
        if (step.known >= 0) {
            const auto known = std::size_t(step.known);
            const QString* error = errorOf(known);
            next.append(m_notes[known], foldedOf(known), error != nullptr ? *error : QString());
        } else {
            readInto(next, step.date, step.stamp);
        }
    }
    next.m_complete = true;
    *this = std::move(next);
    return true;
}

FoundNotes NoteIndex::find(const QString& text, const std::function<bool()>& cancelled) const
{
    FoundNotes found;
    const QByteArray pattern = foldedText(text);
    if (pattern.isEmpty()) {
        return found;
    }
    std::size_t unreadable = 0;
    auto addUnreadableBefore = [&](std::size_t index) {
        for (; unreadable < m_unreadable.size() && m_unreadable[unreadable].first < index;
             ++unreadable) {
            const auto& [at, error] = m_unreadable[unreadable];
            found.matches.append({m_notes[at].date, error});
        }
    };
    const char* const base = m_folded.constData();
    const qsizetype size = m_folded.size();
    std::size_t next = 0; // the first note not searched yet
    qsizetype from = 0;
    while (from < size) {
        // glibc's memmem is several times faster here than QByteArrayView's
        // indexOf or a Boyer-Moore-Horspool searcher over the same bytes.
        const void* hit = ::memmem(base + from, std::size_t(size - from), pattern.constData(),
                                   std::size_t(pattern.size()));
        if (hit == nullptr) {
            break;
        }
        const qsizetype at = static_cast<const char*>(hit) - base;
        // The note holding the match; when notes match densely, the next one.
        std::size_t index = next;
        if (index + 1 < m_notes.size() && m_notes[index + 1].folded <= at) {
            index = std::size_t(std::upper_bound(m_notes.begin() + std::ptrdiff_t(next),
                                                 m_notes.end(), at,
                                                 [](qsizetype offset, const Note& note) {
                                                     return offset < note.folded;
                                                 }) -
                                m_notes.begin() - 1);
        }
        addUnreadableBefore(index);
        found.matches.append({m_notes[index].date, {}});
        ++found.matching;
        next = index + 1;
        from = next < m_notes.size() ? m_notes[next].folded : size;
        if (cancelled && found.matching % 1024 == 0 && cancelled()) {
            return found;
        }
    }
    addUnreadableBefore(m_notes.size());
    return found;
}

} // namespace plandeck
