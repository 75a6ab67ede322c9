#pragma once

// The Windows private-profile (INI) service on UTF-8 text files, in the shape of
// GetPrivateProfileStringW, GetPrivateProfileIntW, GetPrivateProfileSectionW and
// WritePrivateProfileStringW.
//
// What callers may rely on:
// - a missing file, section or key reads as the default; "key=" reads as the empty text;
// - section and key names compare regardless of case (non-ASCII letters folded); names and
//   values are trimmed of spaces and tabs; the first of duplicate sections or keys counts;
// - lines before the first section, blank lines, comments (first non-blank character ';' or
//   '#') and lines without '=' are kept but are never keys; CRLF and LF line ends both read;
//   a UTF-8 or UTF-16LE byte-order mark is understood; files are written as UTF-8;
// - a write replaces the key's line in place (keeping the key as spelled in the file), adds a
//   missing key after the last entry of its section, adds a missing section at the end, and
//   keeps every other line as it was (with the file's own line ends);
// - a write goes to a temporary file in the same folder, is flushed to disk and renamed over
//   the file, so a crash at any moment leaves either the old or the new file. Writes to files of
//   one folder are serialised between threads and between processes, so none is lost.
// - folders are not created (as on Windows).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quor::system {

// The value of key in section; nullopt when the file, the section or the key is missing.
std::optional<std::u16string> FindPrivateProfileString(std::u16string_view section,
                                                       std::u16string_view key,
                                                       const std::filesystem::path& file);

// The value (at most maxChars characters) or defaultValue.
std::u16string GetPrivateProfileStringW(std::u16string_view section, std::u16string_view key,
                                        std::u16string_view defaultValue,
                                        const std::filesystem::path& file,
                                        size_t maxChars = 32767);

// The value read as an integer like Windows does: leading blanks, an optional sign, then decimal
// digits (or "0x" and hexadecimal ones) up to the first other character; a value without
// digits gives 0; a missing or empty value gives defaultValue.
int32_t GetPrivateProfileIntW(std::u16string_view section, std::u16string_view key,
                              int32_t defaultValue, const std::filesystem::path& file);

// The section's "key=value" lines in file order (keys and values trimmed), as many whole lines
// as fit into maxChars characters counting a terminator after each line and one at the end.
// Empty when the file or the section is missing.
std::vector<std::u16string> GetPrivateProfileSectionW(std::u16string_view section,
                                                      const std::filesystem::path& file,
                                                      size_t maxChars = 32767);

// Sets key in section to value, creating the file, the section or the key as needed; nullopt
// deletes the key. False when the file cannot be read or written, or when a name is empty or a
// name or the value cannot stand in an INI line (line breaks; ']' in a section name; '=' in a
// key; a key starting with '[', ';' or '#').
bool WritePrivateProfileStringW(std::u16string_view section, std::u16string_view key,
                                std::optional<std::u16string_view> value,
                                const std::filesystem::path& file);

// Whether the file has the section (even an empty one).
bool HasPrivateProfileSection(std::u16string_view section, const std::filesystem::path& file);

// Makes sure the section exists (an empty "[section]" line is appended when missing). False
// when the file cannot be written.
bool CreatePrivateProfileSection(std::u16string_view section, const std::filesystem::path& file);

} // namespace quor::system
