#include "model/ProfileFile.h"

#include "model/IniFile.h"

#include "platform/system/TextCase.h"
#include "platform/system/Utf16.h"

#include <cstdio>
#include <filesystem>

namespace {
// Longest file name the Linux file systems take, in bytes.
constexpr size_t kMaxFileNameBytes = 255;

bool IsForbidden(char16_t ch)
{
    return ch < 0x20 || ch == 0x7F || std::u16string_view(u"/\\:*?\"<>|").find(ch) != std::u16string_view::npos;
}

size_t FileNameBytes(std::u16string_view baseName, std::u16string_view extension)
{
    return quor::system::ToUtf8(baseName).size() + 1 + quor::system::ToUtf8(extension).size();
}

// The first count code units, not splitting a surrogate pair.
std::u16string_view Prefix(std::u16string_view text, size_t count)
{
    if (count >= text.size())
        return text;
    if (count > 0 && text[count - 1] >= 0xD800 && text[count - 1] <= 0xDBFF)
        --count;
    return text.substr(0, count);
}
// A value as the INI file gives it back: without blanks at its ends. A name compared in that
// form still finds its own file when it starts or ends with a blank.
std::u16string_view StoredValue(std::u16string_view value)
{
    const size_t first = value.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos)
        return {};
    return value.substr(first, value.find_last_not_of(u" \t") - first + 1);
}
} // namespace

std::u16string SanitizeFileBaseName(std::u16string_view name)
{
    std::u16string base(name);
    for (char16_t& ch : base) {
        if (IsForbidden(ch))
            ch = u'_';
    }
    for (size_t dots = base.find(u".."); dots != std::u16string::npos; dots = base.find(u"..", dots)) {
        while (dots < base.size() && base[dots] == u'.')
            base[dots++] = u'_';
    }
    return base;
}

std::u16string ComposeProfilePath(std::u16string_view folder, std::u16string_view baseName,
                                  std::u16string_view extension)
{
    return std::u16string(folder) + std::u16string(baseName) + u"." + std::u16string(extension);
}

std::u16string DeriveProfileBaseName(std::u16string_view name, std::u16string_view folder,
                                     std::u16string_view extension)
{
    using namespace ProfileFile;
    const std::u16string clean = SanitizeFileBaseName(name);
    if (clean.size() <= kMaxBaseNameChars && FileNameBytes(clean, extension) <= kMaxFileNameBytes)
        return clean;

    size_t prefixChars = kLongNamePrefixChars;
    while (prefixChars > 0 && FileNameBytes(std::u16string(Prefix(clean, prefixChars)) + u"0000", extension) > kMaxFileNameBytes)
        --prefixChars;
    const std::u16string prefix(Prefix(clean, prefixChars));

    for (int number = 0; number < kMaxNumberedNames; ++number) {
        char digits[8];
        std::snprintf(digits, sizeof digits, "%04d", number);
        std::u16string candidate = prefix + quor::system::FromUtf8(digits);
        const IniFile file(ComposeProfilePath(folder, candidate, extension));
        const std::u16string stored = file.ReadString(SectionProperties, KeyName, u"");
        if (stored.empty() || quor::system::EqualsNoCase(stored, StoredValue(name)))
            return candidate;
    }
    return {};
}
