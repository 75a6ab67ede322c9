#pragma once

// One language: the key/text pairs of its language file, its font replacements and its
// per-item attribute overrides. Created by the LANG element of "Language.xml"; lookups go
// through the current language (Language.h).

#include "skin/CGUIItem.h"
#include "skin/ItemRect.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace quor::skin {

// Comparison keys are cut to this many code units.
inline constexpr std::size_t kMaxComparisonKey = 59;

class CLangTable : public CGUIItem {
public:
    struct Entry {
        std::u16string key;
        std::u16string text;
    };

    // An override's value: a text (attribute value or bitmap file name) or a rectangle.
    using OverrideData = std::variant<std::u16string, ItemRect>;

    struct Override {
        int32_t itemId = -1;
        std::u16string attribute;
        OverrideData data;
    };

    CLangTable() = default;
    ~CLangTable() override;

    // Reads a language file's UTF-16 little-endian bytes: line 1 the title, line 2 ignored, then
    // key and text lines in turn until "END OF FILE" (any case). Lines end at a carriage return;
    // carriage returns and line feeds after it are skipped.
    void Parse(std::u16string_view data);
    static std::u16string WidenLittleEndian(const char* bytes, std::size_t size);

    // "$key": the entry whose comparison key (key without spaces, at most 59 units) equals the
    // rest, ignoring case; "#prefix": the first entry whose comparison key begins with the rest.
    std::optional<std::u16string> LookUp(std::u16string_view text) const;

    void AddFontReplacement(int32_t fontId, int32_t replacementId);
    // The replacement of a font id, or the id itself.
    int32_t ReplaceFont(int32_t fontId) const;

    void AddOverride(Override value);
    const OverrideData* FindOverride(int32_t itemId, std::u16string_view attribute) const;

    const std::u16string& Title() const { return m_title; }
    int EntryCount() const { return m_entryCount; }
    const std::vector<Entry>& Entries() const { return m_entries; }

private:
    void AddEntry(std::u16string key, std::u16string text);

    std::u16string m_title;
    int m_entryCount = 0;
    std::vector<Entry> m_entries;
    // Folded comparison key of each entry, and the first entry for each folded key.
    std::vector<std::u16string> m_comparisonKeys;
    std::unordered_map<std::u16string, std::size_t> m_keyIndex;
    std::map<int32_t, int32_t> m_fontReplacements;
    std::vector<Override> m_overrides;
};

} // namespace quor::skin
