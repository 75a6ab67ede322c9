#include "platform/win/KeyMessage.h"
#include "platform/win/MessageWindow.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WindowApi.h"
#include "support/QtWait.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace quor::win;

namespace {

// Records every message; answers sent messages with the message number plus wParam.
template <class Base>
class Recorder : public MessageWindow<Base> {
public:
    using MessageWindow<Base>::MessageWindow;

    std::vector<WindowMessage> m_seen;
    UINT m_handledInput = 0; // an input message this window handles itself

    std::vector<WindowMessage> Seen(UINT message) const
    {
        std::vector<WindowMessage> out;
        for (const auto& m : m_seen)
            if (m.message == message)
                out.push_back(m);
        return out;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_seen.push_back({message, wParam, lParam});
        if (message == m_handledInput || message >= WM_USER)
            return static_cast<LRESULT>(message + wParam);
        return MessageTarget::WindowProc(message, wParam, lParam);
    }
};

using Window = Recorder<QWidget>;

} // namespace

TEST(WindowMessages, PostedMessagesArriveLaterInOrderAndSentOnesAtOnce)
{
    Window window;
    EXPECT_TRUE(PostMessage(&window, UM_SLIDERPOS, 5, 6));
    EXPECT_TRUE(PostMessage(&window, UM_MARKERPOS, 7, 8));
    EXPECT_TRUE(window.m_seen.empty());

    EXPECT_EQ(SendMessage(&window, UM_STAGESELECT, 1, 0), LRESULT{UM_STAGESELECT + 1});
    ASSERT_EQ(window.m_seen.size(), 1u);

    ASSERT_TRUE(quor::test::WaitForQt([&] { return window.m_seen.size() == 3u; }));
    EXPECT_EQ(window.m_seen[1], (WindowMessage{UM_SLIDERPOS, 5, 6}));
    EXPECT_EQ(window.m_seen[2], (WindowMessage{UM_MARKERPOS, 7, 8}));

    EXPECT_FALSE(PostMessage(nullptr, UM_SLIDERPOS, 0, 0));
    EXPECT_EQ(SendMessage(nullptr, UM_SLIDERPOS, 0, 0), 0);
    QWidget plain;
    EXPECT_EQ(SendMessage(&plain, UM_SLIDERPOS, 1, 0), 0);
}

