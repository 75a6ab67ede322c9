#pragma once

// An owning interface pointer: releases what it holds. Not a Windows name; a convenience for
// our own code.

#include "platform/com/IUnknown.h"

#include <utility>

namespace quor::com {

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes over a reference the caller owns.
    static ComPtr Adopt(T* pointer)
    {
        ComPtr result;
        result.m_pointer = pointer;
        return result;
    }
    // Adds a reference of its own.
    static ComPtr Share(T* pointer)
    {
        if (pointer)
            pointer->AddRef();
        return Adopt(pointer);
    }
    ComPtr(const ComPtr& other) : m_pointer(other.m_pointer)
    {
        if (m_pointer)
            m_pointer->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : m_pointer(std::exchange(other.m_pointer, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept
    {
        std::swap(m_pointer, other.m_pointer);
        return *this;
    }
    ~ComPtr() { Reset(); }

    void Reset()
    {
        if (T* pointer = std::exchange(m_pointer, nullptr))
            pointer->Release();
    }
    T* Get() const { return m_pointer; }
    T* operator->() const { return m_pointer; }
    T& operator*() const { return *m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }
    // Releases what it holds and gives the slot to an out parameter.
    T** Put()
    {
        Reset();
        return &m_pointer;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    T* Detach() { return std::exchange(m_pointer, nullptr); }

    template <typename U>
    HRESULT As(REFIID iid, ComPtr<U>& out) const
    {
        if (!m_pointer)
            return E_POINTER;
        return m_pointer->QueryInterface(iid, out.PutVoid());
    }

private:
    T* m_pointer = nullptr;
};

} // namespace quor::com
