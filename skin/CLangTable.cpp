#include "skin/CLangTable.h"

#include "platform/system/TextCase.h"
#include "skin/Language.h"

namespace quor::skin {

namespace {

constexpr std::u16string_view kEndOfFile = u"END OF FILE";

std::u16string ComparisonKey(std::u16string_view key)
{
    std::u16string out;
    for (char16_t ch : key) {
        if (ch == u'\r' || ch == u'\n' || out.size() == kMaxComparisonKey)
            break;
        if (ch != u' ')
            out.push_back(ch);
    }
    return system::FoldCase(out);
}

} // namespace

CLangTable::~CLangTable()
{
    // The map and the current language must not point at a destroyed table.
    ForgetLanguage(this);
}

std::u16string CLangTable::WidenLittleEndian(const char* bytes, std::size_t size)
{
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    return text;
}

void CLangTable::Parse(std::u16string_view data)
{
    std::size_t pos = 0;
    int line = 0;
    std::u16string pendingKey;
    while (pos < data.size()) {
        std::size_t end = data.find(u'\r', pos);
        if (end == std::u16string_view::npos)
            end = data.size();
        const std::u16string_view text = data.substr(pos, end - pos);
        if (line == 0) {
            m_title = text;
        } else if (line >= 2) {
            if (system::EqualsNoCase(text, kEndOfFile))
                return;
            if (line % 2 == 0)
                pendingKey = text;
            else
                AddEntry(std::move(pendingKey), std::u16string(text));
        }
        pos = end;
        while (pos < data.size() && (data[pos] == u'\r' || data[pos] == u'\n'))
            ++pos;
        ++line;
    }
}

void CLangTable::AddEntry(std::u16string key, std::u16string text)
{
    std::u16string comparison = ComparisonKey(key);
    m_keyIndex.try_emplace(comparison, m_entries.size());
    m_comparisonKeys.push_back(std::move(comparison));
    m_entries.push_back({std::move(key), std::move(text)});
    ++m_entryCount;
}

std::optional<std::u16string> CLangTable::LookUp(std::u16string_view text) const
{
    if (text.empty())
        return std::nullopt;
    const std::u16string wanted = system::FoldCase(text.substr(1));
    if (text.front() == u'$') {
        // No comparison key is longer than 59 units, so a longer text cannot match.
        if (wanted.size() > kMaxComparisonKey)
            return std::nullopt;
        const auto found = m_keyIndex.find(wanted);
        if (found == m_keyIndex.end())
            return std::nullopt;
        return m_entries[found->second].text;
    }
    if (text.front() == u'#') {
        for (std::size_t i = 0; i < m_comparisonKeys.size(); ++i) {
            if (std::u16string_view(m_comparisonKeys[i]).starts_with(wanted))
                return m_entries[i].text;
        }
    }
    return std::nullopt;
}

void CLangTable::AddFontReplacement(int32_t fontId, int32_t replacementId)
{
    m_fontReplacements[fontId] = replacementId;
}

int32_t CLangTable::ReplaceFont(int32_t fontId) const
{
    const auto found = m_fontReplacements.find(fontId);
    return found == m_fontReplacements.end() || found->second == 0 ? fontId : found->second;
}

void CLangTable::AddOverride(Override value)
{
    m_overrides.push_back(std::move(value));
}

const CLangTable::OverrideData* CLangTable::FindOverride(int32_t itemId, std::u16string_view attribute) const
{
    for (const auto& entry : m_overrides) {
        if (entry.itemId == itemId && system::EqualsNoCase(entry.attribute, attribute))
            return &entry.data;
    }
    return nullptr;
}

} // namespace quor::skin
