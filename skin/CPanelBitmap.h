#pragma once

// A panel's background or mask (ids 0 and 1): a private copy of the bitmap at its full size.

#include "skin/CGUIItem.h"

#include <QPixmap>

namespace quor::skin {

class CPanelBitmap : public CGUIItem {
public:
    CPanelBitmap(const QImage& source, int32_t id, QWidget* owner);

    const QPixmap& Bitmap() const { return m_bitmap; }

private:
    QPixmap m_bitmap;
};

} // namespace quor::skin
