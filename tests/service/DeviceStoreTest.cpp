#include "support/ServiceFixture.h"

#include "device/IMacro.h"
#include "service/DeviceStore.h"
#include "service/VirtualMouse.h"

#include <sqlite3.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <iterator>

namespace {

using namespace quor::test;
using quor::service::DeviceStore;
using quor::service::DeviceStoreSchema;

std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

void Sql(const std::filesystem::path& file, const std::string& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

class DeviceStoreTest : public ServiceFixture {
protected:
    // A complete store of ours, made by the service and closed again.
    std::string ValidStoreBytes()
    {
        {
            ComPtr<IDeviceEnum> enumerator;
            EXPECT_EQ(CreateEnumerator(enumerator), S_OK);
        }
        return ReadBytes(Db());
    }
};

TEST_F(DeviceStoreTest, DamagedOrForeignFilesAreRefusedAndLeftAlone)
{
    const std::string valid = ValidStoreBytes();
    ASSERT_GT(valid.size(), 4096u);
    std::string flipped = valid;
    for (size_t i = 4096; i < flipped.size(); i += 7)
        flipped[i] = static_cast<char>(~flipped[i]);
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty", ""},
        {"garbage", std::string(8192, '\x5A')},
        {"text", "profiles: 5\n"},
        {"truncated header", valid.substr(0, 50)},
        {"truncated", valid.substr(0, valid.size() / 2)},
        {"damaged pages", flipped},
    };
    for (const auto& [name, bytes] : cases) {
        WriteBytes(Db(), bytes);
        ComPtr<IDeviceEnum> enumerator;
        EXPECT_TRUE(FAILED(CreateEnumerator(enumerator))) << name;
        EXPECT_FALSE(enumerator) << name;
        EXPECT_EQ(ReadBytes(Db()), bytes) << name;
    }
}

TEST_F(DeviceStoreTest, AnotherProgramsDatabaseOrANewerVersionIsNotTouched)
{
    std::filesystem::remove(Db());
    Sql(Db(), "CREATE TABLE profile(id TEXT); INSERT INTO profile VALUES ('theirs');");
    const std::string foreign = ReadBytes(Db());
    ComPtr<IDeviceEnum> enumerator;
    EXPECT_TRUE(FAILED(CreateEnumerator(enumerator)));
    EXPECT_EQ(ReadBytes(Db()), foreign);

    std::filesystem::remove(Db());
    ValidStoreBytes();
    Sql(Db(), "PRAGMA user_version = 99");
    const std::string newer = ReadBytes(Db());
    EXPECT_TRUE(FAILED(CreateEnumerator(enumerator)));
    EXPECT_EQ(ReadBytes(Db()), newer);
}

TEST_F(DeviceStoreTest, AStoreOfTheFirstVersionIsUpgradedWithItsContent)
{
    std::filesystem::remove(Db());
    std::string sql = DeviceStoreSchema(1);
    // A version-1 store as an earlier release left it: take the factory rows of a fresh store.
    const auto fresh = TempFile("fresh.sqlite");
    {
        std::shared_ptr<quor::service::VirtualMouse> mouse;
        ASSERT_EQ(quor::service::VirtualMouse::Open(fresh, quor::service::VirtualMouse::Presence::Ignored, mouse), S_OK);
    }
    sql += "ATTACH '" + fresh.string() + "' AS fresh;"
           "INSERT INTO profile SELECT * FROM fresh.profile;"
           "UPDATE profile SET name = 'Old One';"
           "INSERT INTO device SELECT id, current_profile, accel_enabled, accel_level, 8 FROM fresh.device;"
           "DETACH fresh;"
           "PRAGMA application_id = " + std::to_string(DeviceStore::kApplicationId) + ";"
           "PRAGMA user_version = 1;";
    Sql(Db(), sql);

    auto profile = CurrentProfile();
    ASSERT_TRUE(profile);
    EXPECT_EQ(Name(profile.Get()), u"Old One");
    auto dpi = ProfileInterface<IDPI>(profile.Get(), IID_IDPI);
    EXPECT_EQ(dpi->SetCurrent(900, 900), S_OK); // logs an event: the upgraded schema has the log
    std::shared_ptr<quor::service::VirtualMouse> mouse;
    ASSERT_EQ(quor::service::VirtualMouse::Open(Db(), quor::service::VirtualMouse::Presence::Ignored, mouse), S_OK);
    EXPECT_EQ(mouse->SetPlugged(false), S_OK);
    int64_t last = 0;
    EXPECT_EQ(mouse->LastEventSequence(last), S_OK);
    EXPECT_EQ(last, 2);
}

TEST_F(DeviceStoreTest, MissingFoldersAreMadeAndTheDefaultPathFollowsTheEnvironment)
{
    const auto nested = TempFile("a/b/quor-device.sqlite");
    setenv("QUOR_DEVICE_DB", nested.c_str(), 1);
    EXPECT_EQ(DeviceStore::DefaultPath(), nested);
    EXPECT_TRUE(CurrentProfile());
    EXPECT_TRUE(std::filesystem::exists(nested));

    unsetenv("QUOR_DEVICE_DB");
    setenv("XDG_DATA_HOME", "/xdg", 1);
    EXPECT_EQ(DeviceStore::DefaultPath(), std::filesystem::path("/xdg/morva/quor-device.sqlite"));
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(DeviceStore::DefaultPath(), std::filesystem::path("/home/someone/.local/share/morva/quor-device.sqlite"));
    setenv("QUOR_DEVICE_DB", Db().c_str(), 1);
}

TEST_F(DeviceStoreTest, AFullDiskFailsTheCallAndKeepsTheStoreAsItWas)
{
    ValidStoreBytes(); // made and closed: no write-ahead log left
    auto macros = DeviceInterface<IMacroManager>(IID_IMacroManager);
    ComPtr<IMacro> macro;
    ASSERT_EQ(macros->CreateMacro(macro.Put()), S_OK);
    ASSERT_EQ(macro->SetMacroName(u"Before"), S_OK);

    // The file size limit stands in for a full disk: writes past it fail with EFBIG.
    rlimit original{};
    getrlimit(RLIMIT_FSIZE, &original);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    std::error_code error;
    const auto wal = std::filesystem::path(Db().string() + "-wal");
    std::uintmax_t used = std::filesystem::file_size(Db());
    if (const auto walSize = std::filesystem::file_size(wal, error); !error)
        used = std::max(used, walSize);
    rlimit limited = original;
    limited.rlim_cur = used + 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    MacroEventBuffer* buffer = AllocMacroEventBuffer(10000);
    for (uint32_t i = 0; i < 10000; ++i)
        buffer->Events()[i] = MacroEventRecord::Pause(i);
    const HRESULT written = macro->WriteEvents(buffer);
    const HRESULT renamed = macro->SetMacroName(u"After");
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, oldHandler);
    CoTaskMemFree(buffer);

    EXPECT_TRUE(FAILED(written));
    (void)renamed; // small enough to fit, or not: either way the store stays consistent
    MacroEventBuffer* read = nullptr;
    ASSERT_EQ(macro->ReadEvents(&read), S_OK);
    EXPECT_EQ(read->count, 0u);
    CoTaskMemFree(read);
}

} // namespace
