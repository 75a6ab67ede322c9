#include "skin/XmlDocument.h"

#include "skin/SkinPath.h"


namespace quor::skin {

namespace {

// Every value as written: no escapes, no end-of-line or attribute white-space normalising, no
// CDATA, comments, processing instructions or document type in the tree.
constexpr unsigned kParseOptions = pugi::parse_minimal;

constexpr unsigned char kBomLow = 0xFF;
constexpr unsigned char kBomHigh = 0xFE;

bool HasUtf16Bom(const std::vector<char>& bytes)
{
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == kBomLow &&
           static_cast<unsigned char>(bytes[1]) == kBomHigh;
}

} // namespace

bool LooksLikeUtf16(const std::vector<char>& bytes)
{
    if (HasUtf16Bom(bytes))
        return true;
    const std::size_t units = bytes.size() / 2;
    if (units == 0)
        return false;
    // Latin text in UTF-16 has a zero high byte in nearly every unit and almost never a zero
    // low byte; 8-bit text has no zero bytes at all.
    std::size_t zeroHigh = 0;
    std::size_t zeroLow = 0;
    for (std::size_t i = 0; i < units; ++i) {
        if (bytes[2 * i] == 0)
            ++zeroLow;
        if (bytes[2 * i + 1] == 0)
            ++zeroHigh;
    }
    return zeroHigh * 2 > units && zeroLow * 10 < units;
}

bool XmlDocument::LoadBytes(const std::vector<char>& bytes)
{
    m_document.reset();
    if (bytes.empty())
        return false;
    pugi::xml_parse_result result;
    if (LooksLikeUtf16(bytes)) {
        const std::size_t skip = HasUtf16Bom(bytes) ? 2 : 0;
        // A trailing odd byte is not a code unit.
        const std::size_t length = (bytes.size() - skip) & ~std::size_t{1};
        result = m_document.load_buffer(bytes.data() + skip, length, kParseOptions,
                                        pugi::encoding_utf16_le);
    } else {
        // Latin-1 is exactly "each byte is the character of the same value".
        result = m_document.load_buffer(bytes.data(), bytes.size(), kParseOptions,
                                        pugi::encoding_latin1);
    }
    // A broken document keeps the part that was parsed; only no tree at all is a failure.
    return result || m_document.first_child();
}

bool XmlDocument::Load(std::u16string_view name)
{
    m_document.reset();
    const auto path = SkinFilePath(kXmlFolder, name);
    if (!path)
        return false;
    return LoadBytes(ReadWholeFile(*path));
}

} // namespace quor::skin
