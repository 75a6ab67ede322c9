#include "MouseFixture.h"

#include "device/ConfigurationTransfer.h"
#include "device/IButtonMap.h"
#include "device/IKeyMap.h"
#include "device/IMacro.h"
#include "device/IPollingRate.h"
#include "device/IProfileProperties.h"
#include "device/ProfileProperty.h"
#include "model/ButtonNumbers.h"
#include "model/ConfigDefaults.h"
#include "model/FunctionCodes.h"
#include "platform/keyboard/Keyboard.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>

namespace quor::test {
namespace {

constexpr uint32_t VK_A = 0x41;
constexpr uint16_t kNumLockScan = 0x45;
constexpr uint16_t kRightControlScan = 0x1D;

class TransferTest : public MouseFixture {
protected:
    // Connected and read, as the configurator starts.
    void Start(CMouse& mouse, IMouseConfig& store)
    {
        ASSERT_TRUE(Connect(mouse, store));
        ASSERT_TRUE(mouse.Transfer(&store, TRANSFER_READ, TRANSFER_ALL));
        ASSERT_NE(store.GetActiveProfile(), nullptr);
    }
    static std::u16string ProgramOf(IProfile* profile)
    {
        auto properties = ProfileInterface<IProfileProperties>(profile, IID_IProfileProperties);
        char16_t text[PROFILE_PROGRAM_CHARS] = {};
        uint32_t bytes = sizeof text;
        EXPECT_EQ(properties->GetValue(PROFILE_PROPERTY_PROGRAM, 0, text, 0, &bytes), S_OK);
        return std::u16string(text);
    }
    uint32_t PollingInterval()
    {
        uint32_t interval = 0;
        EXPECT_EQ(DeviceInterface<IPollingRate>(IID_IPollingRate)->GetCurrent(&interval), S_OK);
        return interval;
    }
    uint32_t DeviceMacroCount()
    {
        auto macros = Macros();
        uint32_t count = 0;
        for (ComPtr<IMacro> macro; SUCCEEDED(macros->GetMacroAt(count, macro.Put()));)
            ++count;
        return count;
    }
};

TEST_F(TransferTest, OnlyReadAndWriteModes)
{
    auto store = MakeStore();
    auto mouse = MakeMouse();
    Start(*mouse, *store);
    EXPECT_FALSE(mouse->Transfer(store.get(), 2, TRANSFER_ALL));
    EXPECT_FALSE(mouse->Transfer(store.get(), -1, TRANSFER_ALL));
    EXPECT_FALSE(mouse->Transfer(nullptr, TRANSFER_READ, TRANSFER_ALL));
    EXPECT_FALSE(mouse->IsBusy());
    // Nothing was left held: the next operation finds the device again.
    EXPECT_EQ(mouse->GetDeviceProfileCount(), 1);
}

TEST_F(TransferTest, NewStoreProfileIsCreatedOnceAndThenFoundById)
{
    auto store = MakeStore();
    auto mouse = MakeMouse();
    Start(*mouse, *store);
    IMouseProfile* added = store->NewProfile(u"Added");
    ASSERT_TRUE(added->GetId().IsZero());

    ASSERT_TRUE(WriteAll(*mouse, *store));
    const ModelId id = added->GetId();
    EXPECT_FALSE(id.IsZero());
    EXPECT_EQ(DeviceProfileNames(), (std::vector<std::u16string>{u"Profile 1", u"Added"}));
    EXPECT_EQ(NameOf(DeviceProfile(id).Get()), u"Added");

    ASSERT_TRUE(WriteAll(*mouse, *store));
    EXPECT_EQ(added->GetId(), id);
    EXPECT_EQ(DeviceProfileNames().size(), 2u);
}

TEST_F(TransferTest, DeviceProfilesTheStoreDoesNotKnowAreDeleted)
{
    auto store = MakeStore();
    auto mouse = MakeMouse();
    Start(*mouse, *store);
    // Two in a row behind the known one, and one between known ones.
    IMouseProfile* known = store->NewProfile(u"Known");
    ASSERT_TRUE(WriteAll(*mouse, *store));
    AddDeviceProfile(u"Stranger 1");
    AddDeviceProfile(u"Stranger 2");
    ASSERT_EQ(DeviceProfileNames().size(), 4u);

    ASSERT_TRUE(WriteAll(*mouse, *store));
    EXPECT_EQ(DeviceProfileNames(), (std::vector<std::u16string>{u"Profile 1", u"Known"}));
    store->DeleteProfile(store->GetProfile(0));
    store->SetActiveProfile(known);
    AddDeviceProfile(u"Stranger 3");
    ASSERT_TRUE(WriteAll(*mouse, *store));
    EXPECT_EQ(DeviceProfileNames(), (std::vector<std::u16string>{u"Known"}));
}

TEST_F(TransferTest, ProfilePropertiesReachTheDevice)
{
    auto store = MakeStore();
    auto mouse = MakeMouse();
    Start(*mouse, *store);
    IMouseProfile* profile = store->GetProfile(0);
    const ModelId id = profile->GetId();
    profile->SetProgramPath(u"/opt/games/Game.exe");
    profile->SetAutoSwitch(1);
    profile->SetSensitivityDisplay(0);
    profile->SetProfileDisplay(1);
    ASSERT_TRUE(WriteAll(*mouse, *store));
    EXPECT_EQ(ProgramOf(DeviceProfile(id).Get()), u"Game.exe");

    // A name changed only in letter case still reaches the device; an empty program name
    // leaves the device's.
    profile = store->RenameProfile(profile, u"PROFILE 1");
    ASSERT_NE(profile, nullptr);
    profile->SetProgramPath(u"");
    ASSERT_TRUE(WriteAll(*mouse, *store));
    auto deviceProfile = DeviceProfile(id);
    EXPECT_EQ(NameOf(deviceProfile.Get()), u"PROFILE 1");
    EXPECT_EQ(ProgramOf(deviceProfile.Get()), u"Game.exe");

    auto fresh = MakeStore();
    CMouse reader;
    Start(reader, *fresh);
    IMouseProfile* read = fresh->GetProfile(0);
    EXPECT_EQ(read->GetName(), u"PROFILE 1");
    EXPECT_EQ(read->GetProgramFileName(), u"Game.exe");
    EXPECT_EQ(read->GetAutoSwitch(), 1);
    EXPECT_EQ(read->GetSensitivityDisplay(), 0);
    EXPECT_EQ(read->GetProfileDisplay(), 1);
}

TEST_F(TransferTest, WriteResult)
{
    auto store = MakeStore();
    auto mouse = MakeMouse();
    Start(*mouse, *store);
    ASSERT_EQ(PollingInterval(), 2u);
    auto device = Device();
    ConfigurationTransfer transfer(device.Get(), mouse->GetTables(), mouse->GetButtonBits(), mouse->GetKeyIds());

    store->SetPollingRate(PollingRate::Rate1000);
    EXPECT_TRUE(transfer.Write(*store, TRANSFER_ALL));
    EXPECT_EQ(PollingInterval(), 1u);

    // An unknown polling choice writes nothing and fails the write when it is the last
    // device-wide category.
    store->SetPollingRate(PollingRate::Unknown);
    EXPECT_FALSE(transfer.Write(*store, TRANSFER_POLLING_RATE));
    EXPECT_EQ(PollingInterval(), 1u);
    EXPECT_TRUE(transfer.Write(*store, TRANSFER_POLLING_RATE | TRANSFER_MACROS));
    EXPECT_TRUE(transfer.Write(*store, TRANSFER_ASSIGNMENTS));

    // Without an active profile there is nothing to make current.
    store->SetActiveProfile(nullptr);
    EXPECT_FALSE(transfer.Write(*store, TRANSFER_ASSIGNMENTS));
}

TEST_F(TransferTest, DisabledThumbKeysAreWrittenAsButtonOff)
{
    auto store = MakeStore();
    auto mouse = MakeMouse();
    Start(*mouse, *store);
    IMouseProfile* profile = store->GetActiveProfile();
    profile->SetThumbKeysEnabled(0);
    ASSERT_TRUE(WriteAll(*mouse, *store));

    auto keys = ProfileInterface<IKeyMap>(DeviceProfile(profile->GetId()).Get(), IID_IKeyMap);
    std::vector<DeviceAssignment> records(mouse->GetKeyIds().size());
    uint32_t count = uint32_t(records.size());
    ASSERT_EQ(keys->GetAll(&count, records.data()), S_OK);
    ASSERT_EQ(count, 24u);
    for (const DeviceAssignment& record : records) {
        EXPECT_EQ(record.kind, DEVICE_KIND_MOUSE) << record.target;
        EXPECT_EQ(record.Word(12), 0u) << record.target;
    }

    auto fresh = MakeStore();
    CMouse reader;
    Start(reader, *fresh);
    IMouseProfile* read = fresh->GetActiveProfile();
    EXPECT_EQ(read->GetThumbKeysEnabled(), 0);
    EXPECT_EQ(read->GetKeyAssignment(kNumberRowKeys[0]).function, FunctionCode::ButtonOff);

    // Enabled again, the store's keys go back.
    profile->SetThumbKeysEnabled(1);
    ASSERT_TRUE(WriteAll(*mouse, *store));
    ASSERT_TRUE(reader.Transfer(fresh.get(), TRANSFER_READ, TRANSFER_ALL));
    EXPECT_EQ(read->GetThumbKeysEnabled(), 1);
    EXPECT_EQ(read->GetKeyAssignment(kNumberRowKeys[0]), AssignmentRecord::SingleKey(uint16_t(kNumberRowKeys[0])));
}

TEST_F(TransferTest, DeviceRecordsNoRowExplainsLeaveTheStoreAsItWas)
{
    auto store = MakeStore();
    auto mouse = MakeMouse();
    Start(*mouse, *store);
    IMouseProfile* profile = store->GetActiveProfile();
    auto deviceProfile = DeviceProfile(profile->GetId());
    DeviceAssignment unknownButton;
    unknownButton.target = mouse->GetTables().ButtonIndex(Button::LeftClickFront);
    unknownButton.kind = DEVICE_KIND_MOUSE;
    unknownButton.SetWord(12, 99);
    ASSERT_EQ(ProfileInterface<IButtonMap>(deviceProfile.Get(), IID_IButtonMap)->SetAssignments(1, &unknownButton), S_OK);
    DeviceAssignment emptyKey;
    emptyKey.target = uint32_t(kNumberRowKeys[0]);
    ASSERT_EQ(ProfileInterface<IKeyMap>(deviceProfile.Get(), IID_IKeyMap)->SetAssignments(1, &emptyKey), S_OK);

    // They read as "nothing assigned", which the profile does not take.
    ASSERT_TRUE(mouse->Transfer(store.get(), TRANSFER_READ, TRANSFER_ALL));
    EXPECT_EQ(profile->GetButtonAssignment(Button::LeftClickFront).function, FunctionCode::Forward);
    EXPECT_EQ(profile->GetKeyAssignment(kNumberRowKeys[0]), AssignmentRecord::SingleKey(uint16_t(kNumberRowKeys[0])));
    EXPECT_EQ(profile->GetThumbKeysEnabled(), 1);
}

TEST_F(TransferTest, EverythingIsRefusedWhileABackgroundWriteRuns)
{
    auto store = MakeStore();
    auto mouse = MakeMouse();
    Start(*mouse, *store);
    IMouseProfile* profile = store->GetActiveProfile();
    // Long enough that only the destruction below ends it.
    mouse->SetWriterPause(std::chrono::hours(1));
    profile->SetScrollLight(0);
    ASSERT_TRUE(mouse->Transfer(store.get(), TRANSFER_WRITE, TRANSFER_ALL));
    EXPECT_TRUE(mouse->IsBusy());

    EXPECT_FALSE(mouse->Transfer(store.get(), TRANSFER_WRITE, TRANSFER_ALL));
    EXPECT_FALSE(mouse->Transfer(store.get(), TRANSFER_READ, TRANSFER_ALL));
    EXPECT_FALSE(mouse->HasProfile(profile));
    EXPECT_EQ(mouse->GetDeviceProfileCount(), 0);
    // A second device object does not start a second writer either.
    auto other = MakeMouse();
    auto otherStore = MakeStore();
    ASSERT_TRUE(Connect(*other, *otherStore));
    EXPECT_FALSE(other->Transfer(otherStore.get(), TRANSFER_WRITE, TRANSFER_ALL));
    // The refused read changed nothing in the store.
    EXPECT_EQ(profile->GetScrollLight(), 0);

    // Destruction ends the pause and waits for the writer, which let the device go.
    const auto before = std::chrono::steady_clock::now();
    mouse.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - before, CMouse::kWriterWaitOnDestruction);
    EXPECT_TRUE(WriteAll(*other, *otherStore));
    ASSERT_TRUE(other->Transfer(otherStore.get(), TRANSFER_READ, TRANSFER_ALL));
}

TEST_F(TransferTest, MacrosFollowTheStore)
{
    auto store = MakeStore();
    auto mouse = MakeMouse();
    Start(*mouse, *store);
    CMacro* kept = store->NewMacro(u"Kept");
    kept->SetEvents({MacroEvent::KeyPress(VK_A), MacroEvent::KeyRelease(VK_A)});
    CMacro* changed = store->NewMacro(u"Changed");
    changed->SetEvents({MacroEvent::Pause(10)});
    CMacro* empty = store->NewMacro(u"Empty");
    ASSERT_TRUE(WriteAll(*mouse, *store));
    EXPECT_EQ(DeviceMacroCount(), 2u);
    EXPECT_FALSE(kept->GetId().IsZero());
    EXPECT_TRUE(empty->GetId().IsZero());
    EXPECT_TRUE(mouse->HasMacro(kept));
    EXPECT_FALSE(mouse->HasMacro(empty));

    const ModelId changedId = changed->GetId();
    changed->SetEvents({MacroEvent::Pause(20), MacroEvent::KeyPress(VK_A)});
    store->DeleteMacro(kept);
    ASSERT_TRUE(WriteAll(*mouse, *store));
    EXPECT_EQ(DeviceMacroCount(), 1u);
    EXPECT_EQ(changed->GetId(), changedId);

    auto fresh = MakeStore();
    CMouse reader;
    Start(reader, *fresh);
    ASSERT_EQ(fresh->GetMacroCount(), 1);
    EXPECT_TRUE(fresh->GetMacro(0)->IsSameMacro(*changed));

    // The macro operations need the device held by a running operation.
    CMacro scratch;
    EXPECT_FALSE(mouse->AddMacro(changed));
    EXPECT_FALSE(mouse->ReadMacro(changedId, &scratch));
    EXPECT_FALSE(mouse->DeleteAllMacros());

    auto device = Device();
    ConfigurationTransfer transfer(device.Get(), mouse->GetTables(), mouse->GetButtonBits(), mouse->GetKeyIds());
    EXPECT_FALSE(transfer.AddMacro(*empty));
    ASSERT_TRUE(transfer.ReadMacro(changedId, scratch));
    EXPECT_TRUE(scratch.IsSameMacro(*changed));
    EXPECT_FALSE(transfer.ReadMacro(ModelId{{1, 2, 3, 4}}, scratch));
    CMacro again(u"Again");
    again.SetEvents({MacroEvent::Pause(1)});
    ASSERT_TRUE(transfer.AddMacro(again));
    EXPECT_EQ(DeviceMacroCount(), 2u);
    EXPECT_TRUE(transfer.DeleteAllMacros());
    EXPECT_EQ(DeviceMacroCount(), 0u);
}

TEST_F(TransferTest, ProfileAndMacroFiles)
{
    auto store = MakeStore();
    auto mouse = MakeMouse();
    Start(*mouse, *store);
    IMouseProfile* profile = store->GetActiveProfile();
    profile->SetProgramPath(u"tool.exe");
    store->SetStageXYSeparate(2, 1, profile);
    store->SetStageDpiX(2, 700, profile);
    store->SetStageDpiY(2, 1400, profile);
    profile->SetGlowLight(0);
    CMacro* macro = store->NewMacro(u"Filed");
    macro->SetEvents({MacroEvent::KeyPress(VK_A), MacroEvent::Pause(30), MacroEvent::KeyRelease(VK_A)});
    ASSERT_TRUE(WriteAll(*mouse, *store));

    const std::u16string profileFile = quor::system::FromPath(m_dir / "exported.mvp");
    const std::u16string macroFile = quor::system::FromPath(m_dir / "exported.mvm");
    ASSERT_TRUE(mouse->ExportProfileFile(profileFile, profile));
    ASSERT_TRUE(mouse->ExportMacroFile(macroFile, macro));
    CMacro notOnDevice(u"Nowhere");
    EXPECT_FALSE(mouse->ExportMacroFile(macroFile, &notOnDevice));

    ASSERT_TRUE(mouse->ImportProfileFile(profileFile, store.get()));
    ASSERT_EQ(store->GetProfileCount(), 2);
    IMouseProfile* imported = store->GetProfile(1);
    EXPECT_EQ(imported->GetName(), profile->GetName());
    EXPECT_FALSE(imported->GetId().IsZero());
    EXPECT_NE(imported->GetId(), profile->GetId());
    EXPECT_TRUE(mouse->HasProfile(imported));
    EXPECT_EQ(imported->GetProgramFileName(), u"tool.exe");
    EXPECT_EQ(imported->GetStageXYSeparate(2), 1);
    EXPECT_EQ(imported->GetStageDpiY(2), 1400);
    EXPECT_EQ(imported->GetGlowLight(), 0);

    // A macro of the same name is refused by the store; under a new name it comes in.
    EXPECT_FALSE(mouse->ImportMacroFile(macroFile, store.get()));
    store->DeleteMacro(macro);
    ASSERT_TRUE(mouse->ImportMacroFile(macroFile, store.get()));
    CMacro* importedMacro = store->FindMacroByName(u"Filed");
    ASSERT_NE(importedMacro, nullptr);
    EXPECT_EQ(importedMacro->GetSourcePath(), macroFile);
    EXPECT_EQ(importedMacro->GetEventCount(), 3u);
    EXPECT_TRUE(mouse->HasMacro(importedMacro));

    // A file that is not ours changes nothing.
    const auto junk = m_dir / "junk.mvp";
    std::ofstream(junk) << "{\"format\": \"something else\"}";
    EXPECT_FALSE(mouse->ImportProfileFile(quor::system::FromPath(junk), store.get()));
    EXPECT_FALSE(mouse->ImportMacroFile(quor::system::FromPath(junk), store.get()));
    EXPECT_EQ(store->GetProfileCount(), 2);
    EXPECT_EQ(store->GetMacroCount(), 1);
}

// --- Round trip -----------------------------------------------------------------------------

// What the device gives back for a record: names resolved to ids, NumLock extended.
AssignmentRecord Resolved(const IMouseConfig& store, AssignmentRecord record)
{
    if (record.function == FunctionCode::MacroByName)
        return AssignmentRecord::WithId(FunctionCode::MacroById, store.FindMacroByName(record.GetName())->GetId());
    if (record.function == FunctionCode::ProfileByName)
        return AssignmentRecord::WithId(FunctionCode::ProfileById, store.FindProfileByName(record.GetName())->GetId());
    return record;
}

class RoundTripTest : public TransferTest {
protected:
    // Three profiles with a bit of everything; the second active.
    void Fill(CMouse& mouse, IMouseConfig& store)
    {
        Start(mouse, store);
        IMouseProfile* one = store.GetProfile(0);
        IMouseProfile* two = store.NewProfile(u"Zwei");
        IMouseProfile* three = store.NewProfile(u"Drei");

        one->SetProgramPath(u"C:\\Games\\shooter.exe");
        one->SetAutoSwitch(1);
        store.SetStageXYSeparate(2, 1, one);
        store.SetStageDpiX(2, 800, one);
        store.SetStageDpiY(2, 1600, one);
        store.SetStageDpi(4, 3000, one);
        store.SetActiveStageCount(4, one);
        store.SetCurrentStage(2, one);
        store.SetButtonAssignment(Button::LeftClickFront, AssignmentRecord::SingleKey(kNumLockScan, SingleKeyFlag::Extended), one);
        store.SetButtonAssignment(Button::LeftClickRear, AssignmentRecord::WithName(FunctionCode::MacroByName, u"macro a"), one);
        store.SetButtonAssignment(Button::WheelClick, AssignmentRecord::WithName(FunctionCode::ProfileByName, u"DREI"), one);
        store.SetButtonAssignment(Button::WheelUp, AssignmentRecord::Make(FunctionCode::StageUp), one);
        store.SetKeyAssignment(kNumberRowKeys[0], AssignmentRecord::SingleKey(kRightControlScan, SingleKeyFlag::Extended), one);
        store.SetKeyAssignment(kKeypadKeys[0], AssignmentRecord::WithName(FunctionCode::ProfileByName, u"Zwei"), one);
        store.SetKeyAssignment(kKeypadKeys[1], AssignmentRecord::SingleKey(kNumLockScan), one);

        store.SetScrollLight(0, two);
        store.SetCurrentStage(5, two);
        store.SetSensitivityDisplay(0, two);
        store.SetKeyAssignment(kNumberRowKeys[5], AssignmentRecord::Make(FunctionCode::Profile1 + 1), two);
        store.SetScrollLight(0, three);
        store.SetGlowLight(0, three);
        store.SetThumbKeysEnabled(0, three);
        store.SetButtonAssignment(Button::Right, AssignmentRecord::Make(FunctionCode::OnTheFlySensitivity), three);

        store.SetActiveProfile(two);
        store.SetAccelerationEnabled(1);
        store.SetAccelerationLevel(7);
        store.SetPollingRate(PollingRate::Rate1000);
        CMacro* a = store.NewMacro(u"Macro A");
        a->SetEvents({MacroEvent::KeyPress(VK_A), MacroEvent::Pause(100), MacroEvent::KeyRelease(VK_A)});
        CMacro* b = store.NewMacro(u"Macro B");
        b->SetEvents({MacroEvent::KeyPress(quor::keyboard::VK_NUMLOCK, MacroKeyDetail::ExtendedFlag),
                      MacroEvent::KeyRelease(quor::keyboard::VK_NUMLOCK, MacroKeyDetail::ExtendedFlag)});
        ASSERT_TRUE(WriteAll(mouse, store));
        // By id, once the macro has one.
        ASSERT_FALSE(b->GetId().IsZero());
        store.SetKeyAssignment(kNumberRowKeys[1], AssignmentRecord::WithId(FunctionCode::MacroById, b->GetId()), one);
        ASSERT_TRUE(WriteAll(mouse, store));
    }

