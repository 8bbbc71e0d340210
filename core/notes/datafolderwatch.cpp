#include "core/notes/datafolderwatch.h"

#include "core/notes/notefilename.h"

#include <QSocketNotifier>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plandeck {

namespace {

constexpr uint32_t kEvents = IN_CREATE | IN_DELETE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_FROM |
                             IN_MOVED_TO | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

} // namespace

DataFolderWatch::DataFolderWatch(QObject* parent) : QObject(parent) {}

DataFolderWatch::~DataFolderWatch()
{
    if (m_inotify >= 0) {
        ::close(m_inotify);
    }
}

bool DataFolderWatch::follow()
{
    struct stat st
    {
    };
    if (::stat(kDataFolder, &st) != 0 || !S_ISDIR(st.st_mode)) {
        if (isWatching()) {
            unwatch();
            Q_EMIT lost();
        }
        return false;
    }
    const std::pair<qint64, qint64> identity{qint64(st.st_dev), qint64(st.st_ino)};
    if (isWatching() && identity == m_identity) {
        return true;
    }
    const bool replaced = isWatching();
    unwatch();
    if (m_inotify < 0) {
        m_inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_inotify < 0) {
            return false;
        }
        m_notifier = new QSocketNotifier(m_inotify, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &DataFolderWatch::read);
    }
    m_watch = ::inotify_add_watch(m_inotify, kDataFolder, kEvents);
    m_identity = identity;
    if (replaced) {
        Q_EMIT lost();
    }
    return isWatching();
}

void DataFolderWatch::unwatch()
{
    if (m_watch >= 0) {
        ::inotify_rm_watch(m_inotify, m_watch);
        m_watch = -1;
    }
}

void DataFolderWatch::read()
{
    alignas(inotify_event) char buffer[16 * 1024];
    bool lost = false;
    bool named = false;
    QList<QDate> notes;
    for (;;) {
        const ssize_t size = ::read(m_inotify, buffer, sizeof buffer);
        if (size <= 0) {
            break;
        }
        for (ssize_t at = 0; at < size;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            // What is left of a watch replaced by follow() says nothing.
            if (event->wd != m_watch && (event->mask & IN_Q_OVERFLOW) == 0) {
                continue;
            }
            if ((event->mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_IGNORED)) != 0) {
                unwatch();
                lost = true;
            } else if ((event->mask & IN_Q_OVERFLOW) != 0) {
                lost = true;
            } else if (event->len > 0) {
                named = true;
                if (const auto date = noteFileDate(event->name)) {
                    notes.append(QDate(date->year, date->month, date->day));
                }
            }
        }
    }
    if (lost) {
        Q_EMIT this->lost();
    } else if (named) {
        Q_EMIT changed(notes);
    }
}

} // namespace plandeck
