#include "service/CProfileProperties.h"

#include "device/ProfileProperty.h"

#include <algorithm>
#include <cstring>

namespace quor::service {

void* CProfileProperties::Find(REFIID iid)
{
    return iid == IID_IProfileProperties ? static_cast<IProfileProperties*>(this) : nullptr;
}

HRESULT CProfileProperties::GetValue(uint32_t id, uint32_t, void* buffer, uint32_t, uint32_t* bytes)
{
    if (!buffer || !bytes)
        return E_POINTER;
    if (id != PROFILE_PROPERTY_PROGRAM && id != PROFILE_PROPERTY_FLAGS)
        return E_INVALIDARG;
    ProfileState profile;
    if (const HRESULT read = m_mouse->ReadProfile(m_id, profile); FAILED(read))
        return read;
    if (id == PROFILE_PROPERTY_FLAGS) {
        if (*bytes < sizeof(uint16_t))
            return E_INVALIDARG;
        std::memcpy(buffer, &profile.flags, sizeof(uint16_t));
        *bytes = sizeof(uint16_t);
        return S_OK;
    }
    // No program gives no bytes; otherwise the text and its terminator, cut to fit.
    if (profile.program.empty()) {
        *bytes = 0;
        return S_OK;
    }
    const uint32_t units = *bytes / sizeof(char16_t);
    if (units == 0)
        return E_INVALIDARG;
    const size_t copied = std::min<size_t>(profile.program.size(), units - 1);
    auto* text = static_cast<char16_t*>(buffer);
    std::memcpy(text, profile.program.data(), copied * sizeof(char16_t));
    text[copied] = 0;
    *bytes = static_cast<uint32_t>((copied + 1) * sizeof(char16_t));
    return S_OK;
}

HRESULT CProfileProperties::SetValue(uint32_t id, const void* data, uint32_t, uint32_t bytes, uint32_t)
{
    if (!data && bytes)
        return E_POINTER;
    if (id == PROFILE_PROPERTY_PROGRAM) {
        const auto* text = static_cast<const char16_t*>(data);
        const size_t units = bytes / sizeof(char16_t);
        size_t length = 0;
        while (length < units && text[length] != 0)
            ++length;
        std::u16string program(text ? text : u"", std::min<size_t>(length, PROFILE_PROGRAM_CHARS - 1));
        return m_mouse->EditProfile(m_id, [&](ProfileState& profile) {
            profile.program = program;
            return S_OK;
        });
    }
    if (id == PROFILE_PROPERTY_FLAGS) {
        uint16_t flag = 0;
        uint16_t value = 0;
        if (bytes != 2 * sizeof(uint16_t))
            return E_INVALIDARG;
        std::memcpy(&flag, data, sizeof flag);
        std::memcpy(&value, static_cast<const uint8_t*>(data) + sizeof flag, sizeof value);
        if (flag != PROFILE_FLAG_AUTO_SWITCH && flag != PROFILE_FLAG_SENSITIVITY_DISPLAY && flag != PROFILE_FLAG_PROFILE_DISPLAY)
            return E_INVALIDARG;
        return m_mouse->EditProfile(m_id, [&](ProfileState& profile) {
            profile.flags = static_cast<uint16_t>(value ? profile.flags | flag : profile.flags & ~flag);
            return S_OK;
        });
    }
    return E_INVALIDARG;
}

} // namespace quor::service