    void ExpectSame(IMouseConfig& written, IMouseConfig& read)
    {
        ASSERT_EQ(read.GetProfileCount(), written.GetProfileCount());
        ASSERT_NE(read.GetActiveProfile(), nullptr);
        EXPECT_EQ(read.GetActiveProfile()->GetName(), written.GetActiveProfile()->GetName());
        for (int32_t i = 0; i < written.GetProfileCount(); ++i) {
            // A profile that an assignment names is made on the device early, so the device's
            // order may differ from the store's.
            IMouseProfile* w = written.GetProfile(i);
            const ModelId id = w->GetId();
            IMouseProfile* r = read.FindProfileById(id.words[0], id.words[1], id.words[2], id.words[3]);
            SCOPED_TRACE(quor::system::ToUtf8(w->GetName()));
            ASSERT_NE(r, nullptr);
            EXPECT_EQ(r->GetName(), w->GetName());
            EXPECT_EQ(r->GetProgramFileName(), w->GetProgramFileName());
            EXPECT_EQ(r->GetAutoSwitch(), w->GetAutoSwitch());
            EXPECT_EQ(r->GetSensitivityDisplay(), w->GetSensitivityDisplay());
            EXPECT_EQ(r->GetProfileDisplay(), w->GetProfileDisplay());
            ASSERT_EQ(r->GetActiveStageCount(), w->GetActiveStageCount());
            EXPECT_EQ(r->GetCurrentStage(), w->GetCurrentStage());
            for (int32_t stage = 1; stage <= w->GetActiveStageCount(); ++stage) {
                EXPECT_EQ(r->GetStageXYSeparate(stage), w->GetStageXYSeparate(stage)) << stage;
                EXPECT_EQ(r->GetStageDpiX(stage), w->GetStageXYSeparate(stage) ? w->GetStageDpiX(stage) : w->GetStageDpi(stage)) << stage;
                EXPECT_EQ(r->GetStageDpiY(stage), w->GetStageXYSeparate(stage) ? w->GetStageDpiY(stage) : w->GetStageDpi(stage)) << stage;
            }
            EXPECT_EQ(r->GetScrollLight(), w->GetScrollLight());
            EXPECT_EQ(r->GetGlowLight(), w->GetGlowLight());
            EXPECT_EQ(r->GetThumbKeysEnabled(), w->GetThumbKeysEnabled());
            for (int32_t button : kDirectButtons) {
                AssignmentRecord expected = Resolved(written, w->GetButtonAssignment(button));
                ApplyNumLockRuleForRead(expected);
                EXPECT_EQ(r->GetButtonAssignment(button), expected) << "button " << button;
            }
            for (const auto* keys : {&kNumberRowKeys, &kKeypadKeys}) {
                for (int32_t key : *keys) {
                    AssignmentRecord expected = w->GetThumbKeysEnabled() ? Resolved(written, w->GetKeyAssignment(key))
                                                                         : AssignmentRecord::Make(FunctionCode::ButtonOff);
                    ApplyNumLockRuleForRead(expected);
                    EXPECT_EQ(r->GetKeyAssignment(key), expected) << "key " << key;
                }
            }
        }
        EXPECT_EQ(read.GetAccelerationEnabled(), written.GetAccelerationEnabled());
        EXPECT_EQ(read.GetAccelerationLevel(), written.GetAccelerationLevel());
        EXPECT_EQ(read.GetPollingRate(), written.GetPollingRate());
        ASSERT_EQ(read.GetMacroCount(), written.GetMacroCount());
        for (int32_t i = 0; i < written.GetMacroCount(); ++i)
            EXPECT_TRUE(read.GetMacro(i)->IsSameMacro(*written.GetMacro(i))) << i;
    }
};

TEST_F(RoundTripTest, WrittenInTheBackgroundAndReadBack)
{
    auto store = MakeStore();
    auto mouse = MakeMouse();
    Fill(*mouse, *store);

    auto fresh = MakeStore();
    CMouse reader;
    Start(reader, *fresh);
    ExpectSame(*store, *fresh);
    // The selected stage and the separate pair came back through the current sensitivity too.
    EXPECT_EQ(fresh->GetCurrentStage(fresh->GetActiveProfile()), 5);
}

std::string RunQuorctlStatus()
{
    const std::string command = std::string(QUOR_DIST_DIR) + "/quorctl status";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char chunk[4096];
        for (size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;)
            output.append(chunk, n);
        if (pclose(pipe) != 0)
            output.clear();
    }
    return output;
}

