#include "service/VirtualMouse.h"

#include "device/DeviceIds.h"
#include "device/ProfileProperty.h"
#include "service/DeviceJson.h"
#include "service/EventDispatcher.h"
#include "service/MouseLayout.h"
#include "service/ServiceResult.h"
#include "service/SqliteError.h"
#include "service/SqliteStatement.h"
#include "service/TextConversion.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

namespace quor::service {

namespace com = quor::com;

namespace {

constexpr int64_t kEventsKept = 1000;
constexpr std::uintmax_t kMaxFileBytes = 4 * 1024 * 1024;

std::string IdText(REFGUID id) { return com::GuidToString(id); }

GUID IdFromText(const std::string& text)
{
    auto id = com::GuidFromString(text);
    if (!id)
        throw SqliteError(SQLITE_CORRUPT, "bad id in store");
    return *id;
}

template <typename T>
std::vector<T> FromBlob(const std::vector<uint8_t>& blob, size_t expectedCount = SIZE_MAX)
{
    if (blob.size() % sizeof(T) != 0 || (expectedCount != SIZE_MAX && blob.size() / sizeof(T) != expectedCount))
        throw SqliteError(SQLITE_CORRUPT, "bad record in store");
    std::vector<T> values(blob.size() / sizeof(T));
    if (!blob.empty())
        std::memcpy(values.data(), blob.data(), blob.size());
    return values;
}

constexpr char kProfileColumns[] =
    "id, name, program, flags, range_min, range_max, range_step, stage_index, current_x, current_y, stages, "
    "buttons, keys, lights";

ProfileState ProfileFromRow(const SqliteStatement& row)
{
    ProfileState profile;
    profile.id = IdFromText(row.Text(0));
    profile.name = FromUtf8(row.Text(1));
    profile.program = FromUtf8(row.Text(2));
    profile.flags = static_cast<uint16_t>(row.Int(3));
    profile.rangeMin = static_cast<int32_t>(row.Int(4));
    profile.rangeMax = static_cast<int32_t>(row.Int(5));
    profile.rangeStep = static_cast<int32_t>(row.Int(6));
    profile.stageIndex = static_cast<int32_t>(row.Int(7));
    profile.currentX = static_cast<int32_t>(row.Int(8));
    profile.currentY = static_cast<int32_t>(row.Int(9));
    const auto stages = FromBlob<int32_t>(row.Blob(10));
    if (stages.empty() || stages.size() % 2 != 0 || stages.size() / 2 > kMaxStages)
        throw SqliteError(SQLITE_CORRUPT, "bad stages in store");
    for (size_t i = 0; i < stages.size(); i += 2)
        profile.stages.emplace_back(stages[i], stages[i + 1]);
    profile.buttons = FromBlob<DeviceAssignment>(row.Blob(11), kButtonSlots.size());
    profile.keys = FromBlob<DeviceAssignment>(row.Blob(12), kThumbKeys.size());
    profile.lights = FromBlob<uint32_t>(row.Blob(13), kLightKinds.size());
    return profile;
}

std::vector<GUID> ProfileIds(sqlite3* db)
{
    SqliteStatement query(db, "SELECT id FROM profile ORDER BY position");
    std::vector<GUID> ids;
    while (query.Step())
        ids.push_back(IdFromText(query.Text(0)));
    return ids;
}

bool LoadProfile(sqlite3* db, REFGUID id, ProfileState& profile)
{
    SqliteStatement query(db, std::string("SELECT ") + kProfileColumns + " FROM profile WHERE id = ?");
    query.Bind(1, IdText(id));
    if (!query.Step())
        return false;
    profile = ProfileFromRow(query);
    return true;
}

std::vector<ProfileState> LoadProfiles(sqlite3* db)
{
    SqliteStatement query(db, std::string("SELECT ") + kProfileColumns + " FROM profile ORDER BY position");
    std::vector<ProfileState> profiles;
    while (query.Step())
        profiles.push_back(ProfileFromRow(query));
    return profiles;
}

// Inserts the profile at the end of the device order, or updates it in place.
void SaveProfile(sqlite3* db, const ProfileState& profile)
{
    std::vector<int32_t> stages;
    for (const auto& [x, y] : profile.stages) {
        stages.push_back(x);
        stages.push_back(y);
    }
    SqliteStatement statement(db, R"(INSERT INTO profile(id, position, name, program, flags, range_min, range_max,
        range_step, stage_index, current_x, current_y, stages, buttons, keys, lights)
      VALUES (?1, (SELECT COALESCE(MAX(position), 0) + 1 FROM profile), ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11,
        ?12, ?13, ?14)
      ON CONFLICT(id) DO UPDATE SET name = ?2, program = ?3, flags = ?4, range_min = ?5, range_max = ?6,
        range_step = ?7, stage_index = ?8, current_x = ?9, current_y = ?10, stages = ?11, buttons = ?12,
        keys = ?13, lights = ?14)");
    statement.Bind(1, IdText(profile.id))
        .Bind(2, ToUtf8(profile.name))
        .Bind(3, ToUtf8(profile.program))
        .Bind(4, profile.flags)
        .Bind(5, profile.rangeMin)
        .Bind(6, profile.rangeMax)
        .Bind(7, profile.rangeStep)
        .Bind(8, profile.stageIndex)
        .Bind(9, profile.currentX)
        .Bind(10, profile.currentY)
        .BindBlob(11, stages.data(), stages.size() * sizeof(int32_t))
        .BindBlob(12, profile.buttons.data(), profile.buttons.size() * sizeof(DeviceAssignment))
        .BindBlob(13, profile.keys.data(), profile.keys.size() * sizeof(DeviceAssignment))
        .BindBlob(14, profile.lights.data(), profile.lights.size() * sizeof(uint32_t));
    statement.Run();
}

MacroState MacroFromRow(const SqliteStatement& row)
{
    MacroState macro;
    macro.id = IdFromText(row.Text(0));
    macro.name = FromUtf8(row.Text(1));
    macro.events = FromBlob<MacroEventRecord>(row.Blob(2));
    return macro;
}

bool LoadMacro(sqlite3* db, REFGUID id, MacroState& macro)
{
    SqliteStatement query(db, "SELECT id, name, events FROM macro WHERE id = ?");
    query.Bind(1, IdText(id));
    if (!query.Step())
        return false;
    macro = MacroFromRow(query);
    return true;
}

void SaveMacro(sqlite3* db, const MacroState& macro)
{
    SqliteStatement statement(db, R"(INSERT INTO macro(id, position, name, events)
      VALUES (?1, (SELECT COALESCE(MAX(position), 0) + 1 FROM macro), ?2, ?3)
      ON CONFLICT(id) DO UPDATE SET name = ?2, events = ?3)");
    statement.Bind(1, IdText(macro.id))
        .Bind(2, ToUtf8(macro.name))
        .BindBlob(3, macro.events.data(), macro.events.size() * sizeof(MacroEventRecord));
    statement.Run();
}

int64_t Count(sqlite3* db, const char* table)
{
    SqliteStatement query(db, std::string("SELECT COUNT(*) FROM ") + table);
    query.Step();
    return query.Int(0);
}

GUID CurrentProfileId(sqlite3* db)
{
    SqliteStatement query(db, "SELECT current_profile FROM device WHERE id = 1");
    if (!query.Step())
        throw SqliteError(SQLITE_CORRUPT, "no device row");
    return query.IsNull(0) ? GUID_NULL : IdFromText(query.Text(0));
}

int32_t ProfileIndex(sqlite3* db, REFGUID id)
{
    SqliteStatement query(db, "SELECT COUNT(*) FROM profile WHERE position < (SELECT position FROM profile WHERE id = ?)");
    query.Bind(1, IdText(id));
    query.Step();
    return static_cast<int32_t>(query.Int(0));
}

void LogEvent(sqlite3* db, DeviceEventKind kind, const GUID* profile, int32_t value, int32_t x, int32_t y)
{
    SqliteStatement insert(db, "INSERT INTO event(kind, profile, value, x, y) VALUES (?, ?, ?, ?, ?)");
    insert.Bind(1, static_cast<int32_t>(kind));
    if (profile)
        insert.Bind(2, IdText(*profile));
    else
        insert.BindNull(2);
    insert.Bind(3, value).Bind(4, x).Bind(5, y);
    insert.Run();
    SqliteStatement trim(db, "DELETE FROM event WHERE sequence <= last_insert_rowid() - ?");
    trim.Bind(1, kEventsKept);
    trim.Run();
}

void SetCurrentProfileRow(sqlite3* db, const GUID& id)
{
    const GUID before = CurrentProfileId(db);
    SqliteStatement update(db, "UPDATE device SET current_profile = ? WHERE id = 1");
    if (id == GUID_NULL)
        update.BindNull(1);
    else
        update.Bind(1, IdText(id));
    update.Run();
    if (before != id && id != GUID_NULL)
        LogEvent(db, DeviceEventKind::ProfileChanged, &id, ProfileIndex(db, id), 0, 0);
}

void WriteFactoryState(sqlite3* db)
{
    SqliteStatement(db, "DELETE FROM profile").Run();
    SqliteStatement(db, "DELETE FROM macro").Run();
    const ProfileState profile = ProfileState::Factory(com::NewGuid(), kFactoryProfileName);
    SaveProfile(db, profile);
    SqliteStatement device(db, R"(INSERT INTO device(id, current_profile, accel_enabled, accel_level,
        polling_interval, plugged) VALUES (1, NULL, 0, ?1, ?2, 1)
      ON CONFLICT(id) DO UPDATE SET accel_enabled = 0, accel_level = ?1, polling_interval = ?2, plugged = 1)");
    device.Bind(1, kFactoryAccelerationLevel).Bind(2, kFactoryPollingInterval);
    device.Run();
    SqliteStatement current(db, "UPDATE device SET current_profile = ? WHERE id = 1");
    current.Bind(1, IdText(profile.id));
    current.Run();
}

