#include "windows/notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QTimer>
#include <QVariantMap>

namespace plandeck {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kOpenAction = QStringLiteral("open");
// A login reminder may run before the desktop has started its service; the
// bus starts it on the first call, which may take this long.
constexpr int kCallTimeout = 10 * 1000;

QDBusMessage call(const QString& method, const QVariantList& arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeout);
}

} // namespace

Notifier::Notifier(QObject* parent) : QObject(parent) {}

bool Notifier::send(const QString& summary, const QString& body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    const QDBusReply<QStringList> capabilities = call(QStringLiteral("GetCapabilities"));
    if (!capabilities.isValid()) {
        return false;
    }
    const bool actions = capabilities.value().contains(QStringLiteral("actions"));
    // A service that reads markup in the body would take "<" and "&" of a
    // note for markup.
    const QString text =
        capabilities.value().contains(QStringLiteral("body-markup")) ? body.toHtmlEscaped() : body;
    // Signals are followed before the call, so that an action taken at once
    // is not missed.
    m_listening = actions &&
                  bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                              SLOT(onActionInvoked(uint, QString))) &&
                  bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"),
                              this, SLOT(onNotificationClosed(uint, uint)));
    const QStringList actionList =
        m_listening ? QStringList{kOpenAction, tr("Open Plandeck")} : QStringList{};
    const QDBusReply<uint> id = call(
        QStringLiteral("Notify"),
        {QStringLiteral("Plandeck"), 0u, QStringLiteral(PLANDECK_APP_ID), summary, text, actionList,
         QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral(PLANDECK_APP_ID)}}, -1});
    if (!id.isValid()) {
        stopListening();
        return false;
    }
    m_id = id.value();
    if (!m_listening) {
        QTimer::singleShot(0, this, &Notifier::finished);
    }
    return true;
}

void Notifier::onActionInvoked(uint id, const QString& actionKey)
{
    if (id == m_id && m_listening && actionKey == kOpenAction) {
        stopListening();
        Q_EMIT openRequested();
    }
}

void Notifier::onNotificationClosed(uint id, uint)
{
    if (id == m_id && m_listening) {
        stopListening();
        Q_EMIT finished();
    }
}

void Notifier::stopListening()
{
    if (!m_listening) {
        return;
    }
    m_listening = false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.disconnect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                   SLOT(onActionInvoked(uint, QString)));
    bus.disconnect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                   SLOT(onNotificationClosed(uint, uint)));
}

} // namespace plandeck
