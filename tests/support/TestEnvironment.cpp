#include "support/TestEnvironment.h"

#include "support/TempDir.h"

#include <cstdlib>
#include <memory>

namespace quor::test {

namespace {
std::unique_ptr<TempDir>& Dir()
{
    static std::unique_ptr<TempDir> dir;
    return dir;
}
} // namespace

void TestEnvironment::Install()
{
    if (!Dir())
        Dir() = std::make_unique<TempDir>();
    setenv("QUOR_DEVICE_DB", DeviceDb().c_str(), 1);
    setenv("QUOR_REGISTRY", Registry().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::atexit([] { Dir().reset(); });
}

const std::filesystem::path& TestEnvironment::Folder() { return Dir()->Path(); }
std::filesystem::path TestEnvironment::DeviceDb() { return Folder() / "quor-device.sqlite"; }
std::filesystem::path TestEnvironment::Registry() { return Folder() / "registry.ini"; }

} // namespace quor::test
