#pragma once

// The store's ordered list of owned macros; names unique regardless of case.

#include "model/CMacro.h"

#include <memory>
#include <vector>

class CMacroList {
public:
    CMacroList() = default;
    CMacroList(const CMacroList&) = delete;
    CMacroList& operator=(const CMacroList&) = delete;
    // Destroys the macros from the last to the first.
    virtual ~CMacroList();

    int32_t GetCount() const { return int32_t(m_macros.size()); }
    // Null for an index outside the list.
    CMacro* GetAt(int32_t index) const;

    // Null (nothing changed) when a macro of that name exists, regardless of case.
    CMacro* Add(std::u16string_view name);
    // Removes and destroys the macro when it is in the list; null or a foreign macro does nothing.
    void Remove(CMacro* macro);
    void RemoveAll();

    CMacro* FindByName(std::u16string_view name) const;
    CMacro* FindById(const ModelId& id) const;

private:
    std::vector<std::unique_ptr<CMacro>> m_macros;
};
