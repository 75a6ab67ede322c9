#include "platform/win/MaskRegion.h"

#include <QImage>

#include <algorithm>
#include <vector>

namespace quor::win {

namespace {

constexpr QRgb kWhite = 0xFFFFFF;

void UniteBatch(QRegion& result, std::vector<QRect>& batch)
{
    if (batch.empty())
        return;
    // One pixel high, left to right, top to bottom: the banded order setRects expects.
    QRegion part;
    part.setRects(batch.data(), static_cast<int>(batch.size()));
    result = result.united(part);
    batch.clear();
}

} // namespace

QRegion RegionFromMask(const QImage& mask, std::size_t batchSize)
{
    QRegion result;
    if (mask.isNull() || batchSize == 0)
        return result;
    const QImage pixels = mask.convertToFormat(QImage::Format_RGB32);
    std::vector<QRect> batch;
    batch.reserve(std::min(batchSize, kRegionBatchSize));
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        int x = 0;
        while (x < pixels.width()) {
            while (x < pixels.width() && (row[x] & kWhite) == kWhite)
                ++x;
            const int start = x;
            while (x < pixels.width() && (row[x] & kWhite) != kWhite)
                ++x;
            if (x > start) {
                batch.emplace_back(QPoint(start, y), QPoint(x - 1, y));
                if (batch.size() >= batchSize)
                    UniteBatch(result, batch);
            }
        }
    }
    UniteBatch(result, batch);
    return result;
}

} // namespace quor::win
