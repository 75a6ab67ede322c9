#include "skin/CResourceCache.h"

#include "platform/system/TextCase.h"
#include "skin/SkinPath.h"

#include <QFontDatabase>
#include <QString>

#include <system_error>

namespace quor::skin {

namespace {

std::string_view FolderOf(ResourceKind kind)
{
    switch (kind) {
    case ResourceKind::FontFile: return kFontsFolder;
    case ResourceKind::RawFile: return kLangFolder;
    default: return kSkinsFolder;
    }
}

uint64_t MeasureSize(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return 0;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

QString ToQString(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

void Load(CResource& record)
{
    if (record.m_path.empty())
        return;
    switch (record.m_kind) {
    case ResourceKind::Picture: {
        const std::vector<char> bytes = ReadWholeFile(record.m_path);
        if (!bytes.empty())
            record.m_image = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                                              static_cast<int>(bytes.size()));
        break;
    }
    case ResourceKind::DeviceBitmap:
        record.m_size = MeasureSize(record.m_path);
        if (record.m_size > 0)
            record.m_image = QImage(ToQString(record.m_path), "BMP");
        break;
    case ResourceKind::FontFile:
        record.m_size = MeasureSize(record.m_path);
        if (record.m_size > 0) {
            const int id = QFontDatabase::addApplicationFont(ToQString(record.m_path));
            const int count = id < 0 ? 0 : static_cast<int>(QFontDatabase::applicationFontFamilies(id).size());
            if (count > 0) {
                record.m_fontId = id;
                record.m_fontCount = count;
            } else if (id >= 0) {
                QFontDatabase::removeApplicationFont(id);
            }
        }
        break;
    case ResourceKind::RawFile:
        if (MeasureSize(record.m_path) > 0)
            record.m_bytes = ReadWholeFile(record.m_path);
        record.m_size = record.m_bytes.size();
        break;
    }
}

} // namespace

bool CResource::HasObject() const
{
    switch (m_kind) {
    case ResourceKind::Picture:
    case ResourceKind::DeviceBitmap: return !m_image.isNull();
    case ResourceKind::FontFile: return m_fontCount > 0;
    case ResourceKind::RawFile: return !m_bytes.empty();
    }
    return false;
}

CResourceCache& CResourceCache::Instance()
{
    static CResourceCache cache;
    return cache;
}

const CResource* CResourceCache::GetResource(std::u16string_view name, ResourceKind kind)
{
    std::u16string key = system::FoldCase(name);
    key.insert(key.begin(), static_cast<char16_t>(kind));
    if (const auto found = m_index.find(key); found != m_index.end())
        return found->second;
    auto record = std::make_unique<CResource>();
    record->m_name = name;
    record->m_kind = kind;
    if (auto path = SkinFilePath(FolderOf(kind), name))
        record->m_path = std::move(*path);
    Load(*record);
    m_records.push_back(std::move(record));
    m_index.emplace(std::move(key), m_records.back().get());
    return m_records.back().get();
}

uint64_t CResourceCache::ResourceSize(std::u16string_view name) const
{
    for (const auto& record : m_records) {
        if (system::EqualsNoCase(record->m_name, name))
            return record->m_size;
    }
    return 0;
}

void CResourceCache::ReleaseAll()
{
    for (const auto& record : m_records) {
        if (record->m_fontCount > 0)
            QFontDatabase::removeApplicationFont(record->m_fontId);
    }
    m_index.clear();
    m_records.clear();
}

const QImage* GetPicture(std::u16string_view name)
{
    const CResource* record = CResourceCache::Instance().GetResource(name, ResourceKind::Picture);
    return record->HasObject() ? &record->m_image : nullptr;
}

const QImage* GetDeviceBitmap(std::u16string_view name)
{
    const CResource* record = CResourceCache::Instance().GetResource(name, ResourceKind::DeviceBitmap);
    return record->HasObject() ? &record->m_image : nullptr;
}

} // namespace quor::skin
