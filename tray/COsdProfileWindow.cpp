#include "tray/COsdProfileWindow.h"

#include <QPainter>

namespace {
const QString kProfileFontFamily = QStringLiteral("Arial");
}

COsdProfileWindow::COsdProfileWindow(OsdState& state) : COsdWindow(state, kOsdProfileClassName) {}

QRect COsdProfileWindow::WindowRect(const QRect& monitor) const
{
    return osd::ProfileWindowRect(monitor, m_state.scale);
}

void COsdProfileWindow::MakeFonts()
{
    m_font = QFont(kProfileFontFamily);
    m_font.setPixelSize(osd::ProfileTextHeight(m_state.scale));
    m_font.setBold(true);
    m_font.setStyleStrategy(QFont::PreferAntialias);
}

void COsdProfileWindow::Paint(QPainter& painter)
{
    if (m_state.profileText.empty())
        return;
    painter.setFont(m_font);
    painter.setPen(QColor(osd::kTextColour));
    painter.drawText(QRect(QPoint(0, 0), size()), Qt::AlignBottom | Qt::AlignRight | Qt::TextSingleLine,
                     QString::fromStdU16String(m_state.profileText));
}

void COsdProfileWindow::ClearContent()
{
    m_state.profileText.clear();
}
