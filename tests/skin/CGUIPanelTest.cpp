#include "SkinTestFolder.h"

#include "platform/win/MessageWindow.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WindowApi.h"
#include "skin/CBitmapItem.h"
#include "skin/CGUIPanel.h"
#include "skin/ItemKind.h"
#include "skin/SkinIds.h"
#include "support/QtWait.h"

#include <QImage>
#include <QTest>

#include <vector>

using namespace quor::skin;
using namespace quor::win;
using quor::skin::test::SkinTest;

namespace {

class TestPanel : public CGUIPanel {
public:
    using CGUIPanel::CGUIPanel;
    void BindPageItems() override { ++m_binds; }
    int m_binds = 0;
};

class Owner : public MessageWindow<QWidget> {
public:
    std::vector<WindowMessage> m_commands;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
            m_commands.push_back({message, wParam, lParam});
        return MessageTarget::WindowProc(message, wParam, lParam);
    }
};

} // namespace

TEST_F(SkinTest, PanelTakesSizeShapeAndPictureFromItsDocument)
{
    WriteDocument("Popup.xml", "<GUIPANEL><BACKGROUND>bg.bmp</BACKGROUND><MASK>mask.bmp</MASK></GUIPANEL>");
    TestPanel panel(u"Popup.xml", 0, nullptr);
    EXPECT_FALSE(panel.IsCreated());
    panel.Create();
    panel.Create();
    EXPECT_TRUE(panel.IsCreated());
    EXPECT_EQ(panel.m_binds, 1);
    EXPECT_EQ(panel.size(), QSize(40, 30));
    EXPECT_EQ(panel.Items().Size(), 2u);
    // The mask is a ring: its white centre is not part of the window.
    EXPECT_TRUE(panel.Region().contains(QPoint(0, 0)));
    EXPECT_FALSE(panel.Region().contains(QPoint(20, 15)));
    EXPECT_EQ(panel.mask(), panel.Region());

    const QImage picture = panel.grab().toImage();
    EXPECT_EQ(picture.pixel(3, 3), qRgb(10, 20, 30));
}

TEST_F(SkinTest, PanelWithoutDocumentTakesItsRectangle)
{
    TestPanel panel(nullptr, ItemRect{5, 5, 25, 15}, 0);
    panel.Create();
    EXPECT_EQ(panel.size(), QSize(20, 10));
    EXPECT_TRUE(panel.Items().Empty());
}

TEST_F(SkinTest, BitmapItemPostsItsChildrensCommandsToItsParent)
{
    Owner owner;
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    auto* bitmap = new CBitmapItem(&owner, ItemRect{0, 0, 20, 20}, picture, nullptr);
    auto* button = new QWidget(bitmap);
    SetDlgCtrlID(button, 8);

    SendCommandToParent(button, BN_CLICKED);
    EXPECT_TRUE(owner.m_commands.empty()) << "the owner sees it after the current message";
    ASSERT_TRUE(quor::test::WaitForQt([&] { return owner.m_commands.size() == 1u; }));
    EXPECT_EQ(owner.m_commands[0].wParam, MAKEWPARAM(8, BN_CLICKED));
    EXPECT_EQ(LParamToHandle(owner.m_commands[0].lParam), button);

    // Larger than its bitmap: the picture at the top left, black beyond it.
    const QImage shown = bitmap->grab().toImage();
    EXPECT_EQ(shown.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(15, 15), qRgb(0, 0, 0));
}
