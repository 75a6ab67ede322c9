#include "platform/system/SessionNotifier.h"

#include "platform/win/SystemMessages.h"
#include "platform/win/WindowApi.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusInterface>

#include <unistd.h>

namespace quor::system {

namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString kSessionInterface = QStringLiteral("org.freedesktop.login1.Session");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

// The session this process belongs to: the one the environment names, else by process id.
QString FindSessionPath(QDBusInterface& manager)
{
    const QString id = qEnvironmentVariable("XDG_SESSION_ID");
    if (!id.isEmpty()) {
        const QDBusReply<QDBusObjectPath> reply = manager.call(QStringLiteral("GetSession"), id);
        if (reply.isValid())
            return reply.value().path();
    }
    const QDBusReply<QDBusObjectPath> reply =
        manager.call(QStringLiteral("GetSessionByPID"), static_cast<uint>(getpid()));
    return reply.isValid() ? reply.value().path() : QString();
}

} // namespace

win::WPARAM SessionNotifier::ReasonFor(SessionSignal signal)
{
    switch (signal) {
    case SessionSignal::Lock: return win::WTS_SESSION_LOCK;
    case SessionSignal::Unlock: return win::WTS_SESSION_UNLOCK;
    case SessionSignal::Activated: return win::WTS_CONSOLE_CONNECT;
    case SessionSignal::Deactivated: return win::WTS_CONSOLE_DISCONNECT;
    case SessionSignal::ShutdownStarting: return win::WTS_SESSION_LOGOFF;
    case SessionSignal::ShutdownCancelled: return win::WTS_SESSION_LOGON;
    case SessionSignal::Removed: return win::WTS_SESSION_LOGOFF;
    }
    return 0;
}

SessionNotifier::~SessionNotifier()
{
    Unregister();
}

bool SessionNotifier::Register(win::HWND recipient)
{
    Unregister();
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    QDBusInterface manager(kService, kManagerPath, kManagerInterface, bus);
    if (!manager.isValid())
        return false;
    const QString path = FindSessionPath(manager);
    if (path.isEmpty())
        return false;
    QDBusInterface session(kService, path, kSessionInterface, bus);
    m_sessionId = session.property("Id").toString();
    m_sessionPath = path;
    Subscribe(bus, Subscription::Connect);
    m_recipient = recipient;
    return true;
}

void SessionNotifier::Unregister()
{
    if (!m_recipient)
        return;
    QDBusConnection bus = QDBusConnection::systemBus();
    Subscribe(bus, Subscription::Disconnect);
    m_recipient = nullptr;
    m_sessionPath.clear();
    m_sessionId.clear();
}

void SessionNotifier::Subscribe(QDBusConnection& bus, Subscription what)
{
    struct Signal {
        bool ofSession;
        const QString& interface;
        const char* name;
        const char* slot;
    };
    const Signal table[] = {
        {true, kSessionInterface, "Lock", SLOT(OnLock())},
        {true, kSessionInterface, "Unlock", SLOT(OnUnlock())},
        {true, kPropertiesInterface, "PropertiesChanged", SLOT(OnPropertiesChanged(QString, QVariantMap, QStringList))},
        {false, kManagerInterface, "PrepareForShutdown", SLOT(OnPrepareForShutdown(bool))},
        {false, kManagerInterface, "SessionRemoved", SLOT(OnSessionRemoved(QString, QDBusObjectPath))},
    };
    for (const Signal& signal : table) {
        const QString& path = signal.ofSession ? m_sessionPath : kManagerPath;
        const QString name = QString::fromLatin1(signal.name);
        if (what == Subscription::Connect)
            bus.connect(kService, path, signal.interface, name, this, signal.slot);
        else
            bus.disconnect(kService, path, signal.interface, name, this, signal.slot);
    }
}

void SessionNotifier::OnLock()
{
    Send(SessionSignal::Lock);
}

void SessionNotifier::OnUnlock()
{
    Send(SessionSignal::Unlock);
}

void SessionNotifier::OnPropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&)
{
    const auto active = changed.constFind(QStringLiteral("Active"));
    if (interface == kSessionInterface && active != changed.constEnd())
        Send(active->toBool() ? SessionSignal::Activated : SessionSignal::Deactivated);
}

void SessionNotifier::OnPrepareForShutdown(bool starting)
{
    Send(starting ? SessionSignal::ShutdownStarting : SessionSignal::ShutdownCancelled);
}

void SessionNotifier::OnSessionRemoved(const QString& id, const QDBusObjectPath&)
{
    if (id == m_sessionId)
        Send(SessionSignal::Removed);
}

void SessionNotifier::Send(SessionSignal signal)
{
    // logind's session ids are decimal for seat sessions ("2"), text otherwise ("c1"): 0 then.
    win::SendMessage(m_recipient, win::WM_WTSSESSION_CHANGE, ReasonFor(signal),
                     static_cast<win::LPARAM>(m_sessionId.toLongLong()));
}

} // namespace quor::system
