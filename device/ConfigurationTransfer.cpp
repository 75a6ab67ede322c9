#include "device/ConfigurationTransfer.h"

#include "device/IButtonMap.h"
#include "device/IKeyMap.h"
#include "device/IAcceleration.h"
#include "device/ILed.h"
#include "device/ILighting.h"
#include "device/IMacro.h"
#include "device/IMouseDevice.h"
#include "device/IPollingRate.h"
#include "device/IProfileProperties.h"
#include "device/MacroEventConversion.h"
#include "device/ProfileProperty.h"
#include "model/ConfigDefaults.h"
#include "model/FunctionCodes.h"
#include "platform/com/Com.h"
#include "platform/system/TextCase.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

using quor::com::ComPtr;

GUID ToGuid(const ModelId& id)
{
    GUID guid;
    std::memcpy(&guid, id.words, sizeof guid);
    return guid;
}

ModelId ToModelId(REFGUID id)
{
    ModelId model;
    std::memcpy(model.words, &id, sizeof model.words);
    return model;
}

namespace {

// Frees what the service allocated when it goes out of scope.
struct TaskMemFree {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};
template <typename T>
using TaskMem = std::unique_ptr<T, TaskMemFree>;

// A text the service returned, taken over and freed.
std::u16string TakeText(char16_t* text)
{
    TaskMem<char16_t> owned(text);
    return text ? std::u16string(text) : std::u16string();
}

// Removes the elements of a device list that shouldRemove picks. The list is walked by index
// until a read fails; a deletion moves the next element to the same index, so the index only
// advances past elements that stay.
template <typename Element, typename GetAt, typename ShouldRemove, typename Remove>
void RemoveFromDeviceList(GetAt getAt, ShouldRemove shouldRemove, Remove remove)
{
    for (uint32_t index = 0;;) {
        quor::com::ComPtr<Element> element;
        if (FAILED(getAt(index, element.Put())))
            return;
        if (!shouldRemove(element.Get()) || FAILED(remove(element.Get())))
            ++index;
    }
}

bool GetName(IProfile* profile, std::u16string& name)
{
    char16_t* text = nullptr;
    if (FAILED(profile->GetProfileName(&text)))
        return false;
    name = TakeText(text);
    return true;
}

bool GetName(IMacro* macro, std::u16string& name)
{
    char16_t* text = nullptr;
    if (FAILED(macro->GetMacroName(&text)))
        return false;
    name = TakeText(text);
    return true;
}

template <typename Interface, typename Source>
ComPtr<Interface> InterfaceOf(Source* source, REFIID iid)
{
    ComPtr<Interface> result;
    if (!source || FAILED(source->GetInterface(iid, result.PutVoid())))
        result.Reset();
    return result;
}

void SetId(IMouseProfile* profile, REFGUID id)
{
    const ModelId words = ToModelId(id);
    profile->SetId(words.words[0], words.words[1], words.words[2], words.words[3]);
}

void SetId(CMacro& macro, REFGUID id)
{
    const ModelId words = ToModelId(id);
    macro.SetMacroId(words.words[0], words.words[1], words.words[2], words.words[3]);
}

IMouseProfile* FindProfile(const IMouseConfig& store, REFGUID id)
{
    const ModelId words = ToModelId(id);
    return store.FindProfileById(words.words[0], words.words[1], words.words[2], words.words[3]);
}

CMacro* FindMacro(const IMouseConfig& store, REFGUID id)
{
    const ModelId words = ToModelId(id);
    return store.FindMacroById(words.words[0], words.words[1], words.words[2], words.words[3]);
}

// Polling-rate choices and the device's report intervals (ms), index = choice.
constexpr uint32_t kPollingIntervals[] = {8, 2, 1};
static_assert(std::size(kPollingIntervals) == PollingRate::Rate1000 + 1);

// The stage's values as the device takes them: X and Y apart, or the linked value twice.
void StagePair(IMouseConfig& store, IMouseProfile* profile, int32_t stage, int32_t& x, int32_t& y)
{
    if (store.GetStageXYSeparate(stage, profile) == 1) {
        x = store.GetStageDpiX(stage, profile);
        y = store.GetStageDpiY(stage, profile);
    } else {
        x = y = store.GetStageDpi(stage, profile);
    }
}

void SetStageFromPair(IMouseConfig& store, IMouseProfile* profile, int32_t stage, int32_t x, int32_t y)
{
    if (x == y) {
        store.SetStageXYSeparate(stage, 0, profile);
        store.SetStageDpi(stage, x, profile);
        store.SetStageDpiX(stage, x, profile);
        store.SetStageDpiY(stage, x, profile);
    } else {
        store.SetStageXYSeparate(stage, 1, profile);
        store.SetStageDpiX(stage, x, profile);
        store.SetStageDpiY(stage, y, profile);
        store.SetStageDpi(stage, std::min(x, y), profile);
    }
}

// The events of a device macro, or null when they cannot be read.
TaskMem<MacroEventBuffer> ReadEvents(IMacro* deviceMacro)
{
    MacroEventBuffer* buffer = nullptr;
    if (FAILED(deviceMacro->ReadEvents(&buffer))) {
        CoTaskMemFree(buffer);
        return nullptr;
    }
    return TaskMem<MacroEventBuffer>(buffer);
}

// Id and events of a device macro into a macro just added to the store; a macro whose id or
// events cannot be read is taken out of the store again.
bool FillNewMacro(IMacro* deviceMacro, IMouseConfig& store, CMacro* macro)
{
    GUID id{};
    if (FAILED(deviceMacro->GetMacroId(&id))) {
        store.DeleteMacro(macro);
        return false;
    }
    SetId(*macro, id);
    const auto buffer = ReadEvents(deviceMacro);
    if (!buffer) {
        store.DeleteMacro(macro);
        return false;
    }
    macro->SetEvents(ReadMacroEventBuffer(*buffer));
    return true;
}

} // namespace

