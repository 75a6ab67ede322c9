#pragma once

// Files named by skin documents and language entries, resolved inside their own folder below
// the program folder. A name that could leave that folder (absolute, a drive, a ".." part) or
// that is empty resolves to nothing, so a document cannot make the program read other files.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace quor::skin {

inline constexpr std::string_view kXmlFolder = "xml";
inline constexpr std::string_view kSkinsFolder = "skins";
inline constexpr std::string_view kFontsFolder = "fonts";
inline constexpr std::string_view kLangFolder = "lang";

// Backslashes count as separators, as in the documents' Windows-style names.
bool IsNameInsideFolder(std::u16string_view name);

std::optional<std::filesystem::path> SkinFilePath(std::string_view folder, std::u16string_view name);

// The bytes of a regular file; empty when it is missing, not a regular file, or unreadable.
std::vector<char> ReadWholeFile(const std::filesystem::path& path);

} // namespace quor::skin
