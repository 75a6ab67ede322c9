#include "service/TextConversion.h"

#include "platform/com/Com.h"

#include <cstring>

namespace quor::service {

char16_t* CoTaskMemDup(std::u16string_view text)
{
    auto* copy = static_cast<char16_t*>(CoTaskMemAlloc((text.size() + 1) * sizeof(char16_t)));
    if (!copy)
        return nullptr;
    std::memcpy(copy, text.data(), text.size() * sizeof(char16_t));
    copy[text.size()] = 0;
    return copy;
}

} // namespace quor::service
