#pragma once

// The program-wide cache of skin files: every file is loaded once per kind, however many items
// and documents name it, and kept until ReleaseAll. Names compare regardless of case. Files are
// looked for in skins/, fonts/ or lang/ below the program folder; a name that leaves its folder
// gives a record without object. User-interface thread only.

#include "skin/CResource.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quor::skin {

class CResourceCache {
public:
    static CResourceCache& Instance();

    // The cached record of that name and kind, loading it on first request. Never null.
    const CResource* GetResource(std::u16string_view name, ResourceKind kind);

    // The size of the first record with the name, whatever its kind, or 0.
    uint64_t ResourceSize(std::u16string_view name) const;

    // Releases every object (font files unregistered) and forgets every record.
    void ReleaseAll();

    std::size_t RecordCount() const { return m_records.size(); }

private:
    std::vector<std::unique_ptr<CResource>> m_records;
    // Kind (first unit) and folded name -> record.
    std::unordered_map<std::u16string, CResource*> m_index;
};

const QImage* GetPicture(std::u16string_view name);
const QImage* GetDeviceBitmap(std::u16string_view name);

} // namespace quor::skin
