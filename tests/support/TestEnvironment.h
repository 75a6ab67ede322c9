#pragma once

#include <filesystem>

namespace quor::test {

// Points QUOR_DEVICE_DB and QUOR_REGISTRY at files in a private folder of this test process,
// so that no test ever touches the user's own virtual mouse or registry file.
class TestEnvironment {
public:
    static void Install();
    static const std::filesystem::path& Folder();
    static std::filesystem::path DeviceDb();
    static std::filesystem::path Registry();
};

} // namespace quor::test
