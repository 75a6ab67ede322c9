// The virtual mouse shared by processes: quorctl and this test act on one store at once.

#include "ChildProcess.h"
#include "support/ServiceFixture.h"

#include "device/IButtonMap.h"
#include "device/IKeyMap.h"
#include "device/_IDPIEvents.h"
#include "device/_IProfileManagerEvents.h"
#include "platform/com/IConnectionPointContainer.h"
#include "service/DeviceNotification.h"
#include "service/DeviceWatcher.h"

#include <nlohmann/json.hpp>

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <fstream>
#include <thread>

namespace {

using namespace quor::test;
using nlohmann::json;

const std::string kQuorctl = std::string(QUOR_DIST_DIR) + "/quorctl";

class ServiceProcessTest : public ServiceFixture {
protected:
    int Quorctl(const std::vector<std::string>& args, std::string* output = nullptr)
    {
        std::vector<std::string> all{"--db", Db().string()};
        all.insert(all.end(), args.begin(), args.end());
        return RunProgram(kQuorctl, all, output);
    }
    json Status()
    {
        std::string output;
        EXPECT_EQ(Quorctl({"status"}, &output), 0);
        return json::parse(output, nullptr, false);
    }
};

struct Sink final : _IDPIEvents, _IProfileManagerEvents {
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        *object = iid == IID__IDPIEvents ? static_cast<void*>(static_cast<_IDPIEvents*>(this))
                  : iid == IID__IProfileManagerEvents || iid == IID_IUnknown
                      ? static_cast<void*>(static_cast<_IProfileManagerEvents*>(this))
                      : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT OnDpiChanged(int32_t x, int32_t y) override
    {
        dpi.emplace_back(x, y);
        onThisThread = onThisThread && std::this_thread::get_id() == owner;
        return S_OK;
    }
    HRESULT OnProfileChanged(int32_t value) override
    {
        profiles.push_back(value);
        onThisThread = onThisThread && std::this_thread::get_id() == owner;
        return S_OK;
    }
    std::thread::id owner = std::this_thread::get_id();
    bool onThisThread = true;
    std::vector<std::pair<int32_t, int32_t>> dpi;
    std::vector<int32_t> profiles;
};

bool Pump(const std::function<bool()>& condition)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        CoWaitAndPumpApartment(std::chrono::milliseconds(500));
    }
    return true;
}

TEST_F(ServiceProcessTest, WatchSeesTheProfileAndDpiEventsOfAnotherProcess)
{
    auto profiles = Profiles();
    ChildProcess watch(kQuorctl, {"--db", Db().string(), "watch"});
    ASSERT_TRUE(watch.Started());
    ASSERT_EQ(watch.ReadLine(), R"({"event":"watching"})");

    ComPtr<IProfile> second;
    ASSERT_EQ(profiles->CreateProfile(second.Put()), S_OK);
    ASSERT_EQ(second->SetProfileName(u"Racing"), S_OK);
    ASSERT_EQ(profiles->SetCurrentProfile(second.Get()), S_OK);
    ASSERT_EQ(ProfileInterface<IDPI>(second.Get(), IID_IDPI)->SetCurrent(1000, 2000), S_OK);

    const auto first = json::parse(watch.ReadLine().value_or(""), nullptr, false);
    const auto next = json::parse(watch.ReadLine().value_or(""), nullptr, false);
    EXPECT_EQ(first["event"], "profile");
    EXPECT_EQ(first["value"], 1);
    EXPECT_EQ(first["name"], "Racing");
    EXPECT_EQ(next["event"], "dpi");
    EXPECT_EQ(next["x"], 1000);
    EXPECT_EQ(next["y"], 2000);
    EXPECT_EQ(next["profile"], quor::com::GuidToString(Id(second.Get())));

    watch.Signal(SIGTERM);
    EXPECT_EQ(watch.Wait(), 0);
}

