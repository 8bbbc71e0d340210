#include "core/recovery/recoveryjournal.h"

#include "core/notes/notestore.h"
#include "core/notes/notetext.h"
#include "core/notes/posixfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QUuid>
#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace plandeck {

namespace {

const QByteArray kMagic("Plandeck recovery 1");

QString dateName(const QDate& date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.year())
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QByteArray checkOf(const QByteArray& fields, const QByteArray& loaded, const QByteArray& text)
{
    QCryptographicHash hash(QCryptographicHash::Md5);
    hash.addData(fields);
    hash.addData(loaded);
    hash.addData(text);
    return hash.result().toHex();
}

// The largest file this process may write; a record beyond it goes in parts.
qint64 partSize(qint64 recordSize)
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY ||
        limit.rlim_cur == 0) {
        return std::max<qint64>(recordSize, 1);
    }
    return std::min<qint64>(std::max<qint64>(recordSize, 1), qint64(limit.rlim_cur));
}

void unlinkAll(const QStringList& paths)
{
    for (const QString& path : paths) {
        ::unlink(nativePath(path).constData());
    }
}

QString failure(const QString& path, int error)
{
    return QStringLiteral("%1: %2").arg(path, errorText(error));
}

// Writes a new file and renames it into place; returns 0 or the errno.
int writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QByteArray target = nativePath(path);
    const QByteArray fresh = target + ".new";
    ::unlink(fresh.constData());
    UniqueFd fd(
        ::open(fresh.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
    int error = fd.isValid() ? writeAll(fd.get(), bytes) : errno;
    if (error == 0 && ::fsync(fd.get()) != 0) {
        error = errno;
    }
    if (error == 0) {
        error = fd.close();
    }
    if (error == 0 && ::rename(fresh.constData(), target.constData()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(fresh.constData());
    }
    return error;
}

} // namespace

QString recoveryFolder()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) {
        base = QDir::homePath() + QStringLiteral("/.local/state");
    }
    const QByteArray key =
        QCryptographicHash::hash(QFile::encodeName(QDir::current().canonicalPath()),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return base + QStringLiteral("/plandeck/recovery/") + QString::fromLatin1(key);
}

QByteArray serializeRecord(const RecoveryRecord& record)
{
    const QByteArray text = record.text.toUtf8();
    const QByteArray fields =
        QByteArray::number(record.date.year()) + ' ' + QByteArray::number(record.date.month()) +
        ' ' + QByteArray::number(record.date.day()) + ' ' +
        QByteArray::number(record.loaded.size()) + ' ' + QByteArray::number(text.size());
    return kMagic + ' ' + fields + ' ' + checkOf(fields, record.loaded, text) + '\n' +
           record.loaded + text;
}

bool parseRecord(const QByteArray& bytes, RecoveryRecord& record)
{
    const qsizetype end = bytes.indexOf('\n');
    if (end < 0 || !bytes.startsWith(kMagic + ' ')) {
        return false;
    }
    const QByteArray fields = bytes.mid(kMagic.size() + 1, end - kMagic.size() - 1);
    const QList<QByteArray> parts = fields.split(' ');
    if (parts.size() != 6) {
        return false;
    }
    std::array<qint64, 5> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        bool ok = false;
        numbers[i] = parts[qsizetype(i)].toLongLong(&ok);
        if (!ok) {
            return false;
        }
    }
    const auto [year, month, day, loadedSize, textSize] = numbers;
    const QDate date{int(year), int(month), int(day)};
    if (!date.isValid() || loadedSize < 0 || textSize < 0 ||
        bytes.size() - end - 1 != loadedSize + textSize) {
        return false;
    }
    const QByteArray loaded = bytes.mid(end + 1, loadedSize);
    const QByteArray text = bytes.mid(end + 1 + loadedSize);
    if (checkOf(fields.left(fields.lastIndexOf(' ')), loaded, text) != parts.last()) {
        return false;
    }
    record = {date, loaded, QString::fromUtf8(text)};
    return true;
}

RecoveryJournal::RecoveryJournal(QString folder)
    : m_folder(std::move(folder)), m_session(QUuid::createUuid().toString(QUuid::Id128))
{
}

RecoveryJournal::~RecoveryJournal()
{
    const QMutexLocker lock(&m_mutex);
    if (m_lockFd >= 0) {
        if (m_files.isEmpty()) {
            ::unlink(nativePath(m_folder + '/' + m_session + QStringLiteral(".lock")).constData());
        }
        ::close(m_lockFd);
    }
}

