#include "platform/win/MaskRegion.h"

#include <QImage>
#include <gtest/gtest.h>

#include <limits>

using quor::win::RegionFromMask;

namespace {

QImage WhiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Regions built from different rectangle lists compare by the pixels they cover.
bool SameArea(const QRegion& a, const QRegion& b)
{
    return a.xored(b).isEmpty();
}

} // namespace

TEST(MaskRegion, RingLeavesTheWhiteCentreOut)
{
    QImage mask = WhiteImage(10, 10);
    for (int y = 1; y <= 8; ++y)
        for (int x = 1; x <= 8; ++x)
            if (x == 1 || x == 8 || y == 1 || y == 8)
                mask.setPixel(x, y, qRgb(0, 0, 0));

    const QRegion region = RegionFromMask(mask);
    EXPECT_TRUE(region.contains(QPoint(1, 1)));
    EXPECT_TRUE(region.contains(QPoint(8, 5)));
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(4, 4)));
    EXPECT_FALSE(region.contains(QPoint(9, 9)));
    EXPECT_TRUE(SameArea(region, QRegion(1, 1, 8, 8).subtracted(QRegion(2, 2, 6, 6))));
}

TEST(MaskRegion, OnlyExactWhiteIsCutOut)
{
    QImage mask = WhiteImage(3, 1);
    mask.setPixel(1, 0, qRgb(255, 255, 254));
    EXPECT_TRUE(SameArea(RegionFromMask(mask), QRegion(1, 0, 1, 1)));

    // Alpha is not read: a transparent white pixel is still white.
    QImage argb(2, 1, QImage::Format_ARGB32);
    argb.setPixel(0, 0, qRgba(255, 255, 255, 0));
    argb.setPixel(1, 0, qRgba(0, 0, 0, 0));
    EXPECT_TRUE(SameArea(RegionFromMask(argb), QRegion(1, 0, 1, 1)));
}

TEST(MaskRegion, EmptyForAllWhiteAndNullMasks)
{
    EXPECT_TRUE(RegionFromMask(WhiteImage(5, 5)).isEmpty());
    EXPECT_TRUE(RegionFromMask(QImage()).isEmpty());
}

TEST(MaskRegion, BatchedRunsGiveTheSameRegionAsOneUnion)
{
    // A one-pixel checkerboard over two rows: 4001 runs, more than two batches.
    constexpr int kWidth = 4001;
    QImage mask = WhiteImage(kWidth, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = (y % 2); x < kWidth; x += 2)
            mask.setPixel(x, y, qRgb(0, 0, 0));

    const QRegion batched = RegionFromMask(mask);
    const QRegion whole = RegionFromMask(mask, std::numeric_limits<std::size_t>::max());
    EXPECT_TRUE(SameArea(batched, whole));
    EXPECT_FALSE(batched.isEmpty());
    EXPECT_TRUE(batched.contains(QPoint(4000, 0)));
    EXPECT_FALSE(batched.contains(QPoint(3999, 0)));
    EXPECT_TRUE(batched.contains(QPoint(3999, 1)));
}
