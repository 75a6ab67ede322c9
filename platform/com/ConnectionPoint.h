#pragma once

// A ready-made IConnectionPoint for objects that raise events. Each advised sink is tied to the
// apartment of the thread that advised it: Fire queues the call there, so a sink is never
// called on a foreign thread. Unadvise (also from inside an event) stops queued calls to that
// sink; calls already queued hold the advise record, not the connection point, so releasing
// the point while events wait is safe.

#include "platform/com/ComPtr.h"
#include "platform/com/IConnectionPoint.h"
#include "platform/com/IConnectionPointContainer.h"

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

namespace quor::com {

class Apartment;

class ConnectionPoint final : public IConnectionPoint {
public:
    static constexpr size_t kMaxSinks = 64;

    // container is not owned: its owner calls DetachContainer before it goes away.
    static ComPtr<ConnectionPoint> Create(REFIID eventIid, IConnectionPointContainer* container);

    // Queues call(sink) to every sink advised now; sink is the event interface pointer.
    void Fire(const std::function<void(IUnknown* sink)>& call);
    void DetachContainer();
    size_t SinkCount() const;
    const IID& EventIid() const { return m_eventIid; }

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetConnectionInterface(IID* iid) override;
    HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT Unadvise(DWORD cookie) override;
    HRESULT EnumConnections(void** connections) override;

private:
    struct Connection;

    ConnectionPoint(REFIID eventIid, IConnectionPointContainer* container);
    ~ConnectionPoint();
    static void Disconnect(const std::shared_ptr<Connection>& connection);

    const IID m_eventIid;
    std::atomic<ULONG> m_references = 1;
    mutable std::mutex m_mutex;
    IConnectionPointContainer* m_container = nullptr;
    std::map<DWORD, std::shared_ptr<Connection>> m_connections;
    DWORD m_nextCookie = 1;
};

} // namespace quor::com
