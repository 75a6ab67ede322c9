#include "support/ServiceFixture.h"

#include "device/IAcceleration.h"
#include "device/IButtonMap.h"
#include "device/IDeviceIdentity.h"
#include "device/IKeyMap.h"
#include "device/ILed.h"
#include "device/ILighting.h"
#include "device/IMacro.h"
#include "device/IPollingRate.h"
#include "device/IProfileProperties.h"
#include "device/ProfileProperty.h"
#include "device/_IDPIEvents.h"
#include "device/_IProfileManagerEvents.h"
#include "platform/com/IConnectionPointContainer.h"
#include "service/VirtualMouse.h"
#include "support/WaitUntil.h"

#include <fstream>
#include <thread>

namespace {

using namespace quor::test;

class DeviceServiceTest : public ServiceFixture {};

std::vector<std::pair<int32_t, int32_t>> Stages(IDPI* dpi)
{
    uint32_t count = 0;
    int32_t* pairs = nullptr;
    EXPECT_EQ(dpi->GetStages(&count, &pairs), S_OK);
    std::vector<std::pair<int32_t, int32_t>> stages;
    for (uint32_t i = 0; i < count; ++i)
        stages.emplace_back(pairs[2 * i], pairs[2 * i + 1]);
    CoTaskMemFree(pairs);
    return stages;
}

uint16_t Flags(IProfileProperties* properties)
{
    uint16_t flags = 0;
    uint32_t bytes = sizeof flags;
    EXPECT_EQ(properties->GetValue(PROFILE_PROPERTY_FLAGS, 0, &flags, 0, &bytes), S_OK);
    EXPECT_EQ(bytes, 2u);
    return flags;
}

std::u16string Program(IProfileProperties* properties)
{
    char16_t buffer[PROFILE_PROGRAM_CHARS] = {};
    uint32_t bytes = sizeof buffer;
    EXPECT_EQ(properties->GetValue(PROFILE_PROPERTY_PROGRAM, 0, buffer, 0, &bytes), S_OK);
    return bytes ? std::u16string(buffer) : std::u16string();
}

TEST_F(DeviceServiceTest, NewStoreHoldsTheFactoryState)
{
    ComPtr<IDeviceEnum> enumerator;
    ASSERT_EQ(CreateEnumerator(enumerator), S_OK);
    ComPtr<IDevice> device;
    ASSERT_EQ(enumerator->GetDevice(0, device.Put()), S_OK);
    ComPtr<IDevice> second;
    EXPECT_TRUE(FAILED(enumerator->GetDevice(1, second.Put())));

    DeviceInfo info;
    ASSERT_EQ(device->GetInfo(&info), S_OK);
    EXPECT_EQ(info.type, 21u);
    EXPECT_EQ(std::make_pair(info.driverMajor, info.driverMinor), std::make_pair(1u, 0u));
    EXPECT_EQ(std::make_pair(info.firmwareMajor, info.firmwareMinor), std::make_pair(1u, 5u));
    ComPtr<IDeviceIdentity> identity;
    ASSERT_EQ(device.As(IID_IDeviceIdentity, identity), S_OK);
    uint32_t value = 0, type = 0;
    EXPECT_EQ(identity->GetIdentity(&value, &type), S_OK);
    EXPECT_EQ(type, 21u);

    auto profiles = Profiles();
    ComPtr<IProfile> first, none;
    ASSERT_EQ(profiles->GetProfileAt(0, first.Put()), S_OK);
    EXPECT_TRUE(FAILED(profiles->GetProfileAt(1, none.Put())));
    EXPECT_EQ(Name(first.Get()), u"Profile 1");
    EXPECT_EQ(Id(CurrentProfile().Get()), Id(first.Get()));

    auto dpi = ProfileInterface<IDPI>(first.Get(), IID_IDPI);
    int32_t a = 0, b = 0, c = 0;
    EXPECT_EQ(dpi->GetRange(&a, &b, &c), S_OK);
    EXPECT_EQ(std::tie(a, b, c), std::make_tuple(100, 5600, 100));
    EXPECT_EQ(dpi->GetStageLimits(&a, &b), S_OK);
    EXPECT_EQ(b, 5);
    EXPECT_EQ(Stages(dpi.Get()), (std::vector<std::pair<int32_t, int32_t>>{{800, 800}, {1200, 1200}, {1800, 1800}, {2400, 2400}, {5600, 5600}}));
    EXPECT_EQ(dpi->GetStageIndex(&a), S_OK);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(dpi->GetCurrent(&a, &b), S_OK);
    EXPECT_EQ(std::tie(a, b), std::make_tuple(1800, 1800));

    auto buttons = ProfileInterface<IButtonMap>(first.Get(), IID_IButtonMap);
    uint32_t count = 0, mask = 0;
    EXPECT_EQ(buttons->GetCapabilities(&count, &value, &mask), S_OK);
    EXPECT_EQ(count, 7u);
    EXPECT_EQ(mask, 0x19Fu);
    DeviceAssignment records[24];
    count = 24;
    EXPECT_EQ(buttons->GetAll(&count, records), S_OK);
    ASSERT_EQ(count, 7u);
    EXPECT_EQ(records[0].target, 1u);
    EXPECT_EQ(records[0].kind, DEVICE_KIND_MOUSE);
    EXPECT_EQ(records[0].Word(12), 1u);

    auto keys = ProfileInterface<IKeyMap>(first.Get(), IID_IKeyMap);
    EXPECT_EQ(keys->GetCount(&value, &count), S_OK);
    ASSERT_EQ(count, 24u);
    EXPECT_EQ(keys->GetAll(&count, records), S_OK);
    EXPECT_EQ(records[0].target, 2u);
    EXPECT_EQ(records[11].target, 13u);
    EXPECT_EQ(records[12].target, 79u);
    EXPECT_EQ(records[23].target, 78u);
    EXPECT_EQ(records[23].kind, DEVICE_KIND_KEY);
    EXPECT_EQ(records[23].Half(12), 78u);

    auto lighting = ProfileInterface<ILighting>(first.Get(), IID_ILighting);
    std::vector<std::pair<uint32_t, uint32_t>> lights;
    for (uint32_t index = 0;; ++index) {
        ComPtr<ILed> led;
        if (FAILED(lighting->GetLed(index, led.Put())))
            break;
        uint32_t kind = 0, state = 0;
        led->GetKind(&kind);
        led->GetState(&state);
        lights.emplace_back(kind, state);
    }
    EXPECT_EQ(lights, (std::vector<std::pair<uint32_t, uint32_t>>{{1, 1}, {4, 1}}));

    auto properties = ProfileInterface<IProfileProperties>(first.Get(), IID_IProfileProperties);
    EXPECT_EQ(Flags(properties.Get()), 0x6);
    EXPECT_EQ(Program(properties.Get()), u"");

    auto acceleration = DeviceInterface<IAcceleration>(IID_IAcceleration);
    uint32_t enabled = 1;
    int32_t level = 0;
    EXPECT_EQ(acceleration->IsEnabled(&enabled), S_OK);
    EXPECT_EQ(acceleration->GetLevel(&level), S_OK);
    EXPECT_EQ(std::make_pair(enabled, level), std::make_pair(0u, 5));

    auto polling = DeviceInterface<IPollingRate>(IID_IPollingRate);
    uint32_t interval = 0;
    uint32_t* rates = nullptr;
    EXPECT_EQ(polling->GetCurrent(&interval), S_OK);
    EXPECT_EQ(interval, 2u);
    EXPECT_EQ(polling->GetSupported(&count, &rates), S_OK);
    EXPECT_EQ(std::vector<uint32_t>(rates, rates + count), (std::vector<uint32_t>{125, 500, 1000}));
    CoTaskMemFree(rates);

    auto macros = DeviceInterface<IMacroManager>(IID_IMacroManager);
    ComPtr<IMacro> macro;
    EXPECT_TRUE(FAILED(macros->GetMacroAt(0, macro.Put())));
}

TEST_F(DeviceServiceTest, ProfilesAreLimitedToFiveAndDeletionRereadsTheSameIndex)
{
    auto profiles = Profiles();
    std::vector<GUID> created;
    for (int i = 0; i < 4; ++i) {
        ComPtr<IProfile> profile;
        ASSERT_EQ(profiles->CreateProfile(profile.Put()), S_OK);
        created.push_back(Id(profile.Get()));
    }
    ComPtr<IProfile> sixth;
    EXPECT_TRUE(FAILED(profiles->CreateProfile(sixth.Put())));
    EXPECT_FALSE(sixth);

    // Make the last one current, then delete all others with the walk the programs use.
    ComPtr<IProfile> keep;
    ASSERT_EQ(profiles->GetProfileById(created.back(), keep.Put()), S_OK);
    ASSERT_EQ(profiles->SetCurrentProfile(keep.Get()), S_OK);
    for (uint32_t index = 0;;) {
        ComPtr<IProfile> profile;
        if (FAILED(profiles->GetProfileAt(index, profile.Put())))
            break;
        if (Id(profile.Get()) != created.back() && SUCCEEDED(profiles->RemoveProfile(profile.Get())))
            continue;
        ++index;
    }
    ComPtr<IProfile> only, none;
    ASSERT_EQ(profiles->GetProfileAt(0, only.Put()), S_OK);
    EXPECT_EQ(Id(only.Get()), created.back());
    EXPECT_TRUE(FAILED(profiles->GetProfileAt(1, none.Put())));

    // A removed profile's objects fail rather than act on another profile.
    ComPtr<IProfile> gone;
    EXPECT_TRUE(FAILED(profiles->GetProfileById(created.front(), gone.Put())));
    EXPECT_TRUE(FAILED(profiles->RemoveProfile(nullptr)));
}

TEST_F(DeviceServiceTest, RemovingTheCurrentProfileMakesTheFirstRemainingCurrent)
{
    auto profiles = Profiles();
    ComPtr<IProfile> second;
    ASSERT_EQ(profiles->CreateProfile(second.Put()), S_OK);
    auto first = CurrentProfile();
    ASSERT_EQ(profiles->RemoveProfile(first.Get()), S_OK);
    EXPECT_EQ(Id(CurrentProfile().Get()), Id(second.Get()));
    EXPECT_TRUE(FAILED(first->SetProfileName(u"Gone")));
}

TEST_F(DeviceServiceTest, IdsAndNamesStayAcrossServiceInstances)
{
    GUID id;
    {
        auto profiles = Profiles();
        ComPtr<IProfile> profile;
        ASSERT_EQ(profiles->CreateProfile(profile.Put()), S_OK);
        ASSERT_EQ(profile->SetProfileName(u"Ünïcode Ж"), S_OK);
        id = Id(profile.Get());
    }
    auto profiles = Profiles();
    ComPtr<IProfile> again;
    ASSERT_EQ(profiles->GetProfileById(id, again.Put()), S_OK);
    EXPECT_EQ(Name(again.Get()), u"Ünïcode Ж");
    EXPECT_EQ(again->SetProfileName(std::u16string(256, u'x').c_str()), E_INVALIDARG);
}

TEST_F(DeviceServiceTest, PropertiesKeepProgramAndFlagsBitByBit)
{
    auto properties = ProfileInterface<IProfileProperties>(CurrentProfile().Get(), IID_IProfileProperties);
    const std::u16string program = u"game.exe";
    EXPECT_EQ(properties->SetValue(PROFILE_PROPERTY_PROGRAM, program.c_str(), 0, PROFILE_PROGRAM_BYTES, 0), S_OK);
    EXPECT_EQ(Program(properties.Get()), program);

    const uint16_t setAuto[2] = {PROFILE_FLAG_AUTO_SWITCH, 1};
    const uint16_t clearProfile[2] = {PROFILE_FLAG_PROFILE_DISPLAY, 0};
    EXPECT_EQ(properties->SetValue(PROFILE_PROPERTY_FLAGS, setAuto, 0, 4, 0), S_OK);
    EXPECT_EQ(properties->SetValue(PROFILE_PROPERTY_FLAGS, clearProfile, 0, 4, 0), S_OK);
    EXPECT_EQ(Flags(properties.Get()), PROFILE_FLAG_AUTO_SWITCH | PROFILE_FLAG_SENSITIVITY_DISPLAY);

    // Refused without change: unknown ids, wrong sizes, two bits at once, a short buffer.
    const uint16_t twoBits[2] = {0x3, 1};
    EXPECT_EQ(properties->SetValue(PROFILE_PROPERTY_FLAGS, twoBits, 0, 4, 0), E_INVALIDARG);
    EXPECT_EQ(properties->SetValue(PROFILE_PROPERTY_FLAGS, setAuto, 0, 2, 0), E_INVALIDARG);
    EXPECT_EQ(properties->SetValue(0x80000001, setAuto, 0, 4, 0), E_INVALIDARG);
    uint16_t word = 0;
    uint32_t bytes = 1;
    EXPECT_EQ(properties->GetValue(PROFILE_PROPERTY_FLAGS, 0, &word, 0, &bytes), E_INVALIDARG);
    EXPECT_EQ(Flags(properties.Get()), PROFILE_FLAG_AUTO_SWITCH | PROFILE_FLAG_SENSITIVITY_DISPLAY);

    // A program longer than the property holds is cut to 127 units and a terminator.
    const std::u16string longName(200, u'p');
    EXPECT_EQ(properties->SetValue(PROFILE_PROPERTY_PROGRAM, longName.c_str(), 0, 400, 0), S_OK);
    EXPECT_EQ(Program(properties.Get()).size(), 127u);
}

TEST_F(DeviceServiceTest, StagesAreClampedAndTheCurrentStageDrivesTheCurrentSensitivity)
{
    auto dpi = ProfileInterface<IDPI>(CurrentProfile().Get(), IID_IDPI);
    const int32_t pairs[] = {50, 50, 900, 1000, 7000, 7000};
    ASSERT_EQ(dpi->SetStages(3, pairs), S_OK);
    EXPECT_EQ(Stages(dpi.Get()), (std::vector<std::pair<int32_t, int32_t>>{{100, 100}, {900, 1000}, {5600, 5600}}));
    int32_t index = 0, x = 0, y = 0;
    EXPECT_EQ(dpi->GetStageIndex(&index), S_OK);
    EXPECT_EQ(index, 3);
    EXPECT_EQ(dpi->SetStageIndex(2), S_OK);
    EXPECT_EQ(dpi->GetCurrent(&x, &y), S_OK);
    EXPECT_EQ(std::tie(x, y), std::make_tuple(900, 1000));
    for (int32_t bad : {0, 4, -1})
        EXPECT_EQ(dpi->SetStageIndex(bad), E_INVALIDARG) << bad;
    EXPECT_EQ(dpi->SetStages(0, pairs), E_INVALIDARG);
    EXPECT_EQ(dpi->SetStages(6, pairs), E_INVALIDARG);
    EXPECT_EQ(dpi->SetStages(1, nullptr), E_POINTER);
}

TEST_F(DeviceServiceTest, AssignmentsReplaceTheirTargetsAndRefuseStrangers)
{
    auto profile = CurrentProfile();
    auto buttons = ProfileInterface<IButtonMap>(profile.Get(), IID_IButtonMap);
    DeviceAssignment stageUp;
    stageUp.target = 4;
    stageUp.kind = DEVICE_KIND_SENSITIVITY;
    stageUp.SetWord(12, DEVICE_SUBCODE_UP);
    EXPECT_EQ(buttons->SetAssignments(1, &stageUp), S_OK);

    DeviceAssignment stranger = stageUp;
    stranger.target = 6; // no button has device index 6
    const DeviceAssignment mixed[] = {stageUp, stranger};
    EXPECT_EQ(buttons->SetAssignments(2, mixed), E_INVALIDARG);

    DeviceAssignment records[7];
    uint32_t count = 7;
    ASSERT_EQ(buttons->GetAll(&count, records), S_OK);
    EXPECT_EQ(records[3].kind, DEVICE_KIND_SENSITIVITY);
    EXPECT_EQ(records[3].Word(12), DEVICE_SUBCODE_UP);
    count = 2;
    EXPECT_EQ(buttons->GetAll(&count, records), S_FALSE);
    EXPECT_EQ(count, 2u);

    auto keys = ProfileInterface<IKeyMap>(profile.Get(), IID_IKeyMap);
    DeviceAssignment key;
    key.target = 79;
    key.kind = DEVICE_KIND_KEY;
    key.SetHalf(12, 30);
    key.SetWord(14, DEVICE_MODIFIER_CONTROL);
    EXPECT_EQ(keys->SetAssignments(1, &key), S_OK);
    key.target = 30; // not a thumb key
    EXPECT_EQ(keys->SetAssignments(1, &key), E_INVALIDARG);
    DeviceAssignment all[24];
    count = 24;
    ASSERT_EQ(keys->GetAll(&count, all), S_OK);
    EXPECT_EQ(all[12].Half(12), 30u);
    EXPECT_EQ(all[12].Word(14), DEVICE_MODIFIER_CONTROL);
}

TEST_F(DeviceServiceTest, MacrosKeepNamesAndEventsAndDeleteWithTheSameIndex)
{
    auto macros = DeviceInterface<IMacroManager>(IID_IMacroManager);
    for (int i = 0; i < 3; ++i) {
        ComPtr<IMacro> macro;
        ASSERT_EQ(macros->CreateMacro(macro.Put()), S_OK);
        ASSERT_EQ(macro->SetMacroName((u"Macro " + std::u16string(1, char16_t(u'A' + i))).c_str()), S_OK);
        MacroEventBuffer* buffer = AllocMacroEventBuffer(3);
        buffer->Events()[0] = MacroEventRecord::Key(30, 0);
        buffer->Events()[1] = MacroEventRecord::Pause(25);
        buffer->Events()[2] = MacroEventRecord::Key(30, MACRO_KEY_RELEASED | MACRO_KEY_EXTENDED);
        EXPECT_EQ(macro->WriteEvents(buffer), S_OK);
        buffer->Events()[1].kind = 7;
        EXPECT_EQ(macro->WriteEvents(buffer), E_INVALIDARG);
        CoTaskMemFree(buffer);
    }
    ComPtr<IMacro> second;
    ASSERT_EQ(macros->GetMacroAt(1, second.Put()), S_OK);
    MacroEventBuffer* read = nullptr;
    ASSERT_EQ(second->ReadEvents(&read), S_OK);
    ASSERT_EQ(read->count, 3u);
    EXPECT_EQ(read->Events()[1].PauseLength(), 25u);
    EXPECT_EQ(read->Events()[2].ScanCode(), 30u);
    EXPECT_EQ(read->Events()[2].Flags(), MACRO_KEY_RELEASED | MACRO_KEY_EXTENDED);
    CoTaskMemFree(read);

    int removed = 0;
    for (uint32_t index = 0;;) {
        ComPtr<IMacro> macro;
        if (FAILED(macros->GetMacroAt(index, macro.Put())))
            break;
        if (SUCCEEDED(macros->RemoveMacro(macro.Get()))) {
            ++removed;
            continue;
        }
        ++index;
    }
    EXPECT_EQ(removed, 3);
    char16_t* name = nullptr;
    EXPECT_TRUE(FAILED(second->GetMacroName(&name)));
    EXPECT_EQ(name, nullptr);
}

TEST_F(DeviceServiceTest, ExportedProfilesAndMacrosImportAsNewOnes)
{
    auto profiles = Profiles();
    auto profile = CurrentProfile();
    ASSERT_EQ(profile->SetProfileName(u"Shooter"), S_OK);
    auto dpi = ProfileInterface<IDPI>(profile.Get(), IID_IDPI);
    const int32_t pairs[] = {400, 400, 3200, 1600};
    ASSERT_EQ(dpi->SetStages(2, pairs), S_OK);
    const auto file = TempFile("shooter.mvp").u16string();
    ASSERT_EQ(profile->ExportProfile(file.c_str()), S_OK);

    ComPtr<IProfile> imported;
    ASSERT_EQ(profiles->ImportProfile(file.c_str(), imported.Put()), S_OK);
    EXPECT_NE(Id(imported.Get()), Id(profile.Get()));
    EXPECT_EQ(Name(imported.Get()), u"Shooter");
    EXPECT_EQ(Stages(ProfileInterface<IDPI>(imported.Get(), IID_IDPI).Get()),
              (std::vector<std::pair<int32_t, int32_t>>{{400, 400}, {3200, 1600}}));

    auto macros = DeviceInterface<IMacroManager>(IID_IMacroManager);
    ComPtr<IMacro> macro, copy;
    ASSERT_EQ(macros->CreateMacro(macro.Put()), S_OK);
    ASSERT_EQ(macro->SetMacroName(u"Combo"), S_OK);
    MacroEventBuffer* buffer = AllocMacroEventBuffer(1);
    buffer->Events()[0] = MacroEventRecord::Pause(80);
    ASSERT_EQ(macro->WriteEvents(buffer), S_OK);
    CoTaskMemFree(buffer);
    const auto macroFile = TempFile("combo.mvm").u16string();
    ASSERT_EQ(macro->ExportMacro(macroFile.c_str()), S_OK);
    ASSERT_EQ(macros->ImportMacro(macroFile.c_str(), copy.Put()), S_OK);
    char16_t* name = nullptr;
    ASSERT_EQ(copy->GetMacroName(&name), S_OK);
    EXPECT_EQ(std::u16string(name), u"Combo");
    CoTaskMemFree(name);
    MacroEventBuffer* read = nullptr;
    ASSERT_EQ(copy->ReadEvents(&read), S_OK);
    EXPECT_EQ(read->count, 1u);
    EXPECT_EQ(read->Events()[0].PauseLength(), 80u);
    CoTaskMemFree(read);

    // A folder that does not exist: refused, nothing written.
    EXPECT_TRUE(FAILED(profile->ExportProfile(TempFile("missing/shooter.mvp").u16string().c_str())));
}

TEST_F(DeviceServiceTest, MalformedOrForeignImportFilesAreRefusedAndChangeNothing)
{
    auto profile = CurrentProfile();
    const auto good = TempFile("good.mvp");
    ASSERT_EQ(profile->ExportProfile(good.u16string().c_str()), S_OK);
    std::ifstream in(good);
    const std::string valid((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = valid;
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty", ""},
        {"not JSON", "profile = shooter"},
        {"cut short", valid.substr(0, valid.size() / 2)},
        {"macro file", R"({"format": "quor-macro", "version": 1, "macro": {"name": "x", "events": []}})"},
        {"foreign format", replaced("quor-profile", "other-profile")},
        {"newer version", replaced("\"version\": 1", "\"version\": 2")},
        {"stage out of range", replaced("\"x\": 800", "\"x\": 99999")},
        {"wrong type", replaced("\"stageIndex\": 3", "\"stageIndex\": \"3\"")},
        {"unknown button", replaced("\"target\": 9", "\"target\": 6")},
        {"bad assignment bytes", replaced("\"data\": \"01", "\"data\": \"zz")},
    };
    auto profiles = Profiles();
    for (const auto& [name, text] : cases) {
        const auto file = TempFile("bad.mvp");
        std::ofstream(file, std::ios::trunc) << text;
        ComPtr<IProfile> imported;
        EXPECT_TRUE(FAILED(profiles->ImportProfile(file.u16string().c_str(), imported.Put()))) << name;
        EXPECT_FALSE(imported) << name;
        ComPtr<IProfile> second;
        EXPECT_TRUE(FAILED(profiles->GetProfileAt(1, second.Put()))) << name;
    }
    ComPtr<IProfile> missing;
    EXPECT_TRUE(FAILED(profiles->ImportProfile(TempFile("none.mvp").u16string().c_str(), missing.Put())));

    auto macros = DeviceInterface<IMacroManager>(IID_IMacroManager);
    const auto macroFile = TempFile("bad.mvm");
    std::ofstream(macroFile) << R"({"format": "quor-macro", "version": 1, "macro": {"name": "x", "events": [{"kind": "jump"}]}})";
    ComPtr<IMacro> macro;
    EXPECT_TRUE(FAILED(macros->ImportMacro(macroFile.u16string().c_str(), macro.Put())));
    EXPECT_TRUE(FAILED(macros->GetMacroAt(0, macro.Put())));
}

struct EventSink final : _IDPIEvents, _IProfileManagerEvents {
    HRESULT QueryInterface(REFIID iid, void** object) override
    {
        if (iid == IID__IDPIEvents)
            *object = static_cast<_IDPIEvents*>(this);
        else if (iid == IID__IProfileManagerEvents || iid == IID_IUnknown)
            *object = static_cast<_IProfileManagerEvents*>(this);
        else
            *object = nullptr;
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++references; }
    ULONG Release() override { return --references; } // lives on the test's stack
    HRESULT OnDpiChanged(int32_t x, int32_t y) override
    {
        dpi.emplace_back(x, y);
        threads.push_back(std::this_thread::get_id());
        return S_OK;
    }
    HRESULT OnProfileChanged(int32_t value) override
    {
        profile.push_back(value);
        threads.push_back(std::this_thread::get_id());
        return S_OK;
    }
    ULONG references = 1;
    std::vector<std::pair<int32_t, int32_t>> dpi;
    std::vector<int32_t> profile;
    std::vector<std::thread::id> threads;
};

TEST_F(DeviceServiceTest, EventsReachSinksOnTheirThreadAndOnlyForRealChanges)
{
    EventSink sink;
    auto profiles = Profiles();
    auto first = CurrentProfile();
    auto dpi = ProfileInterface<IDPI>(first.Get(), IID_IDPI);
    Advise(profiles.Get(), IID__IProfileManagerEvents, static_cast<_IProfileManagerEvents*>(&sink));
    Advise(dpi.Get(), IID__IDPIEvents, static_cast<_IDPIEvents*>(&sink));
    ComPtr<IConnectionPointContainer> container;
    ASSERT_EQ(profiles.As(IID_IConnectionPointContainer, container), S_OK);
    ComPtr<IConnectionPoint> wrong;
    EXPECT_EQ(container->FindConnectionPoint(IID__IDPIEvents, wrong.Put()), CONNECT_E_NOCONNECTION);

    ComPtr<IProfile> second;
    ASSERT_EQ(profiles->CreateProfile(second.Put()), S_OK);
    ASSERT_EQ(dpi->SetCurrent(1000, 1200), S_OK);
    ASSERT_EQ(dpi->SetCurrent(1000, 1200), S_OK); // no change, no event
    ASSERT_EQ(profiles->SetCurrentProfile(second.Get()), S_OK);
    ASSERT_EQ(profiles->SetCurrentProfile(second.Get()), S_OK); // no change, no event
    auto otherDpi = ProfileInterface<IDPI>(second.Get(), IID_IDPI);
    ASSERT_EQ(otherDpi->SetCurrent(400, 400), S_OK); // another profile's: not this sink's

    // Events arrive in order, so once these last ones are in, every earlier one is too.
    ASSERT_EQ(dpi->SetCurrent(1100, 1100), S_OK);
    ASSERT_EQ(profiles->SetCurrentProfile(first.Get()), S_OK);
    ASSERT_TRUE(WaitUntil([&] { return !sink.profile.empty() && sink.profile.back() == 0; }, std::chrono::seconds(5),
                          [] { CoPumpApartment(); }));
    EXPECT_EQ(sink.dpi, (std::vector<std::pair<int32_t, int32_t>>{{1000, 1200}, {1100, 1100}}));
    EXPECT_EQ(sink.profile, (std::vector<int32_t>{1, 0}));
    for (auto thread : sink.threads)
        EXPECT_EQ(thread, std::this_thread::get_id());
}

TEST_F(DeviceServiceTest, TwoThreadsWritingAtOnceLoseNothing)
{
    // As the configurator's background writer and its window do: each thread its own objects.
    constexpr uint32_t kCalls = 200;
    auto write = [&](uint32_t firstKey) {
        CoInitialize(nullptr);
        auto keys = ProfileInterface<IKeyMap>(CurrentProfile().Get(), IID_IKeyMap);
        DeviceAssignment all[24];
        uint32_t count = 24;
        ASSERT_EQ(keys->GetAll(&count, all), S_OK);
        for (uint32_t call = 0; call < kCalls; ++call) {
            DeviceAssignment record = all[firstKey + call % 12];
            record.SetHalf(12, static_cast<uint16_t>(call));
            ASSERT_EQ(keys->SetAssignments(1, &record), S_OK);
        }
        CoUninitialize();
    };
    std::thread numberRow(write, 0);
    std::thread keypad(write, 12);
    numberRow.join();
    keypad.join();
    DeviceAssignment all[24];
    uint32_t count = 24;
    ASSERT_EQ(ProfileInterface<IKeyMap>(CurrentProfile().Get(), IID_IKeyMap)->GetAll(&count, all), S_OK);
    for (uint32_t key = 0; key < 24; ++key) {
        const uint32_t slot = key % 12;
        const uint32_t lastCall = (kCalls - 1) / 12 * 12 + slot < kCalls ? (kCalls - 1) / 12 * 12 + slot : (kCalls - 1) / 12 * 12 + slot - 12;
        EXPECT_EQ(all[key].Half(12), lastCall) << key;
    }
}

TEST_F(DeviceServiceTest, UnpluggedTheDeviceIsNotFoundAndHeldObjectsFail)
{
    auto profile = CurrentProfile();
    std::shared_ptr<quor::service::VirtualMouse> mouse;
    ASSERT_EQ(quor::service::VirtualMouse::Open(Db(), quor::service::VirtualMouse::Presence::Ignored, mouse), S_OK);
    ASSERT_EQ(mouse->SetPlugged(false), S_OK);

    ComPtr<IDeviceEnum> enumerator;
    ASSERT_EQ(CreateEnumerator(enumerator), S_OK);
    ComPtr<IDevice> device;
    EXPECT_TRUE(FAILED(enumerator->GetDevice(0, device.Put())));
    EXPECT_TRUE(FAILED(profile->SetProfileName(u"Offline")));

    ASSERT_EQ(mouse->SetPlugged(true), S_OK);
    EXPECT_EQ(enumerator->GetDevice(0, device.Put()), S_OK);
    EXPECT_EQ(Name(profile.Get()), u"Profile 1");
}

} // namespace
