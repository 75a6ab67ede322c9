#pragma once

// Naming and content of profile files: "name", "exe" and "auto" in [PROPERTIES], the button
// assignments' function codes in [ASSIGNMENTS]; the settings file's active profile name.

#include <string>
#include <string_view>

namespace ProfileFile {
inline constexpr std::u16string_view SectionProperties = u"PROPERTIES";
inline constexpr std::u16string_view SectionAssignments = u"ASSIGNMENTS";
inline constexpr std::u16string_view KeyName = u"name";
inline constexpr std::u16string_view KeyExe = u"exe";
inline constexpr std::u16string_view KeyAuto = u"auto";
inline constexpr std::u16string_view SectionSettings = u"SETTINGS";
inline constexpr std::u16string_view KeyActiveProfileName = u"ActiveProfileName";
inline constexpr std::u16string_view SaveFolder = u"save/";
inline constexpr std::u16string_view SettingsBaseName = u"Vorn";
inline constexpr std::u16string_view SettingsExtension = u"mvc";
inline constexpr std::u16string_view ProfileExtension = u"mvp";

inline constexpr size_t kMaxBaseNameChars = 127;
inline constexpr size_t kLongNamePrefixChars = 123; // followed by four digits
inline constexpr int kMaxNumberedNames = 100;
} // namespace ProfileFile

// The name with every character that must not reach a file name replaced by '_': '/', '\',
// ':', '*', '?', '"', '<', '>', '|', NUL and control characters, and the dots of "..", so that
// a profile file never leaves its folder.
std::u16string SanitizeFileBaseName(std::u16string_view name);

// folder + baseName + "." + extension.
std::u16string ComposeProfilePath(std::u16string_view folder, std::u16string_view baseName,
                                  std::u16string_view extension);

// The base name of the profile file for a profile name: the (sanitised) name itself when it has
// at most 127 characters, else its first 123 characters and the first number 0000 to 0099
// whose file is missing, has no name, or holds this name regardless of case; empty when all
// hundred are taken. Names whose file name would not fit the file system's 255 bytes are
// treated as long and shortened further.
std::u16string DeriveProfileBaseName(std::u16string_view name, std::u16string_view folder,
                                     std::u16string_view extension);
