#pragma once

#include <QObject>
#include <QString>

namespace plandeck {

// A reminder as a desktop notification, through the notification service of
// the session (org.freedesktop.Notifications on the D-Bus session bus), with
// an "Open Plandeck" action where the service offers actions.
class Notifier : public QObject
{
    Q_OBJECT

public:
    explicit Notifier(QObject* parent = nullptr);

    // False when no notification service answers: the caller shows the
    // reminder another way.
    bool send(const QString& summary, const QString& body);

Q_SIGNALS:
    // The user chose "Open Plandeck".
    void openRequested();
    // The notification is gone without its action, or the service offers no
    // actions: nothing more will come.
    void finished();

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& actionKey);
    void onNotificationClosed(uint id, uint reason);

private:
    void stopListening();

    uint m_id = 0;
    bool m_listening = false;
};

} // namespace plandeck
