#pragma once

// One sensitivity-stage window (DPISTAGEWINDOW): a frame, value boxes and labels laid out by its
// document's BITMAP and TEXTAREA children; an inactive stage draws nothing.

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItem.h"
#include "skin/ItemRect.h"

#include <QPixmap>
#include <QWidget>

#include <map>
#include <string>

namespace quor::skin {

class CFontItem;

class CDPIStageWindow : public win::MessageWindow<QWidget>, public CGUIItem {
public:
    struct Label {
        std::u16string text;
        ItemRect rect;
    };
    struct Bitmap {
        QPixmap bitmap;
        QPixmap mask;
        ItemRect rect;
    };

    CDPIStageWindow(QWidget* parent, int position);

    // TEXTAREA: "HEADING" is translated, its case changed by caps and its first backslash-n
    // made a line break; "DPI", "DPIX", "DPIY", "X", "Y" are kept as written; others ignored.
    void SetTextArea(std::u16string_view name, std::u16string_view text, const ItemRect& rect,
                     std::u16string_view caps = {});
    // BITMAP: "DPIFRAME", "DPIFRAMESELECTED", "DPIWIN", "DPIWINX", "DPIWINY", cut to the
    // rectangle's size; others ignored.
    void SetBitmap(std::u16string_view name, const QImage& bitmap, const QImage* mask, const ItemRect& rect);

    int Position() const { return m_position; }
    const std::map<std::u16string, Label>& Labels() const { return m_labels; }
    const std::map<std::u16string, Bitmap>& Bitmaps() const { return m_bitmaps; }

    bool m_selected = false;
    bool m_active = true;
    bool m_separate = false;
    int32_t m_dpi = 0;
    int32_t m_dpiX = 0;
    int32_t m_dpiY = 0;
    std::u16string m_heading;
    const CFontItem* m_font = nullptr;
    int32_t m_colour = 0;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawBitmap(QPainter& painter, const std::u16string& name) const;
    void DrawLabel(QPainter& painter, const std::u16string& name, std::u16string_view text) const;

    int m_position = 0;
    std::map<std::u16string, Label> m_labels;
    std::map<std::u16string, Bitmap> m_bitmaps;
    ItemRect m_headingRect;
};

} // namespace quor::skin