ConfigurationTransfer::ConfigurationTransfer(IDevice* device, const DeviceTables& tables,
                                             const std::vector<uint32_t>& buttonBits,
                                             const std::vector<uint32_t>& keyIds, WriterState* gate)
    : m_device(device), m_tables(tables), m_buttonBits(buttonBits), m_keyIds(keyIds), m_gate(gate)
{
}

bool ConfigurationTransfer::BeginStep(std::unique_lock<std::mutex>& step)
{
    return !m_gate || m_gate->Step(step);
}

ComPtr<IProfileManager> ConfigurationTransfer::ProfileManager()
{
    return InterfaceOf<IProfileManager>(m_device, IID_IProfileManager);
}

ComPtr<IMacroManager> ConfigurationTransfer::MacroManager()
{
    return InterfaceOf<IMacroManager>(m_device, IID_IMacroManager);
}

bool ConfigurationTransfer::ReadSensitivityLimits(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile)
{
    auto dpi = InterfaceOf<IDPI>(deviceProfile, IID_IDPI);
    if (!dpi)
        return false;
    int32_t first = 0;
    int32_t maxStages = 0;
    bool created = false;
    if (SUCCEEDED(dpi->GetStageLimits(&first, &maxStages)))
        created = store.CreateStages(maxStages, profile);
    int32_t minimum = 0;
    int32_t maximum = 0;
    int32_t step = 0;
    const bool ranged = SUCCEEDED(dpi->GetRange(&minimum, &maximum, &step));
    if (ranged)
        store.SetDpiRange(minimum, maximum, step, profile);
    return created && ranged;
}

// --- Read ---------------------------------------------------------------------------------

bool ConfigurationTransfer::Read(IMouseConfig& store, uint32_t mask)
{
    auto manager = ProfileManager();
    if (!manager)
        return false;
    GUID activeId{};
    {
        ProfilePtr current;
        if (SUCCEEDED(manager->GetCurrentProfile(current.Put())) && FAILED(current->GetProfileId(&activeId)))
            activeId = GUID_NULL;
    }
    for (uint32_t index = 0;; ++index) {
        ProfilePtr deviceProfile;
        GUID id{};
        if (FAILED(manager->GetProfileAt(index, deviceProfile.Put())) || FAILED(deviceProfile->GetProfileId(&id)))
            break;
        IMouseProfile* profile = FindProfile(store, id);
        if (!profile)
            continue;
        if (activeId != GUID_NULL && activeId == id)
            store.SetActiveProfile(profile);
        ReadProfile(deviceProfile.Get(), store, profile, mask);
    }

    bool result = true;
    if (mask & TRANSFER_ACCELERATION)
        result = ReadAcceleration(store);
    if (mask & TRANSFER_POLLING_RATE)
        result = ReadPollingRate(store);
    if (mask & TRANSFER_MACROS)
        result = ReadMacros(store);
    return result;
}

