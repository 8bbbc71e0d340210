#include "core/search/notesearch.h"

#include "core/notes/notestore.h"
#include "core/notes/notetext.h"

#include "core/notes/notefile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
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

// The date of a note's file name as the store writes it: "2007-12-05.txt".
// QDate has no year 0, so neither has the search.
std::optional<QDate> noteDate(std::string_view fileName)
{
    const std::optional<NoteFileDate> name = noteFileDate(fileName);
    if (!name) {
        return {};
    }
    const QDate date(name->year, name->month, name->day);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// What Find knows of a note's file: its stamp, hashed (0: no regular file,
// or it could not be looked up), or its first kSearchedBytes as the store
// reads them.
struct NoteFile
{
    quint64 stamp = 0;
    NoteRead read;
};

// The window's thread, where Find never reads a note.
std::atomic<const QThread*> g_windowThread = nullptr;

// The one place where Find looks at a note's file.
NoteFile lookAtNote(const QDate& date, bool withText)
{
    Q_ASSERT_X(QThread::currentThread() != g_windowThread.load(), "Find",
               "a note looked at on the window's thread");
    const QString path = GetFileName(Int16(date.day()), Int16(date.month()), Int16(date.year()));
    NoteFile file;
    if (withText) {
        file.read = readNoteFile(path, kSearchedBytes);
    } else if (const NoteStamp stamp = lookUpNote(path).stamp; stamp != NoteStamp()) {
        file.stamp =
            qHashMulti(0, stamp.device, stamp.inode, stamp.size, stamp.modified, stamp.changed);
        file.stamp += file.stamp == 0 ? 1 : 0;
    }
    return file;
}

// The text searched in a note read up to kSearchedBytes.
QString searchedTextOf(const NoteRead& note)
{
    return displayText(note.complete ? QByteArrayView(note.bytes) : withoutCutSequence(note.bytes));
}

// The names of data/ that are note names, newest first.
std::vector<ListedNote> listNotes()
{
    std::vector<ListedNote> listed;
    DIR* folder = ::opendir(kDataFolder);
    if (folder == nullptr) {
        return listed;
    }
    while (const dirent* entry = ::readdir(folder)) {
        if (const std::optional<QDate> date = noteDate(std::string_view(entry->d_name))) {
            listed.push_back({date->toJulianDay(), 0});
        }
    }
    ::closedir(folder);
    std::sort(listed.begin(), listed.end(),
              [](const ListedNote& a, const ListedNote& b) { return a.julianDay > b.julianDay; });
    return listed;
}

int yearOfDay(qint64 julianDay)
{
    return QDate::fromJulianDay(julianDay).year();
}

// A checksum of the cache file, fast enough for tens of megabytes: it only
// has to tell a damaged file from a whole one.
quint64 mixIn(quint64 sum, QByteArrayView bytes)
{
    constexpr quint64 kPrime = 0x9E3779B97F4A7C15ULL;
    quint64 lanes[4] = {sum, sum ^ 1, sum ^ 2, sum ^ 3};
    const char* p = bytes.data();
    std::size_t n = std::size_t(bytes.size());
    for (; n >= 32; n -= 32, p += 32) {
        for (int i = 0; i < 4; ++i) {
            quint64 word;
            std::memcpy(&word, p + 8 * i, 8);
            lanes[i] = (lanes[i] ^ word) * kPrime;
            lanes[i] ^= lanes[i] >> 29;
        }
    }
    for (; n > 0; --n, ++p) {
        lanes[0] = (lanes[0] ^ quint8(*p)) * kPrime;
    }
    quint64 result = quint64(bytes.size());
    for (const quint64 lane : lanes) {
        result = (result ^ lane) * kPrime;
        result ^= result >> 31;
    }
    return result;
}

constexpr char kCacheMagic[] = "Plandeck find index 1\n";
constexpr qint64 kCacheMagicSize = sizeof kCacheMagic - 1;
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

namespace {

QString unreadableLine(const QString& error)
{
    return QCoreApplication::translate("FindNotes", "(This note could not be read. %1)").arg(error);
}

// Writes the cache file's parts and sums them up.
class CacheWriter
{
public:
    explicit CacheWriter(QIODevice& file) : m_file(file) {}
    void bytes(QByteArrayView bytes)
    {
        m_sum = mixIn(m_sum, bytes);
        m_ok = m_ok && m_file.write(bytes.data(), bytes.size()) == bytes.size();
    }
    template <typename T> void value(const T& value)
    {
        bytes(QByteArrayView(reinterpret_cast<const char*>(&value), sizeof value));
    }
    bool finish()
    {
        const quint64 sum = m_sum;
        return m_ok && m_file.write(reinterpret_cast<const char*>(&sum), sizeof sum) == sizeof sum;
    }

private:
    QIODevice& m_file;
    quint64 m_sum = 0;
    bool m_ok = true;
};

// Reads them back from the file's mapping; any count beyond what the file
// holds or a wrong sum makes the whole file count as damaged.
class CacheReader
{
public:
    CacheReader(const char* data, qint64 size) : m_at(data), m_left(size - qint64(sizeof(quint64)))
    {
    }
    bool fits(qint64 size) const { return m_ok && size >= 0 && size <= m_left; }
    // The next size bytes, where they are in the file.
    const char* view(qint64 size)
    {
        m_ok = fits(size);
        if (!m_ok) {
            return nullptr;
        }
        const char* at = m_at;
        m_sum = mixIn(m_sum, QByteArrayView(at, size));
        m_at += size;
        m_left -= size;
        return at;
    }
    bool bytes(void* to, qint64 size)
    {
        const char* at = view(size);
        if (at != nullptr && size > 0) {
            std::memcpy(to, at, std::size_t(size));
        }
        return m_ok;
    }
    template <typename T> T value()
    {
        T value{};
        bytes(&value, sizeof value);
        return value;
    }
    bool finish() const
    {
        quint64 stored = 0;
        if (!m_ok || m_left != 0) {
            return false;
        }
        std::memcpy(&stored, m_at, sizeof stored);
        return stored == m_sum;
    }

private:
    const char* m_at;
    qint64 m_left;
    quint64 m_sum = 0;
    bool m_ok = true;
};

// Hands the pages of a part of the file's mapping back: they stay in the
// page cache, and the next search maps them again without reading.
void release(QByteArrayView mapped)
{
    const auto page = quintptr(::sysconf(_SC_PAGESIZE));
    const auto start = (quintptr(mapped.data()) + page - 1) / page * page;
    const auto end = (quintptr(mapped.data()) + quintptr(mapped.size())) / page * page;
    if (end > start) {
        ::madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED);
    }
}

QString workingFolder()
{
    return QFileInfo(QDir::currentPath()).canonicalFilePath();
}

} // namespace

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

