// The device object's speed on the virtual mouse: reading the whole configuration of a mouse
// with five profiles and twenty macros, and writing it in the background (from Transfer to the
// writer's end, without the pause after the write).

#include "device/CMouse.h"
#include "device/DeviceIds.h"
#include "model/ButtonNumbers.h"
#include "model/CVornConfig.h"
#include "model/FunctionCodes.h"
#include "platform/com/Com.h"
#include "platform/system/Utf16.h"
#include "service/DeviceService.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include <unistd.h>

namespace {

constexpr int kProfiles = 5;
constexpr int kMacros = 20;
constexpr uint32_t kMacroKeys = 25; // press and release each: 50 events
constexpr uint32_t VK_A = 0x41;

class Workbench {
public:
    Workbench()
    {
        m_folder = std::filesystem::temp_directory_path() / ("quor-device-bench-" + std::to_string(::getpid()) + "-" + std::to_string(s_count++));
        std::filesystem::create_directories(m_folder);
        setenv("QUOR_DEVICE_DB", (m_folder / "quor-device.sqlite").c_str(), 1);
        RegisterDeviceService();
        CoInitialize(nullptr);
    }
    ~Workbench()
    {
        CoUninitialize();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    std::unique_ptr<CVornConfig> Store() const
    {
        return std::make_unique<CVornConfig>(quor::system::FromPath(m_folder));
    }
    static std::unique_ptr<CMouse> Connected(IMouseConfig& store)
    {
        auto mouse = std::make_unique<CMouse>();
        mouse->SetWriterPause(std::chrono::milliseconds(0));
        const uint16_t type = QUOR_DEVICE_TYPE;
        if (!mouse->Connect(&store, &type) || !mouse->Transfer(&store, TRANSFER_READ, TRANSFER_ALL))
            throw std::runtime_error("no virtual mouse");
        return mouse;
    }
    static void Write(CMouse& mouse, IMouseConfig& store)
    {
        if (!mouse.Transfer(&store, TRANSFER_WRITE, TRANSFER_ALL))
            throw std::runtime_error("write refused");
        while (mouse.IsBusy())
            std::this_thread::yield();
    }

    // Five profiles with their own stages and assignments, twenty macros on buttons and keys.
    static void Fill(IMouseConfig& store, uint32_t variant)
    {
        while (store.GetProfileCount() < kProfiles)
            store.NewProfile(u"Profile " + std::u16string(1, char16_t(u'1' + store.GetProfileCount())));
        while (store.GetMacroCount() < kMacros)
            store.NewMacro(u"Macro " + quor::system::FromUtf8(std::to_string(store.GetMacroCount() + 1)));
        for (int32_t m = 0; m < kMacros; ++m) {
            std::vector<MacroEvent> events;
            for (uint32_t k = 0; k < kMacroKeys; ++k) {
                events.push_back(MacroEvent::KeyPress(VK_A + (k + variant) % 26));
                events.push_back(MacroEvent::KeyRelease(VK_A + (k + variant) % 26));
            }
            store.GetMacro(m)->SetEvents(events);
        }
        for (int32_t p = 0; p < kProfiles; ++p) {
            IMouseProfile* profile = store.GetProfile(p);
            store.SetStageXYSeparate(2, 1, profile);
            store.SetStageDpiX(2, 400 + 100 * int32_t(variant % 10), profile);
            store.SetStageDpiY(2, 800, profile);
            store.SetButtonAssignment(Button::LeftClickFront, AssignmentRecord::WithName(FunctionCode::MacroByName, store.GetMacro(p)->GetName()), profile);
            for (int32_t k = 0; k < 12; ++k)
                store.SetKeyAssignment(kNumberRowKeys[size_t(k)], AssignmentRecord::WithName(FunctionCode::MacroByName, store.GetMacro(k % kMacros)->GetName()), profile);
            store.SetKeyAssignment(kKeypadKeys[0], AssignmentRecord::WithName(FunctionCode::ProfileByName, store.GetProfile((p + 1) % kProfiles)->GetName()), profile);
        }
        store.SetActiveProfile(store.GetProfile(0));
    }

private:
    static inline int s_count = 0;
    std::filesystem::path m_folder;
};

void BM_TransferRead(benchmark::State& state)
{
    Workbench bench;
    auto source = bench.Store();
    auto writer = Workbench::Connected(*source);
    Workbench::Fill(*source, 0);
    Workbench::Write(*writer, *source);

    for (auto _ : state) {
        auto store = bench.Store();
        CMouse mouse;
        const uint16_t type = QUOR_DEVICE_TYPE;
        mouse.Connect(store.get(), &type);
        const auto start = std::chrono::steady_clock::now();
        const bool read = mouse.Transfer(store.get(), TRANSFER_READ, TRANSFER_ALL);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!read || store->GetProfileCount() != kProfiles || store->GetMacroCount() != kMacros)
            state.SkipWithError("incomplete read");
    }
}
BENCHMARK(BM_TransferRead)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_TransferWrite(benchmark::State& state)
{
    Workbench bench;
    auto store = bench.Store();
    auto mouse = Workbench::Connected(*store);
    uint32_t variant = 0;
    Workbench::Fill(*store, variant);
    Workbench::Write(*mouse, *store);

    for (auto _ : state) {
        // Every macro and every profile's stages changed since the last write.
        Workbench::Fill(*store, ++variant);
        const auto start = std::chrono::steady_clock::now();
        Workbench::Write(*mouse, *store);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
BENCHMARK(BM_TransferWrite)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