bool ValidName(std::u16string_view name) { return name.size() <= kMaxNameLength; }

HRESULT ReadTextFile(const std::filesystem::path& file, std::string& text)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return kFileNotFound;
    const auto size = std::filesystem::file_size(file, error);
    if (error)
        return STG_E_READFAULT;
    if (size > kMaxFileBytes)
        return kBadFormat;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return E_ACCESSDENIED;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return STG_E_READFAULT;
    text = content.str();
    return S_OK;
}

// Writes beside the target and renames, so a failed export never leaves half a file.
HRESULT WriteTextFile(const std::filesystem::path& file, const std::string& text)
{
    if (file.empty() || file.filename().empty())
        return E_INVALIDARG;
    const auto scratch = file.parent_path() / (file.filename().string() + ".tmp-" + std::to_string(getpid()));
    FILE* out = std::fopen(scratch.c_str(), "wb");
    if (!out)
        return errno == ENOENT ? kFileNotFound : E_ACCESSDENIED;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    const int writeError = errno;
    const bool closed = std::fclose(out) == 0;
    std::error_code error;
    if (!written || !closed) {
        std::filesystem::remove(scratch, error);
        return writeError == ENOSPC || errno == ENOSPC ? STG_E_MEDIUMFULL : STG_E_WRITEFAULT;
    }
    std::filesystem::rename(scratch, file, error);
    if (error) {
        std::filesystem::remove(scratch, error);
        return E_ACCESSDENIED;
    }
    return S_OK;
}