void ConfigurationTransfer::ReadProfile(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile, uint32_t mask)
{
    ReadProperties(deviceProfile, store, profile);
    bool ok = true;
    if (mask & TRANSFER_SENSITIVITY)
        ok = ReadSensitivity(deviceProfile, store, profile);
    if ((mask & TRANSFER_ASSIGNMENTS) && ok)
        ok = ReadAssignments(deviceProfile, store, profile);
    if ((mask & TRANSFER_LIGHTS) && ok)
        ReadLights(deviceProfile, store, profile);
}

bool ConfigurationTransfer::ReadProperties(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile)
{
    std::u16string name;
    if (GetName(deviceProfile, name))
        profile->SetName(name);
    GUID id{};
    if (SUCCEEDED(deviceProfile->GetProfileId(&id)))
        SetId(profile, id);

    auto properties = InterfaceOf<IProfileProperties>(deviceProfile, IID_IProfileProperties);
    if (!properties)
        return false;
    char16_t program[PROFILE_PROGRAM_CHARS] = {};
    uint32_t bytes = PROFILE_PROGRAM_BYTES;
    if (SUCCEEDED(properties->GetValue(PROFILE_PROPERTY_PROGRAM, 0, program, 0, &bytes)) && bytes != 0) {
        // Up to the terminator, and never past what was written.
        const size_t units = std::min<size_t>(bytes, PROFILE_PROGRAM_BYTES) / sizeof(char16_t);
        const std::u16string_view text(program, units);
        profile->SetProgramFileName(text.substr(0, std::min(text.find(u'\0'), text.size())));
    }
    struct FlagSetter {
        uint16_t bit;
        void (IMouseConfig::*set)(uint8_t, IMouseProfile*);
    };
    static constexpr FlagSetter kFlags[] = {
        {PROFILE_FLAG_AUTO_SWITCH, &IMouseConfig::SetAutoSwitch},
        {PROFILE_FLAG_SENSITIVITY_DISPLAY, &IMouseConfig::SetSensitivityDisplay},
        {PROFILE_FLAG_PROFILE_DISPLAY, &IMouseConfig::SetProfileDisplay},
    };
    for (const FlagSetter& flag : kFlags) {
        uint16_t word = 0;
        uint32_t size = sizeof word;
        if (SUCCEEDED(properties->GetValue(PROFILE_PROPERTY_FLAGS, 0, &word, 0, &size)) && size != 0)
            (store.*flag.set)((word & flag.bit) ? 1 : 0, profile);
    }
    return true;
}

bool ConfigurationTransfer::ReadSensitivity(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile)
{
    auto dpi = InterfaceOf<IDPI>(deviceProfile, IID_IDPI);
    if (!dpi)
        return false;
    uint32_t count = 0;
    int32_t* rawPairs = nullptr;
    if (FAILED(dpi->GetStages(&count, &rawPairs)))
        return false;
    TaskMem<int32_t> pairs(rawPairs);
    int32_t currentX = 0;
    int32_t currentY = 0;
    const bool hasCurrent = SUCCEEDED(dpi->GetCurrent(&currentX, &currentY));
    for (uint32_t k = 0; k < count && pairs; ++k)
        SetStageFromPair(store, profile, int32_t(k) + 1, pairs.get()[2 * k], pairs.get()[2 * k + 1]);
    if (hasCurrent) {
        // The current sensitivity may have been changed on the device without its stage.
        int32_t stage = 0;
        if (SUCCEEDED(dpi->GetStageIndex(&stage))) {
            store.SetCurrentStage(stage, profile);
            SetStageFromPair(store, profile, stage, currentX, currentY);
        }
        store.SetActiveStageCount(int32_t(count), profile);
    }
    return true;
}

