#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

// The program's loaded windows in loading order. Closing the main window or
// the reminder window unloads all of them, the most recently loaded first;
// the program ends when the list is empty.

namespace plandeck {

class WindowList : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void add(QWidget* window);
    // Called by a window's unload handler; a window not in the list is
    // already unloading or unloaded, and must not run its handler again.
    bool remove(QWidget* window);
    bool contains(const QWidget* window) const;
    int count() const { return int(m_windows.size()); }

    // Closes every loaded window, from the last loaded to the first.
    void unloadAll();

Q_SIGNALS:
    void allUnloaded();

private:
    QList<QPointer<QWidget>> m_windows;
};

} // namespace plandeck