TEST_F(ServiceProcessTest, PressingAStageUpButtonRaisesTheStageAndReachesSubscribers)
{
    auto profiles = Profiles();
    auto profile = CurrentProfile();
    auto buttons = ProfileInterface<IButtonMap>(profile.Get(), IID_IButtonMap);
    DeviceAssignment stageUp;
    stageUp.target = 4; // button 25
    stageUp.kind = DEVICE_KIND_SENSITIVITY;
    stageUp.SetWord(12, DEVICE_SUBCODE_UP);
    DeviceAssignment nextProfile;
    nextProfile.target = 5; // button 26
    nextProfile.kind = DEVICE_KIND_PROFILE;
    nextProfile.SetWord(12, DEVICE_SUBCODE_NEXT_PROFILE);
    const DeviceAssignment records[] = {stageUp, nextProfile};
    ASSERT_EQ(buttons->SetAssignments(2, records), S_OK);
    ComPtr<IProfile> second;
    ASSERT_EQ(profiles->CreateProfile(second.Put()), S_OK);

    Sink sink;
    auto dpi = ProfileInterface<IDPI>(profile.Get(), IID_IDPI);
    Advise(dpi.Get(), IID__IDPIEvents, static_cast<_IDPIEvents*>(&sink));
    Advise(profiles.Get(), IID__IProfileManagerEvents, static_cast<_IProfileManagerEvents*>(&sink));

    std::string output;
    EXPECT_EQ(Quorctl({"press", "25"}, &output), 0);
    EXPECT_EQ(output, "stage 4\n");
    ASSERT_TRUE(Pump([&] { return !sink.dpi.empty(); }));
    EXPECT_EQ(sink.dpi.front(), std::make_pair(2400, 2400));
    int32_t stage = 0;
    EXPECT_EQ(dpi->GetStageIndex(&stage), S_OK);
    EXPECT_EQ(stage, 4);

    EXPECT_EQ(Quorctl({"press", "26"}), 0);
    ASSERT_TRUE(Pump([&] { return !sink.profiles.empty(); }));
    EXPECT_EQ(sink.profiles, std::vector<int32_t>{1});
    EXPECT_EQ(Id(CurrentProfile().Get()), Id(second.Get()));
    EXPECT_TRUE(sink.onThisThread);

    EXPECT_EQ(Quorctl({"press", "1"}, &output), 0); // a plain click changes nothing
    EXPECT_NE(output.find("nothing changes"), std::string::npos);
    EXPECT_NE(Quorctl({"press", "7"}), 0);
    EXPECT_NE(Quorctl({"press", "twenty"}), 0);
}

TEST_F(ServiceProcessTest, ResetThenStatusGivesTheFactoryStateWithStableIds)
{
    auto profiles = Profiles();
    ComPtr<IProfile> extra;
    ASSERT_EQ(profiles->CreateProfile(extra.Put()), S_OK);
    auto status = Status();
    ASSERT_EQ(status["profiles"].size(), 2u);
    EXPECT_EQ(status["profiles"][1]["id"], quor::com::GuidToString(Id(extra.Get())));

    EXPECT_EQ(Quorctl({"set-dpi", "3000", "3000"}), 0);
    EXPECT_EQ(Quorctl({"set-flags", "Profile 1", "0x1"}), 0);
    EXPECT_EQ(Quorctl({"reset"}), 0);
    status = Status();
    ASSERT_TRUE(status.is_object());
    ASSERT_EQ(status["profiles"].size(), 1u);
    const auto& profile = status["profiles"][0];
    EXPECT_EQ(profile["name"], "Profile 1");
    EXPECT_EQ(profile["flags"], 6);
    EXPECT_EQ(profile["stageIndex"], 3);
    EXPECT_EQ(profile["current"], (json{{"x", 1800}, {"y", 1800}}));
    EXPECT_EQ(profile["buttons"].size(), 7u);
    EXPECT_EQ(profile["keys"].size(), 24u);
    EXPECT_EQ(status["currentProfile"], profile["id"]);
    EXPECT_EQ(status["devices"][0]["type"], 21);
    EXPECT_EQ(status["devices"][0]["firmwareVersion"], "1.05");
    EXPECT_EQ(status["pollingRate"]["interval"], 2);
    EXPECT_EQ(status["acceleration"], (json{{"enabled", false}, {"level", 5}}));
    EXPECT_TRUE(status["macros"].empty());
    // This process sees the reset mouse through its service objects too.
    EXPECT_EQ(quor::com::GuidToString(Id(CurrentProfile().Get())), profile["id"]);
}

TEST_F(ServiceProcessTest, UnplugHidesTheDeviceAndNotifiesListeners)
{
    quor::service::DeviceWatcher watcher;
    ASSERT_EQ(watcher.Open(Db()), S_OK);
    auto notifications = [&] {
        std::vector<quor::service::DeviceNotification> found;
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (found.empty() && std::chrono::steady_clock::now() < end) {
            pollfd descriptor{watcher.Fd(), POLLIN, 0};
            poll(&descriptor, 1, 1000);
            std::vector<quor::service::DeviceEvent> events;
            watcher.ReadEvents(events);
            for (const auto& event : events) {
                if (auto notification = quor::service::DeviceNotification::FromEvent(event))
                    found.push_back(*notification);
            }
        }
        return found;
    };

    EXPECT_EQ(Quorctl({"unplug"}), 0);
    ComPtr<IDeviceEnum> enumerator;
    ASSERT_EQ(CreateEnumerator(enumerator), S_OK);
    ComPtr<IDevice> device;
    EXPECT_TRUE(FAILED(enumerator->GetDevice(0, device.Put())));
    auto removal = notifications();
    ASSERT_EQ(removal.size(), 1u);
    EXPECT_EQ(removal[0].kind, quor::service::DeviceNotification::Kind::Removal);
    EXPECT_NE(removal[0].path.find(u"VID_5E2D"), std::u16string::npos);
    EXPECT_NE(removal[0].path.find(u"PID_0015"), std::u16string::npos);
    EXPECT_EQ(Status()["devices"][0]["plugged"], false);

    EXPECT_EQ(Quorctl({"plug"}), 0);
    auto arrival = notifications();
    ASSERT_EQ(arrival.size(), 1u);
    EXPECT_EQ(arrival[0].kind, quor::service::DeviceNotification::Kind::Arrival);
    EXPECT_EQ(enumerator->GetDevice(0, device.Put()), S_OK);
}