bool ConfigurationTransfer::ReadAssignments(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile)
{
    bool result = true;
    if (auto buttons = InterfaceOf<IButtonMap>(deviceProfile, IID_IButtonMap)) {
        std::vector<DeviceAssignment> records(m_buttonBits.size());
        uint32_t count = uint32_t(records.size());
        if (SUCCEEDED(buttons->GetAll(&count, records.data()))) {
            for (uint32_t i = 0; i < std::min<size_t>(count, records.size()); ++i) {
                const int32_t button = m_tables.ButtonOfIndex(records[i].target);
                if (button == 0)
                    continue;
                AssignmentRecord record = m_tables.ReverseTranslate(records[i]);
                ApplyNumLockRuleForRead(record);
                store.SetButtonAssignment(button, record, profile);
            }
        } else {
            result = false;
        }
    } else {
        result = false;
    }

    auto keys = InterfaceOf<IKeyMap>(deviceProfile, IID_IKeyMap);
    if (!keys)
        return false;
    std::vector<DeviceAssignment> records(m_keyIds.size());
    uint32_t count = uint32_t(records.size());
    if (FAILED(keys->GetAll(&count, records.data())))
        return false;
    bool anyEnabled = false;
    for (uint32_t i = 0; i < std::min<size_t>(count, records.size()); ++i) {
        AssignmentRecord record = m_tables.ReverseTranslate(records[i]);
        ApplyNumLockRuleForRead(record);
        store.SetKeyAssignment(int32_t(records[i].target), record, profile);
        anyEnabled = anyEnabled || record.function != FunctionCode::ButtonOff;
    }
    store.SetThumbKeysEnabled(anyEnabled ? 1 : 0, profile);
    return result;
}

bool ConfigurationTransfer::ReadLights(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile)
{
    auto lighting = InterfaceOf<ILighting>(deviceProfile, IID_ILighting);
    if (!lighting)
        return false;
    for (uint32_t index = 0;; ++index) {
        ComPtr<ILed> led;
        if (FAILED(lighting->GetLed(index, led.Put())))
            break;
        uint32_t kind = 0;
        uint32_t state = 0;
        if (FAILED(led->GetKind(&kind)) || (kind != LED_KIND_SCROLL_WHEEL && kind != LED_KIND_GLOW) ||
            FAILED(led->GetState(&state)))
            continue;
        if (kind == LED_KIND_SCROLL_WHEEL)
            store.SetScrollLight(state != 0 ? 1 : 0, profile);
        else
            store.SetGlowLight(state != 0 ? 1 : 0, profile);
    }
    return true;
}

bool ConfigurationTransfer::ReadAcceleration(IMouseConfig& store)
{
    auto acceleration = InterfaceOf<IAcceleration>(m_device, IID_IAcceleration);
    if (!acceleration)
        return false;
    int32_t level = 0;
    uint32_t enabled = 0;
    const bool levelRead = SUCCEEDED(acceleration->GetLevel(&level));
    if (levelRead)
        store.SetAccelerationLevel(level);
    const bool enabledRead = SUCCEEDED(acceleration->IsEnabled(&enabled));
    if (enabledRead)
        store.SetAccelerationEnabled(enabled != 0 ? 1 : 0);
    return levelRead && enabledRead;
}

bool ConfigurationTransfer::ReadPollingRate(IMouseConfig& store)
{
    auto polling = InterfaceOf<IPollingRate>(m_device, IID_IPollingRate);
    uint32_t interval = 0;
    if (!polling || FAILED(polling->GetCurrent(&interval)))
        return false;
    const auto* found = std::find(std::begin(kPollingIntervals), std::end(kPollingIntervals), interval);
    store.SetPollingRate(found == std::end(kPollingIntervals) ? PollingRate::Unknown
                                                              : int32_t(found - std::begin(kPollingIntervals)));
    return true;
}

bool ConfigurationTransfer::ReadMacros(IMouseConfig& store)
{
    auto manager = MacroManager();
    if (!manager)
        return false;
    for (uint32_t index = 0;; ++index) {
        ComPtr<IMacro> deviceMacro;
        if (FAILED(manager->GetMacroAt(index, deviceMacro.Put())))
            break;
        std::u16string name;
        if (!GetName(deviceMacro.Get(), name))
            continue;
        if (CMacro* macro = store.NewMacro(name))
            FillNewMacro(deviceMacro.Get(), store, macro);
    }
    return true;
}

