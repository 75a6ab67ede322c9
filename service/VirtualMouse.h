#pragma once

// The virtual mouse: the device's memory in the store, and what the device does with it. Each
// operation is one transaction; changes of the current profile and of a profile's current
// sensitivity, and plugging, are logged as events in the same transaction. Thread-safe.
//
// The device service's objects use one shared instance per store file (Shared), which refuses
// device calls while the mouse is plugged out; quorctl opens its own with Presence::Ignored, as
// it acts on the mouse itself.

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"
#include "service/DeviceEvent.h"
#include "service/DeviceSnapshot.h"
#include "service/DeviceStore.h"
#include "service/MacroState.h"
#include "service/ProfileState.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace quor::service {

class EventDispatcher;

class VirtualMouse {
public:
    enum class Presence { Required, Ignored };

    static HRESULT Open(const std::filesystem::path& path, Presence presence, std::shared_ptr<VirtualMouse>& mouse);
    // The process's instance for DeviceStore::DefaultPath(), for the service objects.
    static HRESULT Shared(std::shared_ptr<VirtualMouse>& mouse);

    ~VirtualMouse();

    const std::filesystem::path& Path() const { return m_store->Path(); }

    // Device
    HRESULT IsPlugged(bool& plugged);
    HRESULT SetPlugged(bool plugged);
    HRESULT Reset();
    HRESULT Snapshot(DeviceSnapshot& snapshot);

    // Profiles
    HRESULT ProfileAt(uint32_t index, GUID& id);
    HRESULT HasProfile(REFGUID id);
    HRESULT FindProfileByName(std::u16string_view name, GUID& id);
    HRESULT CurrentProfile(GUID& id);
    HRESULT SetCurrentProfile(REFGUID id);
    HRESULT CreateProfile(GUID& id);
    HRESULT RemoveProfile(REFGUID id);
    HRESULT ReadProfile(REFGUID id, ProfileState& profile);
    // Changes one profile; logs a sensitivity event when its current sensitivity changed.
    HRESULT EditProfile(REFGUID id, const std::function<HRESULT(ProfileState&)>& edit);

    // Device-wide settings
    HRESULT GetAcceleration(bool& enabled, int32_t& level);
    HRESULT SetAccelerationEnabled(bool enabled);
    HRESULT SetAccelerationLevel(int32_t level);
    HRESULT GetPollingInterval(uint32_t& interval);
    HRESULT SetPollingInterval(uint32_t interval);

    // Macros
    HRESULT MacroAt(uint32_t index, GUID& id);
    HRESULT HasMacro(REFGUID id);
    HRESULT CreateMacro(GUID& id);
    HRESULT RemoveMacro(REFGUID id);
    HRESULT ReadMacro(REFGUID id, MacroState& macro);
    HRESULT EditMacro(REFGUID id, const std::function<HRESULT(MacroState&)>& edit);

    // Import and export files; an import adds a new profile or macro with a new id.
    HRESULT ImportProfile(const std::filesystem::path& file, GUID& id);
    HRESULT ExportProfile(REFGUID id, const std::filesystem::path& file);
    HRESULT ImportMacro(const std::filesystem::path& file, GUID& id);
    HRESULT ExportMacro(REFGUID id, const std::filesystem::path& file);

    // Acts as the mouse does when a button (model number) or thumb key (scan code) is pressed,
    // following its assignment in the current profile; outcome says what it did.
    HRESULT PressButton(uint32_t button, std::string& outcome);
    HRESULT PressKey(uint32_t scanCode, std::string& outcome);

    // The event log: entries after a sequence number, and the last number.
    HRESULT EventsAfter(int64_t sequence, std::vector<DeviceEvent>& events);
    HRESULT LastEventSequence(int64_t& sequence);

    // Delivers logged events to this process's connection points; made on first use.
    EventDispatcher& Dispatcher();

private:
    VirtualMouse(std::unique_ptr<DeviceStore> store, Presence presence);
    HRESULT Run(DeviceStore::Access access, const std::function<HRESULT(sqlite3*)>& body);
    HRESULT Press(const DeviceAssignment* (*find)(const ProfileState&, uint32_t), uint32_t what, std::string& outcome);

    std::unique_ptr<DeviceStore> m_store;
    const Presence m_presence = Presence::Required;
    std::mutex m_dispatcherMutex;
    std::unique_ptr<EventDispatcher> m_dispatcher;
};

} // namespace quor::service
