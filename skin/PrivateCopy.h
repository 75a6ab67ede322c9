#pragma once

// An item's own copy of a shared bitmap: the top-left width x height part of the source, pixel
// for pixel, no scaling. Where the source is smaller, the copy is black.

#include <QImage>
#include <QPixmap>

namespace quor::skin {

QPixmap MakePrivateCopy(const QImage& source, int width, int height);

} // namespace quor::skin
