#include "model/CMacro.h"

#include "platform/system/TextCase.h"

CMacro::CMacro(std::u16string_view name) { SetName(name); }

void CMacro::SetName(std::u16string_view name) { m_name = name.substr(0, kMaxNameChars); }

void CMacro::SetMacroId(uint32_t w0, uint32_t w1, uint32_t w2, uint32_t w3) { m_id = ModelId{{w0, w1, w2, w3}}; }

bool CMacro::IsSameMacro(const CMacro& other) const
{
    return m_id == other.m_id && quor::system::EqualsNoCase(m_name, other.m_name) && m_events == other.m_events;
}
