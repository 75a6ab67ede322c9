// Session notifications over a private message bus with a stand-in for logind: logind itself
// cannot run in a test, its signals and methods are what the notifier depends on.

#include "platform/system/SessionNotifier.h"
#include "platform/win/MessageWindow.h"
#include "platform/win/SystemMessages.h"
#include "support/WaitUntil.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcess>
#include <QThread>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

using namespace quor::win;
using quor::system::SessionNotifier;

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kSessionPath = QStringLiteral("/org/freedesktop/login1/session/_37");

class FakeSession : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Session")
    Q_PROPERTY(QString Id READ Id)

public:
    QString Id() const { return QStringLiteral("7"); }
};

class FakeManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public slots:
    QDBusObjectPath GetSession(const QString& id)
    {
        return QDBusObjectPath(id == QStringLiteral("7") ? kSessionPath : QStringLiteral("/none"));
    }
    QDBusObjectPath GetSessionByPID(uint) { return QDBusObjectPath(kSessionPath); }
};

class Recipient : public MessageWindow<QWidget> {
public:
    std::vector<std::pair<WPARAM, LPARAM>> changes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_WTSSESSION_CHANGE)
            changes.emplace_back(wParam, lParam);
        return 0;
    }
};

class SessionNotifierTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_daemon = new QProcess;
        s_daemon->start(QStringLiteral("dbus-daemon"),
                        {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        ASSERT_TRUE(s_daemon->waitForStarted());
        ASSERT_TRUE(s_daemon->waitForReadyRead(10000));
        const QByteArray address = s_daemon->readLine().trimmed();
        // The notifier's system bus is this private one.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);
        qputenv("XDG_SESSION_ID", "7");
        s_logind = new QDBusConnection(QDBusConnection::connectToBus(QString::fromLatin1(address), QStringLiteral("logind")));
        ASSERT_TRUE(s_logind->isConnected());
        // The stand-in answers from a thread of its own, as logind would from its process, while
        // this thread waits for the answers.
        s_thread = new QThread;
        s_thread->start();
        s_manager = new FakeManager;
        s_session = new FakeSession;
        s_manager->moveToThread(s_thread);
        s_session->moveToThread(s_thread);
        s_logind->registerObject(kManagerPath, s_manager, QDBusConnection::ExportAllSlots);
        s_logind->registerObject(kSessionPath, s_session, QDBusConnection::ExportAllProperties);
        ASSERT_TRUE(s_logind->registerService(kService));
    }
    static void TearDownTestSuite()
    {
        delete s_logind;
        QDBusConnection::disconnectFromBus(QStringLiteral("logind"));
        s_thread->quit();
        s_thread->wait();
        delete s_manager;
        delete s_session;
        delete s_thread;
        s_daemon->kill();
        s_daemon->waitForFinished();
        delete s_daemon;
    }

    static void Emit(const QString& path, const QString& interface, const QString& name, const QVariantList& arguments = {})
    {
        QDBusMessage signal = QDBusMessage::createSignal(path, interface, name);
        signal.setArguments(arguments);
        ASSERT_TRUE(s_logind->send(signal));
    }

    static bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds deadline = std::chrono::seconds(5))
    {
        return quor::test::WaitUntil(condition, deadline, [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); });
    }

    // The bus may take the notifier's match rules only after Register returns, and a signal
    // sent before that is lost, not late. So lock until one lock arrives: from then on every
    // signal is seen, and locks still in flight arrive before anything sent later.
    static bool WaitUntilSubscribed(const Recipient& recipient)
    {
        for (int attempt = 0; attempt < 50; ++attempt) {
            Emit(kSessionPath, QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Lock"));
            if (WaitFor([&] { return !recipient.changes.empty(); }, std::chrono::milliseconds(200)))
                return true;
        }
        return false;
    }

    static inline QProcess* s_daemon = nullptr;
    static inline QDBusConnection* s_logind = nullptr;
    static inline QThread* s_thread = nullptr;
    static inline FakeManager* s_manager = nullptr;
    static inline FakeSession* s_session = nullptr;
};

TEST_F(SessionNotifierTest, LogindSignalsOfThisSessionArriveAsSessionChanges)
{
    Recipient recipient;
    SessionNotifier notifier;
    ASSERT_TRUE(notifier.Register(&recipient));
    ASSERT_TRUE(WaitUntilSubscribed(recipient));
    const QString session = QStringLiteral("org.freedesktop.login1.Session");
    const QString manager = QStringLiteral("org.freedesktop.login1.Manager");
    const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");

    Emit(kSessionPath, session, QStringLiteral("Lock"));
    Emit(kSessionPath, session, QStringLiteral("Unlock"));
    Emit(kSessionPath, properties, QStringLiteral("PropertiesChanged"),
         {session, QVariantMap{{QStringLiteral("Active"), false}}, QStringList()});
    // Other properties, another session's signals and another session's removal are not ours.
    Emit(kSessionPath, properties, QStringLiteral("PropertiesChanged"),
         {session, QVariantMap{{QStringLiteral("IdleHint"), true}}, QStringList()});
    Emit(QStringLiteral("/org/freedesktop/login1/session/_38"), session, QStringLiteral("Lock"));
    Emit(kManagerPath, manager, QStringLiteral("SessionRemoved"),
         {QStringLiteral("8"), QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/freedesktop/login1/session/_38")))});
    Emit(kSessionPath, properties, QStringLiteral("PropertiesChanged"),
         {session, QVariantMap{{QStringLiteral("Active"), true}}, QStringList()});
    Emit(kManagerPath, manager, QStringLiteral("PrepareForShutdown"), {true});
    Emit(kManagerPath, manager, QStringLiteral("SessionRemoved"),
         {QStringLiteral("7"), QVariant::fromValue(QDBusObjectPath(kSessionPath))});

    const std::vector<std::pair<WPARAM, LPARAM>> expected{
        {WTS_SESSION_LOCK, 7},       {WTS_SESSION_UNLOCK, 7}, {WTS_CONSOLE_DISCONNECT, 7},
        {WTS_CONSOLE_CONNECT, 7},    {WTS_SESSION_LOGOFF, 7}, {WTS_SESSION_LOGOFF, 7},
    };
    // The subscription's own locks come first; the signals above follow in order.
    const auto endsAsExpected = [&] {
        return recipient.changes.size() >= expected.size() &&
               std::equal(expected.begin(), expected.end(), recipient.changes.end() - ptrdiff_t(expected.size()));
    };
    EXPECT_TRUE(WaitFor(endsAsExpected)) << recipient.changes.size() << " changes";
    for (size_t i = 0; i + expected.size() < recipient.changes.size(); ++i)
        EXPECT_EQ(recipient.changes[i], (std::pair<WPARAM, LPARAM>{WTS_SESSION_LOCK, 7}));

    // Unregistered, nothing more arrives; the new notifier's locks prove the bus delivered meanwhile.
    const size_t seen = recipient.changes.size();
    notifier.Unregister();
    Recipient later;
    SessionNotifier other;
    ASSERT_TRUE(other.Register(&later));
    ASSERT_TRUE(WaitUntilSubscribed(later));
    EXPECT_EQ(recipient.changes.size(), seen);
}

} // namespace

#include "SessionNotifierTest.moc"
