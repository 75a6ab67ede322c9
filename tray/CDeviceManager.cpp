#include "tray/CDeviceManager.h"

#include "device/DeviceIds.h"
#include "device/IDeviceIdentity.h"
#include "device/IProfileProperties.h"
#include "device/ProfileProperty.h"
#include "platform/com/Com.h"

#include <algorithm>
#include <cstring>

using quor::com::ComPtr;

namespace {

// The service's texts are CoTaskMemAlloc memory: copied, then freed.
bool ReadProfileName(IProfile* profile, std::u16string& name)
{
    char16_t* text = nullptr;
    if (FAILED(profile->GetProfileName(&text)) || !text)
        return false;
    name = text;
    CoTaskMemFree(text);
    return true;
}

ComPtr<IProfileProperties> GetProperties(IProfile* profile)
{
    ComPtr<IProfileProperties> properties;
    if (FAILED(profile->GetInterface(IID_IProfileProperties, properties.PutVoid())))
        return nullptr;
    return properties;
}

// The program property; false when it cannot be read.
bool ReadProgram(IProfileProperties* properties, _Profile_Setting_& setting)
{
    char16_t buffer[PROFILE_PROGRAM_CHARS] = {};
    uint32_t bytes = PROFILE_PROGRAM_BYTES;
    if (FAILED(properties->GetValue(PROFILE_PROPERTY_PROGRAM, 0, buffer, 0, &bytes)))
        return false;
    if (bytes != 0) {
        // The service's text need not be terminated within the buffer.
        const size_t units = std::min<size_t>(bytes / sizeof(char16_t), PROFILE_PROGRAM_CHARS);
        setting.program.assign(buffer, std::find(buffer, buffer + units, u'\0'));
    }
    return true;
}

bool ReadFlags(IProfileProperties* properties, _Profile_Setting_& setting)
{
    uint16_t flags = 0;
    uint32_t bytes = sizeof flags;
    if (FAILED(properties->GetValue(PROFILE_PROPERTY_FLAGS, 0, &flags, 0, &bytes)))
        return false;
    if (bytes != 0) {
        setting.autoSwitch = (flags & PROFILE_FLAG_AUTO_SWITCH) ? 1 : 0;
        setting.sensitivityDisplay = (flags & PROFILE_FLAG_SENSITIVITY_DISPLAY) ? 1 : 0;
        setting.profileDisplay = (flags & PROFILE_FLAG_PROFILE_DISPLAY) ? 1 : 0;
    }
    return true;
}

// Calls visit with each profile in device order until it returns false or the list ends.
template <class Visit>
void ForEachProfile(IProfileManager* manager, Visit visit)
{
    for (uint32_t index = 0;; ++index) {
        ComPtr<IProfile> profile;
        if (FAILED(manager->GetProfileAt(index, profile.Put())) || !visit(profile.Get()))
            return;
    }
}

} // namespace

CDeviceManager::CDeviceManager()
{
    if (FAILED(CoCreateInstance(CLSID_QuorDeviceService, nullptr, CLSCTX_ALL, IID_IDeviceEnum, m_enum.PutVoid())))
        return;
    m_type = QUOR_DEVICE_TYPE;
    for (uint32_t index = 0;; ++index) {
        ComPtr<IDevice> device;
        if (FAILED(m_enum->GetDevice(index, device.Put())))
            break;
        ComPtr<IDeviceIdentity> identity;
        uint32_t value = 0;
        uint32_t type = 0;
        if (SUCCEEDED(device.As(IID_IDeviceIdentity, identity)) && SUCCEEDED(identity->GetIdentity(&value, &type))
            && type == m_type) {
            m_device = std::move(device);
            break;
        }
    }
}

CDeviceManager::~CDeviceManager() = default;

ComPtr<IProfileManager> CDeviceManager::GetProfileManager() const
{
    ComPtr<IProfileManager> manager;
    if (!m_device || FAILED(m_device->GetInterface(IID_IProfileManager, manager.PutVoid())))
        return nullptr;
    return manager;
}

ComPtr<IProfile> CDeviceManager::FindProfile(IProfileManager* manager, std::u16string_view name) const
{
    ComPtr<IProfile> found;
    ForEachProfile(manager, [&](IProfile* profile) {
        std::u16string profileName;
        if (ReadProfileName(profile, profileName) && profileName == name)
            found = ComPtr<IProfile>::Share(profile);
        return !found;
    });
    return found;
}

bool CDeviceManager::GetAllProfileSettings(std::vector<_Profile_Setting_>& settings)
{
    settings.clear();
    const ComPtr<IProfileManager> manager = GetProfileManager();
    if (!manager)
        return false;
    ForEachProfile(manager.Get(), [&](IProfile* profile) {
        _Profile_Setting_ setting;
        ReadProfileName(profile, setting.name);
        if (const ComPtr<IProfileProperties> properties = GetProperties(profile)) {
            ReadProgram(properties.Get(), setting);
            ReadFlags(properties.Get(), setting);
            settings.push_back(std::move(setting));
        }
        return true;
    });
    return true;
}

