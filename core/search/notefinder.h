#pragma once

#include "core/search/notesearch.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QObject>
#include <QThreadPool>
#include <atomic>

// Searches the notes on a thread of its own, so that a window stays
// responsive: the first search reads every note (results arrive as the
// reading goes on, newest notes first), later ones search the notes in
// memory and then look whether any file has changed since.

namespace plandeck {

class NoteFinder : public QObject
{
    Q_OBJECT

public:
    explicit NoteFinder(QObject* parent = nullptr);
    ~NoteFinder() override;

    // Searches for the text. A newer search replaces an older one: results
    // for an older text are never delivered.
    void search(const QString& text);
    // Notes may have changed: the next search compares the files with what
    // it holds before it is done.
    void checkFiles() { m_checkRequested = true; }

Q_SIGNALS:
    // Results for text, the text last searched. While the notes are read for
    // the first time, done < total and more results follow.
    void found(const QString& text, const plandeck::FoundNotes& notes, int done, int total);

private:
    void run(quint64 generation);
    void publish(int done, int total);

    QMutex m_mutex;
    QString m_text; // guarded by m_mutex
    std::atomic<quint64> m_generation = 0;
    std::atomic<bool> m_checkRequested = true;
    std::atomic<bool> m_stopping = false;
    // Used by the search thread only; one task runs at a time.
    NoteIndex m_index;
    QElapsedTimer m_sinceCheck;
    quint64 m_published = 0; // the generation whose results went out last
    QThreadPool m_pool;
};

} // namespace plandeck
