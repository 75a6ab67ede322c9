#pragma once

// A fresh virtual mouse file per test, the service registered, and short ways to its interfaces
// through CoCreateInstance, as the programs reach them.

#include "device/IDPI.h"
#include "device/IDevice.h"
#include "device/IDeviceEnum.h"
#include "device/IMacroManager.h"
#include "device/IProfile.h"
#include "device/IProfileManager.h"
#include "platform/com/Com.h"
#include "platform/com/ComPtr.h"
#include "platform/com/IConnectionPointContainer.h"
#include "service/DeviceService.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace quor::test {

using quor::com::ComPtr;

// Subscribes sink to the events iid of source; the cookie, 0 on failure.
inline DWORD Advise(IUnknown* source, REFIID events, IUnknown* sink)
{
    ComPtr<IConnectionPointContainer> container;
    EXPECT_EQ(source->QueryInterface(IID_IConnectionPointContainer, container.PutVoid()), S_OK);
    ComPtr<IConnectionPoint> point;
    if (container) {
        EXPECT_EQ(container->FindConnectionPoint(events, point.Put()), S_OK);
    }
    DWORD cookie = 0;
    if (point) {
        EXPECT_EQ(point->Advise(sink, &cookie), S_OK);
    }
    return cookie;
}

class ServiceFixture : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("QUOR_DEVICE_DB", m_db.c_str(), 1);
        ASSERT_EQ(RegisterDeviceService(), S_OK);
        CoInitialize(nullptr);
    }
    void TearDown() override { CoUninitialize(); }

    HRESULT CreateEnumerator(ComPtr<IDeviceEnum>& enumerator)
    {
        return CoCreateInstance(CLSID_QuorDeviceService, nullptr, CLSCTX_ALL, IID_IDeviceEnum, enumerator.PutVoid());
    }
    ComPtr<IDevice> Device()
    {
        ComPtr<IDeviceEnum> enumerator;
        ComPtr<IDevice> device;
        EXPECT_EQ(CreateEnumerator(enumerator), S_OK);
        if (enumerator) {
            EXPECT_EQ(enumerator->GetDevice(0, device.Put()), S_OK);
        }
        return device;
    }
    template <typename T>
    ComPtr<T> DeviceInterface(REFIID iid)
    {
        ComPtr<T> result;
        if (auto device = Device()) {
            EXPECT_EQ(device->GetInterface(iid, result.PutVoid()), S_OK);
        }
        return result;
    }
    ComPtr<IProfileManager> Profiles() { return DeviceInterface<IProfileManager>(IID_IProfileManager); }
    ComPtr<IProfile> CurrentProfile()
    {
        ComPtr<IProfile> profile;
        if (auto profiles = Profiles()) {
            EXPECT_EQ(profiles->GetCurrentProfile(profile.Put()), S_OK);
        }
        return profile;
    }
    template <typename T>
    static ComPtr<T> ProfileInterface(IProfile* profile, REFIID iid)
    {
        ComPtr<T> result;
        EXPECT_EQ(profile->GetInterface(iid, result.PutVoid()), S_OK);
        return result;
    }
    static std::u16string Name(IProfile* profile)
    {
        char16_t* text = nullptr;
        if (FAILED(profile->GetProfileName(&text)))
            return u"<failed>";
        std::u16string name = text;
        CoTaskMemFree(text);
        return name;
    }
    static GUID Id(IProfile* profile)
    {
        GUID id;
        EXPECT_EQ(profile->GetProfileId(&id), S_OK);
        return id;
    }
    const std::filesystem::path& Db() const { return m_db; }
    std::filesystem::path TempFile(const std::string& name) const { return m_dir / name; }

    TempDir m_dir;
    const std::filesystem::path m_db = m_dir / "quor-device.sqlite";
};

} // namespace quor::test
