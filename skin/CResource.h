#pragma once

// One cached skin file: a decoded picture, a registered font file or the raw bytes of a file,
// or nothing when loading failed (a failure is cached too and not retried).

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quor::skin {

enum class ResourceKind : int {
    Picture = 0,        // any picture format Qt decodes, from skins/
    DeviceBitmap = 1,   // BMP files only, from skins/
    FontFile = 4,       // registered with the application's font database, from fonts/
    RawFile = 5,        // the bytes as they are, from lang/
};

class CResource {
public:
    std::u16string m_name;
    std::filesystem::path m_path; // empty when the name leaves its folder
    ResourceKind m_kind = ResourceKind::Picture;
    uint64_t m_size = 0;

    // The loaded object, by kind; HasObject tells whether loading succeeded.
    QImage m_image;
    int m_fontId = -1;
    int m_fontCount = 0;
    std::vector<char> m_bytes;

    bool HasObject() const;
};

} // namespace quor::skin