bool CDeviceManager::GetProfileNames(std::vector<std::u16string>& names)
{
    names.clear();
    const ComPtr<IProfileManager> manager = GetProfileManager();
    if (!manager)
        return false;
    ForEachProfile(manager.Get(), [&](IProfile* profile) {
        std::u16string name;
        if (ReadProfileName(profile, name))
            names.push_back(std::move(name));
        return true;
    });
    return true;
}

bool CDeviceManager::GetProfileSetting(std::u16string_view name, _Profile_Setting_& setting)
{
    const ComPtr<IProfileManager> manager = GetProfileManager();
    if (!manager)
        return false;
    // A match whose properties cannot be reached is passed over; a later profile of the same
    // name may still answer.
    bool read = false;
    ForEachProfile(manager.Get(), [&](IProfile* profile) {
        std::u16string profileName;
        if (!ReadProfileName(profile, profileName) || profileName != name)
            return true;
        const ComPtr<IProfileProperties> properties = GetProperties(profile);
        if (!properties)
            return true;
        setting.name = profileName;
        read = ReadProgram(properties.Get(), setting) && ReadFlags(properties.Get(), setting);
        return false;
    });
    return read;
}

bool CDeviceManager::GetActiveProfileName(std::u16string& name)
{
    const ComPtr<IProfileManager> manager = GetProfileManager();
    ComPtr<IProfile> profile;
    if (!manager || FAILED(manager->GetCurrentProfile(profile.Put())) || !profile)
        return false;
    return ReadProfileName(profile.Get(), name);
}

bool CDeviceManager::SetActiveProfileByName(std::u16string_view name)
{
    const ComPtr<IProfileManager> manager = GetProfileManager();
    if (!manager)
        return false;
    const ComPtr<IProfile> profile = FindProfile(manager.Get(), name);
    return profile && SUCCEEDED(manager->SetCurrentProfile(profile.Get()));
}

std::unique_ptr<CDpiEventConnection> CDeviceManager::ConnectDpiEvents(IDpiEventHandler* handler)
{
    const ComPtr<IProfileManager> manager = GetProfileManager();
    ComPtr<IProfile> profile;
    ComPtr<IDPI> dpi;
    if (!manager || FAILED(manager->GetCurrentProfile(profile.Put())) || !profile
        || FAILED(profile->GetInterface(IID_IDPI, dpi.PutVoid())))
        return nullptr;
    auto connection = std::make_unique<CDpiEventConnection>(dpi.Get(), handler);
    // A subscription that receives nothing would keep the tray "connected" and deaf.
    return connection->IsAdvised() ? std::move(connection) : nullptr;
}

std::unique_ptr<CProfileEventConnection> CDeviceManager::ConnectProfileEvents(IProfileEventHandler* handler)
{
    const ComPtr<IProfileManager> manager = GetProfileManager();
    if (!manager)
        return nullptr;
    auto connection = std::make_unique<CProfileEventConnection>(manager.Get(), handler);
    return connection->IsAdvised() ? std::move(connection) : nullptr;
}

bool CDeviceManager::SetProgramName(std::u16string_view name, std::u16string_view program)
{
    const ComPtr<IProfileManager> manager = GetProfileManager();
    const ComPtr<IProfile> profile = manager ? FindProfile(manager.Get(), name) : nullptr;
    const ComPtr<IProfileProperties> properties = profile ? GetProperties(profile.Get()) : nullptr;
    if (!properties)
        return false;
    char16_t buffer[PROFILE_PROGRAM_CHARS] = {};
    const size_t units = std::min<size_t>(program.size(), PROFILE_PROGRAM_CHARS - 1);
    std::copy_n(program.data(), units, buffer);
    return SUCCEEDED(properties->SetValue(PROFILE_PROPERTY_PROGRAM, buffer, 0, PROFILE_PROGRAM_BYTES, 0));
}

bool CDeviceManager::WriteFlag(IProfile* profile, uint16_t bit, uint32_t value) const
{
    const ComPtr<IProfileProperties> properties = GetProperties(profile);
    if (!properties)
        return false;
    const uint16_t data[2] = {bit, static_cast<uint16_t>(value != 0 ? 1 : 0)};
    return SUCCEEDED(properties->SetValue(PROFILE_PROPERTY_FLAGS, data, 0, sizeof data, 0));
}

bool CDeviceManager::SetAutoSwitchFlag(std::u16string_view name, bool value)
{
    const ComPtr<IProfileManager> manager = GetProfileManager();
    const ComPtr<IProfile> profile = manager ? FindProfile(manager.Get(), name) : nullptr;
    return profile && WriteFlag(profile.Get(), PROFILE_FLAG_AUTO_SWITCH, value ? 1 : 0);
}

bool CDeviceManager::SetProfileFlags(const _Profile_Setting_& setting)
{
    const ComPtr<IProfileManager> manager = GetProfileManager();
    const ComPtr<IProfile> profile = manager ? FindProfile(manager.Get(), setting.name) : nullptr;
    return profile && WriteFlag(profile.Get(), PROFILE_FLAG_AUTO_SWITCH, setting.autoSwitch)
        && WriteFlag(profile.Get(), PROFILE_FLAG_SENSITIVITY_DISPLAY, setting.sensitivityDisplay)
        && WriteFlag(profile.Get(), PROFILE_FLAG_PROFILE_DISPLAY, setting.profileDisplay);
}