const DeviceAssignment* FindButton(const ProfileState& profile, uint32_t button)
{
    for (size_t i = 0; i < kButtonSlots.size(); ++i) {
        if (kButtonSlots[i].button == button)
            return &profile.buttons[i];
    }
    return nullptr;
}

const DeviceAssignment* FindKey(const ProfileState& profile, uint32_t scanCode)
{
    for (const auto& record : profile.keys) {
        if (record.target == scanCode)
            return &record;
    }
    return nullptr;
}

std::map<std::filesystem::path, std::weak_ptr<VirtualMouse>>& SharedMice()
{
    static std::map<std::filesystem::path, std::weak_ptr<VirtualMouse>> mice;
    return mice;
}

std::mutex& SharedMiceMutex()
{
    static std::mutex mutex;
    return mutex;
}

} // namespace

VirtualMouse::VirtualMouse(std::unique_ptr<DeviceStore> store, Presence presence)
    : m_store(std::move(store)), m_presence(presence)
{
}

VirtualMouse::~VirtualMouse() = default;

HRESULT VirtualMouse::Open(const std::filesystem::path& path, Presence presence, std::shared_ptr<VirtualMouse>& mouse)
{
    mouse.reset();
    std::unique_ptr<DeviceStore> store;
    const HRESULT opened = DeviceStore::Open(path, WriteFactoryState, store);
    if (FAILED(opened))
        return opened;
    mouse.reset(new (std::nothrow) VirtualMouse(std::move(store), presence));
    return mouse ? S_OK : E_OUTOFMEMORY;
}

