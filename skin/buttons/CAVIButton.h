#pragma once

// A picture button that plays an animation when double-clicked (AVIBUTTON); at rest it shows its
// still bitmap. The sound file is kept, not played.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"

#include <QAbstractButton>
#include <QPixmap>

#include <string>

namespace quor::skin {

class CAVIButton : public win::MessageWindow<QAbstractButton>, public CGUIItem {
public:
    explicit CAVIButton(QWidget* parent);

    std::u16string m_videoFile;
    std::u16string m_soundFile;
    QPixmap m_still;
    bool m_playing = false;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quor::skin
