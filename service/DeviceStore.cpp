#include "service/DeviceStore.h"

#include "service/SqliteError.h"
#include "service/SqliteStatement.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>
#include <unistd.h>

namespace quor::service {

namespace {

// Version 1 had no plug state and no event log. A new store is made as version 1 and upgraded,
// so fresh and upgraded stores are alike.
constexpr const char* kSchemaV1 = R"(
CREATE TABLE device(id INTEGER PRIMARY KEY CHECK (id = 1), current_profile TEXT,
  accel_enabled INTEGER NOT NULL, accel_level INTEGER NOT NULL, polling_interval INTEGER NOT NULL);
CREATE TABLE profile(id TEXT PRIMARY KEY, position INTEGER NOT NULL UNIQUE, name TEXT NOT NULL,
  program TEXT NOT NULL, flags INTEGER NOT NULL, range_min INTEGER NOT NULL,
  range_max INTEGER NOT NULL, range_step INTEGER NOT NULL, stage_index INTEGER NOT NULL,
  current_x INTEGER NOT NULL, current_y INTEGER NOT NULL, stages BLOB NOT NULL,
  buttons BLOB NOT NULL, keys BLOB NOT NULL, lights BLOB NOT NULL);
CREATE TABLE macro(id TEXT PRIMARY KEY, position INTEGER NOT NULL UNIQUE, name TEXT NOT NULL,
  events BLOB NOT NULL);
)";

constexpr const char* kUpgradeV1ToV2 = R"(
ALTER TABLE device ADD COLUMN plugged INTEGER NOT NULL DEFAULT 1;
CREATE TABLE event(sequence INTEGER PRIMARY KEY AUTOINCREMENT, kind INTEGER NOT NULL,
  profile TEXT, value INTEGER NOT NULL, x INTEGER NOT NULL, y INTEGER NOT NULL);
)";


void Exec(sqlite3* db, const std::string& sql)
{
    char* message = nullptr;
    const int code = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    if (code != SQLITE_OK) {
        std::string text = message ? message : sqlite3_errstr(code);
        sqlite3_free(message);
        throw SqliteError(code, text);
    }
}

int64_t Pragma(sqlite3* db, const char* name)
{
    SqliteStatement statement(db, std::string("PRAGMA ") + name);
    return statement.Step() ? statement.Int(0) : 0;
}

sqlite3* OpenConnection(const std::filesystem::path& path, int flags, int& code)
{
    sqlite3* db = nullptr;
    code = sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        SqliteStatement::CloseConnection(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, DeviceStore::kBusyTimeoutMs);
    sqlite3_extended_result_codes(db, 0);
    return db;
}

// Builds the store beside its final place and links it there, so no process ever sees a
// half-made store; when another process won the race, its store is used.
HRESULT CreateStore(const std::filesystem::path& path, const DeviceStore::Populate& populate)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    const auto scratch = path.parent_path() / (path.filename().string() + ".new-" + std::to_string(getpid()));
    std::filesystem::remove(scratch, error);
    int code = SQLITE_OK;
    sqlite3* db = OpenConnection(scratch, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, code);
    if (!db)
        return ResultOfSqlite(code);
    HRESULT result = S_OK;
    try {
        Exec(db, "BEGIN IMMEDIATE");
        Exec(db, kSchemaV1);
        Exec(db, kUpgradeV1ToV2);
        populate(db);
        Exec(db, "PRAGMA application_id = " + std::to_string(DeviceStore::kApplicationId));
        Exec(db, "PRAGMA user_version = " + std::to_string(DeviceStore::kSchemaVersion));
        Exec(db, "COMMIT");
    } catch (const SqliteError& failure) {
        result = ResultOfSqlite(failure.Code());
    } catch (...) {
        result = E_FAIL;
    }
    SqliteStatement::CloseConnection(db);
    if (SUCCEEDED(result) && link(scratch.c_str(), path.c_str()) != 0 && errno != EEXIST)
        result = errno == ENOSPC ? STG_E_MEDIUMFULL : STG_E_WRITEFAULT;
    std::filesystem::remove(scratch, error);
    return result;
}

} // namespace

const char* DeviceStoreSchema(int version)
{
    switch (version) {
    case 1:
        return kSchemaV1;
    default:
        return nullptr;
    }
}

std::filesystem::path DeviceStore::DefaultPath()
{
    if (const char* named = std::getenv("QUOR_DEVICE_DB"); named && *named)
        return named;
    std::filesystem::path data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        data = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        data = std::filesystem::path(home) / ".local/share";
    else
        data = "/tmp";
    return data / "morva" / "quor-device.sqlite";
}

HRESULT DeviceStore::Open(const std::filesystem::path& path, const Populate& populate, std::unique_ptr<DeviceStore>& store)
{
    store.reset();
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        if (const HRESULT created = CreateStore(path, populate); FAILED(created))
            return created;
    }
    int code = SQLITE_OK;
    sqlite3* db = OpenConnection(path, SQLITE_OPEN_READWRITE, code);
    if (!db)
        return ResultOfSqlite(code);
    try {
        // Read-only checks first: a file that is not ours must not be touched, and switching the
        // journal mode would write to it.
        if (Pragma(db, "application_id") != kApplicationId)
            throw SqliteError(SQLITE_NOTADB, "not a virtual mouse store");
        {
            SqliteStatement check(db, "PRAGMA quick_check");
            if (!check.Step() || check.Text(0) != "ok")
                throw SqliteError(SQLITE_CORRUPT, "damaged virtual mouse store");
        }
        const int64_t version = Pragma(db, "user_version");
        if (version < 1 || version > kSchemaVersion)
            throw SqliteError(SQLITE_FORMAT, "unknown virtual mouse store version");
        Exec(db, "PRAGMA journal_mode = WAL");
        Exec(db, "PRAGMA synchronous = NORMAL");
        if (version < kSchemaVersion) {
            Exec(db, "BEGIN IMMEDIATE");
            try {
                // Another process may have upgraded it meanwhile.
                if (Pragma(db, "user_version") == 1)
                    Exec(db, kUpgradeV1ToV2);
                Exec(db, "PRAGMA user_version = " + std::to_string(kSchemaVersion));
                Exec(db, "COMMIT");
            } catch (...) {
                sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
                throw;
            }
        }
    } catch (const SqliteError& failure) {
        SqliteStatement::CloseConnection(db);
        return ResultOfSqlite(failure.Code());
    } catch (...) {
        SqliteStatement::CloseConnection(db);
        return E_FAIL;
    }
    store.reset(new DeviceStore(path, db));
    return S_OK;
}

DeviceStore::~DeviceStore() { SqliteStatement::CloseConnection(m_db); }

HRESULT DeviceStore::Transact(Access access, const std::function<HRESULT(sqlite3*)>& body)
{
    std::lock_guard lock(m_mutex);
    HRESULT result = S_OK;
    bool open = false;
    try {
        SqliteStatement(m_db, access == Access::Write ? "BEGIN IMMEDIATE" : "BEGIN").Run();
        open = true;
        result = body(m_db);
        if (SUCCEEDED(result)) {
            SqliteStatement(m_db, "COMMIT").Run();
            open = false;
        }
    } catch (const SqliteError& failure) {
        result = ResultOfSqlite(failure.Code());
    } catch (const std::bad_alloc&) {
        result = E_OUTOFMEMORY;
    } catch (...) {
        result = E_FAIL;
    }
    if (open || sqlite3_get_autocommit(m_db) == 0)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    return result;
}

} // namespace quor::service
