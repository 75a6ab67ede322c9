#include "platform/com/Guid.h"

#include <cstdio>
#include <cstring>
#include <random>

namespace quor::com {

std::string GuidToString(REFGUID guid)
{
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", guid.Data1, guid.Data2,
                  guid.Data3, guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4],
                  guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    return text;
}

std::u16string GuidToU16String(REFGUID guid)
{
    const std::string text = GuidToString(guid);
    return std::u16string(text.begin(), text.end());
}

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<GUID> GuidFromString(std::string_view text)
{
    if (text.size() == 38) {
        if (text.front() != '{' || text.back() != '}')
            return std::nullopt;
        text = text.substr(1, 36);
    }
    if (text.size() != 36)
        return std::nullopt;
    uint8_t bytes[16];
    size_t byte = 0;
    for (size_t i = 0; i < text.size();) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (text[i] != '-')
                return std::nullopt;
            ++i;
            continue;
        }
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes[byte++] = static_cast<uint8_t>(high << 4 | low);
        i += 2;
    }
    // The text writes the three leading fields most significant byte first.
    GUID guid;
    guid.Data1 = uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
    guid.Data2 = static_cast<uint16_t>(bytes[4] << 8 | bytes[5]);
    guid.Data3 = static_cast<uint16_t>(bytes[6] << 8 | bytes[7]);
    std::memcpy(guid.Data4, bytes + 8, 8);
    return guid;
}

void GuidToBytes(REFGUID guid, uint8_t (&bytes)[16]) { std::memcpy(bytes, &guid, 16); }

GUID GuidFromBytes(const uint8_t* bytes)
{
    GUID guid;
    std::memcpy(&guid, bytes, 16);
    return guid;
}

GUID NewGuid()
{
    thread_local std::mt19937_64 generator{std::random_device{}()};
    uint64_t words[2] = {generator(), generator()};
    GUID guid;
    std::memcpy(&guid, words, 16);
    guid.Data3 = static_cast<uint16_t>((guid.Data3 & 0x0FFF) | 0x4000);
    guid.Data4[0] = static_cast<uint8_t>((guid.Data4[0] & 0x3F) | 0x80);
    return guid;
}

} // namespace quor::com

HRESULT CoCreateGuid(GUID* guid)
{
    if (!guid)
        return E_POINTER;
    *guid = quor::com::NewGuid();
    return S_OK;
}
