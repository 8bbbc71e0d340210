#include "core/search/notefinder.h"

#include <QMetaObject>

namespace plandeck {

namespace {

// A search that follows a check of every file within this time skips it;
// typing thus costs no file access, and changes still show within seconds.
constexpr qint64 kRecheckAfterMs = 2000;
// While the notes are read the first time: the first results, then updates.
constexpr qint64 kFirstResultsMs = 50;
constexpr qint64 kUpdateEveryMs = 150;

} // namespace

NoteFinder::NoteFinder(QObject* parent) : QObject(parent)
{
    // One thread: tasks run in order and the index needs no lock.
    m_pool.setMaxThreadCount(1);
}

NoteFinder::~NoteFinder()
{
    m_stopping = true;
    m_pool.clear();
    m_pool.waitForDone();
}

void NoteFinder::search(const QString& text)
{
    quint64 generation;
    {
        const QMutexLocker lock(&m_mutex);
        m_text = text;
        generation = ++m_generation;
    }
    m_pool.start([this, generation] { run(generation); });
}

void NoteFinder::run(quint64 generation)
{
    if (m_stopping || generation != m_generation) {
        return;
    }
    const bool complete = m_index.isComplete();
    if (complete && m_published != generation) {
        const int size = int(m_index.size());
        publish(size, size);
    }
    const bool check = !complete || m_checkRequested.exchange(false) || !m_sinceCheck.isValid() ||
                       m_sinceCheck.hasExpired(kRecheckAfterMs);
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
        // Text typed meanwhile is answered at once, from the notes as far as
        // they are read or checked; the first reading also shows its progress.
        const bool newText = m_published != m_generation;
        if (newText || (!complete && sincePublished.elapsed() >= wait)) {
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
    if (changed || !complete) {
        const int size = int(m_index.size());
        publish(size, size);
    }
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

} // namespace plandeck