void setWindowThread(const QThread* thread)
{
    g_windowThread = thread;
}

QDate noteDateOfName(std::string_view fileName)
{
    return noteDate(fileName).value_or(QDate());
}

void describeMatch(NoteMatch& match, const QString& text)
{
    const NoteRead note = lookAtNote(match.date, true).read;
    if (!note.isReadable()) {
        match.error = note.error;
        match.position = 0;
        match.line = unreadableLine(note.error);
        return;
    }
    const MatchInNote found = locateMatch(searchedTextOf(note), text);
    match.position = found.position;
    match.line = found.line;
    match.size = note.complete ? 0 : note.fileSize;
    if (!note.complete) {
        match.line =
            QCoreApplication::translate("FindNotes",
                                        "%1 (a note of %2; only its first 4 MiB are searched)")
                .arg(match.line,
                     QLocale().formattedDataSize(note.fileSize, 1, QLocale::DataSizeIecFormat));
    }
}

void NoteIndex::Year::append(const Note& note, QByteArrayView text, const QString& error)
{
    if (!error.isEmpty()) {
        unreadable.emplace_back(quint32(notes.size()), error);
    }
    notes.push_back({note.julianDay, quint32(folded.size()), note.stamp, note.size});
    folded.append(text);
    folded.append(kSeparator);
}

QByteArrayView NoteIndex::Year::foldedOf(std::size_t index) const
{
    const qsizetype start = notes[index].folded;
    const qsizetype end = index + 1 < notes.size() ? notes[index + 1].folded : folded.size();
    return QByteArrayView(folded).sliced(start, end - 1 - start);
}

const QString* NoteIndex::Year::errorOf(std::size_t index) const
{
    const auto it = std::lower_bound(
        unreadable.begin(), unreadable.end(), index,
        [](const std::pair<quint32, QString>& entry, std::size_t i) { return entry.first < i; });
    return it != unreadable.end() && it->first == index ? &it->second : nullptr;
}

qsizetype NoteIndex::size() const
{
    qsizetype notes = 0;
    for (const Year& year : m_years) {
        notes += qsizetype(year.notes.size());
    }
    return notes;
}

NoteIndex::Year* NoteIndex::yearOf(int year)
{
    const auto it = std::find_if(m_years.begin(), m_years.end(),
                                 [year](const Year& known) { return known.year == year; });
    return it != m_years.end() ? &*it : nullptr;
}

