#include "MouseFixture.h"

#include "device/IButtonMap.h"
#include "device/IDPI.h"
#include "model/ButtonNumbers.h"
#include "model/ConfigDefaults.h"
#include "model/FunctionCodes.h"
#include "service/VirtualMouse.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace quor::test {
namespace {

class CMouseTest : public MouseFixture {
protected:
    void Unplug()
    {
        std::shared_ptr<quor::service::VirtualMouse> mouse;
        ASSERT_EQ(quor::service::VirtualMouse::Open(m_db, quor::service::VirtualMouse::Presence::Ignored, mouse), S_OK);
        ASSERT_EQ(mouse->SetPlugged(false), S_OK);
    }
};

TEST_F(CMouseTest, ConnectReadsTheFactoryMouse)
{
    auto store = MakeStore();
    store->NewProfile(u"stale");
    store->NewProfile(u"stale too");
    CMouse mouse;
    ASSERT_TRUE(Connect(mouse, *store));
    EXPECT_TRUE(mouse.IsConnected());
    EXPECT_EQ(mouse.GetTypeNumber(), QUOR_DEVICE_TYPE);
    EXPECT_FALSE(mouse.IsBusy());

    ASSERT_EQ(store->GetProfileCount(), 1);
    IMouseProfile* profile = store->GetProfile(0);
    EXPECT_EQ(profile->GetName(), u"Profile 1");
    EXPECT_FALSE(profile->GetId().IsZero());
    EXPECT_TRUE(mouse.HasProfile(profile));
    int32_t minimum = 0, maximum = 0, step = 0;
    ASSERT_TRUE(profile->GetDpiRange(minimum, maximum, step));
    EXPECT_EQ(std::tuple(minimum, maximum, step), std::tuple(100, 5600, 100));
    int32_t first = 0, maxStages = 0;
    ASSERT_EQ(ProfileInterface<IDPI>(DeviceProfile(profile->GetId()).Get(), IID_IDPI)->GetStageLimits(&first, &maxStages), S_OK);
    EXPECT_EQ(profile->GetStageCount(), maxStages);
    EXPECT_EQ(store->GetAccelerationMin(), 1);
    EXPECT_EQ(store->GetAccelerationMax(), 10);

    EXPECT_EQ(mouse.GetButtonBits(), (std::vector<uint32_t>{0x1, 0x2, 0x4, 0x8, 0x10, 0x80, 0x100}));
    std::vector<uint32_t> thumbKeys(kNumberRowKeys.begin(), kNumberRowKeys.end());
    thumbKeys.insert(thumbKeys.end(), kKeypadKeys.begin(), kKeypadKeys.end());
    std::vector<uint32_t> keyIds = mouse.GetKeyIds();
    std::sort(keyIds.begin(), keyIds.end());
    std::sort(thumbKeys.begin(), thumbKeys.end());
    EXPECT_EQ(keyIds, thumbKeys);

    ASSERT_EQ(mouse.GetPollingRateCount(), 3);
    EXPECT_EQ(mouse.GetPollingRateAt(0), 125u);
    EXPECT_EQ(mouse.GetPollingRateAt(1), 500u);
    EXPECT_EQ(mouse.GetPollingRateAt(2), 1000u);
    EXPECT_EQ(mouse.GetPollingRateAt(3), 0u);
    EXPECT_EQ(mouse.GetPollingRateAt(-1), 0u);

    std::u16string firmware, driver;
    EXPECT_TRUE(mouse.GetFirmwareVersion(firmware));
    EXPECT_TRUE(mouse.GetDriverVersion(driver));
    EXPECT_EQ(driver, u"1.00");
    EXPECT_EQ(firmware.size(), 4u);
    EXPECT_EQ(firmware[1], u'.');

    mouse.Reset();
    EXPECT_FALSE(mouse.IsConnected());
    EXPECT_EQ(mouse.GetPollingRateCount(), 0);
    EXPECT_EQ(mouse.GetPollingRateAt(0), 0u);
}

TEST_F(CMouseTest, ConnectMakesOneStoreProfilePerDeviceProfile)
{
    auto second = AddDeviceProfile(u"Zweites Profil");
    auto third = AddDeviceProfile(u"Третий");
    ASSERT_TRUE(second && third);
    ASSERT_EQ(ProfileInterface<IDPI>(third.Get(), IID_IDPI)->SetStages(2, std::vector<int32_t>{400, 400, 800, 800}.data()), S_OK);

    auto store = MakeStore();
    CMouse mouse;
    ASSERT_TRUE(Connect(mouse, *store));
    EXPECT_EQ(mouse.GetDeviceProfileCount(), 3);
    ASSERT_EQ(store->GetProfileCount(), 3);
    EXPECT_EQ(store->GetProfile(1)->GetName(), u"Zweites Profil");
    EXPECT_EQ(store->GetProfile(2)->GetName(), u"Третий");
    GUID thirdId;
    ASSERT_EQ(third->GetProfileId(&thirdId), S_OK);
    ModelId words;
    std::memcpy(words.words, &thirdId, sizeof words.words);
    EXPECT_EQ(store->GetProfile(2)->GetId(), words);
    for (int32_t i = 0; i < 3; ++i) {
        // Factory defaults of a new profile; the device's stages are read by the transfer.
        IMouseProfile* profile = store->GetProfile(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(profile->GetButtonAssignment(Button::Right).function, FunctionCode::Menu);
        EXPECT_EQ(profile->GetKeyAssignment(kKeypadKeys[0]), AssignmentRecord::SingleKey(uint16_t(kKeypadKeys[0])));
        EXPECT_EQ(profile->GetActiveStageCount(), Defaults::StageCount);
        EXPECT_GE(profile->GetStageCount(), Defaults::StageCount);
    }
}

TEST_F(CMouseTest, NoMouseFound)
{
    auto store = MakeStore();
    store->NewProfile(u"kept");
    CMouse mouse;
    const uint16_t otherType = 22;
    EXPECT_FALSE(mouse.Connect(store.get(), nullptr));
    EXPECT_EQ(mouse.GetTypeNumber(), 0u);
    EXPECT_FALSE(mouse.Connect(store.get(), &otherType));
    EXPECT_FALSE(mouse.IsConnected());
    EXPECT_EQ(mouse.GetDeviceProfileCount(), 0);
    ASSERT_EQ(store->GetProfileCount(), 1);
    EXPECT_EQ(store->GetProfile(0)->GetName(), u"kept");

    // Connected once, then the mouse is plugged out: everything fails and the store stays.
    ASSERT_TRUE(Connect(mouse, *store));
    IMouseProfile* profile = store->GetProfile(0);
    Unplug();
    EXPECT_FALSE(Connect(mouse, *store));
    EXPECT_FALSE(mouse.IsConnected());
    EXPECT_EQ(store->GetProfile(0), profile);
    EXPECT_EQ(mouse.GetDeviceProfileCount(), 0);
    EXPECT_FALSE(mouse.Transfer(store.get(), TRANSFER_READ, TRANSFER_ALL));
    EXPECT_FALSE(mouse.Transfer(store.get(), TRANSFER_WRITE, TRANSFER_ALL));
    EXPECT_FALSE(mouse.IsBusy());
    EXPECT_FALSE(mouse.HasProfile(profile));
    EXPECT_FALSE(mouse.ExportProfileFile(quor::system::FromPath(m_dir / "p.mvp"), profile));

    // Not registered at all.
    ASSERT_EQ(CoRevokeClassFactory(CLSID_QuorDeviceService), S_OK);
    EXPECT_EQ(mouse.GetDeviceProfileCount(), 0);
}

// --- A service that misbehaves in front of the real one ------------------------------------

template <typename Interface>
class Wrapper : public Interface {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (iid == IID_IUnknown || iid == m_iid) {
            *object = this;
            AddRef();
            return S_OK;
        }
        return m_inner->QueryInterface(iid, object);
    }
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override
    {
        const ULONG left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }
    Interface* Inner() const { return m_inner.Get(); }

protected:
    Wrapper(REFIID iid, Interface* inner) : m_iid(iid), m_inner(ComPtr<Interface>::Share(inner)) {}
    virtual ~Wrapper() = default;

    IID m_iid;
    ComPtr<Interface> m_inner;
    std::atomic<ULONG> m_references = 1;
};

struct Faults {
    bool foreignDeviceFirst = false;
    bool failGetRange = false;
};
Faults g_faults;

// GetProfileAt can be held (on whichever thread calls it) until the test lets it go.
class Hold {
public:
    void Set(bool held)
    {
        {
            std::lock_guard lock(m_mutex);
            m_held = held;
        }
        m_changed.notify_all();
    }
    void PassThrough()
    {
        std::unique_lock lock(m_mutex);
        m_entered = m_entered || m_held;
        m_changed.wait(lock, [this] { return !m_held; });
    }
    bool Entered()
    {
        std::lock_guard lock(m_mutex);
        return m_entered;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_held = false;
    bool m_entered = false;
};
Hold g_hold;
ComPtr<IDeviceEnum> g_realEnumerator;

class FaultyDpi : public Wrapper<IDPI> {
public:
    explicit FaultyDpi(IDPI* inner) : Wrapper(IID_IDPI, inner) {}
    HRESULT GetCurrent(int32_t* x, int32_t* y) override { return m_inner->GetCurrent(x, y); }
    HRESULT SetCurrent(int32_t x, int32_t y) override { return m_inner->SetCurrent(x, y); }
    HRESULT GetStageLimits(int32_t* first, int32_t* most) override { return m_inner->GetStageLimits(first, most); }
    HRESULT GetStageIndex(int32_t* stage) override { return m_inner->GetStageIndex(stage); }
    HRESULT SetStageIndex(int32_t stage) override { return m_inner->SetStageIndex(stage); }
    HRESULT GetStages(uint32_t* count, int32_t** pairs) override { return m_inner->GetStages(count, pairs); }
    HRESULT SetStages(uint32_t count, const int32_t* pairs) override { return m_inner->SetStages(count, pairs); }
    HRESULT GetRange(int32_t* minimum, int32_t* maximum, int32_t* step) override
    {
        return g_faults.failGetRange ? E_FAIL : m_inner->GetRange(minimum, maximum, step);
    }
};

class FaultyProfile : public Wrapper<IProfile> {
public:
    explicit FaultyProfile(IProfile* inner) : Wrapper(IID_IProfile, inner) {}
    HRESULT GetInterface(REFIID iid, void** object) override
    {
        const HRESULT result = m_inner->GetInterface(iid, object);
        if (SUCCEEDED(result) && iid == IID_IDPI) {
            auto inner = ComPtr<IDPI>::Adopt(static_cast<IDPI*>(*object));
            *object = static_cast<IDPI*>(new FaultyDpi(inner.Get()));
            return S_OK;
        }
        return result;
    }
    HRESULT GetProfileId(GUID* id) override { return m_inner->GetProfileId(id); }
    HRESULT GetProfileName(char16_t** name) override { return m_inner->GetProfileName(name); }
    HRESULT SetProfileName(const char16_t* name) override { return m_inner->SetProfileName(name); }
    HRESULT Reserved7() override { return m_inner->Reserved7(); }
    HRESULT ExportProfile(const char16_t* path) override { return m_inner->ExportProfile(path); }
};

HRESULT WrapProfile(HRESULT result, IProfile** profile)
{
    if (SUCCEEDED(result)) {
        auto inner = ComPtr<IProfile>::Adopt(*profile);
        *profile = new FaultyProfile(inner.Get());
    }
    return result;
}

class FaultyProfileManager : public Wrapper<IProfileManager> {
public:
    explicit FaultyProfileManager(IProfileManager* inner) : Wrapper(IID_IProfileManager, inner) {}
    HRESULT GetProfileAt(uint32_t index, IProfile** profile) override
    {
        g_hold.PassThrough();
        return WrapProfile(m_inner->GetProfileAt(index, profile), profile);
    }
    HRESULT GetProfileById(REFGUID id, IProfile** profile) override
    {
        return WrapProfile(m_inner->GetProfileById(id, profile), profile);
    }
    HRESULT SetCurrentProfile(IProfile* profile) override
    {
        return m_inner->SetCurrentProfile(static_cast<FaultyProfile*>(profile)->Inner());
    }
    HRESULT GetCurrentProfile(IProfile** profile) override
    {
        return WrapProfile(m_inner->GetCurrentProfile(profile), profile);
    }
    HRESULT CreateProfile(IProfile** profile) override { return WrapProfile(m_inner->CreateProfile(profile), profile); }
    HRESULT RemoveProfile(IProfile* profile) override
    {
        return m_inner->RemoveProfile(static_cast<FaultyProfile*>(profile)->Inner());
    }
    HRESULT Reserved9() override { return m_inner->Reserved9(); }
    HRESULT ImportProfile(const char16_t* path, IProfile** profile) override
    {
        return WrapProfile(m_inner->ImportProfile(path, profile), profile);
    }
};

class FaultyDevice : public Wrapper<IDevice> {
public:
    explicit FaultyDevice(IDevice* inner) : Wrapper(IID_IDevice, inner) {}
    HRESULT GetInfo(DeviceInfo* info) override { return m_inner->GetInfo(info); }
    HRESULT GetInterface(REFIID iid, void** object) override
    {
        const HRESULT result = m_inner->GetInterface(iid, object);
        if (SUCCEEDED(result) && iid == IID_IProfileManager) {
            auto inner = ComPtr<IProfileManager>::Adopt(static_cast<IProfileManager*>(*object));
            *object = static_cast<IProfileManager*>(new FaultyProfileManager(inner.Get()));
            return S_OK;
        }
        return result;
    }
};

// A device of another type: only its info.
class ForeignDevice : public Wrapper<IDevice> {
public:
    explicit ForeignDevice(IDevice* inner) : Wrapper(IID_IDevice, inner) {}
    HRESULT GetInfo(DeviceInfo* info) override
    {
        *info = DeviceInfo{};
        info->type = QUOR_DEVICE_TYPE + 1;
        return S_OK;
    }
    HRESULT GetInterface(REFIID, void** object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
};

class FaultyEnum : public Wrapper<IDeviceEnum> {
public:
    explicit FaultyEnum(IDeviceEnum* inner) : Wrapper(IID_IDeviceEnum, inner) {}
    HRESULT GetDevice(uint32_t index, IDevice** device) override
    {
        const uint32_t shift = g_faults.foreignDeviceFirst ? 1 : 0;
        const HRESULT result = m_inner->GetDevice(index >= shift ? index - shift : 0, device);
        if (FAILED(result))
            return result;
        auto inner = ComPtr<IDevice>::Adopt(*device);
        if (index < shift)
            *device = new ForeignDevice(inner.Get());
        else
            *device = new FaultyDevice(inner.Get());
        return S_OK;
    }
};

HRESULT CreateFaultyService(IUnknown*, REFIID iid, void** object)
{
    auto made = ComPtr<IDeviceEnum>::Adopt(new FaultyEnum(g_realEnumerator.Get()));
    return made->QueryInterface(iid, object);
}

class FaultyServiceTest : public CMouseTest {
protected:
    void SetUp() override
    {
        CMouseTest::SetUp();
        ASSERT_EQ(CoCreateInstance(CLSID_QuorDeviceService, nullptr, CLSCTX_ALL, IID_IDeviceEnum, g_realEnumerator.PutVoid()), S_OK);
        ASSERT_EQ(CoRegisterClassFactory(CLSID_QuorDeviceService, CreateFaultyService), S_OK);
    }
    void TearDown() override
    {
        g_faults = {};
        g_realEnumerator.Reset();
        RegisterDeviceService();
        CMouseTest::TearDown();
    }
};

TEST_F(FaultyServiceTest, DeviceOfAnotherTypeIsPassedOver)
{
    g_faults.foreignDeviceFirst = true;
    auto store = MakeStore();
    CMouse mouse;
    ASSERT_TRUE(Connect(mouse, *store));
    EXPECT_EQ(store->GetProfileCount(), 1);
    EXPECT_EQ(mouse.GetDeviceProfileCount(), 1);
    EXPECT_TRUE(mouse.Transfer(store.get(), TRANSFER_READ, TRANSFER_ALL));
}

TEST_F(FaultyServiceTest, FailedRangeReadFailsConnectButTheRestIsRead)
{
    AddDeviceProfile(u"Second");
    g_faults.failGetRange = true;
    auto store = MakeStore();
    CMouse mouse;
    EXPECT_FALSE(Connect(mouse, *store));
    EXPECT_TRUE(mouse.IsConnected());
    EXPECT_EQ(store->GetProfileCount(), 2);
    EXPECT_EQ(store->GetProfile(1)->GetName(), u"Second");
    EXPECT_EQ(mouse.GetButtonBits().size(), 7u);
    EXPECT_EQ(mouse.GetKeyIds().size(), 24u);
    EXPECT_EQ(mouse.GetPollingRateCount(), 3);
    EXPECT_EQ(store->GetAccelerationMax(), 10);
    std::u16string driver;
    mouse.GetDriverVersion(driver);
    EXPECT_EQ(driver, u"1.00");
}

TEST_F(FaultyServiceTest, WriterGivenUpByDestructionLeavesTheStoreAlone)
{
    auto store = MakeStore();
    auto mouse = MakeMouse();
    ASSERT_TRUE(Connect(*mouse, *store));
    ASSERT_TRUE(mouse->Transfer(store.get(), TRANSFER_READ, TRANSFER_ALL));
    mouse->SetDestructionWait(std::chrono::milliseconds(0));
    store->NewProfile(u"Not yet on the device");

    // The writer stops inside its first step, on the device's profile list.
    g_hold.Set(true);
    ASSERT_TRUE(mouse->Transfer(store.get(), TRANSFER_WRITE, TRANSFER_ALL));
    ASSERT_TRUE(WaitUntil([] { return g_hold.Entered(); }));
    std::atomic<bool> destroying = false;
    std::thread releaser([&] {
        WaitUntil([&] { return destroying.load(); });
        g_hold.Set(false);
    });
    destroying = true;
    // Gives the writer up once its running step ends; the store goes right after, and the
    // writer must not touch it again.
    mouse.reset();
    store.reset();
    releaser.join();

    // The writer let the device go and freed its parameters: the next write runs.
    auto otherStore = MakeStore();
    auto other = MakeMouse();
    ASSERT_TRUE(Connect(*other, *otherStore));
    ASSERT_TRUE(WaitUntil([&] { return other->Transfer(otherStore.get(), TRANSFER_WRITE, TRANSFER_ALL); }));
    ASSERT_TRUE(WaitUntil([&] { return !other->IsBusy(); }));
    EXPECT_EQ(DeviceProfileNames().front(), u"Profile 1");
}

} // namespace
} // namespace quor::test
