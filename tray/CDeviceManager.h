#pragma once

// One short use of the device service by the tray: made for a handler, used for one or two
// calls, deleted again. Construction creates the service and selects the first device of type
// 21; without one every operation gives false or none. Profile look-ups by name compare exactly,
// letter case included, and the first match in device order wins.

#include "device/IDevice.h"
#include "device/IDeviceEnum.h"
#include "device/IProfile.h"
#include "device/IProfileManager.h"
#include "platform/com/ComPtr.h"
#include "tray/CDpiEventConnection.h"
#include "tray/CProfileEventConnection.h"
#include "tray/_Profile_Setting_.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CDeviceManager {
public:
    CDeviceManager();
    virtual ~CDeviceManager();
    CDeviceManager(const CDeviceManager&) = delete;
    CDeviceManager& operator=(const CDeviceManager&) = delete;

    // Emptied, then one record per profile whose properties can be read, in device order; true
    // once the profile list was reached.
    virtual bool GetAllProfileSettings(std::vector<_Profile_Setting_>& settings);
    // Emptied, then every profile's name in device order; true once the profile list was reached.
    virtual bool GetProfileNames(std::vector<std::u16string>& names);
    // True when a profile of that name was found and its program and flags were read.
    virtual bool GetProfileSetting(std::u16string_view name, _Profile_Setting_& setting);
    virtual bool GetActiveProfileName(std::u16string& name);
    // True when a profile of that name exists and the device made it the active one.
    virtual bool SetActiveProfileByName(std::u16string_view name);
    // A subscription to the active profile's sensitivity events, or none.
    virtual std::unique_ptr<CDpiEventConnection> ConnectDpiEvents(IDpiEventHandler* handler);
    // A subscription to the device's profile events, or none.
    virtual std::unique_ptr<CProfileEventConnection> ConnectProfileEvents(IProfileEventHandler* handler);
    // At most 127 characters of the program file name are kept.
    virtual bool SetProgramName(std::u16string_view name, std::u16string_view program);
    virtual bool SetAutoSwitchFlag(std::u16string_view name, bool value);
    // Writes the record's three flags to the profile of its name; true when all three were written.
    virtual bool SetProfileFlags(const _Profile_Setting_& setting);

    bool HasDevice() const { return static_cast<bool>(m_device); }

private:
    quor::com::ComPtr<IProfileManager> GetProfileManager() const;
    quor::com::ComPtr<IProfile> FindProfile(IProfileManager* manager, std::u16string_view name) const;
    bool WriteFlag(IProfile* profile, uint16_t bit, uint32_t value) const;

    uint32_t m_type = 0;
    quor::com::ComPtr<IDeviceEnum> m_enum;
    quor::com::ComPtr<IDevice> m_device;
};