// --- Write --------------------------------------------------------------------------------

bool ConfigurationTransfer::Write(IMouseConfig& store, uint32_t mask)
{
    auto manager = ProfileManager();
    if (!manager)
        return false;
    std::unique_lock<std::mutex> step;

    if (!BeginStep(step))
        return false;
    RemoveFromDeviceList<IProfile>(
        [&](uint32_t index, IProfile** profile) { return manager->GetProfileAt(index, profile); },
        [&](IProfile* profile) {
            GUID id{};
            return SUCCEEDED(profile->GetProfileId(&id)) && !FindProfile(store, id);
        },
        [&](IProfile* profile) { return manager->RemoveProfile(profile); });
    step = {};

    ProfilePtr activeDeviceProfile;
    for (int32_t i = 0;; ++i) {
        if (!BeginStep(step))
            return false;
        if (i >= store.GetProfileCount())
            break;
        IMouseProfile* profile = store.GetProfile(i);
        if (!profile)
            continue;
        ProfilePtr deviceProfile;
        if (profile->GetId().IsZero()) {
            deviceProfile = CreateDeviceProfile(manager.Get(), profile);
        } else if (SUCCEEDED(manager->GetProfileById(ToGuid(profile->GetId()), deviceProfile.Put()))) {
            std::u16string deviceName;
            const std::u16string name = profile->GetName();
            if (GetName(deviceProfile.Get(), deviceName) && !quor::system::EqualsNoCase(deviceName, name))
                deviceProfile->SetProfileName(name.c_str());
        } else {
            deviceProfile.Reset();
        }
        if (!deviceProfile)
            continue;
        WriteProperties(deviceProfile.Get(), store, profile);
        if (profile == store.GetActiveProfile())
            activeDeviceProfile = deviceProfile;
        if (mask & TRANSFER_SENSITIVITY)
            WriteSensitivity(deviceProfile.Get(), store, profile);
        if (mask & TRANSFER_ASSIGNMENTS)
            WriteAssignments(manager.Get(), deviceProfile.Get(), store, profile);
        if (mask & TRANSFER_LIGHTS)
            WriteLights(deviceProfile.Get(), store, profile);
    }
    step = {};

    if (!BeginStep(step))
        return false;
    bool result = true;
    if (mask & TRANSFER_ACCELERATION)
        result = WriteAcceleration(store);
    if (mask & TRANSFER_POLLING_RATE)
        result = WritePollingRate(store);

    auto macros = MacroManager();
    if (!macros)
        return false;
    RemoveFromDeviceList<IMacro>(
        [&](uint32_t index, IMacro** macro) { return macros->GetMacroAt(index, macro); },
        [&](IMacro* macro) {
            GUID id{};
            return SUCCEEDED(macro->GetMacroId(&id)) && !FindMacro(store, id);
        },
        [&](IMacro* macro) { return macros->RemoveMacro(macro); });
    step = {};

    if (mask & TRANSFER_MACROS) {
        bool macrosWritten = true;
        for (int32_t i = 0;; ++i) {
            if (!BeginStep(step))
                return false;
            if (i >= store.GetMacroCount())
                break;
            if (CMacro* macro = store.GetMacro(i); macro && !WriteMacro(macros.Get(), *macro))
                macrosWritten = false;
        }
        step = {};
        result = macrosWritten;
    }

    if (!activeDeviceProfile || FAILED(manager->SetCurrentProfile(activeDeviceProfile.Get())))
        return false;
    return result;
}

ConfigurationTransfer::ProfilePtr ConfigurationTransfer::CreateDeviceProfile(IProfileManager* manager, IMouseProfile* profile)
{
    ProfilePtr deviceProfile;
    GUID id{};
    if (FAILED(manager->CreateProfile(deviceProfile.Put())))
        return {};
    if (SUCCEEDED(deviceProfile->GetProfileId(&id)))
        SetId(profile, id);
    deviceProfile->SetProfileName(profile->GetName().c_str());
    return deviceProfile;
}

