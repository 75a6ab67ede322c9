#pragma once

// Session change notifications for this session only, in place of
// WTSRegisterSessionNotification(NOTIFY_FOR_THIS_SESSION): systemd-logind's signals over the
// system bus, sent to the recipient window as WM_WTSSESSION_CHANGE(reason, session id).
// Without a system bus or logind there are no session events, and Register says so.

#include "platform/win/WinTypes.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>


namespace quor::system {

class SessionNotifier : public QObject {
    Q_OBJECT

public:
    // What logind reports about the session.
    enum class SessionSignal {
        Lock,              // Session.Lock
        Unlock,            // Session.Unlock
        Activated,         // Session.Active became true (the seat switched to it)
        Deactivated,       // Session.Active became false
        ShutdownStarting,  // Manager.PrepareForShutdown(true): the user is being logged off
        ShutdownCancelled, // Manager.PrepareForShutdown(false)
        Removed,           // Manager.SessionRemoved of this session
    };

    // The WTS reason code a signal stands for.
    static win::WPARAM ReasonFor(SessionSignal signal);

    ~SessionNotifier() override;

    bool Register(win::HWND recipient);
    void Unregister();
    bool IsRegistered() const { return m_recipient != nullptr; }

private slots:
    void OnLock();
    void OnUnlock();
    void OnPropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);
    void OnPrepareForShutdown(bool starting);
    void OnSessionRemoved(const QString& id, const QDBusObjectPath& path);

private:
    enum class Subscription { Connect, Disconnect };
    void Subscribe(QDBusConnection& bus, Subscription what);
    void Send(SessionSignal signal);

    win::HWND m_recipient = nullptr;
    QString m_sessionPath;
    QString m_sessionId;
};

} // namespace quor::system