TEST_F(ServiceProcessTest, QuorctlRefusesBadCommandsWithAnError)
{
    const std::vector<std::vector<std::string>> cases = {
        {}, {"fly"}, {"status", "extra"}, {"activate", "Nobody"}, {"set-flags", "Profile 1", "9"},
        {"set-dpi", "x", "1"}, {"remove-profile"},
    };
    for (const auto& args : cases) {
        std::string output;
        EXPECT_NE(Quorctl(args, &output), 0) << (args.empty() ? "" : args[0]);
        EXPECT_TRUE(output.empty());
    }
    std::ofstream(Db(), std::ios::trunc) << std::string(4096, 'g');
    EXPECT_NE(Quorctl({"status"}), 0);
}

// One of the two writers of the next test, run as its own process.
TEST(ServiceWriter, DISABLED_WriteKeys)
{
    const char* db = std::getenv("QUOR_WRITER_DB");
    const char* role = std::getenv("QUOR_WRITER_ROLE");
    ASSERT_TRUE(db && role);
    setenv("QUOR_DEVICE_DB", db, 1);
    ASSERT_EQ(RegisterDeviceService(), S_OK);
    ComPtr<IDeviceEnum> enumerator;
    ASSERT_EQ(CoCreateInstance(CLSID_QuorDeviceService, nullptr, CLSCTX_ALL, IID_IDeviceEnum, enumerator.PutVoid()), S_OK);
    ComPtr<IDevice> device;
    ASSERT_EQ(enumerator->GetDevice(0, device.Put()), S_OK);
    ComPtr<IProfileManager> profiles;
    ASSERT_EQ(device->GetInterface(IID_IProfileManager, profiles.PutVoid()), S_OK);
    ComPtr<IProfile> profile;
    ASSERT_EQ(profiles->GetProfileAt(0, profile.Put()), S_OK);
    ComPtr<IKeyMap> keys;
    ASSERT_EQ(profile->GetInterface(IID_IKeyMap, keys.PutVoid()), S_OK);
    const uint32_t firstKey = std::string(role) == "0" ? 0 : 12;
    static constexpr uint16_t kKeys[24] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 79, 80, 81, 75, 76, 77, 71, 72, 73, 82, 74, 78};
    for (uint32_t call = 0; call < 1000; ++call) {
        DeviceAssignment record;
        record.target = kKeys[firstKey + call % 12];
        record.kind = DEVICE_KIND_KEY;
        record.SetHalf(12, static_cast<uint16_t>(call));
        ASSERT_EQ(keys->SetAssignments(1, &record), S_OK) << call;
    }
}

TEST_F(ServiceProcessTest, TwoWritingProcessesLoseNothing)
{
    ASSERT_TRUE(CurrentProfile()); // the store exists before both start
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    const std::vector<std::string> args{"--gtest_filter=ServiceWriter.DISABLED_WriteKeys", "--gtest_also_run_disabled_tests"};
    ChildProcess first(self, args, {"QUOR_WRITER_DB=" + Db().string(), "QUOR_WRITER_ROLE=0"});
    ChildProcess second(self, args, {"QUOR_WRITER_DB=" + Db().string(), "QUOR_WRITER_ROLE=1"});
    first.ReadAll();
    second.ReadAll();
    EXPECT_EQ(first.Wait(), 0);
    EXPECT_EQ(second.Wait(), 0);

    // Every key holds the last value its own writer gave it: no update of either was lost.
    auto keys = ProfileInterface<IKeyMap>(CurrentProfile().Get(), IID_IKeyMap);
    DeviceAssignment records[24];
    uint32_t count = 24;
    ASSERT_EQ(keys->GetAll(&count, records), S_OK);
    for (uint32_t key = 0; key < 24; ++key) {
        const uint32_t lastCall = 996 + (key % 12 < 4 ? key % 12 : key % 12 - 12);
        EXPECT_EQ(records[key].Half(12), lastCall) << key;
    }
}

} // namespace
