#pragma once

// An event sink for the connection-point tests: counts its events and the threads they ran on.

#include "platform/com/ComObject.h"

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace quor::test {

// {6A1A0E55-2B0C-4C3B-9E3F-0D0E4B7C1A01}
inline constexpr IID IID_ITestEvents{0x6A1A0E55, 0x2B0C, 0x4C3B, {0x9E, 0x3F, 0x0D, 0x0E, 0x4B, 0x7C, 0x1A, 0x01}};

struct ITestEvents : IUnknown {
    virtual HRESULT OnValue(int value) = 0;

protected:
    ~ITestEvents() = default;
};

class TestSink final : public quor::com::ComObject<ITestEvents> {
public:
    HRESULT OnValue(int value) override
    {
        values.push_back(value);
        threads.push_back(std::this_thread::get_id());
        if (onValue)
            onValue(value);
        return S_OK;
    }

    // Touched only on the advising thread, which is what the tests check.
    std::vector<int> values;
    std::vector<std::thread::id> threads;
    std::function<void(int)> onValue;

private:
    void* Find(REFIID iid) override { return iid == IID_ITestEvents ? static_cast<ITestEvents*>(this) : nullptr; }
};

} // namespace quor::test
