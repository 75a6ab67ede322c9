#include "platform/com/Com.h"
#include "platform/com/Guid.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using quor::com::GuidFromString;
using quor::com::GuidToString;

constexpr GUID kSample{0x12345678, 0x9ABC, 0xDEF0, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};

TEST(Guid, TextFormRoundTripsAndRejectsMalformedText)
{
    EXPECT_EQ(GuidToString(kSample), "{12345678-9ABC-DEF0-0123-456789ABCDEF}");
    EXPECT_EQ(GuidFromString("{12345678-9abc-def0-0123-456789abcdef}"), kSample);
    EXPECT_EQ(GuidFromString("12345678-9ABC-DEF0-0123-456789ABCDEF"), kSample);
    for (const char* bad : {"", "{12345678-9ABC-DEF0-0123-456789ABCDEF", "{12345678-9ABC-DEF0-0123-456789ABCDEG}",
                            "{123456789ABC-DEF0-0123-456789ABCDEF0}", "{12345678-9ABC-DEF0-0123-456789ABCDEF}x"})
        EXPECT_FALSE(GuidFromString(bad)) << bad;
}

TEST(Guid, NewGuidsDifferAndCompareByValue)
{
    const GUID a = quor::com::NewGuid();
    const GUID b = quor::com::NewGuid();
    EXPECT_NE(a, b);
    EXPECT_EQ(GuidFromString(GuidToString(a)), a);
    EXPECT_TRUE(IsEqualGUID(kSample, GUID(kSample)));
    EXPECT_LT(GUID_NULL, a);
}

struct Counter final : IUnknown {
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        *object = iid == IID_IUnknown ? this : nullptr;
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++references; }
    ULONG Release() override
    {
        const ULONG left = --references;
        if (!left)
            delete this;
        return left;
    }
    ULONG references = 1;
};

constexpr CLSID kCounterClass{0xAAAA0001, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8}};

HRESULT MakeCounter(IUnknown*, REFIID iid, void** object)
{
    auto* counter = new Counter;
    const HRESULT result = counter->QueryInterface(iid, object);
    counter->Release();
    return result;
}

TEST(CoCreateInstance, FindsRegisteredClassesOnly)
{
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(CoCreateInstance(kCounterClass, nullptr, CLSCTX_ALL, IID_IUnknown, &object), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(object, nullptr);

    ASSERT_EQ(CoRegisterClassFactory(kCounterClass, MakeCounter), S_OK);
    EXPECT_EQ(CoCreateInstance(kCounterClass, nullptr, 23, IID_IUnknown, &object), S_OK);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(static_cast<IUnknown*>(object)->Release(), 0u);

    Counter outer;
    EXPECT_EQ(CoCreateInstance(kCounterClass, &outer, CLSCTX_ALL, IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(CoCreateInstance(kCounterClass, nullptr, 0, IID_IUnknown, &object), E_INVALIDARG);
    EXPECT_EQ(CoCreateInstance(kCounterClass, nullptr, CLSCTX_ALL, IID_IUnknown, nullptr), E_POINTER);
    EXPECT_EQ(CoCreateInstance(kCounterClass, nullptr, CLSCTX_ALL, kSample, &object), E_NOINTERFACE);

    EXPECT_EQ(CoRevokeClassFactory(kCounterClass), S_OK);
    EXPECT_EQ(CoCreateInstance(kCounterClass, nullptr, CLSCTX_ALL, IID_IUnknown, &object), REGDB_E_CLASSNOTREG);
}

TEST(CoInitialize, NestsPerThread)
{
    std::thread([] {
        EXPECT_EQ(CoApartmentEventFd(), -1);
        EXPECT_EQ(CoInitialize(nullptr), S_OK);
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
        EXPECT_GE(CoApartmentEventFd(), 0);
        CoUninitialize();
        CoUninitialize();
        CoUninitialize(); // one too many is harmless
    }).join();
}

TEST(CoTaskMem, AllocatesAndFreesIncludingNull)
{
    void* memory = CoTaskMemAlloc(64);
    ASSERT_NE(memory, nullptr);
    CoTaskMemFree(memory);
    CoTaskMemFree(nullptr);
    void* empty = CoTaskMemAlloc(0);
    EXPECT_NE(empty, nullptr);
    CoTaskMemFree(empty);
}

} // namespace
