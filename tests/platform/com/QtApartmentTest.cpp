#include "platform/com/Com.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/QtApartment.h"
#include "TestSink.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

namespace {

using quor::test::ITestEvents;

TEST(QtApartment, EventsFromAnotherThreadRunFromTheEventLoop)
{
    CoInitialize(nullptr);
    ASSERT_TRUE(quor::com::InstallQtApartmentPump());
    EXPECT_TRUE(quor::com::InstallQtApartmentPump()); // again is harmless
    auto point = quor::com::ConnectionPoint::Create(quor::test::IID_ITestEvents, nullptr);
    auto* sink = new quor::test::TestSink;
    DWORD cookie = 0;
    ASSERT_EQ(point->Advise(sink, &cookie), S_OK);

    QEventLoop loop;
    sink->onValue = [&](int) { loop.quit(); };
    QTimer::singleShot(5000, &loop, &QEventLoop::quit); // a deadline, not a wait
    std::thread firer([&] { point->Fire([](IUnknown* s) { static_cast<ITestEvents*>(s)->OnValue(3); }); });
    loop.exec();
    firer.join();

    EXPECT_EQ(sink->values, std::vector<int>{3});
    ASSERT_EQ(sink->threads.size(), 1u);
    EXPECT_EQ(sink->threads[0], std::this_thread::get_id());
    point->Unadvise(cookie);
    sink->Release();
    CoUninitialize();
}

} // namespace