void NoteIndex::readInto(Year& year, qint64 julianDay, quint64 stamp)
{
    const NoteRead note = lookAtNote(QDate::fromJulianDay(julianDay), true).read;
    // A name that is gone or no regular file (a folder, a FIFO) is no note;
    // one that could not be looked up is listed with the store's reason.
    if (note.isReadable() && stamp == 0 && note.bytes.isEmpty() && note.fileSize == 0) {
        return;
    }
    const QByteArray folded = note.isReadable() ? foldedText(searchedTextOf(note)) : QByteArray();
    year.append({qint32(julianDay), 0, stamp, note.complete ? 0 : note.fileSize}, folded,
                note.error);
}

bool NoteIndex::rebuild(int year, const std::vector<ListedNote>& listed, std::size_t from,
                        std::size_t to, const std::function<bool()>& step)
{
    const Year* old = yearOf(year);
    Year next;
    next.year = year;
    next.notes.reserve(to - from);
    if (old != nullptr) {
        next.folded.reserve(old->folded.size());
    }
    std::size_t known = 0;
    for (std::size_t i = from; i < to; ++i) {
        if (step && !step()) {
            return false;
        }
        const ListedNote& entry = listed[i];
        for (; old != nullptr && known < old->notes.size() &&
               old->notes[known].julianDay > entry.julianDay;
             ++known) {
        }
        if (old != nullptr && known < old->notes.size() &&
            old->notes[known].julianDay == entry.julianDay && entry.stamp != 0 &&
            old->notes[known].stamp == entry.stamp) {
            const QString* error = old->errorOf(known);
            next.append(old->notes[known], old->foldedOf(known), error ? *error : QString());
        } else {
            readInto(next, entry.julianDay, entry.stamp);
        }
    }
    next.folded.squeeze();
    if (old != nullptr && old->mapped) {
        release(old->folded);
    }
    // Newest year first; a year without notes goes.
    const auto at = std::find_if(m_years.begin(), m_years.end(),
                                 [year](const Year& other) { return other.year <= year; });
    if (at != m_years.end() && at->year == year) {
        if (next.notes.empty()) {
            m_years.erase(at);
        } else {
            *at = std::move(next);
        }
    } else if (!next.notes.empty()) {
        m_years.insert(at, std::move(next));
    }
    return true;
}

bool NoteIndex::refresh(const Progress& progress)
{
    std::vector<ListedNote> listed = listNotes();
    const int total = int(listed.size());
    int done = 0;
    auto step = [&] { return !progress || done++ % 64 != 0 || progress(done - 1, total); };
    bool changed = false;
    std::vector<int> years;
    for (std::size_t from = 0; from < listed.size();) {
        const int year = yearOfDay(listed[from].julianDay);
        std::size_t to = from;
        for (; to < listed.size() && yearOfDay(listed[to].julianDay) == year; ++to) {
            listed[to].stamp = lookAtNote(QDate::fromJulianDay(listed[to].julianDay), false).stamp;
        }
        years.push_back(year);
        const Year* old = yearOf(year);
        const bool same =
            old != nullptr && old->notes.size() == to - from &&
            std::equal(old->notes.begin(), old->notes.end(), listed.begin() + qsizetype(from),
                       [](const Note& note, const ListedNote& entry) {
                           return note.julianDay == entry.julianDay && entry.stamp != 0 &&
                                  note.stamp == entry.stamp;
                       });
        if (same) {
            done += int(to - from);
        } else {
            if (!rebuild(year, listed, from, to, step)) {
                return changed;
            }
            changed = true;
            qsizetype onHeap = 0;
            for (const Year& built : m_years) {
                onHeap += built.mapped ? 0 : built.folded.size();
            }
            if (!m_spillFile.isEmpty() && onHeap >= m_spillBytes && save(m_spillFile)) {
                adopt(m_spillFile);
            }
        }
        from = to;
    }
    const auto gone = std::remove_if(m_years.begin(), m_years.end(), [&years](const Year& year) {
        return std::find(years.begin(), years.end(), year.year) == years.end();
    });
    changed = changed || gone != m_years.end();
    m_years.erase(gone, m_years.end());
    m_complete = true;
    return changed;
}