bool ConfigurationTransfer::WriteProperties(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile)
{
    // Also sends a name that differs from the device's only in letter case.
    deviceProfile->SetProfileName(profile->GetName().c_str());
    auto properties = InterfaceOf<IProfileProperties>(deviceProfile, IID_IProfileProperties);
    if (!properties)
        return false;
    // An empty program name is not written: the device keeps the one it has.
    const std::u16string program = profile->GetProgramFileName();
    if (!program.empty()) {
        char16_t buffer[PROFILE_PROGRAM_CHARS] = {};
        std::copy_n(program.begin(), std::min<size_t>(program.size(), PROFILE_PROGRAM_CHARS - 1), buffer);
        properties->SetValue(PROFILE_PROPERTY_PROGRAM, buffer, 0, PROFILE_PROGRAM_BYTES, 0);
    }
    const std::pair<uint16_t, uint8_t> flags[] = {
        {PROFILE_FLAG_AUTO_SWITCH, store.GetAutoSwitch(profile)},
        {PROFILE_FLAG_SENSITIVITY_DISPLAY, store.GetSensitivityDisplay(profile)},
        {PROFILE_FLAG_PROFILE_DISPLAY, store.GetProfileDisplay(profile)},
    };
    for (const auto& [bit, value] : flags) {
        const uint16_t data[2] = {bit, uint16_t(value ? 1 : 0)};
        if (FAILED(properties->SetValue(PROFILE_PROPERTY_FLAGS, data, 0, sizeof data, 0)))
            return false;
    }
    return true;
}

bool ConfigurationTransfer::WriteSensitivity(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile)
{
    auto dpi = InterfaceOf<IDPI>(deviceProfile, IID_IDPI);
    if (!dpi)
        return false;
    const int32_t count = std::max(store.GetActiveStageCount(profile), 0);
    std::vector<int32_t> pairs(2 * size_t(count));
    for (int32_t k = 1; k <= count; ++k)
        StagePair(store, profile, k, pairs[2 * size_t(k - 1)], pairs[2 * size_t(k - 1) + 1]);
    const bool written = SUCCEEDED(dpi->SetStages(uint32_t(count), pairs.data()));
    const int32_t current = store.GetCurrentStage(profile);
    int32_t deviceStage = 0;
    if (SUCCEEDED(dpi->GetStageIndex(&deviceStage)) && deviceStage != current)
        dpi->SetStageIndex(current);
    if (current != 0 && profile == store.GetActiveProfile()) {
        int32_t x = 0;
        int32_t y = 0;
        StagePair(store, profile, current, x, y);
        dpi->SetCurrent(x, y);
    }
    return written;
}

bool ConfigurationTransfer::ResolveByName(IProfileManager* manager, IMouseConfig& store, AssignmentRecord& record)
{
    if (record.function == FunctionCode::ProfileByName) {
        IMouseProfile* target = store.FindProfileByName(record.GetName());
        if (!target)
            return false;
        if (target->GetId().IsZero() && !CreateDeviceProfile(manager, target))
            return false;
        record = AssignmentRecord::WithId(FunctionCode::ProfileById, target->GetId());
    } else if (record.function == FunctionCode::MacroByName) {
        CMacro* target = store.FindMacroByName(record.GetName());
        if (!target)
            return false;
        if (target->GetId().IsZero())
            AddMacro(*target);
        if (target->GetId().IsZero())
            return false;
        record = AssignmentRecord::WithId(FunctionCode::MacroById, target->GetId());
    }
    return true;
}

