#pragma once

// The SQLite file that holds the virtual mouse's memory: finding it, making it in the factory
// state, checking that it is ours, upgrading an older schema, and running each service call as
// one transaction. A file that is not ours, or damaged, is refused and never written to.

#include "platform/com/HResult.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>

struct sqlite3;

namespace quor::service {

class DeviceStore {
public:
    static constexpr int kSchemaVersion = 2;
    static constexpr int kApplicationId = 0x51554F52; // "QUOR"
    static constexpr int kBusyTimeoutMs = 5000;

    // QUOR_DEVICE_DB, else $XDG_DATA_HOME/morva/quor-device.sqlite (~/.local/share when unset).
    static std::filesystem::path DefaultPath();

    // Fills a fresh store with the factory state (inside the creating transaction).
    using Populate = std::function<void(sqlite3*)>;

    // Opens the store, making it first when the file does not exist.
    static HRESULT Open(const std::filesystem::path& path, const Populate& populate, std::unique_ptr<DeviceStore>& store);

    ~DeviceStore();
    DeviceStore(const DeviceStore&) = delete;
    DeviceStore& operator=(const DeviceStore&) = delete;

    enum class Access { Read, Write };
    // Runs body in one transaction (BEGIN IMMEDIATE for writes): committed when it returns
    // success, rolled back otherwise or when SQLite fails. Serialised within the process.
    HRESULT Transact(Access access, const std::function<HRESULT(sqlite3*)>& body);

    const std::filesystem::path& Path() const { return m_path; }

private:
    DeviceStore(std::filesystem::path path, sqlite3* db) : m_path(std::move(path)), m_db(db) {}

    std::filesystem::path m_path;
    sqlite3* m_db = nullptr;
    std::mutex m_mutex;
};

// The statements that made a store of the first version, for tests of the upgrade.
const char* DeviceStoreSchema(int version);

} // namespace quor::service
