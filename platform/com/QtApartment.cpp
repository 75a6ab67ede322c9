#include "platform/com/QtApartment.h"

#include "platform/com/Apartment.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>

#include <memory>

namespace quor::com {

namespace {
// On the application's thread the notifier is the application's child, so it goes before Qt
// does; on other threads it goes with the thread.
thread_local QPointer<QSocketNotifier> t_notifier;
thread_local std::unique_ptr<QSocketNotifier> t_ownedNotifier;
} // namespace

bool InstallQtApartmentPump()
{
    auto* application = QCoreApplication::instance();
    if (!application)
        return false;
    // The apartment lives as long as its thread, so its descriptor does too.
    const auto apartment = Apartment::Current();
    const int descriptor = apartment->EventFd();
    if (descriptor < 0)
        return false;
    if (t_notifier && t_notifier->socket() == descriptor)
        return true;
    auto* notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        if (auto current = Apartment::Current(Apartment::Create::No))
            current->Pump();
    });
    if (QThread::currentThread() == application->thread())
        notifier->setParent(application);
    else
        t_ownedNotifier.reset(notifier);
    t_notifier = notifier;
    return true;
}

} // namespace quor::com
