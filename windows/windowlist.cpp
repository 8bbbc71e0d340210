#include "windows/windowlist.h"

namespace plandeck {

void WindowList::add(QWidget* window)
{
    if (!contains(window)) {
        m_windows.append(window);
    }
}

bool WindowList::remove(QWidget* window)
{
    const bool wasLoaded = m_windows.removeAll(window) > 0;
    if (wasLoaded && m_windows.isEmpty()) {
        Q_EMIT allUnloaded();
    }
    return wasLoaded;
}

bool WindowList::contains(const QWidget* window) const
{
    for (const QPointer<QWidget>& entry : m_windows) {
        if (entry == window) {
            return true;
        }
    }
    return false;
}

void WindowList::unloadAll()
{
    // Walk a copy: each close removes its window from the list.
    const QList<QPointer<QWidget>> snapshot = m_windows;
    for (auto it = snapshot.crbegin(); it != snapshot.crend(); ++it) {
        if (*it != nullptr && contains(*it)) {
            (*it)->close();
        }
    }
}

} // namespace plandeck