HRESULT VirtualMouse::Shared(std::shared_ptr<VirtualMouse>& mouse)
{
    const auto path = DeviceStore::DefaultPath();
    std::lock_guard lock(SharedMiceMutex());
    mouse = SharedMice()[path].lock();
    if (mouse)
        return S_OK;
    const HRESULT opened = Open(path, Presence::Required, mouse);
    if (SUCCEEDED(opened))
        SharedMice()[path] = mouse;
    return opened;
}

EventDispatcher& VirtualMouse::Dispatcher()
{
    std::lock_guard lock(m_dispatcherMutex);
    if (!m_dispatcher)
        m_dispatcher = std::make_unique<EventDispatcher>(Path());
    return *m_dispatcher;
}

HRESULT VirtualMouse::Run(DeviceStore::Access access, const std::function<HRESULT(sqlite3*)>& body)
{
    return m_store->Transact(access, [&](sqlite3* db) -> HRESULT {
        if (m_presence == Presence::Required) {
            SqliteStatement query(db, "SELECT plugged FROM device WHERE id = 1");
            if (!query.Step() || query.Int(0) == 0)
                return kDeviceNotConnected;
        }
        return body(db);
    });
}

HRESULT VirtualMouse::IsPlugged(bool& plugged)
{
    return m_store->Transact(DeviceStore::Access::Read, [&](sqlite3* db) {
        SqliteStatement query(db, "SELECT plugged FROM device WHERE id = 1");
        plugged = query.Step() && query.Int(0) != 0;
        return S_OK;
    });
}

HRESULT VirtualMouse::SetPlugged(bool plugged)
{
    return m_store->Transact(DeviceStore::Access::Write, [&](sqlite3* db) {
        SqliteStatement query(db, "SELECT plugged FROM device WHERE id = 1");
        if (query.Step() && (query.Int(0) != 0) == plugged)
            return S_FALSE;
        SqliteStatement update(db, "UPDATE device SET plugged = ? WHERE id = 1");
        update.Bind(1, plugged ? 1 : 0);
        update.Run();
        LogEvent(db, DeviceEventKind::Plug, nullptr, plugged ? 1 : 0, 0, 0);
        return S_OK;
    });
}

HRESULT VirtualMouse::Reset()
{
    return m_store->Transact(DeviceStore::Access::Write, [&](sqlite3* db) {
        SqliteStatement query(db, "SELECT plugged FROM device WHERE id = 1");
        const bool wasPlugged = query.Step() && query.Int(0) != 0;
        WriteFactoryState(db);
        const GUID current = CurrentProfileId(db);
        LogEvent(db, DeviceEventKind::ProfileChanged, &current, 0, 0, 0);
        if (!wasPlugged)
            LogEvent(db, DeviceEventKind::Plug, nullptr, 1, 0, 0);
        return S_OK;
    });
}

