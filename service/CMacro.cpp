#include "service/CMacro.h"

#include "service/MouseLayout.h"
#include "service/TextConversion.h"

#include <algorithm>
#include <cstring>

namespace quor::service {

void* CMacro::Find(REFIID iid) { return iid == IID_IMacro ? static_cast<IMacro*>(this) : nullptr; }

HRESULT CMacro::GetMacroId(GUID* id)
{
    if (!id)
        return E_POINTER;
    *id = m_id;
    return S_OK;
}

HRESULT CMacro::GetMacroName(char16_t** name)
{
    if (!name)
        return E_POINTER;
    *name = nullptr;
    MacroState macro;
    if (const HRESULT read = m_mouse->ReadMacro(m_id, macro); FAILED(read))
        return read;
    *name = CoTaskMemDup(macro.name);
    return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT CMacro::SetMacroName(const char16_t* name)
{
    if (!name)
        return E_POINTER;
    std::u16string text = name;
    if (text.size() > kMaxNameLength)
        return E_INVALIDARG;
    return m_mouse->EditMacro(m_id, [&](MacroState& macro) {
        macro.name = text;
        return S_OK;
    });
}

HRESULT CMacro::ExportMacro(const char16_t* path)
{
    if (!path)
        return E_POINTER;
    return m_mouse->ExportMacro(m_id, ToUtf8(path));
}

HRESULT CMacro::ReadEvents(MacroEventBuffer** buffer)
{
    if (!buffer)
        return E_POINTER;
    *buffer = nullptr;
    MacroState macro;
    if (const HRESULT read = m_mouse->ReadMacro(m_id, macro); FAILED(read))
        return read;
    MacroEventBuffer* events = AllocMacroEventBuffer(static_cast<uint32_t>(macro.events.size()));
    if (!events)
        return E_OUTOFMEMORY;
    std::copy(macro.events.begin(), macro.events.end(), events->Events());
    *buffer = events;
    return S_OK;
}

HRESULT CMacro::WriteEvents(const MacroEventBuffer* buffer)
{
    if (!buffer)
        return E_POINTER;
    if (buffer->count > kMaxMacroEvents)
        return E_INVALIDARG;
    std::vector<MacroEventRecord> events(buffer->Events(), buffer->Events() + buffer->count);
    for (const auto& event : events) {
        if (event.kind != MACRO_EVENT_KEY && event.kind != MACRO_EVENT_PAUSE)
            return E_INVALIDARG;
    }
    return m_mouse->EditMacro(m_id, [&](MacroState& macro) {
        macro.events = std::move(events);
        return S_OK;
    });
}

} // namespace quor::service
