// The device service's speed: writing a whole configuration through the interfaces, and how
// soon a change made here reaches a subscriber in another process.

#include "ChildProcess.h"

#include "device/IAcceleration.h"
#include "device/IButtonMap.h"
#include "device/IDPI.h"
#include "device/IDevice.h"
#include "device/IDeviceEnum.h"
#include "device/IKeyMap.h"
#include "device/ILed.h"
#include "device/ILighting.h"
#include "device/IMacro.h"
#include "device/IMacroManager.h"
#include "device/IPollingRate.h"
#include "device/IProfile.h"
#include "device/IProfileManager.h"
#include "device/IProfileProperties.h"
#include "device/ProfileProperty.h"
#include "platform/com/Com.h"
#include "platform/com/ComPtr.h"
#include "service/DeviceService.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

using quor::com::ComPtr;

constexpr int kProfiles = 5;
constexpr int kMacros = 20;
constexpr uint32_t kMacroEvents = 50;
constexpr uint16_t kThumbKeys[24] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 79, 80, 81, 75, 76, 77, 71, 72, 73, 82, 74, 78};
constexpr uint32_t kButtonIndices[7] = {1, 2, 3, 4, 5, 8, 9};

void Check(HRESULT result, const char* what)
{
    if (FAILED(result))
        throw std::runtime_error(what);
}

std::filesystem::path PrivateStore()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "quor-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp");
    return std::filesystem::path(pattern) / "quor-device.sqlite";
}

struct Service {
    Service()
    {
        setenv("QUOR_DEVICE_DB", store.c_str(), 1);
        RegisterDeviceService();
        CoInitialize(nullptr);
        Check(CoCreateInstance(CLSID_QuorDeviceService, nullptr, CLSCTX_ALL, IID_IDeviceEnum, enumerator.PutVoid()), "service");
        Check(enumerator->GetDevice(0, device.Put()), "device");
        Check(device->GetInterface(IID_IProfileManager, profiles.PutVoid()), "profiles");
        Check(device->GetInterface(IID_IMacroManager, macros.PutVoid()), "macros");
    }
    ~Service()
    {
        profiles.Reset();
        macros.Reset();
        device.Reset();
        enumerator.Reset();
        std::error_code error;
        std::filesystem::remove_all(store.parent_path(), error);
        CoUninitialize();
    }

    // Back to one profile and no macros, as before a first write.
    void Clear()
    {
        for (uint32_t index = 0;;) {
            ComPtr<IMacro> macro;
            if (FAILED(macros->GetMacroAt(index, macro.Put())))
                break;
            if (FAILED(macros->RemoveMacro(macro.Get())))
                ++index;
        }
        for (uint32_t index = 1;;) {
            ComPtr<IProfile> profile;
            if (FAILED(profiles->GetProfileAt(index, profile.Put())))
                break;
            if (FAILED(profiles->RemoveProfile(profile.Get())))
                ++index;
        }
    }

    std::filesystem::path store = PrivateStore();
    ComPtr<IDeviceEnum> enumerator;
    ComPtr<IDevice> device;
    ComPtr<IProfileManager> profiles;
    ComPtr<IMacroManager> macros;
};

void WriteProfile(IProfile* profile, int number)
{
    const std::u16string name = u"Profile " + std::u16string(1, static_cast<char16_t>(u'1' + number));
    Check(profile->SetProfileName(name.c_str()), "name");
    ComPtr<IProfileProperties> properties;
    Check(profile->GetInterface(IID_IProfileProperties, properties.PutVoid()), "properties");
    char16_t program[PROFILE_PROGRAM_CHARS] = u"game.exe";
    Check(properties->SetValue(PROFILE_PROPERTY_PROGRAM, program, 0, PROFILE_PROGRAM_BYTES, 0), "program");
    for (uint16_t flag : {PROFILE_FLAG_AUTO_SWITCH, PROFILE_FLAG_SENSITIVITY_DISPLAY, PROFILE_FLAG_PROFILE_DISPLAY}) {
        const uint16_t value[2] = {flag, 1};
        Check(properties->SetValue(PROFILE_PROPERTY_FLAGS, value, 0, sizeof value, 0), "flags");
    }
    ComPtr<IDPI> dpi;
    Check(profile->GetInterface(IID_IDPI, dpi.PutVoid()), "dpi");
    const int32_t stages[10] = {400, 400, 800, 800, 1600, 1600, 3200, 1600, 5600, 5600};
    Check(dpi->SetStages(5, stages), "stages");
    Check(dpi->SetStageIndex(2), "stage index");
    Check(dpi->SetCurrent(800, 800), "current");
    ComPtr<IButtonMap> buttons;
    Check(profile->GetInterface(IID_IButtonMap, buttons.PutVoid()), "buttons");
    for (uint32_t index : kButtonIndices) {
        DeviceAssignment record;
        record.target = index;
        record.kind = DEVICE_KIND_MOUSE;
        record.SetWord(12, index);
        Check(buttons->SetAssignments(1, &record), "button");
    }
    ComPtr<IKeyMap> keys;
    Check(profile->GetInterface(IID_IKeyMap, keys.PutVoid()), "keys");
    for (uint16_t scanCode : kThumbKeys) {
        DeviceAssignment record;
        record.target = scanCode;
        record.kind = DEVICE_KIND_KEY;
        record.SetHalf(12, scanCode);
        Check(keys->SetAssignments(1, &record), "key");
    }
    ComPtr<ILighting> lighting;
    Check(profile->GetInterface(IID_ILighting, lighting.PutVoid()), "lighting");
    for (uint32_t index = 0;; ++index) {
        ComPtr<ILed> led;
        if (FAILED(lighting->GetLed(index, led.Put())))
            break;
        Check(led->TurnOff(), "light");
    }
}

