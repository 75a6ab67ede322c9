#pragma once

// What a background write and its owner share. The writer thread owns a reference to it (and,
// through it, to the device it writes), so the owner may go away without freeing anything the
// thread still uses.
//
// The writer touches the store and the device only inside steps (Step), each under stepMutex;
// an owner that gives the writer up (Abandon) waits for the running step to end, and the writer
// then stops before its next step. Done is set by the writer's completion, last of all that
// touches the owner's world.

#include <chrono>
#include <condition_variable>
#include <mutex>

class WriterState {
public:
    // Ends the step lock holds, if any, and holds the step mutex for the next one in it; false
    // (lock released) when the owner gave the writer up.
    bool Step(std::unique_lock<std::mutex>& lock)
    {
        if (lock.owns_lock())
            lock.unlock();
        lock = std::unique_lock(m_stepMutex);
        if (m_abandoned) {
            lock.unlock();
            return false;
        }
        return true;
    }

    // After this returns the writer touches neither the store nor the owner again.
    void Abandon()
    {
        std::lock_guard lock(m_stepMutex);
        m_abandoned = true;
    }

    // The pause after a write; it ends early once the owner no longer needs it.
    void Pause(std::chrono::milliseconds length)
    {
        std::unique_lock lock(m_doneMutex);
        m_doneChanged.wait_for(lock, length, [this] { return m_pauseEnded; });
    }
    void EndPause()
    {
        {
            std::lock_guard lock(m_doneMutex);
            m_pauseEnded = true;
        }
        m_doneChanged.notify_all();
    }

    void MarkDone()
    {
        {
            std::lock_guard lock(m_doneMutex);
            m_done = true;
        }
        m_doneChanged.notify_all();
    }
    bool IsDone() const
    {
        std::lock_guard lock(m_doneMutex);
        return m_done;
    }
    // True when the writer completed within the timeout.
    bool WaitDone(std::chrono::milliseconds timeout)
    {
        std::unique_lock lock(m_doneMutex);
        return m_doneChanged.wait_for(lock, timeout, [this] { return m_done; });
    }

private:
    std::mutex m_stepMutex;
    bool m_abandoned = false;
    mutable std::mutex m_doneMutex;
    std::condition_variable m_doneChanged;
    bool m_done = false;
    bool m_pauseEnded = false;
};
