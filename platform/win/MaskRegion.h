#pragma once

// The shape of a window from a mask bitmap: every pixel that is not pure white (255, 255, 255)
// belongs to it. Built from horizontal runs, handed to QRegion in batches, because one huge
// rectangle list is slow to unite.

#include <QRegion>

#include <cstddef>

class QImage;

namespace quor::win {

inline constexpr std::size_t kRegionBatchSize = 2000;

QRegion RegionFromMask(const QImage& mask, std::size_t batchSize = kRegionBatchSize);

} // namespace quor::win
