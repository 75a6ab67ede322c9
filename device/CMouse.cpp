#include "device/CMouse.h"

#include "device/ConfigurationTransfer.h"
#include "device/DeviceIds.h"
#include "device/DeviceInfo.h"
#include "device/IButtonMap.h"
#include "device/IKeyMap.h"
#include "device/IPollingRate.h"
#include "device/IProfile.h"
#include "device/IProfileManager.h"
#include "device/WriterState.h"
#include "platform/com/Com.h"

#include <cstdio>
#include <mutex>

using quor::com::ComPtr;

namespace {

// Device bits of assignable buttons lie from 0x1 up to the last thumb-grid bit.
constexpr uint32_t kLastButtonBit = 0x400000;

constexpr int32_t kAccelerationMin = 1;
constexpr int32_t kAccelerationMax = 10;

// The parameters of the one background write of the process. The writer thread owns a
// reference; the block stays filled until the writer's completion, so a second write (of any
// device object) is refused meanwhile and cannot overwrite it.
struct WriterParameters {
    std::shared_ptr<WriterState> state;
    ComPtr<IDeviceEnum> enumerator;
    ComPtr<IDevice> device;
    DeviceTables tables;
    std::vector<uint32_t> buttonBits;
    std::vector<uint32_t> keyIds;
    IMouseConfig* store = nullptr;
    uint32_t mask = 0;
    bool connected = false;
    std::chrono::milliseconds pause{0};
    void (*completion)(WriterParameters&) = nullptr;
};

std::mutex g_writerBlockMutex;
std::shared_ptr<WriterParameters> g_writerBlock;

// Lets the device go, frees the block for the next write and tells the owner.
void CompleteWrite(WriterParameters& parameters)
{
    parameters.device.Reset();
    parameters.enumerator.Reset();
    {
        std::lock_guard lock(g_writerBlockMutex);
        g_writerBlock.reset();
    }
    parameters.state->MarkDone();
}

bool RunWriter(const std::shared_ptr<WriterParameters>& parameters)
{
    // The device service is called from this thread too.
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    bool result = false;
    if (parameters->connected) {
        ConfigurationTransfer transfer(parameters->device.Get(), parameters->tables, parameters->buttonBits,
                                       parameters->keyIds, parameters->state.get());
        result = transfer.Write(*parameters->store, parameters->mask);
    }
    // The device settles before it is let go; no new write starts meanwhile.
    parameters->state->Pause(parameters->pause);
    parameters->completion(*parameters);
    CoUninitialize();
    return result;
}

std::u16string VersionText(uint32_t major, uint32_t minor)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d", int(major), int(minor));
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

} // namespace

CMouse::~CMouse()
{
    if (m_writer) {
        // Nothing follows this object's last write, so the writer need not keep the device.
        m_writer->EndPause();
        if (!m_writer->WaitDone(m_destructionWait)) {
            // The writer keeps what it owns; it stops before it touches the store again.
            m_writer->Abandon();
            m_writerThread.detach();
        }
        if (m_writerThread.joinable())
            m_writerThread.join();
        m_writer.reset();
    }
    LetGo();
}

bool CMouse::FindDevice()
{
    if (IsBusy() || m_typeNumber == 0 || m_device)
        return false;
    ComPtr<IDeviceEnum> enumerator;
    if (FAILED(CoCreateInstance(CLSID_QuorDeviceService, nullptr, CLSCTX_ALL, IID_IDeviceEnum, enumerator.PutVoid())))
        return false;
    for (uint32_t index = 0;; ++index) {
        ComPtr<IDevice> device;
        if (FAILED(enumerator->GetDevice(index, device.Put())))
            break;
        DeviceInfo info{};
        if (SUCCEEDED(device->GetInfo(&info))) {
            FreeDeviceInfoText(info);
            if (info.type == m_typeNumber) {
                m_device = std::move(device);
                break;
            }
        }
    }
    m_connected = m_device ? 1 : 0;
    if (m_device)
        m_enumerator = std::move(enumerator);
    return m_connected != 0;
}

void CMouse::LetGo()
{
    m_device.Reset();
    m_enumerator.Reset();
}

ConfigurationTransfer CMouse::MakeTransfer()
{
    return ConfigurationTransfer(m_device.Get(), m_tables, m_buttonBits, m_keyIds);
}

template <typename Operation>
bool CMouse::WithDevice(Operation operation)
{
    if (!FindDevice())
        return false;
    ConfigurationTransfer transfer = MakeTransfer();
    const bool result = operation(transfer);
    LetGo();
    return result;
}

