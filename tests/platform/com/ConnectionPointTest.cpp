#include "platform/com/Com.h"
#include "platform/com/ConnectionPoint.h"
#include "support/WaitUntil.h"
#include "TestSink.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using quor::com::ComPtr;
using quor::com::ConnectionPoint;
using quor::test::IID_ITestEvents;
using quor::test::ITestEvents;
using quor::test::TestSink;

void FireValue(ConnectionPoint& point, int value)
{
    point.Fire([value](IUnknown* sink) { static_cast<ITestEvents*>(sink)->OnValue(value); });
}

class ConnectionPointTest : public testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override
    {
        m_sink->Release();
        CoUninitialize();
    }

    ComPtr<ConnectionPoint> m_point = ConnectionPoint::Create(IID_ITestEvents, nullptr);
    TestSink* m_sink = new TestSink;
};

TEST_F(ConnectionPointTest, EventsFromAnotherThreadRunOnlyOnTheAdvisingThreadWhenItPumps)
{
    DWORD cookie = 0;
    ASSERT_EQ(m_point->Advise(m_sink, &cookie), S_OK);
    EXPECT_EQ(m_sink->ReferenceCount(), 2u);

    std::thread([&] {
        for (int value = 1; value <= 3; ++value)
            FireValue(*m_point, value);
    }).join();
    EXPECT_TRUE(m_sink->values.empty()); // nothing runs behind the thread's back

    EXPECT_EQ(CoPumpApartment(), 3u);
    EXPECT_EQ(m_sink->values, (std::vector<int>{1, 2, 3}));
    for (auto thread : m_sink->threads)
        EXPECT_EQ(thread, std::this_thread::get_id());

    EXPECT_EQ(m_point->Unadvise(cookie), S_OK);
    EXPECT_EQ(m_sink->ReferenceCount(), 1u);
    EXPECT_EQ(m_point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
}

TEST_F(ConnectionPointTest, WaitingWakesWhenAnotherThreadFires)
{
    DWORD cookie = 0;
    ASSERT_EQ(m_point->Advise(m_sink, &cookie), S_OK);
    std::thread firer([&] { FireValue(*m_point, 7); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (m_sink->values.empty() && std::chrono::steady_clock::now() < deadline)
        CoWaitAndPumpApartment(std::chrono::seconds(5));
    firer.join();
    EXPECT_EQ(m_sink->values, std::vector<int>{7});
    m_point->Unadvise(cookie);
}

TEST_F(ConnectionPointTest, UnadviseFromInsideAnEventStopsTheQueuedRest)
{
    DWORD cookie = 0;
    ASSERT_EQ(m_point->Advise(m_sink, &cookie), S_OK);
    m_sink->onValue = [&](int) { EXPECT_EQ(m_point->Unadvise(cookie), S_OK); };
    FireValue(*m_point, 1);
    FireValue(*m_point, 2);
    CoPumpApartment();
    EXPECT_EQ(m_sink->values, std::vector<int>{1});
    EXPECT_EQ(m_sink->ReferenceCount(), 1u);
}

TEST_F(ConnectionPointTest, ReleasingThePointWithQueuedEventsDropsThemAndReleasesTheSink)
{
    DWORD cookie = 0;
    ASSERT_EQ(m_point->Advise(m_sink, &cookie), S_OK);
    FireValue(*m_point, 1);
    m_point.Reset();
    CoPumpApartment();
    EXPECT_TRUE(m_sink->values.empty());
    EXPECT_EQ(m_sink->ReferenceCount(), 1u);
}

TEST_F(ConnectionPointTest, SinkOfAnotherThreadIsReleasedThereAndNeverCalledHere)
{
    std::atomic<bool> advised = false;
    std::atomic<bool> fired = false;
    std::atomic<bool> received = false;
    std::atomic<bool> released = false;
    std::thread owner([&] {
        CoInitialize(nullptr);
        DWORD cookie = 0;
        EXPECT_EQ(m_point->Advise(m_sink, &cookie), S_OK);
        advised = true;
        quor::test::WaitUntil([&] { return fired.load(); });
        CoPumpApartment();
        EXPECT_EQ(m_sink->values, std::vector<int>{5});
        received = true;
        // Unadvised from the main thread: the release comes here, through the queue.
        quor::test::WaitUntil([&] { return m_sink->ReferenceCount() == 1u; }, std::chrono::seconds(5),
                              [] { CoPumpApartment(); });
        released = m_sink->ReferenceCount() == 1u;
        CoUninitialize();
    });
    ASSERT_TRUE(quor::test::WaitUntil([&] { return advised.load(); }));
    FireValue(*m_point, 5);
    CoPumpApartment(); // this thread's apartment has nothing of the sink
    fired = true;
    ASSERT_TRUE(quor::test::WaitUntil([&] { return received.load(); }));
    EXPECT_EQ(m_point->Unadvise(1), S_OK);
    owner.join();
    EXPECT_TRUE(released);
}

TEST_F(ConnectionPointTest, ASinksLastReleaseIsNotLostWhenItsThreadUninitializesWithoutPumping)
{
    std::atomic<bool> advised = false;
    std::atomic<bool> unadvised = false;
    std::thread owner([&] {
        CoInitialize(nullptr);
        DWORD cookie = 0;
        EXPECT_EQ(m_point->Advise(m_sink, &cookie), S_OK);
        advised = true;
        quor::test::WaitUntil([&] { return unadvised.load(); });
        FireValue(*m_point, 1); // no sink any more: nothing queued
        CoUninitialize();       // the queued release runs here
        EXPECT_EQ(m_sink->ReferenceCount(), 1u);
    });
    ASSERT_TRUE(quor::test::WaitUntil([&] { return advised.load(); }));
    EXPECT_EQ(m_point->Unadvise(1), S_OK);
    unadvised = true;
    owner.join();
    EXPECT_TRUE(m_sink->values.empty());
}

TEST_F(ConnectionPointTest, AdviseRefusesMissingOrWrongSinks)
{
    struct Stranger : IUnknown {
        HRESULT QueryInterface(REFIID, void** object) override
        {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        ULONG AddRef() override { return 2; }
        ULONG Release() override { return 1; }
    } stranger;
    DWORD cookie = 0;
    EXPECT_EQ(m_point->Advise(nullptr, &cookie), E_POINTER);
    EXPECT_EQ(m_point->Advise(&stranger, &cookie), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(m_point->Advise(m_sink, nullptr), E_POINTER);
    IID iid;
    EXPECT_EQ(m_point->GetConnectionInterface(&iid), S_OK);
    EXPECT_EQ(iid, IID_ITestEvents);
    IConnectionPointContainer* container = nullptr;
    EXPECT_EQ(m_point->GetConnectionPointContainer(&container), E_FAIL);
}

TEST_F(ConnectionPointTest, SinksOfAThreadThatEndedAreSkipped)
{
    std::thread([&] {
        DWORD cookie = 0;
        EXPECT_EQ(m_point->Advise(m_sink, &cookie), S_OK); // no CoInitialize: an apartment is made
    }).join();
    FireValue(*m_point, 1);
    CoPumpApartment();
    EXPECT_TRUE(m_sink->values.empty());
    m_point.Reset();
    EXPECT_EQ(m_sink->ReferenceCount(), 1u);
}

} // namespace
