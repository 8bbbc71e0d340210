// A notification service of the tests' own, for a private session bus:
// prints "ready" once on the bus, then each notification as
// "summary|body|actions", and either takes its first action ("press") or
// closes it ("dismiss"), as a user would.
// Usage: notification_service press|dismiss
#include <QCoreApplication>
#include <QDBusConnection>
#include <QTextStream>
#include <QTimer>
#include <QVariantMap>

class Notifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    bool press = false;

public Q_SLOTS:
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap&, int)
    {
        QTextStream(stdout) << summary << '|' << body << '|' << actions.join(',') << Qt::endl;
        QTimer::singleShot(100, this, [this, key = actions.value(0)] {
            press ? Q_EMIT ActionInvoked(7, key) : Q_EMIT NotificationClosed(7, 2);
        });
        return 7;
    }

Q_SIGNALS:
    void ActionInvoked(uint id, const QString& actionKey);
    void NotificationClosed(uint id, uint reason);
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    Notifications service;
    service.press = app.arguments().value(1) == QLatin1String("press");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        return 1;
    }
    QTextStream(stdout) << "ready" << Qt::endl;
    return QCoreApplication::exec();
}

#include "notification_service.moc"