bool NoteIndex::update(const QList<QDate>& dates)
{
    bool changed = false;
    std::vector<int> years;
    for (const QDate& date : dates) {
        if (date.isValid() && std::find(years.begin(), years.end(), date.year()) == years.end()) {
            years.push_back(date.year());
        }
    }
    for (const int year : years) {
        const Year* old = yearOf(year);
        std::vector<ListedNote> listed;
        for (const Note& note : old != nullptr ? old->notes : std::vector<Note>()) {
            listed.push_back({note.julianDay, note.stamp});
        }
        bool differs = false;
        for (const QDate& date : dates) {
            if (date.year() != year) {
                continue;
            }
            const quint64 stamp = lookAtNote(date, false).stamp;
            const auto it = std::find_if(listed.begin(), listed.end(), [&](const ListedNote& e) {
                return e.julianDay == date.toJulianDay();
            });
            if (it == listed.end()) {
                listed.push_back({date.toJulianDay(), stamp});
                differs = true;
            } else {
                differs = differs || stamp == 0 || it->stamp != stamp;
                it->stamp = stamp;
            }
        }
        if (!differs) {
            continue;
        }
        std::sort(listed.begin(), listed.end(), [](const ListedNote& a, const ListedNote& b) {
            return a.julianDay > b.julianDay;
        });
        rebuild(year, listed, 0, listed.size(), {});
        changed = true;
    }
    return changed;
}

FoundNotes NoteIndex::find(const QString& text, const std::function<bool()>& cancelled) const
{
    FoundNotes found;
    const QByteArray pattern = foldedText(text);
    if (pattern.isEmpty()) {
        return found;
    }
    for (const Year& year : m_years) {
        std::size_t unreadable = 0;
        auto addUnreadableBefore = [&](std::size_t index) {
            for (; unreadable < year.unreadable.size() && year.unreadable[unreadable].first < index;
                 ++unreadable) {
                const auto& [at, error] = year.unreadable[unreadable];
                found.matches.append({QDate::fromJulianDay(year.notes[at].julianDay), error, 0, 0,
                                      unreadableLine(error)});
            }
        };
        const char* const base = year.folded.constData();
        const qsizetype size = year.folded.size();
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
            const auto at = quint32(static_cast<const char*>(hit) - base);
            // The note holding the match; when notes match densely, the next one.
            std::size_t index = next;
            if (index + 1 < year.notes.size() && year.notes[index + 1].folded <= at) {
                index = std::size_t(std::upper_bound(year.notes.begin() + std::ptrdiff_t(next),
                                                     year.notes.end(), at,
                                                     [](quint32 offset, const Note& note) {
                                                         return offset < note.folded;
                                                     }) -
                                    year.notes.begin() - 1);
            }
            addUnreadableBefore(index);
            const Note& note = year.notes[index];
            found.matches.append({QDate::fromJulianDay(note.julianDay), {}, note.size, -1, {}});
            ++found.matching;
            next = index + 1;
            from = next < year.notes.size() ? year.notes[next].folded : size;
            if (cancelled && found.matching % 1024 == 0 && cancelled()) {
                return found;
            }
        }
        addUnreadableBefore(year.notes.size());
        if (year.mapped) {
            release(year.folded);
        }
    }
    return found;
}

QString NoteIndex::cacheFileName()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString folder = workingFolder();
    if (cache.isEmpty() || folder.isEmpty()) {
        return {};
    }
    const QString file = QDir(cache).absoluteFilePath(
        QStringLiteral("plandeck/find-%1.idx")
            .arg(QString::fromLatin1(
                QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256)
                    .toHex()
                    .left(32))));
    // Whoever points the cache into the notes' folder gets no cache there.
    const QString data = QFileInfo(QString::fromLatin1(kDataFolder)).canonicalFilePath();
    const QString resolved = QFileInfo(QFileInfo(cache).canonicalFilePath()).absoluteFilePath();
    for (const QString& place : {QDir::cleanPath(file), resolved + QLatin1Char('/')}) {
        if (!data.isEmpty() && place.startsWith(data + QLatin1Char('/'))) {
            return {};
        }
    }
    return file;
}

