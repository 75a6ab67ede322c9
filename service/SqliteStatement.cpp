#include "service/SqliteStatement.h"

#include "service/SqliteError.h"

#include <sqlite3.h>

#include <map>
#include <mutex>
#include <string>

namespace quor::service {

namespace {

void Check(sqlite3* db, int code)
{
    if (code != SQLITE_OK)
        throw SqliteError(code, sqlite3_errmsg(db));
}

// Idle prepared statements by connection and text. A statement in use is taken out, so a text
// used twice at once simply gets a second one.
struct StatementCache {
    std::mutex mutex;
    std::map<sqlite3*, std::map<std::string, std::vector<sqlite3_stmt*>, std::less<>>> idle;
};

StatementCache& Cache()
{
    static StatementCache cache;
    return cache;
}

sqlite3_stmt* TakeCached(sqlite3* db, std::string_view sql)
{
    auto& cache = Cache();
    std::lock_guard lock(cache.mutex);
    auto connection = cache.idle.find(db);
    if (connection == cache.idle.end())
        return nullptr;
    auto found = connection->second.find(sql);
    if (found == connection->second.end() || found->second.empty())
        return nullptr;
    sqlite3_stmt* statement = found->second.back();
    found->second.pop_back();
    return statement;
}

void GiveBack(sqlite3* db, std::string_view sql, sqlite3_stmt* statement)
{
    auto& cache = Cache();
    std::lock_guard lock(cache.mutex);
    auto& list = cache.idle[db][std::string(sql)];
    list.push_back(statement);
}

} // namespace

void SqliteStatement::CloseConnection(sqlite3* db)
{
    if (!db)
        return;
    std::map<std::string, std::vector<sqlite3_stmt*>, std::less<>> statements;
    {
        auto& cache = Cache();
        std::lock_guard lock(cache.mutex);
        if (auto found = cache.idle.find(db); found != cache.idle.end()) {
            statements = std::move(found->second);
            cache.idle.erase(found);
        }
    }
    for (auto& [sql, list] : statements) {
        for (auto* statement : list)
            sqlite3_finalize(statement);
    }
    sqlite3_close(db);
}

HRESULT ResultOfSqlite(int code)
{
    switch (code & 0xFF) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW:
        return S_OK;
    case SQLITE_FULL:
        return STG_E_MEDIUMFULL;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return STG_E_LOCKVIOLATION;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_FORMAT:
    case SQLITE_SCHEMA:
        return STG_E_INVALIDHEADER;
    case SQLITE_CANTOPEN:
        return STG_E_FILENOTFOUND;
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_AUTH:
        return E_ACCESSDENIED;
    case SQLITE_NOMEM:
        return E_OUTOFMEMORY;
    case SQLITE_IOERR:
        return STG_E_WRITEFAULT;
    case SQLITE_CONSTRAINT:
    case SQLITE_MISMATCH:
    case SQLITE_RANGE:
        return E_INVALIDARG;
    default:
        return E_FAIL;
    }
}

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : m_db(db), m_sql(sql)
{
    m_statement = TakeCached(db, sql);
    if (!m_statement)
        Check(db, sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &m_statement, nullptr));
}

SqliteStatement::~SqliteStatement()
{
    if (!m_statement)
        return;
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    GiveBack(m_db, m_sql, m_statement);
}

SqliteStatement& SqliteStatement::Bind(int index, int64_t value)
{
    Check(m_db, sqlite3_bind_int64(m_statement, index, value));
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text)
{
    Check(m_db, sqlite3_bind_text(m_statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
    return *this;
}

SqliteStatement& SqliteStatement::BindBlob(int index, const void* data, size_t bytes)
{
    // An empty blob still binds as a blob, not as NULL.
    static const char kEmpty = 0;
    Check(m_db, sqlite3_bind_blob(m_statement, index, bytes ? data : &kEmpty, static_cast<int>(bytes), SQLITE_TRANSIENT));
    return *this;
}

SqliteStatement& SqliteStatement::BindNull(int index)
{
    Check(m_db, sqlite3_bind_null(m_statement, index));
    return *this;
}

bool SqliteStatement::Step()
{
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW)
        return true;
    if (code == SQLITE_DONE)
        return false;
    throw SqliteError(code, sqlite3_errmsg(m_db));
}

void SqliteStatement::Run()
{
    while (Step()) {
    }
}

void SqliteStatement::Reset()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

int64_t SqliteStatement::Int(int column) const { return sqlite3_column_int64(m_statement, column); }

std::string SqliteStatement::Text(int column) const
{
    const auto* text = sqlite3_column_text(m_statement, column);
    const int bytes = sqlite3_column_bytes(m_statement, column);
    return text ? std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(bytes)) : std::string();
}

std::vector<uint8_t> SqliteStatement::Blob(int column) const
{
    const auto* data = static_cast<const uint8_t*>(sqlite3_column_blob(m_statement, column));
    const int bytes = sqlite3_column_bytes(m_statement, column);
    return data ? std::vector<uint8_t>(data, data + bytes) : std::vector<uint8_t>();
}

bool SqliteStatement::IsNull(int column) const { return sqlite3_column_type(m_statement, column) == SQLITE_NULL; }

} // namespace quor::service