bool CMouse::Connect(IMouseConfig* store, const uint16_t* type)
{
    m_typeNumber = type ? *type : 0;
    if (!FindDevice()) {
        LetGo();
        return false;
    }
    m_tables.Build();
    bool result = ReadVersions();
    if (!LoadProfiles(store))
        result = false;
    if (store)
        store->SetAccelerationRange(kAccelerationMin, kAccelerationMax);
    if (!ReadPollingRates())
        result = false;
    LetGo();
    return result;
}

bool CMouse::ReadVersions()
{
    DeviceInfo info{};
    if (FAILED(m_device->GetInfo(&info)))
        return false;
    m_firmwareVersion = VersionText(info.firmwareMajor, info.firmwareMinor);
    m_driverVersion = VersionText(info.driverMajor, info.driverMinor);
    FreeDeviceInfoText(info);
    return true;
}

bool CMouse::LoadProfiles(IMouseConfig* store)
{
    ComPtr<IProfileManager> manager;
    if (!store || FAILED(m_device->GetInterface(IID_IProfileManager, manager.PutVoid())))
        return false;
    store->ClearProfiles();
    bool limitsRead = false;
    for (uint32_t index = 0;; ++index) {
        ComPtr<IProfile> deviceProfile;
        char16_t* name = nullptr;
        if (FAILED(manager->GetProfileAt(index, deviceProfile.Put())) || FAILED(deviceProfile->GetProfileName(&name)))
            break;
        const std::u16string profileName = name ? std::u16string(name) : std::u16string();
        CoTaskMemFree(name);
        IMouseProfile* profile = store->NewProfile(profileName);
        if (!profile)
            continue;
        GUID id{};
        if (FAILED(deviceProfile->GetProfileId(&id)))
            break;
        const ModelId words = ToModelId(id);
        profile->SetId(words.words[0], words.words[1], words.words[2], words.words[3]);
        limitsRead = ConfigurationTransfer::ReadSensitivityLimits(deviceProfile.Get(), *store, profile);
    }
    ComPtr<IProfile> current;
    const bool capabilitiesRead =
        SUCCEEDED(manager->GetCurrentProfile(current.Put())) && ReadCapabilities(current.Get());
    return limitsRead && capabilitiesRead;
}

bool CMouse::ReadCapabilities(IProfile* profile)
{
    ComPtr<IButtonMap> buttons;
    ComPtr<IKeyMap> keys;
    uint32_t buttonCount = 0;
    uint32_t value = 0;
    uint32_t mask = 0;
    if (FAILED(profile->GetInterface(IID_IButtonMap, buttons.PutVoid())) ||
        FAILED(buttons->GetCapabilities(&buttonCount, &value, &mask)))
        return false;
    m_buttonBits.clear();
    for (uint32_t bit = 1; bit != 0 && bit <= kLastButtonBit && m_buttonBits.size() < buttonCount; bit <<= 1) {
        if (mask & bit)
            m_buttonBits.push_back(bit);
    }

    uint32_t first = 0;
    uint32_t keyCount = 0;
    if (FAILED(profile->GetInterface(IID_IKeyMap, keys.PutVoid())) || FAILED(keys->GetCount(&first, &keyCount)))
        return false;
    m_keyIds.clear();
    if (keyCount > 0) {
        auto* records = static_cast<DeviceAssignment*>(CoTaskMemAlloc(size_t(keyCount) * sizeof(DeviceAssignment)));
        if (!records)
            return false;
        uint32_t filled = keyCount;
        const bool read = SUCCEEDED(keys->GetAll(&filled, records));
        for (uint32_t i = 0; read && i < std::min(filled, keyCount); ++i)
            m_keyIds.push_back(records[i].target);
        CoTaskMemFree(records);
        if (!read)
            return false;
    }
    return buttonCount > 0 && keyCount > 0;
}

bool CMouse::ReadPollingRates()
{
    ComPtr<IPollingRate> polling;
    uint32_t count = 0;
    uint32_t* rates = nullptr;
    if (FAILED(m_device->GetInterface(IID_IPollingRate, polling.PutVoid())) || FAILED(polling->GetSupported(&count, &rates))) {
        CoTaskMemFree(rates);
        return false;
    }
    m_pollingRates.assign(rates, rates + (rates ? count : 0));
    CoTaskMemFree(rates);
    return true;
}

void CMouse::Reset()
{
    LetGo();
    m_connected = 0;
    m_buttonBits.clear();
    m_keyIds.clear();
    m_pollingRates.clear();
}

