#pragma once

// Reference counting and QueryInterface for our own COM objects (the service's objects, event
// sinks). A class lists the interfaces it implements; Find answers for each of them (and
// IUnknown answers with the first). The count starts at 1: the maker holds the first reference.

#include "platform/com/IUnknown.h"

#include <atomic>
#include <new>

namespace quor::com {

template <typename First, typename... Rest>
class ComObject : public First, public Rest... {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = iid == IID_IUnknown ? static_cast<IUnknown*>(static_cast<First*>(this)) : Find(iid);
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override
    {
        const ULONG left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

    // The current count, for tests that check who still holds the object.
    ULONG ReferenceCount() const { return m_references; }

    // Makes an object and hands out the interface iid of it.
    template <typename Self, typename... Args>
    static HRESULT Make(REFIID iid, void** object, Args&&... args)
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        auto* made = new (std::nothrow) Self(std::forward<Args>(args)...);
        if (!made)
            return E_OUTOFMEMORY;
        const HRESULT result = made->QueryInterface(iid, object);
        made->Release();
        return result;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;
    virtual void* Find(REFIID iid) = 0;

private:
    std::atomic<ULONG> m_references = 1;
};

} // namespace quor::com
