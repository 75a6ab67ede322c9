#pragma once

// A fresh virtual mouse file per test, the service registered, a store in a private program
// folder, and short ways to the device as the service shows it, for setting up and checking.

#include "device/CMouse.h"
#include "device/DeviceIds.h"
#include "device/IDevice.h"
#include "device/IDeviceEnum.h"
#include "device/IMacroManager.h"
#include "device/IProfile.h"
#include "device/IProfileManager.h"
#include "model/CVornConfig.h"
#include "platform/com/Com.h"
#include "platform/com/ComPtr.h"
#include "platform/system/Utf16.h"
#include "service/DeviceService.h"
#include "support/ServiceFixture.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace quor::test {

using quor::com::ComPtr;

class MouseFixture : public ServiceFixture {
protected:

    std::unique_ptr<CVornConfig> MakeStore()
    {
        return std::make_unique<CVornConfig>(quor::system::FromPath(m_dir.Path()));
    }
    // A device object without the pause after a write.
    std::unique_ptr<CMouse> MakeMouse()
    {
        auto mouse = std::make_unique<CMouse>();
        mouse->SetWriterPause(std::chrono::milliseconds(0));
        return mouse;
    }
    static bool Connect(CMouse& mouse, IMouseConfig& store)
    {
        const uint16_t type = QUOR_DEVICE_TYPE;
        return mouse.Connect(&store, &type);
    }
    // Starts a background write of everything and waits for its end.
    static bool WriteAll(CMouse& mouse, IMouseConfig& store)
    {
        const bool started = mouse.Transfer(&store, TRANSFER_WRITE, TRANSFER_ALL);
        EXPECT_TRUE(started) << "the write did not start";
        return started && WaitUntil([&] { return !mouse.IsBusy(); });
    }

    ComPtr<IMacroManager> Macros() { return DeviceInterface<IMacroManager>(IID_IMacroManager); }

    static std::u16string NameOf(IProfile* profile)
    {
        char16_t* name = nullptr;
        EXPECT_EQ(profile->GetProfileName(&name), S_OK);
        std::u16string text = name ? name : u"";
        CoTaskMemFree(name);
        return text;
    }

    // A profile made on the device behind the store's back.
    ComPtr<IProfile> AddDeviceProfile(const std::u16string& name)
    {
        ComPtr<IProfile> profile;
        EXPECT_EQ(Profiles()->CreateProfile(profile.Put()), S_OK);
        if (profile) {
            EXPECT_EQ(profile->SetProfileName(name.c_str()), S_OK);
        }
        return profile;
    }
    std::vector<std::u16string> DeviceProfileNames()
    {
        std::vector<std::u16string> names;
        auto manager = Profiles();
        for (uint32_t i = 0;; ++i) {
            ComPtr<IProfile> profile;
            if (FAILED(manager->GetProfileAt(i, profile.Put())))
                break;
            names.push_back(NameOf(profile.Get()));
        }
        return names;
    }
    ComPtr<IProfile> DeviceProfile(const ModelId& id)
    {
        ComPtr<IProfile> profile;
        GUID guid;
        static_assert(sizeof guid == sizeof id.words);
        std::memcpy(&guid, id.words, sizeof guid);
        EXPECT_EQ(Profiles()->GetProfileById(guid, profile.Put()), S_OK);
        return profile;
    }
};

} // namespace quor::test
