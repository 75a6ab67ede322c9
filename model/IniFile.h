#pragma once

// One INI file (profile or settings file), read and written through the private-profile service.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class IniFile {
public:
    static constexpr size_t kMaxValueChars = 4096;
    static constexpr size_t kMaxSectionChars = 8192;

    explicit IniFile(std::u16string_view path) : m_path(path) {}

    const std::u16string& GetPath() const { return m_path; }

    // Up to 4096 characters; defaultValue when the file, section or key is missing.
    std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue) const;
    bool WriteString(std::u16string_view section, std::u16string_view key, std::u16string_view text);
    int32_t ReadInt(std::u16string_view section, std::u16string_view key, int32_t defaultValue) const;
    // The value as "%d".
    bool WriteInt(std::u16string_view section, std::u16string_view key, int32_t value);
    // Replaces lines by the section's key=value lines in file order; true when there is one.
    bool ReadSection(std::u16string_view section, std::vector<std::u16string>& lines) const;

private:
    std::u16string m_path;
};
