#include "platform/com/Com.h"

#include "platform/com/Apartment.h"

#include <cstdlib>
#include <map>
#include <mutex>

using quor::com::Apartment;

namespace {

std::mutex& ClassTableMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::map<CLSID, ClassFactoryFunction>& ClassTable()
{
    static std::map<CLSID, ClassFactoryFunction> table;
    return table;
}

thread_local int t_initializeCount = 0;

} // namespace

HRESULT CoInitialize(void* reserved) { return CoInitializeEx(reserved, COINIT_APARTMENTTHREADED); }

HRESULT CoInitializeEx(void*, DWORD)
{
    // Every thread gets a single-threaded apartment; a multithreaded request still works, as its
    // sinks are then simply called when the thread pumps.
    Apartment::Current();
    return t_initializeCount++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize()
{
    if (t_initializeCount == 0)
        return;
    if (--t_initializeCount == 0) {
        if (auto apartment = Apartment::Current(Apartment::Create::No))
            apartment->Clear();
    }
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    if ((context & CLSCTX_ALL) == 0)
        return E_INVALIDARG;
    ClassFactoryFunction factory = nullptr;
    {
        std::lock_guard lock(ClassTableMutex());
        auto found = ClassTable().find(clsid);
        if (found == ClassTable().end())
            return REGDB_E_CLASSNOTREG;
        factory = found->second;
    }
    return factory(nullptr, iid, object);
}

HRESULT CoRegisterClassFactory(REFCLSID clsid, ClassFactoryFunction factory)
{
    if (!factory)
        return E_INVALIDARG;
    std::lock_guard lock(ClassTableMutex());
    ClassTable()[clsid] = factory;
    return S_OK;
}

HRESULT CoRevokeClassFactory(REFCLSID clsid)
{
    std::lock_guard lock(ClassTableMutex());
    return ClassTable().erase(clsid) ? S_OK : REGDB_E_CLASSNOTREG;
}

void* CoTaskMemAlloc(size_t bytes) { return std::malloc(bytes ? bytes : 1); }

void CoTaskMemFree(void* memory) { std::free(memory); }

size_t CoPumpApartment()
{
    auto apartment = Apartment::Current(Apartment::Create::No);
    return apartment ? apartment->Pump() : 0;
}

size_t CoWaitAndPumpApartment(std::chrono::milliseconds timeout)
{
    auto apartment = Apartment::Current();
    return apartment->WaitAndPump(static_cast<int>(timeout.count()));
}

int CoApartmentEventFd()
{
    auto apartment = Apartment::Current(Apartment::Create::No);
    return apartment ? apartment->EventFd() : -1;
}
