#include "model/CMacroList.h"

#include "platform/system/TextCase.h"

#include <algorithm>

CMacroList::~CMacroList() { RemoveAll(); }

CMacro* CMacroList::GetAt(int32_t index) const
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return m_macros[size_t(index)].get();
}

CMacro* CMacroList::Add(std::u16string_view name)
{
    // Check the name the macro would keep: two names that differ only beyond the stored
    // length would otherwise both be added and then collide.
    name = name.substr(0, CMacro::kMaxNameChars);
    if (FindByName(name))
        return nullptr;
    return m_macros.emplace_back(std::make_unique<CMacro>(name)).get();
}

void CMacroList::Remove(CMacro* macro)
{
    if (!macro)
        return;
    const auto it = std::find_if(m_macros.begin(), m_macros.end(), [macro](const auto& m) { return m.get() == macro; });
    if (it != m_macros.end())
        m_macros.erase(it);
}

void CMacroList::RemoveAll()
{
    while (!m_macros.empty())
        m_macros.pop_back();
}

CMacro* CMacroList::FindByName(std::u16string_view name) const
{
    for (const auto& macro : m_macros) {
        if (quor::system::EqualsNoCase(macro->GetName(), name))
            return macro.get();
    }
    return nullptr;
}

CMacro* CMacroList::FindById(const ModelId& id) const
{
    for (const auto& macro : m_macros) {
        if (macro->GetId() == id)
            return macro.get();
    }
    return nullptr;
}
