#include "model/IniFile.h"

#include "platform/system/PrivateProfile.h"
#include "platform/system/Utf16.h"

#include <string>

namespace sys = quor::system;

std::u16string IniFile::ReadString(std::u16string_view section, std::u16string_view key,
                                   std::u16string_view defaultValue) const
{
    return sys::GetPrivateProfileStringW(section, key, defaultValue, sys::ToPath(m_path), kMaxValueChars);
}

bool IniFile::WriteString(std::u16string_view section, std::u16string_view key, std::u16string_view text)
{
    return sys::WritePrivateProfileStringW(section, key, text, sys::ToPath(m_path));
}

int32_t IniFile::ReadInt(std::u16string_view section, std::u16string_view key, int32_t defaultValue) const
{
    return sys::GetPrivateProfileIntW(section, key, defaultValue, sys::ToPath(m_path));
}

bool IniFile::WriteInt(std::u16string_view section, std::u16string_view key, int32_t value)
{
    return WriteString(section, key, sys::FromUtf8(std::to_string(value)));
}

bool IniFile::ReadSection(std::u16string_view section, std::vector<std::u16string>& lines) const
{
    lines = sys::GetPrivateProfileSectionW(section, sys::ToPath(m_path), kMaxSectionChars);
    return !lines.empty();
}
