#include "skin/SkinPath.h"

#include "platform/system/Utf16.h"
#include "skin/ProgramFolder.h"

#include <string>

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

} // namespace quor::skin
