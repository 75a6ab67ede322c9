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

    bool WaitForChanges(const Recipient& recipient, size_t count)
    {
        return quor::test::WaitUntil([&] { return recipient.changes.size() >= count; }, std::chrono::seconds(5),
                                     [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 5); });
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

    ASSERT_TRUE(WaitForChanges(recipient, 6));
    const std::vector<std::pair<WPARAM, LPARAM>> expected{
        {WTS_SESSION_LOCK, 7},       {WTS_SESSION_UNLOCK, 7}, {WTS_CONSOLE_DISCONNECT, 7},
        {WTS_CONSOLE_CONNECT, 7},    {WTS_SESSION_LOGOFF, 7}, {WTS_SESSION_LOGOFF, 7},
    };
    EXPECT_EQ(recipient.changes, expected);

    // Unregistered, nothing more arrives; a later signal proves the bus delivered meanwhile.
    notifier.Unregister();
    Recipient later;
    SessionNotifier other;
    ASSERT_TRUE(other.Register(&later));
    Emit(kSessionPath, session, QStringLiteral("Lock"));
    ASSERT_TRUE(WaitForChanges(later, 1));
    EXPECT_EQ(recipient.changes.size(), expected.size());
}

} // namespace

#include "SessionNotifierTest.moc"
