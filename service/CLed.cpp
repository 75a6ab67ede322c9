#include "service/CLed.h"

#include "service/MouseLayout.h"

namespace quor::service {

void* CLed::Find(REFIID iid) { return iid == IID_ILed ? static_cast<ILed*>(this) : nullptr; }

HRESULT CLed::Switch(uint32_t state)
{
    return m_mouse->EditProfile(m_id, [&](ProfileState& profile) {
        profile.lights[m_index] = state;
        return S_OK;
    });
}

HRESULT CLed::TurnOn() { return Switch(1); }

HRESULT CLed::TurnOff() { return Switch(0); }

HRESULT CLed::GetState(uint32_t* state)
{
    if (!state)
        return E_POINTER;
    ProfileState profile;
    const HRESULT read = m_mouse->ReadProfile(m_id, profile);
    if (SUCCEEDED(read))
        *state = profile.lights[m_index];
    return read;
}

HRESULT CLed::GetKind(uint32_t* kind)
{
    if (!kind)
        return E_POINTER;
    *kind = kLightKinds[m_index];
    return S_OK;
}

} // namespace quor::service