HRESULT VirtualMouse::Snapshot(DeviceSnapshot& snapshot)
{
    return m_store->Transact(DeviceStore::Access::Read, [&](sqlite3* db) {
        SqliteStatement device(db, "SELECT plugged, accel_enabled, accel_level, polling_interval FROM device WHERE id = 1");
        if (!device.Step())
            throw SqliteError(SQLITE_CORRUPT, "no device row");
        snapshot.plugged = device.Int(0) != 0;
        snapshot.accelerationEnabled = device.Int(1) != 0;
        snapshot.accelerationLevel = static_cast<int32_t>(device.Int(2));
        snapshot.pollingInterval = static_cast<uint32_t>(device.Int(3));
        snapshot.currentProfile = CurrentProfileId(db);
        snapshot.profiles = LoadProfiles(db);
        snapshot.macros.clear();
        SqliteStatement macros(db, "SELECT id, name, events FROM macro ORDER BY position");
        while (macros.Step())
            snapshot.macros.push_back(MacroFromRow(macros));
        return S_OK;
    });
}

HRESULT VirtualMouse::ProfileAt(uint32_t index, GUID& id)
{
    return Run(DeviceStore::Access::Read, [&](sqlite3* db) {
        SqliteStatement query(db, "SELECT id FROM profile ORDER BY position LIMIT 1 OFFSET ?");
        query.Bind(1, index);
        if (!query.Step())
            return kNotFound;
        id = IdFromText(query.Text(0));
        return S_OK;
    });
}

HRESULT VirtualMouse::HasProfile(REFGUID id)
{
    return Run(DeviceStore::Access::Read, [&](sqlite3* db) {
        SqliteStatement query(db, "SELECT 1 FROM profile WHERE id = ?");
        query.Bind(1, IdText(id));
        return query.Step() ? S_OK : kNotFound;
    });
}

HRESULT VirtualMouse::FindProfileByName(std::u16string_view name, GUID& id)
{
    return Run(DeviceStore::Access::Read, [&](sqlite3* db) {
        SqliteStatement query(db, "SELECT id FROM profile WHERE name = ? ORDER BY position LIMIT 1");
        query.Bind(1, ToUtf8(name));
        if (!query.Step())
            return kNotFound;
        id = IdFromText(query.Text(0));
        return S_OK;
    });
}

HRESULT VirtualMouse::CurrentProfile(GUID& id)
{
    return Run(DeviceStore::Access::Read, [&](sqlite3* db) {
        id = CurrentProfileId(db);
        return id == GUID_NULL ? kNotFound : S_OK;
    });
}

HRESULT VirtualMouse::SetCurrentProfile(REFGUID id)
{
    return Run(DeviceStore::Access::Write, [&](sqlite3* db) {
        SqliteStatement query(db, "SELECT 1 FROM profile WHERE id = ?");
        query.Bind(1, IdText(id));
        if (!query.Step())
            return kNotFound;
        SetCurrentProfileRow(db, id);
        return S_OK;
    });
}

HRESULT VirtualMouse::CreateProfile(GUID& id)
{
    return Run(DeviceStore::Access::Write, [&](sqlite3* db) {
        const int64_t count = Count(db, "profile");
        if (count >= QUOR_MAX_PROFILES)
            return kTooMany;
        std::u16string name = u"Profile " + FromUtf8(std::to_string(count + 1));
        const ProfileState profile = ProfileState::Factory(com::NewGuid(), std::move(name));
        SaveProfile(db, profile);
        if (CurrentProfileId(db) == GUID_NULL)
            SetCurrentProfileRow(db, profile.id);
        id = profile.id;
        return S_OK;
    });
}

HRESULT VirtualMouse::RemoveProfile(REFGUID id)
{
    return Run(DeviceStore::Access::Write, [&](sqlite3* db) {
        SqliteStatement remove(db, "DELETE FROM profile WHERE id = ?");
        remove.Bind(1, IdText(id));
        remove.Run();
        if (sqlite3_changes(db) == 0)
            return kNotFound;
        if (CurrentProfileId(db) == id) {
            const auto remaining = ProfileIds(db);
            SetCurrentProfileRow(db, remaining.empty() ? GUID_NULL : remaining.front());
        }
        return S_OK;
    });
}

HRESULT VirtualMouse::ReadProfile(REFGUID id, ProfileState& profile)
{
    return Run(DeviceStore::Access::Read, [&](sqlite3* db) { return LoadProfile(db, id, profile) ? S_OK : kNotFound; });
}

