#pragma once

// GUID, IID and CLSID with the Windows layout, their text form and comparison.

#include "platform/com/HResult.h"

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct GUID {
    uint32_t Data1 = 0;
    uint16_t Data2 = 0;
    uint16_t Data3 = 0;
    uint8_t Data4[8] = {};

    friend constexpr bool operator==(const GUID&, const GUID&) = default;
    friend constexpr auto operator<=>(const GUID&, const GUID&) = default;
};
static_assert(sizeof(GUID) == 16);

using IID = GUID;
using CLSID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

inline constexpr GUID GUID_NULL{};

inline bool IsEqualGUID(REFGUID a, REFGUID b) { return a == b; }
inline bool IsEqualIID(REFIID a, REFIID b) { return a == b; }
inline bool IsEqualCLSID(REFCLSID a, REFCLSID b) { return a == b; }

namespace quor::com {

// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}", upper-case hexadecimal as Windows writes it.
std::string GuidToString(REFGUID guid);
std::u16string GuidToU16String(REFGUID guid);

// Accepts the text form with or without braces, in either letter case; nothing else.
std::optional<GUID> GuidFromString(std::string_view text);

// The 16 bytes in memory order, and back.
void GuidToBytes(REFGUID guid, uint8_t (&bytes)[16]);
GUID GuidFromBytes(const uint8_t* bytes);

// A new random (version 4) GUID.
GUID NewGuid();

} // namespace quor::com

// Windows' name for NewGuid.
HRESULT CoCreateGuid(GUID* guid);