bool NoteIndex::save(const QString& fileName) const
{
    if (fileName.isEmpty() || !QDir().mkpath(QFileInfo(fileName).path())) {
        return false;
    }
    // The kept index holds the notes' text: for the user's eyes only.
    QFile::setPermissions(QFileInfo(fileName).path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // Written beside it and renamed over it, never synced: a file cut short
    // by a crash fails its checksum and is built again.
    QTemporaryFile file(fileName + QStringLiteral(".XXXXXX"));
    if (!file.open() || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        return false;
    }
    CacheWriter out(file);
    out.bytes(QByteArrayView(kCacheMagic, kCacheMagicSize));
    const QByteArray folder = workingFolder().toUtf8();
    out.value(quint32(folder.size()));
    out.bytes(folder);
    out.value(quint32(m_years.size()));
    for (const Year& year : m_years) {
        out.value(qint32(year.year));
        out.value(quint32(year.notes.size()));
        out.value(quint32(year.unreadable.size()));
        out.value(quint32(year.folded.size()));
        out.bytes(QByteArrayView(reinterpret_cast<const char*>(year.notes.data()),
                                 qsizetype(year.notes.size() * sizeof(Note))));
        for (const auto& [index, error] : year.unreadable) {
            const QByteArray bytes = error.toUtf8();
            out.value(index);
            out.value(quint32(bytes.size()));
            out.bytes(bytes);
        }
        out.bytes(year.folded);
        if (year.mapped) {
            release(year.folded);
        }
    }
    if (!out.finish() || !file.flush() ||
        ::rename(QFile::encodeName(file.fileName()).constData(),
                 QFile::encodeName(fileName).constData()) != 0) {
        return false;
    }
    file.setAutoRemove(false);
    return true;
}

NoteIndex::Mapping::~Mapping()
{
    ::munmap(address, size);
}

bool NoteIndex::load(const QString& fileName)
{
    const int fd = fileName.isEmpty()
                       ? -1
                       : ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC);
    struct stat st
    {
    };
    const bool regular = fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                         st.st_size > qint64(kCacheMagicSize + sizeof(quint64));
    void* address = regular ? ::mmap(nullptr, std::size_t(st.st_size), PROT_READ, MAP_SHARED, fd, 0)
                            : MAP_FAILED;
    if (fd >= 0) {
        ::close(fd);
    }
    if (address == MAP_FAILED) {
        return false;
    }
    auto mapping = std::make_shared<const Mapping>(address, std::size_t(st.st_size));
    CacheReader in(static_cast<const char*>(address), st.st_size);
    const char* magic = in.view(kCacheMagicSize);
    if (magic == nullptr || QByteArrayView(magic, kCacheMagicSize) != kCacheMagic) {
        return false;
    }
    const auto folderSize = in.value<quint32>();
    const char* folder = in.view(folderSize);
    if (folder == nullptr || QString::fromUtf8(folder, folderSize) != workingFolder()) {
        return false; // another working folder's
    }
    std::vector<Year> years(std::min<std::size_t>(in.value<quint32>(), 1 << 16));
    int lastYear = std::numeric_limits<int>::max();
    for (Year& year : years) {
        year.year = in.value<qint32>();
        const auto notes = in.value<quint32>();
        const auto unreadable = in.value<quint32>();
        const auto folded = in.value<quint32>();
        if (year.year >= lastYear || !in.fits(qint64(notes) * qint64(sizeof(Note))) ||
            !in.fits(qint64(unreadable) * 8) || !in.fits(folded) || notes == 0) {
            return false;
        }
        lastYear = year.year;
        year.notes.resize(notes);
        in.bytes(year.notes.data(), qint64(notes) * qint64(sizeof(Note)));
        for (quint32 i = 0; i < unreadable; ++i) {
            const auto index = in.value<quint32>();
            const auto size = in.value<quint32>();
            const char* error = in.view(size);
            if (error == nullptr || index >= notes ||
                (i > 0 && index <= year.unreadable.back().first)) {
                return false;
            }
            year.unreadable.emplace_back(index, QString::fromUtf8(error, size));
        }
        const char* text = in.view(folded);
        if (text == nullptr) {
            return false;
        }
        year.folded = QByteArray::fromRawData(text, folded);
        year.mapped = true;
        // Each note's text ends where the next begins, with the separator,
        // newest first and all within the year.
        for (std::size_t i = 0; i < year.notes.size(); ++i) {
            const Note& note = year.notes[i];
            const quint32 end = i + 1 < year.notes.size() ? year.notes[i + 1].folded : folded;
            if (note.folded >= end || text[end - 1] != kSeparator ||
                (i == 0 ? note.folded != 0 : note.julianDay >= year.notes[i - 1].julianDay) ||
                yearOfDay(note.julianDay) != year.year) {
                return false;
            }
        }
        release(year.folded);
    }
    if (!in.finish()) {
        return false;
    }
    m_years = std::move(years);
    m_mapping = std::move(mapping);
    m_complete = false;
    return true;
}

bool NoteIndex::adopt(const QString& fileName)
{
    const bool complete = m_complete;
    if (!load(fileName)) {
        return false;
    }
    m_complete = complete;
    return true;
}

} // namespace plandeck