QString RecoveryJournal::openSession()
{
    // Another copy starting at the very moment this one took its lock may
    // have taken the lock file for one left by an ended copy and removed it.
    struct stat status
    {
    };
    if (m_lockFd >= 0 && ::fstat(m_lockFd, &status) == 0 && status.st_nlink > 0) {
        return {};
    }
    if (m_lockFd >= 0) {
        ::close(std::exchange(m_lockFd, -1));
    }
    // The notes are private, and so is what was typed into them.
    if (!QDir().mkpath(m_folder) ||
        !QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        return failure(m_folder, errno != 0 ? errno : EACCES);
    }
    const QString lockPath = m_folder + '/' + m_session + QStringLiteral(".lock");
    UniqueFd fd(::open(nativePath(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!fd.isValid() || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        return failure(lockPath, errno);
    }
    m_lockFd = fd.release();
    return {};
}

QString RecoveryJournal::write(const RecoveryRecord& record)
{
    const QMutexLocker lock(&m_mutex);
    return writeLocked(record);
}

QString RecoveryJournal::writeLocked(const RecoveryRecord& record)
{
    if (QString error = openSession(); !error.isEmpty()) {
        return error;
    }
    const QByteArray bytes = serializeRecord(record);
    const qint64 part = partSize(bytes.size());
    const QString base = m_folder + '/' + m_session + '.' + dateName(record.date) + '.' +
                         QString::number(++m_generation) + '.';
    QStringList written;
    for (qint64 offset = 0; offset < bytes.size(); offset += part) {
        const QString path = base + QString::number(written.size());
        const qint64 size = std::min(part, bytes.size() - offset);
        if (const int error = writeFileAtomically(
                path, QByteArray::fromRawData(bytes.constData() + offset, size));
            error != 0) {
            unlinkAll(written);
            return failure(path, error);
        }
        written.append(path);
    }
    if (const int error = syncDirectory(nativePath(m_folder)); error != 0) {
        unlinkAll(written);
        return failure(m_folder, error);
    }
    // Only now that the new record is durable may the earlier one go.
    unlinkAll(m_files.value(record.date));
    m_files.insert(record.date, written);
    return {};
}

void RecoveryJournal::remove(const QDate& date)
{
    const QMutexLocker lock(&m_mutex);
    removeLocked(date);
}

void RecoveryJournal::removeLocked(const QDate& date)
{
    unlinkAll(m_files.take(date));
}

QString RecoveryJournal::pathOf(const QDate& date) const
{
    const QMutexLocker lock(&m_mutex);
    return m_files.value(date).value(0);
}

QList<QDate> RecoveryJournal::recordedDates() const
{
    const QMutexLocker lock(&m_mutex);
    return m_files.keys();
}

RecoveryJournal::Adopted RecoveryJournal::adopt()
{
    const QMutexLocker lock(&m_mutex);
    Adopted adopted;
    if (!QFileInfo::exists(m_folder) || !openSession().isEmpty()) {
        return adopted;
    }
    // session -> day -> generation -> part -> file name
    QMap<QString, QMap<QString, QMap<quint64, QMap<int, QString>>>> found;
    QMap<QString, QStringList> unfinished;
    static const QRegularExpression kName(
        QStringLiteral("^([0-9a-f]{32})\\.(-?\\d+-\\d\\d-\\d\\d)\\.(\\d+)\\.(\\d+)(\\.new)?$"));
    static const QRegularExpression kLock(QStringLiteral("^([0-9a-f]{32})\\.lock$"));
    const QDir folder(m_folder);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        // The lock of a copy that ended with nothing to keep goes too.
        if (const QRegularExpressionMatch ended = kLock.match(name);
            ended.hasMatch() && ended.captured(1) != m_session) {
            found[ended.captured(1)];
        }
        const QRegularExpressionMatch match = kName.match(name);
        if (!match.hasMatch() || match.captured(1) == m_session) {
            continue;
        }
        const QString path = folder.filePath(name);
        if (match.hasCaptured(5)) {
            unfinished[match.captured(1)].append(path);
        } else {
            found[match.captured(1)][match.captured(2)][match.captured(3).toULongLong()].insert(
                match.captured(4).toInt(), path);
        }
    }
    // Files cut short by a crash go with their copy's records.
    for (auto session = unfinished.cbegin(); session != unfinished.cend(); ++session) {
        found[session.key()];
    }
    for (auto session = found.cbegin(); session != found.cend(); ++session) {
        const QString lockPath = folder.filePath(session.key() + QStringLiteral(".lock"));
        const UniqueFd other(::open(nativePath(lockPath).constData(), O_RDWR | O_CLOEXEC));
        if (other.isValid() && ::flock(other.get(), LOCK_EX | LOCK_NB) != 0) {
            continue; // that copy still runs
        }
        bool left = false;
        for (const auto& generations : session.value()) {
            QStringList files;
            std::optional<RecoveryRecord> record;
            // The newest whole record; a newer one cut short by a crash does not count.
            const QList<quint64> numbers = generations.keys();
            for (auto number = numbers.crbegin(); number != numbers.crend(); ++number) {
                const QMap<int, QString>& parts = generations[*number];
                QByteArray bytes;
                for (const QString& path : parts) {
                    QFile file(path);
                    bytes += file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
                    files.append(path);
                }
                RecoveryRecord parsed;
                if (!record && parts.lastKey() == parts.size() - 1 && parseRecord(bytes, parsed)) {
                    record = parsed;
                }
            }
            if (!record) {
                for (const QString& path : files) {
                    const QString aside = path + QStringLiteral(".damaged");
                    if (QFile::rename(path, aside)) {
                        adopted.damaged.append(aside);
                    }
                }
            } else if (m_files.contains(record->date) || !writeLocked(*record).isEmpty()) {
                left = true;
            } else {
                adopted.records.append(*record);
                unlinkAll(files);
            }
        }
        unlinkAll(unfinished.value(session.key()));
        if (!left) {
            ::unlink(nativePath(lockPath).constData());
        }
    }
    return adopted;
}

bool isSavedAlready(const RecoveryRecord& record)
{
    const QByteArray saved = storedBytes(record.text, record.loaded);
    const QDate& d = record.date;
    // One byte more than the saved text tells a longer note apart.
    const NoteRead note =
        readNoteUpTo(Int16(d.day()), Int16(d.month()), Int16(d.year()), saved.size() + 1);
    return note.isReadable() && note.complete && note.bytes == saved;
}

} // namespace plandeck
