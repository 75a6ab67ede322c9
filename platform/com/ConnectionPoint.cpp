#include "platform/com/ConnectionPoint.h"

#include "platform/com/Apartment.h"

#include <vector>

namespace quor::com {

struct ConnectionPoint::Connection {
    IUnknown* sink = nullptr; // one reference, released on the sink's own thread
    std::weak_ptr<Apartment> apartment;
    std::atomic<bool> active = true;
};

ComPtr<ConnectionPoint> ConnectionPoint::Create(REFIID eventIid, IConnectionPointContainer* container)
{
    return ComPtr<ConnectionPoint>::Adopt(new (std::nothrow) ConnectionPoint(eventIid, container));
}

ConnectionPoint::ConnectionPoint(REFIID eventIid, IConnectionPointContainer* container)
    : m_eventIid(eventIid), m_container(container)
{
}

ConnectionPoint::~ConnectionPoint()
{
    for (auto& [cookie, connection] : m_connections)
        Disconnect(connection);
}

void ConnectionPoint::Disconnect(const std::shared_ptr<Connection>& connection)
{
    connection->active = false;
    IUnknown* sink = connection->sink;
    auto apartment = connection->apartment.lock();
    if (apartment && !apartment->IsCurrentThread() && apartment->Post([sink] { sink->Release(); }, Apartment::Kind::Essential))
        return;
    // Our own thread, or the sink's thread has ended and nobody else can be calling it.
    sink->Release();
}

void ConnectionPoint::Fire(const std::function<void(IUnknown*)>& call)
{
    std::vector<std::shared_ptr<Connection>> targets;
    {
        std::lock_guard lock(m_mutex);
        for (auto& [cookie, connection] : m_connections)
            targets.push_back(connection);
    }
    for (auto& connection : targets) {
        auto apartment = connection->apartment.lock();
        if (!apartment)
            continue;
        apartment->Post([connection, call] {
            if (connection->active)
                call(connection->sink);
        });
    }
}

void ConnectionPoint::DetachContainer()
{
    std::lock_guard lock(m_mutex);
    m_container = nullptr;
}

size_t ConnectionPoint::SinkCount() const
{
    std::lock_guard lock(m_mutex);
    return m_connections.size();
}

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IConnectionPoint) {
        *object = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ConnectionPoint::AddRef() { return ++m_references; }

ULONG ConnectionPoint::Release()
{
    const ULONG left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid)
{
    if (!iid)
        return E_POINTER;
    *iid = m_eventIid;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container)
{
    if (!container)
        return E_POINTER;
    std::lock_guard lock(m_mutex);
    *container = m_container;
    if (!m_container)
        return E_FAIL;
    m_container->AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie)
{
    if (!cookie)
        return E_POINTER;
    *cookie = 0;
    if (!sink)
        return E_POINTER;
    void* eventInterface = nullptr;
    if (FAILED(sink->QueryInterface(m_eventIid, &eventInterface)) || !eventInterface)
        return CONNECT_E_CANNOTCONNECT;
    auto connection = std::make_shared<Connection>();
    connection->sink = static_cast<IUnknown*>(eventInterface);
    connection->apartment = Apartment::Current();
    {
        std::lock_guard lock(m_mutex);
        if (m_connections.size() < kMaxSinks) {
            *cookie = m_nextCookie++;
            m_connections.emplace(*cookie, connection);
            return S_OK;
        }
    }
    connection->sink->Release();
    return CONNECT_E_ADVISELIMIT;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie)
{
    std::shared_ptr<Connection> connection;
    {
        std::lock_guard lock(m_mutex);
        auto found = m_connections.find(cookie);
        if (found == m_connections.end())
            return CONNECT_E_NOCONNECTION;
        connection = std::move(found->second);
        m_connections.erase(found);
    }
    Disconnect(connection);
    return S_OK;
}

HRESULT ConnectionPoint::EnumConnections(void** connections)
{
    if (connections)
        *connections = nullptr;
    return E_NOTIMPL;
}

} // namespace quor::com
