#include "skin/SkinPath.h"

#include "platform/system/Utf16.h"
#include "skin/ProgramFolder.h"

#include <cstdio>
#include <memory>
#include <string>
#include <system_error>

namespace quor::skin {

bool IsNameInsideFolder(std::u16string_view name)
{
    if (name.empty() || name.front() == u'/' || name.front() == u'\\')
        return false;
    if (name.find(u':') != std::u16string_view::npos || name.find(u'\0') != std::u16string_view::npos)
        return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of(u"/\\", start);
        if (end == std::u16string_view::npos)
            end = name.size();
        if (name.substr(start, end - start) == u"..")
            return false;
        start = end + 1;
    }
    return true;
}

std::optional<std::filesystem::path> SkinFilePath(std::string_view folder, std::u16string_view name)
{
    if (!IsNameInsideFolder(name))
        return std::nullopt;
    std::u16string relative(name);
    for (auto& ch : relative) {
        if (ch == u'\\')
            ch = u'/';
    }
    return ProgramFolder() / std::filesystem::path(std::string(folder)) / system::ToPath(relative);
}

std::vector<char> ReadWholeFile(const std::filesystem::path& path)
{
    // Stream iterators throw on a read error (a folder named like a file); plain reads do not.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return {};
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return {};
    std::vector<char> bytes;
    char block[64 * 1024];
    std::size_t read = 0;
    while ((read = std::fread(block, 1, sizeof block, file.get())) > 0)
        bytes.insert(bytes.end(), block, block + read);
    if (std::ferror(file.get()))
        return {};
    return bytes;
}

} // namespace quor::skin
