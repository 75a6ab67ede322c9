#pragma once

// A skinned modal dialog. Built from a panel document, it takes its size from the document's
// background bitmap, its shape from the mask bitmap, and paints the background pixel for pixel;
// the document's items are its children. Built from a rectangle, it only takes that size.
// Create() runs once, before the dialog is first shown (or when the caller calls it).

#include "platform/win/MessageWindow.h"
#include "skin/CGUIItemList.h"

#include <QDialog>
#include <QRegion>

#include <string>

namespace quor::skin {

class CPanelBitmap;

class CGUIPanel : public win::MessageWindow<QDialog> {
public:
    CGUIPanel(std::u16string_view documentName, int templateId, QWidget* parent);
    CGUIPanel(QWidget* parent, const ItemRect& rect, int templateId);
    ~CGUIPanel() override;

    // Loads the document, sizes and shapes the window, then binds the derived panel's items.
    void Create();

    // The derived panel looks up and keeps the items it works with.
    virtual void BindPageItems() = 0;

    bool IsCreated() const { return m_created; }
    QWidget* ParentWindow() const { return m_parent; }
    int TemplateId() const { return m_templateId; }
    CGUIItemList& Items() { return m_items; }
    const ItemRect& PanelRect() const { return m_rect; }
    const QRegion& Region() const { return m_region; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_parent = nullptr;
    std::u16string m_documentName;
    int m_templateId = 0;
    CPanelBitmap* m_background = nullptr;
    CPanelBitmap* m_mask = nullptr;
    QRegion m_region;
    CGUIItemList m_items;
    ItemRect m_rect;
    bool m_created = false;
};

} // namespace quor::skin
