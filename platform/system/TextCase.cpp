#include "platform/system/TextCase.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace quor::system {

namespace {

struct FoldRun {
    uint16_t first;
    uint16_t last;
    int32_t delta;
    uint16_t stride;
};

constexpr FoldRun kFoldRuns[] = {
#include "platform/system/CaseFoldTable.inc"
};

} // namespace

char16_t FoldCase(char16_t ch)
{
    if (ch < 0x80)
        return (ch >= u'A' && ch <= u'Z') ? char16_t(ch + 32) : ch;
    // Runs are sorted by first code and do not overlap; find the last run starting at or before ch.
    auto it = std::upper_bound(std::begin(kFoldRuns), std::end(kFoldRuns), ch,
                               [](char16_t c, const FoldRun& run) { return c < run.first; });
    if (it == std::begin(kFoldRuns))
        return ch;
    const FoldRun& run = *std::prev(it);
    if (ch > run.last || (ch - run.first) % run.stride != 0)
        return ch;
    return char16_t(int32_t(ch) + run.delta);
}

std::u16string FoldCase(std::u16string_view text)
{
    std::u16string folded(text);
    for (char16_t& ch : folded)
        ch = FoldCase(ch);
    return folded;
}

bool EqualsNoCase(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    }
    return true;
}

int CompareNoCase(std::u16string_view a, std::u16string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const char16_t fa = FoldCase(a[i]);
        const char16_t fb = FoldCase(b[i]);
        if (fa != fb)
            return fa < fb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace quor::system