int32_t CMouse::GetPollingRateCount() const { return int32_t(m_pollingRates.size()); }

uint32_t CMouse::GetPollingRateAt(int32_t index) const
{
    if (index < 0 || size_t(index) >= m_pollingRates.size())
        return 0;
    return m_pollingRates[size_t(index)];
}

int32_t CMouse::GetMaxProfiles() const { return kMaxProfiles; }

int32_t CMouse::GetDeviceProfileCount()
{
    if (!FindDevice())
        return 0;
    int32_t count = 0;
    ComPtr<IProfileManager> manager;
    if (SUCCEEDED(m_device->GetInterface(IID_IProfileManager, manager.PutVoid()))) {
        for (ComPtr<IProfile> profile; SUCCEEDED(manager->GetProfileAt(uint32_t(count), profile.Put()));)
            ++count;
    }
    LetGo();
    return count;
}

void CMouse::ReapWriter()
{
    if (m_writer && m_writer->IsDone()) {
        m_writerThread.join();
        m_writer.reset();
    }
}

bool CMouse::IsBusy()
{
    ReapWriter();
    return m_writer != nullptr;
}

bool CMouse::AddMacro(CMacro* macro)
{
    return m_device && macro && MakeTransfer().AddMacro(*macro);
}

bool CMouse::ReadMacro(const ModelId& id, CMacro* macro)
{
    return m_device && macro && MakeTransfer().ReadMacro(id, *macro);
}

bool CMouse::DeleteAllMacros() { return m_device && MakeTransfer().DeleteAllMacros(); }

bool CMouse::ImportMacroFile(std::u16string_view path, IMouseConfig* store)
{
    return store && WithDevice([&](ConfigurationTransfer& transfer) { return transfer.ImportMacroFile(path, *store); });
}

bool CMouse::ExportMacroFile(std::u16string_view path, CMacro* macro)
{
    return macro && WithDevice([&](ConfigurationTransfer& transfer) { return transfer.ExportMacroFile(path, *macro); });
}

bool CMouse::HasMacro(CMacro* macro)
{
    return macro && WithDevice([&](ConfigurationTransfer& transfer) { return transfer.HasMacro(*macro); });
}

bool CMouse::ImportProfileFile(std::u16string_view path, IMouseConfig* store)
{
    return store && WithDevice([&](ConfigurationTransfer& transfer) { return transfer.ImportProfileFile(path, *store); });
}

bool CMouse::ExportProfileFile(std::u16string_view path, IMouseProfile* profile)
{
    return profile &&
           WithDevice([&](ConfigurationTransfer& transfer) { return transfer.ExportProfileFile(path, *profile); });
}

bool CMouse::HasProfile(IMouseProfile* profile)
{
    return profile && WithDevice([&](ConfigurationTransfer& transfer) { return transfer.HasProfile(*profile); });
}

bool CMouse::Transfer(IMouseConfig* store, int32_t mode, uint32_t mask)
{
    if (!store || !FindDevice())
        return false;
    if (mode == TRANSFER_READ) {
        const bool result = MakeTransfer().Read(*store, mask);
        LetGo();
        return result;
    }
    if (mode != TRANSFER_WRITE) {
        LetGo();
        return false;
    }

    auto parameters = std::make_shared<WriterParameters>();
    {
        std::lock_guard lock(g_writerBlockMutex);
        if (g_writerBlock) {
            LetGo();
            return false;
        }
        parameters->state = std::make_shared<WriterState>();
        parameters->enumerator = std::move(m_enumerator);
        parameters->device = std::move(m_device);
        parameters->tables = m_tables;
        parameters->buttonBits = m_buttonBits;
        parameters->keyIds = m_keyIds;
        parameters->store = store;
        parameters->mask = mask;
        parameters->connected = m_connected != 0;
        parameters->pause = m_writerPause;
        parameters->completion = &CompleteWrite;
        g_writerBlock = parameters;
    }
    try {
        m_writerThread = std::thread([parameters] { RunWriter(parameters); });
    } catch (const std::system_error&) {
        std::lock_guard lock(g_writerBlockMutex);
        g_writerBlock.reset();
        return false; // the device goes with the parameters
    }
    m_writer = parameters->state;
    return true;
}

bool CMouse::IsConnected() const { return m_connected != 0; }

bool CMouse::GetFirmwareVersion(std::u16string& version) const
{
    version = m_firmwareVersion;
    return true;
}

bool CMouse::GetDriverVersion(std::u16string& version) const
{
    version = m_driverVersion;
    return true;
}

uint32_t CMouse::GetTypeNumber() const { return m_typeNumber; }