HRESULT VirtualMouse::EditProfile(REFGUID id, const std::function<HRESULT(ProfileState&)>& edit)
{
    return Run(DeviceStore::Access::Write, [&](sqlite3* db) {
        ProfileState profile;
        if (!LoadProfile(db, id, profile))
            return kNotFound;
        const int32_t x = profile.currentX;
        const int32_t y = profile.currentY;
        const HRESULT edited = edit(profile);
        if (FAILED(edited) || edited == S_FALSE)
            return edited;
        if (!ValidName(profile.name) || profile.program.size() >= PROFILE_PROGRAM_CHARS)
            return E_INVALIDARG;
        SaveProfile(db, profile);
        if (profile.currentX != x || profile.currentY != y)
            LogEvent(db, DeviceEventKind::DpiChanged, &profile.id, 0, profile.currentX, profile.currentY);
        return S_OK;
    });
}

HRESULT VirtualMouse::GetAcceleration(bool& enabled, int32_t& level)
{
    return Run(DeviceStore::Access::Read, [&](sqlite3* db) {
        SqliteStatement query(db, "SELECT accel_enabled, accel_level FROM device WHERE id = 1");
        if (!query.Step())
            return E_FAIL;
        enabled = query.Int(0) != 0;
        level = static_cast<int32_t>(query.Int(1));
        return S_OK;
    });
}

HRESULT VirtualMouse::SetAccelerationEnabled(bool enabled)
{
    return Run(DeviceStore::Access::Write, [&](sqlite3* db) {
        SqliteStatement update(db, "UPDATE device SET accel_enabled = ? WHERE id = 1");
        update.Bind(1, enabled ? 1 : 0);
        update.Run();
        return S_OK;
    });
}

HRESULT VirtualMouse::SetAccelerationLevel(int32_t level)
{
    if (level < kAccelerationLevelMin || level > kAccelerationLevelMax)
        return E_INVALIDARG;
    return Run(DeviceStore::Access::Write, [&](sqlite3* db) {
        SqliteStatement update(db, "UPDATE device SET accel_level = ? WHERE id = 1");
        update.Bind(1, level);
        update.Run();
        return S_OK;
    });
}

HRESULT VirtualMouse::GetPollingInterval(uint32_t& interval)
{
    return Run(DeviceStore::Access::Read, [&](sqlite3* db) {
        SqliteStatement query(db, "SELECT polling_interval FROM device WHERE id = 1");
        if (!query.Step())
            return E_FAIL;
        interval = static_cast<uint32_t>(query.Int(0));
        return S_OK;
    });
}

HRESULT VirtualMouse::SetPollingInterval(uint32_t interval)
{
    if (std::find(kPollingIntervals.begin(), kPollingIntervals.end(), interval) == kPollingIntervals.end())
        return E_INVALIDARG;
    return Run(DeviceStore::Access::Write, [&](sqlite3* db) {
        SqliteStatement update(db, "UPDATE device SET polling_interval = ? WHERE id = 1");
        update.Bind(1, interval);
        update.Run();
        return S_OK;
    });
}

HRESULT VirtualMouse::MacroAt(uint32_t index, GUID& id)
{
    return Run(DeviceStore::Access::Read, [&](sqlite3* db) {
        SqliteStatement query(db, "SELECT id FROM macro ORDER BY position LIMIT 1 OFFSET ?");
        query.Bind(1, index);
        if (!query.Step())
            return kNotFound;
        id = IdFromText(query.Text(0));
        return S_OK;
    });
}

HRESULT VirtualMouse::HasMacro(REFGUID id)
{
    return Run(DeviceStore::Access::Read, [&](sqlite3* db) {
        SqliteStatement query(db, "SELECT 1 FROM macro WHERE id = ?");
        query.Bind(1, IdText(id));
        return query.Step() ? S_OK : kNotFound;
    });
}

