#include "core/search/notefinder.h"

#include "core/notes/datafolderwatch.h"

#include <QMetaObject>

namespace plandeck {

namespace {

// Without a watch, a search that follows a check of every file within this
// time skips it; typing thus costs no file access, and changes still show
// within seconds.
constexpr qint64 kRecheckAfterMs = 2000;
// While the notes are read the first time: the first results, then updates.
constexpr qint64 kFirstResultsMs = 50;
constexpr qint64 kUpdateEveryMs = 150;
// A save is several events (the hidden file, its rename, the lock); they
// are taken in together.
constexpr int kSettleMs = 100;

} // namespace

NoteFinder::NoteFinder(const DataFolderWatch* watch, QObject* parent, const QString& cacheFile)
    : QObject(parent), m_cacheFile(cacheFile), m_watch(watch)
{
    // One thread: tasks run in order and the index needs no lock.
    m_pool.setMaxThreadCount(1);
    m_index.setSpillFile(m_cacheFile);
    setWindowThread(thread());
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this,
            [this] { m_pool.start([this] { applyChanges(); }); });
    if (watch == nullptr) {
        return;
    }
    connect(watch, &DataFolderWatch::changed, this, [this](const QList<QDate>& notes) {
        if (!notes.isEmpty()) {
            const QMutexLocker lock(&m_mutex);
            m_changed.append(notes);
            m_settle.start();
        }
    });
    connect(watch, &DataFolderWatch::lost, this, [this] {
        m_watching = false;
        m_checkRequested = true;
    });
}

NoteFinder::~NoteFinder()
{
    m_stopping = true;
    m_pool.clear();
    // What changed this session is kept for the next one.
    m_pool.start([this] {
        if (m_cacheStale && m_index.isComplete()) {
            m_index.save(m_cacheFile);
        }
    });
    m_pool.waitForDone();
    setWindowThread(nullptr);
}

void NoteFinder::search(const QString& text)
{
    quint64 generation;
    {
        const QMutexLocker lock(&m_mutex);
        // Coming back to the same text with data/ watched: the results
        // shown are current, and nothing needs looking at.
        if (text == m_text && m_generation > 0 && m_watching && !m_checkRequested) {
            return;
        }
        m_text = text;
        generation = ++m_generation;
    }
    m_pool.start([this, generation] { run(generation); });
}

void NoteFinder::checkFiles()
{
    const bool watching = m_watch != nullptr && m_watch->isWatching();
    if (!watching || !m_watching) {
        m_checkRequested = true;
    }
    m_watching = watching;
}

void NoteFinder::describe(const QString& text, int from, int count)
{
    {
        const QMutexLocker lock(&m_mutex);
        m_requests.append({text, from, count});
    }
    m_pool.start([this] { answerRequests(); });
}

void NoteFinder::run(quint64 generation)
{
    if (m_stopping || generation != m_generation) {
        return;
    }
    if (!m_cacheTried) {
        m_cacheTried = true;
        m_fromCache = m_index.load(m_cacheFile);
    }
    const bool complete = m_index.isComplete();
    if (complete && m_published != generation) {
        const int size = int(m_index.size());
        publish(size, size);
    }
    const bool check =
        !complete || m_checkRequested.exchange(false) ||
        (!m_watching && (!m_sinceCheck.isValid() || m_sinceCheck.hasExpired(kRecheckAfterMs)));
    if (!check) {
        return;
    }
    if (!complete) {
        // Its first results come when the first notes are read.
        m_published = generation;
    }
    QElapsedTimer sincePublished;
    sincePublished.start();
    qint64 wait = kFirstResultsMs;
    const bool changed = m_index.refresh([&](int done, int total) {
        answerRequests();
        // Text typed meanwhile is answered at once, from the notes as far as
        // they are read or checked; the first reading also shows its
        // progress. An index from the cache shows nothing before it is
        // checked.
        const bool newText = m_published != m_generation;
        if (!m_fromCache && (newText || (!complete && sincePublished.elapsed() >= wait))) {
            const int size = int(m_index.size());
            if (complete) {
                publish(size, size);
            } else {
                publish(done, total);
            }
            sincePublished.restart();
            wait = kUpdateEveryMs;
        }
        return !m_stopping;
    });
    if (m_stopping) {
        return;
    }
    m_sinceCheck.start();
    m_indexVersion += changed ? 1 : 0;
    if (changed || !complete) {
        const int size = int(m_index.size());
        publish(size, size);
    }
    // The cache is written when the check found it out of date, on this
    // thread and after the results went out.
    if (m_index.isComplete() && (changed || m_cacheStale)) {
        // Searched from the written file, the texts leave the heap.
        m_cacheStale = !(m_index.save(m_cacheFile) && m_index.adopt(m_cacheFile));
    }
    m_fromCache = false;
}

void NoteFinder::publish(int done, int total)
{
    QString text;
    quint64 generation;
    {
        const QMutexLocker lock(&m_mutex);
        text = m_text;
        generation = m_generation;
    }
    FoundNotes notes =
        m_index.find(text, [this, generation] { return m_stopping || generation != m_generation; });
    if (generation != m_generation) {
        return;
    }
    // The first rows go out with their lines; rows described before for the
    // same text and the same index are taken over.
    const bool reuse = text == m_lastText && m_lastVersion == m_indexVersion;
    for (int i = 0; i < std::min<int>(kDescribedRows, int(notes.matches.size())); ++i) {
        NoteMatch& match = notes.matches[i];
        if (match.isDescribed()) {
            continue;
        }
        if (reuse && i < m_lastMatches.size() && m_lastMatches[i].date == match.date &&
            m_lastMatches[i].isDescribed()) {
            match = m_lastMatches[i];
        } else {
            describeMatch(match, text);
        }
    }
    m_lastText = text;
    m_lastMatches = notes.matches;
    m_lastVersion = m_indexVersion;
    m_published = generation;
    QMetaObject::invokeMethod(
        this,
        [this, generation, text, notes = std::move(notes), done, total] {
            if (generation == m_generation) {
                Q_EMIT found(text, notes, done, total);
            }
        },
        Qt::QueuedConnection);
}

void NoteFinder::answerRequests()
{
    QList<Request> requests;
    {
        const QMutexLocker lock(&m_mutex);
        requests.swap(m_requests);
    }
    for (const Request& request : requests) {
        if (m_stopping || request.text != m_lastText || request.from < 0 ||
            request.from >= m_lastMatches.size()) {
            continue;
        }
        const int to = std::min<int>(int(m_lastMatches.size()), request.from + request.count);
        for (int i = request.from; i < to; ++i) {
            if (!m_lastMatches[i].isDescribed()) {
                describeMatch(m_lastMatches[i], request.text);
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, text = request.text, from = request.from,
             rows = m_lastMatches.mid(request.from, to - request.from)] {
                Q_EMIT described(text, from, rows);
            },
            Qt::QueuedConnection);
    }
}

void NoteFinder::applyChanges()
{
    QList<QDate> dates;
    {
        const QMutexLocker lock(&m_mutex);
        dates.swap(m_changed);
    }
    // An index still being read or checked takes in every change anyway.
    if (m_stopping || !m_index.isComplete() || !m_index.update(dates)) {
        return;
    }
    ++m_indexVersion;
    m_cacheStale = true;
    const int size = int(m_index.size());
    publish(size, size);
}

} // namespace plandeck
