#include "platform/system/Registry.h"

#include "platform/system/PrivateProfile.h"

#include <cstdlib>
#include <optional>

namespace quor::system {

namespace {
std::u16string_view RootName(RegistryRoot root)
{
    return root == RegistryRoot::LocalMachine ? u"HKEY_LOCAL_MACHINE" : u"HKEY_CURRENT_USER";
}

const char* NonEmptyEnv(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}
} // namespace

std::filesystem::path Registry::FilePath()
{
    if (const char* file = NonEmptyEnv("QUOR_REGISTRY"))
        return file;
    std::filesystem::path config;
    if (const char* xdg = NonEmptyEnv("XDG_CONFIG_HOME"))
        config = xdg;
    else if (const char* home = NonEmptyEnv("HOME"))
        config = std::filesystem::path(home) / ".config";
    else
        config = ".config";
    return config / "morva" / "registry.ini";
}

std::u16string Registry::KeyPath(RegistryRoot root, std::u16string_view subKey)
{
    while (!subKey.empty() && subKey.front() == u'\\')
        subKey.remove_prefix(1);
    while (!subKey.empty() && subKey.back() == u'\\')
        subKey.remove_suffix(1);
    std::u16string path(RootName(root));
    if (!subKey.empty())
        path += u"\\" + std::u16string(subKey);
    return path;
}

bool Registry::OpenKey(RegistryRoot root, std::u16string_view subKey)
{
    CloseKey();
    std::filesystem::path file = FilePath();
    std::u16string keyPath = KeyPath(root, subKey);
    if (!HasPrivateProfileSection(keyPath, file))
        return false;
    m_file = std::move(file);
    m_keyPath = std::move(keyPath);
    m_open = true;
    return true;
}

bool Registry::CreateKey(RegistryRoot root, std::u16string_view subKey)
{
    CloseKey();
    std::filesystem::path file = FilePath();
    std::u16string keyPath = KeyPath(root, subKey);
    if (!HasPrivateProfileSection(keyPath, file)) {
        std::error_code ec;
        if (file.has_parent_path())
            std::filesystem::create_directories(file.parent_path(), ec);
        if (!CreatePrivateProfileSection(keyPath, file))
            return false;
    }
    m_file = std::move(file);
    m_keyPath = std::move(keyPath);
    m_open = true;
    return true;
}

bool Registry::QueryValue(std::u16string_view name, std::u16string& value) const
{
    if (!m_open)
        return false;
    std::optional<std::u16string> found = FindPrivateProfileString(m_keyPath, name, m_file);
    if (!found)
        return false;
    value = std::move(*found);
    return true;
}

bool Registry::SetValue(std::u16string_view name, std::u16string_view value)
{
    return m_open && WritePrivateProfileStringW(m_keyPath, name, value, m_file);
}

void Registry::CloseKey()
{
    m_open = false;
    m_keyPath.clear();
    m_file.clear();
}

} // namespace quor::system
