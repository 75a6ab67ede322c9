#pragma once

// One prepared SQLite statement: bind by position (from 1), step, read columns (from 0).
// Failures throw SqliteError. Prepared statements are kept per connection and text and reused,
// as the service runs the same few statements on every call; CloseConnection finalizes them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace quor::service {

class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& Bind(int index, int64_t value);
    SqliteStatement& Bind(int index, std::string_view text);
    SqliteStatement& BindBlob(int index, const void* data, size_t bytes);
    SqliteStatement& BindNull(int index);

    // True while a row is available.
    bool Step();
    // Runs a statement that returns no rows.
    void Run();
    void Reset();

    int64_t Int(int column) const;
    std::string Text(int column) const;
    std::vector<uint8_t> Blob(int column) const;
    bool IsNull(int column) const;

    // Finalizes the connection's kept statements, then closes it.
    static void CloseConnection(sqlite3* db);

private:
    sqlite3* m_db = nullptr;
    std::string m_sql;
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace quor::service
