#include "service/CMacroManager.h"

#include "service/CMacro.h"
#include "service/TextConversion.h"

namespace quor::service {

void* CMacroManager::Find(REFIID iid) { return iid == IID_IMacroManager ? static_cast<IMacroManager*>(this) : nullptr; }

namespace {

HRESULT Hand(const std::shared_ptr<VirtualMouse>& mouse, HRESULT found, REFGUID id, IMacro** macro)
{
    if (FAILED(found))
        return found;
    return CMacro::Make<CMacro>(IID_IMacro, reinterpret_cast<void**>(macro), mouse, id);
}

// Our own macros only: anything else has no id we can trust.
bool IdOf(IMacro* macro, GUID& id) { return macro && SUCCEEDED(macro->GetMacroId(&id)); }

} // namespace

HRESULT CMacroManager::GetMacroAt(uint32_t index, IMacro** macro)
{
    if (!macro)
        return E_POINTER;
    *macro = nullptr;
    GUID id;
    return Hand(m_mouse, m_mouse->MacroAt(index, id), id, macro);
}

HRESULT CMacroManager::GetMacroById(REFGUID id, IMacro** macro)
{
    if (!macro)
        return E_POINTER;
    *macro = nullptr;
    return Hand(m_mouse, m_mouse->HasMacro(id), id, macro);
}

HRESULT CMacroManager::CreateMacro(IMacro** macro)
{
    if (!macro)
        return E_POINTER;
    *macro = nullptr;
    GUID id;
    return Hand(m_mouse, m_mouse->CreateMacro(id), id, macro);
}

HRESULT CMacroManager::RemoveMacro(IMacro* macro)
{
    GUID id;
    if (!IdOf(macro, id))
        return E_INVALIDARG;
    return m_mouse->RemoveMacro(id);
}

HRESULT CMacroManager::Reserved7() { return E_NOTIMPL; }

HRESULT CMacroManager::ImportMacro(const char16_t* path, IMacro** macro)
{
    if (!path || !macro)
        return E_POINTER;
    *macro = nullptr;
    GUID id;
    return Hand(m_mouse, m_mouse->ImportMacro(ToUtf8(path), id), id, macro);
}

} // namespace quor::service