bool ConfigurationTransfer::WriteAssignments(IProfileManager* manager, IProfile* deviceProfile, IMouseConfig& store,
                                             IMouseProfile* profile)
{
    bool result = true;
    if (auto buttons = InterfaceOf<IButtonMap>(deviceProfile, IID_IButtonMap)) {
        for (uint32_t bit : m_buttonBits) {
            const int32_t button = m_tables.ButtonOfBit(bit);
            if (button == 0)
                continue;
            AssignmentRecord record;
            store.GetButtonAssignment(button, record, profile);
            if (!ResolveByName(manager, store, record))
                continue;
            ApplyNumLockRuleForWrite(record);
            const DeviceAssignment assignment = m_tables.Translate(record, m_tables.ButtonIndex(button));
            if (FAILED(buttons->SetAssignments(1, &assignment)))
                result = false;
        }
    } else {
        result = false;
    }

    auto keys = InterfaceOf<IKeyMap>(deviceProfile, IID_IKeyMap);
    if (!keys)
        return false;
    const bool thumbKeysEnabled = store.GetThumbKeysEnabled(profile) != 0;
    for (uint32_t scanCode : m_keyIds) {
        AssignmentRecord record = AssignmentRecord::Make(FunctionCode::ButtonOff);
        if (thumbKeysEnabled)
            store.GetKeyAssignment(int32_t(scanCode), record, profile);
        if (!ResolveByName(manager, store, record))
            continue;
        ApplyNumLockRuleForWrite(record);
        const DeviceAssignment assignment = m_tables.Translate(record, scanCode);
        if (FAILED(keys->SetAssignments(1, &assignment)))
            result = false;
    }
    return result;
}

bool ConfigurationTransfer::WriteLights(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile)
{
    auto lighting = InterfaceOf<ILighting>(deviceProfile, IID_ILighting);
    if (!lighting)
        return false;
    bool result = true;
    for (uint32_t index = 0;; ++index) {
        ComPtr<ILed> led;
        if (FAILED(lighting->GetLed(index, led.Put())))
            break;
        uint32_t kind = 0;
        if (FAILED(led->GetKind(&kind)))
            continue;
        uint8_t value = 0;
        if (kind == LED_KIND_SCROLL_WHEEL)
            value = store.GetScrollLight(profile);
        else if (kind == LED_KIND_GLOW)
            value = store.GetGlowLight(profile);
        else
            continue;
        if (FAILED(value == 1 ? led->TurnOn() : led->TurnOff()))
            result = false;
    }
    return result;
}

bool ConfigurationTransfer::WriteAcceleration(IMouseConfig& store)
{
    auto acceleration = InterfaceOf<IAcceleration>(m_device, IID_IAcceleration);
    if (!acceleration || FAILED(acceleration->SetLevel(store.GetAccelerationLevel())))
        return false;
    return SUCCEEDED(store.GetAccelerationEnabled() ? acceleration->Enable() : acceleration->Disable());
}

bool ConfigurationTransfer::WritePollingRate(IMouseConfig& store)
{
    const int32_t choice = store.GetPollingRate();
    if (choice < 0 || size_t(choice) >= std::size(kPollingIntervals))
        return false;
    auto polling = InterfaceOf<IPollingRate>(m_device, IID_IPollingRate);
    return polling && SUCCEEDED(polling->SetCurrent(kPollingIntervals[choice]));
}

bool ConfigurationTransfer::WriteMacro(IMacroManager* manager, CMacro& macro)
{
    CMacro onDevice;
    if (macro.GetId().IsZero() || !ReadMacro(macro.GetId(), onDevice))
        return AddMacro(macro);
    if (onDevice.IsSameMacro(macro))
        return true;
    ComPtr<IMacro> deviceMacro;
    if (FAILED(manager->GetMacroById(ToGuid(macro.GetId()), deviceMacro.Put())))
        return false;
    if (!quor::system::EqualsNoCase(onDevice.GetName(), macro.GetName()))
        deviceMacro->SetMacroName(macro.GetName().c_str());
    TaskMem<MacroEventBuffer> buffer(MakeMacroEventBuffer(macro.GetEvents()));
    return buffer && SUCCEEDED(deviceMacro->WriteEvents(buffer.get()));
}

// --- Macros -------------------------------------------------------------------------------

bool ConfigurationTransfer::AddMacro(CMacro& macro)
{
    if (macro.GetEventCount() == 0)
        return false;
    TaskMem<MacroEventBuffer> buffer(MakeMacroEventBuffer(macro.GetEvents()));
    auto manager = MacroManager();
    ComPtr<IMacro> deviceMacro;
    if (!buffer || !manager || FAILED(manager->CreateMacro(deviceMacro.Put())))
        return false;
    GUID id{};
    if (SUCCEEDED(deviceMacro->GetMacroId(&id)))
        SetId(macro, id);
    deviceMacro->WriteEvents(buffer.get());
    deviceMacro->SetMacroName(macro.GetName().c_str());
    return true;
}