HRESULT VirtualMouse::CreateMacro(GUID& id)
{
    return Run(DeviceStore::Access::Write, [&](sqlite3* db) {
        if (Count(db, "macro") >= static_cast<int64_t>(kMaxMacros))
            return kTooMany;
        MacroState macro;
        macro.id = com::NewGuid();
        SaveMacro(db, macro);
        id = macro.id;
        return S_OK;
    });
}

HRESULT VirtualMouse::RemoveMacro(REFGUID id)
{
    return Run(DeviceStore::Access::Write, [&](sqlite3* db) {
        SqliteStatement remove(db, "DELETE FROM macro WHERE id = ?");
        remove.Bind(1, IdText(id));
        remove.Run();
        return sqlite3_changes(db) ? S_OK : kNotFound;
    });
}

HRESULT VirtualMouse::ReadMacro(REFGUID id, MacroState& macro)
{
    return Run(DeviceStore::Access::Read, [&](sqlite3* db) { return LoadMacro(db, id, macro) ? S_OK : kNotFound; });
}

HRESULT VirtualMouse::EditMacro(REFGUID id, const std::function<HRESULT(MacroState&)>& edit)
{
    return Run(DeviceStore::Access::Write, [&](sqlite3* db) {
        MacroState macro;
        if (!LoadMacro(db, id, macro))
            return kNotFound;
        const HRESULT edited = edit(macro);
        if (FAILED(edited) || edited == S_FALSE)
            return edited;
        if (!ValidName(macro.name) || macro.events.size() > kMaxMacroEvents)
            return E_INVALIDARG;
        SaveMacro(db, macro);
        return S_OK;
    });
}

HRESULT VirtualMouse::ImportProfile(const std::filesystem::path& file, GUID& id)
{
    std::string text;
    if (const HRESULT read = ReadTextFile(file, text); FAILED(read))
        return read;
    ProfileState profile = ProfileState::Factory(com::NewGuid(), u"");
    std::string error;
    if (!ParseProfileFile(text, profile, error))
        return kBadFormat;
    return Run(DeviceStore::Access::Write, [&](sqlite3* db) {
        if (Count(db, "profile") >= QUOR_MAX_PROFILES)
            return kTooMany;
        SaveProfile(db, profile);
        if (CurrentProfileId(db) == GUID_NULL)
            SetCurrentProfileRow(db, profile.id);
        id = profile.id;
        return S_OK;
    });
}

HRESULT VirtualMouse::ExportProfile(REFGUID id, const std::filesystem::path& file)
{
    ProfileState profile;
    if (const HRESULT read = ReadProfile(id, profile); FAILED(read))
        return read;
    return WriteTextFile(file, ProfileFileText(profile));
}

HRESULT VirtualMouse::ImportMacro(const std::filesystem::path& file, GUID& id)
{
    std::string text;
    if (const HRESULT read = ReadTextFile(file, text); FAILED(read))
        return read;
    MacroState macro;
    macro.id = com::NewGuid();
    std::string error;
    if (!ParseMacroFile(text, macro, error))
        return kBadFormat;
    return Run(DeviceStore::Access::Write, [&](sqlite3* db) {
        if (Count(db, "macro") >= static_cast<int64_t>(kMaxMacros))
            return kTooMany;
        SaveMacro(db, macro);
        id = macro.id;
        return S_OK;
    });
}

HRESULT VirtualMouse::ExportMacro(REFGUID id, const std::filesystem::path& file)
{
    MacroState macro;
    if (const HRESULT read = ReadMacro(id, macro); FAILED(read))
        return read;
    return WriteTextFile(file, MacroFileText(macro));
}

HRESULT VirtualMouse::PressButton(uint32_t button, std::string& outcome) { return Press(FindButton, button, outcome); }

HRESULT VirtualMouse::PressKey(uint32_t scanCode, std::string& outcome) { return Press(FindKey, scanCode, outcome); }

