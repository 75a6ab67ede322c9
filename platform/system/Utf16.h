#pragma once

// UTF-16 <-> UTF-8 for text that meets files, paths and the environment. Ill-formed input
// (a lone surrogate, a broken UTF-8 sequence) becomes U+FFFD; nothing throws.

#include <filesystem>
#include <string>
#include <string_view>

namespace quor::system {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// A file-system path from a UTF-16 path text ('/' separated), and back.
std::filesystem::path ToPath(std::u16string_view path);
std::u16string FromPath(const std::filesystem::path& path);

} // namespace quor::system
