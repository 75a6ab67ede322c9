#pragma once

// A skin or language document read from xml/ below the program folder into an element tree.
// The file is read whole; its encoding is decided once (UTF-16 little-endian by byte-order mark
// or by content, else 8-bit text widened byte by byte). Values are kept exactly as written: no
// entity expansion, no white-space trimming or folding, CDATA contributes nothing. Queries on
// the tree are in XmlQueries.h; element handles are pugixml nodes.

#include <pugixml.hpp>

#include <string_view>
#include <vector>

namespace quor::skin {

class XmlDocument {
public:
    // False for a name that leaves xml/, a missing, unreadable or empty file, or a text from
    // which no element tree could be built. A document that parses only in part keeps what
    // was built.
    bool Load(std::u16string_view name);

    // Parses bytes as a file's content would be (the same encoding rule).
    bool LoadBytes(const std::vector<char>& bytes);

    pugi::xml_node Root() const { return m_document; }

private:
    pugi::xml_document m_document;
};

// True when the bytes are UTF-16 little-endian: a byte-order mark, or text whose high bytes
// are mostly zero where the low bytes are not.
bool LooksLikeUtf16(const std::vector<char>& bytes);

} // namespace quor::skin
