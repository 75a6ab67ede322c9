#include "skin/PrivateCopy.h"

#include <QPainter>

#include <algorithm>

namespace quor::skin {

namespace {

// Larger sizes than any screen come only from broken documents; they are not worth the memory.
constexpr int kMaxCopySide = 8192;

} // namespace

QPixmap MakePrivateCopy(const QImage& source, int width, int height)
{
    width = std::clamp(width, 0, kMaxCopySide);
    height = std::clamp(height, 0, kMaxCopySide);
    if (width == 0 || height == 0)
        return {};
    QImage copy(width, height, QImage::Format_RGB32);
    copy.fill(Qt::black);
    {
        QPainter painter(&copy);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), source, QRect(0, 0, width, height));
    }
    return QPixmap::fromImage(std::move(copy));
}

} // namespace quor::skin