bool ConfigurationTransfer::ReadMacro(const ModelId& id, CMacro& macro)
{
    auto manager = MacroManager();
    ComPtr<IMacro> deviceMacro;
    if (!manager || FAILED(manager->GetMacroById(ToGuid(id), deviceMacro.Put())))
        return false;
    GUID deviceId{};
    std::u16string name;
    if (FAILED(deviceMacro->GetMacroId(&deviceId)) || !GetName(deviceMacro.Get(), name))
        return false;
    const auto buffer = ReadEvents(deviceMacro.Get());
    if (!buffer)
        return false;
    SetId(macro, deviceId);
    macro.SetName(name);
    macro.SetEvents(ReadMacroEventBuffer(*buffer));
    return true;
}

bool ConfigurationTransfer::DeleteAllMacros()
{
    auto manager = MacroManager();
    if (!manager)
        return false;
    RemoveFromDeviceList<IMacro>(
        [&](uint32_t index, IMacro** macro) { return manager->GetMacroAt(index, macro); },
        [](IMacro*) { return true; },
        [&](IMacro* macro) { return manager->RemoveMacro(macro); });
    return true;
}

// --- Files and presence -------------------------------------------------------------------

bool ConfigurationTransfer::ImportProfileFile(std::u16string_view path, IMouseConfig& store)
{
    auto manager = ProfileManager();
    ProfilePtr deviceProfile;
    const std::u16string file(path);
    if (!manager || FAILED(manager->ImportProfile(file.c_str(), deviceProfile.Put())))
        return false;
    std::u16string name;
    GetName(deviceProfile.Get(), name);
    if (IMouseProfile* profile = store.NewProfile(name)) {
        GUID id{};
        if (SUCCEEDED(deviceProfile->GetProfileId(&id)))
            SetId(profile, id);
        ReadSensitivityLimits(deviceProfile.Get(), store, profile);
        ReadProfile(deviceProfile.Get(), store, profile, TRANSFER_SENSITIVITY | TRANSFER_ASSIGNMENTS | TRANSFER_LIGHTS);
    }
    return true;
}

bool ConfigurationTransfer::ExportProfileFile(std::u16string_view path, const IMouseProfile& profile)
{
    auto manager = ProfileManager();
    ProfilePtr deviceProfile;
    if (!manager || FAILED(manager->GetProfileById(ToGuid(profile.GetId()), deviceProfile.Put())))
        return false;
    return SUCCEEDED(deviceProfile->ExportProfile(std::u16string(path).c_str()));
}

bool ConfigurationTransfer::HasProfile(const IMouseProfile& profile)
{
    auto manager = ProfileManager();
    ProfilePtr deviceProfile;
    return manager && SUCCEEDED(manager->GetProfileById(ToGuid(profile.GetId()), deviceProfile.Put()));
}

bool ConfigurationTransfer::ImportMacroFile(std::u16string_view path, IMouseConfig& store)
{
    auto manager = MacroManager();
    ComPtr<IMacro> deviceMacro;
    const std::u16string file(path);
    if (!manager || FAILED(manager->ImportMacro(file.c_str(), deviceMacro.Put())))
        return false;
    std::u16string name;
    GetName(deviceMacro.Get(), name);
    CMacro* macro = store.NewMacro(name);
    if (!macro)
        return false;
    macro->SetSourcePath(path);
    return FillNewMacro(deviceMacro.Get(), store, macro);
}

bool ConfigurationTransfer::ExportMacroFile(std::u16string_view path, const CMacro& macro)
{
    auto manager = MacroManager();
    ComPtr<IMacro> deviceMacro;
    if (macro.GetId().IsZero() || !manager || FAILED(manager->GetMacroById(ToGuid(macro.GetId()), deviceMacro.Put())))
        return false;
    return SUCCEEDED(deviceMacro->ExportMacro(std::u16string(path).c_str()));
}

bool ConfigurationTransfer::HasMacro(const CMacro& macro)
{
    auto manager = MacroManager();
    ComPtr<IMacro> deviceMacro;
    return manager && SUCCEEDED(manager->GetMacroById(ToGuid(macro.GetId()), deviceMacro.Put()));
}