void BM_WriteFullConfiguration(benchmark::State& state)
{
    Service service;
    for (auto _ : state) {
        state.PauseTiming();
        service.Clear();
        state.ResumeTiming();
        for (int number = 0; number < kProfiles; ++number) {
            ComPtr<IProfile> profile;
            if (number == 0)
                Check(service.profiles->GetProfileAt(0, profile.Put()), "first profile");
            else
                Check(service.profiles->CreateProfile(profile.Put()), "create profile");
            WriteProfile(profile.Get(), number);
        }
        ComPtr<IAcceleration> acceleration;
        Check(service.device->GetInterface(IID_IAcceleration, acceleration.PutVoid()), "acceleration");
        Check(acceleration->SetLevel(7), "level");
        Check(acceleration->Enable(), "enable");
        ComPtr<IPollingRate> polling;
        Check(service.device->GetInterface(IID_IPollingRate, polling.PutVoid()), "polling");
        Check(polling->SetCurrent(1), "polling rate");
        MacroEventBuffer* buffer = AllocMacroEventBuffer(kMacroEvents);
        for (uint32_t i = 0; i < kMacroEvents; ++i)
            buffer->Events()[i] = i % 3 == 2 ? MacroEventRecord::Pause(20) : MacroEventRecord::Key(30, static_cast<uint16_t>(i % 3));
        for (int number = 0; number < kMacros; ++number) {
            ComPtr<IMacro> macro;
            Check(service.macros->CreateMacro(macro.Put()), "create macro");
            Check(macro->WriteEvents(buffer), "events");
            Check(macro->SetMacroName((u"Macro " + std::u16string(1, static_cast<char16_t>(u'A' + number))).c_str()), "macro name");
        }
        CoTaskMemFree(buffer);
        ComPtr<IProfile> first;
        Check(service.profiles->GetProfileAt(0, first.Put()), "first");
        Check(service.profiles->SetCurrentProfile(first.Get()), "current");
    }
}
BENCHMARK(BM_WriteFullConfiguration)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_CrossProcessEventLatency(benchmark::State& state)
{
    Service service;
    ComPtr<IProfile> profile;
    Check(service.profiles->GetCurrentProfile(profile.Put()), "current profile");
    ComPtr<IDPI> dpi;
    Check(profile->GetInterface(IID_IDPI, dpi.PutVoid()), "dpi");
    quor::test::ChildProcess watch(std::string(QUOR_DIST_DIR) + "/quorctl", {"--db", service.store.string(), "watch"});
    if (!watch.ReadLine())
        throw std::runtime_error("quorctl watch did not start");
    constexpr int kRounds = 20;
    std::vector<double> latencies;
    for (auto _ : state) {
        for (int round = 0; round < kRounds; ++round) {
            const auto start = std::chrono::steady_clock::now();
            Check(dpi->SetCurrent(1000 + 100 * (round % 2), 1000), "change");
            if (!watch.ReadLine(std::chrono::seconds(5)))
                throw std::runtime_error("event did not arrive");
            latencies.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["median_ms"] = latencies[latencies.size() / 2];
    state.counters["worst_ms"] = latencies.back();
}
BENCHMARK(BM_CrossProcessEventLatency)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
