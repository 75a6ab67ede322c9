#include "skin/CGUIPanel.h"

#include "platform/win/MaskRegion.h"
#include "skin/CPanelBitmap.h"
#include "skin/ItemKind.h"
#include "skin/SkinIds.h"
#include "skin/SkinLoader.h"

#include <QPainter>

namespace quor::skin {

CGUIPanel::CGUIPanel(std::u16string_view documentName, int templateId, QWidget* parent)
    : MessageWindow<QDialog>(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_parent(parent), m_documentName(documentName), m_templateId(templateId)
{
}

CGUIPanel::CGUIPanel(QWidget* parent, const ItemRect& rect, int templateId)
    : MessageWindow<QDialog>(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_parent(parent), m_templateId(templateId), m_rect(rect)
{
}

CGUIPanel::~CGUIPanel()
{
    m_background = nullptr;
    m_mask = nullptr;
    m_created = false;
    // Items before the dialog base: child windows go last to first, as the list orders them.
    m_items.Clear();
}

void CGUIPanel::Create()
{
    if (m_created)
        return;
    if (!m_documentName.empty()) {
        LoadSkinDocument(m_documentName, m_items, this);
        m_background = FindItem<CPanelBitmap>(m_items, kIdBackground, kKindPanelBitmap);
        if (m_background) {
            m_rect = {0, 0, m_background->Bitmap().width(), m_background->Bitmap().height()};
        }
        m_mask = FindItem<CPanelBitmap>(m_items, kIdMask, kKindPanelBitmap);
        if (m_mask) {
            m_region = win::RegionFromMask(m_mask->Bitmap().toImage());
            setMask(m_region);
        }
    }
    setGeometry(0, 0, m_rect.Width(), m_rect.Height());
    m_created = true;
    BindPageItems();
}

void CGUIPanel::showEvent(QShowEvent* event)
{
    Create();
    MessageWindow<QDialog>::showEvent(event);
}

void CGUIPanel::paintEvent(QPaintEvent*)
{
    if (!m_created || !m_background)
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background->Bitmap());
}

} // namespace quor::skin
