#pragma once

#include "core/search/notesearch.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <atomic>

// Searches the notes on a thread of its own, so that a window stays
// responsive and never reads a note itself: the first search of a session
// starts from the index kept in the cache folder, checked against every
// note's stamp, or else reads every note (results arrive as the reading goes
// on, newest notes first); later ones search the notes in memory. Changes
// come from the main window's watch of data/, which names the notes that
// changed; where data/ is not watched, each activation and a search more than
// two seconds after the last check compare every file instead.
// Each result carries the line and cursor position of its match, read on the
// search thread: the first rows with the results, others when asked for.

namespace plandeck {

class DataFolderWatch;

class NoteFinder : public QObject
{
    Q_OBJECT

public:
    // watch: the watch of data/ to learn changes from; none for none.
    // cacheFile: where the index is kept between sessions; empty for nowhere.
    explicit NoteFinder(const DataFolderWatch* watch, QObject* parent = nullptr,
                        const QString& cacheFile = NoteIndex::cacheFileName());
    ~NoteFinder() override;

    // Searches for the text. A newer search replaces an older one: results
    // for an older text are never delivered.
    void search(const QString& text);
    // Notes may have changed: unless data/ was watched all along since the
    // last comparison, the next search compares the files with what it holds
    // before it is done.
    void checkFiles();
    // Asks for the line and position of count rows from `from` on of the
    // results last delivered for text; they come with described().
    void describe(const QString& text, int from, int count);
    // data/ is followed through change notifications.
    bool isWatching() const { return m_watching; }

    // Rows of a search that come with their line and position.
    static constexpr int kDescribedRows = 32;

Q_SIGNALS:
    // Results for text, the text last searched. While the notes are read for
    // the first time, done < total and more results follow.
    void found(const QString& text, const plandeck::FoundNotes& notes, int done, int total);
    // Rows from..from+rows.size() of the results for text, described.
    void described(const QString& text, int from, const QList<plandeck::NoteMatch>& rows);

private:
    struct Request
    {
        QString text;
        int from = 0;
        int count = 0;
    };

    void run(quint64 generation);
    void publish(int done, int total);
    void answerRequests();
    void applyChanges();

    QMutex m_mutex;
    QString m_text;            // guarded by m_mutex
    QList<QDate> m_changed;    // guarded by m_mutex: dates the watch reported
    QList<Request> m_requests; // guarded by m_mutex
    std::atomic<quint64> m_generation = 0;
    std::atomic<bool> m_checkRequested = true;
    std::atomic<bool> m_stopping = false;
    std::atomic<bool> m_watching = false;
    // Used by the search thread only; one task runs at a time.
    NoteIndex m_index;
    QString m_cacheFile;
    bool m_cacheTried = false;
    bool m_fromCache = false;  // the index came from the cache and is not checked yet
    bool m_cacheStale = false; // the index differs from the cache file
    quint64 m_indexVersion = 0;
    QElapsedTimer m_sinceCheck;
    quint64 m_published = 0; // the generation whose results went out last
    QString m_lastText;      // the text and rows delivered last
    QList<NoteMatch> m_lastMatches;
    quint64 m_lastVersion = 0;
    QPointer<const DataFolderWatch> m_watch;
    QTimer m_settle; // takes in the changes of one save together
    QThreadPool m_pool;
};

} // namespace plandeck