TEST_F(RoundTripTest, AnotherProcessSeesExactlyWhatTheStoreHeld)
{
    auto store = MakeStore();
    auto mouse = MakeMouse();
    Fill(*mouse, *store);

    const auto status = nlohmann::json::parse(RunQuorctlStatus(), nullptr, false);
    ASSERT_TRUE(status.is_object()) << "quorctl status gave no JSON";
    auto idText = [](const ModelId& id) { return quor::com::GuidToString(ToGuid(id)); };
    EXPECT_EQ(status["currentProfile"], idText(store->GetActiveProfile()->GetId()));
    const auto& profiles = status["profiles"];
    ASSERT_EQ(profiles.size(), size_t(store->GetProfileCount()));
    for (const auto& shown : profiles) {
        SCOPED_TRACE(shown.dump());
        const auto id = quor::com::GuidFromString(shown["id"].get<std::string>());
        ASSERT_TRUE(id);
        IMouseProfile* profile = nullptr;
        for (int32_t i = 0; i < store->GetProfileCount(); ++i) {
            if (store->GetProfile(i)->GetId() == ToModelId(*id))
                profile = store->GetProfile(i);
        }
        ASSERT_NE(profile, nullptr);
        EXPECT_EQ(shown["name"], quor::system::ToUtf8(profile->GetName()));
        EXPECT_EQ(shown["program"], quor::system::ToUtf8(profile->GetProgramFileName()));
        const int flags = (profile->GetAutoSwitch() ? PROFILE_FLAG_AUTO_SWITCH : 0) |
                          (profile->GetSensitivityDisplay() ? PROFILE_FLAG_SENSITIVITY_DISPLAY : 0) |
                          (profile->GetProfileDisplay() ? PROFILE_FLAG_PROFILE_DISPLAY : 0);
        EXPECT_EQ(shown["flags"], flags);
        EXPECT_EQ(shown["stageIndex"], profile->GetCurrentStage());
        ASSERT_EQ(shown["stages"].size(), size_t(profile->GetActiveStageCount()));
        for (int32_t stage = 1; stage <= profile->GetActiveStageCount(); ++stage) {
            const bool separate = profile->GetStageXYSeparate(stage);
            EXPECT_EQ(shown["stages"][size_t(stage - 1)]["x"], separate ? profile->GetStageDpiX(stage) : profile->GetStageDpi(stage));
            EXPECT_EQ(shown["stages"][size_t(stage - 1)]["y"], separate ? profile->GetStageDpiY(stage) : profile->GetStageDpi(stage));
        }
        EXPECT_EQ(shown["lights"][0]["state"], profile->GetScrollLight());
        EXPECT_EQ(shown["lights"][1]["state"], profile->GetGlowLight());
    }
    ASSERT_EQ(status["macros"].size(), size_t(store->GetMacroCount()));
    for (int32_t i = 0; i < store->GetMacroCount(); ++i) {
        EXPECT_EQ(status["macros"][size_t(i)]["id"], idText(store->GetMacro(i)->GetId()));
        EXPECT_EQ(status["macros"][size_t(i)]["name"], quor::system::ToUtf8(store->GetMacro(i)->GetName()));
        EXPECT_EQ(status["macros"][size_t(i)]["events"].size(), store->GetMacro(i)->GetEventCount());
    }
    EXPECT_EQ(status["acceleration"]["enabled"], true);
    EXPECT_EQ(status["acceleration"]["level"], 7);
    EXPECT_EQ(status["pollingRate"]["rate"], 1000);
}

} // namespace
} // namespace quor::test
