#pragma once

#include <QDate>
#include <QString>
#include <QUrl>
#include <functional>

// What the windows ask of the desktop: the date, messages and questions, and
// opening a file with its default application. Tests replace each of these,
// so that no test depends on the real clock, blocks on a dialog or starts a
// browser.

namespace plandeck {

struct Services
{
    std::function<QDate()> today;
    // The welcome message; waits until the user has read it.
    std::function<void(const QString& title, const QString& text)> showWelcome;
    // A failure the user must know of; does not wait.
    std::function<void(const QString& text)> warn;
    // Takes back the warning on screen: what it reported is resolved.
    std::function<void()> dismissWarning;
    // A yes/no question; true for yes.
    std::function<bool(const QString& text)> confirm;
    // Opens a file with the desktop's default handler; false if it could not.
    std::function<bool(const QUrl& url)> openUrl;

    // The real desktop: system clock, message boxes, QDesktopServices.
    static Services desktop();
};

} // namespace plandeck
