#pragma once

#include "core/notes/conflictcopies.h"

#include <QDate>
#include <QFutureWatcher>
#include <QWidget>

class QLabel;
class QLineEdit;
class QProgressBar;
class QTreeView;

namespace plandeck {

class DataFolderWatch;
class FoundNotesModel;
class NoteFinder;
struct FoundNotes;

// "Find Notes": a search field and the notes that hold its text, newest
// first, following the typing. Not modal; closing hides it, so that it keeps
// its size, place and text while the program runs.
//
// Object names: "FindNotes" (the window), "FindText" (the field),
// "FindResults" (the list), "FindCount" (the count), "FindProgress" (shown
// while the notes are read for the first time), "FindCopies" (the conflict
// copies in data/, listed beside the search, never searched).
class FindWindow : public QWidget
{
    Q_OBJECT

public:
    // watch: the main window's watch of data/, which tells Find of changes.
    explicit FindWindow(const DataFolderWatch* watch);
    ~FindWindow() override;

    // Shows and activates the window with its field selected.
    void bringUp();

Q_SIGNALS:
    // A row was chosen: show that date with the cursor at the match.
    void dateChosen(const QDate& date, int cursorPosition);

protected:
    void changeEvent(QEvent* event) override;
    // Up, Down and the page keys in the field move through the list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFound(const QString& text, const FoundNotes& notes, int done, int total);
    void chooseRow(int row);

    QLineEdit* m_text = nullptr;
    QTreeView* m_results = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_copies = nullptr;
    QFutureWatcher<QList<ConflictCopy>> m_copiesListed;
    qint64 m_copiesListedAt = -1; // data/'s change time at the last listing
    QProgressBar* m_progress = nullptr;
    FoundNotesModel* m_model = nullptr;
    NoteFinder* m_finder = nullptr;
    QDate m_chosen; // a row chosen before its position came
};

} // namespace plandeck