HRESULT VirtualMouse::Press(const DeviceAssignment* (*find)(const ProfileState&, uint32_t), uint32_t what,
                            std::string& outcome)
{
    return Run(DeviceStore::Access::Write, [&](sqlite3* db) -> HRESULT {
        const GUID currentId = CurrentProfileId(db);
        ProfileState profile;
        if (currentId == GUID_NULL || !LoadProfile(db, currentId, profile))
            return kNotFound;
        const DeviceAssignment* found = find(profile, what);
        if (!found)
            return E_INVALIDARG;
        const DeviceAssignment record = *found;
        const uint32_t subCode = record.Word(12);
        if (record.kind == DEVICE_KIND_SENSITIVITY) {
            const auto stageCount = static_cast<int32_t>(profile.stages.size());
            int32_t stage = profile.stageIndex;
            if (subCode == DEVICE_SUBCODE_UP)
                stage = std::min(stage + 1, stageCount);
            else if (subCode == DEVICE_SUBCODE_DOWN)
                stage = std::max(stage - 1, 1);
            else if (subCode == DEVICE_SUBCODE_SELECT)
                stage = std::clamp(static_cast<int32_t>(record.Word(16)) + 1, 1, stageCount);
            const auto [x, y] = profile.stages[static_cast<size_t>(stage - 1)];
            outcome = "stage " + std::to_string(stage);
            if (stage == profile.stageIndex && x == profile.currentX && y == profile.currentY)
                return S_OK;
            profile.stageIndex = stage;
            profile.currentX = x;
            profile.currentY = y;
            SaveProfile(db, profile);
            LogEvent(db, DeviceEventKind::DpiChanged, &profile.id, 0, x, y);
            return S_OK;
        }
        if (record.kind == DEVICE_KIND_PROFILE) {
            const auto ids = ProfileIds(db);
            const auto at = std::find(ids.begin(), ids.end(), currentId) - ids.begin();
            GUID target = currentId;
            if (subCode == DEVICE_SUBCODE_NEXT_PROFILE && at + 1 < static_cast<ptrdiff_t>(ids.size()))
                target = ids[static_cast<size_t>(at + 1)];
            else if (subCode == DEVICE_SUBCODE_PREVIOUS_PROFILE && at > 0)
                target = ids[static_cast<size_t>(at - 1)];
            else if (subCode == DEVICE_SUBCODE_SELECT) {
                const GUID wanted = record.Id(16);
                if (std::find(ids.begin(), ids.end(), wanted) == ids.end()) {
                    outcome = "profile " + IdText(wanted) + " is not on the device";
                    return S_FALSE;
                }
                target = wanted;
            }
            outcome = "profile " + IdText(target);
            SetCurrentProfileRow(db, target);
            return S_OK;
        }
        static const char* const kKindNames[] = {"nothing", "mouse function", "macro", "profile", "sensitivity",
                                                 "keyboard key", "advanced function"};
        outcome = record.kind < std::size(kKindNames) ? kKindNames[record.kind] : "unknown function";
        return S_FALSE;
    });
}

HRESULT VirtualMouse::EventsAfter(int64_t sequence, std::vector<DeviceEvent>& events)
{
    // Taking the write lock waits for a commit that is being written right now, so a watcher
    // woken by its first bytes still sees it whole.
    return m_store->Transact(DeviceStore::Access::Write, [&](sqlite3* db) {
        SqliteStatement query(db, "SELECT sequence, kind, profile, value, x, y FROM event WHERE sequence > ? ORDER BY sequence");
        query.Bind(1, sequence);
        while (query.Step()) {
            DeviceEvent event;
            event.sequence = query.Int(0);
            event.kind = static_cast<DeviceEventKind>(query.Int(1));
            if (!query.IsNull(2))
                event.profile = IdFromText(query.Text(2));
            event.value = static_cast<int32_t>(query.Int(3));
            event.x = static_cast<int32_t>(query.Int(4));
            event.y = static_cast<int32_t>(query.Int(5));
            events.push_back(event);
        }
        return S_OK;
    });
}

HRESULT VirtualMouse::LastEventSequence(int64_t& sequence)
{
    return m_store->Transact(DeviceStore::Access::Read, [&](sqlite3* db) {
        SqliteStatement query(db, "SELECT COALESCE(MAX(sequence), 0) FROM event");
        query.Step();
        sequence = query.Int(0);
        return S_OK;
    });
}

} // namespace quor::service