TEST(WindowMessages, MessagesPostedToADestroyedWindowAreDropped)
{
    auto window = std::make_unique<Window>();
    PostMessage(window.get(), UM_SLIDERPOS, 0, 0);
    window.reset();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

TEST(WindowMessages, CommandReachesTheParentWithIdCodeAndSender)
{
    Window parent;
    auto* child = new QWidget(&parent);
    SetDlgCtrlID(child, 8);
    EXPECT_EQ(GetParent(child), &parent);
    EXPECT_EQ(GetDlgCtrlID(child), 8);

    SendCommandToParent(child, BN_CLICKED);
    const auto commands = parent.Seen(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(LOWORD(commands[0].wParam), 8);
    EXPECT_EQ(HIWORD(commands[0].wParam), BN_CLICKED);
    EXPECT_EQ(LParamToHandle(commands[0].lParam), child);
}

TEST(WindowMessages, TimersTickByIdUntilKilled)
{
    Window window;
    EXPECT_EQ(SetTimer(&window, 700, 1), UINT_PTR{700});
    EXPECT_EQ(SetTimer(&window, 1, 1), UINT_PTR{1});
    EXPECT_EQ(SetTimer(&window, 0, 1), UINT_PTR{0});
    EXPECT_EQ(SetTimer(nullptr, 5, 1), UINT_PTR{0});

    auto ticked = [&](WPARAM id) {
        for (const auto& m : window.Seen(WM_TIMER))
            if (m.wParam == id)
                return true;
        return false;
    };
    ASSERT_TRUE(quor::test::WaitForQt([&] { return ticked(700) && ticked(1); }));

    EXPECT_TRUE(KillTimer(&window, 700));
    EXPECT_FALSE(KillTimer(&window, 700));
    window.m_seen.clear();
    // Timer 1 keeps ticking; once it has ticked twice more, 700 would have ticked too.
    ASSERT_TRUE(quor::test::WaitForQt([&] { return window.Seen(WM_TIMER).size() >= 2; }));
    EXPECT_FALSE(ticked(700));
    EXPECT_TRUE(KillTimer(&window, 1));
}

TEST(WindowMessages, CaptureMovesAndTellsTheLoser)
{
    Window first;
    Window second;
    EXPECT_EQ(SetCapture(&first), nullptr);
    EXPECT_EQ(GetCapture(), &first);
    EXPECT_EQ(SetCapture(&second), &first);
    const auto lost = first.Seen(WM_CAPTURECHANGED);
    ASSERT_EQ(lost.size(), 1u);
    EXPECT_EQ(LParamToHandle(lost[0].lParam), &second);

    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(second.Seen(WM_CAPTURECHANGED).size(), 1u);
}

TEST(WindowMessages, MouseInputArrivesAsButtonMessages)
{
    Window window;
    window.resize(100, 100);
    window.show();
    QTest::mousePress(&window, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, QPoint(11, 21));
    QTest::mousePress(&window, Qt::RightButton, Qt::NoModifier, QPoint(3, 4));

    const auto down = window.Seen(WM_LBUTTONDOWN);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].wParam, MK_LBUTTON | MK_SHIFT);
    EXPECT_EQ(GET_X_LPARAM(down[0].lParam), 10);
    EXPECT_EQ(GET_Y_LPARAM(down[0].lParam), 20);
    const auto up = window.Seen(WM_LBUTTONUP);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].wParam, WPARAM{0});
    EXPECT_EQ(window.Seen(WM_RBUTTONDOWN).size(), 1u);
}

TEST(WindowMessages, HandledInputSkipsTheToolkitAndUnhandledInputReachesIt)
{
    for (bool handled : {true, false}) {
        Recorder<QPushButton> button;
        button.resize(50, 20);
        button.show();
        if (handled)
            button.m_handledInput = WM_LBUTTONDOWN;
        QSignalSpy clicked(&button, &QPushButton::clicked);
        QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        EXPECT_EQ(button.Seen(WM_LBUTTONDOWN).size(), 1u);
        EXPECT_EQ(clicked.count(), handled ? 0 : 1) << (handled ? "handled" : "default");
    }
}

TEST(WindowMessages, KeysArriveWithScanCodesInLParam)
{
    Window window;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 38, 0, 0, QStringLiteral("a"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, 38, 0, 0, QStringLiteral("a"));
    QKeyEvent altUp(QEvent::KeyPress, Qt::Key_Up, Qt::AltModifier, 111, 0, 0);
    QKeyEvent altGr(QEvent::KeyPress, Qt::Key_Q, Qt::AltModifier | Qt::ControlModifier, 24, 0, 0);
    for (QKeyEvent* event : {&press, &release, &altUp, &altGr})
        QCoreApplication::sendEvent(&window, event);

    ASSERT_EQ(window.m_seen.size(), 4u);
    EXPECT_EQ(window.m_seen[0].message, WM_KEYDOWN);
    EXPECT_EQ(window.m_seen[0].wParam, WPARAM{'A'});
    EXPECT_EQ(window.m_seen[0].lParam, MakeKeyLParam(0x1E, KeyTransition::Down, false, false));
    EXPECT_EQ(window.m_seen[1].message, WM_KEYUP);
    EXPECT_EQ(window.m_seen[1].lParam, MakeKeyLParam(0x1E, KeyTransition::Up, false, false));
    EXPECT_EQ(window.m_seen[2].message, WM_SYSKEYDOWN);
    EXPECT_EQ(window.m_seen[2].lParam, MakeKeyLParam(0xE048, KeyTransition::Down, true, false));
    EXPECT_EQ(window.m_seen[3].message, WM_KEYDOWN);
}
