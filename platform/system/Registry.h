#pragma once

// The registry stand-in: one INI file whose sections are full key paths
// ("HKEY_LOCAL_MACHINE\Software\Morva\Quor") and whose entries are string values. The file is
// named by the environment variable QUOR_REGISTRY, else $XDG_CONFIG_HOME/morva/registry.ini
// (XDG_CONFIG_HOME defaulting to ~/.config). A Registry object is one key handle, shaped like
// RegOpenKeyExW / RegCreateKeyW / RegQueryValueExW / RegCloseKey; key paths and value names
// compare regardless of case. No Qt.

#include <filesystem>
#include <string>
#include <string_view>

namespace quor::system {

enum class RegistryRoot { LocalMachine, CurrentUser };

// The installer's key and values, read by the configurator and the tray.
inline constexpr std::u16string_view kQuorRegistryKey = u"Software\\Morva\\Quor";
inline constexpr std::u16string_view kRegistryValueLanguage = u"Language";
inline constexpr std::u16string_view kRegistryValueInstallDir = u"InstallDir";

class Registry {
public:
    // The registry file as the environment names it now.
    static std::filesystem::path FilePath();

    // "HKEY_LOCAL_MACHINE\Software\Morva\Quor" for (LocalMachine, "Software\Morva\Quor").
    static std::u16string KeyPath(RegistryRoot root, std::u16string_view subKey);

    // RegOpenKeyExW: true and open when the key exists; false (and closed) otherwise.
    bool OpenKey(RegistryRoot root, std::u16string_view subKey);

    // RegCreateKeyW / RegCreateKeyExW: opens the key, creating it (and the registry file and its
    // folder) when missing; false when the file cannot be written.
    bool CreateKey(RegistryRoot root, std::u16string_view subKey);

    // RegQueryValueExW of a string value: false when the key is not open or has no such value.
    bool QueryValue(std::u16string_view name, std::u16string& value) const;

    // RegSetValueExW of a string value (the installer's role; the programs only read).
    bool SetValue(std::u16string_view name, std::u16string_view value);

    // RegCloseKey.
    void CloseKey();

    bool IsOpen() const { return m_open; }
    const std::u16string& GetKeyPath() const { return m_keyPath; }

private:
    std::filesystem::path m_file;
    std::u16string m_keyPath;
    bool m_open = false;
};

} // namespace quor::system
